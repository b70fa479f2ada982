#pragma once

#include "format/resultat.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QString>

#include <functional>

class DocumentCalendrier;
class Generateur;
class QWidget;

/// Preview and Generate of the main window: the checks before a run, the run on a worker
/// thread behind a busy progress dialog, and what the window shows of its result.
///
/// The workers are children of the window, which deletes them before the document whose
/// calendar they read. A failed run reaches the window through the document.
class CommandesGeneration
{
    Q_DECLARE_TR_FUNCTIONS(CommandesGeneration)

public:
    /// Generates `document`'s calendar; the dialogs and workers belong to `fenetre`.
    /// `finArret` runs once a stopped run has ended, for the window to enable itself again.
    CommandesGeneration(DocumentCalendrier &document, QWidget &fenetre, std::function<void()> finArret);

    /// Generates into "tmp" beside the project file and opens the page: with every ball
    /// open, or as a visitor sees it at `instant` when that is valid.
    void apercu(QDateTime const &instant = QDateTime());
    /// Asks for a directory, confirms its erasure and generates into it.
    void generer();

    /// Generates the site into `repertoire` (a preview when `apercu`) on a worker thread
    /// while a busy progress dialog waits for the result.
    ///
    /// Dismissing the progress dialog (close button, Escape) stops the run before its next
    /// day; the window then stays disabled until the worker's thread has ended, since the
    /// worker still reads the calendar, and shows nothing about that run.
    void lancerLaGeneration(const QString &repertoire, bool apercu);
    /// Shows a run's result: a failure, with what it says, goes to the document; a success
    /// shows the success box, with `avis` (what the user should know of the run), or the
    /// page itself for a preview.
    void afficherResultat(const Resultat &resultat, const QString &repertoireSortie, bool apercu,
        const QString &avis = QString());

    /// Whether a worker of the window is still running (possibly stopping).
    bool generationEnCours() const;
    /// Whether a run the user stopped is still finishing its current file.
    bool arretEnCours() const;
    /// "2 media files cannot be found:" and a line per day with its location; empty when
    /// every published day's media is there.
    QString listerMediasIntrouvables() const;

private:
    /// Refuses Preview and Generate, listing them, while media files are missing.
    bool refuserMediasIntrouvables();
    /// Warns and returns true when generating into `repertoire` would erase the user's files.
    bool refuserRepertoireSortie(const QString &repertoire);
    /// The erase question for `repertoire`; false when the answer is No.
    bool confirmerEffacement(const QString &repertoire);
    /// Opens the generated page in the desktop's browser.
    void ouvrirPage(const QString &repertoireSortie);
    /// Keeps the window disabled until `generateur`'s thread has ended.
    void attendreFinDeGeneration(Generateur *generateur);

    DocumentCalendrier &document;
    QWidget &fenetre;
    std::function<void()> finArret;
    /// The outcome whose code comes next, and its notice.
    Resultat resultatGeneration;
    QString avisGeneration;
    /// The moment the next preview shows, if any.
    QDateTime instantApercu;
};
