#include "calendriers.h"
#include "fenetres.h"
#include "fenetres/fenetreoptions.h"
#include "fenetres/fenetreprincipale.h"
#include "repondeurmodal.h"

#include "chiffrement/chainecles.h"
#include "chiffrement/parametrescle.h"
#include "site/siteprive.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <functional>
#include <sys/resource.h>

namespace {

// A picture the background chooser accepts, made once for the whole test.
QString photoDeFond()
{
    static QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("fond.png"));
    if (!QFileInfo::exists(chemin)) {
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(Qt::darkBlue);
        image.save(chemin);
    }
    return chemin;
}

OptionsCalendrier options(bool rattrapage, int mois, const QString &fuseau, int jours = 31,
    const QString &adresse = QString(), bool originaux = false, const QString &theme = QString(),
    const QString &fond = QString(), bool titre = false)
{
    OptionsCalendrier options;
    options.theme = theme;
    options.fond = fond;
    options.titre = titre;
    options.rattrapage = rattrapage;
    options.mois = mois;
    options.fuseau = fuseau;
    options.jours = jours;
    options.adresse = adresse;
    options.originaux = originaux;
    return options;
}

// Types the options into the form, untrimmed and unchecked, as a user would.
void regler(QWidget &fenetre, const OptionsCalendrier &options)
{
    fenetre.findChild<QCheckBox *>("case_rattrapage")->setChecked(options.rattrapage);
    fenetre.findChild<QComboBox *>("choix_mois")->setCurrentIndex(options.mois);
    fenetre.findChild<QLineEdit *>("champ_fuseau")->setText(options.fuseau);
    fenetre.findChild<QSpinBox *>("champ_jours")->setValue(options.jours);
    fenetre.findChild<QLineEdit *>("champ_adresse")->setText(options.adresse);
    fenetre.findChild<QCheckBox *>("case_originaux")->setChecked(options.originaux);
    auto *themes = fenetre.findChild<QComboBox *>("liste_theme");
    themes->setCurrentIndex(themes->findData(options.theme));
    fenetre.findChild<QLineEdit *>("champ_fond")->setText(options.fond);
    fenetre.findChild<QCheckBox *>("case_titre")->setChecked(options.titre);
}

QString decrire(const OptionsCalendrier &options)
{
    QStringList attributs;
    for (const auto &[nom, valeur] : options.aEcrire())
        attributs << nom + QLatin1Char('=') + valeur;
    return attributs.join(QLatin1Char(' '));
}

// Opens Options from the window, lets `regler` fill the dialog, then clicks `reponse`;
// false when no Options dialog came up.
bool passerParOptions(QWidget &fenetre, std::function<void(FenetreOptions &)> const &regler,
    QDialogButtonBox::StandardButton reponse = QDialogButtonBox::Ok)
{
    RepondeurModal repondeur([&regler, reponse](QWidget *modale) {
        auto *dialogue = qobject_cast<FenetreOptions *>(modale);
        if (dialogue == nullptr)
            return false;
        regler(*dialogue);
        dialogue->findChild<QDialogButtonBox *>()->button(reponse)->click();
        return true;
    });
    QTest::mouseClick(bouton(fenetre, "bouton_options"), Qt::LeftButton);
    return repondeur.aRepondu();
}

} // namespace

Q_DECLARE_METATYPE(OptionsCalendrier)

class TestFenetreOptions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void ok_data();
    void ok();
    void periodeLangueEtAdresse();
    void motDePasse_data();
    void motDePasse();
    void verrou_data();
    void verrou();
    void boutonDeLaFenetrePrincipale();
    void verrouDeLaFenetrePrincipale();
    void grilleDeLaLongueur();
    void tuileDUnMessage();
};

void TestFenetreOptions::initTestCase()
{
    Q_INIT_RESOURCE(gui);
    Q_INIT_RESOURCE(ressources);
    QApplication::setQuitOnLastWindowClosed(false);
    dialoguesSilencieux();
}

void TestFenetreOptions::cleanup()
{
    // The zone field's clear button fades with an animation that only notices on its
    // next tick that its field is gone, then deletes itself: give it an event loop.
    QTest::qWait(100);
    QVERIFY(reponsesToutesPrises());
}

