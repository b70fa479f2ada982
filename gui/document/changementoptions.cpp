#include "document/changementoptions.h"

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
    if (document.getCalendrier() == nullptr)
        return;
    document.getCalendrier()->setOptions(options);
    document.signalerModification();
}
