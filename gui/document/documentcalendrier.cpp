#include "document/documentcalendrier.h"

#include "modele/calendrier.h"

DocumentCalendrier::DocumentCalendrier(QObject *parent) : QObject(parent)
{
    // Failures may be queued to the window and watched by tests.
    qRegisterMetaType<Resultat>();
    pile.setObjectName(QStringLiteral("historique"));
    connect(
        &pile, &QUndoStack::cleanChanged, this, [this](bool propre) { emit modificationChangee(!propre); });
}

DocumentCalendrier::~DocumentCalendrier()
{
    // The steps refer to the calendar: they go first, without telling anyone.
    pile.blockSignals(true);
    pile.clear();
    delete calendrier;
}

Calendrier *DocumentCalendrier::getCalendrier() const
{
    return calendrier;
}

QString DocumentCalendrier::getChemin() const
{
    return chemin;
}

void DocumentCalendrier::setChemin(const QString &chemin)
{
    this->chemin = chemin;
    emit fichierChange();
}

bool DocumentCalendrier::estLectureSeule() const
{
    return lectureSeule;
}

void DocumentCalendrier::setCalendrier(Calendrier *calendrier)
{
    if (this->calendrier != calendrier) {
        // No step may act on a calendar other than the one it was recorded on.
        pile.clear();
        delete this->calendrier;
        this->calendrier = calendrier;
    }
    emit calendrierChange();
}

void DocumentCalendrier::remplacer(Calendrier *calendrier, const QString &chemin, bool lectureSeule)
{
    this->chemin = chemin;
    this->lectureSeule = lectureSeule;
    setCalendrier(calendrier);
    pile.setClean();
    emit fichierChange();
}

QUndoStack &DocumentCalendrier::getPile()
{
    return pile;
}

void DocumentCalendrier::executer(QUndoCommand *commande)
{
    pile.push(commande);
}

bool DocumentCalendrier::estModifie() const
{
    return !pile.isClean();
}

void DocumentCalendrier::marquerModifie()
{
    pile.resetClean();
}

void DocumentCalendrier::marquerEnregistre(const QString &chemin)
{
    this->chemin = chemin;
    lectureSeule = false;
    pile.setClean();
    emit fichierChange();
}

void DocumentCalendrier::signalerEchec(const Resultat &resultat)
{
    emit echec(resultat);
}

void DocumentCalendrier::signalerModification()
{
    emit calendrierChange();
}

void DocumentCalendrier::demanderOuverture(const QString &chemin)
{
    emit ouvertureDemandee(chemin);
}