void TestFenetreOptions::ok_data()
{
    QTest::addColumn<OptionsCalendrier>("avant");
    QTest::addColumn<OptionsCalendrier>("saisie");
    QTest::addColumn<int>("resultat");
    QTest::addColumn<OptionsCalendrier>("apres");
    QTest::addColumn<QString>("avertissement");

    const OptionsCalendrier defaut;
    const OptionsCalendrier toutes = options(true, 12, QStringLiteral("Europe/Paris"), 24,
        QStringLiteral("https://example.org/"), true, QStringLiteral("nuit"), photoDeFond(), true);
    QTest::newRow("all set") << defaut << toutes << int(QDialog::Accepted) << toutes << QString();
    QTest::newRow("all cleared") << toutes << defaut << int(QDialog::Accepted) << defaut << QString();
    QTest::newRow("nothing changed: nothing to save")
        << toutes << toutes << int(QDialog::Rejected) << toutes << QString();
    QTest::newRow("zone and address trimmed")
        << defaut << options(false, 0, QStringLiteral(" Asia/Tokyo "), 31, QStringLiteral(" http://a.b/ "))
        << int(QDialog::Accepted)
        << options(false, 0, QStringLiteral("Asia/Tokyo"), 31, QStringLiteral("http://a.b/")) << QString();
    QTest::newRow("unknown zone: warned, stays open, nothing changed")
        << defaut << options(true, 3, QStringLiteral("Mars/Olympus_Mons")) << -1 << defaut
        << QStringLiteral("Mars/Olympus_Mons");
    QTest::newRow("not a web address: warned, stays open, nothing changed")
        << toutes << options(false, 0, QString(), 31, QStringLiteral("ftp://example.org/")) << -1 << toutes
        << QStringLiteral("ftp://example.org/");
    QTest::newRow("background that is no picture: warned, stays open, nothing changed")
        << defaut
        << options(false, 0, QString(), 31, QString(), false, QString(), QStringLiteral("/etc/hostname"))
        << -1 << defaut << QStringLiteral("/etc/hostname");
}

void TestFenetreOptions::ok()
{
    QFETCH(OptionsCalendrier, avant);
    QFETCH(OptionsCalendrier, saisie);
    QFETCH(int, resultat);
    QFETCH(OptionsCalendrier, apres);
    QFETCH(QString, avertissement);

    Calendrier calendrier(QStringLiteral("Avent"));
    calendrier.setOptions(avant);

    FenetreOptions fenetre(nullptr);
    fenetre.configurerFenetre(&calendrier);
    QCOMPARE(fenetre.findChild<QCheckBox *>("case_rattrapage")->isChecked(), avant.rattrapage);
    QCOMPARE(fenetre.findChild<QComboBox *>("choix_mois")->currentIndex(), avant.mois);
    QCOMPARE(fenetre.findChild<QComboBox *>("choix_mois")->itemText(12), QStringLiteral("December only"));
    QCOMPARE(fenetre.findChild<QLineEdit *>("champ_fuseau")->text(), avant.fuseau);
    QCOMPARE(fenetre.findChild<QSpinBox *>("champ_jours")->value(), avant.jours);
    QCOMPARE(fenetre.findChild<QComboBox *>("liste_theme")->currentData().toString(), avant.theme);
    // Each theme is offered with a small picture of its scene.
    QCOMPARE(fenetre.findChild<QComboBox *>("liste_theme")->count(), 4);
    QVERIFY(!fenetre.findChild<QComboBox *>("liste_theme")->itemIcon(1).isNull());

    fenetre.show();
    regler(fenetre, saisie);
    fenetre.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(fenetre.isVisible(), resultat == -1);
    if (resultat != -1)
        QCOMPARE(fenetre.result(), resultat);
    QVERIFY2(calendrier.getOptions() == apres, qPrintable(decrire(calendrier.getOptions())));
    const QList<BoiteMessage::Montree> boites = BoiteMessage::prendreMontrees();
    QCOMPARE(boites.size(), avertissement.isEmpty() ? 0 : 1);
    if (!avertissement.isEmpty())
        QVERIFY(boites.first().texte.contains(avertissement));
}

