// Crafted project files, files that are not regular files and characters XML cannot
// carry. Every crafted file is loaded and validated in a child process (this very
// executable, run with "--sonde") under a memory limit, so that a crash or a hang fails
// its own row instead of the whole run.
#include "documentshostiles.h"
#include "fichierprojet/gardexml.h"
#include "fichiers.h"
#include "gestionnairefichiers.h"
#include "modele/calendrier.h"
#include "modele/contenumedia.h"
#include "modele/image.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

const qint64 MEMOIRE_SUPPLEMENTAIRE = 200 * 1024 * 1024;
const char *const ARGUMENT_SONDE = "--sonde";

#ifndef __SANITIZE_ADDRESS__
qint64 espaceAdresses()
{
    QFile statut(QStringLiteral("/proc/self/status"));
    if (!statut.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &ligne : statut.readAll().split('\n')) {
        if (ligne.startsWith("VmSize:"))
            return ligne.mid(7).trimmed().split(' ').first().toLongLong() * 1024;
    }
    return -1;
}
#endif

// The child: loads and validates one file and prints both results.
int sonder(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
#ifndef __SANITIZE_ADDRESS__
    // The address sanitizer reserves terabytes of address space: no limit there.
    const qint64 base = espaceAdresses();
    if (base > 0) {
        const rlim_t limite = static_cast<rlim_t>(base + MEMOIRE_SUPPLEMENTAIRE);
        const struct rlimit memoire = {limite, limite};
        setrlimit(RLIMIT_AS, &memoire);
    }
#endif
    const QString fichier = QString::fromLocal8Bit(argv[2]);
    GestionnaireFichiers gestionnaire;
    Calendrier calendrier;
    const int code = gestionnaire.creerCalendrierDepuisFichier(fichier, calendrier);
    const bool valide = gestionnaire.estValide(fichier);
    std::printf("%d %d\n", code, valide ? 1 : 0);
    return 0;
}

QByteArray profondeur(int niveaux)
{
    return QByteArray("<a>").repeated(niveaux) + QByteArray("</a>").repeated(niveaux);
}

QByteArray racineAvecAttributs(int attributs)
{
    QByteArray racine("<tinselbox nom=\"x\" version=\"1\"");
    for (int i = 2; i < attributs; ++i)
        racine += " a" + QByteArray::number(i) + "=\"\"";
    return racine + "/>";
}

} // namespace

class TestFichiersHostiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void sondes_data();
    void sondes();
    void caracteresInterdits_data();
    void caracteresInterdits();
    void enregistrementRefuse_data();
    void enregistrementRefuse();
    void contenuDesMedias_data();
    void contenuDesMedias();

private:
    QTemporaryDir temporaire;
};

void TestFichiersHostiles::initTestCase()
{
    QVERIFY(temporaire.isValid());
}

