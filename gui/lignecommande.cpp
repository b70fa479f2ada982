#include "lignecommande.h"

#include "bureau/traduction.h"
#include "chiffrement/chainecles.h"
#include "chiffrement/parametrescle.h"
#include "conversion/planconversions.h"
#include "fichierprojet/fichierprojet.h"
#include "format/format.h"
#include "format/interruption.h"
#include "gestionnairefichiers.h"
#include "modele/calendrier.h"
#include "modele/genremedia.h"
#include "modele/media.h"
#include "publication/ciblepublication.h"
#include "publication/publicationcalendrier.h"
#include "publication/tachematinale.h"
#include "secrets/secrets.h"
#include "service/servicegeneration.h"
#include "site/cartepartage.h"
#include "site/generationsite.h"
#include "site/instantapercu.h"
#include "site/miseenformetaille.h"
#include "site/politiquesortie.h"
#include "site/siteprive.h"
#include "version.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QUrl>

#include <csignal>

#include <cstdio>

namespace {

const int SUCCES = 0;
const int ECHEC = 1;
const int USAGE = 2;

const char *const DESCRIPTION = QT_TRANSLATE_NOOP("LigneCommande",
    "Builds a web calendar of up to 31 days and generates its site.\n"
    "Without an option, opens the editor, with the calendar FILE if given.");
const char *const ARGUMENT_FICHIER = QT_TRANSLATE_NOOP("LigneCommande", "A calendar project file (.xml).");
const char *const ARGUMENT_REPERTOIRE = QT_TRANSLATE_NOOP(
    "LigneCommande", "With --generate: the directory that receives the site; with --card: the PDF file.");

void ecrireLigne(FILE *flux, const QString &texte)
{
    std::fputs((texte + QLatin1Char('\n')).toLocal8Bit().constData(), flux);
    std::fflush(flux);
}

QStringList lireArguments(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// Without any of these, QApplication would abort with several lines of its own.
bool affichageDisponible(const QStringList &arguments)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    for (const char *variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        if (!qEnvironmentVariableIsEmpty(variable))
            return true;
    }
    return arguments.contains(QStringLiteral("-platform"));
#else
    Q_UNUSED(arguments)
    return true;
#endif
}

// As the window's size label writes it, in the interface's language.
QString tailleLisible(qint64 taille)
{
    QString valeur;
    QString unite;
    mettreEnFormeTailleLocale(taille, &valeur, &unite);
    return valeur + QLatin1Char(' ') + unite;
}

// A message holds its text, not a file: nothing to find, read or copy.
bool aUnFichier(const Media &media)
{
    const GenreMedia *genre = GenreMedia::pour(media.getType());
    return genre == nullptr || genre->avecFichier;
}

// Without a display the toolkit's own notices (no runtime directory under cron, no
// session bus) would break the rule of one line per failure; its fatal errors still show.
QtMessageHandler gestionnaireAvisPrecedent = nullptr;

void taireAvisToolkit(QtMsgType type, const QMessageLogContext &contexte, const QString &message)
{
    if ((type == QtCriticalMsg || type == QtFatalMsg) && gestionnaireAvisPrecedent != nullptr)
        gestionnaireAvisPrecedent(type, contexte, message);
}

} // namespace

