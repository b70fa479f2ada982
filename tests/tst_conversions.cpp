// Phone media through the built program: what a site publishes of each, with ffmpeg, from
// the cache alone, without ffmpeg, and as chosen. Samples are made at run time by ffmpeg, heif-enc
// and exiftool; the test is skipped where one of them is missing.
#include "fichiers.h"
#include "gestionnairefichiers.h"
#include "site/generationsite.h"

#include <QImage>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Execution {
    int code = -1;
    QString sortie;
    QString erreurs;
};

// Runs a tool of the machine; its standard output, or a null array when it failed.
QByteArray outil(
    const QString &programme, const QStringList &arguments, const QString &repertoire = QString())
{
    QProcess processus;
    processus.setWorkingDirectory(repertoire);
    processus.start(programme, arguments);
    if (!processus.waitForFinished(120000) || processus.exitStatus() != QProcess::NormalExit
        || processus.exitCode() != 0)
        return QByteArray();
    const QByteArray sortie = processus.readAllStandardOutput();
    return sortie.isNull() ? QByteArray("") : sortie;
}

// Every tag exiftool finds, group names included, as one lower-case text.
// The file's own tags, lower-cased: the file system's (its name, its folder)
// are left out, since a random temporary folder may spell "gps".
QString etiquettes(const QString &fichier)
{
    QJsonObject objet =
        QJsonDocument::fromJson(outil(QStringLiteral("exiftool"),
                                    {QStringLiteral("-j"), QStringLiteral("-a"), QStringLiteral("-G1"),
                                        QStringLiteral("--System:all"), fichier}))
            .array()
            .first()
            .toObject();
    objet.remove(QStringLiteral("SourceFile"));
    return QString::fromUtf8(QJsonDocument(objet).toJson()).toLower();
}

QStringList codecs(const QString &fichier)
{
    const QJsonArray flux = QJsonDocument::fromJson(
        outil(QStringLiteral("ffprobe"),
            {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-show_streams"),
                QStringLiteral("-of"), QStringLiteral("json"), fichier}))
                                .object()
                                .value(QStringLiteral("streams"))
                                .toArray();
    QStringList noms;
    for (const QJsonValue &valeur : flux)
        noms << valeur.toObject().value(QStringLiteral("codec_name")).toString();
    return noms;
}

} // namespace

class TestConversions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void publier_data();
    void publier();
    void verifierSansFfmpeg();

private:
    Execution lancer(const QStringList &arguments, const QString &cache, bool avecFfmpeg) const;
    QString publie(const QString &site, int jour) const;

    QTemporaryDir racine;
    QString echantillons;
    QString projet;
    QString siteAvec;
    QString siteCache;
    QString siteSans;
    QString siteOriginaux;
    QStringList sources;
};

Execution TestConversions::lancer(const QStringList &arguments, const QString &cache, bool avecFfmpeg) const
{
    QProcessEnvironment environnement;
    environnement.insert(QStringLiteral("HOME"), racine.path());
    environnement.insert(QStringLiteral("XDG_CACHE_HOME"), cache);
    environnement.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    // A PATH that leads nowhere stands for a machine without ffmpeg.
    environnement.insert(QStringLiteral("PATH"),
        avecFfmpeg ? qEnvironmentVariable("PATH") : racine.filePath(QStringLiteral("rien")));
    for (const QString &nom : QProcessEnvironment::systemEnvironment().keys()) {
        if (nom.startsWith(QLatin1String("ASAN_")) || nom.startsWith(QLatin1String("LSAN_"))
            || nom.startsWith(QLatin1String("UBSAN_")))
            environnement.insert(nom, qEnvironmentVariable(nom.toLatin1().constData()));
    }
    QProcess processus;
    processus.setProcessEnvironment(environnement);
    processus.start(QStringLiteral(BINAIRE_TINSELBOX), arguments);
    Execution execution;
    if (!processus.waitForFinished(240000))
        return execution;
    execution.code = processus.exitStatus() == QProcess::NormalExit ? processus.exitCode() : -1;
    execution.sortie = QString::fromUtf8(processus.readAllStandardOutput());
    execution.erreurs = QString::fromUtf8(processus.readAllStandardError());
    return execution;
}

// The one published file of a day, whatever its extension.
QString TestConversions::publie(const QString &site, int jour) const
{
    const QStringList trouves =
        QDir(site + QStringLiteral("/data"))
            .entryList({getHash(QString::number(jour), QStringLiteral("Essai")) + ".*"});
    return trouves.size() == 1 ? site + QStringLiteral("/data/") + trouves.first() : QString();
}