void TestFichiersHostiles::sondes_data()
{
    QTest::addColumn<QString>("genre");
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("valide");

    const QString contenu = QStringLiteral("contenu");
    const QByteArray projet = projetValide(31);
    QTest::newRow("31-day project") << contenu << projet << 0 << true;
    QTest::newRow("document type alone")
        << contenu << QByteArray("<!DOCTYPE tinselbox>\n" + racineAvecAttributs(2)) << 1 << false;
    QTest::newRow("nesting inside the document type") << contenu << dtdImbriquee(200000) << 1 << false;
    QTest::newRow("elements inside an entity") << contenu << entiteImbriquee(700000) << 1 << false;
    QTest::newRow("entity referenced 300 000 times") << contenu << entiteRepetee(900000) << 1 << false;
    QTest::newRow("200 000 attributes") << contenu << attributsNombreux(2300000) << 1 << false;
    QTest::newRow("100 000 nested elements") << contenu << elementsImbriques(700000) << 1 << false;
    QTest::newRow("65 levels") << contenu << profondeur(65) << 1 << false;
    QTest::newRow("64 levels") << contenu << profondeur(64) << 0 << false;
    QTest::newRow("33 attributes") << contenu << racineAvecAttributs(33) << 1 << false;
    QTest::newRow("32 attributes") << contenu << racineAvecAttributs(32) << 0 << false;
    // The guard reads in blocks of 64 KiB: a start tag cut by a block boundary.
    const QByteArray remplissage = "<!--" + QByteArray(65536 - 30, 'x') + "-->";
    QTest::newRow("33 attributes across a block boundary")
        << contenu << remplissage + racineAvecAttributs(33) << 1 << false;
    QTest::newRow("32 attributes across a block boundary")
        << contenu << remplissage + racineAvecAttributs(32) << 0 << false;
    QTest::newRow("document type in UTF-16") << contenu
                                             << QByteArray("\xFF\xFE")
            + QByteArray(reinterpret_cast<const char *>(QStringLiteral("<!DOCTYPE tinselbox>").utf16()), 40)
                                             << 1 << false;
    QTest::newRow("UTF-16 without byte-order mark")
        << contenu
        << QByteArray(
               reinterpret_cast<const char *>(QStringLiteral("<tinselbox nom=\"x\" version=\"1\"/>").utf16()),
               64)
        << 1 << false;
    QTest::newRow("document type inside a comment")
        << contenu << QByteArray("<!-- <!DOCTYPE tinselbox [<!ENTITY e \"x\">]> -->" + racineAvecAttributs(2))
        << 0 << true;
    QTest::newRow("document type inside CDATA")
        << contenu << QByteArray("<tinselbox nom=\"x\" version=\"1\"><![CDATA[<!DOCTYPE]]></tinselbox>") << 0
        << false;
    QTest::newRow("unknown elements and attributes")
        << contenu
        << QByteArray("<tinselbox nom=\"x\" version=\"1\" autre=\"y\"><autre/><jour numero=\"1\" "
                      "z=\"1\"><image url=\"a\" w=\"2\"/>"
                      "</jour></tinselbox>")
        << 0 << false;
    QTest::newRow("a million elements and attributes") << contenu << elementsVides(4000004) << 1 << false;
    // Read with the bytes replaced; the validator, reading the file as it is, refuses them.
    QTest::newRow("bytes that are not UTF-8")
        << contenu << QByteArray("<tinselbox nom=\"No\xEBl\" version=\"1\"/>") << 0 << false;
    // Read in linear time (the benchmark measures it near the size limit): a long comment,
    // instruction or CDATA section; the validator's memory bounds the length here.
    const int longueur = 16 * 1024 * 1024;
    // Text the validator keeps whole: shorter.
    const int longueurTexte = 4 * 1024 * 1024;
    QTest::newRow("16 MB comment") << contenu
                                   << "<!--" + QByteArray(longueur, 'c') + "-->" + racineAvecAttributs(2) << 0
                                   << true;
    QTest::newRow("16 MB instruction")
        << contenu << "<?pi " + QByteArray(longueur, 'p') + "?>" + racineAvecAttributs(2) << 0 << true;
    QTest::newRow("4 MB CDATA section")
        << contenu
        << "<tinselbox nom=\"x\" version=\"1\"><![CDATA[" + QByteArray(longueurTexte, 'd') + "]]></tinselbox>"
        << 0 << false;
    // The day dialog's limit holds in the file too, whatever the length that follows.
    const QByteArray jour = "<tinselbox nom=\"x\" version=\"1\"><jour numero=\"3\"><message>";
    const QByteArray finJour = "</message></jour></tinselbox>";
    QTest::newRow("message of 1000 characters")
        << contenu << jour + QByteArray(1000, 'm') + finJour << 0 << true;
    QTest::newRow("message of 1001 characters")
        << contenu << jour + QByteArray(1001, 'm') + finJour << 1 << true;
    QTest::newRow("4 MB message") << contenu
                                  << jour + "<![CDATA[" + QByteArray(longueurTexte, 'm') + "]]>" + finJour
                                  << 1 << true;
    QTest::newRow("link to a project") << QStringLiteral("lien") << projet << 0 << true;
    QTest::newRow("FIFO") << QStringLiteral("fifo") << QByteArray() << 3 << false;
    QTest::newRow("link to a FIFO") << QStringLiteral("lien-fifo") << QByteArray() << 3 << false;
    QTest::newRow("endless device") << QStringLiteral("peripherique") << QByteArray() << 3 << false;
    QTest::newRow("larger than any project file")
        << QStringLiteral("trop-grand") << QByteArray() << 1 << false;
}

