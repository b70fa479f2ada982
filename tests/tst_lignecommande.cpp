// The command line through the built program, in an environment without a display:
// what a cron job on a server sees.
#include "calendriers.h"
#include "chiffrement/chainecles.h"
#include "fichiers.h"
#include "gestionnairefichiers.h"
#include "site/generationsite.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Execution {
    int code = -1;
    QString sortie;
    QString erreurs;
};

// The site's files but its preview picture, whose text the two applications' font
// set-ups antialias a little differently; the picture itself must be there.
QMap<QString, QByteArray> sansApercu(const QString &site)
{
    QMap<QString, QByteArray> fichiers = arborescence(site);
    if (!fichiers.take(QStringLiteral("data/apercu-lien.png")).startsWith("\x89PNG"))
        fichiers.insert(QStringLiteral("(no preview picture)"), QByteArray());
    return fichiers;
}

} // namespace

class TestLigneCommande : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void version();
    void generer();
    void refus_data();
    void refus();
    void apercuSansNavigateur();
    void dateRefusee_data();
    void dateRefusee();
    void projetEnLectureSeule();
    void verifier_data();
    void verifier();
    void carte_data();
    void carte();
    void langues_data();
    void langues();
    void codeSecours();

private:
    /// Runs the program (or `programme` with the arguments) without a desktop, under the
    /// locale `langue`; `outils` goes first in its PATH.
    Execution lancer(const QStringList &arguments, const QString &outils = QString(),
        const QString &programme = QString(), const QString &langue = QStringLiteral("C.UTF-8")) const;
    /// Writes the project file of a calendar named "Avent" of `longueur` days holding `jours`
    /// ("day:kind:file" with files relative to the project's media folder).
    QString ecrireProjet(const QString &nomFichier, const QStringList &jours, int longueur = 31) const;

    QTemporaryDir racine;
    /// Variables added to the environment of the runs ("NAME=value").
    QStringList variables;
    QString maison;
    QString projet;
    QString media;
};

void TestLigneCommande::initTestCase()
{
    QVERIFY(racine.isValid());
    maison = racine.filePath(QStringLiteral("maison"));
    projet = racine.filePath(QStringLiteral("projet"));
    media = racine.filePath(QStringLiteral("projet/media"));
    QVERIFY(ecrire(maison + QStringLiteral("/notes.txt"), "mine"));
    QVERIFY(ecrire(media + QStringLiteral("/sapin.png"), sonFactice(QByteArray(2990, 'p'))));
    QVERIFY(ecrire(media + QStringLiteral("/chant.mp3"), sonFactice(QByteArray(4990, 's'))));
    QVERIFY(ecrire(media + QStringLiteral("/neige.webm"), sonFactice(QByteArray(6990, 'v'))));
}

