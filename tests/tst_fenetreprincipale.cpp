#include "calendriers.h"
#include "fenetres.h"
#include "fenetres/fenetreprincipale.h"
#include "fichiers.h"
#include "gestionnairefichiers.h"
#include "imagepng.h"
#include "repondeurmodal.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>

#include <sys/stat.h>

namespace {

const QString QUESTION_NOUVEAU =
    QStringLiteral("Your changes will be lost if you don\u2019t save them. \nCreate new anyway?");
const QString QUESTION_OUVRIR =
    QStringLiteral("Your changes will be lost if you don\u2019t save them. \nOpen anyway?");
const QString QUESTION_QUITTER =
    QStringLiteral("Your changes will be lost if you don\u2019t save them. \nQuit anyway?");
const QString QUESTION_REMPLACER =
    QStringLiteral("A calendar with this name already exists in this directory. \nReplace it?");
const QString ERREUR_OUVERTURE = QStringLiteral("Error opening the calendar.");
const QString ERREUR_ENREGISTREMENT = QStringLiteral("Error saving the calendar.");

/// The boxes shown since the last look, as their texts.
QStringList textesMontres()
{
    QStringList textes;
    for (const BoiteMessage::Montree &boite : BoiteMessage::prendreMontrees())
        textes << boite.texte;
    return textes;
}

QString texteLabel(FenetrePrincipale &fenetre, const char *nom)
{
    return fenetre.findChild<QLabel *>(nom)->text();
}

/// A picture media that tells when it is destroyed, to follow the calendar's ownership.
class ImageTemoin : public Image
{
public:
    ImageTemoin(const QString &url, int &destructions) : Image(url), destructions(destructions) {}
    ~ImageTemoin() override
    {
        ++destructions;
    }

private:
    int &destructions;
};

} // namespace

class TestFenetrePrincipale : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void etatInitial();
    void formulaire();
    void ordreDeLaGrille();
    void ordreDeTabulation();
    void proprietaireDuCalendrier();
    void afficherCalendrier();
    void afficherCalendrierReinitialiseLesTuiles();
    void jourHorsGrilleIgnore();
    void etatsSauvegarde();
    void fermeture_data();
    void fermeture();
    void mettreEnFormeTaille_data();
    void mettreEnFormeTaille();
    void texteTaille();

    void editerJour_data();
    void editerJour();
    void nouveau_data();
    void nouveau();
    void commandeAbandonnee_data();
    void commandeAbandonnee();
    void nouveauSurFichierExistant_data();
    void nouveauSurFichierExistant();
    void ouvrir();
    void ouvrirFichierInvalide_data();
    void ouvrirFichierInvalide();
    void ouvrirToleranceRacine();
    void enregistrer();
    void enregistrerEchec_data();
    void enregistrerEchec();
    void mediasIntrouvablesApresOuverture();
    void enregistrerCaractereInterdit_data();
    void enregistrerCaractereInterdit();
    void ouvrirJoursHorsGrille();
    void quitter_data();
    void quitter();
    void deBoutEnBout();

private:
    /// A window showing a calendar with a photo on day 1 and a tune on day 2.
    Calendrier *calendrierExemple() const;
    QString cheminProjet(const QString &nom) const
    {
        return repertoire.filePath(nom + ".xml");
    }

    QTemporaryDir repertoire;
};

void TestFenetrePrincipale::initTestCase()
{
    Q_INIT_RESOURCE(gui);
    Q_INIT_RESOURCE(ressources);
    // Closing the window under test must not end the test's own event loop.
    QApplication::setQuitOnLastWindowClosed(false);
    QVERIFY(repertoire.isValid());
    dialoguesSilencieux();
}

void TestFenetrePrincipale::cleanup()
{
    QVERIFY(reponsesToutesPrises());
}

void TestFenetrePrincipale::init()
{
    // Each test starts from an empty working directory.
    viderRepertoire(repertoire.path());
}

Calendrier *TestFenetrePrincipale::calendrierExemple() const
{
    auto *calendrier = new Calendrier("Avent");
    calendrier->ajouterMedia(1, new Image("/home/alice/Pictures/sapin.png"));
    calendrier->ajouterMedia(2, new Son("/home/alice/Music/grelots.ogg"));
    return calendrier;
}

void TestFenetrePrincipale::etatInitial()
{
    FenetrePrincipale fenetre;
    QCOMPARE(fenetre.windowTitle(), QStringLiteral("tinselbox 1.0"));
    QVERIFY(fenetre.getCalendrier() == nullptr);
    QVERIFY(fenetre.getUrlCalendrier().isEmpty());

    for (int jour = 1; jour <= 31; ++jour) {
        QVERIFY(tuile(fenetre, jour) != nullptr);
        QVERIFY2(!tuile(fenetre, jour)->isEnabled(), qPrintable(QString::number(jour)));
        QCOMPARE(tuile(fenetre, jour)->getType(), Media::AUCUN);
    }
    QVERIFY(!bouton(fenetre, "bouton_enregistrer")->isEnabled());
    QVERIFY(!bouton(fenetre, "bouton_apercu")->isEnabled());
    QVERIFY(!bouton(fenetre, "bouton_generer")->isEnabled());
    QVERIFY(bouton(fenetre, "bouton_nouveau")->isEnabled());
    QVERIFY(bouton(fenetre, "bouton_ouvrir")->isEnabled());
    QVERIFY(bouton(fenetre, "bouton_quitter")->isEnabled());
    QVERIFY(!fenetre.sauvegardeNecessaire());
    QCOMPARE(texteLabel(fenetre, "nom"), QString());
    QCOMPARE(texteLabel(fenetre, "taille"), QString());

    QCOMPARE(fenetre.getBoutonEnregistrer(), bouton(fenetre, "bouton_enregistrer"));
    QCOMPARE(fenetre.getBoutonApercu(), bouton(fenetre, "bouton_apercu"));
    QCOMPARE(fenetre.getBoutonGenerer(), bouton(fenetre, "bouton_generer"));
    QVERIFY(fenetre.getGrilleBoutonJour() != nullptr);
}

