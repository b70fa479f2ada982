#pragma once

#include <QCoreApplication>
#include <QPointer>

class DocumentCalendrier;
class QMenu;

/// The "Open Recent" menu: the last calendars opened or saved, the most recent first,
/// then "Clear Menu". It is filled from the configuration each time it opens, so every
/// window shows the same list. Choosing one asks the document to open it.
class CalendriersRecents
{
    Q_DECLARE_TR_FUNCTIONS(CalendriersRecents)

public:
    /// Makes the menu, owned by `parent`.
    CalendriersRecents(DocumentCalendrier &document, QWidget *parent);

    QMenu *getMenu() const;
    /// Fills the menu from the configuration.
    void actualiser();

private:
    DocumentCalendrier &document;
    QPointer<QMenu> menu;
};
