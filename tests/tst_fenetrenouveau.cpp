#include "fenetrenouveau.h"
#include "projet.h"
#include "repondeurmodal.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString MESSAGE_VIDE =
    QStringLiteral("Please enter a name for the project and a working directory.");
const QString MESSAGE_INVALIDE = QStringLiteral(
    "Please enter a correct name for the project (must contain only letters and numbers).");

/// What a warning box showed before the test closed it with OK.
struct Avertissement
{
    QString texte;
    QString titre;
    QMessageBox::Icon icone = QMessageBox::NoIcon;
};

std::function<bool(QWidget *)> fermerAvertissement(Avertissement &vu)
{
    return [&vu](QWidget *modale) {
        auto *boite = qobject_cast<QMessageBox *>(modale);
        if (boite == nullptr)
            return false;
        vu.texte = boite->text();
        vu.titre = boite->windowTitle();
        vu.icone = boite->icon();
        boite->button(QMessageBox::Ok)->click();
        return true;
    };
}

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
    QTest::mouseClick(fenetre.findChild<QPushButton *>("bouton_parcourir"), Qt::LeftButton);
}

} // namespace

class TestFenetreNouveau : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void formulaire();
    void validiteDuNom_data();
    void validiteDuNom();
    void saisieVide_data();
    void saisieVide();
    void execAccepteAvecLeRepertoireChoisi();
    void selecteurAnnuleGardeLeRepertoire();
    void selecteurOuvertAuRelachement();
    void abandonLaisseLeProjet_data();
    void abandonLaisseLeProjet();

private:
    QTemporaryDir repertoire;
};

void TestFenetreNouveau::initTestCase()
{
    Q_INIT_RESOURCE(gui);
    QVERIFY(repertoire.isValid());
}

void TestFenetreNouveau::formulaire()
{
    Projet projet("ancien", "/ailleurs");
    FenetreNouveau fenetre(projet, nullptr);
    fenetre.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fenetre));

    QCOMPARE(fenetre.windowTitle(), QStringLiteral("New"));
    QCOMPARE(fenetre.size(), QSize(400, 170));
    QCOMPARE(fenetre.minimumSize(), QSize(400, 170));
    QCOMPARE(fenetre.maximumSize(), QSize(400, 170));
    QCOMPARE(fenetre.windowModality(), Qt::ApplicationModal);
    QVERIFY(!fenetre.windowIcon().isNull());
    QCOMPARE(fenetre.getProjet(), &projet);
    // The record's values are not offered for editing.
    QVERIFY(champ(fenetre, "champ_nom")->text().isEmpty());
    QVERIFY(champ(fenetre, "champ_url")->text().isEmpty());
    QVERIFY(champ(fenetre, "champ_url")->isReadOnly());
    QVERIFY(!champ(fenetre, "champ_nom")->isReadOnly());
}

void TestFenetreNouveau::validiteDuNom_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<bool>("valide");

    QTest::newRow("letters") << "Avent" << true;
    QTest::newRow("letters and digits") << "aZ09mz" << true;
    QTest::newRow("digits only") << "2026" << true;
    QTest::newRow("starts with a digit") << "1Avent" << true;
    QTest::newRow("single letter") << "x" << true;

    QTest::newRow("space") << "mon avent" << false;
    QTest::newRow("leading space, not trimmed") << " Avent" << false;
    QTest::newRow("trailing space, not trimmed") << "Avent " << false;
    QTest::newRow("hyphen") << "mon-avent" << false;
    QTest::newRow("underscore") << "mon_avent" << false;
    QTest::newRow("caret") << "avent^2" << false;
    QTest::newRow("opening bracket") << "avent[" << false;
    QTest::newRow("closing bracket") << "]avent" << false;
    QTest::newRow("backslash") << "a\\vent" << false;
    QTest::newRow("grave accent") << "avent`" << false;
    QTest::newRow("dot") << "avent.xml" << false;
    QTest::newRow("slash") << "../avent" << false;
    QTest::newRow("accented letter") << QString::fromUtf8("No\xC3\xABl") << false;
    QTest::newRow("non-latin letter") << QString::fromUtf8("\xD0\xB4\xD0\xB5\xD0\xBD\xD1\x8C") << false;
    QTest::newRow("non-ascii digit") << QString::fromUtf8("\xD9\xA3") << false;
    QTest::newRow("fullwidth letter") << QString::fromUtf8("\xEF\xBC\xA1") << false;
}

