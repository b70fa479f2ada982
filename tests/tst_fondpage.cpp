#include "conversion/convertisseurimage.h"
#include "site/fondpage.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A JPEG of `image` carrying an EXIF block whose only tag is the orientation `orientation`.
QByteArray jpegAvecOrientation(const QImage &image, int orientation)
{
    QByteArray jpeg;
    QBuffer tampon(&jpeg);
    tampon.open(QIODevice::WriteOnly);
    if (!image.save(&tampon, "JPEG", 95))
        return {};
    const QByteArray tiff = QByteArray("MM\0\x2a\0\0\0\x08", 8) + QByteArray("\0\x01", 2)
        + QByteArray("\x01\x12\0\x03\0\0\0\x01\0", 9) + char(orientation) + QByteArray(2, '\0')
        + QByteArray(4, '\0');
    const QByteArray charge = QByteArray("Exif\0\0", 6) + tiff;
    const int longueur = charge.size() + 2;
    const QByteArray app1 = QByteArray("\xFF\xE1", 2) + char(longueur >> 8) + char(longueur & 0xFF) + charge;
    return jpeg.left(2) + app1 + jpeg.mid(2);
}

// The colour of a crop's pixel, without JPEG's small drifts: the nearest of red, green, blue.
QString teinte(const QImage &image, QPoint const &point)
{
    const QColor c = image.pixelColor(point);
    if (c.red() > c.green() && c.red() > c.blue())
        return QStringLiteral("red");
    return c.green() > c.blue() ? QStringLiteral("green") : QStringLiteral("blue");
}

} // namespace

class TestFondPage : public QObject
{
    Q_OBJECT

    QTemporaryDir temp;

private slots:
    void initTestCase()
    {
        QVERIFY(temp.isValid());
    }

