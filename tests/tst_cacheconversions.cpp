// The conversion cache: a source recognised without being read while it is unchanged,
// and a bound that drops the entries least recently used, never the one just stored.
#include "conversion/cacheconversions.h"
#include "fichiers.h"

#include <QDateTime>
#include <QTemporaryDir>
#include <QtTest>

class TestCacheConversions : public QObject
{
    Q_OBJECT

private slots:
    void sourceReconnue();
    void limite();
};

void TestCacheConversions::sourceReconnue()
{
    QTemporaryDir temp;
    CacheConversions cache(temp.filePath(QStringLiteral("cache")));
    const QString source = temp.filePath(QStringLiteral("photo.jpg"));
    QVERIFY(ecrire(source, "une photo"));

    QString cle;
    QVERIFY(!cache.cleConnue(source, QStringLiteral("r1"), &cle));
    QVERIFY(cache.cle(source, QStringLiteral("r1"), &cle));
    QString connue;
    QVERIFY(cache.cleConnue(source, QStringLiteral("r1"), &connue));
    QCOMPARE(connue, cle);
    // Other settings, another entry for the same content.
    QVERIFY(cache.cleConnue(source, QStringLiteral("r2"), &connue));
    QVERIFY(connue != cle);

    // Changed on disk: no longer recognised, and its new content gives a new key.
    QVERIFY(ecrire(source, "une autre photo"));
    QVERIFY(!cache.cleConnue(source, QStringLiteral("r1"), &connue));
    QVERIFY(cache.cle(source, QStringLiteral("r1"), &connue));
    QVERIFY(connue != cle);
}

void TestCacheConversions::limite()
{
    QTemporaryDir temp;
    CacheConversions cache(temp.filePath(QStringLiteral("cache")));
    CacheConversions::setLimite(2500);
    const QDateTime debut = QDateTime::currentDateTimeUtc().addSecs(-100);
    QStringList stockes;
    for (int i = 0; i < 3; ++i) {
        const QString cle = QStringLiteral("cle%1").arg(i);
        const QString produit = cache.brouillon(cle) + QStringLiteral(".jpg");
        QVERIFY(ecrire(produit, QByteArray(1000, 'a' + i)));
        QString fichier;
        const Resultat rangement = cache.ranger(cle, produit, QStringLiteral("jpg"), &fichier);
        QVERIFY2(rangement, qPrintable(rangement.getMessage()));
        stockes << fichier;
        QFile stocke(fichier);
        QVERIFY(stocke.open(QIODevice::ReadWrite));
        QVERIFY(stocke.setFileTime(debut.addSecs(10 * i), QFileDevice::FileModificationTime));
        if (i == 1) {
            // A hit on the first entry makes it the most recently used.
            QString trouve;
            QString extension;
            QVERIFY(cache.trouver(QStringLiteral("cle0"), &trouve, &extension));
            QCOMPARE(trouve, stockes.at(0));
        }
    }
    QVERIFY(QFile::exists(stockes.at(0)));
    QVERIFY(!QFile::exists(stockes.at(1)));
    QVERIFY(QFile::exists(stockes.at(2)));
    QString trouve;
    QString extension;
    QVERIFY(!cache.trouver(QStringLiteral("cle1"), &trouve, &extension));

    // An entry over the limit on its own is kept until the next one comes.
    CacheConversions::setLimite(10);
    const QString produit = cache.brouillon(QStringLiteral("gros")) + QStringLiteral(".mp4");
    QVERIFY(ecrire(produit, QByteArray(5000, 'v')));
    QString fichier;
    QVERIFY(cache.ranger(QStringLiteral("gros"), produit, QStringLiteral("mp4"), &fichier));
    QCOMPARE(lire(fichier), QByteArray(5000, 'v'));
    CacheConversions::setLimite(CacheConversions::LIMITE);
}

QTEST_GUILESS_MAIN(TestCacheConversions)
#include "tst_cacheconversions.moc"
