#pragma once

#include <QCoreApplication>

#include "format/resultat.h"

class Calendrier;
class QString;

/// Which directories a generation may empty, and which it may empty without asking.
class PolitiqueSortie
{
    Q_DECLARE_TR_FUNCTIONS(PolitiqueSortie)

public:
    PolitiqueSortie() = delete;

    /// Whether `repertoire` may be emptied for a generation, and if not the one reason why:
    /// it is empty (the current directory), a file, the user's home directory or one of its
    /// parents, the root of a file system or holds one below it, or it is or contains
    /// `fichierProjet` or a media file of `calendrier` (at any depth). Paths are compared
    /// as given and with symbolic links resolved. `fichierProjet` may be empty.
    static Resultat controler(
        QString const &repertoire, QString const &fichierProjet, Calendrier const &calendrier);
    static bool estRepertoireSortieInterdit(
        QString const &repertoire, QString const &fichierProjet, Calendrier const &calendrier);
    /// Whether `repertoire` may be emptied without asking: it does not exist, is empty, or
    /// holds a site the generator marked with nothing of the user's beside it, or a site of
    /// an earlier version that holds only the template's entries and published media.
    static bool estVideOuSiteGenere(QString const &repertoire);
    /// Records that the user agreed to erase what `repertoire` holds now (the window's
    /// question, the command line's --force). The agreement holds for that directory
    /// itself: another put in its place by the time of the generation is not erased.
    static void accepterEffacement(QString const &repertoire);
    /// Whether a generation may replace what the directory at `repertoire` holds: it is
    /// empty or a generated site, or the user agreed to erase that very directory.
    static bool remplacementPermis(QString const &repertoire);
    /// The refusal of a directory that `estVideOuSiteGenere` does not accept, as a
    /// command line without the erase question gives it.
    static Resultat refusRemplacement(QString const &repertoire);
};