Execution TestLigneCommande::lancer(const QStringList &arguments, const QString &outils,
    const QString &programme, const QString &langue) const
{
    // Nothing of a desktop: no DISPLAY, no QT_QPA_PLATFORM, a home of the test's own.
    QProcessEnvironment environnement;
    const QProcessEnvironment parent = QProcessEnvironment::systemEnvironment();
    for (const QString &nom : parent.keys()) {
        if (nom == QLatin1String("PATH") || nom.startsWith(QLatin1String("ASAN_"))
            || nom.startsWith(QLatin1String("LSAN_")) || nom.startsWith(QLatin1String("UBSAN_")))
            environnement.insert(nom, parent.value(nom));
    }
    environnement.insert(QStringLiteral("HOME"), programme.isEmpty() ? maison : outils);
    environnement.insert(QStringLiteral("LANG"), langue);
    for (const QString &variable : variables)
        environnement.insert(variable.section(QLatin1Char('='), 0, 0), variable.section(QLatin1Char('='), 1));
    // Another user may not read the checkout (a home folder often is its owner's alone):
    // the leak checker's suppressions go along as a copy it can read.
    const QString fuites = environnement.value(QStringLiteral("LSAN_OPTIONS"));
    const QRegularExpression suppressions(QStringLiteral("suppressions=([^:]+)"));
    const QRegularExpressionMatch trouve = suppressions.match(fuites);
    if (!programme.isEmpty() && !outils.isEmpty() && trouve.hasMatch()) {
        const QString copie = outils + QStringLiteral("/lsan.supp");
        QFile::remove(copie);
        QFile::copy(trouve.captured(1), copie);
        QFile::setPermissions(
            copie, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
        environnement.insert(QStringLiteral("LSAN_OPTIONS"),
            QString(fuites).replace(trouve.capturedStart(1), trouve.capturedLength(1), copie));
    }
    if (!outils.isEmpty())
        environnement.insert(
            QStringLiteral("PATH"), outils + QLatin1Char(':') + parent.value(QStringLiteral("PATH")));

    QProcess processus;
    processus.setProcessEnvironment(environnement);
    processus.setWorkingDirectory(racine.path());
    processus.start(programme.isEmpty() ? QStringLiteral(BINAIRE_TINSELBOX) : programme, arguments);
    Execution execution;
    if (!processus.waitForFinished(60000))
        return execution;
    execution.code = processus.exitStatus() == QProcess::NormalExit ? processus.exitCode() : -1;
    execution.sortie = QString::fromUtf8(processus.readAllStandardOutput());
    execution.erreurs = QString::fromUtf8(processus.readAllStandardError());
    return execution;
}

QString TestLigneCommande::ecrireProjet(
    const QString &nomFichier, const QStringList &jours, int longueur) const
{
    Calendrier calendrier(QStringLiteral("Avent"));
    fixerOption(calendrier, &OptionsCalendrier::jours, longueur);
    QStringList complets;
    for (const QString &jour : jours) {
        const int separateur = jour.lastIndexOf(QLatin1Char(':'));
        complets << jour.left(separateur + 1) + media + QLatin1Char('/') + jour.mid(separateur + 1);
    }
    remplir(calendrier, complets);
    const QString chemin = QDir(projet).filePath(nomFichier);
    GestionnaireFichiers gestionnaire;
    return gestionnaire.creerFichierDepuisCalendrier(calendrier, chemin) == 0 ? chemin : QString();
}

void TestLigneCommande::version()
{
    const Execution execution = lancer({QStringLiteral("--version")});
    QCOMPARE(execution.code, 0);
    QCOMPARE(execution.sortie, QStringLiteral("tinselbox " VERSION_TINSELBOX "\n"));
}

void TestLigneCommande::generer()
{
    const QStringList jours{QStringLiteral("3:1:sapin.png"), QStringLiteral("12:2:chant.mp3"),
        QStringLiteral("24:3:neige.webm"), QStringLiteral("25:4:Merry Christmas"),
        QStringLiteral("40:4:Never")};
    const QString fichier = ecrireProjet(QStringLiteral("avent.xml"), jours);
    QVERIFY(!fichier.isEmpty());

    Calendrier calendrier;
    GestionnaireFichiers gestionnaire;
    QCOMPARE(gestionnaire.creerCalendrierDepuisFichier(fichier, calendrier), 0);
    const QString attendu = racine.filePath(QStringLiteral("attendu"));
    QCOMPARE(gestionnaire.generer(calendrier, attendu, false), 0);

    const QString site = racine.filePath(QStringLiteral("site"));
    const Execution premiere = lancer({QStringLiteral("--generate"), fichier, site});
    const QStringList lignesJour =
        premiere.erreurs.split(QLatin1Char('\n')).filter(QRegularExpression(QStringLiteral("^Day \\d+: ")));
    QCOMPARE(lignesJour.size(), 4);
    QCOMPARE(lignesJour.last(), QStringLiteral("Day 25: a message"));
    QCOMPARE(premiere.code, 0);
    QCOMPARE(sansApercu(site), sansApercu(attendu));
    const QString apercu = QStringLiteral("/data/") + Format::IMAGE_APERCU_LIEN;
    const QByteArray premierApercu = lire(site + apercu);

    // A site generated earlier is replaced without --force.
    QVERIFY(ecrire(site + QStringLiteral("/data/ancien.txt"), "old"));
    const Execution seconde =
        lancer({fichier, site, QStringLiteral("--generate"), QStringLiteral("--quiet")});
    QCOMPARE(seconde.erreurs, QString());
    QCOMPARE(seconde.code, 0);
    QCOMPARE(sansApercu(site), sansApercu(attendu));
    // The preview picture the first run painted and kept, not another one.
    QCOMPARE(lire(site + apercu), premierApercu);
    // A kept picture serves only the calendar it shows: here, a shorter one.
    const QString court = ecrireProjet(QStringLiteral("avent-court.xml"), jours, 24);
    const QString siteCourt = racine.filePath(QStringLiteral("site-court"));
    QCOMPARE(lancer({QStringLiteral("--generate"), court, siteCourt}).code, 0);
    QVERIFY(lire(siteCourt + apercu).startsWith("\x89PNG"));
    QVERIFY(lire(siteCourt + apercu) != premierApercu);
}

void TestLigneCommande::refus_data()
{
    QTest::addColumn<QString>("fichier");
    QTest::addColumn<QString>("repertoire");
    QTest::addColumn<bool>("forcer");
    QTest::addColumn<QString>("raison");

    QTest::newRow("missing FILE") << "absent.xml"
                                  << "etranger" << true << "cannot be found";
    QTest::newRow("FILE is a FIFO") << "../tubes/tube.xml"
                                    << "etranger" << true << "is not a regular file (it is a FIFO)";
    QTest::newRow("FILE is XML but no calendar")
        << "page.xml"
        << "etranger" << true << "is an XML file but not a calendar: its root element is <html>";
    QTest::newRow("home directory, even with --force") << "refus.xml"
                                                       << "maison" << true << "it is your home directory";
    QTest::newRow("folder of the media, even with --force")
        << "refus.xml"
        << "projet/media" << true << "this directory holds the media of day 1";
    QTest::newRow("folder of the project file, even with --force")
        << "refus.xml"
        << "projet" << true << "this directory holds the calendar's project file";
    QTest::newRow("root of a disk, even with --force") << "refus.xml"
                                                       << "/" << true << "it is the root of a disk";
    QTest::newRow("a regular file as DIR")
        << "refus.xml"
        << "etranger/lettre.txt" << true << "it is a file, not a directory";
    QTest::newRow("foreign non-empty DIR without --force")
        << "refus.xml"
        << "etranger" << false << "is not empty and holds no site that tinselbox generated";
}

void TestLigneCommande::refus()
{
    QFETCH(QString, fichier);
    QFETCH(QString, repertoire);
    QFETCH(bool, forcer);
    QFETCH(QString, raison);

    QVERIFY(!ecrireProjet(QStringLiteral("refus.xml"), {QStringLiteral("1:1:sapin.png")}).isEmpty());
    QVERIFY(ecrire(QDir(projet).filePath(QStringLiteral("page.xml")), "<html><body/></html>"));
    // Beside the folders compared below, which a FIFO would block.
    const QString tube = racine.filePath(QStringLiteral("tubes/tube.xml"));
    QVERIFY(QDir().mkpath(racine.filePath(QStringLiteral("tubes"))));
    QVERIFY(QFileInfo::exists(tube) || ::mkfifo(QFile::encodeName(tube).constData(), 0600) == 0);
    QVERIFY(ecrire(racine.filePath(QStringLiteral("etranger/lettre.txt")), "keep"));
    const QString cible = repertoire.startsWith(QLatin1Char('/')) ? repertoire : racine.filePath(repertoire);
    const QMap<QString, QByteArray> avant =
        cible == QLatin1String("/") ? QMap<QString, QByteArray>() : arborescence(cible);

    QStringList arguments{QStringLiteral("--generate"), QDir(projet).filePath(fichier), cible};
    if (forcer)
        arguments << QStringLiteral("--force");
    const Execution execution = lancer(arguments);
    QVERIFY(execution.code > 0);
    QCOMPARE(execution.erreurs.count(QLatin1Char('\n')), 1);
    QVERIFY2(execution.erreurs.startsWith(QStringLiteral("tinselbox: ")), qPrintable(execution.erreurs));
    QVERIFY2(execution.erreurs.contains(raison), qPrintable(execution.erreurs));
    if (cible != QLatin1String("/"))
        QCOMPARE(arborescence(cible), avant);
}

void TestLigneCommande::apercuSansNavigateur()
{
    // An opener that finds no browser, as xdg-open does on a server.
    const QString outils = racine.filePath(QStringLiteral("outils"));
    QVERIFY(ecrire(outils + QStringLiteral("/xdg-open"), "#!/bin/sh\nexit 3\n"));
    QVERIFY(QFile::setPermissions(
        outils + QStringLiteral("/xdg-open"), QFileDevice::ExeOwner | QFileDevice::ReadOwner));
    const QString fichier = ecrireProjet(QStringLiteral("apercu.xml"), {QStringLiteral("1:1:sapin.png")});
    const Execution execution = lancer({QStringLiteral("--preview"), fichier}, outils);
    QCOMPARE(execution.code, 1);
    QCOMPARE(execution.erreurs.count(QLatin1Char('\n')), 1);
    QVERIFY2(execution.erreurs.contains(QStringLiteral("no browser could be opened")),
        qPrintable(execution.erreurs));
    QVERIFY(QFileInfo(QDir(projet).filePath(QStringLiteral("tmp/index.html"))).isFile());
}

void TestLigneCommande::dateRefusee_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("raison");
    QTest::newRow("--date without --preview")
        << QStringList{"--check", "--date", "2026-12-05T10:00"} << "--date goes with --preview";
    QTest::newRow("a date without its time") << QStringList{"--preview", "--date",
        "2026-12-05"} << "\"2026-12-05\" is not a date and time of the form YYYY-MM-DDTHH:MM";
    QTest::newRow("no 31 November") << QStringList{"--preview", "--date", "2026-11-31T10:00"}
                                    << "is not a date and time";
}

