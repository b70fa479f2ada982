#include "calendriers.h"
#include "fenetres.h"
#include "fenetres/fenetreprincipale.h"
#include "gestionnairefichiers.h"
#include "medias.h"
#include "modele/calendrier.h"
#include "modele/image.h"
#include "modele/message.h"
#include "modele/son.h"
#include "modele/video.h"
#include "repondeurmodal.h"

#include <QDesktopServices>
#include <QMenu>
#include <QMimeData>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using Jours = QMap<int, int>;

/// Each day of the shown calendar with its kind.
Jours jours(const FenetrePrincipale &fenetre)
{
    Jours resultat;
    const QMap<int, Media *> &contenu = fenetre.getCalendrier()->getContenuConstant();
    for (auto it = contenu.constBegin(); it != contenu.constEnd(); ++it)
        resultat.insert(it.key(), int(it.value()->getType()));
    return resultat;
}

QStringList textesMontres()
{
    QStringList textes;
    for (const BoiteMessage::Montree &boite : BoiteMessage::prendreMontrees())
        textes << boite.texte;
    return textes;
}

/// Drags local `chemins` onto `cible` and drops them there, as a file manager does.
void deposer(FenetrePrincipale &fenetre, const QStringList &chemins, QWidget *cible)
{
    QMimeData donnees;
    QList<QUrl> urls;
    for (const QString &chemin : chemins)
        urls << QUrl::fromLocalFile(chemin);
    donnees.setUrls(urls);
    const QPoint position = cible->mapTo(&fenetre, cible->rect().center());
    QDragEnterEvent entree(position, Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&fenetre, &entree);
    QVERIFY(entree.isAccepted());
    QDropEvent depot(position, Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&fenetre, &depot);
    // The window acts once the drop has returned.
    QCoreApplication::processEvents();
}

} // namespace

/// Catches what the desktop would be asked to open.
class ReceveurUrl : public QObject
{
    Q_OBJECT

public slots:
    void ouvrir(const QUrl &url)
    {
        urls << url;
    }

public:
    QList<QUrl> urls;
};

class TestFenetreInteractions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void raccourcis_data();
    void raccourcis();
    void clavierSurLesTuiles();
    void titre();
    void menuTuile();
    void grilleSuitLaFenetre();
    void depotSurTuile_data();
    void depotSurTuile();
    void depotMultiple_data();
    void depotMultiple();
    void depotProjet();
    void echangeJours_data();
    void echangeJours();

private:
    /// A shown, active window with a photo on day 1 and a tune on day 2, saved at "Avent.xml".
    void preparer(FenetrePrincipale &fenetre);
    QString chemin(const QString &nom) const
    {
        return dossier.filePath(nom);
    }

    QTemporaryDir dossier;
};

void TestFenetreInteractions::initTestCase()
{
    Q_INIT_RESOURCE(gui);
    Q_INIT_RESOURCE(ressources);
    QApplication::setQuitOnLastWindowClosed(false);
    QVERIFY(dossier.isValid());
    dialoguesSilencieux();
}

void TestFenetreInteractions::init()
{
    viderRepertoire(dossier.path());
    QVERIFY(ecrirePngBrut(chemin("media/sapin.png")));
    QVERIFY(ecrireWav(chemin("media/grelots.wav")));
}

void TestFenetreInteractions::cleanup()
{
    QVERIFY(reponsesToutesPrises());
}

void TestFenetreInteractions::preparer(FenetrePrincipale &fenetre)
{
    auto *calendrier = new Calendrier("Avent");
    calendrier->ajouterMedia(1, new Image(chemin("media/sapin.png")));
    calendrier->ajouterMedia(2, new Son(chemin("media/grelots.wav")));
    fenetre.setUrlCalendrier(chemin("Avent.xml"));
    fenetre.afficherCalendrier(calendrier);
    fenetre.sauvegardeInutile();
    fenetre.show();
    fenetre.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&fenetre));
}