void TestFenetreOptions::periodeLangueEtAdresse()
{
    Calendrier calendrier(QStringLiteral("Avent"));
    fixerOption(calendrier, &OptionsCalendrier::debut, QStringLiteral("02-29"));
    FenetreOptions fenetre(nullptr);
    fenetre.configurerFenetre(&calendrier);
    auto *date = fenetre.findChild<QDateEdit *>("champ_debut");
    // A yearly 29 February shows in a leap year, and keeps its day.
    QCOMPARE(date->date().day(), 29);
    QVERIFY(date->isEnabled());
    QCOMPARE(fenetre.findChild<QComboBox *>("liste_langue")->currentData().toString(), QStringLiteral("en"));

    fenetre.show();
    fenetre.findChild<QSpinBox *>("champ_jours")->setValue(24);
    date->setDate(QDate(2026, 12, 1));
    auto *langue = fenetre.findChild<QComboBox *>("liste_langue");
    langue->setCurrentIndex(langue->findData(QStringLiteral("de")));
    fenetre.findChild<QCheckBox *>("case_melange")->setChecked(true);
    auto *adresse = fenetre.findChild<QLineEdit *>("champ_adresse");
    adresse->setText(QStringLiteral("example.org/avent"));
    auto *ok = fenetre.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
    ok->click();
    QVERIFY(fenetre.isVisible());
    QCOMPARE(BoiteMessage::prendreMontrees().size(), 1);
    QCOMPARE(calendrier.getOptions().jours, 31);

    adresse->setText(QStringLiteral(" https://example.org/avent/ "));
    // The background picture chosen through its own chooser.
    ChoixFichier::prevoirChoix(photoDeFond());
    fenetre.findChild<QPushButton *>("bouton_fond")->click();
    ok->click();
    QCOMPARE(fenetre.result(), int(QDialog::Accepted));
    QCOMPARE(calendrier.getOptions().debut, QStringLiteral("12-01"));
    QCOMPARE(calendrier.getOptions().jours, 24);
    QCOMPARE(calendrier.getOptions().langue, QStringLiteral("de"));
    QVERIFY(calendrier.getOptions().melange);
    QCOMPARE(calendrier.getOptions().adresse, QStringLiteral("https://example.org/avent/"));
    QVERIFY(!calendrier.getOptions().originaux);
    QCOMPARE(calendrier.getOptions().fond, photoDeFond());
}

void TestFenetreOptions::motDePasse_data()
{
    QTest::addColumn<bool>("dejaPrive");
    QTest::addColumn<bool>("coche");
    QTest::addColumn<QString>("mot");
    QTest::addColumn<QString>("confirmation");
    QTest::addColumn<int>("resultat");
    QTest::addColumn<QString>("cle");
    QTest::addColumn<QString>("avertissement");

    QTest::newRow("typed twice: a new key")
        << false << true << QStringLiteral("sapin") << QStringLiteral("sapin") << int(QDialog::Accepted)
        << QStringLiteral("new") << QString();
    QTest::newRow("typed differently: stays open")
        << false << true << QStringLiteral("sapin") << QStringLiteral("sapim") << -1 << QString()
        << QStringLiteral("differ");
    QTest::newRow("not typed, none set: stays open")
        << false << true << QString() << QString() << -1 << QString() << QStringLiteral("twice");
    QTest::newRow("not typed, one set: kept")
        << true << true << QString() << QString() << int(QDialog::Rejected) << QStringLiteral("same")
        << QString();
    QTest::newRow("another typed twice: a new key")
        << true << true << QStringLiteral("houx") << QStringLiteral("houx") << int(QDialog::Accepted)
        << QStringLiteral("new") << QString();
    QTest::newRow("unchecked: no key kept")
        << true << false << QString() << QString() << int(QDialog::Accepted) << QString() << QString();
}