void TestFichiersHostiles::sondes()
{
    QFETCH(QString, genre);
    QFETCH(QByteArray, contenu);
    QFETCH(int, code);
    QFETCH(bool, valide);

    QString fichier = temporaire.filePath(QStringLiteral("%1.xml").arg(QTest::currentDataTag()));
    QFile::remove(fichier);
    if (genre == QLatin1String("contenu")) {
        QVERIFY(ecrire(fichier, contenu));
    } else if (genre == QLatin1String("lien")) {
        QVERIFY(ecrire(fichier + QStringLiteral(".cible"), contenu));
        QVERIFY(QFile::link(fichier + QStringLiteral(".cible"), fichier));
    } else if (genre == QLatin1String("fifo")) {
        QCOMPARE(mkfifo(QFile::encodeName(fichier).constData(), 0600), 0);
    } else if (genre == QLatin1String("lien-fifo")) {
        QCOMPARE(mkfifo(QFile::encodeName(fichier + QStringLiteral(".cible")).constData(), 0600), 0);
        QVERIFY(QFile::link(fichier + QStringLiteral(".cible"), fichier));
    } else if (genre == QLatin1String("peripherique")) {
        fichier = QStringLiteral("/dev/zero");
    } else if (genre == QLatin1String("trop-grand")) {
        QFile grand(fichier);
        QVERIFY(grand.open(QIODevice::WriteOnly));
        QVERIFY(grand.resize(GardeXml::TAILLE_MAXIMALE + 1));
    }

    QProcess enfant;
    enfant.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(ARGUMENT_SONDE), fichier});
    // Generous: this only tells a hang from an answer; the benchmark measures the time.
    if (!enfant.waitForFinished(30000)) {
        enfant.kill();
        enfant.waitForFinished();
        QFAIL("the load or the validation did not return");
    }
    QCOMPARE(enfant.exitStatus(), QProcess::NormalExit);
    QCOMPARE(enfant.exitCode(), 0);
    QCOMPARE(QString::fromLatin1(enfant.readAllStandardOutput()).trimmed(),
        QStringLiteral("%1 %2").arg(code).arg(valide ? 1 : 0));
}

void TestFichiersHostiles::caracteresInterdits_data()
{
    QTest::addColumn<QString>("texte");
    QTest::addColumn<int>("position");

    QTest::newRow("tab, line feed, carriage return") << QStringLiteral("a\tb\nc\rd") << -1;
    QTest::newRow("accents and a character beyond the basic plane")
        << QString::fromUtf8("No\u00EBl \U0001F384") << -1;
    QTest::newRow("NUL") << QStringLiteral("ab") + QChar(0) << 2;
    QTest::newRow("U+0001") << QStringLiteral("a\x01") << 1;
    QTest::newRow("vertical tab") << QStringLiteral("\x0B") << 0;
    QTest::newRow("U+001F") << QStringLiteral("ab\x1F") << 2;
    QTest::newRow("U+FFFE") << QStringLiteral("a") + QChar(0xFFFE) << 1;
    QTest::newRow("U+FFFF") << QStringLiteral("a") + QChar(0xFFFF) << 1;
    QTest::newRow("lone high surrogate") << QStringLiteral("a") + QChar(0xD800) + QStringLiteral("b") << 1;
    QTest::newRow("lone low surrogate") << QStringLiteral("a") + QChar(0xDC00) << 1;
}

void TestFichiersHostiles::caracteresInterdits()
{
    QFETCH(QString, texte);
    QFETCH(int, position);
    QCOMPARE(GardeXml::positionCaractereInterdit(texte), position);
}

void TestFichiersHostiles::enregistrementRefuse_data()
{
    QTest::addColumn<QChar>("caractere");
    QTest::addColumn<bool>("dansLeNom");

    for (const char16_t c : {u'\x01', u'\x0B', u'\x1F', char16_t(0xFFFE), char16_t(0xFFFF)}) {
        const QByteArray code = QByteArray::number(int(c), 16);
        QTest::newRow(("U+" + code + " in a location").constData()) << QChar(c) << false;
        QTest::newRow(("U+" + code + " in the name").constData()) << QChar(c) << true;
    }
}

