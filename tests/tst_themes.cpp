#include "site/themepage.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QtTest>

class TestThemes : public QObject
{
    Q_OBJECT

private slots:
    // Every theme is readable: each ball's number stands out from the ball, and the page's
    // own texts from their outline and from the sky at its top and bottom.
    void lisible_data()
    {
        QTest::addColumn<QString>("cle");
        for (const ThemePage::Theme &theme : ThemePage::themes())
            QTest::newRow(theme.cle.latin1()) << QString(theme.cle);
    }
    void lisible()
    {
        QFETCH(QString, cle);
        const ThemePage::Theme &theme = ThemePage::pour(cle);
        QCOMPARE(QString(theme.cle), cle);
        QCOMPARE(theme.palette.size(), 8);
        for (const QColor &boule : theme.palette) {
            const double contraste = ThemePage::contraste(boule, ThemePage::couleurNumero(boule));
            QVERIFY2(contraste >= ThemePage::CONTRASTE_MIN,
                qPrintable(QStringLiteral("%1: %2").arg(boule.name()).arg(contraste)));
        }
        for (const QColor &fond : {theme.contourTexte, theme.cielHaut, theme.cielBas})
            QVERIFY2(
                ThemePage::contraste(theme.texte, fond) >= ThemePage::CONTRASTE_MIN, qPrintable(fond.name()));

        // The page is told every colour but those of the scene it draws by itself.
        const QString texte = ThemePage::objetPage(cle);
        if (cle == ThemePage::SAPINS) {
            QVERIFY(texte.isEmpty());
        } else {
            const QJsonObject objet = QJsonDocument::fromJson(texte.toUtf8()).object();
            QCOMPARE(objet.value(QStringLiteral("nom")).toString(), cle);
            QCOMPARE(objet.value(QStringLiteral("palette")).toArray().size(), 8);
            QCOMPARE(objet.value(QStringLiteral("neige")).toBool(), theme.neige);
        }
    }

    // The pictures Options shows are each the theme's own.
    void apercusDistincts()
    {
        QSet<QByteArray> vus;
        for (const ThemePage::Theme &theme : ThemePage::themes()) {
            const QImage image = ThemePage::apercu(theme, QSize(120, 68));
            QCOMPARE(image.size(), QSize(120, 68));
            vus.insert(
                QByteArray(reinterpret_cast<const char *>(image.constBits()), int(image.sizeInBytes())));
        }
        QCOMPARE(vus.size(), ThemePage::themes().size());
        // An unknown or missing theme is the default scene.
        QCOMPARE(QString(ThemePage::pour(QStringLiteral("inconnu")).cle), QString(ThemePage::SAPINS));
        QVERIFY(ThemePage::objetPage(QStringLiteral("inconnu")).isEmpty());
    }
};

QTEST_MAIN(TestThemes)
#include "tst_themes.moc"
