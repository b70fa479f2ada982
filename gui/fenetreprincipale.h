#pragma once

#include <QMainWindow>
#include <QMap>
#include <QPointer>
#include <QString>
#include <QVector>

class BoutonJour;
class Calendrier;
class Generateur;
struct GenreMedia;
class Media;
class QAction;
class QCloseEvent;
class QDragEnterEvent;
class QDropEvent;
class QGridLayout;
class QLabel;
class QMimeData;
class QPushButton;
class Ui_FenetrePrincipale;

/// The editor's main window: the grid of 31 day tiles, the calendar's name
/// above it and the estimated site size below it. It owns the calendar being
/// edited. Every command and tile takes its enabled state from the window's state
/// (a calendar shown or not, unsaved changes, a stopped run still ending) in appliquerEtat().
///
/// Besides its buttons the window takes keyboard shortcuts, arrows, Enter and Delete on
/// the tiles, a context menu per tile, and drops of media files, folders and project files.
class FenetrePrincipale : public QMainWindow
{
    Q_OBJECT

public:
    explicit FenetrePrincipale(QWidget *parent = nullptr);
    ~FenetrePrincipale() override;

    FenetrePrincipale(const FenetrePrincipale &) = delete;
    FenetrePrincipale &operator=(const FenetrePrincipale &) = delete;

    /// Numbers and wires the day tiles, then disables what needs a calendar.
    void initialiserGrilleBoutonJour();
    /// Makes `calendrier` the current calendar (taking it over) and shows it.
    void afficherCalendrier(Calendrier *calendrier);

    Calendrier *getCalendrier() const;
    /// Takes over `calendrier`; the previous calendar is deleted unless it is the same.
    void setCalendrier(Calendrier *calendrier);

    QString getUrlCalendrier() const;
    void setUrlCalendrier(const QString &urlCalendrier);

    // The grid, Preview and Generate ones set their widgets until the state next changes;
    // the Save ones record whether there are unsaved changes.
    void verrouillerGrilleBoutonJour();
    void deverrouillerGrilleBoutonJour();
    void verrouillerBoutonEnregistrer();
    void deverrouillerBoutonEnregistrer();
    void verrouillerBoutonApercu();
    void deverrouillerBoutonApercu();
    void verrouillerBoutonGenerer();
    void deverrouillerBoutonGenerer();

    /// Marks unsaved changes (enables Save).
    void sauvegardeUtile();
    /// Marks the calendar saved (disables Save).
    void sauvegardeInutile();
    /// Whether there are unsaved changes; never without a Save button to record them.
    bool sauvegardeNecessaire();

    QPushButton *getBoutonEnregistrer();
    QPushButton *getBoutonApercu();
    QPushButton *getBoutonGenerer();
    QGridLayout *getGrilleBoutonJour();

    /// Opens the project file `chemin` as Open does once a file is chosen: a file that
    /// is not a calendar is refused with a message. Returns whether it was opened.
    bool ouvrirCalendrier(const QString &chemin);

    /// Whether unsaved changes may be discarded; asks only when there are some.
    bool demanderConfirmation();

    /// "tinselbox" and its version, the title without a calendar.
    static QString titreApplication();

    /// Gives day `jour` the file `chemin`, its kind taken from its content; a file of no
    /// known kind is refused with a message. Returns whether the day changed.
    bool donnerFichierAuJour(int jour, const QString &chemin);
    /// Gives many days their media at once from files and folders (a folder's own files,
    /// not its subfolders): numbered names go to their day, the others fill empty days in
    /// name order. Replacing days that hold a media is asked once, No by default.
    void importerFichiers(const QStringList &chemins);
    /// Empties day `jour` (marking unsaved changes when it held a media).
    void viderJour(int jour);

    /// Writes a size in bytes as a number with three decimals and a decimal unit.
    void mettreEnFormeTaille(const qint64 &taille, QString *valeur, QString *unite);

