#include "bureau/formatdates.h"
#include "conversion/fabriquevignettes.h"
#include "fenetres/boutonjour.h"
#include "fenetres/tuilesjours.h"
#include "modele/calendrier.h"
#include "modele/datesjours.h"
#include "modele/image.h"
#include "modele/message.h"
#include "modele/son.h"
#include "modele/video.h"

#include <QBuffer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A JPEG whose pixels lie on their side, with the EXIF orientation that turns it upright.
QByteArray jpegCouche(const QSize &taille, const QColor &couleur)
{
    QImage image(taille, QImage::Format_RGB32);
    image.fill(couleur);
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    image.save(&tampon, "JPEG");
    // Big-endian TIFF with one entry: orientation (0x0112) = 6, turn 90 degrees clockwise.
    const QByteArray tiff("MM\0\x2a\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01\0\x06\0\0\0\0\0\0", 26);
    const QByteArray exif = QByteArray("Exif\0\0", 6) + tiff;
    QByteArray segment("\xFF\xE1", 2);
    segment.append(char((exif.size() + 2) >> 8)).append(char((exif.size() + 2) & 0xFF)).append(exif);
    return octets.left(2) + segment + octets.mid(2);
}

// One second of silence, 8 kHz mono 16 bits.
QByteArray wavUneSeconde()
{
    const quint32 donnees = 16000;
    QByteArray octets("RIFF", 4);
    const auto mot = [&octets](quint32 valeur, int taille) {
        for (int i = 0; i < taille; ++i)
            octets.append(char((valeur >> (8 * i)) & 0xFF));
    };
    mot(36 + donnees, 4);
    octets.append("WAVEfmt ", 8);
    mot(16, 4);
    mot(1, 2);
    mot(1, 2);
    mot(8000, 4);
    mot(16000, 4);
    mot(2, 2);
    mot(16, 2);
    octets.append("data", 4);
    mot(donnees, 4);
    return octets + QByteArray(int(donnees), '\0');
}

bool ecrireOctets(const QString &chemin, const QByteArray &octets)
{
    QFile fichier(chemin);
    return fichier.open(QIODevice::WriteOnly) && fichier.write(octets) == octets.size();
}

bool avecFfmpeg()
{
    return !QStandardPaths::findExecutable(QStringLiteral("ffmpeg")).isEmpty()
        && !QStandardPaths::findExecutable(QStringLiteral("ffprobe")).isEmpty();
}

} // namespace

class TestTuilesJours : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void vignettesParGenre();
    void vignetteSuitLeFichier();
    void dates_data();
    void dates();
    void premierJour_data();
    void premierJour();

private:
    QTemporaryDir repertoire;
};

void TestTuilesJours::initTestCase()
{
    QVERIFY(repertoire.isValid());
}