void TestFenetreOptions::motDePasse()
{
    QFETCH(bool, dejaPrive);
    QFETCH(bool, coche);
    QFETCH(QString, mot);
    QFETCH(QString, confirmation);
    QFETCH(int, resultat);
    QFETCH(QString, cle);
    QFETCH(QString, avertissement);

    Calendrier calendrier(QStringLiteral("Avent"));
    QString cleAvant;
    if (dejaPrive) {
        QVERIFY(SitePrive::definirMotDePasse(QStringLiteral("sapin"), &cleAvant));
        OptionsCalendrier options;
        options.prive = true;
        options.cle = cleAvant;
        calendrier.setOptions(options);
    }
    FenetreOptions fenetre(nullptr);
    fenetre.configurerFenetre(&calendrier);
    fenetre.show();
    auto *prive = fenetre.findChild<QCheckBox *>("case_prive");
    QCOMPARE(prive->isChecked(), dejaPrive);
    QCOMPARE(fenetre.findChild<QLineEdit *>("champ_mot_de_passe")->isEnabled(), dejaPrive);
    prive->setChecked(coche);
    // The keyring is the desktop's: not this test's to fill.
    fenetre.findChild<QCheckBox *>("case_trousseau")->setChecked(false);
    fenetre.findChild<QLineEdit *>("champ_mot_de_passe")->setText(mot);
    fenetre.findChild<QLineEdit *>("champ_confirmation")->setText(confirmation);
    fenetre.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();

    QCOMPARE(fenetre.isVisible(), resultat == -1);
    if (resultat != -1)
        QCOMPARE(fenetre.result(), resultat);
    const OptionsCalendrier apres = calendrier.getOptions();
    QCOMPARE(apres.prive, resultat == -1 ? dejaPrive : coche);
    if (cle == QLatin1String("new")) {
        QVERIFY(ParametresCle::lire(apres.cle).estValide());
        QVERIFY(apres.cle != cleAvant);
        // The key was made for the password typed, which a generation then finds.
        QVERIFY(SitePrive::verifierMotDePasse(calendrier, mot));
        QVERIFY(!SitePrive::verifierMotDePasse(calendrier, mot + QLatin1Char('x')));
    } else {
        QCOMPARE(
            apres.cle, cle == QLatin1String("same") ? cleAvant : (resultat == -1 ? cleAvant : QString()));
    }
    const QList<BoiteMessage::Montree> boites = BoiteMessage::prendreMontrees();
    QCOMPARE(boites.size(), avertissement.isEmpty() ? 0 : 1);
    if (!avertissement.isEmpty())
        QVERIFY2(boites.first().texte.contains(avertissement), qPrintable(boites.first().texte));
}

void TestFenetreOptions::verrou_data()
{
    QTest::addColumn<QString>("publication");
    QTest::addColumn<QString>("nouvelle");
    QTest::addColumn<int>("ailleurs");
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("resultat");
    QTest::addColumn<QString>("boite");

    // With `nouvelle`, the calendar is locked already, its chain kept, and that publishing
    // address is typed; `ailleurs` is what its place holds: 0 nothing, 1 a chain of its own,
    // -1 a place that cannot be written.
    const QString adresse = QStringLiteral("sftp://noel@example.org/www");
    const QString autre = QStringLiteral("davs://noel@example.org/calendrier");
    const QString code = ChaineCles::codeSecours(QByteArray(32, '\x5a'));
    QTest::newRow("no publishing address: refused")
        << QString() << QString() << 0 << QString() << -1 << QStringLiteral("publishing address");
    QTest::newRow("a new chain: its recovery code shown once")
        << adresse << QString() << 0 << QString() << int(QDialog::Accepted)
        << QStringLiteral("recovery code");
    QTest::newRow("a recovery code typed: its chain kept")
        << adresse << QString() << 0 << code.toLower() << int(QDialog::Accepted) << QString();
    QTest::newRow("a mistyped recovery code: stays open")
        << adresse << QString() << 0 << code.left(20) << -1 << QStringLiteral("mistyped");
    QTest::newRow("another address: the chain goes along, no new code")
        << adresse << autre << 0 << QString() << int(QDialog::Accepted) << QString();
    QTest::newRow("another address with a chain of its own: that one kept")
        << adresse << autre << 1 << QString() << int(QDialog::Accepted) << QString();
    QTest::newRow("another address the chain cannot follow: stays open, gives the code")
        << adresse << autre << -1 << QString() << -1 << QStringLiteral("recovery code");
}

