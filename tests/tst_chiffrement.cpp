#include "calendriers.h"
#include "fichiers.h"

#include "chiffrement/chainecles.h"
#include "chiffrement/chiffrement.h"
#include "chiffrement/coffrecles.h"
#include "chiffrement/formatchiffre.h"
#include "chiffrement/parametrescle.h"
#include "format/resultat.h"
#include "modele/optionscalendrier.h"
#include "site/generationsite.h"

#include <QImage>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <openssl/evp.h>
#include <sys/stat.h>
#include <sys/types.h>

// The password's parameters in the project file, the password file of the command line, the
// master key kept on this computer, a private calendar's generation (the page's side of
// the format is tested under Node, against what the generator writes), and the key chain of
// doors that open only on their day: which day a date stands on, the recovery code, the
// secret kept on this computer.
class TestChiffrement : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void parametres_data();
    void parametres();
    void derivation_data();
    void derivation();
    void coffre();
    void generation();
    void position_data();
    void position();
    void codeSecours_data();
    void codeSecours();
    void chaine();

private:
    QTemporaryDir donnees;
};

void TestChiffrement::initTestCase()
{
    // The kept keys go to a folder of this run, never to the user's own.
    qputenv("XDG_DATA_HOME", QFile::encodeName(donnees.path()));
    QVERIFY(CoffreCles::repertoire().startsWith(donnees.path()));
}

void TestChiffrement::parametres_data()
{
    QTest::addColumn<QString>("texte");
    QTest::addColumn<bool>("valide");
    const QString sel = QString::fromLatin1(QByteArray(16, 'x').toBase64());
    QTest::newRow("as written") << QStringLiteral("pbkdf2-sha256:600000:") + sel << true;
    QTest::newRow("more iterations") << QStringLiteral("pbkdf2-sha256:2000000:") + sel << true;
    QTest::newRow("spaces around") << QStringLiteral("  pbkdf2-sha256:600000:") + sel + QStringLiteral("\n")
                                   << true;
    QTest::newRow("fewer iterations") << QStringLiteral("pbkdf2-sha256:1000:") + sel << false;
    QTest::newRow("no count") << QStringLiteral("pbkdf2-sha256::") + sel << false;
    QTest::newRow("absurd count") << QStringLiteral("pbkdf2-sha256:9999999999:") + sel << false;
    QTest::newRow("another algorithm") << QStringLiteral("scrypt:600000:") + sel << false;
    QTest::newRow("short salt") << QStringLiteral("pbkdf2-sha256:600000:AAAA") << false;
    QTest::newRow("salt not base64") << QStringLiteral("pbkdf2-sha256:600000:%%%%%%%%%%%%%%%%%%%%%%%%")
                                     << false;
    QTest::newRow("empty") << QString() << false;
}

void TestChiffrement::parametres()
{
    QFETCH(QString, texte);
    QFETCH(bool, valide);
    const ParametresCle parametres = ParametresCle::lire(texte);
    QCOMPARE(parametres.estValide(), valide);
    QCOMPARE(parametres.texte(), valide ? texte.trimmed() : QString());
    QCOMPARE(parametres.deriver(QStringLiteral("x")).size(), valide ? 32 : 0);
}

void TestChiffrement::derivation_data()
{
    QTest::addColumn<QString>("motDePasse");
    QTest::addColumn<QByteArray>("sel");
    QTest::addColumn<int>("iterations");
    const QByteArray sel = QByteArray::fromHex("000102030405060708090a0b0c0d0e0f");
    QTest::newRow("one round") << QStringLiteral("sapin") << sel << 1;
    QTest::newRow("two rounds") << QStringLiteral("sapin") << sel << 2;
    QTest::newRow("empty password") << QString() << sel << 1000;
    QTest::newRow("no salt") << QStringLiteral("sapin") << QByteArray() << 1000;
    // HMAC hashes a key longer than its block first.
    QTest::newRow("64 bytes") << QString(64, QLatin1Char('a')) << sel << 1000;
    QTest::newRow("65 bytes") << QString(65, QLatin1Char('a')) << sel << 1000;
    QTest::newRow("decomposed accents") << QStringLiteral("No\u0065\u0308l \u00e9toile") << sel << 1000;
}

