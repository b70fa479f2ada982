#include "fenetres/boutonjour.h"
#include "modele/genremedia.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QtTest>

namespace {

/// A tile that counts its paint events, to see when a change schedules a repaint.
class BoutonCompteur : public BoutonJour
{
public:
    explicit BoutonCompteur(QWidget *parent) : BoutonJour(parent) {}
    int peintures = 0;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        ++peintures;
        BoutonJour::paintEvent(event);
    }
};

QImage rendu(BoutonJour &bouton)
{
    return bouton.grab().toImage();
}

/// Whether the band of rows [haut, bas) holds a pixel other than `fond`.
bool bandeMarquee(const QImage &image, int haut, int bas, QColor fond)
{
    for (int y = haut; y < bas; ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != fond)
                return true;
    return false;
}

} // namespace

class TestBoutonJour : public QObject
{
    Q_OBJECT

private slots:
    void etatInitial();
    void raccourcir_data();
    void raccourcir();
    void legende_data();
    void legende();
    void legendeJourVide();
    void initGardeLeNumero();
    void peintureFond_data();
    void peintureFond();
    void peintureZones();
    void changementRedessine_data();
    void changementRedessine();
    void zonesSansChevauchement_data();
    void zonesSansChevauchement();
    void legendeSelonLargeur();
};

void TestBoutonJour::etatInitial()
{
    BoutonJour bouton(nullptr);
    QCOMPARE(bouton.getNumeroJour(), 0);
    QCOMPARE(bouton.getType(), Media::AUCUN);
    QCOMPARE(bouton.getStringType(), QString());
    QCOMPARE(bouton.getColorType(), QColor(255, 255, 255));
    QCOMPARE(bouton.getNomMedia(), QStringLiteral("Click to add ..."));
    QCOMPARE(bouton.text(), QString());
    QCOMPARE(bouton.sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
    QCOMPARE(bouton.sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
    QCOMPARE(bouton.minimumSize(), QSize(100, 65));
    QVERIFY(bouton.testAttribute(Qt::WA_StaticContents));
}

void TestBoutonJour::raccourcir_data()
{
    QTest::addColumn<QString>("texte");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("attendu");

    QTest::newRow("empty") << "" << 13 << "";
    QTest::newRow("12 characters, below the limit") << "abcdefghijkl" << 13 << "abcdefghijkl";
    QTest::newRow("13 characters, at the limit") << "abcdefghijklm" << 13 << "abcdefghijklm\n...";
    QTest::newRow("14 characters lose the last") << "abcdefghijklmn" << 13 << "abcdefghijklm\n...";
    QTest::newRow("16 characters (n + 3)") << "abcdefghijklmnop" << 13 << "abcdefghijklm\n...";
    QTest::newRow("17 characters show the last") << "abcdefghijklmnopq" << 13 << "abcdefghijklm\n...q";
    QTest::newRow("28 characters show the last 10")
        << "abcdefghijklm-0123456789.png" << 13 << "abcdefghijklm\n...456789.png";
    QTest::newRow("long, second line capped at n")
        << QString(20, 'a') + QString(20, 'b') << 13 << QString(13, 'a') + "\n..." + QString(10, 'b');
    QTest::newRow("other limit") << "abcdefgh" << 5 << "abcde\n...";
}

void TestBoutonJour::raccourcir()
{
    QFETCH(QString, texte);
    QFETCH(int, n);
    QFETCH(QString, attendu);

    const QString resultat = ::raccourcir(texte, n);
    QCOMPARE(resultat, attendu);
    // Neither line is ever wider than the limit.
    const QStringList lignes = resultat.split('\n');
    for (const QString &ligne : lignes)
        QVERIFY(ligne.length() <= n);
}

void TestBoutonJour::legende_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("attendu");

    QTest::newRow("short location shown whole") << "/tmp/a/b.png"
                                                << "/tmp/a/b.png";
    QTest::newRow("13 characters shown whole") << "/home/x/a.png"
                                               << "/home/x/a.png";
    QTest::newRow("long location, short file name") << "/home/alice/Pictures/tree.jpg"
                                                    << "tree.jpg";
    QTest::newRow("file name of exactly 13") << "/home/alice/abcdefghi.png"
                                             << "abcdefghi.png\n...";
    QTest::newRow("file name of 14 loses one") << "/home/alice/abcdefghij.png"
                                               << "abcdefghij.pn\n...";
    QTest::newRow("long file name") << "/home/alice/Pictures/christmas-market-2026.jpg"
                                    << "christmas-mar\n...-2026.jpg";
    QTest::newRow("ends with a slash") << "/home/alice/Pictures/"
                                       << "";
    QTest::newRow("backslash is an ordinary character") << "C:\\Users\\alice\\tree.jpg"
                                                        << "C:\\Users\\alic\n...ree.jpg";
    QTest::newRow("no separator") << "a-very-long-file-name.ogg"
                                  << "a-very-long-f\n...-name.ogg";
}

void TestBoutonJour::legende()
{
    QFETCH(QString, url);
    QFETCH(QString, attendu);

    BoutonJour bouton(nullptr);
    bouton.setType(Media::PHOTO);
    bouton.setNomMedia(url);
    QCOMPARE(bouton.getNomMedia(), attendu);
    // A location is shown whether or not the tile is enabled.
    bouton.setEnabled(false);
    QCOMPARE(bouton.getNomMedia(), attendu);
}

void TestBoutonJour::legendeJourVide()
{
    BoutonJour bouton(nullptr);
    bouton.setType(Media::VIDEO);
    QCOMPARE(bouton.getNomMedia(), QStringLiteral("Click to add ..."));
    bouton.setEnabled(false);
    QCOMPARE(bouton.getNomMedia(), QString());
}

void TestBoutonJour::peintureFond_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("libelle");
    QTest::addColumn<QColor>("couleur");

    // Each kind's row of the media table, then values that have none: an empty white tile.
    for (const GenreMedia &genre : GenreMedia::tous())
        QTest::newRow(genre.libelle) << int(genre.type) << genre.libelleTraduit()
                                     << QColor(genre.couleurTuile);
    const QColor blanc(255, 255, 255);
    QTest::newRow("none") << int(Media::AUCUN) << "" << blanc;
    QTest::newRow("unknown, after the last kind") << int(GenreMedia::tous().size()) + 1 << "" << blanc;
    QTest::newRow("negative") << -1 << "" << blanc;
}