void TestFenetreOptions::verrou()
{
    QFETCH(QString, publication);
    QFETCH(QString, nouvelle);
    QFETCH(int, ailleurs);
    QFETCH(QString, code);
    QFETCH(int, resultat);
    QFETCH(QString, boite);

    // A calendar of its own for each row: its chain is kept by name and publishing address.
    const QString nom = QString::fromLatin1(QTest::currentDataTag());
    Calendrier calendrier(nom), origine(nom), destination(nom);
    OptionsCalendrier avant;
    avant.publication = publication;
    avant.verrou = !nouvelle.isEmpty();
    calendrier.setOptions(avant);
    origine.setOptions(avant);
    avant.publication = nouvelle;
    destination.setOptions(avant);
    QByteArray ancien, propre;
    for (const Calendrier *place : {&origine, &destination})
        QFile::remove(ChaineCles::chemin(*place));
    if (!nouvelle.isEmpty())
        QVERIFY(ChaineCles::secret(origine, true, &ancien, nullptr));
    if (ailleurs == 1)
        QVERIFY(ChaineCles::secret(destination, true, &propre, nullptr));
    FenetreOptions fenetre(nullptr);
    fenetre.configurerFenetre(&calendrier);
    fenetre.show();
    auto *verrou = fenetre.findChild<QCheckBox *>("case_verrou");
    // Greyed out without a publishing address, and the recovery code with the option.
    QCOMPARE(verrou->isEnabled(), !publication.isEmpty());
    QCOMPARE(fenetre.findChild<QLineEdit *>("champ_code_secours")->isEnabled(), !nouvelle.isEmpty());
    verrou->setChecked(true);
    if (!nouvelle.isEmpty())
        fenetre.findChild<QLineEdit *>("champ_publication")->setText(nouvelle);
    fenetre.findChild<QLineEdit *>("champ_code_secours")->setText(code);
    struct rlimit normale;
    ::getrlimit(RLIMIT_FSIZE, &normale);
    if (ailleurs < 0) {
        // Every write fails while OK is pressed, even root's.
        struct rlimit aucune = normale;
        aucune.rlim_cur = 0;
        ::signal(SIGXFSZ, SIG_IGN);
        ::setrlimit(RLIMIT_FSIZE, &aucune);
    }
    fenetre.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    ::setrlimit(RLIMIT_FSIZE, &normale);
    ::signal(SIGXFSZ, SIG_DFL);

    QCOMPARE(fenetre.isVisible(), resultat == -1);
    QCOMPARE(calendrier.getOptions().verrou, resultat != -1 || !ancien.isEmpty());
    QCOMPARE(
        calendrier.getOptions().publication, resultat != -1 && !nouvelle.isEmpty() ? nouvelle : publication);
    // The chain kept where the calendar now points.
    QByteArray secret;
    QVERIFY(ChaineCles::secret(calendrier, false, &secret, nullptr));
    QCOMPARE(secret.isEmpty(), resultat == -1 && ancien.isEmpty());
    if (!nouvelle.isEmpty()) {
        // A chain kept at the new place is never replaced; the old file stays.
        QCOMPARE(secret, ailleurs == 1 ? propre : ancien);
        QByteArray reste;
        QVERIFY(ChaineCles::secret(origine, false, &reste, nullptr));
        QCOMPARE(reste, ancien);
        QVERIFY(ChaineCles::secret(destination, false, &reste, nullptr));
        QCOMPARE(reste.isEmpty(), ailleurs < 0);
    }
    const QList<BoiteMessage::Montree> boites = BoiteMessage::prendreMontrees();
    QCOMPARE(boites.size(), boite.isEmpty() ? 0 : 1);
    if (!boite.isEmpty())
        QVERIFY2(boites.first().texte.contains(boite), qPrintable(boites.first().texte));
    // The code shown (of a new chain, or of the one that could not follow), or the one typed,
    // is the chain kept.
    if (boite == QLatin1String("recovery code"))
        QCOMPARE(ChaineCles::lireCodeSecours(boites.first().texte.section(QLatin1Char('\n'), -1)), secret);
    else if (!code.isEmpty() && resultat != -1)
        QCOMPARE(ChaineCles::lireCodeSecours(code), secret);
}

void TestFenetreOptions::boutonDeLaFenetrePrincipale()
{
    FenetrePrincipale fenetre;
    QVERIFY(!bouton(fenetre, "bouton_options")->isEnabled());
    fenetre.afficherCalendrier(new Calendrier(QStringLiteral("Avent")));
    QVERIFY(bouton(fenetre, "bouton_options")->isEnabled());
    QVERIFY(!fenetre.sauvegardeNecessaire());
    fenetre.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fenetre));

    // Cancel changes nothing; a changed option makes the calendar unsaved.
    for (const bool changer : {false, true}) {
        QVERIFY(passerParOptions(
            fenetre, [](FenetreOptions &dialogue) { regler(dialogue, ::options(true, 12, QString())); },
            changer ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel));
        QCOMPARE(fenetre.sauvegardeNecessaire(), changer);
        QCOMPARE(fenetre.getCalendrier()->getOptions().rattrapage, changer);
    }
}