void TestFenetrePrincipale::formulaire()
{
    FenetrePrincipale fenetre;
    QCOMPARE(fenetre.objectName(), QStringLiteral("FenetrePrincipale"));
    QCOMPARE(fenetre.size(), QSize(800, 600));
    // The interface's language, not a locale of its own.
    QCOMPARE(fenetre.locale(), QLocale());
    QCOMPARE(fenetre.iconSize(), QSize(256, 256));
    QVERIFY(!fenetre.windowIcon().isNull());
    // The icons are SVG: they only load when the SVG icon engine is present.
    QVERIFY(!fenetre.windowIcon().pixmap(32, 32).isNull());
    QVERIFY(fenetre.findChild<QWidget *>("centralwidget") != nullptr);
    QCOMPARE(fenetre.centralWidget()->objectName(), QStringLiteral("centralwidget"));

    for (const char *nom : {"gridLayout", "gridLayout_5", "gridLayout_3", "grille_BoutonJour"})
        QVERIFY2(fenetre.findChild<QGridLayout *>(nom) != nullptr, nom);
    for (const char *nom : {"horizontalLayout", "horizontalLayout_2"})
        QVERIFY2(fenetre.findChild<QHBoxLayout *>(nom) != nullptr, nom);
    QVERIFY(fenetre.findChild<QVBoxLayout *>("verticalLayout") != nullptr);

    const struct {
        const char *nom;
        const char *texte;
    } commandes[] = {{"bouton_nouveau", "New..."}, {"bouton_ouvrir", "Open..."},
        {"bouton_enregistrer", "Save"}, {"bouton_apercu", "Preview"}, {"bouton_generer", "Generate..."},
        {"bouton_quitter", "Quit"}};
    for (const auto &commande : commandes) {
        QPushButton *b = bouton(fenetre, commande.nom);
        QVERIFY2(b != nullptr, commande.nom);
        QCOMPARE(b->text(), QString::fromLatin1(commande.texte));
        QCOMPARE(b->iconSize(), QSize(32, 32));
        QVERIFY2(!b->icon().pixmap(32, 32).isNull(), commande.nom);
    }

    auto *nom = fenetre.findChild<QLabel *>("nom");
    QCOMPARE(nom->font().pointSize(), 14);
    QCOMPARE(nom->alignment(), Qt::AlignCenter);
    auto *taille = fenetre.findChild<QLabel *>("taille");
    QCOMPARE(taille->alignment(), Qt::AlignRight | Qt::AlignTrailing | Qt::AlignVCenter);

    // Ten rows in one column: the commands at the top and bottom, the grid in row 3.
    auto *principale = fenetre.findChild<QGridLayout *>("gridLayout");
    QCOMPARE(principale->rowCount(), 10);
    QCOMPARE(principale->columnCount(), 1);
    QCOMPARE(principale->itemAtPosition(1, 0)->widget(), nom);
    QCOMPARE(principale->itemAtPosition(5, 0)->widget(), taille);
    QCOMPARE(principale->itemAtPosition(3, 0)->layout()->objectName(), QStringLiteral("verticalLayout"));
    QCOMPARE(principale->itemAtPosition(8, 0)->layout()->objectName(), QStringLiteral("horizontalLayout"));
}

void TestFenetrePrincipale::ordreDeLaGrille()
{
    FenetrePrincipale fenetre;
    QGridLayout *grille = fenetre.getGrilleBoutonJour();
    QCOMPARE(grille->count(), 31);
    for (int i = 0; i < grille->count(); ++i) {
        auto *b = qobject_cast<BoutonJour *>(grille->itemAt(i)->widget());
        QVERIFY(b != nullptr);
        QCOMPARE(b->objectName(), QStringLiteral("b%1").arg(i + 1, 2, 10, QLatin1Char('0')));
        QCOMPARE(b->getNumeroJour(), i + 1);
        int ligne, colonne, lignes, colonnes;
        grille->getItemPosition(i, &ligne, &colonne, &lignes, &colonnes);
        QCOMPARE(ligne, i / 7);
        QCOMPARE(colonne, i % 7);
    }
    QCOMPARE(grille->itemAt(8)->widget()->objectName(), QStringLiteral("b09"));
}

void TestFenetrePrincipale::ordreDeTabulation()
{
    FenetrePrincipale fenetre;
    QStringList attendu{"bouton_nouveau", "bouton_ouvrir", "bouton_enregistrer", "bouton_options",
        "bouton_apercu", "bouton_generer", "bouton_quitter"};
    for (int jour = 1; jour <= 31; ++jour)
        attendu << QStringLiteral("b%1").arg(jour, 2, 10, QLatin1Char('0'));

    for (int i = 0; i + 1 < attendu.size(); ++i) {
        QWidget *widget = fenetre.findChild<QWidget *>(attendu.at(i));
        QVERIFY(widget != nullptr);
        QCOMPARE(widget->nextInFocusChain()->objectName(), attendu.at(i + 1));
    }
}

void TestFenetrePrincipale::proprietaireDuCalendrier()
{
    int destructions = 0;
    {
        FenetrePrincipale fenetre;
        auto *premier = new Calendrier("premier");
        premier->ajouterMedia(1, new ImageTemoin("/a.png", destructions));
        fenetre.setCalendrier(premier);
        // The calendar already held is kept as it is (ASan would see a double delete).
        fenetre.setCalendrier(premier);
        QCOMPARE(destructions, 0);
        QCOMPARE(fenetre.getCalendrier(), premier);
        fenetre.afficherCalendrier(premier);
        QCOMPARE(destructions, 0);

        auto *second = new Calendrier("second");
        second->ajouterMedia(1, new ImageTemoin("/b.png", destructions));
        fenetre.afficherCalendrier(second);
        QCOMPARE(destructions, 1);
        QCOMPARE(fenetre.getCalendrier(), second);
    }
    // The window deletes the calendar it holds.
    QCOMPARE(destructions, 2);
}

