#include "bureau/boitemessage.h"
#include "bureau/choixfichier.h"
#include "repondeurmodal.h"

#include <QTemporaryDir>
#include <QtTest>

class TestDialogues : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void boiteMontreeSansReponsePrevue_data();
    void boiteMontreeSansReponsePrevue();
    void entreeRepondNon();
    void selecteurMontreSansChoixPrevu();
    void reponsesPrevuesDansLOrdre();
    void silencieux();
};

void TestDialogues::initTestCase()
{
    // Only the toolkit's own file chooser can be answered from a timer.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
}

void TestDialogues::cleanup()
{
    BoiteMessage::setSilencieux(false);
    ChoixFichier::setSilencieux(false);
    BoiteMessage::reinitialiser();
    ChoixFichier::reinitialiser();
}

void TestDialogues::boiteMontreeSansReponsePrevue_data()
{
    QTest::addColumn<int>("icone");
    QTest::addColumn<int>("reponse");
    QTest::addColumn<int>("boutons");

    const int ouiNon = int(QMessageBox::Yes | QMessageBox::No);
    QTest::newRow("question, No") << int(QMessageBox::Question) << int(QMessageBox::No) << ouiNon;
    QTest::newRow("question, Yes") << int(QMessageBox::Question) << int(QMessageBox::Yes) << ouiNon;
    QTest::newRow("warning") << int(QMessageBox::Warning) << int(QMessageBox::Ok) << int(QMessageBox::Ok);
    QTest::newRow("information") << int(QMessageBox::Information) << int(QMessageBox::Ok)
                                 << int(QMessageBox::Ok);
}

void TestDialogues::boiteMontreeSansReponsePrevue()
{
    QFETCH(int, icone);
    QFETCH(int, reponse);
    QFETCH(int, boutons);

    QWidget parent;
    Boite vue;
    RepondeurModal repondeur(repondre(vue, QMessageBox::StandardButton(reponse)));
    QMessageBox::StandardButton obtenue = QMessageBox::NoButton;
    if (icone == QMessageBox::Question)
        obtenue = BoiteMessage::question(&parent, "Go on?");
    else if (icone == QMessageBox::Warning)
        BoiteMessage::avertir(&parent, "Go on?");
    else
        BoiteMessage::informer(&parent, "Go on?");

    QVERIFY(repondeur.aRepondu());
    QVERIFY(!repondeur.aDuForcer());
    if (icone == QMessageBox::Question)
        QCOMPARE(int(obtenue), reponse);
    QCOMPARE(vue.texte, QStringLiteral("Go on?"));
    QVERIFY(vue.titre.isEmpty());
    QCOMPARE(int(vue.icone), icone);
    QCOMPARE(int(vue.boutons), boutons);
    QVERIFY(vue.avecParent);
    // A box the user answered is not noted.
    QVERIFY(BoiteMessage::prendreMontrees().isEmpty());
}

void TestDialogues::entreeRepondNon()
{
    // Every question's Yes erases or discards something: two presses of Enter must not.
    Boite vue;
    RepondeurModal repondeur([&vue](QWidget *modale) {
        auto *boite = qobject_cast<QMessageBox *>(modale);
        if (boite == nullptr)
            return false;
        vue = Boite::de(boite);
        QTest::keyClick(boite, Qt::Key_Return);
        return true;
    });
    QCOMPARE(BoiteMessage::question(nullptr, "Erase it all?"), QMessageBox::No);
    QVERIFY(!repondeur.aDuForcer());
    QCOMPARE(vue.boutonParDefaut, QMessageBox::No);
}

void TestDialogues::selecteurMontreSansChoixPrevu()
{
    QTemporaryDir repertoire;
    const QString chemin = repertoire.filePath("choisi.txt");
    QFileDialog selecteur(nullptr, "Pick");
    {
        RepondeurModal repondeur(choisirDansSelecteur(chemin));
        QCOMPARE(ChoixFichier::choisir(selecteur), chemin);
        QVERIFY(repondeur.aRepondu());
    }
    RepondeurModal annulation(choisirDansSelecteur(QString()));
    QCOMPARE(ChoixFichier::choisir(selecteur), QString());
    QVERIFY(annulation.aRepondu());
    QVERIFY(ChoixFichier::prendreMontres().isEmpty());
}

void TestDialogues::reponsesPrevuesDansLOrdre()
{
    BoiteMessage::prevoirReponse(QMessageBox::No);
    BoiteMessage::prevoirReponse(QMessageBox::Yes);
    ChoixFichier::prevoirChoix("/a");
    ChoixFichier::prevoirChoix(QString());

    QWidget parent;
    QCOMPARE(BoiteMessage::question(&parent, "first"), QMessageBox::No);
    QCOMPARE(BoiteMessage::question(nullptr, "second"), QMessageBox::Yes);
    QFileDialog selecteur(&parent, "Pick");
    selecteur.setFileMode(QFileDialog::Directory);
    QCOMPARE(ChoixFichier::choisir(selecteur), QStringLiteral("/a"));
    QCOMPARE(ChoixFichier::choisir(selecteur), QString());
    QCOMPARE(BoiteMessage::reponsesEnAttente(), 0);
    QCOMPARE(ChoixFichier::choixEnAttente(), 0);

    const QList<BoiteMessage::Montree> boites = BoiteMessage::prendreMontrees();
    QCOMPARE(boites.size(), 2);
    QCOMPARE(boites.at(0).texte, QStringLiteral("first"));
    QCOMPARE(boites.at(0).parent.data(), &parent);
    QCOMPARE(boites.at(1).parent.data(), nullptr);
    QCOMPARE(boites.at(1).boutons, QMessageBox::Yes | QMessageBox::No);
    QVERIFY(BoiteMessage::prendreMontrees().isEmpty());
    const QList<ChoixFichier::Montre> selecteurs = ChoixFichier::prendreMontres();
    QCOMPARE(selecteurs.size(), 2);
    QCOMPARE(selecteurs.at(0).titre, QStringLiteral("Pick"));
    QCOMPARE(selecteurs.at(0).mode, QFileDialog::Directory);
}

void TestDialogues::silencieux()
{
    // Nothing is shown (a shown box would hang here): questions read as closed, choosers
    // as cancelled, and both are noted.
    BoiteMessage::setSilencieux(true);
    ChoixFichier::setSilencieux(true);
    QCOMPARE(BoiteMessage::question(nullptr, "unexpected"), QMessageBox::NoButton);
    BoiteMessage::avertir(nullptr, "also unexpected");
    QFileDialog selecteur;
    QCOMPARE(ChoixFichier::choisir(selecteur), QString());
    QCOMPARE(BoiteMessage::prendreMontrees().size(), 2);
    QCOMPARE(ChoixFichier::prendreMontres().size(), 1);
}

QTEST_MAIN(TestDialogues)
#include "tst_dialogues.moc"
