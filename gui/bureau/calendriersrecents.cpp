#include "bureau/calendriersrecents.h"

#include "bureau/parametres.h"
#include "document/documentcalendrier.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>

CalendriersRecents::CalendriersRecents(DocumentCalendrier &document, QWidget *parent)
    : document(document), menu(new QMenu(tr("Open &Recent"), parent))
{
    menu->setObjectName(QStringLiteral("menu_recents"));
    QObject::connect(menu, &QMenu::aboutToShow, menu, [this] { actualiser(); });
    actualiser();
}

QMenu *CalendriersRecents::getMenu() const
{
    return menu;
}

void CalendriersRecents::actualiser()
{
    // Later, not at once: "Clear Menu" runs this from its own signal.
    for (QAction *action : menu->actions()) {
        menu->removeAction(action);
        action->deleteLater();
    }
    const QStringList recents = Parametres::getCalendriersRecents();
    for (int i = 0; i < recents.size(); ++i) {
        const QString chemin = recents.at(i);
        // "&1" to "&9", then "1&0": the number is the key that opens it.
        const QString numero = i < 9 ? QStringLiteral("&%1").arg(i + 1) : QStringLiteral("1&0");
        QAction *action = menu->addAction(QStringLiteral("%1 %2").arg(
            numero, QFileInfo(chemin).fileName().replace(QLatin1Char('&'), QStringLiteral("&&"))));
        action->setData(chemin);
        action->setToolTip(QDir::toNativeSeparators(chemin));
        action->setStatusTip(QDir::toNativeSeparators(chemin));
        QObject::connect(
            action, &QAction::triggered, menu, [this, chemin] { document.demanderOuverture(chemin); });
    }
    menu->addSeparator();
    QAction *vider = menu->addAction(tr("&Clear Menu"));
    vider->setObjectName(QStringLiteral("action_vider_recents"));
    vider->setEnabled(!recents.isEmpty());
    QObject::connect(vider, &QAction::triggered, menu, [this] {
        Parametres::viderCalendriersRecents();
        actualiser();
    });
}
