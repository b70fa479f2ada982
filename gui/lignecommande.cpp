#include "lignecommande.h"

#include "fenetreprincipale.h"
#include "fichierprojet/fichierprojet.h"
#include "gestionnairefichiers.h"
#include "modele/calendrier.h"
#include "modele/genremedia.h"
#include "modele/media.h"
#include "site/generationsite.h"
#include "site/politiquesortie.h"
#include "version.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QProcess>
#include <QUrl>

#include <cstdio>

namespace {

const int SUCCES = 0;
const int ECHEC = 1;
const int USAGE = 2;

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

QString tailleLisible(qint64 taille)
{
    const QLocale anglais(QLocale::English, QLocale::UnitedStates);
    return anglais.formattedDataSize(taille, 2, QLocale::DataSizeSIFormat);
}

// A message holds its text, not a file: nothing to find, read or copy.
bool aUnFichier(const Media &media)
{
    const GenreMedia *genre = GenreMedia::pour(media.getType());
    return genre == nullptr || genre->avecFichier;
}

} // namespace

LigneCommande::LigneCommande()
    : optionGenerer(QStringLiteral("generate"),
        QStringLiteral("Generate the site of FILE into the directory DIR, without a display.")),
      optionApercu(QStringLiteral("preview"),
          QStringLiteral("Generate the preview of FILE into tmp/ beside it and open it in the browser.")),
      optionVerifier(QStringLiteral("check"),
          QStringLiteral("Check FILE: its media, its days and the estimated site size.")),
      optionForcer(QStringLiteral("force"),
          QStringLiteral("Erase a non-empty DIR that holds no generated site, instead of refusing it.")),
      optionSilencieux(QStringLiteral("quiet"), QStringLiteral("With --generate: print no progress."))
{
    analyseur.setApplicationDescription(
        QStringLiteral("Builds a web calendar of up to 31 days and generates its site.\n"
                       "Without an option, opens the editor, with the calendar FILE if given."));
    analyseur.addOptions({optionGenerer, optionApercu, optionVerifier, optionForcer, optionSilencieux});
    analyseur.addHelpOption();
    analyseur.addVersionOption();
    analyseur.addPositionalArgument(
        QStringLiteral("FILE"), QStringLiteral("A calendar project file (.xml)."), QStringLiteral("[FILE]"));
    analyseur.addPositionalArgument(QStringLiteral("DIR"),
        QStringLiteral("With --generate: the directory that receives the site."), QStringLiteral("[DIR]"));
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
        || analyseur.isSet(optionVerifier) || analyseur.isSet(QStringLiteral("help"))
        || analyseur.isSet(QStringLiteral("version"));
    if (!sansAffichage && affichageDisponible(arguments))
        return lancerEditeur(argc, argv);

    QCoreApplication application(argc, argv);
    if (!lu) {
        signalerErreurAnalyse();
        return USAGE;
    }
    if (analyseur.isSet(QStringLiteral("help")))
        analyseur.showHelp(SUCCES);
    if (analyseur.isSet(QStringLiteral("version")))
        analyseur.showVersion();
    if (!verifierUsage(sansAffichage))
        return USAGE;
    if (!sansAffichage)
        return echouer(QStringLiteral("no display to open the editor on; --generate and --check need none"));

    const QStringList positionnels = analyseur.positionalArguments();
    if (analyseur.isSet(optionGenerer))
        return generer(positionnels.at(0), positionnels.at(1));
    if (analyseur.isSet(optionVerifier))
        return verifier(positionnels.at(0));
    return apercu(positionnels.at(0));
}

bool LigneCommande::verifierUsage(bool sansAffichage)
{
    const bool generation = analyseur.isSet(optionGenerer);
    const bool apercu = analyseur.isSet(optionApercu);
    const bool verification = analyseur.isSet(optionVerifier);
    const int positionnels = analyseur.positionalArguments().size();

    QString faute;
    if (int(generation) + int(apercu) + int(verification) > 1)
        faute = QStringLiteral("choose one of --generate, --preview and --check");
    else if (analyseur.isSet(optionForcer) && !generation && !apercu)
        faute = QStringLiteral("--force goes with --generate or --preview");
    else if (analyseur.isSet(optionSilencieux) && !generation)
        faute = QStringLiteral("--quiet goes with --generate");
    else if (generation && positionnels != 2)
        faute = QStringLiteral("--generate needs a calendar FILE and a directory DIR");
    else if ((apercu || verification) && positionnels != 1)
        faute = QStringLiteral("%1 needs one calendar FILE").arg(apercu ? "--preview" : "--check");
    else if (!sansAffichage && positionnels > 1)
        faute = QStringLiteral("the editor opens one calendar FILE at most");
    if (faute.isEmpty())
        return true;
    echouer(faute + QStringLiteral(" (see --help)"));
    return false;
}