void TestFenetrePrincipale::afficherCalendrier()
{
    FenetrePrincipale fenetre;
    auto *calendrier = calendrierExemple();
    calendrier->ajouterMedia(31, new Video(""));
    fenetre.afficherCalendrier(calendrier);

    QCOMPARE(fenetre.getCalendrier(), calendrier);
    QCOMPARE(texteLabel(fenetre, "nom"), QStringLiteral("Avent"));
    QVERIFY(texteLabel(fenetre, "taille").startsWith("Size: "));
    for (int jour = 1; jour <= 31; ++jour)
        QVERIFY(tuile(fenetre, jour)->isEnabled());
    QVERIFY(bouton(fenetre, "bouton_apercu")->isEnabled());
    QVERIFY(bouton(fenetre, "bouton_generer")->isEnabled());
    // Showing a calendar says nothing about whether it is saved.
    QVERIFY(!fenetre.sauvegardeNecessaire());

    QCOMPARE(tuile(fenetre, 1)->getType(), Media::PHOTO);
    QCOMPARE(tuile(fenetre, 1)->getNomMedia(), QStringLiteral("sapin.png"));
    QCOMPARE(tuile(fenetre, 2)->getType(), Media::MUSIQUE);
    QCOMPARE(tuile(fenetre, 2)->getNomMedia(), QStringLiteral("grelots.ogg"));
    QCOMPARE(tuile(fenetre, 3)->getType(), Media::AUCUN);
    // A media without a location shows its kind and still invites a click.
    QCOMPARE(tuile(fenetre, 31)->getType(), Media::VIDEO);
    QCOMPARE(tuile(fenetre, 31)->getNomMedia(), QStringLiteral("Click to add ..."));

    // The tiles paint the values of the calendar just shown.
    fenetre.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
    const QImage image = tuile(fenetre, 2)->grab().toImage();
    QCOMPARE(image.pixelColor(image.width() - 1, 0), QColor(100, 178, 178));
}

void TestFenetrePrincipale::afficherCalendrierReinitialiseLesTuiles()
{
    FenetrePrincipale fenetre;
    fenetre.afficherCalendrier(calendrierExemple());

    auto *suivant = new Calendrier("Suivant");
    suivant->ajouterMedia(2, new Video("/home/alice/Videos/neige.webm"));
    fenetre.afficherCalendrier(suivant);

    QCOMPARE(texteLabel(fenetre, "nom"), QStringLiteral("Suivant"));
    QCOMPARE(tuile(fenetre, 1)->getType(), Media::AUCUN);
    QCOMPARE(tuile(fenetre, 1)->getNomMedia(), QStringLiteral("Click to add ..."));
    QCOMPARE(tuile(fenetre, 2)->getType(), Media::VIDEO);
    QCOMPARE(tuile(fenetre, 2)->getNomMedia(), QStringLiteral("neige.webm"));
}

void TestFenetrePrincipale::jourHorsGrilleIgnore()
{
    FenetrePrincipale fenetre;
    auto *calendrier = new Calendrier("Hors");
    calendrier->ajouterMedia(0, new Image("/zero.png"));
    calendrier->ajouterMedia(32, new Image("/trente-deux.png"));
    calendrier->ajouterMedia(-4, new Son("/moins.ogg"));
    fenetre.afficherCalendrier(calendrier);

    for (int jour = 1; jour <= 31; ++jour)
        QCOMPARE(tuile(fenetre, jour)->getType(), Media::AUCUN);
    // The days stay in the calendar.
    QCOMPARE(fenetre.getCalendrier()->getContenuConstant().size(), 3);
}

void TestFenetrePrincipale::etatsSauvegarde()
{
    FenetrePrincipale fenetre;
    fenetre.afficherCalendrier(calendrierExemple());
    fenetre.sauvegardeUtile();
    QVERIFY(fenetre.sauvegardeNecessaire());
    QVERIFY(bouton(fenetre, "bouton_enregistrer")->isEnabled());
    fenetre.sauvegardeInutile();
    QVERIFY(!fenetre.sauvegardeNecessaire());
    QVERIFY(!bouton(fenetre, "bouton_enregistrer")->isEnabled());

    // Without a Save button there is no record of changes.
    fenetre.sauvegardeUtile();
    delete bouton(fenetre, "bouton_enregistrer");
    QVERIFY(!fenetre.sauvegardeNecessaire());
    fenetre.sauvegardeUtile();
    QVERIFY(fenetre.demanderConfirmation());
}

void TestFenetrePrincipale::fermeture_data()
{
    QTest::addColumn<bool>("modifie");
    QTest::addColumn<int>("reponse");
    QTest::addColumn<bool>("termine");

    QTest::newRow("nothing to save") << false << int(QMessageBox::NoButton) << true;
    QTest::newRow("changes, No keeps the window") << true << int(QMessageBox::No) << false;
    QTest::newRow("changes, Yes lets it go") << true << int(QMessageBox::Yes) << true;
}

void TestFenetrePrincipale::fermeture()
{
    QFETCH(bool, modifie);
    QFETCH(int, reponse);
    QFETCH(bool, termine);

    FenetrePrincipale fenetre;
    fenetre.afficherCalendrier(calendrierExemple());
    Calendrier *calendrier = fenetre.getCalendrier();
    if (modifie)
        fenetre.sauvegardeUtile();
    fenetre.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fenetre));

    if (modifie)
        BoiteMessage::prevoirReponse(QMessageBox::StandardButton(reponse));
    QCOMPARE(fenetre.close(), termine);
    QCOMPARE(fenetre.isVisible(), !termine);

    const QList<BoiteMessage::Montree> boites = BoiteMessage::prendreMontrees();
    QCOMPARE(boites.size(), modifie ? 1 : 0);
    if (modifie) {
        QCOMPARE(boites.at(0).texte, QUESTION_QUITTER);
        QCOMPARE(boites.at(0).icone, QMessageBox::Question);
        QCOMPARE(boites.at(0).parent.data(), &fenetre);
    }
    // Refusing leaves the state untouched.
    QCOMPARE(fenetre.getCalendrier(), calendrier);
    QCOMPARE(fenetre.sauvegardeNecessaire(), modifie);
}

