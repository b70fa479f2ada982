#include "service/servicegeneration.h"

#include "conversion/planconversions.h"
#include "format/interruption.h"
#include "modele/calendrier.h"
#include "modele/media.h"
#include "site/generationsite.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QDomElement>
#include <QThread>

namespace {

std::unique_ptr<Calendrier> copie(Calendrier const &original)
{
    auto calendrier = std::make_unique<Calendrier>(original.getNom());
    calendrier->setOptions(original.getOptions());
    const QMap<int, Media *> &contenu = original.getContenuConstant();
    for (auto it = contenu.constBegin(); it != contenu.constEnd(); ++it) {
        if (it.value() != nullptr)
            calendrier->ajouterMedia(it.key(), it.value()->copier());
    }
    return calendrier;
}

} // namespace

ServiceGeneration::ServiceGeneration(QObject *parent) : QObject(parent) {}

ServiceGeneration::~ServiceGeneration() = default;

void ServiceGeneration::setCalendrier(Calendrier const *original)
{
    calendrier = original != nullptr ? copie(*original) : nullptr;
}

Calendrier const *ServiceGeneration::getCalendrier() const
{
    return calendrier.get();
}

void ServiceGeneration::setRepertoire(QString const &nouveau)
{
    repertoire = nouveau;
}

QString ServiceGeneration::getRepertoire() const
{
    return repertoire;
}

void ServiceGeneration::setApercu(bool nouveau)
{
    apercu = nouveau;
}

bool ServiceGeneration::getApercu() const
{
    return apercu;
}

void ServiceGeneration::setInstant(QDateTime const &nouveau)
{
    instant = nouveau;
}

void ServiceGeneration::setMotDePasse(QString const &nouveau)
{
    motDePasse = nouveau;
}

QString ServiceGeneration::getAvis() const
{
    return avis;
}

void ServiceGeneration::arreter()
{
    arret = true;
    if (QThread *courant = fil)
        courant->requestInterruption();
    // The running ffmpeg ends now rather than at the end of its file.
    if (fil != nullptr)
        Interruption::interrompreConversion();
}

bool ServiceGeneration::arretDemande() const
{
    return arret || Interruption::demandee();
}

QStringList ServiceGeneration::getFichiers() const
{
    return fichiers;
}

Resultat ServiceGeneration::executer()
{
    // The generation looks at its thread between days: a stop asked from elsewhere reaches it
    // through the thread (never the main one, which cannot be interrupted).
    struct Fil {
        std::atomic<QThread *> &fil;
        explicit Fil(std::atomic<QThread *> &f) : fil(f)
        {
            if (QThread::currentThread() != QCoreApplication::instance()->thread())
                fil = QThread::currentThread();
        }
        ~Fil()
        {
            fil = nullptr;
        }
    } garde(fil);
    fichiers.clear();
    avis.clear();
    if (calendrier == nullptr)
        return Resultat::echec(Resultat::Cause::SansCalendrier, tr("There is no calendar to generate."));

    // Conversions first, day by day for whoever shows progress; the generation then copies.
    const Resultat conversions =
        PlanConversions::instance().preparer(*calendrier, [this](int jour, int rang, int total) {
            emit conversionAvancee(jour, rang, total);
            return !arretDemande();
        });
    if (!conversions)
        return conversions;
    if (arretDemande())
        return Resultat::echec(Resultat::Cause::Interrompu,
            tr("The generation was stopped; %1 was left as it was.")
                .arg(Resultat::cheminLisible(repertoire)));

    const Resultat generation =
        GenerationSite::generer(*calendrier, repertoire, apercu, instant, motDePasse, &avis);
    if (!generation)
        return generation;

    const QDir racine(repertoire);
    QDirIterator parcours(
        repertoire, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (parcours.hasNext())
        fichiers << racine.relativeFilePath(parcours.next());
    fichiers.sort();
    return Resultat();
}