void TestBoutonJour::initGardeLeNumero()
{
    BoutonJour bouton(nullptr);
    bouton.setNumeroJour(7);
    bouton.setType(Media::MUSIQUE);
    bouton.setNomMedia("/home/alice/Music/bells.ogg");
    bouton.init();
    QCOMPARE(bouton.getNumeroJour(), 7);
    QCOMPARE(bouton.getType(), Media::AUCUN);
    QCOMPARE(bouton.getNomMedia(), QStringLiteral("Click to add ..."));
}

void TestBoutonJour::peintureFond()
{
    QFETCH(int, type);
    QFETCH(QString, libelle);
    QFETCH(QColor, couleur);

    BoutonJour bouton(nullptr);
    bouton.resize(100, 65);
    bouton.setNumeroJour(31);
    bouton.setType(static_cast<Media::TypeMedia>(type));
    bouton.setNomMedia("/home/alice/Pictures/a-long-file-name.png");
    QCOMPARE(bouton.getStringType(), libelle);
    const QImage image = rendu(bouton);
    QCOMPARE(image.size(), QSize(100, 65));
    // Corners stay clear of the number (top left) and of the centred texts.
    QCOMPARE(image.pixelColor(99, 0), couleur);
    QCOMPARE(image.pixelColor(99, 64), couleur);
    QCOMPARE(image.pixelColor(0, 64), couleur);
}

void TestBoutonJour::peintureZones()
{
    const QColor blanc(255, 255, 255);
    BoutonJour bouton(nullptr);
    bouton.resize(100, 65);
    bouton.setNumeroJour(7);

    // An enabled empty day invites a click in the caption zone; the type zone is bare.
    QImage image = rendu(bouton);
    QVERIFY(bandeMarquee(image, 0, 11, blanc));
    QVERIFY(bandeMarquee(image, 12, 52, blanc));
    QVERIFY(!bandeMarquee(image, 53, 65, blanc));

    // Disabled, only the day number remains.
    bouton.setEnabled(false);
    image = rendu(bouton);
    QVERIFY(bandeMarquee(image, 0, 11, blanc));
    QVERIFY(!bandeMarquee(image, 13, 65, blanc));

    // A kind writes its label along the bottom edge.
    bouton.setType(Media::PHOTO);
    image = rendu(bouton);
    QVERIFY(bandeMarquee(image, 53, 65, QColor(GenreMedia::pour(Media::PHOTO)->couleurTuile)));
}

