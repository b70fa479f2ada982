#include "calendriers.h"
#include "conversion/typefichier.h"
#include "fichiers.h"
#include "format/ecriturefichier.h"
#include "gestionnairefichiers.h"
#include "modele/calendrier.h"
#include "modele/image.h"
#include "modele/message.h"
#include "modele/son.h"
#include "modele/video.h"
#include "site/generationsite.h"
#include "site/manifestesite.h"
#include "site/ordreboules.h"
#include "site/politiquesortie.h"

#include <QBuffer>
#include <QImage>
#include <QScopeGuard>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <QProcess>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <numeric>
#include <sys/resource.h>
#include <sys/stat.h>

Q_DECLARE_METATYPE(Resultat::Cause)

namespace {

const QString MODELE = QStringLiteral(":tinselbox/js");

// The site of `calendrier` without its media: the template, the page's head rewritten
// for it and its preview picture.
long long tailleSiteVide(const Calendrier &calendrier)
{
    QTemporaryDir dossier;
    Calendrier vide(calendrier.getNom());
    vide.setOptions(calendrier.getOptions());
    const QString site = dossier.filePath(QStringLiteral("site"));
    long long total = 0;
    if (GestionnaireFichiers().generer(vide, site, false) != 0 || !calculerTailleRecursively(site, &total))
        return -1;
    return total;
}

// A JPEG of real pixels, as small or as large as asked.
QByteArray jpeg(int largeur, int hauteur)
{
    QImage image(largeur, hauteur, QImage::Format_RGB32);
    for (int y = 0; y < hauteur; ++y) {
        for (int x = 0; x < largeur; ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, (x * y) % 256));
    }
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    image.save(&tampon, "JPEG", 90);
    return octets;
}

// `photo` with an application segment of `taille` bytes after its start marker, `contenu`
// at its head (a camera's embedded thumbnail, with its own end marker).
QByteArray avecSegment(const QByteArray &photo, const QByteArray &contenu, int taille)
{
    QByteArray segment("\xff\xe1", 2);
    segment += char((taille + 2) >> 8);
    segment += char((taille + 2) & 0xff);
    segment += contenu + QByteArray(taille - contenu.size(), 'a');
    return photo.left(2) + segment + photo.mid(2);
}

// Lines of `texte` (a script fragment ending with a line feed), as written in a file.
QStringList lignesDe(const QString &texte)
{
    QStringList resultat = texte.split(QLatin1Char('\n'));
    if (!resultat.isEmpty() && resultat.last().isEmpty())
        resultat.removeLast();
    return resultat;
}

// `modele` with `ajout` inserted after the first line holding `marqueur`; a template
// without the marker gives a line that no generated file holds.
QStringList avecInsertion(QStringList modele, const QString &marqueur, const QStringList &ajout)
{
    for (int i = 0; i < modele.size(); ++i) {
        if (modele.at(i).contains(marqueur)) {
            for (int j = 0; j < ajout.size(); ++j)
                modele.insert(i + 1 + j, ajout.at(j));
            return modele;
        }
    }
    return modele << QStringLiteral("(no line holds %1)").arg(marqueur);
}

// 0666 less the umask, owner read and write kept.
int modeNouveauFichier()
{
    const mode_t masque = ::umask(0);
    ::umask(masque);
    return int((0666 & ~masque) | 0600);
}

int permissions(const QString &chemin)
{
    return int(std::filesystem::status(QFile::encodeName(chemin).toStdString()).permissions()
        & std::filesystem::perms::mask);
}

// Runs a generation on a thread that has already been asked to stop.
// A generation through the file manager's codes, keeping the message of its outcome.
struct Generation {
    Resultat dernier;
    int generer(const Calendrier &calendrier, const QString &sortie, bool apercu)
    {
        GestionnaireFichiers();
        dernier = GenerationSite::generer(calendrier, sortie, apercu);
        return GestionnaireFichiers::codeDe(dernier);
    }
    QString getDetailsErreur() const
    {
        return dernier.getMessage();
    }
};

int genererInterrompu(const Calendrier &calendrier, const QString &sortie)
{
    int resultat = -1;
    QScopedPointer<QThread> fil(QThread::create([&] {
        QThread::currentThread()->requestInterruption();
        resultat = GestionnaireFichiers().generer(calendrier, sortie, false);
    }));
    fil->start();
    fil->wait();
    return resultat;
}

} // namespace

class TestGeneration : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir temp;
    int compteur = 0;
    QString baseInterdit;

    // A fresh directory path inside the temporary directory (not created).
    QString nouveauChemin(const QString &nom = QStringLiteral("site"))
    {
        return temp.filePath(QStringLiteral("%1-%2").arg(nom).arg(++compteur));
    }
    // A media file with distinct content.
    QString nouveauMedia(const QByteArray &contenu)
    {
        const QString chemin = nouveauChemin(QStringLiteral("media")) + QStringLiteral(".bin");
        ecrire(chemin, sonFactice(contenu));
        return chemin;
    }

