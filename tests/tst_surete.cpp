#include "calendriers.h"
#include "fichiers.h"
#include "gestionnairefichiers.h"
#include "site/chantiersite.h"
#include "site/generationsite.h"

#include <QImage>
#include <QProcess>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/mount.h>
#include <unistd.h>

namespace {

struct Execution {
    int code = -1;
    QString sortie;
    QString erreurs;
};

// A JPEG of real pixels; `tronque` cuts it in half, as a copy that stopped would.
QByteArray jpeg(bool tronque)
{
    QImage image(320, 240, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, (x * y) % 256));
    }
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    image.save(&tampon, "JPEG", 90);
    return tronque ? octets.left(octets.size() / 2) : octets;
}

// The processes whose command line holds `marque`.
QStringList processusAvec(const QString &marque)
{
    QProcess ps;
    ps.start(QStringLiteral("ps"), {QStringLiteral("-eo"), QStringLiteral("pid,ppid,args")});
    ps.waitForFinished(10000);
    QStringList trouves;
    for (const QString &ligne : QString::fromLocal8Bit(ps.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        if (ligne.contains(marque) && !ligne.contains(QLatin1String(" ps ")))
            trouves << ligne.simplified();
    }
    return trouves;
}

} // namespace

class TestSurete : public QObject
{
    Q_OBJECT

    QTemporaryDir temp;
    int compteur = 0;

    QString nouveauDossier(const QString &nom)
    {
        const QString chemin = temp.filePath(QStringLiteral("%1-%2").arg(nom).arg(++compteur));
        QDir().mkpath(chemin);
        return chemin;
    }

