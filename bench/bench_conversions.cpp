// Phone photos made fit for the web, against baselines measured in the same run:
// - converting 31 photos of 4032 × 3024 (JPEG quality 92) to at most 2560 px, JPEG
//   quality 85, against Debian's vipsthumbnail doing the same;
// - regenerating the unchanged calendar, into a new directory and over its own site,
//   against `cp -r` of the site it makes;
// - the bytes published for a photo, against the original.
// The photos are synthetic: smooth shapes and gradients under sensor-like noise, tuned
// to weigh about what a phone's photo of that size weighs (3 to 4 MB).
#include "conversion/planconversions.h"
#include "gestionnairefichiers.h"
#include "mesure.h"
#include "modele/calendrier.h"
#include "modele/image.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

const int PHOTOS = 31;
const int TOURS = 5;

QImage photoDeTelephone()
{
    QImage image(4032, 3024, QImage::Format_RGB32);
    QPainter peintre(&image);
    QLinearGradient ciel(0, 0, 0, 3024);
    ciel.setColorAt(0, QColor(120, 170, 220));
    ciel.setColorAt(0.55, QColor(230, 220, 200));
    ciel.setColorAt(1, QColor(70, 90, 50));
    peintre.fillRect(image.rect(), ciel);
    QRandomGenerator hasard(7);
    peintre.setPen(Qt::NoPen);
    for (int i = 0; i < 60; ++i) {
        QRadialGradient tache(hasard.bounded(4032), hasard.bounded(3024), 100 + hasard.bounded(600));
        tache.setColorAt(0, QColor(hasard.bounded(256), hasard.bounded(256), hasard.bounded(256), 200));
        tache.setColorAt(1, QColor(0, 0, 0, 0));
        peintre.setBrush(tache);
        peintre.drawEllipse(tache.center(), tache.radius(), tache.radius());
    }
    peintre.end();
    // Sensor noise: what makes a phone's JPEG heavy.
    for (int y = 0; y < image.height(); ++y) {
        QRgb *ligne = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int bruit = int(hasard.bounded(15)) - 7;
            const QRgb p = ligne[x];
            ligne[x] = qRgb(qBound(0, qRed(p) + bruit, 255), qBound(0, qGreen(p) + bruit, 255),
                qBound(0, qBlue(p) + bruit, 255));
        }
    }
    return image;
}

qint64 tailleFichiers(const QString &repertoire, const QStringList &filtres)
{
    qint64 total = 0;
    for (const QFileInfo &info : QDir(repertoire).entryInfoList(filtres, QDir::Files))
        total += info.size();
    return total;
}

double chronometrerMs(const std::function<void()> &operation)
{
    QElapsedTimer chrono;
    chrono.start();
    operation();
    return chrono.nsecsElapsed() / 1e6;
}

