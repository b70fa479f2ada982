#include "calendriers.h"
#include "fenetres.h"
#include "fichiers.h"
#include "imagepng.h"
#include "repondeurmodal.h"

#include <QBuffer>
#include <QImageReader>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

Q_DECLARE_METATYPE(Media::TypeMedia)

namespace {

const QString SANS_APERCU = QStringLiteral("No preview available");
const char *const BOUTONS_TYPE[] = {"bouton_photo", "bouton_musique", "bouton_video", "bouton_message"};

/// A JPEG whose EXIF block says "rotate 90 degrees clockwise" when `tourne` is set.
QByteArray jpeg(const QImage &image, bool tourne)
{
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    image.save(&tampon, "JPEG", 95);
    if (!tourne)
        return octets;
    // APP1 "Exif", big-endian TIFF header, one IFD entry: Orientation (0x0112), SHORT, 6.
    const QByteArray exif = QByteArray::fromHex("FFE10022"
                                                "457869660000"
                                                "4D4D002A00000008"
                                                "0001"
                                                "011200030000000100060000"
                                                "00000000");
    return octets.insert(2, exif);
}

QLabel *apercu(FenetreEdition &fenetre)
{
    return fenetre.findChild<QLabel *>("apercu");
}

QLineEdit *champUrl(FenetreEdition &fenetre)
{
    return fenetre.findChild<QLineEdit *>("champ_url");
}

QPixmap imageApercu(FenetreEdition &fenetre)
{
    return apercu(fenetre)->pixmap(Qt::ReturnByValue);
}

void cliquer(FenetreEdition &fenetre, const char *nom)
{
    QTest::mouseClick(bouton(fenetre, nom), Qt::LeftButton);
}

void cliquerBoite(FenetreEdition &fenetre, QDialogButtonBox::StandardButton quel)
{
    fenetre.findChild<QDialogButtonBox *>()->button(quel)->click();
}

/// Browse and pick `chemin` in the chooser.
bool choisirFichier(FenetreEdition &fenetre, const QString &chemin)
{
    ChoixFichier::prevoirChoix(chemin);
    cliquer(fenetre, "bouton_parcourir");
    return ChoixFichier::choixEnAttente() == 0;
}

/// The object names of the checked kind buttons.
QStringList boutonsCoches(FenetreEdition &fenetre)
{
    QStringList coches;
    for (const char *nom : BOUTONS_TYPE) {
        if (bouton(fenetre, nom)->isChecked())
            coches << QString::fromLatin1(nom);
    }
    return coches;
}

} // namespace

class TestFenetreEdition : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void formulaire();
    void etatInitial_data();
    void etatInitial();
    void sansCalendrier();
    void changementDeType_data();
    void changementDeType();
    void apercuDuFichierChoisi_data();
    void apercuDuFichierChoisi();
    void apercuAjusteSansLissage();
    void apercuSuitLOrientation_data();
    void apercuSuitLOrientation();
    void filtresDuSelecteur_data();
    void filtresDuSelecteur();
    void selecteurOuvertALAppui();
    void entreeValideLeFichierChoisi();
    void okMetLeMediaSurLeJour_data();
    void okMetLeMediaSurLeJour();
    void fichierDouteuxNonGarde_data();
    void fichierDouteuxNonGarde();
    void abandonLaisseLeCalendrier_data();
    void abandonLaisseLeCalendrier();
    void messageDuJour();
    void limiteDuMessage_data();
    void limiteDuMessage();

private:
    QString chemin(const QString &nom) const
    {
        return repertoire.filePath(nom);
    }

    QTemporaryDir repertoire;
};

void TestFenetreEdition::cleanup()
{
    QVERIFY(reponsesToutesPrises());
}

