// The tiles' thumbnails of 31 phone photos (12 megapixels), made in the background while
// the window's event loop keeps turning: how long until all are ready, how late a 10 ms
// timer of the event loop ever fires meanwhile, and how much memory they add. The baseline,
// measured in the same run, is one photo decoded at full size as a viewer would.

#include "conversion/fabriquevignettes.h"
#include "mesure.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

const int PHOTOS = 31;
const QSize TAILLE_PHOTO(4000, 3000);

// Resident memory of the process, in kilobytes.
qint64 memoireKo()
{
    QFile statut(QStringLiteral("/proc/self/status"));
    if (!statut.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &ligne : statut.readAll().split('\n')) {
        if (ligne.startsWith("VmRSS:"))
            return ligne.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication application(argc, argv);
    QTemporaryDir dossier;
    QTemporaryDir cache;

    // Photos with detail, so that the encoder and the decoder both have work.
    QStringList chemins;
    {
        QImage image(TAILLE_PHOTO, QImage::Format_RGB32);
        for (int i = 0; i < PHOTOS; ++i) {
            QPainter peintre(&image);
            QLinearGradient degrade(0, 0, TAILLE_PHOTO.width(), TAILLE_PHOTO.height());
            degrade.setColorAt(0, QColor::fromHsv((i * 37) % 360, 200, 220));
            degrade.setColorAt(1, QColor::fromHsv((i * 71 + 120) % 360, 180, 90));
            peintre.fillRect(image.rect(), degrade);
            peintre.setPen(Qt::white);
            for (int x = 0; x < TAILLE_PHOTO.width(); x += 97)
                peintre.drawLine(x, 0, TAILLE_PHOTO.width() - x, TAILLE_PHOTO.height());
            peintre.end();
            chemins << dossier.filePath(QStringLiteral("IMG_%1.jpg").arg(2000 + i));
            image.save(chemins.last(), "JPEG", 90);
        }
    }

    const double baseMs = medianeMs(3, [&chemins] { QImageReader(chemins.first()).read(); });

    const qint64 memoireAvant = memoireKo();
    FabriqueVignettes fabrique(nullptr, cache.path());
    int pretes = 0;
    QObject::connect(&fabrique, &FabriqueVignettes::prete, [&pretes] { ++pretes; });

    // The event loop's pulse: how late each 10 ms tick comes.
    QElapsedTimer depuisTic;
    qint64 retardMaxMs = 0;
    QTimer tic;
    tic.setTimerType(Qt::PreciseTimer);
    tic.setInterval(10);
    QObject::connect(&tic, &QTimer::timeout, [&] {
        retardMaxMs = std::max(retardMaxMs, depuisTic.elapsed() - 10);
        depuisTic.restart();
    });

    // The same pulse with nothing else to do first: what the machine itself costs.
    depuisTic.start();
    tic.start();
    QElapsedTimer chrono;
    chrono.start();
    while (chrono.elapsed() < 3000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    const qint64 retardAuReposMs = retardMaxMs;
    retardMaxMs = 0;

    chrono.restart();
    for (const QString &chemin : qAsConst(chemins))
        fabrique.vignette(chemin, Media::PHOTO);
    while (pretes < PHOTOS)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    const double totalMs = chrono.nsecsElapsed() / 1e6;
    tic.stop();
    const qint64 memoireApres = memoireKo();

    // A second maker over the same disk cache, as at the next start.
    FabriqueVignettes relance(nullptr, cache.path());
    int relues = 0;
    QObject::connect(&relance, &FabriqueVignettes::prete, [&relues] { ++relues; });
    chrono.restart();
    for (const QString &chemin : qAsConst(chemins))
        relance.vignette(chemin, Media::PHOTO);
    while (relues < PHOTOS)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    const double relanceMs = chrono.nsecsElapsed() / 1e6;

    std::printf("baseline: one 12-megapixel photo decoded at full size: %.0f ms\n", baseMs);
    std::printf(
        "31 thumbnails ready in %.0f ms (%.1fx the baseline; goal 3000 ms)\n", totalMs, totalMs / baseMs);
    std::printf("from the disk cache at the next start: %.0f ms (%.2fx the baseline)\n", relanceMs,
        relanceMs / baseMs);
    std::printf("event loop: latest 10 ms tick came %lld ms late (goal 50 ms); %lld ms with nothing to do\n",
        retardMaxMs, retardAuReposMs);
    std::printf("memory added: %.1f MB (goal 30 MB)\n", (memoireApres - memoireAvant) / 1024.0);
    return 0;
}
