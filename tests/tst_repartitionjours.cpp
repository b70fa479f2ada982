#include "medias.h"
#include "modele/genremedia.h"
#include "modele/repartitionjours.h"

#include <QTemporaryDir>
#include <QtTest>

class TestRepartitionJours : public QObject
{
    Q_OBJECT

private slots:
    void jourDuNom_data();
    void jourDuNom();
    void repartir();
    void pourContenu_data();
    void pourContenu();
};

void TestRepartitionJours::jourDuNom_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<int>("jour");

    QTest::newRow("two digits and a dash") << "05-snow.jpg" << 5;
    QTest::newRow("number alone") << "24.mp4" << 24;
    QTest::newRow("one digit before letters") << "7tree.png" << 7;
    QTest::newRow("31 is the last day") << "31.ogg" << 31;
    QTest::newRow("32 is no day") << "32.ogg" << 0;
    QTest::newRow("zero is no day") << "00-intro.png" << 0;
    QTest::newRow("a year is no day") << "2026-tree.jpg" << 0;
    QTest::newRow("number not at the start") << "snow-05.jpg" << 0;
    QTest::newRow("non-ASCII digits") << QString::fromUtf8("\u0661\u0662.png") << 0;
}

void TestRepartitionJours::jourDuNom()
{
    QFETCH(QString, nom);
    QFETCH(int, jour);
    QCOMPARE(RepartitionJours::jourDuNom(nom), jour);
}

void TestRepartitionJours::repartir()
{
    const QStringList fichiers{
        "/m/snow10.png", "/m/24.mp4", "/m/Snow2.png", "/m/03-bells.ogg", "/m/3-again.ogg", "/m/apple.png"};
    // Day 1 holds a media; day 3 too, but a numbered file still aims at it.
    QStringList sansJour;
    const QMap<int, QString> repartition = RepartitionJours::repartir(fichiers, {1, 3}, &sansJour);
    // "3-again" comes before "03-bells" (same number, then "a" before "b") and takes day 3;
    // the other and the unnumbered files fill empty days in name order.
    QMap<int, QString> attendu{{3, "/m/3-again.ogg"}, {24, "/m/24.mp4"}, {2, "/m/03-bells.ogg"},
        {4, "/m/apple.png"}, {5, "/m/Snow2.png"}, {6, "/m/snow10.png"}};
    QCOMPARE(repartition, attendu);
    QVERIFY(sansJour.isEmpty());

    // With every day taken, unnumbered files are left without a day.
    QSet<int> tous;
    for (int jour = 1; jour <= 31; ++jour)
        tous.insert(jour);
    QCOMPARE(RepartitionJours::repartir({"/m/a.png", "/m/12.png"}, tous, &sansJour),
        (QMap<int, QString>{{12, "/m/12.png"}}));
    QCOMPARE(sansJour, QStringList{"/m/a.png"});
}

void TestRepartitionJours::pourContenu_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<int>("type");

    // Names lie on purpose: the content decides.
    QTest::newRow("picture") << "photo.ogg" << int(Media::PHOTO);
    QTest::newRow("sound") << "son.png" << int(Media::MUSIQUE);
    QTest::newRow("video") << "video.wav" << int(Media::VIDEO);
    QTest::newRow("text is a message") << "notes.jpg" << int(Media::MESSAGE);
    QTest::newRow("bytes of no kind") << "octets.png" << int(Media::AUCUN);
    QTest::newRow("directory") << "dossier" << int(Media::AUCUN);
    QTest::newRow("missing") << "absent.png" << int(Media::AUCUN);
}

void TestRepartitionJours::pourContenu()
{
    QFETCH(QString, nom);
    QFETCH(int, type);

    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(nom);
    if (nom.startsWith("photo"))
        QVERIFY(ecrirePngBrut(chemin));
    else if (nom.startsWith("son"))
        QVERIFY(ecrireWav(chemin));
    else if (nom.startsWith("video"))
        QVERIFY(ecrireMp4(chemin));
    else if (nom.startsWith("notes"))
        QVERIFY(ecrire(chemin, "Bring the sledge.\n"));
    else if (nom.startsWith("octets"))
        QVERIFY(ecrire(chemin, QByteArray("\x01\x02\x03\x00\xff\xfe", 6)));
    else if (nom == "dossier")
        QVERIFY(QDir(dossier.path()).mkdir(nom));

    const GenreMedia *genre = GenreMedia::pourContenu(chemin);
    QCOMPARE(genre != nullptr ? int(genre->type) : int(Media::AUCUN), type);
}

QTEST_GUILESS_MAIN(TestRepartitionJours)
#include "tst_repartitionjours.moc"
