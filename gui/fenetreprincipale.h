#pragma once

#include <QMainWindow>
#include <QMap>
#include <QString>

class BoutonJour;
class Calendrier;
class Generateur;
class QCloseEvent;
class QGridLayout;
class QPushButton;
class Ui_FenetrePrincipale;

/// The editor's main window: the grid of 31 day tiles, the calendar's name
/// above it and the estimated site size below it. It owns the calendar being
/// edited. The Save button's enabled state is the record of unsaved changes.
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

    void verrouillerGrilleBoutonJour();
    void deverrouillerGrilleBoutonJour();
    void verrouillerBoutonEnregistrer();
    void deverrouillerBoutonEnregistrer();
    void verrouillerBoutonApercu();
    void deverrouillerBoutonApercu();
    void verrouillerBoutonGenerer();
    void deverrouillerBoutonGenerer();

    /// Marks unsaved changes.
    void sauvegardeUtile();
    /// Marks the calendar saved.
    void sauvegardeInutile();
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

private slots:
    void clicBoutonJour();
    void clicBoutonNouveau();
    void clicBoutonOuvrir();
    void clicBoutonEnregistrer();
    void clicBoutonApercu();
    void clicBoutonGenerer();
    void clicBoutonQuitter();
    void finDeGenerationApercu(int resultat, QString repertoireSortie);
    void finDeGeneration(int resultat, QString repertoireSortie);

private:
    /// Asks a Yes/No question in the window's question box; false when the answer is No.
    bool poserQuestion(const QString &texte);
    /// Shows an error in a warning box without title.
    void afficherErreur(const QString &texte);
    /// Warns and returns true when generating into `repertoire` would erase the user's files.
    bool refuserRepertoireSortie(const QString &repertoire);
    /// The erase question for `repertoire`; false when the answer is No.
    bool confirmerEffacement(const QString &repertoire);
    /// Whether a worker of this window is still running (possibly stopping).
    bool generationEnCours() const;
    /// Whether the result being delivered comes from a run that was stopped.
    bool resultatAbandonne() const;
    /// Keeps the window disabled until `generateur`'s thread has ended.
    void attendreFinDeGeneration(Generateur *generateur);
    void activerGrilleBoutonJour(bool active);
    void activerBouton(QPushButton *bouton, bool active);
    void afficherTaille();
    /// The start state: tiles and the commands that need a calendar disabled.
    void initialiserEtats();
    /// Turns every tile back into an empty day; returns the tiles by day number.
    QMap<int, BoutonJour *> reinitialiserBoutonsJour();

    Ui_FenetrePrincipale *ui;
    Calendrier *calendrier;
    QString urlCalendrier;
};
