#include "bureau/parametres.h"
#include "document/documentcalendrier.h"
#include "fenetres.h"
#include "fenetres/fenetreedition.h"
#include "fenetres/fenetrenouveau.h"
#include "fenetres/fenetreoptions.h"
#include "fenetres/fenetreprincipale.h"
#include "gestionnairefichiers.h"
#include "medias.h"
#include "modele/calendrier.h"
#include "modele/image.h"
#include "modele/message.h"
#include "modele/projet.h"
#include "repondeurmodal.h"

#include <QAction>
#include <QCheckBox>
#include <QCompleter>
#include <QMenu>
#include <QMenuBar>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(QList<QKeySequence>)

/// The window as a desktop application: menus and their shortcuts, recent calendars,
/// undo, the remembered geometry and paths typed into the dialogs.
class TestFenetreBureau : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void actions_data();
    void actions();
    void calendriersRecents();
    void annulerRetablir();
    void editionDuJour_data();
    void editionDuJour();
    void geometrieGardee();
    void cheminsSaisis_data();
    void cheminsSaisis();

private:
    QString chemin(const QString &nom) const
    {
        return dossier.filePath(nom);
    }
    /// A window showing a saved calendar with a picture on days 1 and 2.
    void preparer(FenetrePrincipale &fenetre);

    QTemporaryDir dossier;
};

void TestFenetreBureau::initTestCase()
{
    Q_INIT_RESOURCE(gui);
    Q_INIT_RESOURCE(ressources);
    QApplication::setQuitOnLastWindowClosed(false);
    dialoguesSilencieux();
    QVERIFY(dossier.isValid());
    QVERIFY(ecrirePngBrut(chemin("media/sapin.png")));
}

void TestFenetreBureau::cleanup()
{
    QVERIFY(reponsesToutesPrises());
}

void TestFenetreBureau::preparer(FenetrePrincipale &fenetre)
{
    auto *calendrier = new Calendrier("Avent");
    calendrier->ajouterMedia(1, new Image(chemin("media/sapin.png")));
    calendrier->ajouterMedia(2, new Image(chemin("media/sapin.png")));
    fenetre.setUrlCalendrier(chemin("Avent.xml"));
    fenetre.afficherCalendrier(calendrier);
    fenetre.sauvegardeInutile();
    fenetre.show();
    fenetre.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&fenetre));
}

void TestFenetreBureau::actions_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QList<QKeySequence>>("touches");
    QTest::addColumn<QString>("bouton");
    // Enabled without a calendar / with a saved one / with unsaved changes.
    QTest::addColumn<QString>("etats");

    const auto k = [](const char *texte) { return QKeySequence(QString::fromLatin1(texte)); };
    QTest::newRow("New") << "action_nouveau"
                         << "menu_fichier" << QList<QKeySequence>{k("Ctrl+N")} << "bouton_nouveau"
                         << "111";
    QTest::newRow("Open") << "action_ouvrir"
                          << "menu_fichier" << QList<QKeySequence>{k("Ctrl+O")} << "bouton_ouvrir"
                          << "111";
    QTest::newRow("Save") << "action_enregistrer"
                          << "menu_fichier" << QList<QKeySequence>{k("Ctrl+S")} << "bouton_enregistrer"
                          << "001";
    QTest::newRow("Import") << "action_importer"
                            << "menu_fichier" << QList<QKeySequence>{k("Ctrl+I")} << ""
                            << "011";
    QTest::newRow("Quit") << "action_quitter"
                          << "menu_fichier" << QList<QKeySequence>{k("Ctrl+Q")} << "bouton_quitter"
                          << "111";
    QTest::newRow("Undo") << "action_annuler"
                          << "menu_edition" << QList<QKeySequence>{k("Ctrl+Z")} << ""
                          << "000";
    QTest::newRow("Redo") << "action_retablir"
                          << "menu_edition" << QList<QKeySequence>{k("Ctrl+Shift+Z"), k("Ctrl+Y")} << ""
                          << "000";
    QTest::newRow("Options") << "action_options"
                             << "menu_calendrier" << QList<QKeySequence>{} << "bouton_options"
                             << "011";
    QTest::newRow("Preview") << "action_apercu"
                             << "menu_calendrier" << QList<QKeySequence>{k("F5")} << "bouton_apercu"
                             << "011";
    QTest::newRow("Generate") << "action_generer"
                              << "menu_calendrier" << QList<QKeySequence>{} << "bouton_generer"
                              << "011";
    QTest::newRow("About") << "action_a_propos"
                           << "menu_aide" << QList<QKeySequence>{} << ""
                           << "111";
}