void TestChiffrement::derivation()
{
    // The key derivation is written on the hash itself, for speed: it must give the
    // library's PBKDF2-HMAC-SHA256 bytes, which the page's WebCrypto derives too.
    QFETCH(QString, motDePasse);
    QFETCH(QByteArray, sel);
    QFETCH(int, iterations);
    const QByteArray utf8 = motDePasse.normalized(QString::NormalizationForm_C).toUtf8();
    QByteArray attendue(32, '\0');
    QCOMPARE(PKCS5_PBKDF2_HMAC(utf8.constData(), utf8.size(),
                 reinterpret_cast<const unsigned char *>(sel.constData()), sel.size(), iterations,
                 EVP_sha256(), attendue.size(), reinterpret_cast<unsigned char *>(attendue.data())),
        1);
    QCOMPARE(Chiffrement::deriverMotDePasse(motDePasse, sel, iterations).toHex(), attendue.toHex());
}

void TestChiffrement::coffre()
{
    const ParametresCle parametres = ParametresCle::nouveaux();
    const QByteArray cle = parametres.deriver(QStringLiteral("sapin"));
    QString erreur;
    bool autre = true;
    // Not made without being asked to.
    QVERIFY(CoffreCles::cleMaitre(parametres, cle, &erreur, &autre, false).isEmpty());
    QVERIFY(erreur.isEmpty());
    const QByteArray maitre = CoffreCles::cleMaitre(parametres, cle, &erreur, &autre);
    QCOMPARE(maitre.size(), 32);
    QVERIFY(!autre);
    QCOMPARE(CoffreCles::cleMaitre(parametres, cle, &erreur, &autre), maitre);
    // Another salt, another key.
    QVERIFY(CoffreCles::cleMaitre(ParametresCle::nouveaux(), cle, &erreur) != maitre);

    QVERIFY(CoffreCles::cleMaitre(parametres, parametres.deriver(QStringLiteral("Sapin")), &erreur, &autre)
                .isEmpty());
    QVERIFY(autre);
    QVERIFY2(erreur.contains(QStringLiteral("not the calendar's password")), qPrintable(erreur));

    // Kept where others may read it: not used any more.
    const QDir dossier(CoffreCles::repertoire());
    QCOMPARE(QFileInfo(dossier.path()).permissions() & (QFile::ReadGroup | QFile::ReadOther),
        QFile::Permissions());
    for (const QString &nom : dossier.entryList(QDir::Files))
        QCOMPARE(::chmod(QFile::encodeName(dossier.filePath(nom)).constData(), 0644), 0);
    erreur.clear();
    QVERIFY(CoffreCles::cleMaitre(parametres, cle, &erreur).isEmpty());
    QVERIFY2(erreur.contains(QStringLiteral("others")), qPrintable(erreur));
}