void TestFichiersHostiles::enregistrementRefuse()
{
    QFETCH(QChar, caractere);
    QFETCH(bool, dansLeNom);

    const QString fichier = temporaire.filePath(QStringLiteral("precedent.xml"));
    const QByteArray precedent = projetValide(3);
    QVERIFY(ecrire(fichier, precedent));

    Calendrier calendrier(
        dansLeNom ? QStringLiteral("No") + caractere + QStringLiteral("l") : QStringLiteral("Avent"));
    calendrier.ajouterMedia(1, new Image(QStringLiteral("/photos/sapin.jpg")));
    calendrier.ajouterMedia(
        2, new Image(dansLeNom ? QStringLiteral("/photos/b.jpg") : QStringLiteral("/photos/b") + caractere));
    QCOMPARE(GestionnaireFichiers().creerFichierDepuisCalendrier(calendrier, fichier), 2);
    QCOMPARE(lire(fichier), precedent);
    QCOMPARE(QDir(temporaire.path())
                 .entryList({QStringLiteral("precedent.xml*")}, QDir::AllEntries | QDir::Hidden),
        QStringList{QStringLiteral("precedent.xml")});
}

void TestFichiersHostiles::contenuDesMedias_data()
{
    QTest::addColumn<QString>("genre");
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<QStringList>("familles");
    QTest::addColumn<bool>("attendu");

    const QString contenu = QStringLiteral("contenu");
    const QStringList image{QStringLiteral("image/")};
    const QStringList son{QStringLiteral("audio/")};
    const QStringList video{QStringLiteral("video/")};
    const QByteArray png("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
    const QByteArray wav("RIFF\x24\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0", 24);
    const QByteArray mp3("ID3\x03\0\0\0\0\0\0", 10);
    const QByteArray ogg("OggS\0\x02\0\0\0\0\0\0\0\0\x01\0\0\0\0\0\0\0\0\0\0\0\x01\x1e\x01vorbis", 35);
    const QByteArray mp4("\0\0\0\x18"
                         "ftypmp42\0\0\0\0mp42isom",
        24);
    const QByteArray webm("\x1a\x45\xdf\xa3\x9f\x42\x86\x81\x01\x42\xf7\x81\x01\x42\xf2\x81\x04\x42\xf3\x81"
                          "\x08\x42\x82\x84webm",
        28);
    QTest::newRow("picture") << contenu << png << image << true;
    QTest::newRow("text named as a picture") << contenu << QByteArray("hello\n") << image << false;
    QTest::newRow("WAV") << contenu << wav << son << true;
    QTest::newRow("MP3") << contenu << mp3 << son << true;
    QTest::newRow("Ogg Vorbis, through its ancestors") << contenu << ogg << son << true;
    QTest::newRow("MP4") << contenu << mp4 << video << true;
    QTest::newRow("WebM") << contenu << webm << video << true;
    QTest::newRow("music as a picture") << contenu << mp3 << image << false;
    QTest::newRow("picture as a video") << contenu << png << video << false;
    QTest::newRow("empty file") << contenu << QByteArray() << image << false;
    QTest::newRow("missing file") << QStringLiteral("absent") << QByteArray() << image << false;
    QTest::newRow("FIFO") << QStringLiteral("fifo") << QByteArray() << image << false;
}

void TestFichiersHostiles::contenuDesMedias()
{
    QFETCH(QString, genre);
    QFETCH(QByteArray, contenu);
    QFETCH(QStringList, familles);
    QFETCH(bool, attendu);

    // Named as a picture whatever it holds: only the content counts.
    const QString fichier = temporaire.filePath(QStringLiteral("%1.jpg").arg(QTest::currentDataTag()));
    if (genre == QLatin1String("contenu"))
        QVERIFY(ecrire(fichier, contenu));
    else if (genre == QLatin1String("fifo"))
        QCOMPARE(mkfifo(QFile::encodeName(fichier).constData(), 0600), 0);
    QCOMPARE(ContenuMedia::estDeLaFamille(fichier, familles), attendu);
}

int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], ARGUMENT_SONDE) == 0)
        return sonder(argc, argv);
    QCoreApplication application(argc, argv);
    TestFichiersHostiles test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_fichiershostiles.moc"
