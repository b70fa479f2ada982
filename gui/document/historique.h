#pragma once

#include <QCoreApplication>
#include <QDomDocument>
#include <QUndoStack>

class FenetrePrincipale;

/// The undo history of the calendar shown in the main window: one step per change to
/// its days or options (a day set, cleared or dropped, a whole import, the options).
///
/// A step keeps the calendar as it was before and after, as the project file would hold
/// it, so any option the file carries is undone with the rest. Undoing or redoing shows
/// that state again. The stack's clean state is the saved one: the window's unsaved mark
/// follows it.
class Historique
{
    Q_DECLARE_TR_FUNCTIONS(FenetrePrincipale)

public:
    explicit Historique(FenetrePrincipale &fenetre);

    QUndoStack &getPile();

    /// The current calendar, to be handed to noter() once it has changed.
    QDomDocument instantane() const;
    /// Records the change from `avant` to the current calendar as one step named
    /// `libelle`; nothing when the calendar did not change.
    void noter(const QDomDocument &avant, const QString &libelle);
    /// Forgets every step: another calendar is shown.
    void vider();

private:
    FenetrePrincipale &fenetre;
    QUndoStack pile;
};
