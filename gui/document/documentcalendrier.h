#pragma once

#include "format/resultat.h"

#include <QObject>
#include <QString>
#include <QUndoStack>

class Calendrier;

/// The calendar being edited, as the editor holds it: the calendar itself and the project
/// file it comes from, whether that file can be written, and the undo history with the
/// unsaved state, which is the stack's clean state.
///
/// The window, its menus and the commands acting on the calendar all hold the document, not
/// one another: what changes reaches each of them through the document's signals.
class DocumentCalendrier : public QObject
{
    Q_OBJECT

public:
    explicit DocumentCalendrier(QObject *parent = nullptr);
    ~DocumentCalendrier() override;

    DocumentCalendrier(const DocumentCalendrier &) = delete;
    DocumentCalendrier &operator=(const DocumentCalendrier &) = delete;

    /// Null when no calendar is open.
    Calendrier *getCalendrier() const;
    /// The project file; empty for a calendar never saved.
    QString getChemin() const;
    void setChemin(const QString &chemin);
    /// The project file cannot be written: Save asks for another place.
    bool estLectureSeule() const;

    /// Takes over `calendrier`; the previous one is deleted unless it is the same. Another
    /// calendar starts a history of its own, with nothing unsaved.
    void setCalendrier(Calendrier *calendrier);
    /// Another calendar, from the project file `chemin`: the history starts afresh, with
    /// nothing unsaved.
    void remplacer(Calendrier *calendrier, const QString &chemin, bool lectureSeule = false);

    QUndoStack &getPile();
    /// Runs `commande` and records it as one step of the history, which takes it over.
    void executer(QUndoCommand *commande);

    /// Whether there are unsaved changes.
    bool estModifie() const;
    /// Marks unsaved changes that no step of the history records.
    void marquerModifie();
    /// The calendar was saved to `chemin`: nothing unsaved, and the file is writable.
    void marquerEnregistre(const QString &chemin);

    /// Hands a failure on to whoever shows them.
    void signalerEchec(const Resultat &resultat);
    /// Says that the calendar's days or options changed in place.
    void signalerModification();
    /// Asks whoever opens calendars (the window) to open the project file `chemin`.
    void demanderOuverture(const QString &chemin);

signals:
    /// The calendar, its content or its options changed, or another one took its place.
    void calendrierChange();
    /// Whether there are unsaved changes, each time that changes.
    void modificationChangee(bool modifie);
    /// The path or the read-only state changed.
    void fichierChange();
    /// Something asked of the document or of a command failed; the window shows it.
    void echec(const Resultat &resultat);
    /// A command wants the project file `chemin` opened in place of this calendar.
    void ouvertureDemandee(const QString &chemin);

private:
    Calendrier *calendrier = nullptr;
    QString chemin;
    bool lectureSeule = false;
    QUndoStack pile;
};