void TestFenetreInteractions::raccourcis_data()
{
    QTest::addColumn<int>("touche");
    QTest::addColumn<int>("modificateurs");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("choix");

    const QString perdu = QStringLiteral("Your changes will be lost if you don\u2019t save them. \n");
    // Each command shows that it ran by its first question or chooser; both are turned down.
    QTest::newRow("Ctrl+N") << int(Qt::Key_N) << int(Qt::ControlModifier) << perdu + "Create new anyway?"
                            << QString();
    QTest::newRow("Ctrl+O") << int(Qt::Key_O) << int(Qt::ControlModifier) << perdu + "Open anyway?"
                            << QString();
    QTest::newRow("Ctrl+Q") << int(Qt::Key_Q) << int(Qt::ControlModifier) << perdu + "Quit anyway?"
                            << QString();
    QTest::newRow("Ctrl+I") << int(Qt::Key_I) << int(Qt::ControlModifier) << QString()
                            << "Select a folder to import";
    QTest::newRow("F5") << int(Qt::Key_F5) << int(Qt::NoModifier)
                        << "This action will erase all the contents of the directory " + chemin("tmp")
            + "\nGenerate anyway?"
                        << QString();
    QTest::newRow("Ctrl+S") << int(Qt::Key_S) << int(Qt::ControlModifier) << QString() << QString();
}

void TestFenetreInteractions::raccourcis()
{
    QFETCH(int, touche);
    QFETCH(int, modificateurs);
    QFETCH(QString, question);
    QFETCH(QString, choix);

    FenetrePrincipale fenetre;
    preparer(fenetre);
    fenetre.sauvegardeUtile();
    // The user's own file in "tmp" makes Preview ask before erasing it.
    QVERIFY(ecrire(chemin("tmp/notes.txt"), "mine"));
    if (!question.isEmpty())
        BoiteMessage::prevoirReponse(QMessageBox::No);

    QTest::keyClick(&fenetre, Qt::Key(touche), Qt::KeyboardModifiers(modificateurs));

    QCOMPARE(textesMontres(), question.isEmpty() ? QStringList() : QStringList{question});
    QStringList titres;
    for (const ChoixFichier::Montre &montre : ChoixFichier::prendreMontres())
        titres << montre.titre;
    QCOMPARE(titres, choix.isEmpty() ? QStringList() : QStringList{choix});
    // Only Save changes anything.
    QCOMPARE(QFile::exists(chemin("Avent.xml")), touche == Qt::Key_S);
    QCOMPARE(fenetre.sauvegardeNecessaire(), touche != Qt::Key_S);
}

void TestFenetreInteractions::clavierSurLesTuiles()
{
    FenetrePrincipale fenetre;
    preparer(fenetre);
    tuile(fenetre, 1)->setFocus();

    // Arrows walk the grid of seven columns.
    const struct {
        Qt::Key touche;
        int jour;
    } pas[] = {{Qt::Key_Right, 2}, {Qt::Key_Down, 9}, {Qt::Key_Left, 8}, {Qt::Key_Up, 1}, {Qt::Key_Up, 1}};
    for (const auto &p : pas) {
        QTest::keyClick(QApplication::focusWidget(), p.touche);
        QCOMPARE(QApplication::focusWidget(), tuile(fenetre, p.jour));
    }

    // Enter opens the focused day.
    QString titreDialogue;
    RepondeurModal repondeur(remplirEdition("", QString(), &titreDialogue));
    QTest::keyClick(tuile(fenetre, 1), Qt::Key_Return);
    QVERIFY(repondeur.aRepondu());
    QCOMPARE(titreDialogue, QStringLiteral("Day 01"));

    // Delete empties it at once; an empty day stays as it is.
    fenetre.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&fenetre));
    QTest::keyClick(tuile(fenetre, 1), Qt::Key_Delete);
    QCOMPARE(jours(fenetre), (Jours{{2, Media::MUSIQUE}}));
    QCOMPARE(tuile(fenetre, 1)->getType(), Media::AUCUN);
    QVERIFY(fenetre.sauvegardeNecessaire());
    fenetre.sauvegardeInutile();
    QTest::keyClick(tuile(fenetre, 1), Qt::Key_Delete);
    QVERIFY(!fenetre.sauvegardeNecessaire());
}

