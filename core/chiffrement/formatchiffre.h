#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

/// How a private site's content is encrypted; the page's scripts/dechiffrement.js reads the same.
///
/// A random master key is wrapped (AES-256-GCM) under the key derived from the password.
/// Each published file has an identity (32 hexadecimal digits, its name in the site) and is
/// cut into chunks of at most `TAILLE_MORCEAU` bytes, each sealed with AES-256-GCM under
/// the file's own key, with a counter nonce and, as associated data, the identity, the
/// chunk's index and whether it is the last: chunks cannot be dropped, reordered or moved
/// to another file. The file's key comes from the master key by HKDF, salted with an HMAC
/// of the content, so that unchanged content encrypts to the same bytes and no two
/// contents share a key (nor, therefore, a nonce).
class FormatChiffre
{
public:
    static constexpr int TAILLE_MORCEAU = 4 * 1024 * 1024;
    static constexpr int ITERATIONS = 600000;
    static constexpr int TAILLE_SEL = 16;

    FormatChiffre() = delete;

    /// The published name of day `jour`'s content: says nothing of it, the same at each
    /// generation with the same master key.
    static QString identite(QByteArray const &cleMaitre, int jour);
    /// The same for a file of the site that is no day's, by its plain name (never a number).
    static QString identite(QByteArray const &cleMaitre, QByteArray const &nom);
    /// The file's salt, from the master key, its identity and the SHA-256 of its content.
    static QByteArray selFichier(
        QByteArray const &cleMaitre, QString const &identite, QByteArray const &empreinte);
    static QByteArray cleFichier(QByteArray const &cleMaitre, QByteArray const &sel, QString const &identite);
    /// The associated data of chunk `index`.
    static QByteArray donneesAssociees(QString const &identite, int index, bool dernier);
    static QByteArray nonceMorceau(int index);
    /// Chunks in a file of `taille` bytes: at least one, so that an empty content still
    /// has a last chunk.
    static int nombreMorceaux(qint64 taille);
    static QByteArray chiffrerMorceau(QByteArray const &cleFichier, QString const &identite, int index,
        bool dernier, QByteArray const &clair);

    /// The whole of `clair` encrypted at once: its salt in `*sel`, its chunks returned.
    static QList<QByteArray> chiffrer(
        QByteArray const &cleMaitre, QString const &identite, QByteArray const &clair, QByteArray *sel);
    /// False for any chunk out of place, changed, missing or added.
    static bool dechiffrer(QByteArray const &cleMaitre, QString const &identite, QByteArray const &sel,
        QList<QByteArray> const &morceaux, QByteArray *clair);

    /// The master key wrapped under the password's key: nonce, ciphertext and tag. The
    /// nonce comes from both keys, so the same pair gives the same bytes.
    static QByteArray envelopper(QByteArray const &cleMotDePasse, QByteArray const &cleMaitre);
    /// False for a wrong password (or a damaged envelope).
    static bool desenvelopper(
        QByteArray const &cleMotDePasse, QByteArray const &enveloppe, QByteArray *cleMaitre);
};
