#include "chiffrement/chiffrement.h"

// The one-shot SHA-256 functions: the key derivation's millions of small hashes without a
// context allocated for each (the library's own PBKDF2 allocates two per round).
#define OPENSSL_SUPPRESS_DEPRECATED
#include <openssl/evp.h>
#include <openssl/hmac.h>
#include <openssl/kdf.h>
#include <openssl/rand.h>
#include <openssl/sha.h>

#include <QIODevice>

#include <cstring>
#include <memory>

namespace {

using ContexteChiffre = std::unique_ptr<EVP_CIPHER_CTX, decltype(&EVP_CIPHER_CTX_free)>;
using ContexteCle = std::unique_ptr<EVP_PKEY_CTX, decltype(&EVP_PKEY_CTX_free)>;

const unsigned char *octets(QByteArray const &donnees)
{
    return reinterpret_cast<const unsigned char *>(donnees.constData());
}

unsigned char *octets(QByteArray &donnees)
{
    return reinterpret_cast<unsigned char *>(donnees.data());
}

// Opens an AES-256-GCM context for `cle` and `nonce` and feeds it the associated data.
ContexteChiffre ouvrirGcm(bool chiffrer, QByteArray const &cle, QByteArray const &nonce, QByteArray const &ad)
{
    ContexteChiffre contexte(EVP_CIPHER_CTX_new(), &EVP_CIPHER_CTX_free);
    int ignore = 0;
    if (!contexte || cle.size() != Chiffrement::TAILLE_CLE || nonce.size() != Chiffrement::TAILLE_NONCE
        || EVP_CipherInit_ex(contexte.get(), EVP_aes_256_gcm(), nullptr, nullptr, nullptr, chiffrer ? 1 : 0)
            != 1
        || EVP_CIPHER_CTX_ctrl(contexte.get(), EVP_CTRL_GCM_SET_IVLEN, nonce.size(), nullptr) != 1
        || EVP_CipherInit_ex(contexte.get(), nullptr, nullptr, octets(cle), octets(nonce), -1) != 1
        || (!ad.isEmpty() && EVP_CipherUpdate(contexte.get(), nullptr, &ignore, octets(ad), ad.size()) != 1))
        return ContexteChiffre(nullptr, &EVP_CIPHER_CTX_free);
    return contexte;
}

} // namespace

QByteArray Chiffrement::aleatoire(int taille)
{
    QByteArray resultat(taille, Qt::Uninitialized);
    if (taille <= 0 || RAND_bytes(octets(resultat), taille) != 1)
        return QByteArray();
    return resultat;
}

QByteArray Chiffrement::deriverMotDePasse(QString const &motDePasse, QByteArray const &sel, int iterations)
{
    if (iterations < 1)
        return QByteArray();
    const QByteArray utf8 = motDePasse.normalized(QString::NormalizationForm_C).toUtf8();
    // PBKDF2-HMAC-SHA256 for one 32-byte block: HMAC's inner and outer states are hashed
    // from the password once, then copied for each round.
    constexpr int BLOC = 64;
    unsigned char cle[BLOC] = {};
    if (utf8.size() > BLOC)
        SHA256(octets(utf8), size_t(utf8.size()), cle);
    else
        std::memcpy(cle, utf8.constData(), size_t(utf8.size()));
    unsigned char bloc[BLOC];
    SHA256_CTX interieur;
    SHA256_CTX exterieur;
    for (int i = 0; i < BLOC; ++i)
        bloc[i] = cle[i] ^ 0x36;
    SHA256_Init(&interieur);
    SHA256_Update(&interieur, bloc, BLOC);
    for (int i = 0; i < BLOC; ++i)
        bloc[i] = cle[i] ^ 0x5c;
    SHA256_Init(&exterieur);
    SHA256_Update(&exterieur, bloc, BLOC);

    unsigned char u[SHA256_DIGEST_LENGTH];
    const unsigned char numeroBloc[4] = {0, 0, 0, 1};
    SHA256_CTX contexte = interieur;
    SHA256_Update(&contexte, octets(sel), size_t(sel.size()));
    SHA256_Update(&contexte, numeroBloc, sizeof(numeroBloc));
    SHA256_Final(u, &contexte);
    contexte = exterieur;
    SHA256_Update(&contexte, u, sizeof(u));
    SHA256_Final(u, &contexte);
    QByteArray resultat(reinterpret_cast<const char *>(u), TAILLE_CLE);
    unsigned char *t = octets(resultat);

    for (int tour = 1; tour < iterations; ++tour) {
        contexte = interieur;
        SHA256_Update(&contexte, u, sizeof(u));
        SHA256_Final(u, &contexte);
        contexte = exterieur;
        SHA256_Update(&contexte, u, sizeof(u));
        SHA256_Final(u, &contexte);
        for (int i = 0; i < TAILLE_CLE; ++i)
            t[i] ^= u[i];
    }
    OPENSSL_cleanse(cle, sizeof(cle));
    OPENSSL_cleanse(bloc, sizeof(bloc));
    OPENSSL_cleanse(u, sizeof(u));
    OPENSSL_cleanse(&interieur, sizeof(interieur));
    OPENSSL_cleanse(&exterieur, sizeof(exterieur));
    OPENSSL_cleanse(&contexte, sizeof(contexte));
    return resultat;
}