void TestFenetreInteractions::titre()
{
    FenetrePrincipale fenetre;
    QCOMPARE(fenetre.windowTitle(), QStringLiteral("tinselbox 1.0"));
    preparer(fenetre);
    QCOMPARE(fenetre.windowTitle(), QStringLiteral("Avent[*] - tinselbox 1.0"));
    QVERIFY(!fenetre.isWindowModified());

    QTest::keyClick(tuile(fenetre, 2), Qt::Key_Delete);
    QVERIFY(fenetre.isWindowModified());
    QTest::keyClick(&fenetre, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!fenetre.isWindowModified());
    QCOMPARE(fenetre.isWindowModified(), bouton(fenetre, "bouton_enregistrer")->isEnabled());
}

void TestFenetreInteractions::menuTuile()
{
    FenetrePrincipale fenetre;
    preparer(fenetre);
    ReceveurUrl receveur;
    QDesktopServices::setUrlHandler("file", &receveur, "ouvrir");

    // Opened from the keyboard (the Menu key), then "Show in folder" is chosen.
    QStringList textes;
    QTimer::singleShot(0, &fenetre, [&textes] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu != nullptr);
        for (QAction *action : menu->actions())
            textes << action->text() + (action->isEnabled() ? "" : " (disabled)");
        menu->actions().at(2)->trigger();
        menu->close();
    });
    QContextMenuEvent evenement(QContextMenuEvent::Keyboard, QPoint(5, 5));
    QApplication::sendEvent(tuile(fenetre, 1), &evenement);
    QDesktopServices::unsetUrlHandler("file");

    QCOMPARE(textes, (QStringList{"Edit...", "Clear day", "Show in folder", "", "Import a folder..."}));
    QCOMPARE(receveur.urls, QList<QUrl>{QUrl::fromLocalFile(chemin("media"))});
}

void TestFenetreInteractions::grilleSuitLaFenetre()
{
    FenetrePrincipale fenetre;
    preparer(fenetre);
    const QSize avant = tuile(fenetre, 1)->size();
    fenetre.resize(1600, 1000);
    QTRY_VERIFY(tuile(fenetre, 1)->width() > 2 * avant.width());
    QVERIFY(tuile(fenetre, 1)->height() > avant.height());
}

void TestFenetreInteractions::depotSurTuile_data()
{
    QTest::addColumn<QString>("fichier");
    QTest::addColumn<QByteArray>("contenu"); // empty: a sound
    QTest::addColumn<Jours>("attendu");

    // Day 1 holds a photo: the tile was the target, so it is replaced without a question.
    // The names lie: the content decides.
    const Jours inchanges{{1, Media::PHOTO}, {2, Media::MUSIQUE}};
    QTest::newRow("sound on a photo")
        << "a/clochettes.png" << QByteArray() << Jours{{1, Media::MUSIQUE}, {2, Media::MUSIQUE}};
    QTest::newRow("text becomes a message")
        << "a/liste.png" << QByteArray("milk, carrots\n") << Jours{{1, Media::MESSAGE}, {2, Media::MUSIQUE}};
    QTest::newRow("text too long for a message") << "a/roman.txt" << QByteArray(1001, 'a') << inchanges;
    QTest::newRow("no known kind") << "a/octets.png" << QByteArray("\x01\x02\x03\x00\xff\xfe", 6)
                                   << inchanges;
}

void TestFenetreInteractions::depotSurTuile()
{
    QFETCH(QString, fichier);
    QFETCH(QByteArray, contenu);
    QFETCH(Jours, attendu);

    FenetrePrincipale fenetre;
    preparer(fenetre);
    QVERIFY(contenu.isEmpty() ? ecrireWav(chemin(fichier)) : ecrire(chemin(fichier), contenu));

    deposer(fenetre, {chemin(fichier)}, tuile(fenetre, 1));

    QCOMPARE(jours(fenetre), attendu);
    const bool change = attendu.value(1) != Media::PHOTO;
    QCOMPARE(fenetre.sauvegardeNecessaire(), change);
    QCOMPARE(textesMontres().size(), change ? 0 : 1);
    if (attendu.value(1) == Media::MUSIQUE)
        QVERIFY(tuile(fenetre, 1)->toolTip().contains(chemin(fichier)));
    if (attendu.value(1) == Media::MESSAGE)
        QCOMPARE(static_cast<Message *>(fenetre.getCalendrier()->getMedia(1))->getTexte(),
            QString("milk, carrots"));
}