void TestFenetreNouveau::validiteDuNom()
{
    QFETCH(QString, nom);
    QFETCH(bool, valide);

    Projet projet("ancien", "/ailleurs");
    FenetreNouveau fenetre(projet, nullptr);
    fenetre.show();
    champ(fenetre, "champ_nom")->setText(nom);
    fenetre.setUrl(repertoire.path());

    Avertissement vu;
    RepondeurModal repondeur(fermerAvertissement(vu));
    cliquerOk(fenetre);

    QCOMPARE(FenetreNouveau::estNomValide(nom), valide);
    if (valide) {
        QVERIFY2(!repondeur.aRepondu(), qPrintable(vu.texte));
        QCOMPARE(fenetre.result(), int(QDialog::Accepted));
        QVERIFY(!fenetre.isVisible());
        QCOMPARE(projet.getNomPojet(), nom);
        QCOMPARE(projet.getRepertoire(), repertoire.path());
    } else {
        QVERIFY(repondeur.aRepondu());
        QCOMPARE(vu.texte, MESSAGE_INVALIDE);
        QCOMPARE(vu.icone, QMessageBox::Warning);
        QVERIFY(vu.titre.isEmpty());
        QVERIFY(fenetre.isVisible());
        QVERIFY(fenetre.result() != QDialog::Accepted);
        QCOMPARE(projet.getNomPojet(), QStringLiteral("ancien"));
        QCOMPARE(projet.getRepertoire(), QStringLiteral("/ailleurs"));
        // The user can correct the input.
        QCOMPARE(fenetre.getNom(), nom);
        QCOMPARE(champ(fenetre, "champ_url")->text(), repertoire.path());
    }
    QVERIFY(!repondeur.aDuForcer());
}

void TestFenetreNouveau::saisieVide_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<bool>("avecRepertoire");

    QTest::newRow("both empty") << "" << false;
    QTest::newRow("name without directory") << "Avent" << false;
    QTest::newRow("directory without name") << "" << true;
    // Emptiness is reported before validity.
    QTest::newRow("invalid name without directory") << "mon avent" << false;
}

void TestFenetreNouveau::saisieVide()
{
    QFETCH(QString, nom);
    QFETCH(bool, avecRepertoire);

    Projet projet("ancien", "/ailleurs");
    FenetreNouveau fenetre(projet, nullptr);
    fenetre.show();
    champ(fenetre, "champ_nom")->setText(nom);
    if (avecRepertoire)
        fenetre.setUrl(repertoire.path());

    Avertissement vu;
    RepondeurModal repondeur(fermerAvertissement(vu));
    cliquerOk(fenetre);

    QVERIFY(repondeur.aRepondu());
    QCOMPARE(vu.texte, MESSAGE_VIDE);
    QCOMPARE(vu.icone, QMessageBox::Warning);
    QVERIFY(vu.titre.isEmpty());
    QVERIFY(fenetre.isVisible());
    QVERIFY(fenetre.result() != QDialog::Accepted);
    QCOMPARE(projet.getNomPojet(), QStringLiteral("ancien"));
    QCOMPARE(projet.getRepertoire(), QStringLiteral("/ailleurs"));
    QVERIFY(!repondeur.aDuForcer());
}

