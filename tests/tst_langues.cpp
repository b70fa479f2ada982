// The editor in every language it speaks: the texts are translated, the sizes are
// written the language's way, and no button or label of a window is cut at 800x600.
#include "bureau/traduction.h"
#include "fenetres/fenetreedition.h"
#include "fenetres/fenetrenouveau.h"
#include "fenetres/fenetreoptions.h"
#include "fenetres/fenetreprincipale.h"
#include "modele/calendrier.h"
#include "modele/projet.h"
#include "site/miseenformetaille.h"
#include "site/textespage.h"

#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QtTest>

class TestLangues : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void langueSysteme_data();
    void langueSysteme();
    void fenetres_data();
    void fenetres();
    void tableDeLaPage();

private:
    /// Every visible button and label of `fenetre` whose text does not fit in it.
    static QStringList coupes(QWidget &fenetre);
};

void TestLangues::initTestCase()
{
    Q_INIT_RESOURCE(gui);
    QStandardPaths::setTestModeEnabled(true);
}

void TestLangues::cleanup()
{
    Traduction::installer(QStringLiteral("en"));
}

void TestLangues::langueSysteme_data()
{
    QTest::addColumn<QByteArray>("lcAll");
    QTest::addColumn<QByteArray>("lcMessages");
    QTest::addColumn<QByteArray>("lang");
    QTest::addColumn<QString>("langue");

    QTest::newRow("LANG") << QByteArray() << QByteArray() << QByteArray("fr_FR.UTF-8") << "fr";
    QTest::newRow("a country of its own")
        << QByteArray() << QByteArray() << QByteArray("pt_BR.UTF-8") << "pt";
    QTest::newRow("LC_MESSAGES before LANG")
        << QByteArray() << QByteArray("de_AT") << QByteArray("fr_FR") << "de";
    QTest::newRow("LC_ALL first") << QByteArray("nl_BE.UTF-8") << QByteArray("de_DE") << QByteArray("fr_FR")
                                  << "nl";
    QTest::newRow("C") << QByteArray() << QByteArray() << QByteArray("C.UTF-8") << "en";
    QTest::newRow("unknown language") << QByteArray() << QByteArray() << QByteArray("sv_SE.UTF-8") << "en";
    QTest::newRow("not a language code") << QByteArray() << QByteArray() << QByteArray("french") << "en";
    QTest::newRow("nothing") << QByteArray() << QByteArray() << QByteArray() << "en";
}

void TestLangues::langueSysteme()
{
    QFETCH(QByteArray, lcAll);
    QFETCH(QByteArray, lcMessages);
    QFETCH(QByteArray, lang);
    QFETCH(QString, langue);

    const QByteArray avant[] = {qgetenv("LC_ALL"), qgetenv("LC_MESSAGES"), qgetenv("LANG")};
    qputenv("LC_ALL", lcAll);
    qputenv("LC_MESSAGES", lcMessages);
    qputenv("LANG", lang);
    const QString lue = Traduction::langueSysteme();
    qputenv("LC_ALL", avant[0]);
    qputenv("LC_MESSAGES", avant[1]);
    qputenv("LANG", avant[2]);
    QCOMPARE(lue, langue);
}

QStringList TestLangues::coupes(QWidget &fenetre)
{
    QStringList fautes;
    const auto widgets = fenetre.findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        auto *bouton = qobject_cast<QAbstractButton *>(widget);
        auto *etiquette = qobject_cast<QLabel *>(widget);
        if ((bouton == nullptr && etiquette == nullptr) || !widget->isVisibleTo(&fenetre))
            continue;
        const QString texte = bouton != nullptr ? bouton->text() : etiquette->text();
        if (texte.isEmpty())
            continue;
        const QSize voulu = widget->sizeHint();
        const bool coupe = etiquette != nullptr && etiquette->wordWrap()
            ? widget->height() < widget->heightForWidth(widget->width())
            : widget->width() < voulu.width();
        if (coupe)
            fautes << QStringLiteral("%1 \"%2\": %3x%4 for %5x%6")
                          .arg(widget->objectName(), texte)
                          .arg(widget->width())
                          .arg(widget->height())
                          .arg(voulu.width())
                          .arg(voulu.height());
    }
    return fautes;
}

