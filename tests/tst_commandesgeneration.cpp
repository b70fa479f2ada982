#include "actions/commandesgeneration.h"
#include "calendriers.h"
#include "fenetres.h"
#include "fenetres/fenetreprincipale.h"
#include "fichiers.h"
#include "generation/generateur.h"
#include "gestionnairefichiers.h"
#include "imagepng.h"
#include "modele/calendrier.h"
#include "repondeurmodal.h"

#include <QAction>
#include <QCryptographicHash>
#include <QDateTimeEdit>
#include <QDesktopServices>
#include <QPointer>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include <chrono>
#include <thread>

using Montrees = QList<BoiteMessage::Montree>;

namespace {

const QString QUESTION_EFFACEMENT =
    QStringLiteral("This action will erase all the contents of the directory %1\nGenerate anyway?");
const QString REFUS = QStringLiteral("%1 cannot be used for the generation: %2.");
const QString ERREUR = QStringLiteral("Error generating the calendar.");
const QString SUCCES = QStringLiteral("Generating the calendar successfully in %1");

QString identifiant(int jour, const QString &nom)
{
    return QString::fromLatin1(
        QCryptographicHash::hash((QString::number(jour) + nom).toUtf8(), QCryptographicHash::Md5).toHex());
}

/// Catches what the window hands to the desktop instead of starting a browser.
class Bureau : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> ouvertes;

public slots:
    void ouvrir(const QUrl &url)
    {
        ouvertes << url;
    }
};

} // namespace

class TestCommandesGeneration : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void generer_data();
    void generer();
    void refus_data();
    void refus();
    void apercu_data();
    void apercu();
    void apercuApresNouveau();
    void apercuALaDate();
    void resultatAffiche_data();
    void resultatAffiche();
    void arretDUneLongueGeneration_data();
    void arretDUneLongueGeneration();
    void fermetureDeLaFenetrePendantLArret();
    void deBoutEnBout();

private:
    QString chemin(const QString &nom) const
    {
        return temp.filePath(nom);
    }
    /// A calendar "Avent" with a small real picture on each of `jours`.
    Calendrier *calendrierAvecPhotos(const QList<int> &jours);

    QTemporaryDir temp;
    Bureau bureau;
};

void TestCommandesGeneration::initTestCase()
{
    Q_INIT_RESOURCE(gui);
    Q_INIT_RESOURCE(ressources);
    QApplication::setQuitOnLastWindowClosed(false);
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    configurationTemporaire();
    QVERIFY(temp.isValid());
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &bureau, "ouvrir");
    // Boxes and choosers take the answers a test queues; the progress dialog alone is shown.
    dialoguesSilencieux();
}

void TestCommandesGeneration::init()
{
    viderRepertoire(temp.path());
    bureau.ouvertes.clear();
}

void TestCommandesGeneration::cleanup()
{
    // Nothing of a run may show up after the test has looked, and every answer was asked for.
    QCoreApplication::processEvents();
    const Montrees tardives = BoiteMessage::prendreMontrees();
    QVERIFY2(tardives.isEmpty(), qPrintable(tardives.isEmpty() ? QString() : tardives.first().texte));
    QVERIFY(reponsesToutesPrises());
}

Calendrier *TestCommandesGeneration::calendrierAvecPhotos(const QList<int> &jours)
{
    auto *calendrier = new Calendrier(QStringLiteral("Avent"));
    for (int jour : jours) {
        const QString photo = chemin(QStringLiteral("medias/jour%1.png").arg(jour));
        ecrirePng(photo, QColor(jour * 8, 100, 50));
        calendrier->ajouterMedia(jour, new Image(photo));
    }
    return calendrier;
}