void TestFenetrePrincipale::mettreEnFormeTaille_data()
{
    QTest::addColumn<qint64>("taille");
    QTest::addColumn<QString>("valeur");
    QTest::addColumn<QString>("unite");

    QTest::newRow("0") << qint64(0) << "0"
                       << "bytes";
    QTest::newRow("999") << qint64(999) << "999"
                         << "bytes";
    QTest::newRow("negative") << qint64(-5) << "-5"
                              << "bytes";
    QTest::newRow("1 000") << qint64(1000) << "1.000"
                           << "ko";
    QTest::newRow("1 005, three digits") << qint64(1005) << "1.005"
                                         << "ko";
    QTest::newRow("999 999") << qint64(999999) << "999.999"
                             << "ko";
    QTest::newRow("1 000 000") << qint64(1000000) << "1.000"
                               << "Mo";
    QTest::newRow("1 005 000") << qint64(1005000) << "1.005"
                               << "Mo";
    QTest::newRow("1 999 999 truncated") << qint64(1999999) << "1.999"
                                         << "Mo";
    QTest::newRow("999 999 999") << qint64(999999999) << "999.999"
                                 << "Mo";
    QTest::newRow("1 000 000 000") << qint64(1000000000) << "1.000"
                                   << "Go";
    QTest::newRow("12 345 678 901") << qint64(12345678901LL) << "12.345"
                                    << "Go";
    QTest::newRow("beyond 32 bits") << qint64(5000000000000LL) << "5000.000"
                                    << "Go";
}

void TestFenetrePrincipale::mettreEnFormeTaille()
{
    QFETCH(qint64, taille);
    QFETCH(QString, valeur);
    QFETCH(QString, unite);

    FenetrePrincipale fenetre;
    // Both strings are replaced, not appended to.
    QString v = "old";
    QString u = "old";
    fenetre.mettreEnFormeTaille(taille, &v, &u);
    QCOMPARE(v, valeur);
    QCOMPARE(u, unite);
}

void TestFenetrePrincipale::texteTaille()
{
    const QString media = repertoire.filePath("grelots.ogg");
    QVERIFY(ecrire(media, QByteArray(2500000, 'x')));

    auto *calendrier = new Calendrier("Avent");
    calendrier->ajouterMedia(4, new Son(media));
    long long attendu = 0;
    GestionnaireFichiers().calculer_taille(*calendrier, &attendu);
    QVERIFY(attendu >= 2500000);

    FenetrePrincipale fenetre;
    fenetre.afficherCalendrier(calendrier);
    QString valeur, unite;
    fenetre.mettreEnFormeTaille(attendu, &valeur, &unite);
    QCOMPARE(unite, QStringLiteral("Mo"));
    // Said to be provisional until the file's conversion (here: none, it is no sound) ends;
    // written in the interface's language: English units, its decimal sign.
    QTRY_COMPARE(texteLabel(fenetre, "taille"),
        QStringLiteral("Size: %1 MB").arg(valeur.replace(QLatin1Char('.'), QLocale().decimalPoint())));
}

void TestFenetrePrincipale::editerJour_data()
{
    QTest::addColumn<QByteArray>("boutonType");
    QTest::addColumn<int>("typeAttendu");

    QTest::newRow("photo") << QByteArray("bouton_photo") << int(Media::PHOTO);
    QTest::newRow("music") << QByteArray("bouton_musique") << int(Media::MUSIQUE);
    QTest::newRow("video") << QByteArray("bouton_video") << int(Media::VIDEO);
    QTest::newRow("cancelled") << QByteArray() << int(Media::AUCUN);
}

void TestFenetrePrincipale::editerJour()
{
    QFETCH(QByteArray, boutonType);
    QFETCH(int, typeAttendu);

    FenetrePrincipale fenetre;
    fenetre.afficherCalendrier(calendrierExemple());
    fenetre.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fenetre));

    const QString url = "/home/alice/Media/bonhomme-de-neige.dat";
    QString titre;
    // The file does not exist: the dialog asks before keeping it.
    if (!boutonType.isEmpty())
        BoiteMessage::prevoirReponse(QMessageBox::Yes);
    RepondeurModal repondeur(remplirEdition(boutonType.constData(), url, &titre));
    QTest::mouseClick(tuile(fenetre, 5), Qt::LeftButton);
    QVERIFY(repondeur.aRepondu());
    QVERIFY(!repondeur.aDuForcer());
    QCOMPARE(titre, QStringLiteral("Day 05"));

    Media *media = fenetre.getCalendrier()->getMedia(5);
    if (typeAttendu == Media::AUCUN) {
        QVERIFY(media == nullptr);
        QCOMPARE(tuile(fenetre, 5)->getType(), Media::AUCUN);
        QVERIFY(!fenetre.sauvegardeNecessaire());
        return;
    }
    QVERIFY(media != nullptr);
    QCOMPARE(int(media->getType()), typeAttendu);
    QCOMPARE(media->getUrl(), url);
    QCOMPARE(int(tuile(fenetre, 5)->getType()), typeAttendu);
    QCOMPARE(tuile(fenetre, 5)->getNomMedia(), QStringLiteral("bonhomme-de-n\n...e.dat"));
    QVERIFY(fenetre.sauvegardeNecessaire());
    // The other days are shown as before.
    QCOMPARE(tuile(fenetre, 1)->getType(), Media::PHOTO);
}

void TestFenetrePrincipale::nouveau_data()
{
    QTest::addColumn<bool>("modifie");
    QTest::newRow("no calendar yet") << false;
    QTest::newRow("unsaved changes, Yes goes on") << true;
}