private slots:
    void initTestCase()
    {
        // Constructing the file manager registers the template's resources.
        Generation gestionnaire;
        QVERIFY(temp.isValid());
        QVERIFY2(QFileInfo(MODELE + QStringLiteral("/scripts/calendrier.js")).isFile(), "template missing");
    }

    void calendrierVideDonneLeModele_data()
    {
        QTest::addColumn<bool>("apercu");
        QTest::newRow("generation") << false;
        QTest::newRow("preview") << true;
    }
    void calendrierVideDonneLeModele()
    {
        QFETCH(bool, apercu);
        const QString sortie = nouveauChemin();
        Calendrier calendrier(QStringLiteral("vide"));
        QCOMPARE(GestionnaireFichiers().generer(calendrier, sortie, apercu), 0);

        QMap<QString, QByteArray> attendu = arborescence(MODELE);
        QMap<QString, QByteArray> obtenu = arborescence(sortie);
        const QString script = QStringLiteral("scripts/calendrier.js");
        const QStringList lignesModele = lignes(MODELE + QLatin1Char('/') + script);
        const QStringList lignesObtenues = lignes(sortie + QLatin1Char('/') + script);
        if (apercu)
            QCOMPARE(lignesObtenues,
                avecInsertion(lignesModele, QStringLiteral("// <INITIALISATION>"),
                    {QStringLiteral("bypass = true;"), QString()}));
        else
            QCOMPARE(lignesObtenues, lignesModele);
        attendu.remove(script);
        obtenu.remove(script);
        // Beside the template, the manifest that marks the site as generated.
        QVERIFY(obtenu.take(QStringLiteral(".site-tinselbox")).startsWith("tinselbox site 1\n"));
        // The page's head carries the calendar's name, and its preview picture is added.
        QVERIFY(obtenu.take(QStringLiteral("index.html")).contains("<title>vide</title>"));
        attendu.remove(QStringLiteral("index.html"));
        QVERIFY(obtenu.take(QStringLiteral("data/apercu-lien.png")).startsWith("\x89PNG"));
        QVERIFY(obtenu.take(QStringLiteral("rappels.ics")).startsWith("BEGIN:VCALENDAR\r\n"));
        QCOMPARE(obtenu.keys(), attendu.keys());
        QVERIFY(obtenu == attendu);
    }

    void siteLisibleParTous()
    {
        // A site copied to a web root is served by another user.
        const mode_t masque = ::umask(022);
        const auto retour = qScopeGuard([&] { ::umask(masque); });
        const QString photo = nouveauMedia("prive");
        QVERIFY(QFile::setPermissions(photo, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        Calendrier calendrier(QStringLiteral("public"));
        calendrier.ajouterMedia(7, new Image(photo));
        const QString sortie = nouveauChemin() + QStringLiteral("/sous");
        QCOMPARE(GestionnaireFichiers().generer(calendrier, sortie, false), 0);
        QCOMPARE(permissions(sortie), 0755);
        QDirIterator it(
            sortie, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString chemin = it.next();
            QCOMPARE(permissions(chemin), it.fileInfo().isDir() ? 0755 : 0644);
        }
    }

    void joursHorsCalendrierIgnores()
    {
        // Hand-edited days, and days beyond the calendar's length, are kept in the calendar
        // but neither published nor counted; a message has no file to miss.
        Calendrier calendrier(QStringLiteral("hors"));
        fixerOption(calendrier, &OptionsCalendrier::jours, 24);
        calendrier.ajouterMedia(25, new Image(nouveauMedia(QByteArray(7000, 'h'))));
        calendrier.ajouterMedia(30, new Son(temp.filePath(QStringLiteral("absent.mp3"))));
        calendrier.ajouterMedia(0, new Image(temp.filePath(QStringLiteral("absent.jpg"))));
        calendrier.ajouterMedia(2, new Message(QStringLiteral("Joyeux Noel")));
        calendrier.ajouterMedia(1, new Image(nouveauMedia("un")));
        calendrier.ajouterMedia(40, new Video(nouveauMedia(QByteArray(5000, 'q'))));
        const QString sortie = nouveauChemin();
        QCOMPARE(GestionnaireFichiers().generer(calendrier, sortie, false), 0);
        QCOMPARE(fichiersMedia(sortie),
            QStringList{getHash(QStringLiteral("1"), calendrier.getNom()) + QStringLiteral(".mp3")});
        const QStringList scene = lignes(sortie + QStringLiteral("/scripts/calendrier.js"));
        QVERIFY(!scene.contains(QStringLiteral("case 0:")));
        QVERIFY(!scene.contains(QStringLiteral("case 40:")));
        QVERIFY(!scene.contains(QStringLiteral("case 25:")));
        long long total = 0;
        GestionnaireFichiers().calculer_taille(calendrier, &total);
        QCOMPARE(total, tailleSiteVide(calendrier) + sonFactice("un").size());
        QCOMPARE(GenerationSite::mediasIntrouvables(calendrier).size(), 0);
    }

    void pointDeMontageEnDessous()
    {
        const QString sortie = nouveauChemin();
        const QString cle = sortie + QStringLiteral("/cle");
        QVERIFY(QDir().mkpath(cle));
        if (QProcess::execute(QStringLiteral("mount"),
                {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                    QStringLiteral("size=1m"), QStringLiteral("tmpfs"), cle})
            != 0)
            QSKIP("Mounting a tmpfs was refused (needs root)");
        const auto demontage = qScopeGuard([&] {
            QProcess::execute(QStringLiteral("umount"), {QStringLiteral("-l"), cle});
        });
        QVERIFY(ecrire(cle + QStringLiteral("/photos.txt"), "sur la cle"));

        Calendrier calendrier(QStringLiteral("cle"));
        QVERIFY(PolitiqueSortie::estRepertoireSortieInterdit(sortie, QString(), calendrier));
        QCOMPARE(GestionnaireFichiers().generer(calendrier, sortie, false), 4);
        QCOMPARE(resetRepertoire(sortie), 4);
        QCOMPARE(lire(cle + QStringLiteral("/photos.txt")), QByteArray("sur la cle"));
    }

    void blocsSousLesMarqueurs()
    {
        // Identifiers of days 3 and 17 of "abc": MD5 of "3abc" and "17abc".
        const QString id3 = QStringLiteral("2f4fe09bb4f6bb9ad8ee6e7579e8f5e1");
        const QString id17 = QStringLiteral("fc5e745c96a31da94204ff134895426d");
        const QString photo = nouveauMedia("photo du 3");
        const QString musique = nouveauMedia("musique du 17");

        Calendrier calendrier(QStringLiteral("abc"));
        calendrier.ajouterMedia(17, new Son(musique));
        calendrier.ajouterMedia(3, new Image(photo));
        const QString sortie = nouveauChemin();
        QCOMPARE(GestionnaireFichiers().generer(calendrier, sortie, false), 0);

        const Image image(photo);
        const Son son(musique);
        image.setExtensionPubliee(QStringLiteral("mp3"));
        son.setExtensionPubliee(QStringLiteral("mp3"));
        const QStringList scene = QStringList{QStringLiteral("case 17:")} + lignesDe(son.getSceneJS(id17))
            + QStringList{QString(), QStringLiteral("case 3:")} + lignesDe(image.getSceneJS(id3))
            + QStringList{QString()};
        QCOMPARE(lignes(sortie + QStringLiteral("/scripts/calendrier.js")),
            avecInsertion(lignes(MODELE + QStringLiteral("/scripts/calendrier.js")),
                QStringLiteral("// <GESTION DE LA SCENE>"), scene));
        QCOMPARE(lignes(sortie + QStringLiteral("/scripts/collectionPhotos.js")),
            avecInsertion(lignes(MODELE + QStringLiteral("/scripts/collectionPhotos.js")),
                QStringLiteral("// <GESTION DE LA COLLECTION>"),
                lignesDe(image.getCollectionJS(id3)) + QStringList{QString()}));
        QCOMPARE(lignes(sortie + QStringLiteral("/scripts/collectionSons.js")),
            avecInsertion(lignes(MODELE + QStringLiteral("/scripts/collectionSons.js")),
                QStringLiteral("// <GESTION DE LA COLLECTION>"),
                lignesDe(son.getCollectionJS(id17)) + QStringList{QString()}));
        QCOMPARE(lire(sortie + QStringLiteral("/scripts/collectionVideos.js")),
            lire(MODELE + QStringLiteral("/scripts/collectionVideos.js")));

        QCOMPARE(fichiersMedia(sortie),
            (QStringList{id3 + QStringLiteral(".mp3"), id17 + QStringLiteral(".mp3")}));
        QCOMPARE(
            lire(sortie + QStringLiteral("/data/") + id3 + QStringLiteral(".mp3")), sonFactice("photo du 3"));
        QCOMPARE(lire(sortie + QStringLiteral("/data/") + id17 + QStringLiteral(".mp3")),
            sonFactice("musique du 17"));
    }

    void messageSansFichierNiCollection()
    {
        // A message day beside a picture day: no file, no collection line, its card in the scene.
        const QString photo = nouveauMedia("photo du 4");
        Calendrier calendrier(QStringLiteral("abc"));
        calendrier.ajouterMedia(5, new Message(QStringLiteral("Hello </script>\n\"you\"")));
        calendrier.ajouterMedia(4, new Image(photo));
        const QString sortie = nouveauChemin();
        QCOMPARE(GestionnaireFichiers().generer(calendrier, sortie, false), 0);

        const QStringList scene = lignes(sortie + QStringLiteral("/scripts/calendrier.js"));
        const int debut = scene.indexOf(QStringLiteral("case 5:"));
        QVERIFY(debut > 0);
        QCOMPARE(scene.mid(debut + 1, 4),
            (QStringList{
                QStringLiteral("carte = new Carte(\"Hello \\u003c/script\\u003e\\u000a\\u0022you\\u0022\");"),
                QStringLiteral("imagesMobiles.push(carte);"),
                QStringLiteral("declencherTimer(carte, 10000);"), QStringLiteral("break;")}));
        QCOMPARE(fichiersMedia(sortie).size(), 1);
        for (const char *collection : {"collectionSons.js", "collectionVideos.js"})
            QCOMPARE(lire(sortie + QStringLiteral("/scripts/") + collection),
                lire(MODELE + QStringLiteral("/scripts/") + collection));
        QCOMPARE(lignes(sortie + QStringLiteral("/scripts/collectionPhotos.js")).size(),
            lignes(MODELE + QStringLiteral("/scripts/collectionPhotos.js")).size() + 2);
    }

    void lignesDesOptions_data()
    {
        QTest::addColumn<bool>("rattrapage");
        QTest::addColumn<int>("mois");
        QTest::addColumn<QString>("fuseau");
        QTest::addColumn<QString>("debut");
        QTest::addColumn<int>("jours");
        QTest::addColumn<bool>("melange");
        QTest::addColumn<bool>("apercu");
        QTest::addColumn<QStringList>("ajout");

        QTest::newRow("all") << true << 12 << "Europe/Paris"
                             << "" << 31 << false << false
                             << QStringList{
                                    "rattrapage = true;", "mois = 12;", "fuseau = \"Europe/Paris\";", ""};
        QTest::newRow("zone escaped, with preview")
            << false << 0 << "A\"</script>"
            << "" << 31 << false << true
            << QStringList{"bypass = true;", "", "fuseau = \"A\\u0022\\u003c/script\\u003e\";", ""};
        QTest::newRow("month alone") << false << 3 << ""
                                     << "" << 31 << false << false << QStringList{"mois = 3;", ""};
        QTest::newRow("every year, 24 days, with preview")
            << false << 0 << ""
            << "12-01" << 24 << false << true
            << QStringList{"bypass = true;", "", "debut = \"12-01\";", "jours = 24;", ""};
        // The same name and length give this order on every machine, in every version
        // (checked against a separate implementation of the seed, generator and shuffle).
        QTest::newRow("once, 12 days, shuffled")
            << true << 0 << ""
            << "2027-05-03" << 12 << true << false
            << QStringList{"rattrapage = true;", "debut = \"2027-05-03\";", "jours = 12;",
                   "ordre = [10, 7, 3, 5, 1, 12, 11, 6, 2, 8, 9, 4];", ""};
        QTest::newRow("31 days shuffled")
            << false << 0 << ""
            << "" << 31 << true << false
            << QStringList{"ordre = [27, 23, 2, 30, 1, 17, 19, 4, 6, 5, 22, 13, 18, 7, 11, "
                           "8, 31, 20, 16, 10, 24, 29, 14, 3, 26, 21, 12, 25, "
                           "15, 28, 9];",
                   ""};
    }
    void lignesDesOptions()
    {
        QFETCH(bool, rattrapage);
        QFETCH(int, mois);
        QFETCH(QString, fuseau);
        QFETCH(QString, debut);
        QFETCH(int, jours);
        QFETCH(bool, melange);
        QFETCH(bool, apercu);
        QFETCH(QStringList, ajout);

        Calendrier calendrier(QStringLiteral("o"));
        fixerOption(calendrier, &OptionsCalendrier::rattrapage, rattrapage);
        fixerOption(calendrier, &OptionsCalendrier::mois, mois);
        fixerOption(calendrier, &OptionsCalendrier::fuseau, fuseau);
        fixerOption(calendrier, &OptionsCalendrier::debut, debut);
        fixerOption(calendrier, &OptionsCalendrier::jours, jours);
        fixerOption(calendrier, &OptionsCalendrier::melange, melange);
        const QString sortie = nouveauChemin();
        QCOMPARE(GestionnaireFichiers().generer(calendrier, sortie, apercu), 0);
        QCOMPARE(lignes(sortie + QStringLiteral("/scripts/calendrier.js")),
            avecInsertion(lignes(MODELE + QStringLiteral("/scripts/calendrier.js")),
                QStringLiteral("// <INITIALISATION>"), ajout));
    }

    void melangeStable()
    {
        // Two generations of one calendar give the same page; another name, another order.
        Calendrier calendrier(QStringLiteral("Avent"));
        fixerOption(calendrier, &OptionsCalendrier::jours, 24);
        fixerOption(calendrier, &OptionsCalendrier::melange, true);
        const QString premiere = nouveauChemin();
        const QString seconde = nouveauChemin();
        QCOMPARE(GestionnaireFichiers().generer(calendrier, premiere, false), 0);
        QCOMPARE(GestionnaireFichiers().generer(calendrier, seconde, false), 0);
        QCOMPARE(arborescence(seconde), arborescence(premiere));

        QVERIFY(ordreBoules(calendrier.getNom(), 24) != ordreBoules(QStringLiteral("Avent 2"), 24));
    }

    void identifiants_data()
    {
        QTest::addColumn<int>("jour");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("md5");
        // Digests computed outside the program from the UTF-8 bytes of day and name.
        QTest::newRow("7abc") << 7 << QStringLiteral("abc")
                              << QStringLiteral("d0e15d0b2876a9e0cddf83d43dafe01b");
        QTest::newRow("accented name")
            << 17 << QStringLiteral("No\u00ebl") << QStringLiteral("1631889136c8ca5fbac923bbad540aeb");
        QTest::newRow("name with space")
            << 1 << QStringLiteral("Avent 2026") << QStringLiteral("d3be5e0d442bc52643f32e3199d101ba");
    }
    void identifiants()
    {
        QFETCH(int, jour);
        QFETCH(QString, nom);
        QFETCH(QString, md5);
        QCOMPARE(getHash(QString::number(jour), nom), md5);

        Calendrier calendrier(nom);
        calendrier.ajouterMedia(jour, new Video(nouveauMedia("film")));
        const QString sortie = nouveauChemin();
        QCOMPARE(GestionnaireFichiers().generer(calendrier, sortie, false), 0);
        QCOMPARE(fichiersMedia(sortie), QStringList{md5 + QStringLiteral(".mp3")});
        QVERIFY(lire(sortie + QStringLiteral("/scripts/collectionVideos.js")).contains(md5.toLatin1()));
    }

    void memeFichierSurDeuxJours()
    {
        const QString photo = nouveauMedia("la meme photo");
        Calendrier calendrier(QStringLiteral("doublon"));
        calendrier.ajouterMedia(1, new Image(photo));
        calendrier.ajouterMedia(2, new Image(photo));
        const QString sortie = nouveauChemin();
        QCOMPARE(GestionnaireFichiers().generer(calendrier, sortie, false), 0);

        const QStringList noms{getHash(QStringLiteral("1"), calendrier.getNom()) + QStringLiteral(".mp3"),
            getHash(QStringLiteral("2"), calendrier.getNom()) + QStringLiteral(".mp3")};
        QStringList attendus = noms;
        attendus.sort();
        QCOMPARE(fichiersMedia(sortie), attendus);
        for (const QString &nom : noms)
            QCOMPARE(lire(sortie + QStringLiteral("/data/") + nom), sonFactice("la meme photo"));
    }

    // Whether a picture was cut short: the end of a scan is looked for at the file's end
    // first, so what follows a picture, or a head longer than what is read at first, must
    // not change the answer.
    void pictureCutShort_data()
    {
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<bool>("tronque");
        const QByteArray photo = jpeg(640, 480);
        const QByteArray coupee = photo.left(photo.size() / 2);
        const QByteArray vignette = jpeg(16, 16);
        const QByteArray suite(200 * 1024, 'x');
        QTest::newRow("whole") << photo << false;
        QTest::newRow("cut in its scan") << coupee << true;
        QTest::newRow("cut before its scan") << photo.left(100) << true;
        QTest::newRow("whole, 200 KB after it") << photo + suite << false;
        QTest::newRow("cut, 200 KB after it") << coupee + suite << true;
        // The end marker lies across the last 64 KB's edge.
        QTest::newRow("whole, end marker across the last part's edge")
            << photo + QByteArray(65535, 'x') << false;
        QTest::newRow("thumbnail in a head of 190 KB, whole") << avecSegment(
            avecSegment(avecSegment(photo, QByteArray(), 65000), QByteArray(), 65000), vignette, 60000)
                                                              << false;
        QTest::newRow("thumbnail in a head of 190 KB, cut") << avecSegment(
            avecSegment(avecSegment(coupee, QByteArray(), 65000), QByteArray(), 65000), vignette, 60000)
                                                            << true;
        QTest::newRow("head longer than the file") << avecSegment(photo, vignette, 60000).left(40000) << true;
    }
    void pictureCutShort()
    {
        QFETCH(QByteArray, octets);
        QFETCH(bool, tronque);
        const QString chemin = nouveauChemin(QStringLiteral("photo")) + QStringLiteral(".jpg");
        QVERIFY(ecrire(chemin, octets));
        QCOMPARE(TypeFichier::estTronque(chemin), tronque);
    }

    void mediaManquantLaisseLeSite_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("cause");
        QTest::newRow("missing file") << temp.filePath(QStringLiteral("absent.jpg")) << "cannot be found";
        QTest::newRow("empty path") << QString() << "has no media file";
        QTest::newRow("directory") << temp.path() << "is not a regular file (it is a directory)";
        QTest::newRow("fifo") << QStringLiteral("fifo") << "is not a regular file (it is a FIFO)";
        QTest::newRow("pseudo-file of the kernel")
            << QStringLiteral("/proc/self/environ") << "is a system file";
        QTest::newRow("line feed in the path, shown escaped")
            << temp.filePath(QStringLiteral("faux\nDay 6: ok.jpg")) << "faux\\nDay 6: ok.jpg cannot be found";
    }
    void mediaManquantLaisseLeSite()
    {
        QFETCH(QString, url);
        QFETCH(QString, cause);
        if (url == QLatin1String("fifo")) {
            url = nouveauChemin(QStringLiteral("tube"));
            QVERIFY(::mkfifo(QFile::encodeName(url).constData(), 0600) == 0);
        }
        Calendrier calendrier(QStringLiteral("trou"));
        calendrier.ajouterMedia(1, new Image(nouveauMedia("un")));
        const QString sortie = nouveauChemin();
        QCOMPARE(GestionnaireFichiers().generer(calendrier, sortie, false), 0);
        const QMap<QString, QByteArray> avant = arborescence(sortie);

        calendrier.ajouterMedia(2, new Son(nouveauMedia("deux")));
        calendrier.ajouterMedia(5, new Image(url));
        Generation gestionnaire;
        QCOMPARE(gestionnaire.generer(calendrier, sortie, false), 5);
        QVERIFY(arborescence(sortie) == avant);
        QCOMPARE(chantiersRestants(sortie), QStringList());
        const QString message = gestionnaire.getDetailsErreur();
        QVERIFY2(message.startsWith(QStringLiteral("Day 5")) && message.contains(cause), qPrintable(message));
        QVERIFY(!message.contains(QLatin1Char('\n')));
        // --check applies the same checks, the bytes read too.
        QCOMPARE(GenerationSite::controlerMedia(5, url, true).getMessage(), message);
    }

    // Two generations into one directory: one writes, the other fails at once and says why.
    void deuxGenerationsALaFois()
    {
        Calendrier calendrier(QStringLiteral("course"));
        QSemaphore atteinte;
        QSemaphore reprise;
        calendrier.ajouterMedia(1, new ImageRetenue(nouveauMedia("un"), atteinte, reprise));
        const QString sortie = nouveauChemin();
        int premier = -1;
        QScopedPointer<QThread> fil(
            QThread::create([&] { premier = GestionnaireFichiers().generer(calendrier, sortie, false); }));
        fil->start();
        QVERIFY(atteinte.tryAcquire(1, 30000));
        Calendrier autre(QStringLiteral("autre"));
        Generation second;
        QCOMPARE(second.generer(autre, sortie, false), 4);
        QCOMPARE(second.getDetailsErreur(),
            QStringLiteral("The site cannot be generated: another generation is writing to %1.")
                .arg(QFileInfo(sortie).canonicalFilePath()));
        reprise.release();
        fil->wait();
        QCOMPARE(premier, 0);
        QVERIFY(lire(sortie + QStringLiteral("/scripts/calendrier.js")).contains("case 1:"));
        QCOMPARE(chantiersRestants(sortie), QStringList());

        // A staging folder left by a run that crashed goes with the next run.
        const QString abandonne = QFileInfo(sortie).path() + QStringLiteral("/.")
            + QFileInfo(sortie).fileName() + QStringLiteral(".tinselbox-AbC123");
        QVERIFY(ecrire(abandonne + QStringLiteral("/site/index.html"), "half"));
        QCOMPARE(GestionnaireFichiers().generer(autre, sortie, false), 0);
        QCOMPARE(chantiersRestants(sortie), QStringList());
    }

    // A full disk is named as such (a small tmpfs; skipped where mounting is refused).
    void disquePlein()
    {
        const QString point = nouveauChemin(QStringLiteral("petit"));
        QVERIFY(QDir().mkpath(point));
        QProcess montage;
        montage.start(QStringLiteral("mount"),
            {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"), QStringLiteral("size=1m"),
                QStringLiteral("tmpfs"), point});
        if (!montage.waitForFinished(10000) || montage.exitCode() != 0)
            QSKIP("a tmpfs cannot be mounted here");
        const auto demontage = qScopeGuard([&] {
            QProcess::execute(QStringLiteral("umount"), {QStringLiteral("-l"), point});
        });
        Calendrier calendrier(QStringLiteral("plein"));
        calendrier.ajouterMedia(3, new Image(nouveauMedia(QByteArray(2 * 1024 * 1024, 'x'))));
        Generation gestionnaire;
        QCOMPARE(gestionnaire.generer(calendrier, point + QStringLiteral("/site"), false), 5);
        QVERIFY2(gestionnaire.getDetailsErreur().endsWith(QStringLiteral(": No space left on device.")),
            qPrintable(gestionnaire.getDetailsErreur()));
        QVERIFY(QDir(point).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    }

    // A copy that fails half-way (a full disk) or a stop leaves the previous site whole.
    void echecEnCoursLaisseLeSite_data()
    {
        QTest::addColumn<QString>("cas");
        QTest::newRow("file size limit") << QStringLiteral("limite");
        QTest::newRow("full file system") << QStringLiteral("plein");
        QTest::newRow("stop before the first day") << QStringLiteral("arret");
    }
    void echecEnCoursLaisseLeSite()
    {
        QFETCH(QString, cas);
        QString base = nouveauChemin(QStringLiteral("disque"));
        QVERIFY(QDir().mkpath(base));
        if (cas == QLatin1String("plein")) {
            if (QProcess::execute(QStringLiteral("mount"),
                    {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                        QStringLiteral("size=2m"), QStringLiteral("tmpfs"), base})
                != 0)
                QSKIP("Mounting a small tmpfs was refused (needs root)");
        }
        const auto demontage = qScopeGuard([&] {
            if (cas == QLatin1String("plein"))
                QProcess::execute(QStringLiteral("umount"), {QStringLiteral("-l"), base});
        });
        Calendrier calendrier(QStringLiteral("plein"));
        calendrier.ajouterMedia(1, new Image(nouveauMedia("petit")));
        const QString sortie = base + QStringLiteral("/site");
        QCOMPARE(GestionnaireFichiers().generer(calendrier, sortie, false), 0);
        const QMap<QString, QByteArray> avant = arborescence(sortie);
        calendrier.ajouterMedia(3, new Video(nouveauMedia(QByteArray(3 * 1024 * 1024, 'v'))));

        Generation gestionnaire;
        int resultat = -1;
        if (cas == QLatin1String("arret")) {
            resultat = genererInterrompu(calendrier, sortie);
            QCOMPARE(resultat, 7);
        } else {
            struct rlimit ancienne;
            if (cas == QLatin1String("limite")) {
                ::getrlimit(RLIMIT_FSIZE, &ancienne);
                struct rlimit limite = ancienne;
                limite.rlim_cur = 1024 * 1024;
                ::signal(SIGXFSZ, SIG_IGN);
                ::setrlimit(RLIMIT_FSIZE, &limite);
            }
            resultat = gestionnaire.generer(calendrier, sortie, false);
            if (cas == QLatin1String("limite")) {
                ::setrlimit(RLIMIT_FSIZE, &ancienne);
                ::signal(SIGXFSZ, SIG_DFL);
            }
            QCOMPARE(resultat, 5);
            const QString attendu = cas == QLatin1String("plein") ? QStringLiteral("No space left on device")
                                                                  : QStringLiteral("File too large");
            QVERIFY2(gestionnaire.getDetailsErreur().contains(attendu),
                qPrintable(gestionnaire.getDetailsErreur()));
        }
        QVERIFY(arborescence(sortie) == avant);
        QCOMPARE(chantiersRestants(sortie), QStringList());
    }

    void sortieImpossible_data()
    {
        QTest::addColumn<QString>("sousChemin");
        QTest::newRow("an existing file") << QString();
        QTest::newRow("below an existing file") << QStringLiteral("/dessous");
    }
    void sortieImpossible()
    {
        QFETCH(QString, sousChemin);
        const QString fichier = nouveauChemin(QStringLiteral("fichier"));
        QVERIFY(ecrire(fichier, "ne pas effacer"));
        Calendrier calendrier(QStringLiteral("x"));
        QCOMPARE(GestionnaireFichiers().generer(calendrier, fichier + sousChemin, false), 4);
        QVERIFY(QFileInfo(fichier).isFile());
        QCOMPARE(lire(fichier), QByteArray("ne pas effacer"));
    }

    void sortieVideNEffaceRien()
    {
        // An empty path stands for the current directory.
        const QString courant = nouveauChemin(QStringLiteral("courant"));
        QVERIFY(ecrire(courant + QStringLiteral("/a-garder.txt"), "precieux"));
        const QString ancien = QDir::currentPath();
        QVERIFY(QDir::setCurrent(courant));
        const auto retour = qScopeGuard([&] { QDir::setCurrent(ancien); });

        Calendrier calendrier(QStringLiteral("x"));
        QCOMPARE(GestionnaireFichiers().generer(calendrier, QString(), false), 4);
        QCOMPARE(QDir(courant).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
            QStringList{QStringLiteral("a-garder.txt")});
        QCOMPARE(resetRepertoire(QString()), 4);
    }

    void deuxGenerationsDonnentLeMemeSite()
    {
        Calendrier calendrier(QStringLiteral("deux fois"));
        calendrier.ajouterMedia(4, new Image(nouveauMedia("quatre")));
        calendrier.ajouterMedia(12, new Video(nouveauMedia("douze")));
        const QString sortie = nouveauChemin();
        QCOMPARE(GestionnaireFichiers().generer(calendrier, sortie, true), 0);
        const QMap<QString, QByteArray> premier = arborescence(sortie);
        // Leftovers of the earlier site, and a foreign file, go with it.
        QVERIFY(ecrire(sortie + QStringLiteral("/data/vieux.txt"), "ancien"));
        QVERIFY(ecrire(sortie + QStringLiteral("/.cache/x"), "ancien"));
        // Not the generator's alone any more: replaced once the user says yes.
        QCOMPARE(GestionnaireFichiers().generer(calendrier, sortie, true), 4);
        PolitiqueSortie::accepterEffacement(sortie);
        QCOMPARE(GestionnaireFichiers().generer(calendrier, sortie, true), 0);
        QVERIFY(arborescence(sortie) == premier);
        QStringList entrees = QDir(MODELE).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
            + QStringList{QStringLiteral(".site-tinselbox"), QStringLiteral("rappels.ics")};
        entrees.sort();
        QCOMPARE(QDir(sortie).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), entrees);

        // What a generation keeps from the last one must follow every change: a day's
        // file rewritten in place, then the length (the preview picture shows it).
        const QString quatre = calendrier.getContenuConstant().value(4)->getUrl();
        QVERIFY(ecrire(quatre, sonFactice("quatre, une autre photo")));
        QCOMPARE(GestionnaireFichiers().generer(calendrier, sortie, true), 0);
        QCOMPARE(lire(sortie + QStringLiteral("/data/") + getHash(QStringLiteral("4"), calendrier.getNom())
                     + QStringLiteral(".mp3")),
            sonFactice("quatre, une autre photo"));
        const QString apercu = sortie + QStringLiteral("/data/") + Format::IMAGE_APERCU_LIEN;
        const QByteArray precedent = lire(apercu);
        OptionsCalendrier options = calendrier.getOptions();
        options.jours = 24;
        calendrier.setOptions(options);
        QCOMPARE(GestionnaireFichiers().generer(calendrier, sortie, true), 0);
        QVERIFY(lire(apercu) != precedent);
        // The same as the first generation of that calendar into a new directory.
        const QMap<QString, QByteArray> second = arborescence(sortie);
        const QString autre = nouveauChemin();
        QCOMPARE(GestionnaireFichiers().generer(calendrier, autre, true), 0);
        QVERIFY(arborescence(autre) == second);
    }

    void insertionSousLeMarqueur_data()
    {
        QTest::addColumn<QByteArray>("avant");
        QTest::addColumn<QByteArray>("apres");
        QTest::newRow("indented marker")
            << QByteArray("a\n    // <M>\nb\n") << QByteArray("a\n    // <M>\nX\nY\n\nb\n");
        QTest::newRow("marker twice")
            << QByteArray("// <M>\n// <M> encore\n") << QByteArray("// <M>\nX\nY\n\n// <M> encore\nX\nY\n\n");
        QTest::newRow("no marker") << QByteArray("a\n\nb\n") << QByteArray("a\n\nb\n");
        QTest::newRow("case differs") << QByteArray("// <m>\n") << QByteArray("// <m>\n");
        QTest::newRow("last line unterminated")
            << QByteArray("x\n// <M>") << QByteArray("x\n// <M>\nX\nY\n\n");
        QTest::newRow("non-ASCII kept") << QByteArray("// \xc3\xa9t\xc3\xa9 <M>\n\xe2\x82\xac\n")
                                        << QByteArray("// \xc3\xa9t\xc3\xa9 <M>\nX\nY\n\n\xe2\x82\xac\n");
    }
    void insertionSousLeMarqueur()
    {
        QFETCH(QByteArray, avant);
        QFETCH(QByteArray, apres);
        const QString fichier = nouveauChemin(QStringLiteral("script")) + QStringLiteral(".js");
        QVERIFY(ecrire(fichier, avant));
        QCOMPARE(
            ajouterDansLeFichierSousLeMarqueur(fichier, QStringLiteral("<M>"), QStringLiteral("X\nY\n")), 0);
        QCOMPARE(lire(fichier), apres);
        QVERIFY(!QFileInfo::exists(fichier + QStringLiteral(".new")));
    }

    void insertionImpossible()
    {
        const QString fichier = nouveauChemin(QStringLiteral("script")) + QStringLiteral(".js");
        QCOMPARE(
            ajouterDansLeFichierSousLeMarqueur(fichier, QStringLiteral("<M>"), QStringLiteral("X\n")), 2);

        // A directory where the rewritten copy should go: even root cannot write there.
        QVERIFY(ecrire(fichier, "// <M>\n"));
        QVERIFY(QDir().mkdir(fichier + QStringLiteral(".new")));
        QCOMPARE(
            ajouterDansLeFichierSousLeMarqueur(fichier, QStringLiteral("<M>"), QStringLiteral("X\n")), 2);
        QCOMPARE(lire(fichier), QByteArray("// <M>\n"));
        QVERIFY(QFileInfo(fichier + QStringLiteral(".new")).isDir());
    }

    // Every way of writing a whole file fails with the file's name and the system's reason,
    // and leaves nothing behind.
    void ecritureImpossible_data()
    {
        QTest::addColumn<int>("maniere");
        QTest::addColumn<Resultat::Cause>("cause");
        const auto fichier = Resultat::Cause::FichierInaccessible;
        QTest::newRow("written") << 0 << fichier;
        QTest::newRow("replaced") << 1 << fichier;
        QTest::newRow("marker inserted") << 2 << fichier;
        QTest::newRow("template copied") << 3 << fichier;
        // The site's mark names the directory the user chose, not the one it is built in.
        QTest::newRow("site marked") << 4 << Resultat::Cause::Repertoire;
    }

    void ecritureImpossible()
    {
        QFETCH(int, maniere);
        QFETCH(Resultat::Cause, cause);
        const QString repertoire = nouveauChemin(QStringLiteral("absent"));
        const QString fichier = repertoire + QStringLiteral("/script.js");
        Resultat resultat;
        if (maniere == 0)
            resultat = EcritureFichier::ecrire(fichier, "x");
        else if (maniere == 1)
            resultat = EcritureFichier::remplacer(fichier, "x");
        else if (maniere == 2)
            resultat =
                EcritureFichier::insererSousLeMarqueur(fichier, QStringLiteral("<M>"), QStringLiteral("X"));
        else if (maniere == 3)
            resultat = GenerationSite::copierArbre(MODELE, fichier);
        else
            resultat = ManifesteSite::ecrire(repertoire, fichier);
        QVERIFY(!resultat);
        QCOMPARE(resultat.getCause(), cause);
        QCOMPARE(resultat.getChemin(), fichier);
        QVERIFY2(!resultat.getRaison().isEmpty() && resultat.getMessage().contains(fichier)
                && resultat.getMessage().contains(resultat.getRaison()),
            qPrintable(resultat.getMessage()));
        QVERIFY(!QFileInfo::exists(repertoire));
    }

    void copieRecursive()
    {
        const QString source = nouveauChemin(QStringLiteral("source"));
        QVERIFY(ecrire(source + QStringLiteral("/lecture-seule.txt"), "r"));
        QVERIFY(ecrire(source + QStringLiteral("/executable.sh"), "x"));
        QVERIFY(ecrire(source + QStringLiteral("/.cache"), "cache"));
        QVERIFY(ecrire(source + QStringLiteral("/sous/.cache-aussi/profond.txt"), "profond"));
        QFile::setPermissions(
            source + QStringLiteral("/lecture-seule.txt"), QFileDevice::ReadOwner | QFileDevice::ReadOther);
        QFile::setPermissions(source + QStringLiteral("/executable.sh"),
            QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther
                | QFileDevice::ExeOther);

        const QString cible = nouveauChemin(QStringLiteral("cible"));
        QVERIFY(copyRecursively(source, cible));
        const QMap<QString, QByteArray> copie = arborescence(cible);
        QVERIFY(copie == arborescence(source));
        QCOMPARE(copie.size(), 4);
        for (const QString &chemin : copie.keys())
            QCOMPARE(permissions(cible + QLatin1Char('/') + chemin), modeNouveauFichier());

        long long total = 5;
        QVERIFY(calculerTailleRecursively(source, &total));
        QCOMPARE(total, 5LL + 1 + 1 + 5 + 7);
    }

    void copieNeRemplaceJamais()
    {
        const QString source = nouveauChemin(QStringLiteral("source"));
        QVERIFY(ecrire(source + QStringLiteral("/a.txt"), "nouveau"));
        const QString cible = nouveauChemin(QStringLiteral("cible"));
        QVERIFY(ecrire(cible + QStringLiteral("/a.txt"), "existant"));

        QVERIFY(!copyRecursively(source + QStringLiteral("/a.txt"), cible + QStringLiteral("/a.txt")));
        QVERIFY(!copyRecursively(source, cible));
        QCOMPARE(lire(cible + QStringLiteral("/a.txt")), QByteArray("existant"));
        QVERIFY(!copyRecursively(MODELE + QStringLiteral("/index.html"), cible + QStringLiteral("/a.txt")));
        QCOMPARE(lire(cible + QStringLiteral("/a.txt")), QByteArray("existant"));

        // A destination whose parent is missing fails at its first file.
        QVERIFY(!copyRecursively(source, nouveauChemin(QStringLiteral("absent")) + QStringLiteral("/cible")));
    }

    void taille_data()
    {
        QTest::addColumn<QByteArrayList>("contenus");
        QTest::addColumn<QString>("manquant");
        QTest::addColumn<long long>("ajout");
        QTest::newRow("empty calendar") << QByteArrayList{} << QString() << 0LL;
        QTest::newRow("missing media counts 0") << QByteArrayList{} << QStringLiteral("absent") << 0LL;
        // Each media with its 10-byte tag.
        QTest::newRow("fifo counts 0") << QByteArrayList{"12"} << QStringLiteral("fifo") << 12LL;
        QTest::newRow("two media") << QByteArrayList{"12345", QByteArray(70000, 'v')}
                                   << QStringLiteral("absent") << 70025LL;
    }
    void taille()
    {
        QFETCH(QByteArrayList, contenus);
        QFETCH(QString, manquant);
        QFETCH(long long, ajout);
        Calendrier calendrier(QStringLiteral("taille"));
        int jour = 1;
        for (const QByteArray &contenu : contenus)
            calendrier.ajouterMedia(jour++, new Image(nouveauMedia(contenu)));
        if (manquant == QLatin1String("absent"))
            calendrier.ajouterMedia(jour++, new Son(temp.filePath(QStringLiteral("absent.mp3"))));
        if (manquant == QLatin1String("fifo")) {
            const QString tube = nouveauChemin(QStringLiteral("tube"));
            QVERIFY(::mkfifo(QFile::encodeName(tube).constData(), 0600) == 0);
            calendrier.ajouterMedia(jour++, new Son(tube));
        }

        long long total = -1;
        QCOMPARE(GestionnaireFichiers().calculer_taille(calendrier, &total), 0);
        QCOMPARE(total, tailleSiteVide(calendrier) + ajout);
    }

    void tailleMemeMediaDeuxFois()
    {
        const QString photo = nouveauMedia(QByteArray(1000, 'p'));
        Calendrier calendrier(QStringLiteral("double"));
        calendrier.ajouterMedia(1, new Image(photo));
        calendrier.ajouterMedia(2, new Image(photo));
        long long total = 0;
        GestionnaireFichiers().calculer_taille(calendrier, &total);
        QCOMPARE(total, tailleSiteVide(calendrier) + 2 * sonFactice(QByteArray(1000, 'p')).size());

        // The estimate leaves out only the written script lines.
        Calendrier vide(QStringLiteral("vide"));
        const QString sortie = nouveauChemin();
        QCOMPARE(GestionnaireFichiers().generer(vide, sortie, false), 0);
        long long surDisque = 0;
        QVERIFY(calculerTailleRecursively(sortie, &surDisque));
        GestionnaireFichiers().calculer_taille(vide, &total);
        QCOMPARE(total, surDisque);
    }

    void repertoireInterdit_data()
    {
        QTest::addColumn<QString>("repertoire");
        QTest::addColumn<bool>("interdit");

        baseInterdit = nouveauChemin(QStringLiteral("interdit"));
        const QString base = baseInterdit;
        QTest::newRow("project directory") << base + QStringLiteral("/projet") << true;
        QTest::newRow("parent of project directory") << base << true;
        QTest::newRow("project directory, trailing slash") << base + QStringLiteral("/projet/") << true;
        QTest::newRow("project directory, dotted") << base + QStringLiteral("/autre/../projet") << true;
        QTest::newRow("link to project directory") << base + QStringLiteral("/lien-projet") << true;
        QTest::newRow("media directory") << base + QStringLiteral("/medias") << true;
        QTest::newRow("parent of a media subdirectory") << base + QStringLiteral("/sons") << true;
        QTest::newRow("holds a link on the way to a media") << base + QStringLiteral("/passage") << true;
        QTest::newRow("media file itself") << base + QStringLiteral("/medias/photo.jpg") << true;
        QTest::newRow("home") << base + QStringLiteral("/maison") << true;
        QTest::newRow("parent of home") << base + QStringLiteral("/parent-maison") << true;
        QTest::newRow("file-system root") << QStringLiteral("/") << true;
        QTest::newRow("empty path") << QString() << true;
        QTest::newRow("tmp beside project") << base + QStringLiteral("/projet/tmp") << false;
        QTest::newRow("unrelated directory") << base + QStringLiteral("/autre") << false;
        QTest::newRow("missing directory") << base + QStringLiteral("/nouveau/site") << false;
        QTest::newRow("sibling with common prefix") << base + QStringLiteral("/medias-bis") << false;
        QTest::newRow("link to a media directory") << base + QStringLiteral("/autre/lien-medias") << true;
        for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
            if (volume.isValid() && volume.rootPath() != QStringLiteral("/")
                && QFileInfo(volume.rootPath()).isDir()) {
                QTest::newRow("mount point") << volume.rootPath() << true;
                break;
            }
        }
    }
    void repertoireInterdit()
    {
        QFETCH(QString, repertoire);
        QFETCH(bool, interdit);

        const QString base = baseInterdit;
        if (!QFileInfo::exists(base)) {
            QVERIFY(ecrire(base + QStringLiteral("/projet/avent.xml"), "<tinselbox/>"));
            QVERIFY(QDir().mkpath(base + QStringLiteral("/projet/tmp")));
            QVERIFY(ecrire(base + QStringLiteral("/medias/photo.jpg"), "photo"));
            QVERIFY(ecrire(base + QStringLiteral("/sons/noel/chant.mp3"), "son"));
            QVERIFY(ecrire(base + QStringLiteral("/ailleurs/film.webm"), "film"));
            QVERIFY(QDir().mkpath(base + QStringLiteral("/autre")));
            QVERIFY(QDir().mkpath(base + QStringLiteral("/medias-bis")));
            QVERIFY(QDir().mkpath(base + QStringLiteral("/maison")));
            QVERIFY(QDir().mkpath(base + QStringLiteral("/parent-maison/moi")));
            QVERIFY(QDir().mkpath(base + QStringLiteral("/passage")));
            QVERIFY(QFile::link(base + QStringLiteral("/projet"), base + QStringLiteral("/lien-projet")));
            QVERIFY(
                QFile::link(base + QStringLiteral("/medias"), base + QStringLiteral("/autre/lien-medias")));
            QVERIFY(QFile::link(base + QStringLiteral("/ailleurs"), base + QStringLiteral("/passage/lien")));
        }
        const QByteArray ancienHome = qgetenv("HOME");
        const auto retour = qScopeGuard([&] { qputenv("HOME", ancienHome); });
        const QString maison = QTest::currentDataTag() == QByteArray("parent of home")
            ? base + QStringLiteral("/parent-maison/moi")
            : base + QStringLiteral("/maison");
        qputenv("HOME", QFile::encodeName(maison));

        Calendrier calendrier(QStringLiteral("protege"));
        calendrier.ajouterMedia(1, new Image(base + QStringLiteral("/medias/photo.jpg")));
        calendrier.ajouterMedia(2, new Son(base + QStringLiteral("/sons/noel/chant.mp3")));
        calendrier.ajouterMedia(3, new Video(base + QStringLiteral("/passage/lien/film.webm")));
        QCOMPARE(PolitiqueSortie::estRepertoireSortieInterdit(
                     repertoire, base + QStringLiteral("/projet/avent.xml"), calendrier),
            interdit);
    }

    void generationNEffacePasLesMedias()
    {
        const QString dossier = nouveauChemin(QStringLiteral("mes-photos"));
        const QString photo = dossier + QStringLiteral("/sous/photo.jpg");
        QVERIFY(ecrire(photo, "unique"));
        Calendrier calendrier(QStringLiteral("x"));
        calendrier.ajouterMedia(1, new Image(photo));
        QCOMPARE(GestionnaireFichiers().generer(calendrier, dossier, false), 4);
        QCOMPARE(lire(photo), QByteArray("unique"));
        QCOMPARE(QDir(dossier).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
            QStringList{QStringLiteral("sous")});
    }

    void videOuSiteGenere_data()
    {
        QTest::addColumn<QString>("quoi");
        QTest::addColumn<bool>("attendu");
        QTest::newRow("missing") << QStringLiteral("absent") << true;
        QTest::newRow("empty") << QStringLiteral("vide") << true;
        QTest::newRow("generated site") << QStringLiteral("site") << true;
        QTest::newRow("generated site with data files added") << QStringLiteral("site+data") << true;
        QTest::newRow("generated site with the user's files beside") << QStringLiteral("site+") << false;
        QTest::newRow("foreign files") << QStringLiteral("etranger") << false;
        QTest::newRow("only a hidden file") << QStringLiteral("cache") << false;
        QTest::newRow("index.html alone") << QStringLiteral("index") << false;
        QTest::newRow("script is a directory") << QStringLiteral("faux-script") << false;
        QTest::newRow("a file") << QStringLiteral("fichier") << false;
        QTest::newRow("earlier version's site, template entries only") << QStringLiteral("anterieur") << true;
        QTest::newRow("earlier version's site with the library it shipped")
            << QStringLiteral("anterieur-bibliotheque") << true;
        QTest::newRow("earlier version's site with the user's file in data")
            << QStringLiteral("anterieur+") << false;
        QTest::newRow("manifest that does not read back") << QStringLiteral("faux-manifeste") << false;
        QTest::newRow("empty path") << QString() << false;
    }
    void videOuSiteGenere()
    {
        QFETCH(QString, quoi);
        QFETCH(bool, attendu);
        const QString chemin = quoi.isEmpty() ? QString() : nouveauChemin(QStringLiteral("tmp"));
        if (quoi == QLatin1String("vide")) {
            QVERIFY(QDir().mkpath(chemin));
        } else if (quoi.startsWith(QLatin1String("site"))) {
            Calendrier calendrier(QStringLiteral("x"));
            QCOMPARE(GestionnaireFichiers().generer(calendrier, chemin, true), 0);
            if (quoi.endsWith(QLatin1Char('+')))
                QVERIFY(ecrire(chemin + QStringLiteral("/notes.txt"), "a moi"));
            if (quoi.endsWith(QLatin1String("+data")))
                QVERIFY(ecrire(chemin + QStringLiteral("/data/ancien.txt"), "old"));
        } else if (quoi == QLatin1String("etranger")) {
            QVERIFY(ecrire(chemin + QStringLiteral("/lettre.odt"), "a moi"));
        } else if (quoi == QLatin1String("cache")) {
            QVERIFY(ecrire(chemin + QStringLiteral("/.secret"), "a moi"));
        } else if (quoi == QLatin1String("index")) {
            QVERIFY(ecrire(chemin + QStringLiteral("/index.html"), "<html>"));
        } else if (quoi == QLatin1String("faux-script")) {
            QVERIFY(ecrire(chemin + QStringLiteral("/index.html"), "<html>"));
            QVERIFY(QDir().mkpath(chemin + QStringLiteral("/scripts/calendrier.js")));
        } else if (quoi == QLatin1String("fichier")) {
            QVERIFY(ecrire(chemin, "a moi"));
        } else if (quoi.startsWith(QLatin1String("anterieur"))) {
            // As the versions without a manifest left it: the template and media copies.
            Calendrier calendrier(QStringLiteral("x"));
            calendrier.ajouterMedia(2, new Image(nouveauMedia("deux")));
            QCOMPARE(GestionnaireFichiers().generer(calendrier, chemin, false), 0);
            QVERIFY(QFile::remove(chemin + QStringLiteral("/.site-tinselbox")));
            QVERIFY(QFile::remove(chemin + QStringLiteral("/rappels.ics")));
            if (quoi.endsWith(QLatin1Char('+')))
                QVERIFY(ecrire(chemin + QStringLiteral("/data/mes-notes.odt"), "a moi"));
            if (quoi.endsWith(QLatin1String("-bibliotheque")))
                QVERIFY(ecrire(chemin + QStringLiteral("/scripts/jquery-1.11.3.min.js"), "/*! v1.11.3 */"));
        } else if (quoi == QLatin1String("faux-manifeste")) {
            QVERIFY(ecrire(chemin + QStringLiteral("/.site-tinselbox"), "index.html\nnotes.txt\n"));
            QVERIFY(ecrire(chemin + QStringLiteral("/notes.txt"), "a moi"));
        }
        QCOMPARE(PolitiqueSortie::estVideOuSiteGenere(chemin), attendu);
    }

    void interruptionAvantLePremierJour()
    {
        Calendrier calendrier(QStringLiteral("stop"));
        for (int jour = 1; jour <= 31; ++jour)
            calendrier.ajouterMedia(jour, new Image(nouveauMedia(QByteArray::number(jour))));
        const QString sortie = nouveauChemin();
        QCOMPARE(genererInterrompu(calendrier, sortie), 7);
        QVERIFY(fichiersMedia(sortie).isEmpty());
        QVERIFY(
            !lignes(sortie + QStringLiteral("/scripts/calendrier.js")).contains(QStringLiteral("case 1:")));

        // The request only matters on a thread that can be stopped: the same calendar goes through here.
        QCOMPARE(GestionnaireFichiers().generer(calendrier, sortie, false), 0);
        QCOMPARE(fichiersMedia(sortie).size(), 31);
    }
};

QTEST_GUILESS_MAIN(TestGeneration)
#include "tst_generation.moc"