void TestCommandesGeneration::generer_data()
{
    QTest::addColumn<bool>("choisit");
    QTest::addColumn<int>("reponse");
    QTest::addColumn<bool>("mediaManquant");
    QTest::addColumn<QString>("message");

    QTest::newRow("chooser cancelled") << false << int(QMessageBox::NoButton) << false << QString();
    QTest::newRow("No leaves the directory as it was") << true << int(QMessageBox::No) << false << QString();
    QTest::newRow("Yes generates") << true << int(QMessageBox::Yes) << false << SUCCES;
    // Refused before the chooser: nothing to choose or erase while a media is missing.
    QTest::newRow("a media is missing") << false << int(QMessageBox::NoButton) << true
                                        << QStringLiteral("1 media file cannot be found:\nDay 20: %1");
}

void TestCommandesGeneration::generer()
{
    QFETCH(bool, choisit);
    QFETCH(int, reponse);
    QFETCH(bool, mediaManquant);
    QFETCH(QString, message);

    const QString sortie = chemin(QStringLiteral("sortie"));
    QVERIFY(ecrire(sortie + QStringLiteral("/notes.txt"), "mine"));
    const auto avant = arborescence(sortie);

    FenetrePrincipale fenetre;
    Calendrier *calendrier = calendrierAvecPhotos({3, 17});
    if (mediaManquant)
        calendrier->ajouterMedia(20, new Image(chemin(QStringLiteral("medias/absente.png"))));
    fenetre.afficherCalendrier(calendrier);
    fenetre.setUrlCalendrier(chemin(QStringLiteral("Avent.xml")));

    if (!mediaManquant)
        ChoixFichier::prevoirChoix(choisit ? sortie : QString());
    if (choisit)
        BoiteMessage::prevoirReponse(QMessageBox::StandardButton(reponse));
    QTest::mouseClick(bouton(fenetre, "bouton_generer"), Qt::LeftButton);
    // The result arrives from the worker while the progress dialog runs.
    QTRY_VERIFY(fenetre.findChild<Generateur *>() == nullptr);

    const QList<ChoixFichier::Montre> selecteurs = ChoixFichier::prendreMontres();
    QCOMPARE(selecteurs.size(), mediaManquant ? 0 : 1);
    if (!mediaManquant) {
        QCOMPARE(selecteurs.at(0).titre, QStringLiteral("Select the generation directory"));
        QCOMPARE(selecteurs.at(0).mode, QFileDialog::Directory);
        QCOMPARE(selecteurs.at(0).parent, &fenetre);
    }

    Montrees boites = BoiteMessage::prendreMontrees();
    if (choisit) {
        QVERIFY(!boites.isEmpty());
        const BoiteMessage::Montree question = boites.takeFirst();
        QCOMPARE(question.texte, QUESTION_EFFACEMENT.arg(sortie));
        QCOMPARE(question.icone, QMessageBox::Question);
        QCOMPARE(question.parent, &fenetre);
        QCOMPARE(question.boutonParDefaut, QMessageBox::No);
    }

    QCOMPARE(boites.size(), message.isEmpty() ? 0 : 1);
    if (message.isEmpty() || mediaManquant) {
        QCOMPARE(arborescence(sortie), avant);
    }
    if (mediaManquant) {
        QCOMPARE(boites.at(0).texte, message.arg(chemin(QStringLiteral("medias/absente.png"))));
        QCOMPARE(boites.at(0).icone, QMessageBox::Warning);
    } else if (!message.isEmpty()) {
        QCOMPARE(boites.at(0).texte, message.arg(sortie));
        QCOMPARE(boites.at(0).icone, QMessageBox::Information);
        QCOMPARE(boites.at(0).boutons, QMessageBox::Ok | QMessageBox::Open);
        QVERIFY(boites.at(0).parent.isNull());
        QVERIFY(!QFile::exists(sortie + QStringLiteral("/notes.txt")));
        QVERIFY(QFile::exists(sortie + QStringLiteral("/index.html")));
        QCOMPARE(
            lire(sortie + "/data/" + identifiant(17, "Avent") + ".png"), lire(chemin("medias/jour17.png")));
        QCOMPARE(chantiersRestants(sortie), QStringList());
    }
    QVERIFY(bureau.ouvertes.isEmpty());
    // The worker is gone and the window is usable again.
    QVERIFY(fenetre.isEnabled());
    QVERIFY(!fenetre.sauvegardeNecessaire());
}

