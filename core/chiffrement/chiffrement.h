#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;

/// The few primitives a private calendar is built from, on OpenSSL: random bytes, the
/// password's key derivation (PBKDF2-SHA256), HMAC-SHA256, HKDF-SHA256 and AES-256-GCM.
/// Each returns an empty array (or false) on failure; nothing throws.
class Chiffrement
{
public:
    static constexpr int TAILLE_CLE = 32;
    static constexpr int TAILLE_NONCE = 12;
    static constexpr int TAILLE_ETIQUETTE = 16;

    Chiffrement() = delete;

    /// `taille` bytes from the system's random generator; empty if it has none to give.
    static QByteArray aleatoire(int taille);
    /// A 32-byte key from `motDePasse` (taken in Unicode's composed form, so that the
    /// page's derivation meets the same bytes), `sel` and `iterations`.
    static QByteArray deriverMotDePasse(QString const &motDePasse, QByteArray const &sel, int iterations);
    static QByteArray hmac(QByteArray const &cle, QByteArray const &donnees);
    /// SHA-256 of `debut` followed by what `suite` (when given) holds from where it stands;
    /// empty when `suite` cannot be read.
    static QByteArray empreinte(QByteArray const &debut, QIODevice *suite);
    /// Standard base64 with padding, as fast as the library makes it.
    static QByteArray base64(QByteArray const &octets);
    /// `taille` bytes of HKDF-SHA256 (extract then expand).
    static QByteArray hkdf(QByteArray const &cle, QByteArray const &sel, QByteArray const &info, int taille);
    /// The ciphertext followed by its 16-byte tag.
    static QByteArray chiffrerGcm(QByteArray const &cle, QByteArray const &nonce,
        QByteArray const &donneesAssociees, QByteArray const &clair);
    /// False when the tag does not match (another key, other data, a changed byte).
    static bool dechiffrerGcm(QByteArray const &cle, QByteArray const &nonce,
        QByteArray const &donneesAssociees, QByteArray const &chiffre, QByteArray *clair);
};
