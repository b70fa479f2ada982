#pragma once

#include <QCoreApplication>
#include <QDomDocument>
#include <QMap>
#include <QUndoCommand>

class DocumentCalendrier;
class Media;

/// One step of the history that changes the media of some days: a day set from the day
/// dialog or by a drop, a day cleared, a whole import.
///
/// It keeps each day's media before and after as the project file would write it, so a
/// step never holds a media the calendar may delete. Running it again gives the days their
/// media anew; a media that cannot be made again is reported through the document.
class ChangementMedias : public QUndoCommand
{
    Q_DECLARE_TR_FUNCTIONS(ChangementMedias)

public:
    /// What the step did, which names it in the Edit menu.
    enum Nature { EDITION, VIDAGE, DEPOT, IMPORT };

    /// The days of `apres` get its media (taken over; null empties the day), from the
    /// calendar of `document` as it is now. `jour` names the day of a step on one day.
    ChangementMedias(
        DocumentCalendrier &document, const QMap<int, Media *> &apres, Nature nature, int jour = 0);
    ~ChangementMedias() override;

    void undo() override;
    void redo() override;

private:
    void appliquer(const QMap<int, QDomElement> &etat);

    DocumentCalendrier &document;
    /// Holds the elements below; an empty element stands for an empty day.
    QDomDocument brouillon;
    QMap<int, QDomElement> avant;
    QMap<int, QDomElement> apres;
};
