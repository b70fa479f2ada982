#pragma once

#include "modele/optionscalendrier.h"

#include <QCoreApplication>
#include <QUndoCommand>

class DocumentCalendrier;

/// One step of the history that changes the calendar's options (not its name nor its days).
/// Done or undone, it takes a locked calendar's key chain to the publishing address it sets.
class ChangementOptions : public QUndoCommand
{
    Q_DECLARE_TR_FUNCTIONS(ChangementOptions)

public:
    /// The calendar of `document` gets the options `choisies`.
    ChangementOptions(DocumentCalendrier &document, const OptionsCalendrier &choisies);

    void undo() override;
    void redo() override;

private:
    void appliquer(const OptionsCalendrier &options);

    DocumentCalendrier &document;
    OptionsCalendrier avant;
    const OptionsCalendrier apres;
};
