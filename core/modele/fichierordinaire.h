#pragma once

#include <QString>

class QFile;

/// Regular files only: a FIFO never ends and blocks its reader, a device may never end
/// either. Symbolic links are followed.
class FichierOrdinaire
{
public:
    /// Whether `chemin` names a regular file once symbolic links are resolved.
    static bool estFichierOrdinaire(QString const &chemin);
    /// Opens `fichier` (named, not yet open) for reading only, without ever blocking on
    /// something that is not a regular file: 0, 2 when it cannot be opened (a directory
    /// included), 3 when it does not exist or is not a regular file.
    static int ouvrirEnLecture(QFile &fichier);
};