LigneCommande::LigneCommande(Editeur editeur)
    : optionGenerer(QStringLiteral("generate"),
        tr("Generate the site of FILE into the directory DIR, without a display.")),
      optionApercu(QStringLiteral("preview"),
          tr("Generate the preview of FILE into tmp/ beside it and open it in the browser.")),
      optionVerifier(
          QStringLiteral("check"), tr("Check FILE: its media, its days and the estimated site size.")),
      optionForcer(QStringLiteral("force"),
          tr("Erase a non-empty DIR that holds no generated site, instead of refusing it.")),
      optionSilencieux(QStringLiteral("quiet"), tr("With --generate: print no progress.")),
      optionCarte(QStringLiteral("card"),
          tr("Write to OUT.pdf the printable card of FILE: its name and the QR code of its address.")),
      optionPublier(QStringLiteral("publish"),
          tr("Convert, generate and publish FILE to its publishing address, sending only what changed.")),
      optionSimulation(QStringLiteral("dry-run"),
          tr("With --publish: list what would be sent and deleted, change nothing.")),
      optionFichierSecret(QStringLiteral("secret-file"),
          tr("With --publish: read the password or S3 secret key from FILE, which only its owner may read."),
          QStringLiteral("FILE")),
      optionFichierCa(QStringLiteral("ca-file"),
          tr("With --publish: also trust the certificate authority in FILE (a server with its own "
             "certificate)."),
          QStringLiteral("FILE")),
      optionCleHote(QStringLiteral("accept-host-key"),
          tr("With --publish: trust the SFTP server whose host key has this fingerprint, and remember it."),
          QStringLiteral("SHA256:...")),
      optionMotDePasse(QStringLiteral("password-file"),
          tr("With --generate, --check or --publish: read a private calendar's password from FILE, which "
             "only "
             "you may read."),
          QStringLiteral("FILE")),
      optionDate(QStringLiteral("date"),
          tr("With --preview: show the page as a visitor sees it at MOMENT (YYYY-MM-DDTHH:MM, in the "
             "calendar's time zone)."),
          QStringLiteral("MOMENT")),
      optionCodeSecours(QStringLiteral("recovery-code-file"),
          tr("With --generate, --check or --publish: go on with the key chain of a calendar whose doors "
             "open only on their day, from the recovery code in FILE, which only you may read."),
          QStringLiteral("FILE")),
      editeur(std::move(editeur))
{
    analyseur.setApplicationDescription(tr(DESCRIPTION));
    analyseur.addOptions({optionGenerer, optionApercu, optionDate, optionVerifier, optionCarte, optionPublier,
        optionForcer, optionSilencieux, optionSimulation, optionFichierSecret, optionFichierCa, optionCleHote,
        optionMotDePasse, optionCodeSecours});
    analyseur.addHelpOption();
    analyseur.addVersionOption();
    analyseur.addPositionalArgument(QStringLiteral("FILE"), tr(ARGUMENT_FICHIER), QStringLiteral("[FILE]"));
    analyseur.addPositionalArgument(
        QStringLiteral("DIR"), tr(ARGUMENT_REPERTOIRE), QStringLiteral("[DIR|OUT.pdf]"));
}

