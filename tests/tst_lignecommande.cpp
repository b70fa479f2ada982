// The command line through the built program, in an environment without a display:
// what a cron job on a server sees.
#include "calendriers.h"
#include "fichiers.h"
#include "gestionnairefichiers.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Execution {
    int code = -1;
    QString sortie;
    QString erreurs;
};

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
    void verifier_data();
    void verifier();

private:
    Execution lancer(const QStringList &arguments) const;
    /// Writes the project file of a calendar named "Avent" holding `jours` ("day:kind:file"
    /// with files relative to the project's media folder).
    QString ecrireProjet(const QString &nomFichier, const QStringList &jours) const;

    QTemporaryDir racine;
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
    QVERIFY(ecrire(media + QStringLiteral("/sapin.png"), QByteArray(3000, 'p')));
    QVERIFY(ecrire(media + QStringLiteral("/chant.mp3"), QByteArray(5000, 's')));
    QVERIFY(ecrire(media + QStringLiteral("/neige.webm"), QByteArray(7000, 'v')));
}

Execution TestLigneCommande::lancer(const QStringList &arguments) const
{
    // Nothing of a desktop: no DISPLAY, no QT_QPA_PLATFORM, a home of the test's own.
    QProcessEnvironment environnement;
    const QProcessEnvironment parent = QProcessEnvironment::systemEnvironment();
    for (const QString &nom : parent.keys()) {
        if (nom == QLatin1String("PATH") || nom.startsWith(QLatin1String("ASAN_"))
            || nom.startsWith(QLatin1String("LSAN_")) || nom.startsWith(QLatin1String("UBSAN_")))
            environnement.insert(nom, parent.value(nom));
    }
    environnement.insert(QStringLiteral("HOME"), maison);
    environnement.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));

    QProcess processus;
    processus.setProcessEnvironment(environnement);
    processus.setWorkingDirectory(racine.path());
    processus.start(QStringLiteral(BINAIRE_TINSELBOX), arguments);
    Execution execution;
    if (!processus.waitForFinished(60000))
        return execution;
    execution.code = processus.exitStatus() == QProcess::NormalExit ? processus.exitCode() : -1;
    execution.sortie = QString::fromUtf8(processus.readAllStandardOutput());
    execution.erreurs = QString::fromUtf8(processus.readAllStandardError());
    return execution;
}

QString TestLigneCommande::ecrireProjet(const QString &nomFichier, const QStringList &jours) const
{
    Calendrier calendrier(QStringLiteral("Avent"));
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
        QStringLiteral("24:3:neige.webm"), QStringLiteral("25:4:Merry Christmas")};
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
    QCOMPARE(arborescence(site), arborescence(attendu));

    // A site generated earlier is replaced without --force.
    QVERIFY(ecrire(site + QStringLiteral("/data/ancien.txt"), "old"));
    const Execution seconde =
        lancer({fichier, site, QStringLiteral("--generate"), QStringLiteral("--quiet")});
    QCOMPARE(seconde.erreurs, QString());
    QCOMPARE(seconde.code, 0);
    QCOMPARE(arborescence(site), arborescence(attendu));
}

void TestLigneCommande::refus_data()
{
    QTest::addColumn<QString>("fichier");
    QTest::addColumn<QString>("repertoire");
    QTest::addColumn<bool>("forcer");

    QTest::newRow("missing FILE") << "absent.xml"
                                  << "etranger" << true;
    QTest::newRow("home directory, even with --force") << "refus.xml"
                                                       << "maison" << true;
    QTest::newRow("folder of the media, even with --force") << "refus.xml"
                                                            << "projet/media" << true;
    QTest::newRow("folder of the project file, even with --force") << "refus.xml"
                                                                   << "projet" << true;
    QTest::newRow("foreign non-empty DIR without --force") << "refus.xml"
                                                           << "etranger" << false;
}

void TestLigneCommande::refus()
{
    QFETCH(QString, fichier);
    QFETCH(QString, repertoire);
    QFETCH(bool, forcer);

    QVERIFY(!ecrireProjet(QStringLiteral("refus.xml"), {QStringLiteral("1:1:sapin.png")}).isEmpty());
    QVERIFY(ecrire(racine.filePath(QStringLiteral("etranger/lettre.txt")), "keep"));
    const QString cible = racine.filePath(repertoire);
    const QMap<QString, QByteArray> avant = arborescence(cible);

    QStringList arguments{QStringLiteral("--generate"), QDir(projet).filePath(fichier), cible};
    if (forcer)
        arguments << QStringLiteral("--force");
    const Execution execution = lancer(arguments);
    QVERIFY(execution.code > 0);
    QCOMPARE(execution.erreurs.count(QLatin1Char('\n')), 1);
    QVERIFY2(execution.erreurs.startsWith(QStringLiteral("tinselbox: ")), qPrintable(execution.erreurs));
    QCOMPARE(arborescence(cible), avant);
}

void TestLigneCommande::verifier_data()
{
    QTest::addColumn<QStringList>("jours");
    QTest::addColumn<int>("code");
    QTest::addColumn<QStringList>("lignes");

    QTest::newRow("every media present")
        << QStringList{QStringLiteral("1:1:sapin.png"), QStringLiteral("2:2:chant.mp3")} << 0
        << QStringList{QStringLiteral("The calendar can be generated.")};
    QTest::newRow("a message needs no file") << QStringList{QStringLiteral("1:1:sapin.png"),
        QStringLiteral("2:4:Hello")} << 0 << QStringList{QStringLiteral("The calendar can be generated.")};
    QTest::newRow("a missing media, a day outside 1 to 31")
        << QStringList{QStringLiteral("1:1:sapin.png"), QStringLiteral("5:1:perdu.png"),
               QStringLiteral("40:2:chant.mp3")}
        << 1
        << QStringList{QStringLiteral("Day 5: the file "), QStringLiteral("perdu.png cannot be found."),
               QStringLiteral("Day 40: outside 1 to 31")};
}

void TestLigneCommande::verifier()
{
    QFETCH(QStringList, jours);
    QFETCH(int, code);
    QFETCH(QStringList, lignes);

    const QString fichier = ecrireProjet(QStringLiteral("verification.xml"), jours);
    const Execution execution = lancer({QStringLiteral("--check"), fichier});
    QCOMPARE(execution.code, code);
    for (const QString &ligne : lignes)
        QVERIFY2(execution.sortie.contains(ligne), qPrintable(execution.sortie));
    QVERIFY(execution.sortie.contains(QStringLiteral("Estimated site size: ")));
    QCOMPARE(execution.erreurs.count(QLatin1Char('\n')), code == 0 ? 0 : 1);
}

QTEST_GUILESS_MAIN(TestLigneCommande)
#include "tst_lignecommande.moc"
