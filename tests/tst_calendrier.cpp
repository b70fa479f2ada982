#include "modele/calendrier.h"
#include "modele/image.h"
#include "modele/projet.h"
#include "modele/son.h"

#include <QtTest>

namespace {

// Counts destructions so that a double or missing delete shows up even without ASan.
QMap<const void *, int> destructions;

class MediaCompte : public Son
{
public:
    explicit MediaCompte(const QString &url = QString()) : Son(url) {}
    ~MediaCompte() override
    {
        ++destructions[this];
    }
};

} // namespace

class TestCalendrier : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        destructions.clear();
    }

    void calendrierVide();
    void remplacerSupprimeLAncienUneFois();
    void rajouterLeMemeNeSupprimeRien();
    void supprimerRendLeMediaAuDemandeur();
    void joursHorsGrilleOrdonnes();
    void destructionSupprimeChaqueMediaUneFois();
    void setContenuReprendLesMedias();

    void urlDuProjet_data();
    void urlDuProjet();
};

void TestCalendrier::calendrierVide()
{
    Calendrier calendrier;
    QCOMPARE(calendrier.getNom(), QString());
    QVERIFY(calendrier.getContenuConstant().isEmpty());
    for (int jour : {-1, 0, 1, 31, 1000})
        QCOMPARE(calendrier.getMedia(jour), nullptr);
}

void TestCalendrier::remplacerSupprimeLAncienUneFois()
{
    auto *ancien = new MediaCompte;
    auto *nouveau = new MediaCompte;
    {
        Calendrier calendrier;
        QCOMPARE(calendrier.ajouterMedia(4, ancien), 0);
        QCOMPARE(calendrier.ajouterMedia(4, nouveau), 0);
        QCOMPARE(destructions.value(ancien), 1);
        QCOMPARE(destructions.value(nouveau), 0);
        QCOMPARE(calendrier.getContenuConstant().size(), 1);
        QCOMPARE(calendrier.getMedia(4), nouveau);
    }
    QCOMPARE(destructions.value(ancien), 1);
    QCOMPARE(destructions.value(nouveau), 1);
}

void TestCalendrier::rajouterLeMemeNeSupprimeRien()
{
    auto *media = new MediaCompte;
    {
        Calendrier calendrier;
        calendrier.ajouterMedia(9, media);
        QCOMPARE(calendrier.ajouterMedia(9, media), 0);
        QCOMPARE(destructions.value(media), 0);
        QCOMPARE(calendrier.getMedia(9), media);
    }
    QCOMPARE(destructions.value(media), 1);
}

void TestCalendrier::supprimerRendLeMediaAuDemandeur()
{
    Calendrier calendrier;
    QCOMPARE(calendrier.supprimerMedia(2), 3);

    auto *media = new MediaCompte;
    calendrier.ajouterMedia(2, media);
    QCOMPARE(calendrier.supprimerMedia(2), 0);
    QCOMPARE(calendrier.getMedia(2), nullptr);
    QCOMPARE(calendrier.supprimerMedia(2), 3);
    QCOMPARE(destructions.value(media), 0);
    delete media;
}

void TestCalendrier::joursHorsGrilleOrdonnes()
{
    Calendrier calendrier;
    for (int jour : {10, 1, std::numeric_limits<int>::max(), 0, 9, -1, std::numeric_limits<int>::min()})
        calendrier.ajouterMedia(jour, new Image(QString::number(jour)));

    const QList<int> attendus{
        std::numeric_limits<int>::min(), -1, 0, 1, 9, 10, std::numeric_limits<int>::max()};
    QCOMPARE(calendrier.getContenuConstant().keys(), attendus);
    for (auto it = calendrier.getContenuConstant().cbegin(); it != calendrier.getContenuConstant().cend();
         ++it)
        QCOMPARE(it.value()->getUrl(), QString::number(it.key()));
}

void TestCalendrier::destructionSupprimeChaqueMediaUneFois()
{
    QList<MediaCompte *> medias;
    {
        Calendrier calendrier;
        for (int jour = 1; jour <= 31; ++jour) {
            medias << new MediaCompte;
            calendrier.ajouterMedia(jour, medias.last());
        }
    }
    for (MediaCompte *media : medias)
        QCOMPARE(destructions.value(media), 1);
}

void TestCalendrier::setContenuReprendLesMedias()
{
    auto *remplace = new MediaCompte;
    auto *repris = new MediaCompte;
    {
        Calendrier calendrier;
        calendrier.ajouterMedia(1, remplace);
        calendrier.setContenu({{5, repris}});
        QCOMPARE(calendrier.getMedia(1), nullptr);
        QCOMPARE(calendrier.getMedia(5), repris);
        QCOMPARE(destructions.value(remplace), 0);
    }
    QCOMPARE(destructions.value(repris), 1);
    delete remplace;
}

void TestCalendrier::urlDuProjet_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("repertoire");
    QTest::addColumn<QString>("url");

    QTest::newRow("plain") << "avent"
                           << "D:/calendriers"
                           << "D:/calendriers/avent.xml";
    QTest::newRow("trailing slash") << "avent"
                                    << "D:/calendriers/"
                                    << "D:/calendriers/avent.xml";
    QTest::newRow("absolute unix") << "avent"
                                   << "/home/u/cal"
                                   << "/home/u/cal/avent.xml";
    QTest::newRow("root") << "avent"
                          << "/"
                          << "/avent.xml";
    QTest::newRow("empty directory") << "avent"
                                     << ""
                                     << "./avent.xml";
    QTest::newRow("extension always appended") << "avent.xml"
                                               << "/d"
                                               << "/d/avent.xml.xml";
    // A backslash is an ordinary character on this platform.
    QTest::newRow("backslashes kept") << "avent"
                                      << "D:\\calendriers"
                                      << "D:\\calendriers/avent.xml";
}

void TestCalendrier::urlDuProjet()
{
    QFETCH(QString, nom);
    QFETCH(QString, repertoire);
    QFETCH(QString, url);

    QCOMPARE(Projet(nom, repertoire).getUrl(), url);
}

QTEST_GUILESS_MAIN(TestCalendrier)
#include "tst_calendrier.moc"