void TestCommandesGeneration::refus_data()
{
    QTest::addColumn<QString>("commande");
    QTest::addColumn<QString>("repertoire");
    QTest::addColumn<QString>("media");
    QTest::addColumn<QString>("raison");

    // The project file is saved at the root of the temporary directory.
    const QString media = QStringLiteral("this directory holds the media of day 1");
    QTest::newRow("Generate into the project's directory")
        << "bouton_generer"
        << "."
        << "medias/jour1.png" << QStringLiteral("this directory holds the calendar's project file");
    QTest::newRow("Generate into a media's directory") << "bouton_generer"
                                                       << "medias"
                                                       << "medias/jour1.png" << media;
    QTest::newRow("Generate into a parent of a media") << "bouton_generer"
                                                       << "photos"
                                                       << "photos/2024/jour1.png" << media;
    QTest::newRow("Preview with a media inside tmp") << "bouton_apercu"
                                                     << "tmp"
                                                     << "tmp/jour1.png" << media;
    QTest::newRow("Preview where tmp is a file")
        << "bouton_apercu"
        << "tmp"
        << "medias/jour1.png" << QStringLiteral("it is a file, not a directory");
}

void TestCommandesGeneration::refus()
{
    QFETCH(QString, commande);
    QFETCH(QString, repertoire);
    QFETCH(QString, media);
    QFETCH(QString, raison);

    const QString cible = QDir::cleanPath(chemin(repertoire));
    QVERIFY(ecrirePng(chemin(media), Qt::red));
    if (raison.contains(QLatin1String("a file")))
        QVERIFY(ecrire(cible, "not a directory"));

    auto *calendrier = new Calendrier(QStringLiteral("Avent"));
    calendrier->ajouterMedia(1, new Image(chemin(media)));
    QCOMPARE(GestionnaireFichiers().creerFichierDepuisCalendrier(*calendrier, chemin("Avent.xml")), 0);
    const auto avant = arborescence(temp.path());

    FenetrePrincipale fenetre;
    fenetre.afficherCalendrier(calendrier);
    fenetre.setUrlCalendrier(chemin(QStringLiteral("Avent.xml")));

    const bool generation = commande == QLatin1String("bouton_generer");
    if (generation)
        ChoixFichier::prevoirChoix(cible);
    QTest::mouseClick(bouton(fenetre, qPrintable(commande)), Qt::LeftButton);

    QCOMPARE(ChoixFichier::prendreMontres().size(), generation ? 1 : 0);
    // Refused before the erase question, and nothing is erased or written.
    const Montrees boites = BoiteMessage::prendreMontrees();
    QCOMPARE(boites.size(), 1);
    QCOMPARE(boites.at(0).texte, REFUS.arg(cible, raison));
    QCOMPARE(boites.at(0).icone, QMessageBox::Warning);
    QVERIFY(fenetre.findChild<Generateur *>() == nullptr);
    QCOMPARE(arborescence(temp.path()), avant);
    QVERIFY(bureau.ouvertes.isEmpty());
}

void TestCommandesGeneration::apercu_data()
{
    QTest::addColumn<QString>("contenuTmp");
    QTest::addColumn<int>("reponse");
    QTest::addColumn<bool>("mediaManquant");
    QTest::addColumn<bool>("genere");

    QTest::newRow("no tmp yet") << "" << int(QMessageBox::NoButton) << false << true;
    QTest::newRow("empty tmp") << "empty" << int(QMessageBox::NoButton) << false << true;
    QTest::newRow("tmp holds an earlier site") << "site" << int(QMessageBox::NoButton) << false << true;
    QTest::newRow("foreign tmp, No keeps it") << "foreign" << int(QMessageBox::No) << false << false;
    QTest::newRow("foreign tmp, Yes replaces it") << "foreign" << int(QMessageBox::Yes) << false << true;
    QTest::newRow("a media is missing") << "site" << int(QMessageBox::NoButton) << true << false;
}

