// Generating a private calendar of 31 photos against the same calendar without a password,
// in one session as the editor runs it: the first generation of each, then generating
// both again over their previous site.
#include "chiffrement/parametrescle.h"
#include "gestionnairefichiers.h"
#include "mesure.h"
#include "modele/calendrier.h"
#include "modele/image.h"
#include "site/generationsite.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

const int JOURS = 31;
const int TOURS = 5;

double generer(Calendrier const &calendrier, QString const &site, QString const &motDePasse)
{
    QElapsedTimer chrono;
    chrono.start();
    const Resultat resultat = GenerationSite::generer(calendrier, site, false, QDateTime(), motDePasse);
    if (!resultat) {
        std::fprintf(stderr, "generation failed: %s\n", qPrintable(resultat.getMessage()));
        std::exit(1);
    }
    return chrono.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QTemporaryDir temp;
    if (!temp.isValid())
        return 1;
    // The master key kept for the password goes into the run's own data folder.
    qputenv("XDG_DATA_HOME", QFile::encodeName(temp.filePath(QStringLiteral("donnees"))));
    GestionnaireFichiers gestionnaire;

    // Photos of noise, about 1.3 MB each, published as they are.
    Calendrier simple(QStringLiteral("Simple"));
    Calendrier prive(QStringLiteral("Prive"));
    QRandomGenerator hasard(5);
    for (int jour = 1; jour <= JOURS; ++jour) {
        QImage bruit(665, 665, QImage::Format_RGB32);
        for (int y = 0; y < bruit.height(); ++y)
            for (int x = 0; x < bruit.width(); ++x)
                bruit.setPixel(x, y, hasard.generate());
        const QString chemin = temp.filePath(QStringLiteral("photo-%1.png").arg(jour));
        if (!bruit.save(chemin, "PNG"))
            return 1;
        simple.ajouterMedia(jour, new Image(chemin));
        prive.ajouterMedia(jour, new Image(chemin));
    }
    OptionsCalendrier options;
    options.originaux = true;
    simple.setOptions(options);
    options.prive = true;
    options.cle = ParametresCle::nouveaux().texte();
    prive.setOptions(options);
    const QString motDePasse = QStringLiteral("un long mot de passe de sapin");

    const QString siteSimple = temp.filePath(QStringLiteral("simple"));
    const QString sitePrive = temp.filePath(QStringLiteral("prive"));
    const double premierSimple = generer(simple, siteSimple, QString());
    const double premierPrive = generer(prive, sitePrive, motDePasse);
    std::vector<double> simples;
    std::vector<double> prives;
    for (int i = 0; i < TOURS; ++i) {
        simples.push_back(generer(simple, siteSimple, QString()));
        prives.push_back(generer(prive, sitePrive, motDePasse));
    }
    std::printf("first generation of %d photos in a session: plain %.0f ms, private %.0f ms, ratio %.2f "
                "(the private one derives the password's key and encrypts every photo)\n",
        JOURS, premierSimple, premierPrive, premierPrive / premierSimple);
    std::printf("generating again in the same session: plain %.0f ms, private %.0f ms, ratio %.2f (at most "
                "1.30); median of %d rounds\n",
        mediane(simples), mediane(prives), mediane(prives) / mediane(simples), TOURS);
    return 0;
}
