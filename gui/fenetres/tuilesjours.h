#pragma once

#include <QCoreApplication>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVector>

class BoutonJour;
class Calendrier;
class FabriqueVignettes;

/// Fills the main window's day tiles from the calendar: each day's kind, caption or
/// thumbnail, its date and whether it opens today, and the words a screen reader says.
/// Thumbnails come from a background maker; a tile is repainted as its own arrives.
class TuilesJours : public QObject
{
    Q_OBJECT

public:
    TuilesJours(QObject *parent, QVector<QPointer<BoutonJour>> tuiles);
    ~TuilesJours() override;

    /// Shows `calendrier` (or no calendar) on the tiles; `introuvables` are the days whose
    /// media file is missing.
    void remplir(Calendrier const *calendrier, QMap<int, QString> const &introuvables);
    FabriqueVignettes &getFabrique() const;

    /// What a tile's tooltip and accessible name say: its day, its date and its content.
    static QString description(int jour, QString const &date, QString const &contenu);

private:
    void afficherVignette(BoutonJour *tuile, QString const &chemin, int type);

    QVector<QPointer<BoutonJour>> tuiles;
    FabriqueVignettes *fabrique;
    /// The media file each tile shows, for the thumbnails as they arrive.
    QMap<BoutonJour *, QString> fichiers;
};
