#include "generation/generateur.h"

#include "format/interruption.h"
#include "gestionnairefichiers.h"
#include "modele/calendrier.h"

Generateur::Generateur(
    QObject *parent, Calendrier *calendrier, QString repertoireExport, bool modeApercuActif)
    : QThread(parent)
{
    qRegisterMetaType<Resultat>();
    setCalendrier(calendrier);
    setRepertoireExport(repertoireExport);
    setModeApercuActif(modeApercuActif);
    // From the worker thread, as the run emits its own signals.
    connect(&service, &ServiceGeneration::conversionAvancee, this, &Generateur::conversionAvancee,
        Qt::DirectConnection);
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
    service.setCalendrier(calendrier);
}

QString Generateur::getRepertoireExport() const
{
    return service.getRepertoire();
}

void Generateur::setRepertoireExport(QString const &repertoireExport)
{
    service.setRepertoire(repertoireExport);
}

bool Generateur::getModeApercuActif() const
{
    return service.getApercu();
}

void Generateur::setModeApercuActif(bool modeApercuActif)
{
    service.setApercu(modeApercuActif);
}

void Generateur::setMotDePasse(QString const &nouveauMotDePasse)
{
    service.setMotDePasse(nouveauMotDePasse);
}

void Generateur::run()
{
    GestionnaireFichiers gestionnaire; // registers the template's resources on this thread
    const Resultat resultat = service.executer();
    // Whoever asked for the stop has gone on without this run: it must show nothing more.
    if (resultat.getCause() == Resultat::Cause::Interrompu || isInterruptionRequested())
        return;
    emit resultatDetaille(resultat, service.getAvis());
    emit resultatDisponible(GestionnaireFichiers::codeDe(resultat), service.getRepertoire());
}

void Generateur::setInstantApercu(QDateTime const &instant)
{
    service.setInstant(instant);
}