void TestConversions::initTestCase()
{
    for (const char *programme : {"ffmpeg", "ffprobe", "heif-enc", "exiftool"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(programme)).isEmpty())
            QSKIP(qPrintable(QStringLiteral("%1 is not installed").arg(programme)));
    }
    QVERIFY(racine.isValid());
    echantillons = racine.filePath(QStringLiteral("echantillons"));
    QVERIFY(QDir().mkpath(echantillons));
    QVERIFY(QDir().mkpath(racine.filePath(QStringLiteral("rien"))));

    const QString ffmpeg = QStringLiteral("ffmpeg");
    const QStringList image{QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-f"),
        QStringLiteral("lavfi"), QStringLiteral("-i")};
    const QStringList film{QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-f"),
        QStringLiteral("lavfi"), QStringLiteral("-i"),
        QStringLiteral("testsrc2=size=640x360:rate=25:duration=2"), QStringLiteral("-f"),
        QStringLiteral("lavfi"), QStringLiteral("-i"), QStringLiteral("sine=frequency=440:duration=2")};
    const QList<QPair<QString, QStringList>> commandes{
        // A phone photo held sideways: 1200 × 800 as stored, turned by its EXIF tag.
        {ffmpeg, image + QStringList{"testsrc2=size=1200x800", "-frames:v", "1", "photo.jpg"}},
        {QStringLiteral("exiftool"),
            {"-q", "-overwrite_original", "-n", "-Orientation=6", "-GPSLatitude=48.8584", "-GPSLatitudeRef=N",
                "-GPSLongitude=2.2945", "-GPSLongitudeRef=E", "photo.jpg"}},
        {ffmpeg, image + QStringList{"testsrc2=size=640x480", "-frames:v", "1", "source.png"}},
        {QStringLiteral("heif-enc"), {"-q", "50", "source.png", "-o", "photo.heic"}},
        // Wider than 2560: converted, and its transparency must survive.
        {ffmpeg,
            image + QStringList{"color=c=red@0.5:size=3000x100,format=rgba", "-frames:v", "1", "calque.png"}},
        {ffmpeg, image + QStringList{"testsrc2=size=64x48:rate=5:duration=1", "anime.gif"}},
        {ffmpeg,
            film
                + QStringList{"-c:v", "libx265", "-x265-params", "log-level=error", "-tag:v", "hvc1", "-c:a",
                    "aac", "hevc.mov"}},
        {ffmpeg, film + QStringList{"-c:v", "mpeg4", "-c:a", "mp3", "film.avi"}},
        // H.264 and AAC, its index at the end and a place in its tags.
        {ffmpeg,
            film
                + QStringList{"-c:v", "libx264", "-pix_fmt", "yuv420p", "-c:a", "aac", "-metadata",
                    "location=+48.8584+002.2945/", "telephone.mp4"}},
        {ffmpeg, QStringList{"-v", "error", "-f", "lavfi", "-i", "sine=frequency=440:duration=2", "son.wav"}},
    };
    for (const auto &commande : commandes)
        QVERIFY2(!outil(commande.first, commande.second, echantillons).isNull(),
            qPrintable(commande.second.join(QLatin1Char(' '))));

    const QStringList jours{QStringLiteral("image:photo.jpg"), QStringLiteral("image:photo.heic"),
        QStringLiteral("image:calque.png"), QStringLiteral("image:anime.gif"),
        QStringLiteral("video:hevc.mov"), QStringLiteral("video:film.avi"),
        QStringLiteral("video:telephone.mp4"), QStringLiteral("son:son.wav")};
    QByteArray xml("<tinselbox nom=\"Essai\" version=\"1\">\n");
    for (int i = 0; i < jours.size(); ++i) {
        const QStringList parties = jours.at(i).split(QLatin1Char(':'));
        sources << echantillons + QLatin1Char('/') + parties.at(1);
        xml += QStringLiteral(" <jour numero=\"%1\"><%2 url=\"%3/%4\"/></jour>\n")
                   .arg(i + 1)
                   .arg(parties.at(0), echantillons, parties.at(1))
                   .toUtf8();
    }
    projet = racine.filePath(QStringLiteral("essai.xml"));
    QVERIFY(ecrire(projet, xml + "</tinselbox>\n"));
    const QString projetOriginaux = racine.filePath(QStringLiteral("originaux.xml"));
    QVERIFY(ecrire(
        projetOriginaux, xml.replace("version=\"1\">", "version=\"1\" originaux=\"1\">") + "</tinselbox>\n"));

    const QString cache = racine.filePath(QStringLiteral("cache"));
    siteAvec = racine.filePath(QStringLiteral("avec"));
    const Execution avec = lancer({QStringLiteral("--generate"), projet, siteAvec}, cache, true);
    QVERIFY2(avec.code == 0, qPrintable(avec.erreurs));
    QCOMPARE(avec.erreurs.count(QStringLiteral("Converted day")), 8);
    // Nothing is converted again: without ffmpeg, the cache alone gives the same site.
    siteCache = racine.filePath(QStringLiteral("cache-seul"));
    const Execution seconde = lancer({QStringLiteral("--generate"), projet, siteCache}, cache, false);
    QVERIFY2(seconde.code == 0, qPrintable(seconde.erreurs));
    siteSans = racine.filePath(QStringLiteral("sans"));
    const Execution sans = lancer({QStringLiteral("--generate"), projet, siteSans},
        racine.filePath(QStringLiteral("cache-vide")), false);
    QVERIFY2(sans.code == 0, qPrintable(sans.erreurs));
    siteOriginaux = racine.filePath(QStringLiteral("originaux"));
    const Execution originaux = lancer({QStringLiteral("--generate"), projetOriginaux, siteOriginaux},
        racine.filePath(QStringLiteral("cache-originaux")), true);
    QVERIFY2(originaux.code == 0, qPrintable(originaux.erreurs));
}