    /// Generates the site into `repertoire` (a preview when `apercu`) on a worker thread
    /// while a busy progress dialog waits for the result.
    ///
    /// Dismissing the progress dialog (close button, Escape) stops the run before its next
    /// day; the window then stays disabled until the worker's thread has ended, since the
    /// worker still reads the calendar, and shows nothing about that run.
    void lancerLaGeneration(QString repertoire, bool apercu);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *objet, QEvent *evenement) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private slots:
    void clicBoutonJour();
    void clicBoutonNouveau();
    void clicBoutonOuvrir();
    void clicBoutonEnregistrer();
    void clicBoutonOptions();
    void clicBoutonApercu();
    void clicBoutonGenerer();
    void clicBoutonQuitter();
    void finDeGenerationApercu(int resultat, QString repertoireSortie);
    void finDeGeneration(int resultat, QString repertoireSortie);
    /// Asks for a folder and imports its files (see importerFichiers).
    void clicImporterDossier();
    /// Keeps the details of the failure whose result comes next.
    void noterDetailsErreur(QString const &details);

private:
    /// The form's widgets that the window drives, found once by object name.
    struct Elements {
        static Elements trouver(const QObject &fenetre);

        QPointer<QPushButton> enregistrer;
        QPointer<QPushButton> options;
        QPointer<QPushButton> apercu;
        QPointer<QPushButton> generer;
        QPointer<QGridLayout> grille;
        /// One entry per item of the grid, in item order; null where the item is no tile.
        QVector<QPointer<BoutonJour>> tuiles;
        QPointer<QLabel> nom;
        QPointer<QLabel> taille;
    };

    /// The shortcuts that press the command buttons, and "Import a folder...".
    void creerRaccourcis();
    void editerJour(BoutonJour *bouton);
    /// Moves the focus from `bouton` by `colonnes` and `lignes` in the grid of seven columns.
    void deplacerFocus(BoutonJour *bouton, int colonnes, int lignes);
    void afficherMenuTuile(BoutonJour *bouton, const QPoint &position);
    void afficherDansDossier(int jour);
    /// The unsaved-changes question of Open; false when the answer is No.
    bool confirmerOuverture();
    /// The local files and folders a drag carries.
    static QStringList cheminsDeposes(const QMimeData *donnees);
    /// Whether a dropped file is to be opened as a project file rather than used as a media.
    static bool estFichierProjet(const QString &chemin);
    /// The one place where a file becomes a day's media; nullptr, after saying why, when it cannot.
    Media *creerMedia(const GenreMedia &genre, const QString &chemin);

    /// Sets every command and tile from the state: the commands that need a calendar
    /// when there is one, Save when there are unsaved changes, and nothing at all while a
    /// stopped run still reads the calendar.
    void appliquerEtat();
    void marquerModifications(bool modifie);
    /// Asks a Yes/No question in the window's question box; false when the answer is No.
    bool poserQuestion(const QString &texte);
    /// Shows an error in a warning box without title; `details` says what failed and why.
    void afficherErreur(const QString &texte, const QString &details = QString());
    /// "2 media files cannot be found:" and a line per day with its location; empty when
    /// every published day's media is there.
    QString listerMediasIntrouvables() const;
    /// Refuses Preview and Generate, listing them, while media files are missing.
    bool refuserMediasIntrouvables();
    /// Opens the generated page in the desktop's browser.
    void ouvrirPage(const QString &repertoireSortie);
    /// Warns and returns true when generating into `repertoire` would erase the user's files.
    bool refuserRepertoireSortie(const QString &repertoire);
    /// The erase question for `repertoire`; false when the answer is No.
    bool confirmerEffacement(const QString &repertoire);
    /// Whether a worker of this window is still running (possibly stopping).
    bool generationEnCours() const;
    /// Whether a run the user stopped is still finishing its current file.
    bool arretEnCours() const;
    /// Whether the result being delivered comes from a run that was stopped.
    bool resultatAbandonne() const;
    /// Keeps the window disabled until `generateur`'s thread has ended.
    void attendreFinDeGeneration(Generateur *generateur);
    void activerGrilleBoutonJour(bool active);
    /// Shows the calendar's name, days and size, or nothing without a calendar.
    void afficherContenu();
    void afficherTaille();

    Ui_FenetrePrincipale *ui;
    Calendrier *calendrier;
    QString urlCalendrier;
    Elements elements;
    QAction *actionImporter = nullptr;
    bool modifie = false;
    /// The calendar's file cannot be written: Save asks for another place.
    bool lectureSeule = false;
    QString detailsErreurGeneration;
};