int LigneCommande::executer(int &argc, char **argv)
{
    QCoreApplication::setApplicationName(QStringLiteral("tinselbox"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(VERSION_TEXTE));

    // Qt's own options (-platform, -style...) are unknown here; the editor reads the
    // command line again once QApplication has taken them out.
    const QStringList arguments = lireArguments(argc, argv);
    const bool lu = analyseur.parse(arguments);
    const bool sansAffichage = analyseur.isSet(optionGenerer) || analyseur.isSet(optionApercu)
        || analyseur.isSet(optionVerifier) || analyseur.isSet(optionCarte) || analyseur.isSet(optionPublier)
        || analyseur.isSet(QStringLiteral("help")) || analyseur.isSet(QStringLiteral("version"));
    if (!sansAffichage && affichageDisponible(arguments))
        return lancerEditeur(argc, argv);

    // The site's link-preview picture and the card are painted with the system's fonts,
    // which need a GUI application; the offscreen platform gives one without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    gestionnaireAvisPrecedent = qInstallMessageHandler(taireAvisToolkit);
    QGuiApplication application(argc, argv);
    Traduction::installer();
    if (!lu) {
        signalerErreurAnalyse();
        return USAGE;
    }
    if (analyseur.isSet(QStringLiteral("help")))
        afficherAide();
    if (analyseur.isSet(QStringLiteral("version")))
        analyseur.showVersion();
    if (!verifierUsage(sansAffichage))
        return USAGE;
    if (!sansAffichage)
        return echouer(tr("no display to open the editor on; --generate and --check need none"));

    const QStringList positionnels = analyseur.positionalArguments();
    if (analyseur.isSet(optionGenerer))
        return generer(positionnels.at(0), positionnels.at(1));
    if (analyseur.isSet(optionVerifier))
        return verifier(positionnels.at(0));
    if (analyseur.isSet(optionCarte))
        return carte(positionnels.at(0), positionnels.at(1));
    if (analyseur.isSet(optionPublier))
        return publier(positionnels.at(0));
    return apercu(positionnels.at(0));
}

bool LigneCommande::verifierUsage(bool sansAffichage)
{
    const bool generation = analyseur.isSet(optionGenerer);
    const bool apercu = analyseur.isSet(optionApercu);
    const bool verification = analyseur.isSet(optionVerifier);
    const bool carte = analyseur.isSet(optionCarte);
    const int positionnels = analyseur.positionalArguments().size();

    const bool publication = analyseur.isSet(optionPublier);
    const bool optionDePublication = analyseur.isSet(optionSimulation) || analyseur.isSet(optionFichierSecret)
        || analyseur.isSet(optionFichierCa) || analyseur.isSet(optionCleHote);

    QString faute;
    QString erreurDate;
    if (int(generation) + int(apercu) + int(verification) + int(carte) + int(publication) > 1)
        faute = tr("choose one of --generate, --preview, --check, --card and --publish");
    else if (analyseur.isSet(optionForcer) && !generation && !apercu && !publication)
        faute = tr("--force goes with --generate, --preview or --publish");
    else if (analyseur.isSet(optionDate) && !apercu)
        faute = tr("--date goes with --preview");
    else if (analyseur.isSet(optionDate)
        && !InstantApercu::lire(analyseur.value(optionDate), QString(), &erreurDate).isValid())
        faute = erreurDate;
    else if (analyseur.isSet(optionSilencieux) && !generation && !publication)
        faute = tr("--quiet goes with --generate or --publish");
    else if (analyseur.isSet(optionMotDePasse) && !generation && !verification && !publication)
        faute = tr("--password-file goes with --generate, --check or --publish");
    else if (analyseur.isSet(optionCodeSecours) && !generation && !verification && !publication)
        faute = tr("--recovery-code-file goes with --generate, --check or --publish");
    else if (optionDePublication && !publication)
        faute = tr("--dry-run, --secret-file, --ca-file and --accept-host-key go with --publish");
    else if (publication && positionnels != 1)
        faute = tr("%1 needs one calendar FILE").arg("--publish");
    else if (generation && positionnels != 2)
        faute = tr("--generate needs a calendar FILE and a directory DIR");
    else if (carte && positionnels != 2)
        faute = tr("--card needs a calendar FILE and a PDF file OUT.pdf");
    else if ((apercu || verification) && positionnels != 1)
        faute = tr("%1 needs one calendar FILE").arg(apercu ? "--preview" : "--check");
    else if (!sansAffichage && positionnels > 1)
        faute = tr("the editor opens one calendar FILE at most");
    if (faute.isEmpty())
        return true;
    echouer(tr("%1 (see --help)").arg(faute));
    return false;
}

int LigneCommande::lancerEditeur(int &argc, char **argv)
{
    QApplication application(argc, argv);
    Traduction::installer();
    QGuiApplication::setDesktopFileName(QString::fromLatin1(IDENTIFIANT_APPLICATION));
    if (!analyseur.parse(QCoreApplication::arguments())) {
        signalerErreurAnalyse();
        return USAGE;
    }
    if (!verifierUsage(false))
        return USAGE;

    // Only a program built without the window (a test of the other modes) lacks one.
    if (!editeur)
        return 1;
    const std::unique_ptr<QWidget> fenetre = editeur(analyseur.positionalArguments());
    return application.exec();
}

bool LigneCommande::chargerCalendrier(const QString &fichier, Calendrier &calendrier)
{
    // One pass without a document tree, as the editor's Open.
    const Resultat ouverture = FichierProjet::ouvrir(fichier, calendrier);
    if (!ouverture)
        echouer(ouverture.getMessage());
    return ouverture.estReussi();
}

bool LigneCommande::accepterRepertoire(
    const QString &repertoire, const QString &fichier, const Calendrier &calendrier)
{
    const Resultat refus = PolitiqueSortie::controler(repertoire, fichier, calendrier);
    if (!refus) {
        echouer(refus.getMessage());
        return false;
    }
    if (analyseur.isSet(optionForcer))
        PolitiqueSortie::accepterEffacement(repertoire);
    else if (!PolitiqueSortie::estVideOuSiteGenere(repertoire)) {
        echouer(tr("%1 is not empty and holds no site that tinselbox generated; --force erases its contents.")
                    .arg(Resultat::cheminLisible(repertoire)));
        return false;
    }
    return true;
}

int LigneCommande::generer(const QString &fichier, const QString &repertoire)
{
    Calendrier calendrier;
    QString motDePasse;
    if (!chargerCalendrier(fichier, calendrier) || !accepterRepertoire(repertoire, fichier, calendrier)
        || !lireMotDePasse(calendrier, &motDePasse) || !reprendreChaine(calendrier))
        return ECHEC;

    Interruption::installerSignaux();
    // Conversions first, reported day by day as they end; the generation then copies.
    const bool silencieux = analyseur.isSet(optionSilencieux);
    // Said once, before anything is published: what goes out unconverted, and what it keeps.
    const QList<int> nonConvertis = PlanConversions::joursNonConvertis(calendrier);
    if (!nonConvertis.isEmpty())
        ecrireLigne(stderr, QStringLiteral("tinselbox: ") + PlanConversions::avisSansFfmpeg(nonConvertis));
    ServiceGeneration service;
    service.setCalendrier(&calendrier);
    service.setRepertoire(repertoire);
    service.setMotDePasse(motDePasse);
    QObject::connect(&service, &ServiceGeneration::conversionAvancee,
        [silencieux, &nonConvertis](int jour, int rang, int total) {
            if (!silencieux && !nonConvertis.contains(jour))
                ecrireLigne(stderr, tr("Converted day %1 (%2 of %3)").arg(jour).arg(rang).arg(total));
        });
    const Resultat resultat = service.executer();
    if (!resultat)
        return Interruption::signal() != 0 ? arrete(repertoire) : echouer(resultat.getMessage());
    if (!service.getAvis().isEmpty())
        ecrireLigne(stderr, QStringLiteral("tinselbox: ") + service.getAvis());
    // The generation reports nothing between days, so the days are listed once it is done.
    if (!analyseur.isSet(optionSilencieux)) {
        const QMap<int, Media *> &contenu = calendrier.getContenuConstant();
        for (auto it = contenu.constBegin(); it != contenu.constEnd(); ++it) {
            // Days beyond the calendar's length were left out.
            if (!calendrier.getOptions().estJourPublie(it.key()))
                continue;
            const QString url =
                aUnFichier(*it.value()) ? Resultat::cheminLisible(it.value()->getUrl()) : tr("a message");
            ecrireLigne(stderr, tr("Day %1: %2").arg(it.key()).arg(url));
        }
        ecrireLigne(stderr, tr("Generated the calendar in %1").arg(Resultat::cheminLisible(repertoire)));
    }
    return SUCCES;
}

int LigneCommande::verifier(const QString &fichier)
{
    Calendrier calendrier;
    if (!chargerCalendrier(fichier, calendrier))
        return ECHEC;

    int problemes = 0;
    auto signaler = [&problemes](const QString &texte) {
        ecrireLigne(stdout, texte);
        ++problemes;
    };
    GestionnaireFichiers gestionnaire;
    // What the reader accepts, a generation accepts: a part this version does not know
    // (written by a newer one) is left out, said but not counted as a problem.
    if (!gestionnaire.estValide(fichier))
        ecrireLigne(stdout,
            tr("The file does not follow the calendar's schema: what this version does not know is left "
               "out."));
    if (calendrier.getOptions().prive) {
        QString motDePasse;
        if (!analyseur.isSet(optionMotDePasse))
            ecrireLigne(stdout, tr("The calendar is private: --password-file checks its password too."));
        else if (!lireMotDePasse(calendrier, &motDePasse))
            ++problemes;
        else {
            const Resultat verification = SitePrive::verifierMotDePasse(calendrier, motDePasse);
            if (verification)
                ecrireLigne(stdout, tr("The password is the calendar's."));
            else
                signaler(verification.getMessage());
        }
    }

    if (calendrier.getOptions().verrou) {
        if (reprendreChaine(calendrier))
            verifierVerrou(calendrier, fichier);
        else
            ++problemes;
    }

    const QMap<int, Media *> &contenu = calendrier.getContenuConstant();
    const int longueur = calendrier.getOptions().jours;
    QStringList sansContenu;
    int avecContenu = 0;
    for (int jour = 1; jour <= longueur; ++jour) {
        if (contenu.contains(jour)) {
            ++avecContenu;
            continue;
        }
        // Runs of empty days are written as ranges: "2, 4-24".
        int fin = jour;
        while (fin < longueur && !contenu.contains(fin + 1))
            ++fin;
        sansContenu << (fin == jour ? QString::number(jour) : QStringLiteral("%1-%2").arg(jour).arg(fin));
        jour = fin;
    }
    ecrireLigne(stdout,
        tr("Calendar \"%1\": %2 of %3 days have content.")
            .arg(calendrier.getNom())
            .arg(avecContenu)
            .arg(longueur));
    if (!sansContenu.isEmpty())
        ecrireLigne(stdout, tr("Days without content: %1.").arg(sansContenu.join(QStringLiteral(", "))));
    for (auto it = contenu.constBegin(); it != contenu.constEnd(); ++it) {
        const QString url = it.value()->getUrl();
        if (!calendrier.getOptions().estJourPublie(it.key())) {
            // Kept in the file, but neither generated nor shown.
            ecrireLigne(
                stdout, tr("Day %1: outside 1 to %2, the page never shows it.").arg(it.key()).arg(longueur));
        } else if (aUnFichier(*it.value())) {
            // The checks of a generation, the media's bytes read too; a message needs nothing on disk.
            const Resultat media = GenerationSite::controlerMedia(it.key(), it.value()->getUrl(), true);
            if (!media)
                signaler(media.getMessage());
        }
        // Published as it is: a warning, not a problem.
        const QString avertissement =
            aUnFichier(*it.value()) && calendrier.getOptions().estJourPublie(it.key())
            ? PlanConversions::avertissementFfmpeg(url, it.value()->getType())
            : QString();
        if (!avertissement.isEmpty())
            ecrireLigne(stdout,
                tr("Day %1: %2 will not play in every browser; installing ffmpeg converts it.")
                    .arg(it.key())
                    .arg(Resultat::cheminLisible(url)));
    }

    long long taille = 0;
    bool provisoire = false;
    GenerationSite::calculerTaille(calendrier, &taille, &provisoire);
    ecrireLigne(stdout,
        (provisoire ? tr("Estimated site size: %1 (%2 bytes), before converting the media")
                    : tr("Estimated site size: %1 (%2 bytes)"))
            .arg(tailleLisible(taille))
            .arg(taille));

    if (problemes > 0)
        return echouer(tr("%1: cannot be generated, %n problem(s) listed above", nullptr, problemes)
                           .arg(QDir::toNativeSeparators(fichier)));
    ecrireLigne(stdout, tr("The calendar can be generated."));
    return SUCCES;
}

int LigneCommande::apercu(const QString &fichier)
{
    Calendrier calendrier;
    if (!chargerCalendrier(fichier, calendrier))
        return ECHEC;
    const QString repertoire = QDir(QFileInfo(fichier).path()).filePath(Format::REPERTOIRE_APERCU);
    if (!accepterRepertoire(repertoire, fichier, calendrier))
        return ECHEC;

    // The moment is read in the calendar's own time zone.
    const QDateTime instant = analyseur.isSet(optionDate)
        ? InstantApercu::lire(analyseur.value(optionDate), calendrier.getOptions().fuseau)
        : QDateTime();
    Interruption::installerSignaux();
    ServiceGeneration service;
    service.setCalendrier(&calendrier);
    service.setRepertoire(repertoire);
    service.setApercu(true);
    service.setInstant(instant);
    const Resultat resultat = service.executer();
    if (!resultat)
        return Interruption::signal() != 0 ? arrete(repertoire) : echouer(resultat.getMessage());
    const QString page = QFileInfo(QDir(repertoire).filePath(Format::PAGE)).absoluteFilePath();
    ecrireLigne(stdout, Resultat::cheminLisible(page));
    // The desktop's opener, as the window's desktop service uses on such desktops. It says
    // by its status whether a browser took the page; its own complaints are not ours.
    QProcess ouvreur;
    ouvreur.setStandardInputFile(QProcess::nullDevice());
    ouvreur.setStandardOutputFile(QProcess::nullDevice());
    ouvreur.setStandardErrorFile(QProcess::nullDevice());
    ouvreur.start(QStringLiteral("xdg-open"), {QUrl::fromLocalFile(page).toString()});
    if (!ouvreur.waitForFinished(-1) || ouvreur.exitStatus() != QProcess::NormalExit
        || ouvreur.exitCode() != 0)
        return echouer(tr("the preview is ready in %1, but no browser could be opened to show it")
                           .arg(Resultat::cheminLisible(repertoire)));
    return SUCCES;
}

bool LigneCommande::lireSecret(const CiblePublication &cible, QString *secret)
{
    secret->clear();
    if (analyseur.isSet(optionFichierSecret)) {
        const Resultat lecture = Secrets::lireFichier(analyseur.value(optionFichierSecret), secret);
        if (!lecture)
            echouer(lecture.getMessage());
        return lecture.estReussi();
    }
    // Without a session bus (a cron job) there is no keyring to ask.
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) {
        bool absent = false;
        const Resultat lecture = Secrets::lireTrousseau(cible.cleSecret(), secret, &absent);
        if (lecture && !absent)
            return true;
        if (!lecture && cible.getProtocole() != CiblePublication::SFTP) {
            echouer(lecture.getMessage() + QLatin1Char(' ')
                + tr("--secret-file FILE gives the password instead."));
            return false;
        }
        // An SSH key or agent may still log in; the keyring's fault is not hidden.
        if (!lecture)
            ecrireLigne(stderr, lecture.getMessage());
    }
    if (cible.getProtocole() == CiblePublication::SFTP)
        return true;
    echouer(tr(
        "no password for %1: give --secret-file FILE (a file only you can read), or keep it in the keyring "
        "from the editor's Publish")
                .arg(cible.texte()));
    return false;
}