void TestConversions::publier_data()
{
    QTest::addColumn<int>("jour");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QSize>("taille");
    QTest::addColumn<QStringList>("flux");
    QTest::addColumn<QString>("extensionSansFfmpeg");
    QTest::addColumn<QString>("extensionOriginale");

    const QStringList aucun;
    const QStringList h264Aac{QStringLiteral("h264"), QStringLiteral("aac")};
    QTest::newRow("rotated JPEG with GPS") << 1 << "jpg" << QSize(800, 1200) << aucun << "jpg"
                                           << "jpg";
    QTest::newRow("HEIC") << 2 << "jpg" << QSize(640, 480) << aucun << "jpg"
                          << "heic";
    QTest::newRow("wide transparent PNG") << 3 << "png" << QSize(2560, 85) << aucun << "png"
                                          << "png";
    QTest::newRow("animated GIF") << 4 << "gif" << QSize(64, 48) << aucun << "gif"
                                  << "gif";
    QTest::newRow("HEVC MOV") << 5 << "mp4" << QSize() << h264Aac << "mov"
                              << "mov";
    QTest::newRow("AVI") << 6 << "mp4" << QSize() << h264Aac << "avi"
                         << "avi";
    QTest::newRow("H.264 MP4, index last, located") << 7 << "mp4" << QSize() << h264Aac << "mp4"
                                                    << "mp4";
    QTest::newRow("WAV") << 8 << "m4a" << QSize() << QStringList{QStringLiteral("aac")} << "wav"
                         << "wav";
}

void TestConversions::publier()
{
    QFETCH(int, jour);
    QFETCH(QString, extension);
    QFETCH(QSize, taille);
    QFETCH(QStringList, flux);
    QFETCH(QString, extensionSansFfmpeg);
    QFETCH(QString, extensionOriginale);

    const QString fichier = publie(siteAvec, jour);
    QCOMPARE(QFileInfo(fichier).suffix(), extension);
    // The page's lines name the file under its published name.
    const QString nom = QFileInfo(fichier).fileName();
    QVERIFY(lire(siteAvec + QStringLiteral("/scripts/collectionPhotos.js")).contains(nom.toUtf8())
        || lire(siteAvec + QStringLiteral("/scripts/collectionSons.js")).contains(nom.toUtf8())
        || lire(siteAvec + QStringLiteral("/scripts/collectionVideos.js")).contains(nom.toUtf8()));
    const QString tags = etiquettes(fichier);
    QVERIFY(!tags.isEmpty());
    QVERIFY2(!tags.contains(QStringLiteral("gps")) && !tags.contains(QStringLiteral("location")),
        qPrintable(tags));
    if (taille.isValid()) {
        QImageReader lecteur(fichier);
        lecteur.setAutoTransform(true);
        const QImage image = lecteur.read();
        QCOMPARE(image.size(), taille);
        if (extension == QLatin1String("png"))
            QVERIFY(qAbs(qAlpha(image.pixel(10, 10)) - 128) <= 2);
        if (extension == QLatin1String("jpg"))
            QVERIFY2(tags.contains(QStringLiteral("progressive")), qPrintable(tags));
    } else {
        QCOMPARE(codecs(fichier), flux);
        // The index comes before the data, so playback starts before the download ends.
        const QByteArray octets = lire(fichier);
        QVERIFY(octets.indexOf("moov") < octets.indexOf("mdat"));
    }
    QCOMPARE(lire(publie(siteCache, jour)), lire(fichier));

    // Without ffmpeg pictures are still converted; sounds and videos go as they are.
    const QString sans = publie(siteSans, jour);
    QCOMPARE(QFileInfo(sans).suffix(), extensionSansFfmpeg);
    if (!taille.isValid())
        QCOMPARE(lire(sans), lire(sources.at(jour - 1)));

    // "Publish files exactly as chosen": byte for byte, under the name of what they are.
    const QString original = publie(siteOriginaux, jour);
    QCOMPARE(QFileInfo(original).suffix(), extensionOriginale);
    QCOMPARE(lire(original), lire(sources.at(jour - 1)));
}

void TestConversions::verifierSansFfmpeg()
{
    const Execution verification =
        lancer({QStringLiteral("--check"), projet}, racine.filePath(QStringLiteral("cache-vide")), false);
    QCOMPARE(verification.code, 0);
    const QStringList avertis =
        verification.sortie.split(QLatin1Char('\n'))
            .filter(QStringLiteral("will not play in every browser; installing ffmpeg"));
    QCOMPARE(avertis.size(), 3);
    QVERIFY(avertis.at(0).startsWith(QStringLiteral("Day 5: ")));
    QVERIFY(avertis.at(1).startsWith(QStringLiteral("Day 6: ")));
    QVERIFY(avertis.at(2).startsWith(QStringLiteral("Day 8: ")));
}

QTEST_GUILESS_MAIN(TestConversions)
#include "tst_conversions.moc"
