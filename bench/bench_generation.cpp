// Generating a full calendar of large media, against `cp -r` of the same media files
// measured in the same run (the copy is nearly all of a generation's work), and the
// size estimate that the main window recomputes on the GUI thread after every change.
#include "gestionnairefichiers.h"
#include "mesure.h"
#include "modele/calendrier.h"
#include "modele/image.h"
#include "modele/son.h"
#include "modele/video.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

const int JOURS = 31;
const qint64 TAILLE_MEDIA = 32 * 1024 * 1024;
const int TOURS = 7;

double chronometrerMs(const std::function<void()> &operation)
{
    // Write-back of the previous round's gigabyte would otherwise land on this one.
    ::sync();
    QElapsedTimer chrono;
    chrono.start();
    operation();
    return chrono.nsecsElapsed() / 1e6;
}

// Real bytes (no sparse file), different in every file.
bool creerMedia(const QString &chemin, int graine)
{
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly))
        return false;
    QByteArray bloc(1024 * 1024, Qt::Uninitialized);
    quint32 etat = 2166136261u ^ quint32(graine);
    for (qint64 ecrit = 0; ecrit < TAILLE_MEDIA; ecrit += bloc.size()) {
        for (char &octet : bloc) {
            etat = etat * 1664525u + 1013904223u;
            octet = char(etat >> 24);
        }
        if (fichier.write(bloc) != bloc.size())
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QTemporaryDir temp;
    if (!temp.isValid()) {
        std::fprintf(stderr, "no temporary directory\n");
        return 1;
    }

    const QString medias = temp.filePath(QStringLiteral("medias"));
    QDir().mkpath(medias);
    Calendrier calendrier(QStringLiteral("Avent"));
    for (int jour = 1; jour <= JOURS; ++jour) {
        const QString chemin = QStringLiteral("%1/jour-%2.bin").arg(medias).arg(jour);
        if (!creerMedia(chemin, jour)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(chemin));
            return 1;
        }
        switch (jour % 3) {
        case 0:
            calendrier.ajouterMedia(jour, new Image(chemin));
            break;
        case 1:
            calendrier.ajouterMedia(jour, new Son(chemin));
            break;
        default:
            calendrier.ajouterMedia(jour, new Video(chemin));
            break;
        }
    }

    GestionnaireFichiers gestionnaire;
    const QString copie = temp.filePath(QStringLiteral("copie"));
    const QString site = temp.filePath(QStringLiteral("site"));
    std::vector<double> tempsCopie;
    std::vector<double> tempsGeneration;
    std::vector<double> tempsRemplacement;
    std::vector<double> tempsRecopie;
    std::vector<double> tempsEffacerCopier;
    for (int tour = 0; tour < TOURS; ++tour) {
        // Alternate the order so that write-back of the previous round weighs on both alike.
        auto copier = [&] {
            tempsCopie.push_back(chronometrerMs([&] {
                if (QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-r"), medias, copie}) != 0)
                    std::fprintf(stderr, "cp -r failed\n");
            }));
            // Replacing that copy by hand, as safely: copy beside it, then swap and remove the old.
            tempsRecopie.push_back(chronometrerMs([&] {
                if (QProcess::execute(QStringLiteral("sh"),
                        {QStringLiteral("-c"),
                            QStringLiteral(
                                "cp -r \"$2\" \"$1.new\" && rm -rf \"$1\" && mv \"$1.new\" \"$1\""),
                            QStringLiteral("sh"), copie, medias})
                    != 0)
                    std::fprintf(stderr, "cp -r then rm -rf failed\n");
            }));
            // The unsafe way, for reference: remove it first, then copy.
            tempsEffacerCopier.push_back(chronometrerMs([&] {
                if (QProcess::execute(QStringLiteral("sh"),
                        {QStringLiteral("-c"), QStringLiteral("rm -rf \"$1\" && cp -r \"$2\" \"$1\""),
                            QStringLiteral("sh"), copie, medias})
                    != 0)
                    std::fprintf(stderr, "rm -rf then cp -r failed\n");
            }));
            QDir(copie).removeRecursively();
        };
        // Into a new directory, then again over that site: the usual case, where last
        // week's site is replaced (built aside, moved in by renames, the old one removed).
        auto generer = [&] {
            tempsGeneration.push_back(chronometrerMs([&] {
                if (gestionnaire.generer(calendrier, site, false) != 0)
                    std::fprintf(stderr, "generation failed\n");
            }));
            tempsRemplacement.push_back(chronometrerMs([&] {
                if (gestionnaire.generer(calendrier, site, false) != 0)
                    std::fprintf(stderr, "generation failed\n");
            }));
            QDir(site).removeRecursively();
        };
        if (tour % 2 == 0) {
            copier();
            generer();
        } else {
            generer();
            copier();
        }
    }
    // What a generation adds to the copy: the template and the script lines.
    Calendrier vide(QStringLiteral("Avent"));
    std::vector<double> tempsModele;
    for (int tour = 0; tour < TOURS; ++tour) {
        tempsModele.push_back(chronometrerMs([&] { gestionnaire.generer(vide, site, false); }));
        QDir(site).removeRecursively();
    }

    const double copieMs = mediane(tempsCopie);
    const double generationMs = mediane(tempsGeneration);
    std::printf("generation of %d media of %lld MB: %8.1f ms; cp -r of the same files: %8.1f ms; "
                "ratio %.2f (goal <= 1.2); median of %d rounds\n",
        JOURS, TAILLE_MEDIA / (1024 * 1024), generationMs, copieMs, generationMs / copieMs, TOURS);
    const double remplacementMs = mediane(tempsRemplacement);
    const double recopieMs = mediane(tempsRecopie);
    std::printf("the same generation replacing an earlier full site: %8.1f ms; cp -r beside an earlier copy, "
                "then rm -rf of it: %8.1f ms; ratio %.2f (rm -rf first, then cp -r: %.1f ms)\n",
        remplacementMs, recopieMs, remplacementMs / recopieMs, mediane(tempsEffacerCopier));
    std::printf("generation of an empty calendar (template alone): %.1f ms\n", mediane(tempsModele));

    // The size estimate of a full calendar, against a bare stat of the same media files.
    const int appels = 200;
    long long taille = 0;
    const double estimationMs = chronometrerMs([&] {
        for (int i = 0; i < appels; ++i)
            gestionnaire.calculer_taille(calendrier, &taille);
    }) / appels;
    const double statMs = chronometrerMs([&] {
        for (int i = 0; i < appels; ++i) {
            qint64 total = 0;
            for (const Media *media : calendrier.getContenuConstant())
                total += QFileInfo(media->getUrl()).size();
            Q_UNUSED(total);
        }
    }) / appels;
    std::printf("size estimate of a full calendar (%lld bytes): %.3f ms per call (goal well under 5 ms); "
                "stat of its %d media alone: %.3f ms\n",
        taille, estimationMs, JOURS, statMs);
    return 0;
}
