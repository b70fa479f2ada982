#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>

class Calendrier;
class CiblePublication;

/// The program's command line: `tinselbox [FILE]` runs the editor; `--generate`,
/// `--check`, `--preview`, `--card` and `--publish` work on a project file without a window, on the
/// offscreen platform, so that they run where no display exists (a cron job, a server).
///
/// Exit status: 0 for success, 1 when the work failed, 2 for a command line that
/// cannot be understood; every failure is one line on standard error.
class LigneCommande
{
    Q_DECLARE_TR_FUNCTIONS(LigneCommande)

public:
    /// Makes the editor's window once the application object exists, the calendar FILE
    /// given (if any) opened in it.
    using Editeur = std::function<std::unique_ptr<QWidget>(const QStringList &fichiers)>;

    /// `editeur` runs the editor; without one, only the modes without a window run.
    explicit LigneCommande(Editeur editeur = nullptr);

    /// Reads `argv`, creates the application object the mode needs and runs it.
    int executer(int &argc, char **argv);

private:
    /// Checks the combination of options; prints the fault and returns false if any.
    bool verifierUsage(bool sansAffichage);
    int lancerEditeur(int &argc, char **argv);
    int generer(const QString &fichier, const QString &repertoire);
    int verifier(const QString &fichier);
    int apercu(const QString &fichier);
    int carte(const QString &fichier, const QString &sortie);
    int publier(const QString &fichier);
    /// The publishing secret of `cible`: the secret file's, else the keyring's; empty when
    /// the login needs none (an SSH key or agent). False once the failure is printed.
    bool lireSecret(const CiblePublication &cible, QString *secret);

    /// Reads the project file as the editor's Open does; prints why it cannot be read.
    bool chargerCalendrier(const QString &fichier, Calendrier &calendrier);
    /// The refusals of the window's Generate and Preview, `--force` standing for the
    /// erase question; prints the refusal.
    bool accepterRepertoire(const QString &repertoire, const QString &fichier, const Calendrier &calendrier);
    /// The password of a private calendar from --password-file; true with an empty one for
    /// a calendar that is not private. Prints why it cannot be had.
    bool lireMotDePasse(const Calendrier &calendrier, QString *motDePasse);
    /// Keeps the key chain whose recovery code --recovery-code-file gives, when given; false
    /// once the failure is printed.
    bool reprendreChaine(const Calendrier &calendrier);
    /// What --check says of doors that open only on their day.
    void verifierVerrou(const Calendrier &calendrier, const QString &fichier);
    /// Prints the help in the interface's language and exits.
    void afficherAide();
    /// Prints the parser's complaint as one line on standard error.
    void signalerErreurAnalyse();
    /// Prints `message` as one line on standard error and returns 1.
    static int echouer(const QString &message);
    /// Ends a run stopped by a signal: one line, and 128 plus the signal's number.
    static int arrete(const QString &repertoire);

    QCommandLineParser analyseur;
    QCommandLineOption optionGenerer;
    QCommandLineOption optionApercu;
    QCommandLineOption optionVerifier;
    QCommandLineOption optionForcer;
    QCommandLineOption optionSilencieux;
    QCommandLineOption optionCarte;
    QCommandLineOption optionPublier;
    QCommandLineOption optionSimulation;
    QCommandLineOption optionFichierSecret;
    QCommandLineOption optionFichierCa;
    QCommandLineOption optionCleHote;
    QCommandLineOption optionMotDePasse;
    QCommandLineOption optionDate;
    QCommandLineOption optionCodeSecours;
    Editeur editeur;
};
