#pragma once

#include <QCoreApplication>
#include <QPointer>

class FenetrePrincipale;
class QMenu;

/// The "Open Recent" menu: the last calendars opened or saved, the most recent first,
/// then "Clear Menu". It is filled from the configuration each time it opens, so every
/// window shows the same list.
class CalendriersRecents
{
    Q_DECLARE_TR_FUNCTIONS(FenetrePrincipale)

public:
    /// Makes the menu, owned by `parent`.
    CalendriersRecents(FenetrePrincipale &fenetre, QWidget *parent);

    QMenu *getMenu() const;
    /// Fills the menu from the configuration.
    void actualiser();

private:
    void ouvrir(const QString &chemin);

    FenetrePrincipale &fenetre;
    QPointer<QMenu> menu;
};
