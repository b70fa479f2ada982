#pragma once

#include <QCoreApplication>

class BoutonJour;
class DocumentCalendrier;
class QKeyEvent;
class QPoint;
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
    void afficherMenuTuile(BoutonJour *bouton, const QPoint &position);

private:
    /// Moves the focus from `bouton` by `colonnes` and `lignes` in the grid of seven columns.
    void deplacerFocus(BoutonJour *bouton, int colonnes, int lignes);
    void afficherDansDossier(int jour);

    DocumentCalendrier &document;
    QWidget &fenetre;
};
