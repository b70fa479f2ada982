#pragma once

#include <QCoreApplication>
#include <QPoint>

class BoutonJour;
class DocumentCalendrier;
class QDragEnterEvent;
class QDropEvent;
class QEvent;
class QKeyEvent;
class QWidget;

/// What the main window does to one day from its tile: edit it in the day dialog, clear
/// it, show its file's folder; with the tile's keys (Enter, Delete, arrows) and its
/// context menu. Each change is one step of the document's history.
class CommandesJours
{
    Q_DECLARE_TR_FUNCTIONS(CommandesJours)

public:
    /// Acts on `document`; the menus and messages belong to `fenetre`, which holds the grid.
    CommandesJours(DocumentCalendrier &document, QWidget &fenetre);

    /// Runs the day dialog on the tile's day.
    void editerJour(BoutonJour *bouton);
    /// Empties day `jour` (marking unsaved changes when it held a media).
    void viderJour(int jour);
    /// Acts on a key pressed on a tile; whether the key was used.
    bool touche(BoutonJour *bouton, const QKeyEvent &evenement);
    /// Swaps the contents of days `jour` and `autre` (one may be empty: the other moves
    /// there), as one undo step.
    void echangerJours(int jour, int autre);
    /// Starts dragging a tile's day once the mouse has moved far enough with its button
    /// held; whether the event was used.
    bool glisserTuile(BoutonJour *bouton, QEvent *evenement);
    /// Whether a drag carries a day of this window; accepts it then.
    bool accepterGlisserJour(QDragEnterEvent *event) const;
    /// Drops a dragged day on the tile under it; whether the drop carried a day.
    bool deposerJour(QDropEvent *event);
    void afficherMenuTuile(BoutonJour *bouton, const QPoint &position);

private:
    /// The shown tile `colonnes` and `lignes` away from `bouton` in the grid of seven
    /// columns, or null.
    BoutonJour *voisine(BoutonJour *bouton, int colonnes, int lignes) const;
    /// Moves the focus from `bouton` by `colonnes` and `lignes`.
    void deplacerFocus(BoutonJour *bouton, int colonnes, int lignes);
    void afficherDansDossier(int jour);

    DocumentCalendrier &document;
    QWidget &fenetre;
    /// Where the mouse went down on a tile, for a drag.
    QPoint departGlisser;
    bool boutonEnfonce = false;
};