void TestCommandesGeneration::apercu()
{
    QFETCH(QString, contenuTmp);
    QFETCH(int, reponse);
    QFETCH(bool, mediaManquant);
    QFETCH(bool, genere);

    const QString tmp = chemin(QStringLiteral("tmp"));
    Calendrier *calendrier = calendrierAvecPhotos({5});
    if (mediaManquant)
        calendrier->ajouterMedia(9, new Image(chemin(QStringLiteral("medias/absente.png"))));
    if (contenuTmp == QLatin1String("empty")) {
        QVERIFY(QDir().mkpath(tmp));
    } else if (contenuTmp == QLatin1String("site")) {
        Calendrier ancien(QStringLiteral("Ancien"));
        QCOMPARE(GestionnaireFichiers().generer(ancien, tmp, true), 0);
        QVERIFY(ecrire(tmp + QStringLiteral("/data/reste.txt"), "old"));
    } else if (contenuTmp == QLatin1String("foreign")) {
        QVERIFY(ecrire(tmp + QStringLiteral("/brouillon.odt"), "draft"));
    }
    const auto avant = arborescence(temp.path());

    FenetrePrincipale fenetre;
    fenetre.afficherCalendrier(calendrier);
    fenetre.setUrlCalendrier(chemin(QStringLiteral("Avent.xml")));

    const bool demande = reponse != QMessageBox::NoButton;
    if (demande)
        BoiteMessage::prevoirReponse(QMessageBox::StandardButton(reponse));
    QTest::mouseClick(bouton(fenetre, "bouton_apercu"), Qt::LeftButton);
    QTRY_VERIFY(fenetre.findChild<Generateur *>() == nullptr);

    Montrees boites = BoiteMessage::prendreMontrees();
    if (demande) {
        QVERIFY(!boites.isEmpty());
        QCOMPARE(boites.takeFirst().texte, QUESTION_EFFACEMENT.arg(tmp));
    }
    if (!genere) {
        QCOMPARE(arborescence(temp.path()), avant);
        // A missing media is listed instead of a preview; nothing else is said.
        QCOMPARE(boites.size(), mediaManquant ? 1 : 0);
        if (mediaManquant)
            QVERIFY(boites.at(0).texte.endsWith(
                QStringLiteral("Day 9: ") + chemin(QStringLiteral("medias/absente.png"))));
        QVERIFY(bureau.ouvertes.isEmpty());
        return;
    }

    {
        // A preview shows no message: the page opens instead.
        QVERIFY(boites.isEmpty());
        QCOMPARE(bureau.ouvertes, QList<QUrl>{QUrl::fromLocalFile(tmp + QStringLiteral("/index.html"))});
        QVERIFY(lire(tmp + QStringLiteral("/scripts/calendrier.js")).contains("\nbypass = true;\n"));
        QCOMPARE(fichiersMedia(tmp), QStringList{identifiant(5, "Avent") + ".png"});
    }
    // Whatever was in tmp before is gone; the rest of the project directory is untouched.
    QVERIFY(!QFile::exists(tmp + QStringLiteral("/brouillon.odt")));
    QVERIFY(!QFile::exists(tmp + QStringLiteral("/data/reste.txt")));
    const auto apres = arborescence(temp.path());
    for (auto it = avant.constBegin(); it != avant.constEnd(); ++it) {
        if (!it.key().startsWith(QLatin1String("tmp/")))
            QCOMPARE(apres.value(it.key()), it.value());
    }
}

