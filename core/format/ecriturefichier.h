#pragma once

#include <QByteArray>
#include <QString>

/// Writing a whole file with every write checked, and the system's own reason of a failure
/// ("No space left on device"), which Qt's buffered devices do not always keep.
class EcritureFichier
{
public:
    EcritureFichier() = delete;

    /// Creates or empties `chemin` and writes `octets` into it; a file left incomplete is
    /// removed.
    static bool ecrire(QString const &chemin, QByteArray const &octets, QString *raison);
    /// The same under a name of its own beside `chemin`, then renamed over it: `chemin`
    /// holds either its old content or all of the new one.
    static bool remplacer(QString const &chemin, QByteArray const &octets, QString *raison);
};