int LigneCommande::lancerEditeur(int &argc, char **argv)
{
    QApplication application(argc, argv);
    QGuiApplication::setDesktopFileName(QString::fromLatin1(IDENTIFIANT_APPLICATION));
    if (!analyseur.parse(QCoreApplication::arguments())) {
        signalerErreurAnalyse();
        return USAGE;
    }
    if (!verifierUsage(false))
        return USAGE;

    FenetrePrincipale fenetre;
    fenetre.show();
    const QStringList positionnels = analyseur.positionalArguments();
    if (!positionnels.isEmpty())
        fenetre.ouvrirCalendrier(positionnels.constFirst());
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
    const Resultat refus = GestionnaireFichiers::controlerRepertoireSortie(repertoire, fichier, calendrier);
    if (!refus) {
        echouer(refus.getMessage());
        return false;
    }
    if (!analyseur.isSet(optionForcer) && !GestionnaireFichiers::estVideOuSiteGenere(repertoire)) {
        echouer(PolitiqueSortie::refusRemplacement(repertoire).getMessage()
            + QStringLiteral(" --force erases them."));
        return false;
    }
    return true;
}

int LigneCommande::generer(const QString &fichier, const QString &repertoire)
{
    Calendrier calendrier;
    if (!chargerCalendrier(fichier, calendrier) || !accepterRepertoire(repertoire, fichier, calendrier))
        return ECHEC;

    GestionnaireFichiers gestionnaire;
    if (gestionnaire.generer(calendrier, repertoire, false) != 0)
        return echouer(gestionnaire.getDetailsErreur());
    // The generation reports nothing between days, so the days are listed once it is done.
    if (!analyseur.isSet(optionSilencieux)) {
        const QMap<int, Media *> &contenu = calendrier.getContenuConstant();
        for (auto it = contenu.constBegin(); it != contenu.constEnd(); ++it) {
            const QString url = aUnFichier(*it.value()) ? Resultat::cheminLisible(it.value()->getUrl())
                                                        : QStringLiteral("a message");
            ecrireLigne(stderr, QStringLiteral("Day %1: %2").arg(it.key()).arg(url));
        }
        ecrireLigne(
            stderr, QStringLiteral("Generated the calendar in %1").arg(Resultat::cheminLisible(repertoire)));
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
    if (!gestionnaire.estValide(fichier))
        signaler(QStringLiteral("The file does not follow the calendar's schema."));

    const QMap<int, Media *> &contenu = calendrier.getContenuConstant();
    ecrireLigne(stdout,
        QStringLiteral("Calendar \"%1\": %2 days with a media.")
            .arg(calendrier.getNom())
            .arg(contenu.size()));
    for (auto it = contenu.constBegin(); it != contenu.constEnd(); ++it) {
        // The checks of a generation, the media's bytes read too; a message needs nothing on disk.
        if (aUnFichier(*it.value())) {
            const Resultat media = GenerationSite::controlerMedia(it.key(), it.value()->getUrl(), true);
            if (!media)
                signaler(media.getMessage());
        }
        // Generated like the others, but the page has no ball to open it.
        if (it.key() < 1 || it.key() > 31)
            ecrireLigne(
                stdout, QStringLiteral("Day %1: outside 1 to 31, the page never shows it.").arg(it.key()));
    }

    long long taille = 0;
    gestionnaire.calculer_taille(calendrier, &taille);
    ecrireLigne(
        stdout, QStringLiteral("Estimated site size: %1 (%2 bytes)").arg(tailleLisible(taille)).arg(taille));

    if (problemes > 0)
        return echouer(QStringLiteral("%1: cannot be generated, %2 problem(s) listed above")
                           .arg(QDir::toNativeSeparators(fichier))
                           .arg(problemes));
    ecrireLigne(stdout, QStringLiteral("The calendar can be generated."));
    return SUCCES;
}

int LigneCommande::apercu(const QString &fichier)
{
    Calendrier calendrier;
    if (!chargerCalendrier(fichier, calendrier))
        return ECHEC;
    const QString repertoire = QDir(QFileInfo(fichier).path()).filePath(QStringLiteral("tmp"));
    if (!accepterRepertoire(repertoire, fichier, calendrier))
        return ECHEC;

    GestionnaireFichiers gestionnaire;
    if (gestionnaire.generer(calendrier, repertoire, true) != 0)
        return echouer(gestionnaire.getDetailsErreur());
    const QString page =
        QFileInfo(QDir(repertoire).filePath(QStringLiteral("index.html"))).absoluteFilePath();
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
        return echouer(QStringLiteral("the preview is ready in %1, but no browser could be opened to show it")
                           .arg(Resultat::cheminLisible(repertoire)));
    return SUCCES;
}

void LigneCommande::signalerErreurAnalyse()
{
    QString texte = analyseur.errorText();
    if (texte.endsWith(QLatin1Char('.')))
        texte.chop(1);
    echouer(texte + QStringLiteral(" (see --help)"));
}

int LigneCommande::echouer(const QString &message)
{
    ecrireLigne(stderr, QStringLiteral("tinselbox: ") + message);
    return ECHEC;
}