void TestFenetreBureau::actions()
{
    QFETCH(QString, action);
    QFETCH(QString, menu);
    QFETCH(QList<QKeySequence>, touches);
    QFETCH(QString, bouton);
    QFETCH(QString, etats);

    FenetrePrincipale fenetre;
    auto *commande = fenetre.findChild<QAction *>(action);
    QVERIFY(commande != nullptr);
    QVERIFY(fenetre.menuBar()->findChild<QMenu *>(menu)->actions().contains(commande));
    QCOMPARE(commande->shortcuts(), touches);

    // The action and its button share one state, whatever the window's state.
    auto *poussoir = bouton.isEmpty() ? nullptr : fenetre.findChild<QPushButton *>(bouton);
    for (int etat = 0; etat < 3; ++etat) {
        if (etat == 1)
            preparer(fenetre);
        if (etat == 2)
            fenetre.sauvegardeUtile();
        QCOMPARE(commande->isEnabled(), etats.at(etat) == QLatin1Char('1'));
        if (poussoir != nullptr)
            QCOMPARE(poussoir->isEnabled(), commande->isEnabled());
    }
    if (action == QLatin1String("action_a_propos")) {
        commande->trigger();
        const QList<BoiteMessage::Montree> boites = BoiteMessage::prendreMontrees();
        QCOMPARE(boites.size(), 1);
        QVERIFY(boites.at(0).texte.contains(QStringLiteral("tinselbox 1.0")));
        QVERIFY(boites.at(0).texte.contains(QStringLiteral("https://")));
    }
}

void TestFenetreBureau::calendriersRecents()
{
    Parametres::viderCalendriersRecents();
    for (const char *nom : {"Avent.xml", "Noel.xml"}) {
        Calendrier calendrier(QString::fromLatin1(nom).chopped(4));
        QCOMPARE(GestionnaireFichiers().creerFichierDepuisCalendrier(calendrier, chemin(nom)), 0);
    }
    const auto textes = [](const FenetrePrincipale &fenetre) {
        auto *menu = fenetre.findChild<QMenu *>(QStringLiteral("menu_recents"));
        emit menu->aboutToShow();
        QStringList resultat;
        for (QAction *action : menu->actions())
            resultat << (action->isSeparator() ? QStringLiteral("-") : action->text());
        return resultat;
    };

    FenetrePrincipale premiere;
    FenetrePrincipale seconde;
    QVERIFY(premiere.ouvrirCalendrier(chemin("Avent.xml")));
    QVERIFY(premiere.ouvrirCalendrier(chemin("Noel.xml")));
    QVERIFY(premiere.ouvrirCalendrier(chemin("Avent.xml")));
    // Most recent first, each once, seen from the other window too.
    const QStringList attendus{"&1 Avent.xml", "&2 Noel.xml", "-", "&Clear Menu"};
    QCOMPARE(textes(seconde), attendus);

    // Chosen in the second window, it opens there.
    seconde.findChild<QMenu *>(QStringLiteral("menu_recents"))->actions().at(1)->trigger();
    QCOMPARE(seconde.getUrlCalendrier(), chemin("Noel.xml"));
    QCOMPARE(textes(premiere).first(), QStringLiteral("&1 Noel.xml"));

    // Ten at most; Clear empties every window's list.
    for (int i = 0; i < 12; ++i)
        Parametres::ajouterCalendrierRecent(chemin(QStringLiteral("c%1.xml").arg(i)));
    QCOMPARE(textes(premiere).size(), 10 + 2);
    QCOMPARE(textes(premiere).first(), QStringLiteral("&1 c11.xml"));
    premiere.findChild<QMenu *>(QStringLiteral("menu_recents"))->actions().last()->trigger();
    QCOMPARE(textes(seconde), (QStringList{"-", "&Clear Menu"}));
    QVERIFY(!seconde.findChild<QMenu *>(QStringLiteral("menu_recents"))->actions().last()->isEnabled());
}