void TestFenetreOptions::verrouDeLaFenetrePrincipale()
{
    // Locking the doors offers the morning publish that opens them; declined, nothing is set up.
    auto *calendrier = new Calendrier(QStringLiteral("Verrou de la fenetre"));
    OptionsCalendrier options;
    options.publication = QStringLiteral("sftp://noel@example.org/www");
    calendrier->setOptions(options);
    QFile::remove(ChaineCles::chemin(*calendrier));
    FenetrePrincipale fenetre;
    fenetre.afficherCalendrier(calendrier);
    fenetre.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
    BoiteMessage::prevoirReponse(QMessageBox::Ok);
    BoiteMessage::prevoirReponse(QMessageBox::No);
    QVERIFY(passerParOptions(fenetre,
        [](FenetreOptions &dialogue) { dialogue.findChild<QCheckBox *>("case_verrou")->setChecked(true); }));
    QVERIFY(fenetre.getCalendrier()->getOptions().verrou);
    const QList<BoiteMessage::Montree> boites = BoiteMessage::prendreMontrees();
    QCOMPARE(boites.size(), 2);
    QVERIFY2(boites.at(0).texte.contains(QStringLiteral("recovery code")), qPrintable(boites.at(0).texte));
    QVERIFY2(boites.at(1).texte.contains(QStringLiteral("Publish every morning now?")),
        qPrintable(boites.at(1).texte));

    // Another publishing address takes the chain along, and undoing it takes it back, even
    // when the old file is gone meanwhile.
    QByteArray secret, suivi;
    QVERIFY(ChaineCles::secret(*calendrier, false, &secret, nullptr));
    const QString ancienne = ChaineCles::chemin(*calendrier);
    const QString autre = QStringLiteral("davs://noel@example.org/calendrier");
    Calendrier ailleurs(calendrier->getNom());
    options.publication = autre;
    ailleurs.setOptions(options);
    QFile::remove(ChaineCles::chemin(ailleurs));
    QVERIFY(passerParOptions(fenetre, [&autre](FenetreOptions &dialogue) {
        dialogue.findChild<QLineEdit *>("champ_publication")->setText(autre);
    }));
    QCOMPARE(ChaineCles::chemin(*calendrier), ChaineCles::chemin(ailleurs));
    QVERIFY(QFile::remove(ancienne));
    fenetre.findChild<QAction *>("action_annuler")->trigger();
    QCOMPARE(ChaineCles::chemin(*calendrier), ancienne);
    QVERIFY(ChaineCles::secret(*calendrier, false, &suivi, nullptr));
    QCOMPARE(suivi, secret);
    QVERIFY(BoiteMessage::prendreMontrees().isEmpty());
}

void TestFenetreOptions::grilleDeLaLongueur()
{
    // One tile per day of the calendar; a shorter length hides days that hold content, and says so.
    auto *calendrier = new Calendrier(QStringLiteral("Avent"));
    fixerOption(*calendrier, &OptionsCalendrier::jours, 24);
    calendrier->ajouterMedia(20, new Message(QStringLiteral("Hello")));
    FenetrePrincipale fenetre;
    fenetre.afficherCalendrier(calendrier);
    fenetre.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
    // Tiles are in day order: the visible ones must be the first `n`.
    const auto tuilesVisibles = [&fenetre] {
        int n = 0;
        while (n < 31 && tuile(fenetre, n + 1)->isVisible())
            ++n;
        return n;
    };
    QCOMPARE(tuilesVisibles(), 24);
    QVERIFY(!tuile(fenetre, 31)->isVisible());
    const int hauteurTuile = tuile(fenetre, 1)->height();

    QVERIFY(passerParOptions(fenetre,
        [](FenetreOptions &dialogue) { dialogue.findChild<QSpinBox *>("champ_jours")->setValue(12); }));
    QCOMPARE(tuilesVisibles(), 12);
    QVERIFY(fenetre.sauvegardeNecessaire());
    const QList<BoiteMessage::Montree> montrees = BoiteMessage::prendreMontrees();
    QCOMPARE(montrees.size(), 1);
    QCOMPARE(montrees.first().texte,
        QStringLiteral("This calendar holds days outside 1 to 12 (20). They are neither shown nor "
                       "published, and they stay in the file when you save."));
    // The grid closes up: two rows take the space of four.
    QTRY_VERIFY(tuile(fenetre, 1)->height() > hauteurTuile);
}

void TestFenetreOptions::tuileDUnMessage()
{
    // The tile of a message day shows the first words of its text, whatever characters it holds.
    auto *calendrier = new Calendrier(QStringLiteral("Avent"));
    calendrier->ajouterMedia(4, new Message(QStringLiteral("Look under/the tree\nin the garden")));
    FenetrePrincipale fenetre;
    fenetre.afficherCalendrier(calendrier);
    QCOMPARE(tuile(fenetre, 4)->getStringType(), QStringLiteral("MESSAGE"));
    QCOMPARE(tuile(fenetre, 4)->getNomMedia(), QString::fromUtf8("Look under/the tree in\u2026"));
}

QTEST_MAIN(TestFenetreOptions)
#include "tst_fenetreoptions.moc"