void TestLangues::fenetres_data()
{
    QTest::addColumn<QString>("langue");
    QTest::addColumn<QString>("enregistrer");
    QTest::addColumn<QString>("taille");

    // The Save button, and 1 005 000 bytes as the size label writes them.
    QTest::newRow("en") << "en"
                        << "Save"
                        << "1.005 MB";
    QTest::newRow("fr") << "fr"
                        << "Enregistrer"
                        << "1,005 Mo";
    QTest::newRow("de") << "de"
                        << "Speichern"
                        << "1,005 MB";
    QTest::newRow("es") << "es"
                        << "Guardar"
                        << "1,005 MB";
    QTest::newRow("it") << "it"
                        << "Salva"
                        << "1,005 MB";
    QTest::newRow("nl") << "nl"
                        << "Opslaan"
                        << "1,005 MB";
    QTest::newRow("pt") << "pt"
                        << "Salvar"
                        << "1,005 MB";
}

void TestLangues::fenetres()
{
    QFETCH(QString, langue);
    QFETCH(QString, enregistrer);
    QFETCH(QString, taille);

    Traduction::installer(langue);
    QString valeur;
    QString unite;
    mettreEnFormeTailleLocale(1005000, &valeur, &unite);
    QCOMPARE(valeur + QLatin1Char(' ') + unite, taille);

    FenetrePrincipale principale;
    principale.resize(800, 600);
    principale.show();
    QVERIFY(QTest::qWaitForWindowExposed(&principale));
    QCOMPARE(
        principale.findChild<QAbstractButton *>(QStringLiteral("bouton_enregistrer"))->text().remove('&'),
        enregistrer);
    const QStringList coupesPrincipale = coupes(principale);
    QVERIFY2(coupesPrincipale.isEmpty(), qPrintable(coupesPrincipale.join(QStringLiteral("; "))));

    Calendrier calendrier(QStringLiteral("Avent"));
    FenetreEdition edition;
    edition.configurerFenetre(12, &calendrier);
    FenetreOptions options;
    options.configurerFenetre(&calendrier);
    Projet projet{QString(), QString()};
    FenetreNouveau nouveau(projet);
    for (QDialog *dialogue : std::initializer_list<QDialog *>{&edition, &options, &nouveau}) {
        dialogue->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialogue));
        QVERIFY2(dialogue->width() <= 800 && dialogue->height() <= 600,
            qPrintable(QStringLiteral("%1 %2x%3")
                           .arg(dialogue->objectName())
                           .arg(dialogue->width())
                           .arg(dialogue->height())));
        const QStringList fautes = coupes(*dialogue);
        QVERIFY2(
            fautes.isEmpty(), qPrintable(dialogue->objectName() + QStringLiteral(": ") + fautes.join("; ")));
        dialogue->hide();
    }
}

void TestLangues::tableDeLaPage()
{
    // The template's table is the English the translations start from: each of its
    // texts must be known, with the same words, to be translated at all.
    QFile fichier(QStringLiteral(":/tinselbox/js/scripts/textes.js"));
    QVERIFY(fichier.open(QIODevice::ReadOnly));
    const QString script = QString::fromUtf8(fichier.readAll());
    const QRegularExpression ligne(QStringLiteral("^\\s*(\\w+)\\s*:\\s*\"((?:[^\"\\\\]|\\\\.)*)\",?\\s*$"),
        QRegularExpression::MultilineOption);
    QStringList modele;
    for (auto it = ligne.globalMatch(script); it.hasNext();) {
        const QRegularExpressionMatch trouve = it.next();
        modele << trouve.captured(1);
        QCOMPARE(TextesPage::source(trouve.captured(1)), trouve.captured(2));
    }
    QCOMPARE(modele, TextesPage::cles());

    // Translated into the table, and nothing else of the script touched.
    const QString allemand = TextesPage::traduireTable(script, QStringLiteral("de"));
    QVERIFY(allemand.contains(QStringLiteral("jour: \"Tag {n}\",")));
    QCOMPARE(allemand.count(QLatin1Char('\n')), script.count(QLatin1Char('\n')));
    QCOMPARE(TextesPage::traduireTable(script, QStringLiteral("en")), script);
}

QTEST_MAIN(TestLangues)
#include "tst_langues.moc"
