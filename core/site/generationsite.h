#pragma once

#include <QCoreApplication>

#include "format/format.h"
#include "format/resultat.h"

#include <QDateTime>
#include <QLatin1String>
#include <QMap>
#include <QString>

class Calendrier;
class Media;

/// The web site of a calendar: the template copied into a directory, each day's media
/// copied into it and its script lines written under the template's markers, and the
/// size such a site would take.
///
/// The site is built aside and replaces the directory's contents only once complete: a
/// failure or a stop leaves the directory as it was (see `ChantierSite`).
///
/// Only days 1 to the calendar's length are published; other days of a calendar are left
/// out (and kept in it).
class GenerationSite
{
    Q_DECLARE_TR_FUNCTIONS(GenerationSite)

public:
    static constexpr QLatin1String NOM_REPERTOIRE_MEDIA = Format::REPERTOIRE_MEDIA;
    static constexpr QLatin1String REPERTOIRE_SCRIPTS = Format::REPERTOIRE_SCRIPTS;
    static constexpr QLatin1String SCRIPT_CALENDRIER = Format::SCRIPT_CALENDRIER;
    static constexpr QLatin1String PAGE = Format::PAGE;
    static constexpr QLatin1String MARQUEUR_GESTION_SCENE{"// <GESTION DE LA SCENE>"};
    static constexpr QLatin1String MARQUEUR_GESTION_COLLECTION{"// <GESTION DE LA COLLECTION>"};
    static constexpr QLatin1String MARQUEUR_BYPASS{"// <INITIALISATION>"};

    GenerationSite() = delete;

    /// Why a file copy failed: its source, or writing the copy.
    enum EchecCopie {
        AUCUN_ECHEC,
        SOURCE_ABSENTE,
        SOURCE_NON_REGULIERE,
        SOURCE_ILLISIBLE,
        /// On a system file system (proc, sys, devtmpfs...): no user's media lives there.
        SOURCE_SYSTEME,
        /// Its bytes do not match the size it claims, as for the kernel's generated files.
        SOURCE_INCOHERENTE,
        /// Its content is no picture, sound or video (a text, a key, a document...).
        SOURCE_NON_MEDIA,
        /// A picture cut short: a browser would show it half grey.
        SOURCE_ENDOMMAGEE,
        ECRITURE
    };

    /// Replaces the contents of `repertoireSortie` (never one the output policy forbids)
    /// with the site of `calendrier`; a preview lets the visitor open every day, or, given a
    /// valid `instant`, shows the page as a visitor sees it at that moment. A failure
    /// says in plain words what failed and why. A private calendar's site (not its preview,
    /// which stays on this computer) is encrypted under `motDePasse`; `*avis` (when given)
    /// gets what the user should know of a generation that succeeded.
    static Resultat generer(Calendrier const &calendrier, QString const &repertoireSortie, bool apercu,
        QDateTime const &instant = QDateTime(), QString const &motDePasse = QString(),
        QString *avis = nullptr);
    /// Whether the media file `chemin` of day `jour` can be published, with the checks of
    /// a generation: a regular file of a real file system whose content is a picture, a
    /// sound or a video, not a picture cut short; with `lireContenu`, its bytes are read
    /// too and must match its size.
    static Resultat controlerMedia(int jour, QString const &chemin, bool lireContenu);
    /// Size of the site of `calendrier`: the template and every media file as it will be
    /// published. `*provisoire` (when given) is set while some conversion is not done,
    /// the source's own size standing for its output.
    static void calculerTaille(Calendrier const &calendrier, long long *taille, bool *provisoire = nullptr);

    /// Published days whose media is not a regular file (missing, moved, a FIFO...), with
    /// the location the calendar holds.
    static QMap<int, QString> mediasIntrouvables(Calendrier const &calendrier);

    /// Copies one file (":/" resources included) without ever replacing one and without
    /// blocking on a source that is not a regular file. The copy gets the default mode of
    /// new files, owner read and write kept. `*erreur` gets the errno value, if any.
    static EchecCopie copierFichier(QString const &source, QString const &destination, int *erreur);
    /// copyRecursively() saying what failed; merges into an existing directory.
    static Resultat copierArbre(QString const &source, QString const &destination);
};

// The generation's steps and walks, free functions callers and tests reach directly.
int resetRepertoire(QString repertoire);
int ajouterDansLeFichierSousLeMarqueur(QString fichier, QString marqueur, QString texte);
QString getHash(QString texte1, QString texte2);
/// The page's lines for the calendar's options not at their default, one per option;
/// empty when all are at their default.
QString lignesOptions(Calendrier const &calendrier);

/// Copies a file, or a directory tree, from `source` to `destination` (":/" resource
/// paths included). Never overwrites; copied files get the default mode of new files
/// (0666 less the umask) with owner read and write kept, directories 0777 less the umask.
bool copyRecursively(QString const &source, QString const &destination);
/// Adds to `total` the sizes of all regular files under `chemin` (0 for anything else).
bool calculerTailleRecursively(QString const &chemin, long long *total);