void TestFenetreEdition::initTestCase()
{
    Q_INIT_RESOURCE(gui);
    QVERIFY(repertoire.isValid());
    dialoguesSilencieux();

    QVERIFY(ecrirePng(chemin("photo.png"), Qt::darkGreen, QSize(200, 100)));

    // One-pixel checkerboard: any smoothing while scaling shows up as grey.
    QImage damier(800, 400, QImage::Format_RGB32);
    for (int y = 0; y < damier.height(); ++y)
        for (int x = 0; x < damier.width(); ++x)
            damier.setPixel(x, y, (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    QVERIFY(damier.save(chemin("damier.png")));

    QImage large(40, 20, QImage::Format_RGB32);
    large.fill(Qt::red);
    QVERIFY(ecrire(chemin("droite.jpg"), jpeg(large, false)));
    QVERIFY(ecrire(chemin("tournee.jpg"), jpeg(large, true)));

    QVERIFY(ecrire(chemin("notes.txt"), "not a picture\n"));
    QVERIFY(ecrire(chemin("film.webm"),
        QByteArray::fromHex("1a45dfa39f4286810142f7810142f2810442f381084282847765626d")));
    QCOMPARE(mkfifo(QFile::encodeName(chemin("fifo.png")).constData(), 0600), 0);
    QVERIFY(ecrire(chemin("abime.png"), "\x89PNG\r\n\x1a\n truncated"));
}

void TestFenetreEdition::formulaire()
{
    FenetreEdition fenetre(nullptr);
    QCOMPARE(fenetre.windowTitle(), QStringLiteral("Day 00"));
    QCOMPARE(fenetre.getNumeroJour(), 0);
    QCOMPARE(fenetre.getTypeMediaSelectionne(), Media::PHOTO);
    QCOMPARE(fenetre.getCalendrier(), nullptr);

    fenetre.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
    // At least 400x300, wider when the kinds' names need it (they do in English).
    QCOMPARE(fenetre.size(), fenetre.minimumSize());
    QVERIFY(fenetre.minimumWidth() >= 400);
    QCOMPARE(fenetre.minimumHeight(), 300);
    // No larger limit: the dialog grows to the length of its texts in every language.
    QCOMPARE(fenetre.maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    QCOMPARE(fenetre.windowModality(), Qt::ApplicationModal);
    QVERIFY(!fenetre.windowIcon().isNull());
    for (const char *nom : BOUTONS_TYPE) {
        QVERIFY2(bouton(fenetre, nom)->isCheckable(), nom);
        QVERIFY2(!bouton(fenetre, nom)->icon().isNull(), nom);
        QCOMPARE(bouton(fenetre, nom)->iconSize(), QSize(32, 32));
    }
    QVERIFY(!champUrl(fenetre)->isReadOnly());
}

void TestFenetreEdition::etatInitial_data()
{
    QTest::addColumn<int>("jour");
    QTest::addColumn<Media::TypeMedia>("type");
    QTest::addColumn<QString>("fichier");
    QTest::addColumn<QString>("titre");
    QTest::addColumn<QString>("coche");
    QTest::addColumn<bool>("avecApercu");

    QTest::newRow("empty day") << 3 << Media::AUCUN << ""
                               << "Day 03"
                               << "bouton_photo" << false;
    QTest::newRow("photo") << 7 << Media::PHOTO << "photo.png"
                           << "Day 07"
                           << "bouton_photo" << true;
    QTest::newRow("photo whose file is gone") << 12 << Media::PHOTO << "absente.png"
                                              << "Day 12"
                                              << "bouton_photo" << false;
    QTest::newRow("music, even with a picture file") << 24 << Media::MUSIQUE << "photo.png"
                                                     << "Day 24"
                                                     << "bouton_musique" << false;
    QTest::newRow("video") << 31 << Media::VIDEO << "film.mp4"
                           << "Day 31"
                           << "bouton_video" << false;
}

void TestFenetreEdition::etatInitial()
{
    QFETCH(int, jour);
    QFETCH(Media::TypeMedia, type);
    QFETCH(QString, fichier);
    QFETCH(QString, titre);
    QFETCH(QString, coche);
    QFETCH(bool, avecApercu);

    const QString url = fichier.isEmpty() ? QString() : chemin(fichier);
    Calendrier calendrier("Avent");
    if (type != Media::AUCUN)
        calendrier.ajouterMedia(jour, creerMedia(type, url));

    FenetreEdition fenetre(nullptr);
    fenetre.configurerFenetre(jour, &calendrier);

    QCOMPARE(fenetre.windowTitle(), titre);
    QCOMPARE(boutonsCoches(fenetre), QStringList{coche});
    QCOMPARE(fenetre.getTypeMediaSelectionne(), type == Media::AUCUN ? Media::PHOTO : type);
    QCOMPARE(fenetre.getUrl(), url);
    QCOMPARE(champUrl(fenetre)->text(), url);
    QCOMPARE(!imageApercu(fenetre).isNull(), avecApercu);
    if (!avecApercu)
        QCOMPARE(apercu(fenetre)->text(), SANS_APERCU);
    QVERIFY(champUrl(fenetre)->isEnabled());
    QVERIFY(apercu(fenetre)->isEnabled());
    QVERIFY(bouton(fenetre, "bouton_parcourir")->isEnabled());
}

void TestFenetreEdition::sansCalendrier()
{
    FenetreEdition fenetre(nullptr);
    fenetre.configurerFenetre(5, nullptr);

    QCOMPARE(fenetre.windowTitle(), QStringLiteral("Day 05"));
    QVERIFY(boutonsCoches(fenetre).isEmpty());
    QVERIFY(!champUrl(fenetre)->isEnabled());
    QVERIFY(!apercu(fenetre)->isEnabled());
    QVERIFY(!bouton(fenetre, "bouton_parcourir")->isEnabled());
    QCOMPARE(apercu(fenetre)->text(), SANS_APERCU);

    // With no calendar there is no day to change: OK closes without accepting.
    QTimer::singleShot(0, &fenetre, [&] { cliquerBoite(fenetre, QDialogButtonBox::Ok); });
    QCOMPARE(fenetre.exec(), int(QDialog::Rejected));
}

void TestFenetreEdition::changementDeType_data()
{
    QTest::addColumn<Media::TypeMedia>("depart");
    QTest::addColumn<QString>("boutonDepart");
    QTest::addColumn<QString>("clic");

    QTest::newRow("photo, photo again") << Media::PHOTO << "bouton_photo"
                                        << "bouton_photo";
    QTest::newRow("photo to music") << Media::PHOTO << "bouton_photo"
                                    << "bouton_musique";
    QTest::newRow("photo to video") << Media::PHOTO << "bouton_photo"
                                    << "bouton_video";
    QTest::newRow("music, music again") << Media::MUSIQUE << "bouton_musique"
                                        << "bouton_musique";
    QTest::newRow("music to photo") << Media::MUSIQUE << "bouton_musique"
                                    << "bouton_photo";
    QTest::newRow("video, video again") << Media::VIDEO << "bouton_video"
                                        << "bouton_video";
    QTest::newRow("video to music") << Media::VIDEO << "bouton_video"
                                    << "bouton_musique";
}

void TestFenetreEdition::changementDeType()
{
    QFETCH(Media::TypeMedia, depart);
    QFETCH(QString, boutonDepart);
    QFETCH(QString, clic);

    const QString url = chemin("photo.png");
    Calendrier calendrier("Avent");
    calendrier.ajouterMedia(9, creerMedia(depart, url));
    FenetreEdition fenetre(nullptr);
    fenetre.configurerFenetre(9, &calendrier);
    fenetre.show();
    const bool apercuAvant = !imageApercu(fenetre).isNull();

    cliquer(fenetre, qPrintable(clic));
    QCOMPARE(boutonsCoches(fenetre), QStringList{clic});

    if (clic == boutonDepart) {
        QCOMPARE(fenetre.getTypeMediaSelectionne(), depart);
        QCOMPARE(fenetre.getUrl(), url);
        QCOMPARE(champUrl(fenetre)->text(), url);
        QCOMPARE(!imageApercu(fenetre).isNull(), apercuAvant);
        return;
    }
    QVERIFY(fenetre.getUrl().isEmpty());
    QVERIFY(champUrl(fenetre)->text().isEmpty());
    QVERIFY(imageApercu(fenetre).isNull());
    QCOMPARE(apercu(fenetre)->text(), SANS_APERCU);

    // Going back does not bring the dropped file back.
    cliquer(fenetre, qPrintable(boutonDepart));
    QCOMPARE(boutonsCoches(fenetre), QStringList{boutonDepart});
    QCOMPARE(fenetre.getTypeMediaSelectionne(), depart);
    QVERIFY(fenetre.getUrl().isEmpty());
    QVERIFY(imageApercu(fenetre).isNull());
}

void TestFenetreEdition::apercuDuFichierChoisi_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("fichier");
    QTest::addColumn<bool>("avecApercu");

    QTest::newRow("picture") << "bouton_photo"
                             << "photo.png" << true;
    QTest::newRow("jpeg picture") << "bouton_photo"
                                  << "droite.jpg" << true;
    QTest::newRow("picture chosen for music") << "bouton_musique"
                                              << "photo.png" << true;
    QTest::newRow("text file") << "bouton_photo"
                               << "notes.txt" << false;
    QTest::newRow("damaged picture") << "bouton_photo"
                                     << "abime.png" << false;
    QTest::newRow("typed name of no file") << "bouton_video"
                                           << "absent.mp4" << false;
    QTest::newRow("FIFO, never read") << "bouton_photo"
                                      << "fifo.png" << false;
}

void TestFenetreEdition::apercuDuFichierChoisi()
{
    QFETCH(QString, type);
    QFETCH(QString, fichier);
    QFETCH(bool, avecApercu);

    Calendrier calendrier("Avent");
    FenetreEdition fenetre(nullptr);
    fenetre.configurerFenetre(4, &calendrier);
    fenetre.show();
    cliquer(fenetre, qPrintable(type));

    // A picture first, so that the second choice has to replace its preview.
    QVERIFY(choisirFichier(fenetre, chemin("damier.png")));
    QVERIFY(!imageApercu(fenetre).isNull());

    const QString url = chemin(fichier);
    QVERIFY(choisirFichier(fenetre, url));
    QCOMPARE(fenetre.getUrl(), url);
    QCOMPARE(champUrl(fenetre)->text(), url);
    QCOMPARE(!imageApercu(fenetre).isNull(), avecApercu);
    if (!avecApercu)
        QCOMPARE(apercu(fenetre)->text(), SANS_APERCU);
    QCOMPARE(boutonsCoches(fenetre), QStringList{type});
    QVERIFY(calendrier.getContenuConstant().isEmpty());
}

void TestFenetreEdition::apercuAjusteSansLissage()
{
    Calendrier calendrier("Avent");
    FenetreEdition fenetre(nullptr);
    fenetre.configurerFenetre(1, &calendrier);
    fenetre.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
    QVERIFY(choisirFichier(fenetre, chemin("damier.png")));

    const QLabel *etiquette = apercu(fenetre);
    const QImage vue = imageApercu(fenetre).toImage().convertToFormat(QImage::Format_RGB32);
    QVERIFY(!vue.isNull());
    // Fitted: inside the label, touching it on one side, 2:1 like the picture.
    QVERIFY(vue.width() <= etiquette->width() && vue.height() <= etiquette->height());
    QVERIFY(vue.width() == etiquette->width() || vue.height() == etiquette->height());
    QVERIFY(qAbs(vue.width() - 2 * vue.height()) <= 2);
    // Unsmoothed: every pixel is still pure black or pure white.
    for (int y = 0; y < vue.height(); ++y)
        for (int x = 0; x < vue.width(); ++x) {
            const QRgb pixel = vue.pixel(x, y) & 0xffffff;
            if (pixel != 0 && pixel != 0xffffff)
                QFAIL(qPrintable(QStringLiteral("blended pixel at %1,%2").arg(x).arg(y)));
        }
}

void TestFenetreEdition::apercuSuitLOrientation_data()
{
    QTest::addColumn<QString>("fichier");
    QTest::addColumn<bool>("enHauteur");

    QTest::newRow("no orientation tag") << "droite.jpg" << false;
    QTest::newRow("rotated by its tag") << "tournee.jpg" << true;
}

void TestFenetreEdition::apercuSuitLOrientation()
{
    QFETCH(QString, fichier);
    QFETCH(bool, enHauteur);

    Calendrier calendrier("Avent");
    calendrier.ajouterMedia(2, new Image(chemin(fichier)));
    FenetreEdition fenetre(nullptr);
    fenetre.configurerFenetre(2, &calendrier);

    const QPixmap vue = imageApercu(fenetre);
    QVERIFY(!vue.isNull());
    QCOMPARE(vue.height() > vue.width(), enHauteur);
}

void TestFenetreEdition::filtresDuSelecteur_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QStringList>("filtres");
    QTest::addColumn<QString>("selectionne");

    QStringList images{"application/octet-stream"};
    for (const QByteArray &mime : QImageReader::supportedMimeTypes())
        images << QString::fromLatin1(mime);
    std::sort(images.begin(), images.end());

    QTest::newRow("photo") << "bouton_photo" << images << "image/jpeg";
    QTest::newRow("music") << "bouton_musique"
                           << QStringList{"application/octet-stream", "audio/mpeg", "audio/ogg", "audio/wav"}
                           << "audio/mpeg";
    QTest::newRow("video") << "bouton_video"
                           << QStringList{"application/octet-stream", "video/mp4", "video/ogg", "video/webm"}
                           << "video/mp4";
}

void TestFenetreEdition::filtresDuSelecteur()
{
    QFETCH(QString, type);
    QFETCH(QStringList, filtres);
    QFETCH(QString, selectionne);

    Calendrier calendrier("Avent");
    FenetreEdition fenetre(nullptr);
    fenetre.configurerFenetre(6, &calendrier);
    fenetre.show();
    cliquer(fenetre, qPrintable(type));
    QVERIFY(choisirFichier(fenetre, chemin("photo.png")));

    ChoixFichier::prevoirChoix(QString());
    cliquer(fenetre, "bouton_parcourir");
    const QList<ChoixFichier::Montre> selecteurs = ChoixFichier::prendreMontres();
    QCOMPARE(selecteurs.size(), 2);
    const ChoixFichier::Montre &vu = selecteurs.last();

    QCOMPARE(vu.filtresMime, filtres);
    QCOMPARE(vu.filtresMime.first(), QStringLiteral("application/octet-stream"));
    QVERIFY(vu.filtresMime.contains("image/jpeg") == (type == "bouton_photo"));
    QCOMPARE(vu.filtreSelectionne, selectionne);
    QCOMPARE(vu.titre, QStringLiteral("Select a file"));
    QCOMPARE(vu.mode, QFileDialog::AnyFile);
    QCOMPARE(vu.parent.data(), &fenetre);
    // A cancelled chooser keeps the file chosen before, and its preview.
    QCOMPARE(fenetre.getUrl(), chemin("photo.png"));
    QCOMPARE(champUrl(fenetre)->text(), chemin("photo.png"));
    QVERIFY(!imageApercu(fenetre).isNull());
}

void TestFenetreEdition::selecteurOuvertALAppui()
{
    Calendrier calendrier("Avent");
    FenetreEdition fenetre(nullptr);
    fenetre.configurerFenetre(8, &calendrier);
    fenetre.show();
    QPushButton *parcourir = bouton(fenetre, "bouton_parcourir");

    ChoixFichier::prevoirChoix(chemin("photo.png"));
    // The chooser runs inside the press; the release only ends the click.
    QTest::mousePress(parcourir, Qt::LeftButton);
    QCOMPARE(fenetre.getUrl(), chemin("photo.png"));
    QTest::mouseRelease(parcourir, Qt::LeftButton);
}

void TestFenetreEdition::entreeValideLeFichierChoisi()
{
    Calendrier calendrier("Avent");
    FenetreEdition fenetre(nullptr);
    fenetre.configurerFenetre(8, &calendrier);
    fenetre.show();
    fenetre.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&fenetre));
    QPushButton *parcourir = bouton(fenetre, "bouton_parcourir");
    parcourir->setFocus();

    ChoixFichier::prevoirChoix(chemin("photo.png"));
    QTest::keyClick(parcourir, Qt::Key_Space);
    QCOMPARE(ChoixFichier::prendreMontres().size(), 1);
    // Enter now confirms the file instead of opening the chooser again.
    QTest::keyClick(parcourir, Qt::Key_Return);
    QCOMPARE(fenetre.result(), int(QDialog::Accepted));
    QVERIFY(ChoixFichier::prendreMontres().isEmpty());
    QCOMPARE(calendrier.getMedia(8)->getUrl(), chemin("photo.png"));
}