void TestChiffrement::generation()
{
    QTemporaryDir dossier;
    // Noise barely compresses: a picture of more than one chunk.
    const QString image = dossier.filePath(QStringLiteral("sapin.png"));
    QImage bruit(1200, 1200, QImage::Format_RGB32);
    QRandomGenerator hasard(7);
    for (int y = 0; y < bruit.height(); ++y)
        for (int x = 0; x < bruit.width(); ++x)
            bruit.setPixel(x, y, hasard.generate());
    QVERIFY(bruit.save(image, "PNG"));
    const QByteArray octets = lire(image);
    QVERIFY(octets.size() > 4 * 1024 * 1024);
    Calendrier calendrier;
    calendrier.setNom(QStringLiteral("Avent"));
    OptionsCalendrier options;
    options.originaux = true;
    options.prive = true;
    options.cle = ParametresCle::nouveaux().texte();
    options.fond = image;
    calendrier.setOptions(options);
    remplir(
        calendrier, {QStringLiteral("3:1:") + image, QStringLiteral("4:4:Le traîneau est dans la remise")});

    const QString premier = dossier.filePath(QStringLiteral("premier"));
    const QString second = dossier.filePath(QStringLiteral("second"));
    QString avis;
    const Resultat sansMotDePasse = GenerationSite::generer(calendrier, premier, false);
    QVERIFY(!sansMotDePasse);
    QVERIFY(sansMotDePasse.getMessage().contains(QStringLiteral("password")));
    QVERIFY(!QFileInfo::exists(premier));

    const Resultat genere =
        GenerationSite::generer(calendrier, premier, false, QDateTime(), QStringLiteral("sapin"), &avis);
    QVERIFY2(genere, qPrintable(genere.getMessage()));
    QVERIFY(avis.isEmpty());
    QVERIFY(GenerationSite::generer(calendrier, second, false, QDateTime(), QStringLiteral("sapin"), &avis));
    // Generating again gives the same bytes: the same keys, and nothing to send again.
    const QMap<QString, QByteArray> site = arborescence(premier);
    QCOMPARE(arborescence(second), site);
    // Over the previous site, whose unchanged days are taken as they are.
    QVERIFY(GenerationSite::generer(calendrier, premier, false, QDateTime(), QStringLiteral("sapin")));
    QCOMPARE(arborescence(premier), site);
    const QStringList scripts =
        site.keys().filter(QRegularExpression(QStringLiteral("^data/[0-9a-f]{32}\\.js$")));
    // The days and the background's two crops, none under a name of its own.
    QCOMPARE(scripts.size(), 4);
    QVERIFY(site.keys().filter(QStringLiteral("fond")).isEmpty());
    QVERIFY(!site.value(QStringLiteral("scripts/calendrier.js")).contains("fond = true"));
    QVERIFY(site.contains(QStringLiteral("scripts/verrou.js")));
    QVERIFY(site.value(QStringLiteral("index.html")).contains("scripts/verrou.js"));
    for (auto it = site.cbegin(); it != site.cend(); ++it) {
        QVERIFY2(!it.value().contains("remise") && !it.value().contains(QByteArray(64, 'p')),
            qPrintable(it.key()));
    }

    const Resultat autre =
        GenerationSite::generer(calendrier, second, false, QDateTime(), QStringLiteral("Sapin"));
    QVERIFY(!autre);
    QVERIFY2(autre.getMessage().contains(QStringLiteral("not the calendar's password")),
        qPrintable(autre.getMessage()));

    // The preview stays on this computer and is not encrypted; no password is asked for it.
    const QString apercu = dossier.filePath(QStringLiteral("apercu"));
    QVERIFY(GenerationSite::generer(calendrier, apercu, true));
    QVERIFY(!QFileInfo::exists(apercu + QStringLiteral("/scripts/verrou.js")));
    QVERIFY(QFileInfo::exists(apercu + QStringLiteral("/data/fond-paysage.jpg")));

    // A private calendar whose file lost its parameters gets new ones, and is told so.
    options.cle.clear();
    calendrier.setOptions(options);
    QVERIFY(GenerationSite::generer(calendrier, second, false, QDateTime(), QStringLiteral("autre"), &avis));
    QVERIFY2(avis.contains(QStringLiteral("new key")), qPrintable(avis));
    QVERIFY(arborescence(second).value(QStringLiteral("scripts/verrou.js"))
        != site.value(QStringLiteral("scripts/verrou.js")));
}

void TestChiffrement::position_data()
{
    QTest::addColumn<QString>("debut");
    QTest::addColumn<int>("mois");
    QTest::addColumn<int>("jours");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("tour");
    QTest::addColumn<int>("jour");
    const QString une = QStringLiteral("2026-12-01");
    const QString annuel = QStringLiteral("12-01");
    QTest::newRow("once, the day before") << une << 0 << 24 << QDate(2026, 11, 30) << une << 0;
    QTest::newRow("once, first day") << une << 0 << 24 << QDate(2026, 12, 1) << une << 1;
    QTest::newRow("once, last day") << une << 0 << 24 << QDate(2026, 12, 24) << une << 24;
    QTest::newRow("once, long after") << une << 0 << 24 << QDate(2027, 3, 1) << une << 24;
    QTest::newRow("yearly, before") << annuel << 0 << 24 << QDate(2026, 11, 30) << "2026-12-01" << 0;
    QTest::newRow("yearly, day 5") << annuel << 0 << 24 << QDate(2026, 12, 5) << "2026-12-01" << 5;
    // Past its last day the page waits for the next run: so does the chain.
    QTest::newRow("yearly, after") << annuel << 0 << 24 << QDate(2026, 12, 26) << "2027-12-01" << 0;
    QTest::newRow("yearly across the new year")
        << QStringLiteral("12-20") << 0 << 20 << QDate(2027, 1, 3) << "2026-12-20" << 15;
    QTest::newRow("month, before") << QString() << 12 << 31 << QDate(2026, 11, 30) << "2026-12-01" << 0;
    QTest::newRow("month, day 5") << QString() << 12 << 31 << QDate(2026, 12, 5) << "2026-12-01" << 5;
    QTest::newRow("month, after") << QString() << 11 << 24 << QDate(2026, 12, 5) << "2026-11-01" << 24;
    QTest::newRow("month, next year") << QString() << 12 << 31 << QDate(2027, 1, 2) << "2027-12-01" << 0;
    QTest::newRow("any month") << QString() << 0 << 24 << QDate(2026, 12, 5) << "2026-12-01" << 5;
    QTest::newRow("any month, past its days")
        << QString() << 0 << 24 << QDate(2026, 12, 28) << "2026-12-01" << 24;
}