int LigneCommande::publier(const QString &fichier)
{
    Calendrier calendrier;
    PublicationCalendrier::Demande demande;
    if (!chargerCalendrier(fichier, calendrier) || !lireMotDePasse(calendrier, &demande.motDePasse)
        || !reprendreChaine(calendrier))
        return ECHEC;
    QString erreur;
    const CiblePublication cible = CiblePublication::lire(calendrier.getOptions().publication, &erreur);
    if (!cible.estValide())
        return echouer(calendrier.getOptions().publication.isEmpty()
                ? tr("%1: the calendar has no publishing address; set one in the editor's Options")
                      .arg(QDir::toNativeSeparators(fichier))
                : erreur);

    const bool simulation = analyseur.isSet(optionSimulation);
    if (!simulation || cible.getProtocole() != CiblePublication::SFTP) {
        if (!lireSecret(cible, &demande.reglages.secret))
            return ECHEC;
    }
    PublicationCalendrier::lieuxUtilisateur(&demande.reglages);
    if (analyseur.isSet(optionFichierCa))
        demande.reglages.fichierCa = analyseur.value(optionFichierCa);
    demande.reglages.empreinteAcceptee = analyseur.value(optionCleHote);
    demande.simulation = simulation;
    demande.accepterEtranger = analyseur.isSet(optionForcer);
    const bool silencieux = analyseur.isSet(optionSilencieux);
    demande.conversion = [silencieux](int jour, int rang, int total) {
        if (!silencieux)
            ecrireLigne(stderr, tr("Converted day %1 (%2 of %3)").arg(jour).arg(rang).arg(total));
        return true;
    };
    demande.suivi.fichier = [silencieux](const QString &chemin, qint64 taille) {
        if (silencieux)
            return;
        ecrireLigne(stderr,
            taille < 0 ? tr("Deleted %1").arg(Resultat::cheminLisible(chemin))
                       : tr("Sent %1 (%2)").arg(Resultat::cheminLisible(chemin), tailleLisible(taille)));
    };

    Publieur::Bilan bilan;
    QString empreinteInconnue;
    QString avis;
    const Resultat resultat =
        PublicationCalendrier::publier(calendrier, demande, &bilan, &empreinteInconnue, &avis);
    if (!avis.isEmpty())
        ecrireLigne(stderr, QStringLiteral("tinselbox: ") + avis);
    if (!resultat) {
        QString suite;
        if (!empreinteInconnue.isEmpty())
            suite = tr(" To trust it, publish again with --accept-host-key %1").arg(empreinteInconnue);
        else if (resultat.getCause() == Resultat::Cause::DossierEtranger)
            suite = tr(" --force publishes beside them.");
        return echouer(resultat.getMessage() + suite);
    }
    if (simulation) {
        for (const QString &chemin : bilan.aEnvoyer)
            ecrireLigne(stdout, tr("would send %1").arg(Resultat::cheminLisible(chemin)));
        for (const QString &chemin : bilan.aSupprimer)
            ecrireLigne(stdout, tr("would delete %1").arg(Resultat::cheminLisible(chemin)));
        ecrireLigne(stdout,
            tr("Dry run: %1 file(s) to send (%2), %3 to delete, %4 unchanged.")
                .arg(bilan.aEnvoyer.size())
                .arg(tailleLisible(bilan.octetsAEnvoyer))
                .arg(bilan.aSupprimer.size())
                .arg(bilan.inchanges));
        return SUCCES;
    }
    ecrireLigne(stdout,
        tr("Published to %1: %2 file(s) sent (%3), %4 deleted, %5 unchanged.")
            .arg(cible.texte())
            .arg(bilan.envoyes)
            .arg(tailleLisible(bilan.octetsEnvoyes))
            .arg(bilan.supprimes)
            .arg(bilan.inchanges));
    return SUCCES;
}

