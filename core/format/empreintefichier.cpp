#include "format/empreintefichier.h"

#include <QIODevice>

#include <openssl/evp.h>

#include <memory>

// OpenSSL's SHA-256 runs several times faster than Qt's own on a site's media (it uses the
// processor's SHA instructions). A thread of a pool that calls it should end with
// OPENSSL_thread_stop(), or OpenSSL's state for that thread stays until the program ends.
bool EmpreinteFichier::sha256(QIODevice *fichier, QByteArray *empreinte)
{
    std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> contexte(EVP_MD_CTX_new(), &EVP_MD_CTX_free);
    if (!contexte || EVP_DigestInit_ex(contexte.get(), EVP_sha256(), nullptr) != 1)
        return false;
    QByteArray tampon(1024 * 1024, Qt::Uninitialized);
    for (;;) {
        const qint64 lus = fichier->read(tampon.data(), tampon.size());
        if (lus < 0)
            return false;
        if (lus == 0)
            break;
        if (EVP_DigestUpdate(contexte.get(), tampon.constData(), size_t(lus)) != 1)
            return false;
    }
    unsigned char resultat[EVP_MAX_MD_SIZE];
    unsigned int taille = 0;
    if (EVP_DigestFinal_ex(contexte.get(), resultat, &taille) != 1)
        return false;
    *empreinte = QByteArray(reinterpret_cast<const char *>(resultat), int(taille)).toHex();
    return true;
}