void TestCommandesGeneration::apercuALaDate()
{
    auto *calendrier = new Calendrier(QStringLiteral("Avent"));
    OptionsCalendrier options;
    options.fuseau = QStringLiteral("America/New_York");
    calendrier->setOptions(options);
    FenetrePrincipale fenetre;
    fenetre.afficherCalendrier(calendrier);
    fenetre.setUrlCalendrier(chemin(QStringLiteral("Avent.xml")));
    fenetre.show();

    // 23:30 in New York on 5 December is 04:30 on the 6th by UTC.
    RepondeurModal dialogue([](QWidget *modale) {
        auto *saisie = modale->findChild<QDateTimeEdit *>(QStringLiteral("saisie_instant"));
        if (saisie == nullptr)
            return false;
        saisie->setDateTime(QDateTime(QDate(2026, 12, 5), QTime(23, 30)));
        static_cast<QDialog *>(modale)->accept();
        return true;
    });
    fenetre.findChild<QAction *>(QStringLiteral("action_apercu_date"))->trigger();
    QVERIFY(dialogue.aRepondu());
    QTRY_VERIFY(fenetre.findChild<Generateur *>() == nullptr);
    QVERIFY(BoiteMessage::prendreMontrees().isEmpty());

    const QString tmp = chemin(QStringLiteral("tmp"));
    QCOMPARE(bureau.ouvertes, QList<QUrl>{QUrl::fromLocalFile(tmp + QStringLiteral("/index.html"))});
    const QByteArray script = lire(tmp + QStringLiteral("/scripts/calendrier.js"));
    const qint64 instant = QDateTime(QDate(2026, 12, 6), QTime(4, 30), Qt::UTC).toMSecsSinceEpoch();
    QVERIFY(script.contains("}(Date, " + QByteArray::number(instant) + " - Date.now()));"));
    QVERIFY(!script.contains("\nbypass = true;\n"));
}

void TestCommandesGeneration::resultatAffiche_data()
{
    QTest::addColumn<bool>("apercu");
    QTest::addColumn<int>("code"); // 0 for a success
    QTest::addColumn<int>("reponse");
    QTest::addColumn<bool>("pageOuverte");
    QTest::newRow("generation failed") << false << 5 << int(QMessageBox::Ok) << false;
    QTest::newRow("preview failed") << true << 4 << int(QMessageBox::Ok) << false;
    QTest::newRow("success, OK") << false << 0 << int(QMessageBox::Ok) << false;
    QTest::newRow("success, Open in Browser") << false << 0 << int(QMessageBox::Open) << true;
}

void TestCommandesGeneration::resultatAffiche()
{
    QFETCH(bool, apercu);
    QFETCH(int, code);
    QFETCH(int, reponse);
    QFETCH(bool, pageOuverte);
    const QString sortie = chemin(QStringLiteral("site"));
    const QString details = QStringLiteral("Day 5: the file /photos/neige.jpg cannot be found.");
    FenetrePrincipale fenetre;
    BoiteMessage::prevoirReponse(QMessageBox::StandardButton(reponse));

    // A failure reaches the window through the document.
    CommandesGeneration(fenetre.getDocument(), fenetre, [] {})
        .afficherResultat(
            code != 0 ? Resultat::echec(Resultat::Cause::Media, details) : Resultat(), sortie, apercu);

    const QList<BoiteMessage::Montree> boites = BoiteMessage::prendreMontrees();
    QCOMPARE(boites.size(), 1);
    if (code != 0) {
        QCOMPARE(boites.at(0).texte, ERREUR);
        QCOMPARE(boites.at(0).informatif, details);
    } else {
        QCOMPARE(boites.at(0).texte, SUCCES.arg(sortie));
        QCOMPARE(boites.at(0).boutons, QMessageBox::Ok | QMessageBox::Open);
    }
    QCOMPARE(bureau.ouvertes,
        pageOuverte ? QList<QUrl>{QUrl::fromLocalFile(sortie + QStringLiteral("/index.html"))}
                    : QList<QUrl>{});
}

