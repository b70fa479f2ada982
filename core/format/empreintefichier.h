#pragma once

#include <QByteArray>

class QIODevice;

/// The SHA-256 digest of what a device holds, read to its end: the conversion cache checks
/// its entries with it, publishing compares a site with the server's copy.
class EmpreinteFichier
{
public:
    EmpreinteFichier() = delete;

    /// The digest in lower-case hexadecimal; false when reading fails.
    static bool sha256(QIODevice *fichier, QByteArray *empreinte);
};