void TestFenetrePrincipale::nouveau()
{
    QFETCH(bool, modifie);

    FenetrePrincipale fenetre;
    if (modifie) {
        fenetre.afficherCalendrier(calendrierExemple());
        fenetre.setUrlCalendrier(cheminProjet("Avent"));
        fenetre.sauvegardeUtile();
    }
    if (modifie)
        BoiteMessage::prevoirReponse(QMessageBox::Yes);
    RepondeurModal dialogue(remplirNouveau("Avent2026", repertoire.path()));
    bouton(fenetre, "bouton_nouveau")->click();
    QVERIFY(dialogue.aRepondu());
    QVERIFY(!dialogue.aDuForcer());
    QCOMPARE(textesMontres(), modifie ? QStringList{QUESTION_NOUVEAU} : QStringList());

    QVERIFY(fenetre.getCalendrier() != nullptr);
    QCOMPARE(fenetre.getCalendrier()->getNom(), QStringLiteral("Avent2026"));
    QVERIFY(fenetre.getCalendrier()->getContenuConstant().isEmpty());
    QCOMPARE(fenetre.getUrlCalendrier(), cheminProjet("Avent2026"));
    QCOMPARE(texteLabel(fenetre, "nom"), QStringLiteral("Avent2026"));
    QVERIFY(tuile(fenetre, 1)->isEnabled());
    QCOMPARE(tuile(fenetre, 1)->getType(), Media::AUCUN);
    QVERIFY(bouton(fenetre, "bouton_apercu")->isEnabled());
    QVERIFY(bouton(fenetre, "bouton_generer")->isEnabled());
    QVERIFY(!fenetre.sauvegardeNecessaire());
    // Nothing is written before the first Save.
    QVERIFY(!QFile::exists(cheminProjet("Avent2026")));
}

void TestFenetrePrincipale::commandeAbandonnee_data()
{
    QTest::addColumn<QByteArray>("commande");
    QTest::addColumn<bool>("modifie");

    // With unsaved changes the question is answered No; without, the dialog is cancelled.
    QTest::newRow("New, unsaved changes, No") << QByteArray("bouton_nouveau") << true;
    QTest::newRow("New, dialog cancelled") << QByteArray("bouton_nouveau") << false;
    QTest::newRow("Open, unsaved changes, No") << QByteArray("bouton_ouvrir") << true;
    QTest::newRow("Open, chooser cancelled") << QByteArray("bouton_ouvrir") << false;
}

void TestFenetrePrincipale::commandeAbandonnee()
{
    QFETCH(QByteArray, commande);
    QFETCH(bool, modifie);

    FenetrePrincipale fenetre;
    fenetre.afficherCalendrier(calendrierExemple());
    fenetre.setUrlCalendrier(cheminProjet("Avent"));
    if (modifie)
        fenetre.sauvegardeUtile();
    Calendrier *avant = fenetre.getCalendrier();

    const bool nouveau = commande == "bouton_nouveau";
    if (modifie)
        BoiteMessage::prevoirReponse(QMessageBox::No);
    else if (!nouveau)
        ChoixFichier::prevoirChoix(QString());
    RepondeurModal annulation(remplirNouveau(QString(), QString()));
    bouton(fenetre, commande.constData())->click();

    QCOMPARE(
        textesMontres(), modifie ? QStringList{nouveau ? QUESTION_NOUVEAU : QUESTION_OUVRIR} : QStringList());
    // No dialog follows a No.
    QCOMPARE(annulation.aRepondu(), nouveau && !modifie);
    if (modifie)
        QVERIFY(ChoixFichier::prendreMontres().isEmpty());
    QCOMPARE(fenetre.getCalendrier(), avant);
    QCOMPARE(fenetre.getUrlCalendrier(), cheminProjet("Avent"));
    QCOMPARE(fenetre.sauvegardeNecessaire(), modifie);
    QCOMPARE(texteLabel(fenetre, "nom"), QStringLiteral("Avent"));
    QCOMPARE(tuile(fenetre, 1)->getType(), Media::PHOTO);
}

void TestFenetrePrincipale::nouveauSurFichierExistant_data()
{
    QTest::addColumn<bool>("remplacer");
    QTest::newRow("No keeps everything") << false;
    QTest::newRow("Yes starts the project") << true;
}

void TestFenetrePrincipale::nouveauSurFichierExistant()
{
    QFETCH(bool, remplacer);

    // A calendar of that name is already on disk.
    {
        Calendrier existant("Avent");
        existant.ajouterMedia(3, new Image("/home/alice/Pictures/sapin.png"));
        QCOMPARE(GestionnaireFichiers().creerFichierDepuisCalendrier(existant, cheminProjet("Avent")), 0);
    }
    QFile fichier(cheminProjet("Avent"));
    QVERIFY(fichier.open(QIODevice::ReadOnly));
    const QByteArray contenu = fichier.readAll();
    fichier.close();

    FenetrePrincipale fenetre;
    // After No the dialog is still there with what was typed; it is then cancelled.
    const auto remplir = remplirNouveau("Avent", repertoire.path());
    const auto annuler = remplirNouveau(QString(), QString());
    int passages = 0;
    QString nomGarde;
    RepondeurModal dialogue([&](QWidget *modale) {
        if (passages++ == 0)
            return remplir(modale) && remplacer;
        nomGarde = qobject_cast<FenetreNouveau *>(modale)->getNom();
        return annuler(modale);
    });
    BoiteMessage::prevoirReponse(remplacer ? QMessageBox::Yes : QMessageBox::No);
    bouton(fenetre, "bouton_nouveau")->click();

    QVERIFY(dialogue.aRepondu());
    QVERIFY(!dialogue.aDuForcer());
    QCOMPARE(nomGarde, remplacer ? QString() : QStringLiteral("Avent"));
    QCOMPARE(textesMontres(), QStringList{QUESTION_REMPLACER});
    if (remplacer) {
        QVERIFY(fenetre.getCalendrier() != nullptr);
        QCOMPARE(fenetre.getUrlCalendrier(), cheminProjet("Avent"));
    } else {
        QVERIFY(fenetre.getCalendrier() == nullptr);
        QVERIFY(fenetre.getUrlCalendrier().isEmpty());
        QVERIFY(!tuile(fenetre, 1)->isEnabled());
    }
    // The file itself is only ever replaced by a Save.
    QVERIFY(fichier.open(QIODevice::ReadOnly));
    QCOMPARE(fichier.readAll(), contenu);
}

