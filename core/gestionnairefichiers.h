#pragma once

#include <QString>

class Calendrier;
class Resultat;
class QDomDocument;

/// The file manager: a thin front, without state, over the project file (`FichierProjet`)
/// and the site (`GenerationSite`). Construct one locally for each operation. Callers that
/// want to know why something failed use those units, whose `Resultat` says it.
///
/// Operations return 0 for success, 1 when a file is not well-formed XML, 2 when a
/// file cannot be opened or written, 3 when it does not exist, 4 when a directory
/// cannot be created, 5 when a media file cannot be copied or converted, 6 when the
/// template cannot be copied, 7 when a generation was interrupted on request.
class GestionnaireFichiers
{
public:
    GestionnaireFichiers();

    // Project files.
    int creerFichierDepuisCalendrier(Calendrier const &calendrier, QString const &url);
    /// A well-formed document that is no calendar reads as nothing, with 0.
    int creerCalendrierDepuisFichier(QString const &url, Calendrier &calendrier);
    /// The project file read into a calendar, through the one reader, as a document.
    int creerDomDepuisFichier(QString const &url, QDomDocument &document);
    bool estValide(QString const &url);

    // Conversions between the project document and a calendar.
    int creerDomDepuisCalendrier(Calendrier const &calendrier, QDomDocument &document);
    /// The document's text read by the one reader, as a project file is.
    int creerCalendrierDepuisDom(QDomDocument const &document, Calendrier &calendrier);

    // Web site.
    /// A private calendar's site is encrypted under `motDePasse` (not its preview).
    int generer(Calendrier const &calendrier, QString repertoireSortie, bool apercu,
        QString const &motDePasse = QString());
    int calculer_taille(Calendrier const &calendrier, long long *taille);

    /// The code an operation returns for `resultat`.
    static int codeDe(Resultat const &resultat);
};
