#include "document/changementoptions.h"

#include "document/documentcalendrier.h"
#include "modele/calendrier.h"

ChangementOptions::ChangementOptions(DocumentCalendrier &document, const Calendrier &choisies)
    : QUndoCommand(tr("Options")),
      document(document),
      avant(std::make_unique<Calendrier>()),
      apres(std::make_unique<Calendrier>())
{
    if (document.getCalendrier() != nullptr)
        avant->copierOptions(*document.getCalendrier());
    apres->copierOptions(choisies);
}

ChangementOptions::~ChangementOptions() = default;

void ChangementOptions::undo()
{
    appliquer(*avant);
}

void ChangementOptions::redo()
{
    appliquer(*apres);
}

void ChangementOptions::appliquer(const Calendrier &options)
{
    if (document.getCalendrier() == nullptr)
        return;
    document.getCalendrier()->copierOptions(options);
    document.signalerModification();
}