void TestFenetreEdition::okMetLeMediaSurLeJour_data()
{
    QTest::addColumn<Media::TypeMedia>("avant");
    QTest::addColumn<QString>("clic");
    QTest::addColumn<QString>("fichier");
    QTest::addColumn<bool>("question");
    QTest::addColumn<Media::TypeMedia>("type");
    QTest::addColumn<QString>("url");

    // `question`: the file is missing or not of the kind, and Yes keeps it. AUCUN: the day is empty.
    QTest::newRow("photo with a file") << Media::AUCUN << "bouton_photo"
                                       << "photo.png" << false << Media::PHOTO << "photo.png";
    QTest::newRow("empty day left without a file") << Media::AUCUN << ""
                                                   << "" << false << Media::AUCUN << "";
    QTest::newRow("photo day cleared by a change of kind") << Media::PHOTO << "bouton_musique"
                                                           << "" << false << Media::AUCUN << "";
    QTest::newRow("video with a file") << Media::AUCUN << "bouton_video"
                                       << "film.webm" << false << Media::VIDEO << "film.webm";
    QTest::newRow("missing video kept") << Media::AUCUN << "bouton_video"
                                        << "film.mp4" << true << Media::VIDEO << "film.mp4";
    QTest::newRow("picture chosen as music kept") << Media::AUCUN << "bouton_musique"
                                                  << "photo.png" << true << Media::MUSIQUE << "photo.png";
    QTest::newRow("untouched photo day") << Media::PHOTO << ""
                                         << "" << false << Media::PHOTO << "photo.png";
    QTest::newRow("untouched video day holding a picture") << Media::VIDEO << "bouton_video"
                                                           << "" << true << Media::VIDEO << "photo.png";
    QTest::newRow("music day made a photo") << Media::MUSIQUE << "bouton_photo"
                                            << "droite.jpg" << false << Media::PHOTO << "droite.jpg";
}