void TestFenetreNouveau::execAccepteAvecLeRepertoireChoisi()
{
    Projet projet("", "");
    FenetreNouveau fenetre(projet, nullptr);

    QString legende;
    QFileDialog::FileMode mode = QFileDialog::AnyFile;
    RepondeurModal repondeur([&](QWidget *modale) {
        auto *selecteur = qobject_cast<QFileDialog *>(modale);
        if (selecteur == nullptr)
            return false;
        legende = selecteur->windowTitle();
        mode = selecteur->fileMode();
        RepondeurModal::choisir(selecteur, repertoire.path());
        return true;
    });
    QTimer::singleShot(0, &fenetre, [&] {
        QTest::keyClicks(champ(fenetre, "champ_nom"), "Avent2026");
        cliquerParcourir(fenetre);
        cliquerOk(fenetre);
    });

    QCOMPARE(fenetre.exec(), int(QDialog::Accepted));
    QVERIFY(repondeur.aRepondu());
    QVERIFY(!repondeur.aDuForcer());
    QCOMPARE(legende, QStringLiteral("Select the working directory"));
    QCOMPARE(mode, QFileDialog::Directory);
    QCOMPARE(projet.getNomPojet(), QStringLiteral("Avent2026"));
    QCOMPARE(QFileInfo(projet.getRepertoire()).canonicalFilePath(),
             QFileInfo(repertoire.path()).canonicalFilePath());
    QCOMPARE(projet.getRepertoire(), fenetre.getUrl());
    QCOMPARE(champ(fenetre, "champ_url")->text(), fenetre.getUrl());
}

void TestFenetreNouveau::selecteurAnnuleGardeLeRepertoire()
{
    Projet projet("", "");
    FenetreNouveau fenetre(projet, nullptr);
    fenetre.show();

    {
        RepondeurModal repondeur([&](QWidget *modale) {
            auto *selecteur = qobject_cast<QFileDialog *>(modale);
            if (selecteur != nullptr)
                RepondeurModal::choisir(selecteur, repertoire.path());
            return selecteur != nullptr;
        });
        cliquerParcourir(fenetre);
        QVERIFY(repondeur.aRepondu());
    }
    const QString choisi = fenetre.getUrl();
    QVERIFY(!choisi.isEmpty());

    RepondeurModal annulation([](QWidget *modale) {
        auto *selecteur = qobject_cast<QFileDialog *>(modale);
        if (selecteur != nullptr)
            selecteur->reject();
        return selecteur != nullptr;
    });
    cliquerParcourir(fenetre);
    QVERIFY(annulation.aRepondu());
    QCOMPARE(fenetre.getUrl(), choisi);
    QCOMPARE(champ(fenetre, "champ_url")->text(), choisi);
    QVERIFY(fenetre.isVisible());
}

void TestFenetreNouveau::selecteurOuvertAuRelachement()
{
    Projet projet("", "");
    FenetreNouveau fenetre(projet, nullptr);
    fenetre.show();
    QPushButton *parcourir = fenetre.findChild<QPushButton *>("bouton_parcourir");

    RepondeurModal annulation([](QWidget *modale) {
        auto *selecteur = qobject_cast<QFileDialog *>(modale);
        if (selecteur != nullptr)
            selecteur->reject();
        return selecteur != nullptr;
    });
    QTest::mousePress(parcourir, Qt::LeftButton);
    QTest::qWait(50);
    QVERIFY(!annulation.aRepondu());
    QTest::mouseRelease(parcourir, Qt::LeftButton);
    QVERIFY(annulation.aRepondu());
    QVERIFY(fenetre.getUrl().isEmpty());
}

void TestFenetreNouveau::abandonLaisseLeProjet_data()
{
    QTest::addColumn<QString>("geste");
    QTest::newRow("cancel button") << "cancel";
    QTest::newRow("escape key") << "escape";
    QTest::newRow("window closed") << "close";
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
        if (geste == "cancel")
            fenetre.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel)->click();
        else if (geste == "escape")
            QTest::keyClick(champ(fenetre, "champ_nom"), Qt::Key_Escape);
        else
            fenetre.close();
    });

    QVERIFY(fenetre.exec() != QDialog::Accepted);
    QCOMPARE(projet.getNomPojet(), QStringLiteral("ancien"));
    QCOMPARE(projet.getRepertoire(), QStringLiteral("/ailleurs"));
}

QTEST_MAIN(TestFenetreNouveau)
#include "tst_fenetrenouveau.moc"