void LigneCommande::afficherAide()
{
    // The options were described before any translation could be installed: their
    // English descriptions are the source texts to look up.
    QCommandLineParser aide;
    aide.setApplicationDescription(tr(DESCRIPTION));
    for (const QCommandLineOption *option : {&optionGenerer, &optionApercu, &optionDate, &optionVerifier,
             &optionCarte, &optionPublier, &optionForcer, &optionSilencieux, &optionSimulation,
             &optionFichierSecret, &optionFichierCa, &optionCleHote, &optionMotDePasse, &optionCodeSecours}) {
        aide.addOption(QCommandLineOption(
            option->names(), tr(option->description().toUtf8().constData()), option->valueName()));
    }
    aide.addHelpOption();
    aide.addVersionOption();
    aide.addPositionalArgument(QStringLiteral("FILE"), tr(ARGUMENT_FICHIER), QStringLiteral("[FILE]"));
    aide.addPositionalArgument(
        QStringLiteral("DIR"), tr(ARGUMENT_REPERTOIRE), QStringLiteral("[DIR|OUT.pdf]"));
    aide.showHelp(SUCCES);
}

int LigneCommande::carte(const QString &fichier, const QString &sortie)
{
    Calendrier calendrier;
    if (!chargerCalendrier(fichier, calendrier))
        return ECHEC;
    if (calendrier.getOptions().adresse.isEmpty())
        return echouer(tr("%1: the calendar has no address to put on a card; "
                          "set “Public address” in the editor’s Options")
                           .arg(QDir::toNativeSeparators(fichier)));
    const Resultat ecrite = CartePartage::ecrire(calendrier, sortie);
    if (!ecrite)
        return echouer(ecrite.getMessage());
    return SUCCES;
}