void TestTuilesJours::vignettesParGenre()
{
    const QString photo = repertoire.filePath("couchee.jpg");
    QVERIFY(ecrireOctets(photo, jpegCouche(QSize(800, 400), QColor(200, 30, 30))));
    const QString son = repertoire.filePath("chant.wav");
    QVERIFY(ecrireOctets(son, wavUneSeconde()));
    const QString video = repertoire.filePath("neige.mp4");
    if (avecFfmpeg()) {
        QProcess ffmpeg;
        ffmpeg.start(QStringLiteral("ffmpeg"),
            {"-nostdin", "-loglevel", "error", "-f", "lavfi", "-i",
                "testsrc2=size=320x180:rate=10:duration=2", "-pix_fmt", "yuv420p", video});
        QVERIFY(ffmpeg.waitForFinished(60000) && ffmpeg.exitCode() == 0);
    }

    Calendrier calendrier("Tuiles");
    OptionsCalendrier cinqJours;
    cinqJours.jours = 5;
    calendrier.setOptions(cinqJours);
    calendrier.ajouterMedia(1, new Image(photo));
    calendrier.ajouterMedia(2, new Son(son));
    calendrier.ajouterMedia(3, new Video(video));
    calendrier.ajouterMedia(4, new Message("Milk, carrots and a sledge for the garden"));
    calendrier.ajouterMedia(5, new Image(repertoire.filePath("partie.jpg")));

    QVector<QPointer<BoutonJour>> tuiles;
    std::vector<std::unique_ptr<BoutonJour>> proprietaires;
    for (int jour = 1; jour <= 5; ++jour) {
        proprietaires.emplace_back(new BoutonJour(nullptr));
        proprietaires.back()->setNumeroJour(jour);
        proprietaires.back()->resize(140, 90);
        tuiles.append(proprietaires.back().get());
    }
    TuilesJours remplissage(nullptr, tuiles);
    remplissage.remplir(&calendrier, {{5, repertoire.filePath("partie.jpg")}});
    QTRY_VERIFY_WITH_TIMEOUT(!remplissage.getFabrique().occupee(), 30000);

    // The photo, upright: its EXIF turns the 800 x 400 pixels into a portrait.
    const QImage vignette = tuiles[0]->getVignette();
    QVERIFY(!vignette.isNull());
    QCOMPARE(vignette.size(), QSize(FabriqueVignettes::COTE / 2, FabriqueVignettes::COTE));
    const QColor milieu = vignette.pixelColor(vignette.width() / 2, vignette.height() / 2);
    QVERIFY(qAbs(milieu.red() - 200) < 12 && milieu.green() < 45);
    // The tile paints it untinted between the kind's bands.
    const QImage rendu = tuiles[0]->grab().toImage();
    const QColor peint = rendu.pixelColor(rendu.width() / 2, rendu.height() / 2);
    QVERIFY2(qAbs(peint.red() - 200) < 12 && peint.green() < 45, qPrintable(peint.name()));
    QCOMPARE(rendu.pixelColor(rendu.width() - 1, rendu.height() - 1), tuiles[0]->getColorType());

    // No picture for a sound, a note and its length; a message's first words.
    QVERIFY(tuiles[1]->getVignette().isNull());
    if (avecFfmpeg()) {
        QCOMPARE(BoutonJour::texteDuree(1000), QStringLiteral("0:01"));
        QVERIFY(!tuiles[2]->getVignette().isNull());
        QCOMPARE(tuiles[2]->getVignette().width(), FabriqueVignettes::COTE);
    }
    QVERIFY(tuiles[3]->getLegende().startsWith(QStringLiteral("Milk, carrots")));

    // A missing file keeps its mark and no picture, and says so to a screen reader.
    QVERIFY(tuiles[4]->estIntrouvable());
    QVERIFY(tuiles[4]->getVignette().isNull());
    QVERIFY(tuiles[4]->accessibleName().startsWith(QStringLiteral("Day 5: partie.jpg")));
    QVERIFY(tuiles[4]->accessibleName().contains(QStringLiteral("missing")));
    QVERIFY(tuiles[1]->accessibleName().startsWith(QStringLiteral("Day 2: chant.wav")));
}

void TestTuilesJours::vignetteSuitLeFichier()
{
    // A file replaced under the same name gets a new thumbnail, from memory nor disk.
    QTemporaryDir cache;
    const QString chemin = repertoire.filePath("change.png");
    QImage image(QSize(64, 48), QImage::Format_RGB32);
    image.fill(Qt::red);
    QVERIFY(image.save(chemin));
    {
        FabriqueVignettes fabrique(nullptr, cache.path());
        fabrique.vignette(chemin, Media::PHOTO);
        QTRY_VERIFY(!fabrique.occupee());
        QCOMPARE(fabrique.vignette(chemin, Media::PHOTO).image.pixelColor(5, 5), QColor(Qt::red));
    }
    image.fill(Qt::blue);
    QVERIFY(image.save(chemin));
    QFile(chemin).setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime);
    {
        FabriqueVignettes fabrique(nullptr, cache.path());
        QVERIFY(fabrique.vignette(chemin, Media::PHOTO).image.isNull());
        QTRY_VERIFY(!fabrique.occupee());
        QCOMPARE(fabrique.vignette(chemin, Media::PHOTO).image.pixelColor(5, 5), QColor(Qt::blue));
    }

    // A picture trimmed from the disk (its length's line left) is made again, not lost.
    for (const QFileInfo &fichier : QDir(cache.path()).entryInfoList({QStringLiteral("*.png")}, QDir::Files))
        QVERIFY(QFile::remove(fichier.filePath()));
    FabriqueVignettes fabrique(nullptr, cache.path());
    fabrique.vignette(chemin, Media::PHOTO);
    QTRY_VERIFY(!fabrique.occupee());
    QCOMPARE(fabrique.vignette(chemin, Media::PHOTO).image.pixelColor(5, 5), QColor(Qt::blue));
    // The disk's share is bounded: over the limit, the oldest go.
    fabrique.limiter(0);
    QVERIFY(QDir(cache.path()).isEmpty());
}