void TestFenetrePrincipale::ouvrir()
{
    {
        Calendrier enregistre("Noel");
        enregistre.ajouterMedia(7, new Video("/home/alice/Videos/traineau.mp4"));
        enregistre.ajouterMedia(24, new Image("/home/alice/Pictures/etoile.png"));
        QCOMPARE(GestionnaireFichiers().creerFichierDepuisCalendrier(enregistre, cheminProjet("Noel")), 0);
    }

    FenetrePrincipale fenetre;
    fenetre.afficherCalendrier(calendrierExemple());
    ChoixFichier::prevoirChoix(cheminProjet("Noel"));
    bouton(fenetre, "bouton_ouvrir")->click();

    const ChoixFichier::Montre vu = ChoixFichier::prendreMontres().value(0);
    QCOMPARE(vu.titre, QStringLiteral("Select a calendar"));
    QCOMPARE(vu.mode, QFileDialog::AnyFile);
    QCOMPARE(vu.filtresMime, QStringList({"application/octet-stream", "text/xml"}));
    QCOMPARE(vu.filtreSelectionne, QStringLiteral("text/xml"));
    QCOMPARE(vu.parent.data(), &fenetre);

    QCOMPARE(fenetre.getUrlCalendrier(), cheminProjet("Noel"));
    QCOMPARE(fenetre.getCalendrier()->getNom(), QStringLiteral("Noel"));
    QCOMPARE(texteLabel(fenetre, "nom"), QStringLiteral("Noel"));
    QCOMPARE(tuile(fenetre, 1)->getType(), Media::AUCUN);
    QCOMPARE(tuile(fenetre, 7)->getType(), Media::VIDEO);
    QCOMPARE(tuile(fenetre, 24)->getNomMedia(), QStringLiteral("etoile.png"));
    QVERIFY(!fenetre.sauvegardeNecessaire());
}

void TestFenetrePrincipale::ouvrirFichierInvalide_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<bool>("modifie");

    // A PNG header: what a user might pick by mistake through "application/octet-stream".
    QTest::newRow("not XML") << "photo.png" << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << false;
    QTest::newRow("not XML, unsaved changes kept") << "notes.txt" << QByteArray("plain text") << true;
    QTest::newRow("XML with another root") << "autre.xml" << QByteArray("<html><body/></html>") << false;
    QTest::newRow("empty file") << "vide.xml" << QByteArray() << false;
    QTest::newRow("missing file") << "absent.xml" << QByteArray() << false;
}

void TestFenetrePrincipale::ouvrirFichierInvalide()
{
    QFETCH(QString, nom);
    QFETCH(QByteArray, contenu);
    QFETCH(bool, modifie);

    const QString chemin = repertoire.filePath(nom);
    if (nom != "absent.xml")
        QVERIFY(ecrire(chemin, contenu));

    FenetrePrincipale fenetre;
    fenetre.afficherCalendrier(calendrierExemple());
    fenetre.setUrlCalendrier(cheminProjet("Avent"));
    if (modifie)
        fenetre.sauvegardeUtile();
    Calendrier *avant = fenetre.getCalendrier();

    if (modifie)
        BoiteMessage::prevoirReponse(QMessageBox::Yes);
    ChoixFichier::prevoirChoix(chemin);
    bouton(fenetre, "bouton_ouvrir")->click();

    const QList<BoiteMessage::Montree> boites = BoiteMessage::prendreMontrees();
    QCOMPARE(boites.size(), modifie ? 2 : 1);
    if (modifie)
        QCOMPARE(boites.first().texte, QUESTION_OUVRIR);
    QCOMPARE(boites.last().texte, ERREUR_OUVERTURE);
    QCOMPARE(boites.last().icone, QMessageBox::Warning);
    QVERIFY2(boites.last().informatif.contains(chemin), qPrintable(boites.last().informatif));

    // The file did not become the Save target and the calendar shown is the same.
    QCOMPARE(fenetre.getCalendrier(), avant);
    QCOMPARE(fenetre.getUrlCalendrier(), cheminProjet("Avent"));
    QCOMPARE(fenetre.sauvegardeNecessaire(), modifie);
    QCOMPARE(tuile(fenetre, 1)->getType(), Media::PHOTO);
    if (!contenu.isEmpty()) {
        QFile fichier(chemin);
        QVERIFY(fichier.open(QIODevice::ReadOnly));
        QCOMPARE(fichier.readAll(), contenu);
    }
}

void TestFenetrePrincipale::ouvrirToleranceRacine()
{
    // A calendar file with unknown extras still opens: reading stays tolerant.
    const QString chemin = repertoire.filePath("souple.xml");
    QVERIFY(ecrire(chemin,
        "<tinselbox nom=\"Souple\" extra=\"1\"><jour numero=\"9\">"
        "<son url=\"/home/alice/Music/cloches.ogg\"/><inconnu/></jour>"
        "<ailleurs/></tinselbox>"));
    FenetrePrincipale fenetre;
    ChoixFichier::prevoirChoix(chemin);
    bouton(fenetre, "bouton_ouvrir")->click();
    QCOMPARE(fenetre.getUrlCalendrier(), chemin);
    QCOMPARE(texteLabel(fenetre, "nom"), QStringLiteral("Souple"));
    QCOMPARE(tuile(fenetre, 9)->getType(), Media::MUSIQUE);
}

void TestFenetrePrincipale::enregistrer()
{
    FenetrePrincipale fenetre;
    fenetre.afficherCalendrier(calendrierExemple());
    fenetre.setUrlCalendrier(cheminProjet("Avent"));
    fenetre.sauvegardeUtile();

    QTest::mouseClick(bouton(fenetre, "bouton_enregistrer"), Qt::LeftButton);
    QCOMPARE(textesMontres(), QStringList());
    QVERIFY(ChoixFichier::prendreMontres().isEmpty());
    QVERIFY(!fenetre.sauvegardeNecessaire());

    Calendrier relu;
    QCOMPARE(GestionnaireFichiers().creerCalendrierDepuisFichier(cheminProjet("Avent"), relu), 0);
    QCOMPARE(relu.getNom(), QStringLiteral("Avent"));
    QCOMPARE(relu.getContenuConstant().size(), 2);
    QCOMPARE(relu.getMedia(2)->getUrl(), QStringLiteral("/home/alice/Music/grelots.ogg"));
}