bool LigneCommande::lireMotDePasse(const Calendrier &calendrier, QString *motDePasse)
{
    motDePasse->clear();
    if (!calendrier.getOptions().prive)
        return true;
    if (!analyseur.isSet(optionMotDePasse)) {
        // The morning job gives no file: the keyring the editor keeps the password in, when
        // the session has one (a job without a session bus would wait on it for nothing).
        const ParametresCle parametres = ParametresCle::lire(calendrier.getOptions().cle);
        bool absent = true;
        if (analyseur.isSet(optionPublier) && !qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")
            && parametres.estValide()
            && Secrets::lireTrousseau(parametres.entreeTrousseau(), motDePasse, &absent).estReussi()
            && !absent && !motDePasse->isEmpty())
            return true;
        echouer(tr("the calendar is private: give its password with --password-file FILE"));
        return false;
    }
    const Resultat lecture = Secrets::lireFichier(analyseur.value(optionMotDePasse), motDePasse);
    if (!lecture) {
        echouer(lecture.getMessage());
        return false;
    }
    return true;
}

bool LigneCommande::reprendreChaine(const Calendrier &calendrier)
{
    if (!analyseur.isSet(optionCodeSecours))
        return true;
    if (!calendrier.getOptions().verrou) {
        echouer(tr("--recovery-code-file: this calendar's doors do not open only on their day"));
        return false;
    }
    QString code;
    const Resultat lecture = Secrets::lireFichier(analyseur.value(optionCodeSecours), &code);
    if (!lecture) {
        echouer(tr("--recovery-code-file: ") + lecture.getMessage());
        return false;
    }
    const QByteArray secret = ChaineCles::lireCodeSecours(code);
    if (secret.isEmpty()) {
        echouer(tr("--recovery-code-file: this is not a recovery code, or it is mistyped"));
        return false;
    }
    // A check only reads: the chain is kept by the run that generates.
    if (analyseur.isSet(optionVerifier))
        return true;
    const Resultat garde = ChaineCles::garder(calendrier, secret);
    if (!garde)
        echouer(garde.getMessage());
    return garde.estReussi();
}

