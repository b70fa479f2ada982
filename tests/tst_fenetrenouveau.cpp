#include "fenetres.h"
#include "modele/projet.h"
#include "repondeurmodal.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString MESSAGE_VIDE = QStringLiteral("Please enter a name for the project and a working directory.");
const QString MESSAGE_INVALIDE =
    QStringLiteral("Please enter a correct name for the project (must contain only letters and numbers).");

QLineEdit *champ(FenetreNouveau &fenetre, const char *nom)
{
    return fenetre.findChild<QLineEdit *>(nom);
}

void cliquerOk(FenetreNouveau &fenetre)
{
    fenetre.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
}

void cliquerParcourir(FenetreNouveau &fenetre)
{
    QTest::mouseClick(bouton(fenetre, "bouton_parcourir"), Qt::LeftButton);
}

} // namespace

class TestFenetreNouveau : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void formulaire();
    void verificationDeLaSaisie_data();
    void verificationDeLaSaisie();
    void execAccepteAvecLeRepertoireChoisi();
    void selecteurAnnuleGardeLeRepertoire();
    void selecteurOuvertAuRelachement();
    void abandonLaisseLeProjet_data();
    void abandonLaisseLeProjet();
    void remplacementRefuseGardeLaSaisie_data();
    void remplacementRefuseGardeLaSaisie();

private:
    QTemporaryDir repertoire;
};

void TestFenetreNouveau::initTestCase()
{
    Q_INIT_RESOURCE(gui);
    QVERIFY(repertoire.isValid());
    dialoguesSilencieux();
}

void TestFenetreNouveau::cleanup()
{
    QVERIFY(reponsesToutesPrises());
}

void TestFenetreNouveau::formulaire()
{
    Projet projet("ancien", "/ailleurs");
    FenetreNouveau fenetre(projet, nullptr);
    fenetre.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fenetre));

    QCOMPARE(fenetre.windowTitle(), QStringLiteral("New"));
    // At least 400x170, taller when the wrapped hint needs it (it does in English).
    QCOMPARE(fenetre.size(), fenetre.minimumSize());
    QCOMPARE(fenetre.minimumWidth(), 400);
    QVERIFY(fenetre.minimumHeight() >= 170);
    // No larger limit: the dialog grows to the length of its texts in every language.
    QCOMPARE(fenetre.maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    QCOMPARE(fenetre.windowModality(), Qt::ApplicationModal);
    QVERIFY(!fenetre.windowIcon().isNull());
    // The record's values are not offered for editing.
    QVERIFY(champ(fenetre, "champ_nom")->text().isEmpty());
    QVERIFY(champ(fenetre, "champ_url")->text().isEmpty());
    QVERIFY(!champ(fenetre, "champ_url")->isReadOnly());
    QVERIFY(!champ(fenetre, "champ_nom")->isReadOnly());
}

void TestFenetreNouveau::verificationDeLaSaisie_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<bool>("avecRepertoire");
    QTest::addColumn<QString>("message"); // empty when the input is accepted

    QTest::newRow("letters") << "Avent" << true << QString();
    QTest::newRow("letters and digits") << "aZ09mz" << true << QString();
    QTest::newRow("digits only") << "2026" << true << QString();
    QTest::newRow("starts with a digit") << "1Avent" << true << QString();
    QTest::newRow("single letter") << "x" << true << QString();

    QTest::newRow("space") << "mon avent" << true << MESSAGE_INVALIDE;
    QTest::newRow("leading space, not trimmed") << " Avent" << true << MESSAGE_INVALIDE;
    QTest::newRow("trailing space, not trimmed") << "Avent " << true << MESSAGE_INVALIDE;
    QTest::newRow("hyphen") << "mon-avent" << true << MESSAGE_INVALIDE;
    QTest::newRow("underscore") << "mon_avent" << true << MESSAGE_INVALIDE;
    QTest::newRow("caret") << "avent^2" << true << MESSAGE_INVALIDE;
    QTest::newRow("opening bracket") << "avent[" << true << MESSAGE_INVALIDE;
    QTest::newRow("closing bracket") << "]avent" << true << MESSAGE_INVALIDE;
    QTest::newRow("backslash") << "a\\vent" << true << MESSAGE_INVALIDE;
    QTest::newRow("grave accent") << "avent`" << true << MESSAGE_INVALIDE;
    QTest::newRow("dot") << "avent.xml" << true << MESSAGE_INVALIDE;
    QTest::newRow("slash") << "../avent" << true << MESSAGE_INVALIDE;
    QTest::newRow("accented letter") << QString::fromUtf8("No\xC3\xABl") << true << MESSAGE_INVALIDE;
    QTest::newRow("non-latin letter")
        << QString::fromUtf8("\xD0\xB4\xD0\xB5\xD0\xBD\xD1\x8C") << true << MESSAGE_INVALIDE;
    QTest::newRow("non-ascii digit") << QString::fromUtf8("\xD9\xA3") << true << MESSAGE_INVALIDE;
    QTest::newRow("fullwidth letter") << QString::fromUtf8("\xEF\xBC\xA1") << true << MESSAGE_INVALIDE;

    QTest::newRow("both empty") << "" << false << MESSAGE_VIDE;
    QTest::newRow("name without directory") << "Avent" << false << MESSAGE_VIDE;
    QTest::newRow("directory without name") << "" << true << MESSAGE_VIDE;
    // Emptiness is reported before validity.
    QTest::newRow("invalid name without directory") << "mon avent" << false << MESSAGE_VIDE;
}