void TestFenetreInteractions::depotMultiple_data()
{
    QTest::addColumn<bool>("commeDossier");
    QTest::addColumn<int>("reponse");
    QTest::addColumn<int>("longueur");
    QTest::addColumn<Jours>("attendu");

    // 01-etoile.png aims at day 1, which holds a photo; 24.mp4 at day 24; lutins.wav fills
    // the first empty day; notes.bin is of no kind.
    // Day 1 is a photo either way; its file tells whether it was replaced.
    const Jours attendu{{1, Media::PHOTO}, {2, Media::MUSIQUE}, {3, Media::MUSIQUE}, {24, Media::VIDEO}};
    QTest::newRow("files, No keeps day 1") << false << int(QMessageBox::No) << 31 << attendu;
    QTest::newRow("folder, No keeps day 1") << true << int(QMessageBox::No) << 31 << attendu;
    QTest::newRow("folder, Yes replaces day 1") << true << int(QMessageBox::Yes) << 31 << attendu;
    // Day 24 is beyond a 12-day calendar: its file finds no day.
    QTest::newRow("12 days, 24.mp4 left out")
        << true << int(QMessageBox::No) << 12
        << Jours{{1, Media::PHOTO}, {2, Media::MUSIQUE}, {3, Media::MUSIQUE}};
}

void TestFenetreInteractions::depotMultiple()
{
    QFETCH(bool, commeDossier);
    QFETCH(int, reponse);
    QFETCH(int, longueur);
    QFETCH(Jours, attendu);

    FenetrePrincipale fenetre;
    preparer(fenetre);
    fixerOption(*fenetre.getCalendrier(), &OptionsCalendrier::jours, longueur);
    const QStringList fichiers{chemin("import/01-etoile.png"), chemin("import/24.mp4"),
        chemin("import/lutins.wav"), chemin("import/notes.bin")};
    QVERIFY(ecrirePngBrut(fichiers.at(0)));
    QVERIFY(ecrireMp4(fichiers.at(1)));
    QVERIFY(ecrireWav(fichiers.at(2)));
    QVERIFY(ecrire(fichiers.at(3), QByteArray("\x01\x02\x03\x00\xff\xfe", 6)));

    BoiteMessage::prevoirReponse(QMessageBox::StandardButton(reponse));
    deposer(fenetre, commeDossier ? QStringList{chemin("import")} : fichiers,
        fenetre.findChild<QWidget *>("nom"));

    QCOMPARE(jours(fenetre), attendu);
    QCOMPARE(fenetre.getCalendrier()->getMedia(1)->getUrl(),
        reponse == QMessageBox::Yes ? fichiers.at(0) : chemin("media/sapin.png"));
    QCOMPARE(fenetre.getCalendrier()->getMedia(3)->getUrl(), fichiers.at(2));
    QVERIFY(fenetre.sauvegardeNecessaire());

    // One question, No by default, then one note of what was left out.
    const QList<BoiteMessage::Montree> boites = BoiteMessage::prendreMontrees();
    QCOMPARE(boites.size(), 2);
    QCOMPARE(boites.at(0).texte, QStringLiteral("These days already hold a media: 1. \nReplace them?"));
    QCOMPARE(boites.at(0).boutonParDefaut, QMessageBox::No);
    // Only what found no day is listed, in the details: not a file kept out by No.
    QVERIFY(boites.at(1).detaille.contains("notes.bin"));
    QVERIFY(!boites.at(1).detaille.contains("01-etoile.png"));
    QCOMPARE(boites.at(1).detaille.contains("24.mp4"), longueur < 24);
}

