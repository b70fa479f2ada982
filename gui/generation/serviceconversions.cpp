#include "generation/serviceconversions.h"

#include "conversion/planconversions.h"
#include "modele/calendrier.h"
#include "site/generationsite.h"
#include "site/miseenformetaille.h"

#include <QCoreApplication>

ServiceConversions::ServiceConversions(QObject *parent) : QObject(parent)
{
    // Emitted from a worker thread: queued to this object's thread.
    connect(&PlanConversions::instance(), &PlanConversions::publicationPrete, this,
        &ServiceConversions::conversionTerminee, Qt::QueuedConnection);
    // A long video must not hold the program once its event loop has ended.
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this,
        [] { PlanConversions::instance().abandonner(); });
}

ServiceConversions::~ServiceConversions() = default;

void ServiceConversions::suivre(Calendrier const &calendrier)
{
    PlanConversions::instance().demarrer(calendrier);
}

QString ServiceConversions::texteTaille(Calendrier const &calendrier)
{
    long long taille = 0;
    bool provisoire = false;
    // The code is not examined: the estimate shows whatever the walk could count.
    GenerationSite::calculerTaille(calendrier, &taille, &provisoire);
    QString valeur;
    QString unite;
    mettreEnFormeTailleLocale(taille, &valeur, &unite);
    const QString texte = QCoreApplication::translate("FenetrePrincipale", "Size: %1 %2").arg(valeur, unite);
    return provisoire ? texte + QCoreApplication::translate("FenetrePrincipale", " (converting media...)")
                      : texte;
}

QString ServiceConversions::avertissement(QString const &fichier, int type)
{
    return PlanConversions::avertissementFfmpeg(fichier, Media::TypeMedia(type));
}