void TestLigneCommande::dateRefusee()
{
    QFETCH(QStringList, options);
    QFETCH(QString, raison);
    const QString fichier = ecrireProjet(QStringLiteral("date.xml"), {QStringLiteral("1:1:sapin.png")});
    QVERIFY(QDir(QDir(projet).filePath(QStringLiteral("tmp"))).removeRecursively());
    // Refused before anything is generated.
    const Execution execution = lancer(options << fichier);
    QCOMPARE(execution.code, 2);
    QVERIFY2(execution.erreurs.contains(raison), qPrintable(execution.erreurs));
    QVERIFY(!QFileInfo::exists(QDir(projet).filePath(QStringLiteral("tmp"))));
}

void TestLigneCommande::projetEnLectureSeule()
{
    // Another user's calendar, readable but not writable: checked and generated all the same.
    if (::geteuid() != 0 || QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
        QSKIP("another user cannot be taken on here");
    QTemporaryDir commun(QStringLiteral("/tmp/tinselbox-partage-XXXXXX"));
    QVERIFY(commun.isValid());
    QVERIFY(QFile::setPermissions(commun.path(),
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther
            | QFileDevice::ExeOther));
    const QString photo = commun.filePath(QStringLiteral("sapin.png"));
    QVERIFY(ecrire(photo, sonFactice(QByteArray(2990, 'p'))));
    Calendrier calendrier(QStringLiteral("Partage"));
    calendrier.ajouterMedia(1, new Image(QStringLiteral("sapin.png")));
    const QString fichier = commun.filePath(QStringLiteral("partage.xml"));
    QCOMPARE(GestionnaireFichiers().creerFichierDepuisCalendrier(calendrier, fichier), 0);
    for (const QString &chemin : {photo, fichier})
        QVERIFY(QFile::setPermissions(
            chemin, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther));
    const QString sortie = commun.filePath(QStringLiteral("site"));
    QVERIFY(QDir().mkpath(sortie));
    QVERIFY(QFile::setPermissions(sortie, QFileDevice::Permissions(0x7777)));

    // A home of its own, for its conversion cache (given as the tools folder, first in PATH).
    const QString maisonAutre = commun.filePath(QStringLiteral("maison"));
    QVERIFY(QDir().mkpath(maisonAutre));
    QVERIFY(QFile::setPermissions(maisonAutre, QFileDevice::Permissions(0x7777)));
    const QStringList autre{QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
        QStringLiteral("--clear-groups"), QStringLiteral(BINAIRE_TINSELBOX)};
    if (lancer(autre + QStringList{QStringLiteral("--version")}, maisonAutre, QStringLiteral("setpriv")).code
        != 0)
        QSKIP("the program cannot be run as another user from here");
    const Execution verification = lancer(
        autre + QStringList{QStringLiteral("--check"), fichier}, maisonAutre, QStringLiteral("setpriv"));
    QVERIFY2(verification.code == 0, qPrintable(verification.erreurs + verification.sortie));
    const Execution generation = lancer(autre + QStringList{QStringLiteral("--generate"), fichier, sortie},
        maisonAutre, QStringLiteral("setpriv"));
    QVERIFY2(generation.code == 0, qPrintable(generation.erreurs));
    QCOMPARE(lire(sortie + QStringLiteral("/data/") + getHash(QStringLiteral("1"), QStringLiteral("Partage"))
                 + QStringLiteral(".mp3")),
        sonFactice(QByteArray(2990, 'p')));
}

void TestLigneCommande::verifier_data()
{
    QTest::addColumn<QStringList>("jours");
    QTest::addColumn<int>("longueur");
    QTest::addColumn<int>("code");
    QTest::addColumn<QStringList>("lignes");

    QTest::newRow("every media present")
        << QStringList{QStringLiteral("1:1:sapin.png"), QStringLiteral("2:2:chant.mp3")} << 31 << 0
        << QStringList{QStringLiteral("\"Avent\": 2 of 31 days have content."),
               QStringLiteral("Days without content: 3-31."),
               QStringLiteral("The calendar can be generated.")};
    QTest::newRow("a message needs no file and counts")
        << QStringList{QStringLiteral("1:1:sapin.png"), QStringLiteral("3:4:Hello")} << 31 << 0
        << QStringList{QStringLiteral("2 of 31 days have content."),
               QStringLiteral("Days without content: 2, 4-31."),
               QStringLiteral("The calendar can be generated.")};
    QTest::newRow("a missing media, a day outside 1 to 31")
        << QStringList{QStringLiteral("1:1:sapin.png"), QStringLiteral("5:1:perdu.png"),
               QStringLiteral("40:2:chant.mp3")}
        << 31 << 1
        << QStringList{QStringLiteral("2 of 31 days have content."), QStringLiteral("Day 5: the file "),
               QStringLiteral("perdu.png cannot be found."), QStringLiteral("Day 40: outside 1 to 31")};
    // Days beyond the length are neither counted nor checked: a generation leaves them out.
    QTest::newRow("24 days, two beyond them")
        << QStringList{QStringLiteral("1:1:sapin.png"), QStringLiteral("24:4:Hello"),
               QStringLiteral("25:2:chant.mp3"), QStringLiteral("30:1:perdu.png")}
        << 24 << 0
        << QStringList{QStringLiteral("2 of 24 days have content."),
               QStringLiteral("Days without content: 2-23."), QStringLiteral("Day 25: outside 1 to 24"),
               QStringLiteral("Day 30: outside 1 to 24"), QStringLiteral("The calendar can be generated.")};
}

void TestLigneCommande::verifier()
{
    QFETCH(QStringList, jours);
    QFETCH(int, longueur);
    QFETCH(int, code);
    QFETCH(QStringList, lignes);

    const QString fichier = ecrireProjet(QStringLiteral("verification.xml"), jours, longueur);
    const Execution execution = lancer({QStringLiteral("--check"), fichier});
    QCOMPARE(execution.code, code);
    for (const QString &ligne : lignes)
        QVERIFY2(execution.sortie.contains(ligne), qPrintable(execution.sortie));
    QVERIFY(execution.sortie.contains(QStringLiteral("Estimated site size: ")));
    QCOMPARE(execution.erreurs.count(QLatin1Char('\n')), code == 0 ? 0 : 1);
}

void TestLigneCommande::carte_data()
{
    QTest::addColumn<QString>("adresse");
    QTest::addColumn<int>("code");
    QTest::newRow("with an address") << QStringLiteral("https://example.org/avent") << 0;
    QTest::newRow("without an address, refused") << QString() << 1;
}

void TestLigneCommande::carte()
{
    QFETCH(QString, adresse);
    QFETCH(int, code);
    Calendrier calendrier(QStringLiteral("Avent"));
    fixerOption(calendrier, &OptionsCalendrier::adresse, adresse);
    const QString fichier = QDir(projet).filePath(QStringLiteral("carte.xml"));
    QCOMPARE(GestionnaireFichiers().creerFichierDepuisCalendrier(calendrier, fichier), 0);
    const QString pdf = racine.filePath(QStringLiteral("carte-%1.pdf").arg(code));

    const Execution execution = lancer({QStringLiteral("--card"), fichier, pdf});
    QCOMPARE(execution.code, code);
    if (code == 0) {
        QCOMPARE(execution.erreurs, QString());
        QVERIFY(lire(pdf).startsWith("%PDF"));
    } else {
        // One line saying why, and no file.
        QCOMPARE(execution.erreurs.count(QLatin1Char('\n')), 1);
        QVERIFY2(execution.erreurs.contains(QStringLiteral("no address")), qPrintable(execution.erreurs));
        QVERIFY(!QFileInfo::exists(pdf));
    }
}

void TestLigneCommande::langues_data()
{
    QTest::addColumn<QString>("langue");
    QTest::addColumn<QStringList>("aide");
    QTest::addColumn<QStringList>("verification");

    // The program's own texts, Qt's, and the size as the language writes it.
    QTest::newRow("French") << QStringLiteral("fr_FR.UTF-8")
                            << QStringList{QStringLiteral("Vérifie FILE\u00a0: ses médias"),
                                   QStringLiteral("Afficher les informations de version.")}
                            << QStringList{
                                   QStringLiteral("Calendrier «\u00a0Avent\u00a0»\u00a0: 1 jours sur 31"),
                                   QStringLiteral("Taille estimée du site\u00a0: "), QStringLiteral(" ko ("),
                                   QStringLiteral("Le calendrier peut être généré.")};
    QTest::newRow("German") << QStringLiteral(
        "de_DE.UTF-8") << QStringList{QStringLiteral("Prüft FILE: seine Medien"), QStringLiteral("Aufruf: ")}
                            << QStringList{QStringLiteral("Kalender „Avent“: 1 von 31 Tagen"),
                                   QStringLiteral("Geschätzte Größe der Website: "), QStringLiteral(" kB ("),
                                   QStringLiteral("Der Kalender kann erzeugt werden.")};
}

void TestLigneCommande::langues()
{
    QFETCH(QString, langue);
    QFETCH(QStringList, aide);
    QFETCH(QStringList, verification);

    const Execution execution = lancer({QStringLiteral("--help")}, QString(), QString(), langue);
    QCOMPARE(execution.code, 0);
    for (const QString &texte : aide)
        QVERIFY2(execution.sortie.contains(texte), qPrintable(execution.sortie));

    const QString fichier = ecrireProjet(QStringLiteral("langue.xml"), {QStringLiteral("3:1:sapin.png")});
    const Execution verifie = lancer({QStringLiteral("--check"), fichier}, QString(), QString(), langue);
    QCOMPARE(verifie.code, 0);
    for (const QString &texte : verification)
        QVERIFY2(verifie.sortie.contains(texte), qPrintable(verifie.sortie));
    // A decimal comma: the size is never written with a point in these languages.
    QVERIFY(!verifie.sortie.contains(QRegularExpression(QStringLiteral("\\d\\.\\d{3} [kMG]"))));
}

void TestLigneCommande::codeSecours()
{
    // A locked calendar generated on the 5th of its month, by a computer whose key chain is
    // then lost: the recovery code brings the same chain back, a mistyped one or a file
    // others may read is refused with one line.
    const QString fichier = ecrireProjet(QStringLiteral("verrou.xml"), {QStringLiteral("5:4:Cinq")});
    Calendrier calendrier;
    GestionnaireFichiers gestionnaire;
    QCOMPARE(gestionnaire.creerCalendrierDepuisFichier(fichier, calendrier), 0);
    OptionsCalendrier options = calendrier.getOptions();
    options.mois = 12;
    options.verrou = true;
    options.publication = QStringLiteral("sftp://noel@127.0.0.1/www");
    calendrier.setOptions(options);
    QCOMPARE(gestionnaire.creerFichierDepuisCalendrier(calendrier, fichier), 0);
    variables = QStringList{QStringLiteral("TINSELBOX_MAINTENANT=2026-12-05T10:00:00Z"),
        QStringLiteral("XDG_DATA_HOME=") + racine.filePath(QStringLiteral("donnees"))};
    qputenv("XDG_DATA_HOME", QFile::encodeName(racine.filePath(QStringLiteral("donnees"))));
    const QString chaine = ChaineCles::chemin(calendrier);

    const QString premier = racine.filePath(QStringLiteral("verrou-1"));
    const Execution generation =
        lancer({QStringLiteral("--generate"), QStringLiteral("--quiet"), fichier, premier});
    QCOMPARE(generation.code, 0);
    QVERIFY2(generation.erreurs.contains(QStringLiteral("a new chain is started")),
        qPrintable(generation.erreurs));
    const Execution verification = lancer({QStringLiteral("--check"), fichier});
    QCOMPARE(verification.code, 0);
    for (const QString &ligne : {QStringLiteral("a site made today opens days 1 to 5."),
             QStringLiteral("Publish every morning is not on"), QStringLiteral("opens at the next publish.")})
        QVERIFY2(verification.sortie.contains(ligne), qPrintable(verification.sortie));

    const QString code = racine.filePath(QStringLiteral("code"));
    QVERIFY(ecrire(code, ChaineCles::codeSecours(lire(chaine)).toUtf8() + '\n'));
    QVERIFY(QFile::setPermissions(code, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    const QString faux = racine.filePath(QStringLiteral("faux"));
    QVERIFY(ecrire(faux, "AAAAA-BBBBB\n"));
    QVERIFY(QFile::setPermissions(faux, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    QVERIFY(QFile::remove(chaine));

    const QString second = racine.filePath(QStringLiteral("verrou-2"));
    QVERIFY(ecrire(racine.filePath(QStringLiteral("lisible")), lire(code)));
    for (const auto &[donne, raison] : {std::pair<QString, QString>{faux, QStringLiteral("mistyped")},
             {racine.filePath(QStringLiteral("lisible")), QStringLiteral("--recovery-code-file: ")}}) {
        const Execution refus = lancer(
            {QStringLiteral("--generate"), QStringLiteral("--recovery-code-file"), donne, fichier, second});
        QCOMPARE(refus.code, 1);
        QCOMPARE(refus.erreurs.count(QLatin1Char('\n')), 1);
        QVERIFY2(refus.erreurs.contains(raison), qPrintable(refus.erreurs));
        QVERIFY(!QFileInfo::exists(chaine));
    }
    const Execution reprise = lancer({QStringLiteral("--generate"), QStringLiteral("--quiet"),
        QStringLiteral("--recovery-code-file"), code, fichier, second});
    QCOMPARE(reprise.code, 0);
    QCOMPARE(reprise.erreurs, QString());
    QCOMPARE(sansApercu(second), sansApercu(premier));
    variables.clear();
}

QTEST_MAIN(TestLigneCommande)
#include "tst_lignecommande.moc"
