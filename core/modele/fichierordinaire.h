#pragma once

#include <QCoreApplication>

#include "format/resultat.h"

#include <QString>

class QFile;

/// Regular files only: a FIFO never ends and blocks its reader, a device may never end
/// either. Symbolic links are followed.
class FichierOrdinaire
{
    Q_DECLARE_TR_FUNCTIONS(FichierOrdinaire)

public:
    /// Whether `chemin` names a regular file once symbolic links are resolved.
    static bool estFichierOrdinaire(QString const &chemin);
    /// Opens `fichier` (named, not yet open) for reading only, without ever blocking on
    /// something that is not a regular file; the message names the file and says why.
    static Resultat ouvrir(QFile &fichier);
    /// What `chemin` is when it is not a regular file: "a FIFO", "a directory"...
    static QString nature(QString const &chemin);
};