void TestFenetrePrincipale::enregistrerEchec_data()
{
    QTest::addColumn<QString>("lieu");
    QTest::addColumn<QString>("raison");
    // Even root cannot write into a directory that does not exist, nor on a read-only mount.
    QTest::newRow("missing directory") << "absent"
                                       << "No such file or directory";
    QTest::newRow("read-only file system") << "lecture-seule"
                                           << "Read-only file system";
}

void TestFenetrePrincipale::enregistrerEchec()
{
    QFETCH(QString, lieu);
    QFETCH(QString, raison);
    const QString dossier = repertoire.filePath(lieu);
    const bool monte = lieu == QLatin1String("lecture-seule");
    if (monte) {
        QVERIFY(QDir().mkpath(dossier));
        if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "ro,size=64k", "tmpfs", dossier}) != 0)
            QSKIP("Mounting a read-only tmpfs was refused (needs root)");
    }
    const auto demontage = qScopeGuard([&] {
        if (monte)
            QProcess::execute("umount", {"-l", dossier});
    });
    FenetrePrincipale fenetre;
    fenetre.afficherCalendrier(calendrierExemple());
    const QString chemin = dossier + "/Avent.xml";
    fenetre.setUrlCalendrier(chemin);
    fenetre.sauvegardeUtile();
    textesMontres();

    bouton(fenetre, "bouton_enregistrer")->click();
    const QList<BoiteMessage::Montree> boites = BoiteMessage::prendreMontrees();
    QCOMPARE(boites.size(), 1);
    QCOMPARE(boites.at(0).texte, ERREUR_ENREGISTREMENT);
    QCOMPARE(boites.at(0).icone, QMessageBox::Warning);
    QVERIFY2(boites.at(0).informatif.contains(chemin) && boites.at(0).informatif.contains(raison),
        qPrintable(boites.at(0).informatif));
    // The changes are still recorded, so Quit keeps asking.
    QVERIFY(fenetre.sauvegardeNecessaire());
    QCOMPARE(fenetre.getUrlCalendrier(), chemin);
    QVERIFY(!QFile::exists(chemin));
}

void TestFenetrePrincipale::mediasIntrouvablesApresOuverture()
{
    const QString photo = repertoire.filePath("sapin.png");
    QVERIFY(ecrire(photo, "png"));
    const QString deplacee = repertoire.filePath("deplacee.png");
    const QString tube = repertoire.filePath("tube");
    QVERIFY(::mkfifo(QFile::encodeName(tube).constData(), 0600) == 0);
    {
        Calendrier enregistre("Noel");
        enregistre.ajouterMedia(3, new Image(photo));
        enregistre.ajouterMedia(7, new Image(deplacee));
        enregistre.ajouterMedia(12, new Son(tube));
        QCOMPARE(GestionnaireFichiers().creerFichierDepuisCalendrier(enregistre, cheminProjet("Noel")), 0);
    }
    FenetrePrincipale fenetre;
    ChoixFichier::prevoirChoix(cheminProjet("Noel"));
    bouton(fenetre, "bouton_ouvrir")->click();

    // Said once, all of them in one message, and marked where they belong.
    const QString liste =
        QStringLiteral("2 media files cannot be found:\nDay 7: %1\nDay 12: %2").arg(deplacee, tube);
    QCOMPARE(textesMontres(), QStringList{liste});
    QVERIFY(!tuile(fenetre, 3)->estIntrouvable());
    QVERIFY(tuile(fenetre, 7)->estIntrouvable());
    QVERIFY(tuile(fenetre, 7)->toolTip().contains(deplacee));
    QVERIFY(tuile(fenetre, 12)->estIntrouvable());

    // Generate refuses before the directory is even asked for, listing them again.
    ChoixFichier::prendreMontres();
    bouton(fenetre, "bouton_generer")->click();
    QCOMPARE(textesMontres(), QStringList{liste});
    QVERIFY(ChoixFichier::prendreMontres().isEmpty());
}

void TestFenetrePrincipale::enregistrerCaractereInterdit_data()
{
    QTest::addColumn<bool>("dansLeNom");
    QTest::addColumn<QString>("texte");
    QTest::newRow("in a location")
        << false
        << "Error saving the calendar: the file name of day 12 holds a character that a "
           "calendar file cannot store. Rename the file and choose it again.";
    QTest::newRow("in the name")
        << true
        << "Error saving the calendar: its name holds a character that a calendar file "
           "cannot store.";
}

void TestFenetrePrincipale::enregistrerCaractereInterdit()
{
    QFETCH(bool, dansLeNom);
    QFETCH(QString, texte);

    const QByteArray precedent = "<tinselbox nom=\"Avent\" version=\"1\"/>\n";
    QVERIFY(ecrire(cheminProjet("Avent"), precedent));
    FenetrePrincipale fenetre;
    auto *calendrier = new Calendrier(dansLeNom ? QStringLiteral("Av\x01nt") : QStringLiteral("Avent"));
    calendrier->ajouterMedia(3, new Image(QStringLiteral("/home/alice/sapin.png")));
    calendrier->ajouterMedia(12,
        new Image(dansLeNom ? QStringLiteral("/home/alice/b.png")
                            : QStringLiteral("/home/alice/No") + QChar(0xFFFE)));
    fenetre.afficherCalendrier(calendrier);
    fenetre.setUrlCalendrier(cheminProjet("Avent"));
    fenetre.sauvegardeUtile();

    bouton(fenetre, "bouton_enregistrer")->click();
    const QList<BoiteMessage::Montree> boites = BoiteMessage::prendreMontrees();
    QCOMPARE(boites.size(), 1);
    QCOMPARE(boites.at(0).texte, texte);
    QCOMPARE(boites.at(0).icone, QMessageBox::Warning);
    QVERIFY(fenetre.sauvegardeNecessaire());
    QCOMPARE(lire(cheminProjet("Avent")), precedent);
}

