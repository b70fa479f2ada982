#pragma once

#include <QMainWindow>
#include <QMap>
#include <QPointer>
#include <QString>
#include <QVector>

#include <memory>

class BoutonJour;
class Calendrier;
class CommandesGeneration;
class CommandesJours;
class DocumentCalendrier;
class MenusFenetre;
class ImportFichiers;
class ServiceConversions;
class TuilesJours;
class QAction;
class QCloseEvent;
class QDragEnterEvent;
class QDropEvent;
class QGridLayout;
class QLabel;
class QPushButton;
class Resultat;
class Ui_FenetrePrincipale;

/// The editor's main window: the grid of 31 day tiles, the calendar's name
/// above it and the estimated site size below it. It creates the document it shows and
/// follows its signals; the commands act on the document, not on the window. Every
/// command and tile takes its enabled state from the document's state (a calendar shown
/// or not, unsaved changes) and the runs' (a stopped run still ending) in appliquerEtat().
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

    /// The calendar being edited, with its file, its history and its unsaved state.
    DocumentCalendrier &getDocument() const;

    // Shorthands of the document's, for tests and tools that fill a window.
    /// Makes `calendrier` the current calendar (taking it over) and shows it.
    void afficherCalendrier(Calendrier *calendrier);
    Calendrier *getCalendrier() const;
    /// Takes over `calendrier`; the previous calendar is deleted unless it is the same.
    void setCalendrier(Calendrier *calendrier);
    QString getUrlCalendrier() const;
    void setUrlCalendrier(const QString &urlCalendrier);
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
    /// is not a calendar is refused with a message (and leaves the recent calendars).
    /// Returns whether it was opened.
    bool ouvrirCalendrier(const QString &chemin);

    /// Whether unsaved changes may be discarded; asks only when there are some.
    bool demanderConfirmation();

    /// "tinselbox" and its version, the title without a calendar.
    static QString titreApplication();

    /// Writes a size in bytes as a number with three decimals and a decimal unit.
    void mettreEnFormeTaille(const qint64 &taille, QString *valeur, QString *unite);

    /// Asks for a moment, then previews the page as a visitor sees it then.
    void apercuALaDate();

    /// Generates the site into `repertoire` (a preview when `apercu`); see CommandesGeneration.
    void lancerLaGeneration(const QString &repertoire, bool apercu);

    /// The unsaved-changes question of Open; false when the answer is No.
    bool confirmerOuverture();

    /// Sets every command and tile from the state: the commands that need a calendar
    /// when there is one, Save when there are unsaved changes, and nothing at all while a
    /// stopped run still reads the calendar.
    void appliquerEtat();

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

    /// Connects what the menus' own units do not: the import action and the document's signals.
    void relierCommandes();
    /// Shows a failure that reached the document: its message, and why when known.
    void afficherEchec(const Resultat &resultat);
    /// Asks a Yes/No question in the window's question box; false when the answer is No.
    bool poserQuestion(const QString &texte);
    /// Shows an error in a warning box without title; `details` says what failed and why.
    void afficherErreur(const QString &texte, const QString &details = QString());
    void activerGrilleBoutonJour(bool active);
    /// Shows the calendar's name, days and size, or nothing without a calendar.
    void afficherContenu();
    void afficherTaille();

    Ui_FenetrePrincipale *ui;
    Elements elements;
    // Declared first, so that it outlives every command holding it.
    std::unique_ptr<DocumentCalendrier> document;
    std::unique_ptr<CommandesGeneration> generation;
    std::unique_ptr<ImportFichiers> import;
    std::unique_ptr<CommandesJours> jours;
    std::unique_ptr<MenusFenetre> menus;
    ServiceConversions *conversions = nullptr;
    TuilesJours *tuiles = nullptr;
};