void TestCommandesGeneration::apercuApresNouveau()
{
    const QString projet = chemin(QStringLiteral("projets"));
    QVERIFY(QDir().mkpath(projet));
    FenetrePrincipale fenetre;
    fenetre.show();
    {
        RepondeurModal dialogue(remplirNouveau(QStringLiteral("Avent"), projet));
        QTest::mouseClick(bouton(fenetre, "bouton_nouveau"), Qt::LeftButton);
        QVERIFY(dialogue.aRepondu());
    }
    QVERIFY(bouton(fenetre, "bouton_apercu")->isEnabled());

    QTest::mouseClick(bouton(fenetre, "bouton_apercu"), Qt::LeftButton);
    QTRY_VERIFY(fenetre.findChild<Generateur *>() == nullptr);
    QVERIFY(BoiteMessage::prendreMontrees().isEmpty());

    const QString tmp = projet + QStringLiteral("/tmp");
    QCOMPARE(bureau.ouvertes.size(), 1);
    QCOMPARE(bureau.ouvertes.at(0), QUrl::fromLocalFile(tmp + QStringLiteral("/index.html")));
    QVERIFY(QFile::exists(bureau.ouvertes.at(0).toLocalFile()));
    QVERIFY(fichiersMedia(tmp).isEmpty());
    QVERIFY(lire(tmp + QStringLiteral("/scripts/calendrier.js")).contains("\nbypass = true;\n"));
    // The calendar was never saved, and a preview does not save it.
    QVERIFY(!QFile::exists(projet + QStringLiteral("/Avent.xml")));
}

void TestCommandesGeneration::arretDUneLongueGeneration_data()
{
    QTest::addColumn<QString>("fermeture");
    QTest::addColumn<bool>("retenue");
    QTest::addColumn<bool>("apercu");

    QTest::newRow("Escape while day 3 is written") << "escape" << true << false;
    QTest::newRow("close button while day 3 is written") << "close" << true << true;
    QTest::newRow("Escape during large copies") << "escape" << false << false;
    QTest::newRow("close button during large copies") << "close" << false << true;
}