void TestFenetreNouveau::verificationDeLaSaisie()
{
    QFETCH(QString, nom);
    QFETCH(bool, avecRepertoire);
    QFETCH(QString, message);

    Projet projet("ancien", "/ailleurs");
    FenetreNouveau fenetre(projet, nullptr);
    fenetre.show();
    champ(fenetre, "champ_nom")->setText(nom);
    const QString url = avecRepertoire ? repertoire.path() : QString();
    if (avecRepertoire)
        fenetre.setUrl(url);

    cliquerOk(fenetre);
    const QList<BoiteMessage::Montree> boites = BoiteMessage::prendreMontrees();

    if (avecRepertoire && !nom.isEmpty())
        QCOMPARE(FenetreNouveau::estNomValide(nom), message.isEmpty());
    if (message.isEmpty()) {
        QVERIFY2(boites.isEmpty(), qPrintable(boites.value(0).texte));
        QCOMPARE(fenetre.result(), int(QDialog::Accepted));
        QVERIFY(!fenetre.isVisible());
        QCOMPARE(projet.getNomPojet(), nom);
        QCOMPARE(projet.getRepertoire(), url);
    } else {
        QCOMPARE(boites.size(), 1);
        QCOMPARE(boites.at(0).texte, message);
        QCOMPARE(boites.at(0).icone, QMessageBox::Warning);
        QVERIFY(boites.at(0).parent.isNull());
        QVERIFY(fenetre.isVisible());
        QVERIFY(fenetre.result() != QDialog::Accepted);
        QCOMPARE(projet.getNomPojet(), QStringLiteral("ancien"));
        QCOMPARE(projet.getRepertoire(), QStringLiteral("/ailleurs"));
        // The user can correct the input.
        QCOMPARE(fenetre.getNom(), nom);
        QCOMPARE(champ(fenetre, "champ_url")->text(), url);
    }
}

void TestFenetreNouveau::execAccepteAvecLeRepertoireChoisi()
{
    Projet projet("", "");
    FenetreNouveau fenetre(projet, nullptr);

    ChoixFichier::prevoirChoix(repertoire.path());
    QTimer::singleShot(0, &fenetre, [&] {
        QTest::keyClicks(champ(fenetre, "champ_nom"), "Avent2026");
        cliquerParcourir(fenetre);
        cliquerOk(fenetre);
    });

    QCOMPARE(fenetre.exec(), int(QDialog::Accepted));
    const QList<ChoixFichier::Montre> selecteurs = ChoixFichier::prendreMontres();
    QCOMPARE(selecteurs.size(), 1);
    QCOMPARE(selecteurs.at(0).titre, QStringLiteral("Select the working directory"));
    QCOMPARE(selecteurs.at(0).mode, QFileDialog::Directory);
    QCOMPARE(selecteurs.at(0).parent.data(), &fenetre);
    QCOMPARE(projet.getNomPojet(), QStringLiteral("Avent2026"));
    QCOMPARE(projet.getRepertoire(), repertoire.path());
    QCOMPARE(champ(fenetre, "champ_url")->text(), fenetre.getUrl());
}

