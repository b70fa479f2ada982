#include "generation/generateur.h"

#include "conversion/planconversions.h"
#include "format/interruption.h"
#include "gestionnairefichiers.h"
#include "modele/calendrier.h"

Generateur::Generateur(
    QObject *parent, Calendrier *calendrier, QString repertoireExport, bool modeApercuActif)
    : QThread(parent)
{
    setCalendrier(calendrier);
    setRepertoireExport(repertoireExport);
    setModeApercuActif(modeApercuActif);
}

Generateur::~Generateur()
{
    // Destroying a thread that still runs aborts the program: let the generation stop
    // before its next day instead (its parent window may go first).
    if (isRunning())
        arreter();
    wait();
}

void Generateur::arreter()
{
    requestInterruption();
    Interruption::interrompreConversion();
}

Calendrier *Generateur::getCalendrier() const
{
    return calendrier;
}

void Generateur::setCalendrier(Calendrier *calendrier)
{
    this->calendrier = calendrier;
}

QString Generateur::getRepertoireExport() const
{
    return repertoireExport;
}

void Generateur::setRepertoireExport(QString const &repertoireExport)
{
    this->repertoireExport = repertoireExport;
}

bool Generateur::getModeApercuActif() const
{
    return modeApercuActif;
}

void Generateur::setModeApercuActif(bool modeApercuActif)
{
    this->modeApercuActif = modeApercuActif;
}

void Generateur::setMotDePasse(QString const &nouveauMotDePasse)
{
    motDePasse = nouveauMotDePasse;
}

void Generateur::run()
{
    GestionnaireFichiers gestionnaire;
    // Conversions first, day by day for the progress dialog; the generation then copies.
    QString echecConversion;
    if (calendrier != nullptr
        && !PlanConversions::instance().preparer(
            *calendrier,
            [this](int jour, int rang, int total) {
                emit conversionAvancee(jour, rang, total);
                return !isInterruptionRequested();
            },
            &echecConversion)) {
        if (!isInterruptionRequested()) {
            emit detailsErreurDisponibles(echecConversion);
            emit resultatDisponible(5, repertoireExport);
        }
        return;
    }
    // Without a calendar there is nothing to generate; the directory is left alone.
    const int resultat = calendrier == nullptr
        ? 3
        : gestionnaire.generer(*calendrier, repertoireExport, modeApercuActif, motDePasse);

    // Whoever asked for the stop has gone on without this run: it must show nothing more.
    if (resultat == GestionnaireFichiers::GENERATION_INTERROMPUE || isInterruptionRequested())
        return;
    if (resultat != 0)
        emit detailsErreurDisponibles(calendrier == nullptr ? tr("There is no calendar to generate.")
                                                            : gestionnaire.getDetailsErreur());
    emit resultatDisponible(resultat, repertoireExport);
}