QByteArray Chiffrement::hmac(QByteArray const &cle, QByteArray const &donnees)
{
    QByteArray resultat(EVP_MAX_MD_SIZE, Qt::Uninitialized);
    unsigned int taille = 0;
    if (HMAC(EVP_sha256(), cle.constData(), cle.size(), octets(donnees), size_t(donnees.size()),
            octets(resultat), &taille)
        == nullptr)
        return QByteArray();
    resultat.resize(int(taille));
    return resultat;
}

QByteArray Chiffrement::empreinte(QByteArray const &debut, QIODevice *suite)
{
    std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> contexte(EVP_MD_CTX_new(), &EVP_MD_CTX_free);
    if (!contexte || EVP_DigestInit_ex(contexte.get(), EVP_sha256(), nullptr) != 1
        || EVP_DigestUpdate(contexte.get(), debut.constData(), size_t(debut.size())) != 1)
        return QByteArray();
    // Small enough to stay in the cache and cost few page faults, large enough for few reads.
    QByteArray tampon(1 << 18, Qt::Uninitialized);
    while (suite != nullptr && !suite->atEnd()) {
        const qint64 lu = suite->read(tampon.data(), tampon.size());
        if (lu < 0)
            return QByteArray();
        if (lu == 0)
            break;
        if (EVP_DigestUpdate(contexte.get(), tampon.constData(), size_t(lu)) != 1)
            return QByteArray();
    }
    QByteArray resultat(EVP_MAX_MD_SIZE, Qt::Uninitialized);
    unsigned int taille = 0;
    if (EVP_DigestFinal_ex(contexte.get(), octets(resultat), &taille) != 1)
        return QByteArray();
    resultat.resize(int(taille));
    return resultat;
}

QByteArray Chiffrement::base64(QByteArray const &donnees)
{
    QByteArray resultat((donnees.size() + 2) / 3 * 4 + 1, Qt::Uninitialized);
    const int taille = EVP_EncodeBlock(octets(resultat), octets(donnees), donnees.size());
    resultat.resize(taille < 0 ? 0 : taille);
    return resultat;
}

QByteArray Chiffrement::hkdf(QByteArray const &cle, QByteArray const &sel, QByteArray const &info, int taille)
{
    ContexteCle contexte(EVP_PKEY_CTX_new_id(EVP_PKEY_HKDF, nullptr), &EVP_PKEY_CTX_free);
    QByteArray resultat(taille, Qt::Uninitialized);
    size_t longueur = size_t(taille);
    if (!contexte || taille <= 0 || EVP_PKEY_derive_init(contexte.get()) != 1
        || EVP_PKEY_CTX_set_hkdf_md(contexte.get(), EVP_sha256()) != 1
        || EVP_PKEY_CTX_set1_hkdf_salt(contexte.get(), octets(sel), sel.size()) != 1
        || EVP_PKEY_CTX_set1_hkdf_key(contexte.get(), octets(cle), cle.size()) != 1
        || EVP_PKEY_CTX_add1_hkdf_info(contexte.get(), octets(info), info.size()) != 1
        || EVP_PKEY_derive(contexte.get(), octets(resultat), &longueur) != 1 || longueur != size_t(taille))
        return QByteArray();
    return resultat;
}

QByteArray Chiffrement::chiffrerGcm(QByteArray const &cle, QByteArray const &nonce,
    QByteArray const &donneesAssociees, QByteArray const &clair)
{
    ContexteChiffre contexte = ouvrirGcm(true, cle, nonce, donneesAssociees);
    if (!contexte)
        return QByteArray();
    QByteArray resultat(clair.size() + TAILLE_ETIQUETTE, Qt::Uninitialized);
    int ecrit = 0;
    int fin = 0;
    if ((!clair.isEmpty()
            && EVP_CipherUpdate(contexte.get(), octets(resultat), &ecrit, octets(clair), clair.size()) != 1)
        || EVP_CipherFinal_ex(contexte.get(), octets(resultat) + ecrit, &fin) != 1
        || EVP_CIPHER_CTX_ctrl(
               contexte.get(), EVP_CTRL_GCM_GET_TAG, TAILLE_ETIQUETTE, octets(resultat) + clair.size())
            != 1)
        return QByteArray();
    return resultat;
}

bool Chiffrement::dechiffrerGcm(QByteArray const &cle, QByteArray const &nonce,
    QByteArray const &donneesAssociees, QByteArray const &chiffre, QByteArray *clair)
{
    if (chiffre.size() < TAILLE_ETIQUETTE)
        return false;
    ContexteChiffre contexte = ouvrirGcm(false, cle, nonce, donneesAssociees);
    if (!contexte)
        return false;
    const int taille = chiffre.size() - TAILLE_ETIQUETTE;
    QByteArray etiquette = chiffre.right(TAILLE_ETIQUETTE);
    QByteArray resultat(taille, Qt::Uninitialized);
    int ecrit = 0;
    int fin = 0;
    if ((taille > 0
            && EVP_CipherUpdate(contexte.get(), octets(resultat), &ecrit, octets(chiffre), taille) != 1)
        || EVP_CIPHER_CTX_ctrl(contexte.get(), EVP_CTRL_GCM_SET_TAG, TAILLE_ETIQUETTE, octets(etiquette)) != 1
        || EVP_CipherFinal_ex(contexte.get(), octets(resultat) + ecrit, &fin) != 1)
        return false;
    *clair = resultat;
    return true;
}