void TestBoutonJour::changementRedessine_data()
{
    QTest::addColumn<int>("changement");
    QTest::newRow("setType") << 0;
    QTest::newRow("setNomMedia") << 1;
    QTest::newRow("setNumeroJour") << 2;
    QTest::newRow("init") << 3;
}

void TestBoutonJour::changementRedessine()
{
    QFETCH(int, changement);

    BoutonCompteur bouton(nullptr);
    bouton.setType(Media::PHOTO);
    bouton.setNomMedia("/a.png");
    bouton.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bouton));
    QTRY_VERIFY(bouton.peintures > 0);
    QTest::qWait(20);
    bouton.peintures = 0;

    switch (changement) {
    case 0:
        bouton.setType(Media::VIDEO);
        break;
    case 1:
        bouton.setNomMedia("/b.png");
        break;
    case 2:
        bouton.setNumeroJour(12);
        break;
    default:
        bouton.init();
        break;
    }
    // The tile must never keep showing the values it had before.
    QTRY_VERIFY(bouton.peintures > 0);
}

void TestBoutonJour::zonesSansChevauchement_data()
{
    QTest::addColumn<int>("points");
    QTest::addColumn<QSize>("taille");
    for (int points = 9; points <= 14; ++points) {
        QTest::addRow("%d pt, smallest tile", points) << points << QSize(100, 65);
        QTest::addRow("%d pt, maximised window", points) << points << QSize(260, 150);
    }
}

void TestBoutonJour::zonesSansChevauchement()
{
    QFETCH(int, points);
    QFETCH(QSize, taille);

    BoutonJour bouton(nullptr);
    QFont police(QStringLiteral("DejaVu Sans Mono"));
    police.setPointSize(points);
    bouton.setFont(police);
    bouton.resize(taille);

    const QRect tuile = bouton.rect();
    const QRect numero = bouton.zoneNumero();
    const QRect legende = bouton.zoneLegende();
    const QRect type = bouton.zoneType();
    for (const QRect &zone : {numero, legende, type})
        QVERIFY(tuile.contains(zone));
    QVERIFY(!legende.intersects(type));
    QVERIFY(!legende.intersects(numero));
    // Room for the two lines of a folded name and one more should a line wrap.
    const QFontMetrics mesures(bouton.police());
    QVERIFY(legende.height() >= 3 * mesures.height());
    QVERIFY(type.height() >= mesures.height());
    QVERIFY(numero.height() >= mesures.height());
    QVERIFY(mesures.horizontalAdvance(QStringLiteral("christmas-mar")) <= tuile.width());
    // The desktop's size is kept whenever the tile has room for it.
    if (taille.height() >= 150)
        QCOMPARE(QFontInfo(bouton.police()).pointSize(), points);
}

void TestBoutonJour::legendeSelonLargeur()
{
    const QString url = QStringLiteral("/home/alice/Pictures/christmas-market-lights-2026.jpg");
    BoutonJour bouton(nullptr);
    bouton.setFont(QFont(QStringLiteral("DejaVu Sans Mono"), 9));
    bouton.setNomMedia(url);
    QCOMPARE(bouton.toolTip(), url);

    // A wider tile shows more of the name, never less than 13 characters, always within it.
    int precedente = 0;
    for (int largeur : {100, 160, 220}) {
        bouton.resize(largeur, 65);
        const QStringList lignes = bouton.getLegende().split(QLatin1Char('\n'));
        QVERIFY(lignes.size() <= 2);
        QVERIFY(lignes.at(0).startsWith(QStringLiteral("christmas-mar")));
        QVERIFY(lignes.at(0).length() >= qMax(13, precedente));
        for (const QString &ligne : lignes)
            QVERIFY(QFontMetrics(bouton.police()).horizontalAdvance(ligne) <= largeur);
        precedente = lignes.at(0).length();
    }
    QVERIFY(precedente > 13);
    // As at the narrowest, a location that fits is shown whole, directories included.
    bouton.resize(600, 65);
    QCOMPARE(bouton.getLegende(), url);
}

QTEST_MAIN(TestBoutonJour)
#include "tst_boutonjour.moc"
