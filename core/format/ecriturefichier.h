#pragma once

#include "format/resultat.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

/// Writing a whole file with every write checked, and the system's own reason of a failure
/// ("No space left on device"), which Qt's buffered devices do not always keep.
class EcritureFichier
{
    Q_DECLARE_TR_FUNCTIONS(EcritureFichier)

public:
    EcritureFichier() = delete;

    /// Creates or empties `chemin` and writes `octets` into it; a file left incomplete is
    /// removed. A failure names the file and carries the system's reason, for a caller
    /// that words it for what the file is.
    static Resultat ecrire(QString const &chemin, QByteArray const &octets);
    /// The same under a name of its own beside `chemin`, then renamed over it: `chemin`
    /// holds either its old content or all of the new one.
    static Resultat remplacer(QString const &chemin, QByteArray const &octets);
    /// Rewrites the text file `fichier` with `texte` on a line of its own under each line
    /// that holds `marqueur`, written beside it as `fichier` + ".new" and renamed over it.
    static Resultat insererSousLeMarqueur(
        QString const &fichier, QString const &marqueur, QString const &texte);
};