void TestCommandesGeneration::arretDUneLongueGeneration()
{
    QFETCH(QString, fermeture);
    QFETCH(bool, retenue);
    QFETCH(bool, apercu);

    // 31 days of 32 MB of real bytes (a sparse file would copy in no time).
    const QString video = chemin(QStringLiteral("medias/grande.webm"));
    {
        QDir().mkpath(QFileInfo(video).absolutePath());
        QFile fichier(video);
        QVERIFY(fichier.open(QIODevice::WriteOnly));
        // Taken for a sound by its first bytes, so that it is published.
        QCOMPARE(fichier.write(sonFactice(QByteArray())), qint64(10));
        QByteArray bloc(1024 * 1024, '\0');
        for (int i = 0; i < 32; ++i) {
            bloc.fill(char('a' + i));
            QCOMPARE(fichier.write(bloc), qint64(bloc.size()));
        }
    }
    QSemaphore atteinte;
    QSemaphore reprise;
    // Held on day 3 to look at the window while the run is stopping. When the stop comes
    // during the copies, the last day holds the run instead: however fast the copies go,
    // it cannot end before the test has stopped it.
    const int jourRetenu = retenue ? 3 : 31;
    auto *calendrier = new Calendrier(QStringLiteral("Long"));
    for (int jour = 1; jour <= 31; ++jour) {
        if (jour == jourRetenu)
            calendrier->ajouterMedia(jour, new ImageRetenue(video, atteinte, reprise));
        else
            calendrier->ajouterMedia(jour, new Image(video));
    }

    const QString sortie = apercu ? chemin(QStringLiteral("tmp")) : chemin(QStringLiteral("site"));
    QVERIFY(QDir().mkpath(sortie));
    FenetrePrincipale fenetre;
    fenetre.afficherCalendrier(calendrier);
    fenetre.setUrlCalendrier(chemin(QStringLiteral("Long.xml")));
    fenetre.sauvegardeUtile();
    fenetre.show();
    // A failed check must not leave the worker held while the window waits for it.
    const auto liberer = qScopeGuard([&] { reprise.release(31); });

    QPointer<Generateur> generateur;
    QString texte;
    int minimum = -1;
    int maximum = -1;
    bool sansParent = false;
    bool modale = false;
    bool sansBouton = false;
    // The progress dialog is dismissed once the run is well under way.
    RepondeurModal fermer([&](QWidget *fenetreModale) {
        auto *progression = qobject_cast<QProgressDialog *>(fenetreModale);
        if (progression == nullptr)
            return false;
        const QStringList chantiers = chantiersRestants(sortie);
        if (retenue
                ? !atteinte.tryAcquire()
                : chantiers.isEmpty() || fichiersMedia(chantiers.first() + QStringLiteral("/site")).isEmpty())
            return false;
        generateur = fenetre.findChild<Generateur *>();
        texte = progression->labelText();
        minimum = progression->minimum();
        maximum = progression->maximum();
        sansParent = progression->parentWidget() == nullptr;
        modale = progression->windowModality() == Qt::ApplicationModal;
        sansBouton = progression->findChildren<QPushButton *>().isEmpty();
        if (fermeture == QLatin1String("escape"))
            QTest::keyClick(progression, Qt::Key_Escape);
        else
            progression->close();
        return true;
    });
    if (apercu) {
        QTest::mouseClick(bouton(fenetre, "bouton_apercu"), Qt::LeftButton);
    } else {
        ChoixFichier::prevoirChoix(sortie);
        BoiteMessage::prevoirReponse(QMessageBox::Yes);
        QTest::mouseClick(bouton(fenetre, "bouton_generer"), Qt::LeftButton);
        QCOMPARE(ChoixFichier::prendreMontres().size(), 1);
        const Montrees boites = BoiteMessage::prendreMontrees();
        QCOMPARE(boites.size(), 1);
        QCOMPARE(boites.at(0).texte, QUESTION_EFFACEMENT.arg(sortie));
    }
    // Read in this order: a run still going now was going when the window was looked at.
    const bool fenetreActive = fenetre.isEnabled();
    const bool enCours = !generateur.isNull() && generateur->isRunning();

    QVERIFY(fermer.aRepondu());
    QVERIFY(!fermer.aDuForcer());
    QCOMPARE(texte, QStringLiteral("Generating the calendar ..."));
    QCOMPARE(minimum, 0);
    QCOMPARE(maximum, 0);
    QVERIFY(sansParent);
    QVERIFY(modale);
    QVERIFY(sansBouton);

    QVERIFY2(!(enCours && fenetreActive), "the window is usable while the stopped run goes on");
    if (retenue) {
        // The worker waits on day 3: it is certainly still running.
        QVERIFY(enCours);
        QVERIFY(!bouton(fenetre, "bouton_generer")->isEnabled());
        QVERIFY(!tuile(fenetre, 1)->isEnabled());
        // The unsaved changes are still known, and the window cannot be closed meanwhile.
        QVERIFY(fenetre.sauvegardeNecessaire());
        QVERIFY(!fenetre.close());
        QVERIFY(fenetre.isVisible());
        QCoreApplication::processEvents();
        QVERIFY(!fenetre.isEnabled());
        QVERIFY(generateur->isRunning());
    }
    reprise.release();
    QTRY_VERIFY_WITH_TIMEOUT(generateur.isNull(), 60000);
    QTRY_VERIFY(fenetre.isEnabled());
    QVERIFY(bouton(fenetre, "bouton_generer")->isEnabled());
    QVERIFY(tuile(fenetre, 1)->isEnabled());
    QVERIFY(fenetre.sauvegardeNecessaire());

    // Stopped between two days: the directory is as it was, nothing of the run is left,
    // and nothing of it is shown (checked again after the test).
    QCOMPARE(QDir(sortie).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
    QCOMPARE(chantiersRestants(sortie), QStringList());
    QVERIFY(bureau.ouvertes.isEmpty());
}

void TestCommandesGeneration::fermetureDeLaFenetrePendantLArret()
{
    QSemaphore atteinte;
    QSemaphore reprise;
    const QString photo = chemin(QStringLiteral("medias/sapin.png"));
    QVERIFY(ecrire(photo, sonFactice(QByteArray(990, 'p'))));
    auto *calendrier = new Calendrier(QStringLiteral("Ferme"));
    for (int jour = 1; jour <= 10; ++jour)
        calendrier->ajouterMedia(
            jour, jour == 2 ? new ImageRetenue(photo, atteinte, reprise) : new Image(photo));

    auto *fenetre = new FenetrePrincipale;
    const auto liberer = qScopeGuard([&] { reprise.release(10); });
    fenetre->afficherCalendrier(calendrier);
    fenetre->setUrlCalendrier(chemin(QStringLiteral("Ferme.xml")));
    RepondeurModal fermer([&](QWidget *modale) {
        if (qobject_cast<QProgressDialog *>(modale) == nullptr || !atteinte.tryAcquire())
            return false;
        QTest::keyClick(modale, Qt::Key_Escape);
        return true;
    });
    fenetre->lancerLaGeneration(chemin(QStringLiteral("site")), false);
    QVERIFY(fermer.aRepondu());
    QVERIFY(!fenetre->isEnabled());

    // The window goes while the worker still writes day 2 with the calendar's media:
    // the calendar may only be deleted once the worker is done with it (the sanitizer
    // build sees a use after free otherwise).
    std::thread plusTard([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        reprise.release();
    });
    delete fenetre;
    plusTard.join();
    QVERIFY(!QFileInfo::exists(chemin(QStringLiteral("site"))));
    QCOMPARE(chantiersRestants(chemin(QStringLiteral("site"))), QStringList());
}

void TestCommandesGeneration::deBoutEnBout()
{
    // The browser test runs this with its own picture, day and output directory, then
    // opens the site; alone it checks the generated files for today's day (UTC).
    const QString sortieImposee = qEnvironmentVariable("TINSELBOX_SITE");
    const QString photoImposee = qEnvironmentVariable("TINSELBOX_PHOTO");
    bool jourValide = false;
    int jour = qEnvironmentVariableIntValue("TINSELBOX_JOUR", &jourValide);
    if (!jourValide)
        jour = QDateTime::currentDateTimeUtc().date().day();
    QVERIFY(jour >= 1 && jour <= 31);

    const QString sortie = sortieImposee.isEmpty() ? chemin(QStringLiteral("site")) : sortieImposee;
    QVERIFY(QDir().mkpath(sortie));
    QString photo = photoImposee;
    if (photo.isEmpty()) {
        photo = chemin(QStringLiteral("medias/etoile.png"));
        QVERIFY(ecrirePng(photo, QColor(200, 30, 160), QSize(120, 80)));
    }
    const QString projet = chemin(QStringLiteral("projet"));
    QVERIFY(QDir().mkpath(projet));

    FenetrePrincipale fenetre;
    fenetre.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
    {
        RepondeurModal dialogue(remplirNouveau(QStringLiteral("Avent"), projet));
        QTest::mouseClick(bouton(fenetre, "bouton_nouveau"), Qt::LeftButton);
        QVERIFY(dialogue.aRepondu());
    }
    {
        RepondeurModal dialogue(remplirEdition("bouton_photo", photo));
        QTest::mouseClick(tuile(fenetre, jour), Qt::LeftButton);
        QVERIFY(dialogue.aRepondu());
        QCOMPARE(tuile(fenetre, jour)->getType(), Media::PHOTO);
    }

    ChoixFichier::prevoirChoix(sortie);
    BoiteMessage::prevoirReponse(QMessageBox::Yes);
    QTest::mouseClick(bouton(fenetre, "bouton_generer"), Qt::LeftButton);
    QTRY_VERIFY(fenetre.findChild<Generateur *>() == nullptr);
    const Montrees boites = BoiteMessage::prendreMontrees();
    QCOMPARE(boites.size(), 2);
    QCOMPARE(boites.at(1).texte, SUCCES.arg(sortie));

    const QString id = identifiant(jour, QStringLiteral("Avent"));
    // A PNG already fit for the web: published as it is, under its own extension.
    QCOMPARE(fichiersMedia(sortie), QStringList{id + QStringLiteral(".png")});
    QCOMPARE(lire(sortie + QStringLiteral("/data/") + id + QStringLiteral(".png")), lire(photo));
    const QByteArray scene = lire(sortie + QStringLiteral("/scripts/calendrier.js"));
    QVERIFY(
        scene.contains(QStringLiteral("case %1:\nphoto = new Photo(\"%2\");").arg(jour).arg(id).toUtf8()));
    QVERIFY(!scene.contains("bypass = true;"));
}

QTEST_MAIN(TestCommandesGeneration)
#include "tst_commandesgeneration.moc"
