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
class Historique;
class MenusFenetre;
class ImportFichiers;
class ServiceConversions;
class QAction;
class QCloseEvent;
class QDragEnterEvent;
class QDropEvent;
class QGridLayout;
class QLabel;
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

    /// The undo history of the calendar shown; the commands record their changes in it.
    Historique &getHistorique() const;

    /// Whether unsaved changes may be discarded; asks only when there are some.
    bool demanderConfirmation();

    /// "tinselbox" and its version, the title without a calendar.
    static QString titreApplication();

    /// Writes a size in bytes as a number with three decimals and a decimal unit.
    void mettreEnFormeTaille(const qint64 &taille, QString *valeur, QString *unite);

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

    /// Connects what the menus' own units do not: the import action and the history's state.
    void relierCommandes();
    void marquerModifications(bool modifie);
    /// Asks a Yes/No question in the window's question box; false when the answer is No.
    bool poserQuestion(const QString &texte);
    /// Shows an error in a warning box without title; `details` says what failed and why.
    void afficherErreur(const QString &texte, const QString &details = QString());
    void activerGrilleBoutonJour(bool active);
    /// Shows the calendar's name, days and size, or nothing without a calendar.
    void afficherContenu();
    void afficherTaille();

    Ui_FenetrePrincipale *ui;
    Calendrier *calendrier;
    QString urlCalendrier;
    Elements elements;
    bool modifie = false;
    /// The calendar's file cannot be written: Save asks for another place.
    bool lectureSeule = false;
    std::unique_ptr<CommandesGeneration> generation;
    std::unique_ptr<ImportFichiers> import;
    std::unique_ptr<CommandesJours> jours;
    std::unique_ptr<Historique> historique;
    std::unique_ptr<MenusFenetre> menus;
    ServiceConversions *conversions = nullptr;
};