void TestFenetreBureau::annulerRetablir()
{
    FenetrePrincipale fenetre;
    preparer(fenetre);
    const auto touche = [&fenetre](const char *touches) {
        QTest::keySequence(&fenetre, QKeySequence(QString::fromLatin1(touches)));
    };
    const auto etat = [&fenetre] {
        return QStringLiteral("%1%2 %3")
            .arg(fenetre.getCalendrier()->getMedia(1) != nullptr ? "1" : "-")
            .arg(fenetre.getCalendrier()->getMedia(2) != nullptr ? "2" : "-")
            .arg(fenetre.isWindowModified() ? "*" : "saved");
    };

    // Delete is immediate and one step; undoing back to the saved state clears the mark.
    QTest::keyClick(tuile(fenetre, 1), Qt::Key_Delete);
    QCOMPARE(etat(), QStringLiteral("-2 *"));
    touche("Ctrl+Z");
    QCOMPARE(etat(), QStringLiteral("12 saved"));
    QCOMPARE(fenetre.sauvegardeNecessaire(), false);
    touche("Ctrl+Shift+Z");
    QCOMPARE(etat(), QStringLiteral("-2 *"));
    QTest::keyClick(tuile(fenetre, 2), Qt::Key_Delete);
    // Saved with both days empty: undo now leaves the saved state.
    touche("Ctrl+S");
    QCOMPARE(etat(), QStringLiteral("-- saved"));
    touche("Ctrl+Z");
    QCOMPARE(etat(), QStringLiteral("-2 *"));
    touche("Ctrl+Y");
    QCOMPARE(etat(), QStringLiteral("-- saved"));

    // An options change is one step, like a day.
    RepondeurModal repondeur([](QWidget *modale) {
        auto *options = qobject_cast<FenetreOptions *>(modale);
        if (options == nullptr)
            return false;
        options->findChild<QCheckBox *>("case_rattrapage")->setChecked(true);
        options->findChild<QSpinBox *>("champ_jours")->setValue(24);
        options->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        return true;
    });
    fenetre.findChild<QAction *>(QStringLiteral("action_options"))->trigger();
    QVERIFY(repondeur.aRepondu());
    QVERIFY(fenetre.getCalendrier()->getOptions().rattrapage);
    fenetre.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&fenetre));
    QCOMPARE(fenetre.getCalendrier()->getOptions().jours, 24);
    touche("Ctrl+Z");
    QVERIFY(!fenetre.getCalendrier()->getOptions().rattrapage);
    QCOMPARE(fenetre.getCalendrier()->getOptions().jours, 31);
    QCOMPARE(etat(), QStringLiteral("-- saved"));

    // Another calendar starts another history.
    fenetre.afficherCalendrier(new Calendrier("Noel"));
    QVERIFY(fenetre.ouvrirCalendrier(chemin("Avent.xml")));
    QVERIFY(!fenetre.findChild<QAction *>(QStringLiteral("action_annuler"))->isEnabled());
}

void TestFenetreBureau::editionDuJour_data()
{
    QTest::addColumn<QString>("texte");
    QTest::addColumn<bool>("annule");
    QTest::addColumn<QString>("etape");

    QTest::newRow("another text") << "Joyeux Noël" << false << "Edit day 3";
    QTest::newRow("the same text, OK") << "Bonjour" << false << "";
    QTest::newRow("another text, Cancel") << "Joyeux Noël" << true << "";
    QTest::newRow("emptied") << "" << false << "Edit day 3";
}

void TestFenetreBureau::editionDuJour()
{
    QFETCH(QString, texte);
    QFETCH(bool, annule);
    QFETCH(QString, etape);

    FenetrePrincipale fenetre;
    preparer(fenetre);
    fenetre.getCalendrier()->ajouterMedia(3, new Message(QStringLiteral("Bonjour")));
    fenetre.afficherCalendrier(fenetre.getCalendrier());
    const QUndoStack &pile = fenetre.getDocument().getPile();
    const int etapesAvant = pile.count();

    RepondeurModal repondeur([texte, annule](QWidget *modale) {
        auto *edition = qobject_cast<FenetreEdition *>(modale);
        if (edition == nullptr)
            return false;
        edition->setTexteMessage(texte);
        edition->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"))
            ->button(annule ? QDialogButtonBox::Cancel : QDialogButtonBox::Ok)
            ->click();
        return true;
    });
    QTest::keyClick(tuile(fenetre, 3), Qt::Key_Return);
    QVERIFY(repondeur.aRepondu());

    // A step only when the day changed, named after it; undoing it brings the text back.
    QCOMPARE(pile.count() - etapesAvant, etape.isEmpty() ? 0 : 1);
    QCOMPARE(fenetre.sauvegardeNecessaire(), !etape.isEmpty());
    if (etape.isEmpty())
        return;
    QCOMPARE(pile.undoText(), etape);
    fenetre.getDocument().getPile().undo();
    QCOMPARE(
        dynamic_cast<Message *>(fenetre.getCalendrier()->getMedia(3))->getTexte(), QStringLiteral("Bonjour"));
    QVERIFY(!fenetre.sauvegardeNecessaire());
}