void TestFenetreEdition::okMetLeMediaSurLeJour()
{
    QFETCH(Media::TypeMedia, avant);
    QFETCH(QString, clic);
    QFETCH(QString, fichier);
    QFETCH(bool, question);
    QFETCH(Media::TypeMedia, type);
    QFETCH(QString, url);

    const int jour = 15;
    Calendrier calendrier("Avent");
    Media *voisin = new Son(chemin("chant.mp3"));
    calendrier.ajouterMedia(14, voisin);
    if (avant != Media::AUCUN)
        calendrier.ajouterMedia(jour, creerMedia(avant, chemin("photo.png")));

    FenetreEdition fenetre(nullptr);
    fenetre.configurerFenetre(jour, &calendrier);
    bool choisi = true;
    QTimer::singleShot(0, &fenetre, [&] {
        if (!clic.isEmpty())
            cliquer(fenetre, qPrintable(clic));
        if (!fichier.isEmpty())
            choisi = choisirFichier(fenetre, chemin(fichier));
        if (question)
            BoiteMessage::prevoirReponse(QMessageBox::Yes);
        cliquerBoite(fenetre, QDialogButtonBox::Ok);
        // An unexpected question was turned down and left the dialog open.
        if (fenetre.isVisible())
            fenetre.reject();
    });

    QCOMPARE(fenetre.exec(), int(QDialog::Accepted));
    QVERIFY(choisi);
    QCOMPARE(BoiteMessage::prendreMontrees().size(), question ? 1 : 0);
    const Media *media = calendrier.getMedia(jour);
    if (type == Media::AUCUN) {
        QVERIFY(media == nullptr);
        QCOMPARE(calendrier.getContenuConstant().size(), 1);
    } else {
        QVERIFY(media != nullptr);
        QCOMPARE(media->getType(), type);
        QCOMPARE(media->getUrl(), chemin(url));
        QCOMPARE(calendrier.getContenuConstant().size(), 2);
    }
    QCOMPARE(calendrier.getMedia(14), voisin);
    QCOMPARE(voisin->getUrl(), chemin("chant.mp3"));
}

