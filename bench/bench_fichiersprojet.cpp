// Saving and loading project files, against a bare QDomDocument serialise / parse of the
// same file measured in the same run: the floor the file manager cannot beat.
#include "gestionnairefichiers.h"
#include "mesure.h"
#include "modele/calendrier.h"
#include "modele/image.h"
#include "modele/son.h"
#include "modele/video.h"

#include <QCoreApplication>
#include <QDomDocument>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace {

void remplir(Calendrier &calendrier, int jours)
{
    for (int jour = 1; jour <= jours; ++jour) {
        const QString url = QStringLiteral("/home/utilisateur/Images/calendrier/jour-%1.jpg").arg(jour);
        switch (jour % 3) {
        case 0:
            calendrier.ajouterMedia(jour, new Image(url));
            break;
        case 1:
            calendrier.ajouterMedia(jour, new Son(url));
            break;
        default:
            calendrier.ajouterMedia(jour, new Video(url));
            break;
        }
    }
}

void mesurer(const QString &repertoire, int jours, int repetitions)
{
    Calendrier calendrier(QStringLiteral("Avent"));
    remplir(calendrier, jours);
    const QString chemin = repertoire + QStringLiteral("/bench.xml");
    GestionnaireFichiers gestionnaire;

    const double enregistrer = medianeMs(repetitions, [&] {
        if (gestionnaire.creerFichierDepuisCalendrier(calendrier, chemin) != 0)
            std::fprintf(stderr, "save failed\n");
    });
    // Floor for a save: serialising a ready document and writing it out in place.
    QDomDocument pret;
    gestionnaire.creerDomDepuisCalendrier(calendrier, pret);
    const double serialiser = medianeMs(repetitions, [&] {
        QFile fichier(repertoire + QStringLiteral("/plancher.xml"));
        fichier.open(QIODevice::WriteOnly | QIODevice::Truncate);
        fichier.write(pret.toByteArray(1));
    });

    const double charger = medianeMs(repetitions, [&] {
        Calendrier lu;
        if (gestionnaire.creerCalendrierDepuisFichier(chemin, lu) != 0)
            std::fprintf(stderr, "load failed\n");
    });
    const double analyser = medianeMs(repetitions, [&] {
        QFile fichier(chemin);
        fichier.open(QIODevice::ReadOnly);
        QDomDocument document;
        document.setContent(&fichier, false);
    });

    const qint64 taille = QFile(chemin).size();
    std::printf("%6d days (%8lld bytes): save %9.3f ms (x%.2f of serialise %9.3f ms), "
                "load %9.3f ms (x%.2f of parse %9.3f ms)\n",
        jours, static_cast<long long>(taille), enregistrer, enregistrer / serialiser, serialiser, charger,
        charger / analyser, analyser);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QTemporaryDir repertoire;
    std::printf(
        "Project files, median of repeated runs, ratio against a bare QDomDocument in the same run\n");
    mesurer(repertoire.path(), 31, 300);
    mesurer(repertoire.path(), 100000, 5);
    return 0;
}