void TestChiffrement::position()
{
    QFETCH(QString, debut);
    QFETCH(int, mois);
    QFETCH(int, jours);
    QFETCH(QDate, date);
    OptionsCalendrier options;
    options.debut = debut;
    options.mois = mois;
    options.jours = jours;
    const ChaineCles::Position position = ChaineCles::position(options, date);
    QTEST(position.tour, "tour");
    QTEST(position.jour, "jour");
}

void TestChiffrement::codeSecours_data()
{
    QTest::addColumn<QString>("saisie");
    QTest::addColumn<bool>("lu");
    const QByteArray secret =
        QByteArray::fromHex("00ff10203040506070808090a0b0c0d0e0f0011223344556677889900aabbccd");
    const QString code = ChaineCles::codeSecours(secret);
    QTest::newRow("as shown") << code << true;
    QTest::newRow("lower case, spaces") << code.toLower().replace(QLatin1Char('-'), QLatin1Char(' ')) << true;
    QString faute = code;
    faute[7] = faute.at(7) == QLatin1Char('A') ? QLatin1Char('B') : QLatin1Char('A');
    QTest::newRow("one character mistyped") << faute << false;
    QTest::newRow("a group missing") << code.mid(6) << false;
    QTest::newRow("a letter base32 lacks") << QString(code).replace(0, 1, QLatin1Char('1')) << false;
    QTest::newRow("empty") << QString() << false;
}

void TestChiffrement::codeSecours()
{
    QFETCH(QString, saisie);
    QFETCH(bool, lu);
    const QByteArray secret =
        QByteArray::fromHex("00ff10203040506070808090a0b0c0d0e0f0011223344556677889900aabbccd");
    QCOMPARE(ChaineCles::lireCodeSecours(saisie), lu ? secret : QByteArray());
}

void TestChiffrement::chaine()
{
    QTemporaryDir dossier;
    Calendrier calendrier;
    calendrier.setNom(QStringLiteral("Porte"));
    OptionsCalendrier options;
    options.mois = 12;
    options.verrou = true;
    options.publication = QStringLiteral("sftp://noel@127.0.0.1/www");
    calendrier.setOptions(options);
    remplir(calendrier, {QStringLiteral("6:4:Six")});
    const QString site = dossier.filePath(QStringLiteral("site"));
    const auto verrou = [&site] { return lire(site + QStringLiteral("/scripts/verrou.js")); };
    const QDateTime novembre(QDate(2026, 11, 20), QTime(10, 0), Qt::UTC);

    // Nothing made by asking only.
    QByteArray secret;
    QVERIFY(ChaineCles::secret(calendrier, false, &secret, nullptr));
    QVERIFY(secret.isEmpty());
    // The first generation starts the chain and says so; before the month, no day's key.
    QString avis;
    QVERIFY(GenerationSite::generer(calendrier, site, false, novembre, QString(), &avis));
    QVERIFY2(avis.contains(QStringLiteral("new chain")), qPrintable(avis));
    QVERIFY(verrou().contains("chaine = { jour: 0 };"));
    QVERIFY(ChaineCles::secret(calendrier, false, &secret, nullptr));
    QCOMPARE(secret.size(), 32);
    QCOMPARE(QFileInfo(ChaineCles::chemin(calendrier)).permissions()
            & ~(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser),
        QFile::Permissions());
    QVERIFY(GenerationSite::generer(calendrier, site, false, novembre, QString(), &avis));
    QVERIFY(avis.isEmpty());

    // Another computer given the recovery code goes on with the same chain: the same site.
    const QMap<QString, QByteArray> avant = arborescence(site);
    QVERIFY(QFile::remove(ChaineCles::chemin(calendrier)));
    QVERIFY(ChaineCles::garder(calendrier, ChaineCles::lireCodeSecours(ChaineCles::codeSecours(secret))));
    QVERIFY(GenerationSite::generer(calendrier, site, false, novembre, QString(), &avis));
    QVERIFY(avis.isEmpty());
    QCOMPARE(arborescence(site), avant);

    // A secret others may read is not used.
    QCOMPARE(::chmod(QFile::encodeName(ChaineCles::chemin(calendrier)).constData(), 0644), 0);
    const Resultat lisible = GenerationSite::generer(calendrier, site, false, novembre);
    QVERIFY(!lisible);
    QVERIFY2(lisible.getMessage().contains(QStringLiteral("others")), qPrintable(lisible.getMessage()));
}

QTEST_GUILESS_MAIN(TestChiffrement)
#include "tst_chiffrement.moc"