void TestFenetreBureau::geometrieGardee()
{
    Parametres::setGeometrie(QByteArray());
    {
        FenetrePrincipale neuve;
        QCOMPARE(neuve.size(), QSize(800, 600));
        neuve.show();
        QVERIFY(QTest::qWaitForWindowExposed(&neuve));
        neuve.resize(1000, 700);
        QTRY_COMPARE(neuve.size(), QSize(1000, 700));
        QVERIFY(neuve.close());
    }
    FenetrePrincipale suivante;
    QCOMPARE(suivante.size(), QSize(1000, 700));
    Parametres::setGeometrie(QByteArray());
}

void TestFenetreBureau::cheminsSaisis_data()
{
    QTest::addColumn<bool>("nouveau");
    QTest::addColumn<QString>("saisie");
    QTest::addColumn<bool>("accepte");
    QTest::addColumn<QString>("avertissement");

    QTest::newRow("New: a folder") << true << chemin("media") << true << QString();
    QTest::newRow("New: blanks around it") << true << "  " + chemin("media") + " " << true << QString();
    QTest::newRow("New: no such folder")
        << true << chemin("nulle/part") << false
        << "The working directory " + chemin("nulle/part") + " does not exist or is not a folder.";
    QTest::newRow("New: a file") << true << chemin("media/sapin.png") << false
                                 << "The working directory " + chemin("media/sapin.png")
            + " does not exist or is not a folder.";
    QTest::newRow("day: a picture") << false << chemin("media/sapin.png") << true << QString();
    // A missing file gets the chooser's question for a doubtful file; No keeps the dialog open.
    QTest::newRow("day: no such file") << false << chemin("media/absent.png") << false
                                       << "This file does not look like a picture. The page may not "
                                          "be able to show it. Keep it anyway?";
}

void TestFenetreBureau::cheminsSaisis()
{
    QFETCH(bool, nouveau);
    QFETCH(QString, saisie);
    QFETCH(bool, accepte);
    QFETCH(QString, avertissement);

    Projet projet{QString(), QString()};
    Calendrier calendrier("Avent");
    std::unique_ptr<QDialog> dialogue;
    if (nouveau) {
        dialogue = std::make_unique<FenetreNouveau>(projet);
        dialogue->findChild<QLineEdit *>("champ_nom")->setText("Avent");
    } else {
        auto *edition = new FenetreEdition(nullptr);
        edition->configurerFenetre(3, &calendrier);
        dialogue.reset(edition);
    }
    dialogue->show();
    auto *champ = dialogue->findChild<QLineEdit *>("champ_url");
    QVERIFY(champ->completer() != nullptr);
    champ->setFocus();
    // Typed as a user types or pastes it, not set by the chooser.
    QTest::keyClicks(champ, saisie);
    if (!accepte && !nouveau)
        BoiteMessage::prevoirReponse(QMessageBox::No);
    dialogue->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();

    QCOMPARE(dialogue->result() == QDialog::Accepted, accepte);
    const QList<BoiteMessage::Montree> boites = BoiteMessage::prendreMontrees();
    QCOMPARE(boites.isEmpty() ? QString() : boites.at(0).texte, avertissement);
    if (accepte && nouveau)
        QCOMPARE(projet.getRepertoire(), saisie.trimmed());
    if (accepte && !nouveau)
        QCOMPARE(calendrier.getMedia(3)->getUrl(), saisie);
}

QTEST_MAIN(TestFenetreBureau)
#include "tst_fenetrebureau.moc"