void LigneCommande::verifierVerrou(const Calendrier &calendrier, const QString &fichier)
{
    const OptionsCalendrier &options = calendrier.getOptions();
    const ChaineCles::Position position =
        ChaineCles::position(options, ChaineCles::dateDansFuseau(options, ChaineCles::maintenant()));
    if (position.jour == 0)
        ecrireLigne(stdout, tr("Doors open only on their day: a site made today opens none yet."));
    else
        ecrireLigne(stdout,
            tr("Doors open only on their day: a site made today opens days 1 to %1.").arg(position.jour));
    QByteArray secret;
    const Resultat chaine = ChaineCles::secret(calendrier, false, &secret, nullptr);
    if (!chaine)
        ecrireLigne(stdout, chaine.getMessage());
    else if (secret.isEmpty() && !analyseur.isSet(optionCodeSecours))
        ecrireLigne(stdout,
            tr("This computer keeps no key chain for this calendar: the next generation starts a new one, "
               "unless --recovery-code-file gives its recovery code."));
    if (options.publication.isEmpty() || !TacheMatinale::estActive(QFileInfo(fichier).absoluteFilePath()))
        ecrireLigne(stdout,
            tr("Publish every morning is not on: each door opens only when the site is generated or "
               "published again."));
    ecrireLigne(stdout,
        tr("A door whose morning publish does not run (the computer was off) opens at the next publish."));
}

void LigneCommande::signalerErreurAnalyse()
{
    QString texte = analyseur.errorText();
    if (texte.endsWith(QLatin1Char('.')))
        texte.chop(1);
    echouer(tr("%1 (see --help)").arg(texte));
}

int LigneCommande::arrete(const QString &repertoire)
{
    // Queued conversions are dropped; the running one was ended by the signal.
    PlanConversions::instance().abandonner();
    const int numero = Interruption::signal();
    const QString nom = numero == SIGINT ? QStringLiteral("SIGINT")
        : numero == SIGTERM              ? QStringLiteral("SIGTERM")
        : numero == SIGHUP               ? QStringLiteral("SIGHUP")
                                         : QString::number(numero);
    ecrireLigne(stderr,
        QStringLiteral("tinselbox: ")
            + tr("stopped by %1; %2 was left as it was.").arg(nom, Resultat::cheminLisible(repertoire)));
    return 128 + numero;
}

int LigneCommande::echouer(const QString &message)
{
    ecrireLigne(stderr, QStringLiteral("tinselbox: ") + message);
    return ECHEC;
}
