#pragma once

#include <QCoreApplication>

#include "format/resultat.h"
#include "site/generationsite.h"

#include <QMap>
#include <QString>

class Calendrier;
class QDomDocument;
class QIODevice;

/// The file manager: the one front for project files (`FichierProjet`), site generation
/// and size estimates (`GenerationSite`) and the output-directory policy
/// (`PolitiqueSortie`). Construct one locally for each operation; it keeps only the
/// result of its last operation, whose message says what failed and why.
///
/// Operations return 0 for success, 1 when a file is not well-formed XML, 2 when a
/// file cannot be opened or written, 3 when it does not exist, 4 when a directory
/// cannot be created, 5 when a media file cannot be copied, 6 when the template
/// cannot be copied, 7 when a generation was interrupted on request.
class GestionnaireFichiers
{
    Q_DECLARE_TR_FUNCTIONS(GestionnaireFichiers)

public:
    /// Code of a generation stopped between two days by an interruption request.
    static const int GENERATION_INTERROMPUE = GenerationSite::GENERATION_INTERROMPUE;

    GestionnaireFichiers();

    // Project files.
    int creerFichierDepuisCalendrier(Calendrier const &calendrier, QString const &url);
    int creerCalendrierDepuisFichier(QString const &url, Calendrier &calendrier);
    /// The project file read into a calendar, through the one reader, as a document.
    int creerDomDepuisFichier(QString const &url, QDomDocument &document);
    bool estValide(QString const &url);

    /// Writes the project file text of `document` to an open device; 0, or 2 on a write error.
    static int ecrireDom(QDomDocument const &document, QIODevice &peripherique);

    // Conversions between the project document and a calendar.
    int creerDomDepuisCalendrier(Calendrier const &calendrier, QDomDocument &document);
    /// The document's text read by the one reader, as a project file is.
    int creerCalendrierDepuisDom(QDomDocument const &document, Calendrier &calendrier);

    // Web site.
    /// A private calendar's site is encrypted under `motDePasse` (not its preview).
    int generer(Calendrier const &calendrier, QString repertoireSortie, bool apercu,
        QString const &motDePasse = QString());
    /// What the user should know of the last generation that succeeded; empty when nothing.
    QString getAvis() const;
    int calculer_taille(Calendrier const &calendrier, long long *taille);
    /// Days of the calendar (1 to its length) whose media file cannot be found or is not a regular file, with its location.
    static QMap<int, QString> mediasIntrouvables(Calendrier const &calendrier);

    /// What the last failed operation of this object could not do and why, in plain
    /// words for the user (the day, the file or directory, the system's reason); empty
    /// after a success.
    QString getDetailsErreur() const;
    /// The last operation's result; its code is the one the operation returned.
    Resultat getResultat() const;

    /// Whether `repertoire` must never be emptied for a generation: it is empty (the
    /// current directory), the user's home directory or one of its parents, the root of
    /// a file system or holds one below it, or it is or contains `fichierProjet` or a media file of
    /// `calendrier` (at any depth). Paths are compared as given and with symbolic
    /// links resolved. `fichierProjet` may be empty.
    static bool estRepertoireSortieInterdit(
        QString const &repertoire, QString const &fichierProjet, Calendrier const &calendrier);
    /// The same, with the one reason of a refusal in its message.
    static Resultat controlerRepertoireSortie(
        QString const &repertoire, QString const &fichierProjet, Calendrier const &calendrier);
    /// Whether `repertoire` may be emptied without asking: it does not exist, is empty,
    /// or holds a site the generator marked, or a site of an earlier version.
    static bool estVideOuSiteGenere(QString const &repertoire);

private:
    int retenir(Resultat const &resultat);

    Resultat dernierResultat;
    QString avis;
};
