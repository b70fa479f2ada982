#pragma once

#include <QCoreApplication>
#include <QUndoCommand>

#include <memory>

class Calendrier;
class DocumentCalendrier;

/// One step of the history that changes the calendar's options (not its name nor its days).
class ChangementOptions : public QUndoCommand
{
    Q_DECLARE_TR_FUNCTIONS(ChangementOptions)

public:
    /// The calendar of `document` gets the options of `choisies`, which stays the caller's.
    ChangementOptions(DocumentCalendrier &document, const Calendrier &choisies);
    ~ChangementOptions() override;

    void undo() override;
    void redo() override;

private:
    void appliquer(const Calendrier &options);

    DocumentCalendrier &document;
    // Calendars without days, used only for their options.
    std::unique_ptr<Calendrier> avant;
    std::unique_ptr<Calendrier> apres;
};
