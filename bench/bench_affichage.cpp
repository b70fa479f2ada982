// Showing a full calendar in the main window: afficherCalendrier resets and fills the 31
// tiles and walks the template and every media file for the size text, all on the GUI
// thread. The baseline, measured in the same run, is the size walk alone.
#include "fenetres/fenetreprincipale.h"
#include "gestionnairefichiers.h"
#include "mesure.h"
#include "modele/calendrier.h"
#include "modele/image.h"
#include "modele/son.h"
#include "modele/video.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv(
        "QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    Q_INIT_RESOURCE(gui);
    Q_INIT_RESOURCE(ressources);
    QApplication application(argc, argv);

    QTemporaryDir repertoire;
    auto *calendrier = new Calendrier(QStringLiteral("Avent"));
    for (int jour = 1; jour <= 31; ++jour) {
        const QString chemin =
            repertoire.filePath(QStringLiteral("media-%1-with-a-long-file-name.jpg").arg(jour));
        QFile fichier(chemin);
        fichier.open(QIODevice::WriteOnly);
        fichier.write(QByteArray(4096 * jour, 'x'));
        fichier.close();
        if (jour % 3 == 0)
            calendrier->ajouterMedia(jour, new Image(chemin));
        else if (jour % 3 == 1)
            calendrier->ajouterMedia(jour, new Son(chemin));
        else
            calendrier->ajouterMedia(jour, new Video(chemin));
    }

    FenetrePrincipale fenetre;
    fenetre.show();
    fenetre.afficherCalendrier(calendrier);
    application.processEvents();

    const int repetitions = 300;
    const double taille = medianeMs(repetitions, [&] {
        long long total = 0;
        GestionnaireFichiers().calculer_taille(*calendrier, &total);
    });
    const double affichage = medianeMs(repetitions, [&] { fenetre.afficherCalendrier(calendrier); });
    const double avecDessin = medianeMs(repetitions, [&] {
        fenetre.afficherCalendrier(calendrier);
        fenetre.repaint();
    });

    std::printf("Full calendar of 31 days, median of %d runs\n", repetitions);
    std::printf("  size walk alone (baseline)        %8.3f ms\n", taille);
    std::printf("  afficherCalendrier                %8.3f ms  (x%.1f of the size walk; goal under 5 ms)\n",
        affichage, affichage / taille);
    std::printf("  afficherCalendrier + full repaint %8.3f ms  (x%.1f of the size walk)\n", avecDessin,
        avecDessin / taille);
    return 0;
}