void TestFenetreNouveau::selecteurAnnuleGardeLeRepertoire()
{
    Projet projet("", "");
    FenetreNouveau fenetre(projet, nullptr);
    fenetre.show();

    ChoixFichier::prevoirChoix(repertoire.path());
    ChoixFichier::prevoirChoix(QString());
    cliquerParcourir(fenetre);
    cliquerParcourir(fenetre);
    QCOMPARE(ChoixFichier::prendreMontres().size(), 2);
    QCOMPARE(fenetre.getUrl(), repertoire.path());
    QCOMPARE(champ(fenetre, "champ_url")->text(), repertoire.path());
    QVERIFY(fenetre.isVisible());
}

void TestFenetreNouveau::selecteurOuvertAuRelachement()
{
    Projet projet("", "");
    FenetreNouveau fenetre(projet, nullptr);
    fenetre.show();
    QPushButton *parcourir = bouton(fenetre, "bouton_parcourir");

    ChoixFichier::prevoirChoix(repertoire.path());
    QTest::mousePress(parcourir, Qt::LeftButton);
    QCOMPARE(ChoixFichier::choixEnAttente(), 1);
    QTest::mouseRelease(parcourir, Qt::LeftButton);
    QCOMPARE(fenetre.getUrl(), repertoire.path());
}

void TestFenetreNouveau::abandonLaisseLeProjet_data()
{
    gestesAbandon_data();
}

void TestFenetreNouveau::abandonLaisseLeProjet()
{
    QFETCH(QString, geste);

    Projet projet("ancien", "/ailleurs");
    FenetreNouveau fenetre(projet, nullptr);
    QTimer::singleShot(0, &fenetre, [&] {
        // Valid input that must still be dropped.
        champ(fenetre, "champ_nom")->setText("Avent");
        fenetre.setUrl(repertoire.path());
        abandonner(fenetre, geste, champ(fenetre, "champ_nom"));
    });

    QVERIFY(fenetre.exec() != QDialog::Accepted);
    QCOMPARE(projet.getNomPojet(), QStringLiteral("ancien"));
    QCOMPARE(projet.getRepertoire(), QStringLiteral("/ailleurs"));
}

void TestFenetreNouveau::remplacementRefuseGardeLaSaisie_data()
{
    QTest::addColumn<int>("reponse");
    QTest::newRow("No returns to the dialog") << int(QMessageBox::No);
    QTest::newRow("Yes starts the project") << int(QMessageBox::Yes);
}

void TestFenetreNouveau::remplacementRefuseGardeLaSaisie()
{
    QFETCH(int, reponse);
    const bool accepte = reponse == QMessageBox::Yes;

    QFile existant(repertoire.filePath("Avent.xml"));
    QVERIFY(existant.open(QIODevice::WriteOnly));
    existant.close();
    Projet projet("", "");
    FenetreNouveau fenetre(projet, nullptr);
    fenetre.show();
    // The rule for names is there before any OK.
    QVERIFY(fenetre.findChild<QLabel *>("indication_nom")->isVisible());
    QVERIFY(!champ(fenetre, "champ_nom")->placeholderText().isEmpty());

    QTest::keyClicks(champ(fenetre, "champ_nom"), "Avent");
    fenetre.setUrl(repertoire.path());
    BoiteMessage::prevoirReponse(QMessageBox::StandardButton(reponse));
    cliquerOk(fenetre);

    const QList<BoiteMessage::Montree> boites = BoiteMessage::prendreMontrees();
    QCOMPARE(boites.size(), 1);
    QCOMPARE(boites.at(0).texte,
        QStringLiteral("A calendar with this name already exists in this directory. \nReplace it?"));
    QCOMPARE(boites.at(0).parent.data(), &fenetre);
    QCOMPARE(fenetre.isVisible(), !accepte);
    QCOMPARE(projet.getNomPojet(), accepte ? QStringLiteral("Avent") : QString());
    QCOMPARE(fenetre.getNom(), QStringLiteral("Avent"));
    QCOMPARE(champ(fenetre, "champ_url")->text(), repertoire.path());
    QVERIFY(existant.remove());
}

QTEST_MAIN(TestFenetreNouveau)
#include "tst_fenetrenouveau.moc"