void TestFenetrePrincipale::ouvrirJoursHorsGrille()
{
    const QString chemin = cheminProjet("Main");
    QVERIFY(ecrire(chemin,
        "<tinselbox nom=\"Main\" version=\"1\" jours=\"24\"><jour numero=\"40\"><image url=\"/a\"/></jour>"
        "<jour numero=\"5\"><son url=\"/b\"/></jour><jour numero=\"-3\"><video url=\"/c\"/>"
        "</jour><jour numero=\"0\"><image url=\"/d\"/></jour><jour numero=\"28\"><image url=\"/e\"/>"
        "</jour></tinselbox>"));
    FenetrePrincipale fenetre;
    ChoixFichier::prevoirChoix(chemin);
    bouton(fenetre, "bouton_ouvrir")->click();
    QCOMPARE(textesMontres(),
        QStringList({"This calendar holds days outside 1 to 24 (-3, 0, 28, 40). They are neither "
                     "shown nor published, and they stay in the file when you save.",
            "1 media file cannot be found:\nDay 5: /b"}));
    QCOMPARE(tuile(fenetre, 5)->getType(), Media::MUSIQUE);

    // Kept on save, without a word.
    fenetre.sauvegardeUtile();
    bouton(fenetre, "bouton_enregistrer")->click();
    QCOMPARE(textesMontres(), QStringList());
    Calendrier relu;
    QCOMPARE(GestionnaireFichiers().creerCalendrierDepuisFichier(chemin, relu), 0);
    QCOMPARE(relu.getContenuConstant().keys(), QList<int>({-3, 0, 5, 28, 40}));
}

void TestFenetrePrincipale::quitter_data()
{
    // Quit asks exactly as closing the window does.
    fermeture_data();
}

void TestFenetrePrincipale::quitter()
{
    QFETCH(bool, modifie);
    QFETCH(int, reponse);
    QFETCH(bool, termine);

    FenetrePrincipale fenetre;
    fenetre.afficherCalendrier(calendrierExemple());
    if (modifie)
        fenetre.sauvegardeUtile();
    fenetre.show();

    if (modifie)
        BoiteMessage::prevoirReponse(QMessageBox::StandardButton(reponse));

    // Quit ends the application's event loop, so the click runs inside one; a
    // guard ends the loop with another code when Quit did not.
    const int RESTE = 42;
    QTimer garde;
    garde.setSingleShot(true);
    connect(&garde, &QTimer::timeout, [] { QCoreApplication::exit(RESTE); });
    QTimer::singleShot(0, &fenetre, [&] {
        bouton(fenetre, "bouton_quitter")->click();
        garde.start(300);
    });
    const int code = QApplication::exec();
    garde.stop();

    QCOMPARE(code, termine ? 0 : RESTE);
    QCOMPARE(textesMontres(), modifie ? QStringList{QUESTION_QUITTER} : QStringList());
    QCOMPARE(fenetre.sauvegardeNecessaire(), modifie);
}

void TestFenetrePrincipale::deBoutEnBout()
{
    // Real media files, so that the size estimate counts them too.
    const QString photo = repertoire.filePath("sapin-illumine-sur-la-place.png");
    QVERIFY(ecrirePng(photo, QColor(20, 120, 60), QSize(64, 48)));
    const QString musique = repertoire.filePath("grelots.ogg");
    QVERIFY(ecrire(musique, QByteArray(4000, 'm')));
    const QString video = repertoire.filePath("premiere-neige.webm");
    QVERIFY(ecrire(video, QByteArray(9000, 'v')));

    FenetrePrincipale fenetre;
    fenetre.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
    {
        RepondeurModal dialogue(remplirNouveau("Avent", repertoire.path()));
        QTest::mouseClick(bouton(fenetre, "bouton_nouveau"), Qt::LeftButton);
        QVERIFY(dialogue.aRepondu());
    }
    const struct {
        int jour;
        const char *bouton;
        QString url;
    } jours[] = {{1, "bouton_photo", photo}, {12, "bouton_musique", musique}, {24, "bouton_video", video}};
    for (const auto &jour : jours) {
        // The music and the video are not real ones: the dialog asks before keeping them.
        if (jour.jour != 1)
            BoiteMessage::prevoirReponse(QMessageBox::Yes);
        RepondeurModal dialogue(remplirEdition(jour.bouton, jour.url));
        QTest::mouseClick(tuile(fenetre, jour.jour), Qt::LeftButton);
        QVERIFY(dialogue.aRepondu());
    }
    QVERIFY(fenetre.sauvegardeNecessaire());
    QTest::mouseClick(bouton(fenetre, "bouton_enregistrer"), Qt::LeftButton);
    QVERIFY(!fenetre.sauvegardeNecessaire());
    QVERIFY(QFile::exists(cheminProjet("Avent")));
    QVERIFY(GestionnaireFichiers().estValide(cheminProjet("Avent")));

    FenetrePrincipale relue;
    ChoixFichier::prevoirChoix(cheminProjet("Avent"));
    QTest::mouseClick(bouton(relue, "bouton_ouvrir"), Qt::LeftButton);

    QCOMPARE(texteLabel(relue, "nom"), texteLabel(fenetre, "nom"));
    QCOMPARE(texteLabel(relue, "taille"), texteLabel(fenetre, "taille"));
    for (int jour = 1; jour <= 31; ++jour) {
        QCOMPARE(tuile(relue, jour)->getType(), tuile(fenetre, jour)->getType());
        QCOMPARE(tuile(relue, jour)->getNomMedia(), tuile(fenetre, jour)->getNomMedia());
    }
    QCOMPARE(tuile(relue, 1)->getType(), Media::PHOTO);
    QCOMPARE(tuile(relue, 1)->getNomMedia(), QStringLiteral("sapin-illumin\n...-place.png"));
    QCOMPARE(tuile(relue, 12)->getType(), Media::MUSIQUE);
    QCOMPARE(tuile(relue, 24)->getType(), Media::VIDEO);
    QCOMPARE(relue.getCalendrier()->getMedia(24)->getUrl(), video);
}

QTEST_MAIN(TestFenetrePrincipale)
#include "tst_fenetreprincipale.moc"
