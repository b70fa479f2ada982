#pragma once

#include <QLatin1String>
#include <QString>

class Calendrier;
class Media;

/// The web site of a calendar: the template copied into a directory, each day's media
/// copied into it and its script lines written under the template's markers, and the
/// size such a site would take.
///
/// Codes as the file manager's: 0 success, 2 a script cannot be rewritten, 4 the
/// directory cannot be emptied or created (or must not be), 5 a media file cannot be
/// copied, 6 the template cannot be copied, `GENERATION_INTERROMPUE` on request.
class GenerationSite
{
public:
    static constexpr QLatin1String NOM_REPERTOIRE_MEDIA{"data"};
    static constexpr QLatin1String REPERTOIRE_SCRIPTS{"scripts"};
    static constexpr QLatin1String SCRIPT_CALENDRIER{"calendrier.js"};
    static constexpr QLatin1String PAGE{"index.html"};
    static constexpr QLatin1String MARQUEUR_GESTION_SCENE{"// <GESTION DE LA SCENE>"};
    static constexpr QLatin1String MARQUEUR_GESTION_COLLECTION{"// <GESTION DE LA COLLECTION>"};
    static constexpr QLatin1String MARQUEUR_BYPASS{"// <INITIALISATION>"};

    /// Code of a generation stopped between two days by an interruption request.
    static const int GENERATION_INTERROMPUE = 7;

    GenerationSite() = delete;

    /// Empties `repertoireSortie` (never one the output policy forbids) and builds the
    /// site of `calendrier` in it; a preview lets the visitor open every day.
    static int generer(Calendrier const &calendrier, QString const &repertoireSortie, bool apercu);
    /// Size of the site of `calendrier`: the template and every media file that exists.
    static int calculerTaille(Calendrier const &calendrier, long long *taille);
};

// The generation's steps and walks, free functions callers and tests reach directly.
int resetRepertoire(QString repertoire);
int copierFichierMedia(Media const *media, QString nomFichier, QString repertoire);
int ajouterDansLeFichierSousLeMarqueur(QString fichier, QString marqueur, QString texte);
QString getHash(QString texte1, QString texte2);
/// The page's lines for the calendar's options not at their default, one per option;
/// empty when all are at their default.
QString lignesOptions(Calendrier const &calendrier);

/// Copies a file, or a directory tree, from `source` to `destination` (":/" resource
/// paths included). Never overwrites; every copied file gets owner read and write only.
bool copyRecursively(QString const &source, QString const &destination);
/// Adds to `total` the sizes of all files under `chemin` (0 for a path that names nothing).
bool calculerTailleRecursively(QString const &chemin, long long *total);
