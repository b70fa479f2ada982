#include "document/changementoptions.h"

#include "chiffrement/chainecles.h"
#include "document/documentcalendrier.h"
#include "modele/calendrier.h"

ChangementOptions::ChangementOptions(DocumentCalendrier &document, const OptionsCalendrier &choisies)
    : QUndoCommand(tr("Options")), document(document), apres(choisies)
{
    if (document.getCalendrier() != nullptr)
        avant = document.getCalendrier()->getOptions();
}

void ChangementOptions::undo()
{
    appliquer(avant);
}

void ChangementOptions::redo()
{
    appliquer(apres);
}

void ChangementOptions::appliquer(const OptionsCalendrier &options)
{
    Calendrier *calendrier = document.getCalendrier();
    if (calendrier == nullptr)
        return;
    // Undo and redo take a locked calendar's key chain along, as Options does.
    Calendrier cible(calendrier->getNom());
    cible.setOptions(options);
    const Resultat chaine = ChaineCles::emporter(*calendrier, cible);
    calendrier->setOptions(options);
    document.signalerModification();
    if (!chaine)
        document.signalerEchec(chaine);
}
