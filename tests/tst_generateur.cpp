#include "calendriers.h"
#include "fichiers.h"
#include "generation/generateur.h"
#include "gestionnairefichiers.h"
#include "service/servicegeneration.h"
#include "site/politiquesortie.h"

#include <QPointer>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <chrono>
#include <thread>

namespace {

// Receives results the way the main window does: queued, on the GUI thread.
struct Recepteur : QObject {
    QList<QPair<int, QString>> resultats;
    bool surLeFilPrincipal = true;

    void brancher(Generateur *generateur)
    {
        connect(
            generateur, &Generateur::resultatDisponible, this, [this](int code, const QString &repertoire) {
                resultats << qMakePair(code, repertoire);
                surLeFilPrincipal = surLeFilPrincipal && QThread::currentThread() == qApp->thread();
            });
    }
};

} // namespace

class TestGenerateur : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir temp;
    int compteur = 0;

    QString nouveauChemin(const QString &nom)
    {
        return temp.filePath(QStringLiteral("%1-%2").arg(nom).arg(++compteur));
    }

    // A calendar of `jours` pictures of `taille` bytes each (sparse files, quick to make).
    void ajouterPhotos(Calendrier &calendrier, int jours, qint64 taille)
    {
        for (int jour = 1; jour <= jours; ++jour) {
            const QString chemin = nouveauChemin(QStringLiteral("media"));
            QFile fichier(chemin);
            QVERIFY(fichier.open(QIODevice::WriteOnly));
            QVERIFY(fichier.write(sonFactice(QByteArray::number(jour))) > 0);
            QVERIFY(fichier.resize(qMax<qint64>(taille, fichier.size())));
            calendrier.ajouterMedia(jour, new Image(chemin));
        }
    }

    // 31 small pictures; day 2 holds the worker once it is reached.
    void ajouterPhotosRetenues(Calendrier &calendrier, QSemaphore &atteinte, QSemaphore &reprise)
    {
        ajouterPhotos(calendrier, 31, 100);
        calendrier.ajouterMedia(2, new ImageRetenue(calendrier.getMedia(2)->getUrl(), atteinte, reprise));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(temp.isValid());
    }

    void unSeulResultatParExecution_data()
    {
        QTest::addColumn<QString>("cas");
        QTest::addColumn<bool>("apercu");
        QTest::addColumn<int>("code");
        QTest::newRow("generation") << QStringLiteral("complet") << false << 0;
        QTest::newRow("preview") << QStringLiteral("complet") << true << 0;
        QTest::newRow("missing media") << QStringLiteral("manquant") << false << 5;
        QTest::newRow("empty directory") << QStringLiteral("vide") << true << 4;
        QTest::newRow("no calendar") << QStringLiteral("aucun") << false << 3;
    }
    void unSeulResultatParExecution()
    {
        QFETCH(QString, cas);
        QFETCH(bool, apercu);
        QFETCH(int, code);

        Calendrier calendrier(QStringLiteral("fil"));
        ajouterPhotos(calendrier, 3, 100);
        if (cas == QLatin1String("manquant"))
            calendrier.ajouterMedia(2, new Son(temp.filePath(QStringLiteral("absent.mp3"))));
        // An empty directory would stand for the current one: it must come out untouched.
        const QString courant = nouveauChemin(QStringLiteral("courant"));
        QVERIFY(ecrire(courant + QStringLiteral("/a-garder"), "x"));
        const QString ancien = QDir::currentPath();
        QVERIFY(QDir::setCurrent(courant));
        const auto retour = qScopeGuard([&] { QDir::setCurrent(ancien); });

        const QString sortie =
            cas == QLatin1String("vide") ? QString() : nouveauChemin(QStringLiteral("site"));
        QObject fenetre;
        QPointer<Generateur> generateur =
            new Generateur(&fenetre, cas == QLatin1String("aucun") ? nullptr : &calendrier, sortie, apercu);
        QSignalSpy signal(generateur.data(), &Generateur::resultatDisponible);
        QSignalSpy details(generateur.data(), &Generateur::resultatDetaille);
        Recepteur recepteur;
        recepteur.brancher(generateur);
        connect(generateur.data(), &QThread::finished, generateur.data(), &QObject::deleteLater);

        generateur->start(QThread::InheritPriority);
        QTRY_VERIFY_WITH_TIMEOUT(generateur.isNull(), 30000);

        QCOMPARE(signal.count(), 1);
        // The outcome says why, just before its code.
        QCOMPARE(details.count(), 1);
        const Resultat detail = details.at(0).at(0).value<Resultat>();
        QCOMPARE(detail.estReussi(), code == 0);
        if (cas == QLatin1String("manquant"))
            QVERIFY(detail.getMessage().contains(QStringLiteral("Day 2: the file ")));
        QCOMPARE(signal.at(0).at(0).toInt(), code);
        QCOMPARE(signal.at(0).at(1).toString(), sortie);
        QCOMPARE(recepteur.resultats.size(), 1);
        QCOMPARE(recepteur.resultats.at(0), qMakePair(code, sortie));
        QVERIFY(recepteur.surLeFilPrincipal);
        QCOMPARE(QDir(courant).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
            QStringList{QStringLiteral("a-garder")});

        if (code == 0) {
            QCOMPARE(fichiersMedia(sortie).size(), 3);
            QCOMPARE(lire(sortie + QStringLiteral("/scripts/calendrier.js")).contains("\nbypass = true;\n"),
                apercu);
        }
        if (cas == QLatin1String("aucun"))
            QVERIFY(!QFileInfo::exists(sortie));
    }

    void arretPendantUnJour_data()
    {
        QTest::addColumn<bool>("parDestruction");
        QTest::newRow("stop asked") << false;
        QTest::newRow("worker destroyed with its parent") << true;
    }
    void arretPendantUnJour()
    {
        QFETCH(bool, parDestruction);

        QSemaphore atteinte;
        QSemaphore reprise;
        Calendrier calendrier(QStringLiteral("arret"));
        ajouterPhotosRetenues(calendrier, atteinte, reprise);
        const QString sortie = nouveauChemin(QStringLiteral("site"));
        // The previous site is still there, whole, after the stop.
        Calendrier ancien(QStringLiteral("ancien"));
        ajouterPhotos(ancien, 2, 100);
        QCOMPARE(GestionnaireFichiers().generer(ancien, sortie, false), 0);
        const QMap<QString, QByteArray> avant = arborescence(sortie);

        auto *fenetre = new QObject;
        Generateur *generateur = new Generateur(fenetre, &calendrier, sortie, false);
        QSignalSpy signal(generateur, &Generateur::resultatDisponible);
        QSignalSpy fin(generateur, &QThread::finished);
        Recepteur recepteur;
        recepteur.brancher(generateur);
        generateur->start();

        // Day 2 is being written when the stop comes: it is finished, day 3 never starts.
        QVERIFY(atteinte.tryAcquire(1, 30000));
        if (parDestruction) {
            // Day 2 goes on only once the worker is being destroyed with its parent.
            std::thread plusTard([&] {
                std::this_thread::sleep_for(std::chrono::milliseconds(200));
                reprise.release();
            });
            delete fenetre;
            plusTard.join();
        } else {
            generateur->requestInterruption();
            reprise.release();
            QVERIFY(generateur->wait(30000));
            QTRY_COMPARE(fin.count(), 1);
            delete fenetre;
        }
        QCoreApplication::processEvents();

        QCOMPARE(signal.count(), 0);
        QVERIFY(recepteur.resultats.isEmpty());
        QVERIFY(arborescence(sortie) == avant);
        QCOMPARE(chantiersRestants(sortie), QStringList());
    }

    void arretDUneLongueExecution()
    {
        // Large media, stopped as soon as the first one is in place.
        Calendrier calendrier(QStringLiteral("long"));
        ajouterPhotos(calendrier, 31, 32 * 1024 * 1024);
        const QString sortie = nouveauChemin(QStringLiteral("site"));
        QObject fenetre;
        QPointer<Generateur> generateur = new Generateur(&fenetre, &calendrier, sortie, true);
        QSignalSpy signal(generateur.data(), &Generateur::resultatDisponible);
        connect(generateur.data(), &QThread::finished, generateur.data(), &QObject::deleteLater);
        generateur->start();

        // A tight poll on the staging folder: the whole run takes well under a second.
        auto mediasConstruits = [&] {
            const QStringList chantiers = chantiersRestants(sortie);
            return chantiers.isEmpty() ? QStringList()
                                       : fichiersMedia(chantiers.first() + QStringLiteral("/site"));
        };
        QElapsedTimer attente;
        attente.start();
        while (mediasConstruits().isEmpty() && !generateur->isFinished() && attente.elapsed() < 30000)
            QThread::usleep(200);
        if (generateur->isFinished())
            QSKIP("The run ended before the test could ask it to stop (a very loaded machine)");
        generateur->requestInterruption();
        QTRY_VERIFY_WITH_TIMEOUT(generateur.isNull(), 30000);

        QCOMPARE(signal.count(), 0);
        // Nothing of the stopped run is left: the directory did not exist and still does not.
        QVERIFY(!QFileInfo::exists(sortie));
        QCOMPARE(chantiersRestants(sortie), QStringList());
    }

    void arretAvantLeDebut()
    {
        Calendrier calendrier(QStringLiteral("tot"));
        ajouterPhotos(calendrier, 5, 100);
        const QString sortie = nouveauChemin(QStringLiteral("site"));
        Generateur generateur(nullptr, &calendrier, sortie, false);
        QSignalSpy signal(&generateur, &Generateur::resultatDisponible);
        generateur.start();
        generateur.requestInterruption();
        QVERIFY(generateur.wait(30000));
        QCoreApplication::processEvents();
        // The template copy comes before the first day; only a very loaded machine lets
        // the worker through it before the request above.
        if (!fichiersMedia(sortie).isEmpty())
            QSKIP(
                "The run reached its first day before the test could ask it to stop (a very loaded machine)");
        QCOMPARE(signal.count(), 0);
    }

    // The service works on the calendar as it was handed over, and says what it wrote.
    void serviceSurUneCopie_data()
    {
        QTest::addColumn<QString>("cas");
        QTest::newRow("original changed and deleted during the run") << "change";
        QTest::newRow("stopped before it starts") << "arret";
        QTest::newRow("no calendar") << "aucun";
    }
    void serviceSurUneCopie()
    {
        QFETCH(QString, cas);
        auto original = std::make_unique<Calendrier>(QStringLiteral("copie"));
        ajouterPhotos(*original, 3, 100);
        const QString sortie = nouveauChemin(QStringLiteral("site"));
        QVERIFY(QDir().mkpath(sortie));
        QVERIFY(ecrire(sortie + QStringLiteral("/ancien.txt"), "x"));

        ServiceGeneration service;
        service.setCalendrier(cas == QLatin1String("aucun") ? nullptr : original.get());
        service.setRepertoire(sortie);
        PolitiqueSortie::accepterEffacement(sortie);
        original->ajouterMedia(4, new Image(original->getMedia(1)->getUrl()));
        original.reset();
        if (cas == QLatin1String("arret"))
            service.arreter();
        const Resultat resultat = service.executer();

        if (cas == QLatin1String("change")) {
            QVERIFY2(resultat, qPrintable(resultat.getMessage()));
            QCOMPARE(fichiersMedia(sortie).size(), 3);
            QStringList attendus = arborescence(sortie).keys();
            attendus.sort();
            QCOMPARE(service.getFichiers(), attendus);
            return;
        }
        QCOMPARE(resultat.getCause(),
            cas == QLatin1String("arret") ? Resultat::Cause::Interrompu : Resultat::Cause::SansCalendrier);
        QVERIFY(!resultat.getMessage().isEmpty());
        QVERIFY(service.getFichiers().isEmpty());
        QCOMPARE(arborescence(sortie).keys(), QStringList{QStringLiteral("ancien.txt")});
    }
};

QTEST_MAIN(TestGenerateur)
#include "tst_generateur.moc"