void TestFenetreInteractions::depotProjet()
{
    {
        Calendrier enregistre("Noel");
        // A media that exists, so that Open has nothing missing to report.
        QVERIFY(ecrireMp4(chemin("media/traineau.mp4")));
        enregistre.ajouterMedia(7, new Video(chemin("media/traineau.mp4")));
        QCOMPARE(GestionnaireFichiers().creerFichierDepuisCalendrier(enregistre, chemin("Noel.xml")), 0);
    }
    FenetrePrincipale fenetre;
    preparer(fenetre);
    fenetre.sauvegardeUtile();

    // The unsaved changes come first: No keeps everything.
    BoiteMessage::prevoirReponse(QMessageBox::No);
    deposer(fenetre, {chemin("Noel.xml")}, tuile(fenetre, 3));
    QCOMPARE(fenetre.getCalendrier()->getNom(), QStringLiteral("Avent"));

    BoiteMessage::prevoirReponse(QMessageBox::Yes);
    deposer(fenetre, {chemin("Noel.xml")}, tuile(fenetre, 3));
    QCOMPARE(fenetre.getCalendrier()->getNom(), QStringLiteral("Noel"));
    QCOMPARE(jours(fenetre), (Jours{{7, Media::VIDEO}}));
    QCOMPARE(fenetre.getUrlCalendrier(), chemin("Noel.xml"));
    QVERIFY(!fenetre.sauvegardeNecessaire());
    QCOMPARE(textesMontres().size(), 2);
}

void TestFenetreInteractions::echangeJours_data()
{
    QTest::addColumn<int>("touche");
    QTest::addColumn<int>("cible");
    QTest::addColumn<Jours>("attendu");
    // Day 1 holds the photo, day 2 the tune; a key swaps the focused day 1 with its neighbour.
    const Jours echanges{{1, Media::MUSIQUE}, {2, Media::PHOTO}};
    QTest::newRow("Ctrl+Shift+Right") << int(Qt::Key_Right) << 2 << echanges;
    QTest::newRow("Ctrl+Shift+Down, onto an empty day")
        << int(Qt::Key_Down) << 8 << Jours{{8, Media::PHOTO}, {2, Media::MUSIQUE}};
    QTest::newRow("dragged onto day 2") << 0 << 2 << echanges;
    QTest::newRow("dragged onto an empty day") << 0 << 31 << Jours{{31, Media::PHOTO}, {2, Media::MUSIQUE}};
}

void TestFenetreInteractions::echangeJours()
{
    QFETCH(int, touche);
    QFETCH(int, cible);
    QFETCH(Jours, attendu);

    FenetrePrincipale fenetre;
    preparer(fenetre);
    const Jours avant = jours(fenetre);
    if (touche != 0) {
        tuile(fenetre, 1)->setFocus();
        QTest::keyClick(tuile(fenetre, 1), Qt::Key(touche), Qt::ControlModifier | Qt::ShiftModifier);
        // The focus goes along with the day.
        QCOMPARE(QApplication::focusWidget(), tuile(fenetre, cible));
    } else {
        QMimeData donnees;
        donnees.setData(QStringLiteral("application/x-tinselbox-day"), "1");
        const QPoint position =
            tuile(fenetre, cible)->mapTo(&fenetre, tuile(fenetre, cible)->rect().center());
        QDragEnterEvent entree(position, Qt::MoveAction, &donnees, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&fenetre, &entree);
        QVERIFY(entree.isAccepted());
        QDropEvent depot(position, Qt::MoveAction, &donnees, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&fenetre, &depot);
    }
    QCOMPARE(jours(fenetre), attendu);
    QCOMPARE(tuile(fenetre, cible)->getType(), Media::TypeMedia(attendu.value(cible)));
    QVERIFY(fenetre.sauvegardeNecessaire());

    // One step undoes it all, and the saved state is back.
    QTest::keyClick(&fenetre, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(jours(fenetre), avant);
    QCOMPARE(tuile(fenetre, 1)->getType(), Media::PHOTO);
    QVERIFY(!fenetre.sauvegardeNecessaire());
}

QTEST_MAIN(TestFenetreInteractions)
#include "tst_fenetreinteractions.moc"