void TestFenetreEdition::fichierDouteuxNonGarde_data()
{
    QTest::addColumn<QString>("clic");
    QTest::addColumn<QString>("fichier");
    QTest::addColumn<QString>("texte");

    const QString image =
        QStringLiteral("This file does not look like a picture. The page may not be able to show it. "
                       "Keep it anyway?");
    const QString musique =
        QStringLiteral("This file does not look like a piece of music. The page may not be able "
                       "to play it. Keep it anyway?");
    const QString video =
        QStringLiteral("This file does not look like a video. The page may not be able to play it. "
                       "Keep it anyway?");
    QTest::newRow("text as a photo") << "bouton_photo"
                                     << "notes.txt" << image;
    QTest::newRow("missing photo") << "bouton_photo"
                                   << "absente.png" << image;
    QTest::newRow("FIFO as a photo") << "bouton_photo"
                                     << "fifo.png" << image;
    QTest::newRow("picture as music") << "bouton_musique"
                                      << "photo.png" << musique;
    QTest::newRow("video as music") << "bouton_musique"
                                    << "film.webm" << musique;
    QTest::newRow("text as a video") << "bouton_video"
                                     << "notes.txt" << video;
}

void TestFenetreEdition::fichierDouteuxNonGarde()
{
    QFETCH(QString, clic);
    QFETCH(QString, fichier);
    QFETCH(QString, texte);

    Calendrier calendrier("Avent");
    Media *avant = new Image(chemin("photo.png"));
    calendrier.ajouterMedia(6, avant);
    FenetreEdition fenetre(nullptr);
    fenetre.configurerFenetre(6, &calendrier);
    fenetre.show();
    cliquer(fenetre, qPrintable(clic));
    QVERIFY(choisirFichier(fenetre, chemin(fichier)));

    BoiteMessage::prevoirReponse(QMessageBox::No);
    cliquerBoite(fenetre, QDialogButtonBox::Ok);
    QVERIFY(fenetre.isVisible());
    const QList<BoiteMessage::Montree> boites = BoiteMessage::prendreMontrees();
    QCOMPARE(boites.size(), 1);
    QCOMPARE(boites.at(0).texte, texte);
    QCOMPARE(boites.at(0).boutons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(boites.at(0).boutonParDefaut, QMessageBox::No);
    QCOMPARE(calendrier.getMedia(6), avant);
    QCOMPARE(avant->getUrl(), chemin("photo.png"));
}

void TestFenetreEdition::abandonLaisseLeCalendrier_data()
{
    gestesAbandon_data();
}

void TestFenetreEdition::abandonLaisseLeCalendrier()
{
    QFETCH(QString, geste);

    Calendrier calendrier("Avent");
    Media *image = new Image(chemin("photo.png"));
    calendrier.ajouterMedia(20, image);

    FenetreEdition fenetre(nullptr);
    fenetre.configurerFenetre(20, &calendrier);
    bool choisi = true;
    QTimer::singleShot(0, &fenetre, [&] {
        cliquer(fenetre, "bouton_musique");
        choisi = choisirFichier(fenetre, chemin("notes.txt"));
        abandonner(fenetre, geste);
    });

    QVERIFY(fenetre.exec() != QDialog::Accepted);
    QVERIFY(choisi);
    QCOMPARE(calendrier.getContenuConstant().size(), 1);
    QCOMPARE(calendrier.getMedia(20), image);
    QCOMPARE(image->getType(), Media::PHOTO);
    QCOMPARE(image->getUrl(), chemin("photo.png"));
}

void TestFenetreEdition::messageDuJour()
{
    Calendrier calendrier("Avent");
    calendrier.ajouterMedia(3, new Message(QStringLiteral("Look\r\nunder the tree")));
    FenetreEdition fenetre(nullptr);
    fenetre.configurerFenetre(3, &calendrier);
    auto *texte = fenetre.findChild<QPlainTextEdit *>("champ_message");
    auto *restants = fenetre.findChild<QLabel *>("caracteres_restants");

    // The text field and its count stand in place of the file row and the preview.
    QCOMPARE(boutonsCoches(fenetre), QStringList{"bouton_message"});
    QCOMPARE(texte->toPlainText(), QStringLiteral("Look\nunder the tree"));
    QCOMPARE(restants->text(), QStringLiteral("980 characters left"));
    QVERIFY(texte->isVisibleTo(&fenetre) && restants->isVisibleTo(&fenetre));
    for (QWidget *fichier :
        {static_cast<QWidget *>(champUrl(fenetre)), static_cast<QWidget *>(apercu(fenetre)),
            static_cast<QWidget *>(bouton(fenetre, "bouton_parcourir"))})
        QVERIFY(!fichier->isVisibleTo(&fenetre));

    // Another kind brings the file row back; the text waits in case the user comes back.
    cliquer(fenetre, "bouton_photo");
    QVERIFY(!texte->isVisibleTo(&fenetre) && champUrl(fenetre)->isVisibleTo(&fenetre));
    cliquer(fenetre, "bouton_message");
    texte->setPlainText(QStringLiteral("Merry\nChristmas"));

    QTimer::singleShot(0, &fenetre, [&] { cliquerBoite(fenetre, QDialogButtonBox::Ok); });
    QCOMPARE(fenetre.exec(), int(QDialog::Accepted));
    const auto *message = dynamic_cast<const Message *>(calendrier.getMedia(3));
    QVERIFY(message != nullptr);
    QCOMPARE(message->getTexte(), QStringLiteral("Merry\nChristmas"));
    QVERIFY(message->getUrl().isEmpty());
}

void TestFenetreEdition::limiteDuMessage_data()
{
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("compte");
    QTest::addColumn<bool>("accepte");

    QTest::newRow("at the limit") << QString(1000, QLatin1Char('a')) << "0 characters left" << true;
    QTest::newRow("one too many") << QString(1001, QLatin1Char('a')) << "1 character too many" << false;
    QString sapins;
    for (int i = 0; i < 1000; ++i)
        sapins += QString::fromUtf8("\U0001F384");
    QTest::newRow("emoji count as one") << sapins << "0 characters left" << true;
    QTest::newRow("a control character: warned, not stored")
        << QStringLiteral("bell\x07") << "995 characters left" << true;
}

void TestFenetreEdition::limiteDuMessage()
{
    QFETCH(QString, texte);
    QFETCH(QString, compte);
    QFETCH(bool, accepte);

    Calendrier calendrier("Avent");
    FenetreEdition fenetre(nullptr);
    fenetre.configurerFenetre(8, &calendrier);
    cliquer(fenetre, "bouton_message");
    fenetre.setTexteMessage(texte);
    QCOMPARE(fenetre.findChild<QLabel *>("caracteres_restants")->text(), compte);
    QCOMPARE(fenetre.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->isEnabled(), accepte);

    // Even reached another way, OK never stores a message past the limit.
    QMetaObject::invokeMethod(&fenetre, "clicBoutonOk");
    const bool controle = texte.contains(QChar(7));
    QCOMPARE(calendrier.getMedia(8) != nullptr, accepte && !controle);
    QCOMPARE(BoiteMessage::prendreMontrees().size(), controle ? 1 : 0);
}

QTEST_MAIN(TestFenetreEdition)
#include "tst_fenetreedition.moc"