bool executer(const QString &programme, const QStringList &arguments)
{
    return QProcess::execute(programme, arguments) == 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir temp;
    // The program's conversions go to a cache of this run only.
    qputenv("XDG_CACHE_HOME", temp.filePath(QStringLiteral("cache")).toLocal8Bit());
    QCoreApplication application(argc, argv);
    if (!temp.isValid() || QStandardPaths::findExecutable(QStringLiteral("vipsthumbnail")).isEmpty()) {
        std::fprintf(stderr, "needs a temporary directory and vipsthumbnail (libvips-tools)\n");
        return 1;
    }

    const QString photos = temp.filePath(QStringLiteral("photos"));
    QDir().mkpath(photos);
    QImage base = photoDeTelephone();
    Calendrier calendrier(QStringLiteral("Avent"));
    QStringList fichiers;
    for (int jour = 1; jour <= PHOTOS; ++jour) {
        // One pixel apart: 31 different sources, as many conversions.
        base.setPixel(jour, 0, qRgb(jour, jour, jour));
        const QString chemin = QStringLiteral("%1/IMG_%2.jpg").arg(photos).arg(jour, 4, 10, QLatin1Char('0'));
        QImageWriter ecrivain(chemin, "jpeg");
        ecrivain.setQuality(92);
        if (!ecrivain.write(base)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(chemin));
            return 1;
        }
        fichiers << chemin;
        calendrier.ajouterMedia(jour, new Image(chemin));
    }

    // 1. Conversion, the program against vipsthumbnail, both with every core.
    const QString vips = temp.filePath(QStringLiteral("vips"));
    QDir().mkpath(vips);
    const double dureeVips = chronometrerMs([&] {
        executer(QStringLiteral("vipsthumbnail"),
            QStringList{QStringLiteral("--size"), QStringLiteral("2560x2560"), QStringLiteral("-o"),
                vips + QStringLiteral("/%s.jpg[Q=85,strip,interlace]")}
                + fichiers);
    });
    const double dureeProgramme = chronometrerMs([&] {
        const Resultat resultat = PlanConversions::instance().preparer(calendrier, nullptr);
        if (!resultat)
            std::fprintf(stderr, "conversion failed: %s\n", qPrintable(resultat.getMessage()));
    });

    // 2. Regeneration of the unchanged calendar against copying its site.
    GestionnaireFichiers gestionnaire;
    const QString site = temp.filePath(QStringLiteral("site"));
    if (gestionnaire.generer(calendrier, site, false) != 0) {
        std::fprintf(stderr, "generation failed\n");
        return 1;
    }
    std::vector<double> regenerations;
    std::vector<double> remplacements;
    std::vector<double> copies;
    for (int tour = 0; tour < TOURS; ++tour) {
        const QString cible = temp.filePath(QStringLiteral("regeneration-%1").arg(tour));
        regenerations.push_back(chronometrerMs([&] { gestionnaire.generer(calendrier, cible, false); }));
        // The usual case: last time's site replaced by the same.
        remplacements.push_back(chronometrerMs([&] { gestionnaire.generer(calendrier, site, false); }));
        const QString copie = temp.filePath(QStringLiteral("copie-%1").arg(tour));
        copies.push_back(chronometrerMs([&] {
            executer(QStringLiteral("cp"), {QStringLiteral("-r"), site, copie});
        }));
    }

    // 3. Bytes published, against the originals (the site of "Publish files exactly as chosen").
    const qint64 originaux = tailleFichiers(photos, {QStringLiteral("*.jpg")});
    const qint64 publies = tailleFichiers(site + QStringLiteral("/data"), {QStringLiteral("*.jpg")});
    OptionsCalendrier options = calendrier.getOptions();
    options.originaux = true;
    calendrier.setOptions(options);
    const QString siteOriginaux = temp.filePath(QStringLiteral("site-originaux"));
    gestionnaire.generer(calendrier, siteOriginaux, false);
    long long avant = 0;
    long long apres = 0;
    GestionnaireFichiers().calculer_taille(calendrier, &avant);
    options.originaux = false;
    calendrier.setOptions(options);
    GestionnaireFichiers().calculer_taille(calendrier, &apres);

    std::printf("%d photos of 4032 x 3024, JPEG quality 92, %.2f MB each on average\n", PHOTOS,
        originaux / double(PHOTOS) / 1e6);
    std::printf("conversion to 2560 px, quality 85: program %.0f ms, vipsthumbnail %.0f ms, ratio %.2f\n",
        dureeProgramme, dureeVips, dureeProgramme / dureeVips);
    std::printf("regeneration of the unchanged calendar: %.1f ms, cp -r of its site %.1f ms, ratio %.2f\n",
        mediane(regenerations), mediane(copies), mediane(regenerations) / mediane(copies));
    std::printf("the same over the site it replaces: %.1f ms, ratio %.2f\n", mediane(remplacements),
        mediane(remplacements) / mediane(copies));
    std::printf("bytes of a published photo: %.2f MB for %.2f MB, %.1f %% of the original\n",
        publies / double(PHOTOS) / 1e6, originaux / double(PHOTOS) / 1e6, 100.0 * publies / originaux);
    std::printf("site of the 31-photo calendar: %lld bytes as chosen, %lld bytes converted\n", avant, apres);
    return 0;
}
