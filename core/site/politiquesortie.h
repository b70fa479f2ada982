#pragma once

class Calendrier;
class QString;

/// Which directories a generation may empty, and which it may empty without asking.
class PolitiqueSortie
{
public:
    PolitiqueSortie() = delete;

    /// Whether `repertoire` must never be emptied for a generation: it is empty (the
    /// current directory), the user's home directory or one of its parents, the root of
    /// a file system or holds one below it, or it is or contains `fichierProjet` or a media file of
    /// `calendrier` (at any depth). Paths are compared as given and with symbolic
    /// links resolved. `fichierProjet` may be empty.
    static bool estRepertoireSortieInterdit(
        QString const &repertoire, QString const &fichierProjet, Calendrier const &calendrier);
    /// Whether `repertoire` may be emptied without asking: it does not exist, is empty,
    /// or holds a site generated earlier (its page and its calendar script).
    static bool estVideOuSiteGenere(QString const &repertoire);
};