void TestTuilesJours::dates_data()
{
    QTest::addColumn<QString>("langue");
    QTest::addColumn<QString>("tuile");
    QTest::addColumn<QString>("jourMois");
    QTest::newRow("German") << "de_DE" << QStringLiteral("Mo., 1. Dez.") << QStringLiteral("1. Dezember");
    QTest::newRow("American English")
        << "en_US" << QStringLiteral("Mon, Dec 1") << QStringLiteral("December 1");
    QTest::newRow("Spanish") << "es_ES" << QStringLiteral("lun, 1 de dic")
                             << QStringLiteral("1 de diciembre");
}

void TestTuilesJours::dates()
{
    QFETCH(QString, langue);
    QFETCH(QString, tuile);
    QFETCH(QString, jourMois);
    const QLocale locale(langue);
    const QDate date(2025, 12, 1);
    QCOMPARE(FormatDates::court(date, locale), tuile);
    QCOMPARE(locale.toString(date, FormatDates::motif(locale, false, false, false)), jourMois);

    // The tiles of a dated calendar carry theirs, today's marked.
    QLocale::setDefault(locale);
    Calendrier calendrier("Dates");
    const QDate aujourdhui = DatesJours::aujourdhui(calendrier);
    OptionsCalendrier options;
    options.debut = aujourdhui.addDays(-2).toString(Qt::ISODate);
    options.jours = 4;
    calendrier.setOptions(options);
    QVector<QPointer<BoutonJour>> tuiles;
    std::vector<std::unique_ptr<BoutonJour>> proprietaires;
    for (int jour = 1; jour <= 4; ++jour) {
        proprietaires.emplace_back(new BoutonJour(nullptr));
        proprietaires.back()->setNumeroJour(jour);
        tuiles.append(proprietaires.back().get());
    }
    TuilesJours(nullptr, tuiles).remplir(&calendrier, {});
    QLocale::setDefault(QLocale::c());
    for (int jour = 1; jour <= 4; ++jour) {
        QCOMPARE(tuiles[jour - 1]->getDate(), FormatDates::court(aujourdhui.addDays(jour - 3), locale));
        QCOMPARE(tuiles[jour - 1]->estAujourdhui(), jour == 3);
        QVERIFY(tuiles[jour - 1]->accessibleName().contains(
            locale.toString(aujourdhui.addDays(jour - 3), QLocale::LongFormat)));
    }
}

void TestTuilesJours::premierJour_data()
{
    QTest::addColumn<QString>("debut");
    QTest::addColumn<QDate>("aujourdhui");
    QTest::addColumn<QDate>("attendu");
    const QDate noel(2026, 12, 25);
    QTest::newRow("once") << "2026-12-01" << noel << QDate(2026, 12, 1);
    QTest::newRow("yearly, under way") << "12-01" << QDate(2026, 12, 20) << QDate(2026, 12, 1);
    QTest::newRow("yearly, the day after its last") << "12-01" << noel << QDate(2027, 12, 1);
    QTest::newRow("yearly, still under way in January")
        << "12-20" << QDate(2027, 1, 5) << QDate(2026, 12, 20);
    QTest::newRow("yearly, to come") << "12-01" << QDate(2026, 11, 2) << QDate(2026, 12, 1);
    QTest::newRow("yearly, over: next year's") << "11-01" << noel << QDate(2027, 11, 1);
    QTest::newRow("29 February in another year") << "02-29" << QDate(2027, 2, 1) << QDate(2027, 3, 1);
    QTest::newRow("days of the month") << "" << noel << QDate();
    QTest::newRow("no such month") << "13-01" << noel << QDate();
}

void TestTuilesJours::premierJour()
{
    QFETCH(QString, debut);
    QFETCH(QDate, aujourdhui);
    QFETCH(QDate, attendu);
    QCOMPARE(DatesJours::premierJour(debut, 24, aujourdhui), attendu);
}

QTEST_MAIN(TestTuilesJours)
#include "tst_tuilesjours.moc"