    // A camera's 12-megapixel pictures (and a small one) become two crops that cover
    // portrait and landscape screens, never over 300 KB, upright and without metadata.
    void deuxRecadrages_data()
    {
        QTest::addColumn<QString>("genre");
        QTest::addColumn<QPointF>("foyer");
        QTest::addColumn<QSize>("portrait");
        QTest::addColumn<QSize>("paysage");
        // The colour at the portrait crop's centre.
        QTest::addColumn<QString>("milieu");

        const QSize pleinPortrait(FondPage::LARGEUR_PORTRAIT, FondPage::HAUTEUR_PORTRAIT);
        const QSize pleinPaysage(FondPage::LARGEUR_PAYSAGE, FondPage::HAUTEUR_PAYSAGE);
        // Thirds red, green, blue from left to right.
        QTest::newRow("12 MP bands, centred")
            << "bandes" << QPointF(0.5, 0.5) << pleinPortrait << pleinPaysage << "green";
        QTest::newRow("12 MP bands, focus on the left")
            << "bandes" << QPointF(0.0, 0.5) << pleinPortrait << pleinPaysage << "red";
        QTest::newRow("12 MP bands, focus past the right edge")
            << "bandes" << QPointF(1.4, 0.5) << pleinPortrait << pleinPaysage << "blue";
        // Random pixels: JPEG's worst case, which only a smaller size brings under the limit.
        QTest::newRow("12 MP noise") << "bruit" << QPointF(0.5, 0.5) << QSize() << QSize() << QString();
        // Stored on its side, top half red: upright, that half is on the right.
        QTest::newRow("12 MP turned by its EXIF tag")
            << "tournee" << QPointF(0.0, 0.5) << pleinPortrait << pleinPaysage << "blue";
        QTest::newRow("small picture is not enlarged")
            << "petite" << QPointF(0.5, 0.5) << QSize(277, 600) << QSize(800, 450) << "green";
    }
    void deuxRecadrages()
    {
        QFETCH(QString, genre);
        QFETCH(QPointF, foyer);
        QFETCH(QSize, portrait);
        QFETCH(QSize, paysage);
        QFETCH(QString, milieu);

        QImage image(
            genre == QLatin1String("petite") ? QSize(800, 600) : QSize(4000, 3000), QImage::Format_RGB32);
        QByteArray fichier;
        if (genre == QLatin1String("bruit")) {
            QRandomGenerator hasard(12);
            for (int y = 0; y < image.height(); ++y) {
                auto *ligne = reinterpret_cast<quint32 *>(image.scanLine(y));
                for (int x = 0; x < image.width(); ++x)
                    ligne[x] = 0xFF000000u | (hasard.generate() & 0xFFFFFFu);
            }
        } else if (genre == QLatin1String("tournee")) {
            image.fill(Qt::blue);
            QPainter(&image).fillRect(0, 0, image.width(), image.height() / 2, Qt::red);
        } else {
            QPainter peintre(&image);
            const int tiers = image.width() / 3;
            peintre.fillRect(0, 0, tiers, image.height(), Qt::red);
            peintre.fillRect(tiers, 0, tiers, image.height(), Qt::green);
            peintre.fillRect(2 * tiers, 0, image.width() - 2 * tiers, image.height(), Qt::blue);
        }
        fichier = jpegAvecOrientation(image, genre == QLatin1String("tournee") ? 6 : 1);
        QVERIFY(!fichier.isEmpty());
        const QString source = temp.filePath(genre + QStringLiteral(".jpg"));
        QFile ecriture(source);
        QVERIFY(ecriture.open(QIODevice::WriteOnly));
        QCOMPARE(ecriture.write(fichier), qint64(fichier.size()));
        ecriture.close();
        QVERIFY(ConvertisseurImage::porteDesMetadonnees(source));

        const QString media = temp.filePath(QString::fromLatin1(QTest::currentDataTag()).replace(' ', '-'));
        QVERIFY(QDir().mkpath(media));
        const Resultat resultat = FondPage::publier(source, media, foyer);
        QVERIFY2(resultat.estReussi(), qPrintable(resultat.getMessage()));

        const struct {
            QString nom;
            QSize attendue;
            QSize forme;
        } recadrages[] = {
            {FondPage::FICHIER_PORTRAIT, portrait,
                QSize(FondPage::LARGEUR_PORTRAIT, FondPage::HAUTEUR_PORTRAIT)},
            {FondPage::FICHIER_PAYSAGE, paysage, QSize(FondPage::LARGEUR_PAYSAGE, FondPage::HAUTEUR_PAYSAGE)},
        };
        for (const auto &recadrage : recadrages) {
            const QString chemin = media + QLatin1Char('/') + recadrage.nom;
            const QFileInfo info(chemin);
            QVERIFY2(info.size() > 0 && info.size() <= FondPage::TAILLE_MAX,
                qPrintable(QStringLiteral("%1: %2 bytes").arg(recadrage.nom).arg(info.size())));
            QVERIFY(!ConvertisseurImage::porteDesMetadonnees(chemin));
            const QImage lue(chemin);
            QVERIFY(!lue.isNull());
            if (recadrage.attendue.isValid())
                QCOMPARE(lue.size(), recadrage.attendue);
            // Whatever its size, a crop has the shape of the screens it covers.
            QVERIFY(qAbs(double(lue.width()) / lue.height()
                        - double(recadrage.forme.width()) / recadrage.forme.height())
                < 0.01);
            qInfo().noquote() << QTest::currentDataTag() << recadrage.nom << lue.width() << "x"
                              << lue.height() << info.size() << "bytes";
            if (!milieu.isEmpty() && recadrage.nom == FondPage::FICHIER_PORTRAIT)
                QCOMPARE(teinte(lue, QPoint(lue.width() / 2, lue.height() / 2)), milieu);
        }
    }

    void illisible()
    {
        const QString source = temp.filePath(QStringLiteral("pas-une-image.jpg"));
        QFile fichier(source);
        QVERIFY(fichier.open(QIODevice::WriteOnly));
        fichier.write("not a picture");
        fichier.close();
        const Resultat resultat = FondPage::publier(source, temp.path());
        QVERIFY(!resultat.estReussi());
        QVERIFY(resultat.getMessage().contains(QLatin1String("pas-une-image.jpg")));
        QVERIFY(!QFileInfo::exists(temp.filePath(FondPage::FICHIER_PORTRAIT)));
    }
};

QTEST_GUILESS_MAIN(TestFondPage)
#include "tst_fondpage.moc"