    // The program as a user starts it: a home and a cache of the test's own unless told.
    QProcessEnvironment environnement(const QString &cache) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.insert(QStringLiteral("HOME"), temp.path());
        env.insert(QStringLiteral("XDG_CACHE_HOME"), cache);
        return env;
    }

    Execution lancer(const QStringList &arguments, const QProcessEnvironment &env) const
    {
        QProcess processus;
        processus.setProcessEnvironment(env);
        processus.start(QStringLiteral(BINAIRE_TINSELBOX), arguments);
        Execution execution;
        if (!processus.waitForFinished(120000))
            return execution;
        execution.code = processus.exitStatus() == QProcess::NormalExit ? processus.exitCode() : -1;
        execution.sortie = QString::fromUtf8(processus.readAllStandardOutput());
        execution.erreurs = QString::fromUtf8(processus.readAllStandardError());
        return execution;
    }

    QString enregistrer(const Calendrier &calendrier, const QString &chemin)
    {
        return GestionnaireFichiers().creerFichierDepuisCalendrier(calendrier, chemin) == 0 ? chemin
                                                                                            : QString();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(temp.isValid());
    }

    void cleanup()
    {
        ChantierSite::crochetAvantRemplacement = nullptr;
    }

    // What a project file sent by someone else, or a user's set-up, can bring about.
    void ligneDeCommande_data()
    {
        QTest::addColumn<QString>("cas");
        QTest::addColumn<QString>("commande");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");

        const QString nonMedia = QStringLiteral("id_rsa is not a picture, a sound or a video.");
        QTest::newRow("private key, check") << "cle"
                                            << "--check" << 1 << nonMedia;
        QTest::newRow("private key, generate") << "cle"
                                               << "--generate" << 1 << nonMedia;
        const QString endommage = QStringLiteral("is damaged: it ends before its last part.");
        QTest::newRow("cut picture, check") << "tronque"
                                            << "--check" << 1 << endommage;
        QTest::newRow("cut picture, generate") << "tronque"
                                               << "--generate" << 1 << endommage;
        QTest::newRow("name of 4 MB") << "nom"
                                      << "--check" << 1 << "longer than 200 characters";
        QTest::newRow("dangling link as the directory") << "lien"
                                                        << "--generate" << 1 << "which does not exist";
        QTest::newRow("project folder moved") << "deplace"
                                              << "--generate" << 0 << "Generated the calendar";
        QTest::newRow("no home folder") << "sansmaison"
                                        << "--generate" << 0 << "there is no home folder";
        QTest::newRow("no ffmpeg")
            << "sansffmpeg"
            << "--generate" << 0
            << "ffmpeg is not installed: the sound and video files of days 2, 3 are published as they are";
    }
    void ligneDeCommande()
    {
        QFETCH(QString, cas);
        QFETCH(QString, commande);
        QFETCH(int, code);
        QFETCH(QString, message);

        const QString dossier = nouveauDossier(cas);
        QString projet = dossier + QStringLiteral("/projet/avent.xml");
        QString sortie = dossier + QStringLiteral("/site");
        QProcessEnvironment env = environnement(dossier + QStringLiteral("/cache"));
        Calendrier calendrier(QStringLiteral("Avent"));
        const QString photo = dossier + QStringLiteral("/projet/photos/sapin.jpg");
        QVERIFY(ecrire(photo, jpeg(cas == QLatin1String("tronque"))));
        calendrier.ajouterMedia(1, new Image(photo));
        if (cas == QLatin1String("cle")) {
            const QString cle = dossier + QStringLiteral("/ssh/id_rsa");
            // A real key, made for this run, as a receiver's home folder would hold it.
            QVERIFY(QDir().mkpath(QFileInfo(cle).path()));
            QCOMPARE(QProcess::execute(QStringLiteral("ssh-keygen"),
                         {QStringLiteral("-q"), QStringLiteral("-t"), QStringLiteral("ed25519"),
                             QStringLiteral("-N"), QString(), QStringLiteral("-f"), cle}),
                0);
            calendrier.ajouterMedia(2, new Image(cle));
        }
        if (cas == QLatin1String("lien"))
            QVERIFY(QFile::link(dossier + QStringLiteral("/nulle-part"), sortie));
        if (cas == QLatin1String("sansmaison") || cas == QLatin1String("sansffmpeg")) {
            const QString son = dossier + QStringLiteral("/projet/grelots.mp3");
            QVERIFY(ecrire(son, sonFactice("grelots")));
            calendrier.ajouterMedia(2, new Son(son));
            calendrier.ajouterMedia(3, new Video(son));
        }
        if (cas == QLatin1String("sansmaison")) {
            env.remove(QStringLiteral("HOME"));
            env.remove(QStringLiteral("XDG_CACHE_HOME"));
        }
        if (cas == QLatin1String("sansffmpeg"))
            env.insert(QStringLiteral("PATH"), dossier);
        QVERIFY(!enregistrer(calendrier, projet).isEmpty());
        if (cas == QLatin1String("nom")) {
            // Written by hand: the program itself never writes such a name.
            QByteArray texte = lire(projet);
            texte.replace("nom=\"Avent\"", "nom=\"" + QByteArray(4 * 1024 * 1024, 'A') + "\"");
            QVERIFY(ecrire(projet, texte));
        }
        if (cas == QLatin1String("deplace")) {
            // The whole folder, project and photos, goes elsewhere.
            const QString ailleurs = dossier + QStringLiteral("/ailleurs");
            QVERIFY(QDir().rename(dossier + QStringLiteral("/projet"), ailleurs));
            projet = ailleurs + QStringLiteral("/avent.xml");
            QVERIFY(lire(projet).contains("url=\"photos/sapin.jpg\""));
        }
        const bool racineCache = QFileInfo::exists(QStringLiteral("/.cache"));

        const QStringList arguments = commande == QLatin1String("--check")
            ? QStringList{commande, projet}
            : QStringList{commande, projet, sortie};
        const Execution execution = lancer(arguments, env);
        const QString texte = execution.sortie + execution.erreurs;
        QVERIFY2(execution.code == code, qPrintable(texte));
        QVERIFY2(texte.contains(message), qPrintable(texte));
        if (cas == QLatin1String("sansmaison")) {
            QCOMPARE(texte.count(message), 1);
            QCOMPARE(QFileInfo::exists(QStringLiteral("/.cache")), racineCache);
        }
        if (cas == QLatin1String("sansffmpeg")) {
            QCOMPARE(texte.count(QStringLiteral("ffmpeg is not installed")), 1);
            QVERIFY(!texte.contains(QStringLiteral("Converted day 2")));
        }
        // A refused generation publishes nothing at all.
        if (code != 0 && commande == QLatin1String("--generate"))
            QVERIFY(!QFileInfo::exists(sortie + QStringLiteral("/index.html")));
    }

    // The directory is swapped between the check and the replacement, at the worst moment.
    void dossierEchange_data()
    {
        QTest::addColumn<bool>("parUnLien");
        QTest::newRow("a link to a folder holding a file") << true;
        QTest::newRow("another folder in its place") << false;
    }
    void dossierEchange()
    {
        QFETCH(bool, parUnLien);
        const QString dossier = nouveauDossier(QStringLiteral("course"));
        const QString victime = dossier + QStringLiteral("/maison");
        QVERIFY(ecrire(victime + QStringLiteral("/lettre.txt"), "a garder"));
        const QString son = dossier + QStringLiteral("/grelots.mp3");
        QVERIFY(ecrire(son, sonFactice("grelots")));
        Calendrier calendrier(QStringLiteral("Course"));
        calendrier.ajouterMedia(1, new Son(son));
        const QString sortie = dossier + QStringLiteral("/site");
        QCOMPARE(GestionnaireFichiers().generer(calendrier, sortie, false), 0);
        const QMap<QString, QByteArray> ancienSite = arborescence(sortie);
        const QMap<QString, QByteArray> avant = arborescence(victime);

        const QString deplace = dossier + QStringLiteral("/site-deplace");
        ChantierSite::crochetAvantRemplacement = [&](const QString &repertoire) {
            QVERIFY(QDir().rename(repertoire, deplace));
            if (parUnLien)
                QVERIFY(QFile::link(victime, repertoire));
            else
                QVERIFY(QDir().rename(victime, repertoire));
        };
        const Resultat resultat = GenerationSite::generer(calendrier, sortie, false);
        QCOMPARE(resultat.getCause(), Resultat::Cause::Repertoire);
        QVERIFY2(resultat.getMessage().contains(QStringLiteral("was moved or replaced")),
            qPrintable(resultat.getMessage()));
        // Neither what took its place nor the directory itself was touched.
        QCOMPARE(arborescence(parUnLien ? victime : sortie), avant);
        QCOMPARE(arborescence(deplace), ancienSite);
        QCOMPARE(chantiersRestants(sortie), QStringList());
        QCOMPARE(chantiersRestants(deplace), QStringList());
    }

    // Entries spoilt by hand, and a cache on a disk too small for the converted copy.
    void cache_data()
    {
        QTest::addColumn<QString>("atteinte");
        QTest::newRow("entry cut short") << "tronquee";
        QTest::newRow("entry replaced") << "remplacee";
        QTest::newRow("cache on a full disk") << "pleine";
    }
    void cache()
    {
        QFETCH(QString, atteinte);
        const QString dossier = nouveauDossier(QStringLiteral("cache"));
        const QString cache = dossier + QStringLiteral("/cache");
        const QString conversions = cache + QStringLiteral("/tinselbox/conversions");
        // Wider than the widest side kept: always converted; noise, so that its copy is large.
        QImage grande(3000, 2000, QImage::Format_RGB32);
        QRandomGenerator hasard(28);
        for (int y = 0; y < grande.height(); ++y) {
            auto *ligne = reinterpret_cast<quint32 *>(grande.scanLine(y));
            for (int x = 0; x < grande.width(); ++x)
                ligne[x] = hasard.generate() | 0xff000000u;
        }
        const QString photo = dossier + QStringLiteral("/grande.jpg");
        QVERIFY(grande.save(photo, "JPEG", 95));
        Calendrier calendrier(QStringLiteral("Cache"));
        calendrier.ajouterMedia(1, new Image(photo));
        const QString projet = enregistrer(calendrier, dossier + QStringLiteral("/cache.xml"));
        const QStringList generer{QStringLiteral("--generate"), projet, dossier + QStringLiteral("/site")};
        const auto publie = [&] {
            const QStringList fichiers = fichiersMedia(dossier + QStringLiteral("/site"));
            return fichiers.size() == 1 ? lire(dossier + QStringLiteral("/site/data/") + fichiers.first())
                                        : QByteArray();
        };

        if (atteinte == QLatin1String("pleine")) {
            QVERIFY(QDir().mkpath(cache));
            if (::mount("tmpfs", QFile::encodeName(cache).constData(), "tmpfs", 0, "size=48k") != 0)
                QSKIP("a small disk cannot be mounted here");
            const auto demonter =
                qScopeGuard([&] { ::umount2(QFile::encodeName(cache).constData(), MNT_DETACH); });
            const Execution execution = lancer(generer, environnement(cache));
            QVERIFY2(execution.code == 1, qPrintable(execution.erreurs));
            QVERIFY2(execution.erreurs.contains(QStringLiteral("No space left on device")),
                qPrintable(execution.erreurs));
            QVERIFY(!execution.erreurs.contains(QStringLiteral("libpng")));
            QVERIFY(!QFileInfo::exists(dossier + QStringLiteral("/site/index.html")));
            return;
        }
        QCOMPARE(lancer(generer, environnement(cache)).code, 0);
        const QByteArray attendu = publie();
        QVERIFY(attendu.endsWith("\xff\xd9"));
        const QStringList entrees = QDir(conversions).entryList({QStringLiteral("*.jpg")}, QDir::Files);
        QCOMPARE(entrees.size(), 1);
        const QString entree = conversions + QLatin1Char('/') + entrees.first();
        if (atteinte == QLatin1String("tronquee"))
            QVERIFY(QFile::resize(entree, QFileInfo(entree).size() / 2));
        else
            QVERIFY(ecrire(entree, QByteArray(int(QFileInfo(entree).size()), 'x')));

        // The spoilt entry is dropped and the picture converted again.
        const Execution execution = lancer(generer, environnement(cache));
        QVERIFY2(execution.code == 0, qPrintable(execution.erreurs));
        QCOMPARE(publie(), attendu);
        QCOMPARE(lire(entree), attendu);
    }

    // A real conversion, stopped as a user or a system stops a job.
    void signaux_data()
    {
        QTest::addColumn<int>("numero");
        QTest::newRow("SIGINT") << int(SIGINT);
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGHUP") << int(SIGHUP);
        // No handler runs: the kernel ends ffmpeg with its parent.
        QTest::newRow("SIGKILL") << int(SIGKILL);
    }
    void signaux()
    {
        QFETCH(int, numero);
        if (QStandardPaths::findExecutable(QStringLiteral("ffmpeg")).isEmpty())
            QSKIP("ffmpeg is not installed");
        static QString video;
        if (video.isEmpty()) {
            video = temp.filePath(QStringLiteral("neige.avi"));
            QProcess ffmpeg;
            ffmpeg.start(QStringLiteral("ffmpeg"),
                {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-f"), QStringLiteral("lavfi"),
                    QStringLiteral("-i"), QStringLiteral("testsrc=size=640x360:rate=25"),
                    QStringLiteral("-t"), QStringLiteral("40"), QStringLiteral("-c:v"),
                    QStringLiteral("mpeg4"), QStringLiteral("-q:v"), QStringLiteral("8"), video});
            QVERIFY(ffmpeg.waitForFinished(120000) && ffmpeg.exitCode() == 0);
        }
        const QString dossier = nouveauDossier(QStringLiteral("signal"));
        const QString cache = dossier + QStringLiteral("/cache");
        const QString sortie = dossier + QStringLiteral("/site");
        Calendrier ancien(QStringLiteral("Neige"));
        ancien.ajouterMedia(1, new Message(QStringLiteral("Bonjour")));
        QCOMPARE(GestionnaireFichiers().generer(ancien, sortie, false), 0);
        const QMap<QString, QByteArray> ancienSite = arborescence(sortie);
        Calendrier calendrier(QStringLiteral("Neige"));
        calendrier.ajouterMedia(1, new Video(video));
        const QString projet = enregistrer(calendrier, dossier + QStringLiteral("/neige.xml"));
        QVERIFY(!projet.isEmpty());

        QProcess processus;
        processus.setProcessEnvironment(environnement(cache));
        processus.start(QStringLiteral(BINAIRE_TINSELBOX), {QStringLiteral("--generate"), projet, sortie});
        QVERIFY(processus.waitForStarted());
        const auto fin = qScopeGuard([&] {
            processus.kill();
            processus.waitForFinished();
        });
        // Its ffmpeg is the one writing into its cache.
        QTRY_VERIFY_WITH_TIMEOUT(!processusAvec(cache).isEmpty(), 60000);
        ::kill(pid_t(processus.processId()), numero);
        QVERIFY(processus.waitForFinished(10000));
        const QString erreurs = QString::fromUtf8(processus.readAllStandardError());
        if (numero == SIGKILL) {
            QCOMPARE(processus.exitStatus(), QProcess::CrashExit);
            QTRY_COMPARE_WITH_TIMEOUT(processusAvec(cache), QStringList(), 2000);
        } else {
            QCOMPARE(processus.exitStatus(), QProcess::NormalExit);
            QCOMPARE(processus.exitCode(), 128 + numero);
            QCOMPARE(erreurs.count(QStringLiteral("stopped by")), 1);
            QVERIFY2(erreurs.trimmed().endsWith(QStringLiteral("was left as it was.")), qPrintable(erreurs));
            // Ended before the program was.
            QCOMPARE(processusAvec(cache), QStringList());
            QCOMPARE(chantiersRestants(sortie), QStringList());
            QCOMPARE(QDir(cache + QStringLiteral("/tinselbox/conversions/brouillons"))
                         .entryList(QDir::Files | QDir::Hidden),
                QStringList());
        }
        QCOMPARE(arborescence(sortie), ancienSite);
    }
};

QTEST_GUILESS_MAIN(TestSurete)
#include "tst_surete.moc"
