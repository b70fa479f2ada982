#include "fenetres/menusfenetre.h"

#include "actions/commandespublication.h"
#include "bureau/boitemessage.h"
#include "bureau/calendriersrecents.h"
#include "bureau/traduction.h"
#include "document/documentcalendrier.h"
#include "fenetres/fenetreprincipale.h"
#include "version.h"

#include <QAction>
#include <QIcon>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QUndoStack>

MenusFenetre::MenusFenetre(FenetrePrincipale &fenetre) : fenetre(fenetre), actions(NOMBRE_COMMANDES, nullptr)
{
    QMenuBar *barre = fenetre.menuBar();
    barre->setObjectName(QStringLiteral("barre_menus"));

    QMenu *fichier = barre->addMenu(tr("&File"));
    fichier->setObjectName(QStringLiteral("menu_fichier"));
    fichier->addAction(creer(NOUVEAU, tr("&New..."), "action_nouveau"));
    fichier->addAction(creer(OUVRIR, tr("&Open..."), "action_ouvrir"));
    recents = std::make_unique<CalendriersRecents>(fenetre.getDocument(), fichier);
    fichier->addMenu(recents->getMenu());
    fichier->addAction(creer(ENREGISTRER, tr("&Save"), "action_enregistrer"));
    fichier->addSeparator();
    fichier->addAction(creer(IMPORTER, tr("Import a folder..."), "action_importer"));
    fichier->addSeparator();
    fichier->addAction(creer(QUITTER, tr("&Quit"), "action_quitter"));

    menuEdition = barre->addMenu(tr("&Edit"));
    menuEdition->setObjectName(QStringLiteral("menu_edition"));
    menuEdition->addAction(creer(ANNULER, tr("&Undo"), "action_annuler"));
    menuEdition->addAction(creer(RETABLIR, tr("&Redo"), "action_retablir"));
    // The interface's language, remembered; it applies at the next start.
    menuEdition->addSeparator();
    QAction *langue = menuEdition->addAction(tr("Language..."));
    langue->setObjectName(QStringLiteral("action_langue"));
    langue->setShortcut(QKeySequence(Qt::CTRL + Qt::Key_L));
    QObject::connect(
        langue, &QAction::triggered, &fenetre, [cible = &fenetre] { Traduction::choisirLangue(cible); });

    QMenu *calendrier = barre->addMenu(tr("&Calendar"));
    calendrier->setObjectName(QStringLiteral("menu_calendrier"));
    calendrier->addAction(creer(OPTIONS, tr("&Options..."), "action_options"));
    calendrier->addSeparator();
    calendrier->addAction(creer(APERCU, tr("&Preview"), "action_apercu"));
    // Beside Preview, and enabled with it.
    QAction *apercuDate = calendrier->addAction(tr("Preview on a &date..."));
    apercuDate->setObjectName(QStringLiteral("action_apercu_date"));
    apercuDate->setShortcut(QKeySequence(Qt::SHIFT + Qt::Key_F5));
    QObject::connect(
        apercuDate, &QAction::triggered, &fenetre, [cible = &fenetre] { cible->apercuALaDate(); });
    QObject::connect(actions.at(APERCU), &QAction::changed, apercuDate,
        [apercuDate, apercu = actions.at(APERCU)] { apercuDate->setEnabled(apercu->isEnabled()); });
    calendrier->addAction(creer(GENERER, tr("&Generate..."), "action_generer"));
    calendrier->addAction(creer(PUBLIER, tr("P&ublish"), "action_publier"));
    // Machine state, not the calendar's: read again each time the menu opens.
    QAction *chaqueMatin = calendrier->addAction(tr("Publish every &morning"));
    chaqueMatin->setObjectName(QStringLiteral("action_publier_matin"));
    chaqueMatin->setCheckable(true);
    QObject::connect(calendrier, &QMenu::aboutToShow, &fenetre, [chaqueMatin, cible = &fenetre] {
        chaqueMatin->setEnabled(cible->getCalendrier() != nullptr);
        chaqueMatin->setChecked(CommandesPublication(cible->getDocument(), *cible).publieChaqueMatin());
    });
    QObject::connect(chaqueMatin, &QAction::triggered, &fenetre, [chaqueMatin, cible = &fenetre](bool actif) {
        chaqueMatin->setChecked(CommandesPublication(cible->getDocument(), *cible).publierChaqueMatin(actif));
    });

    QMenu *aide = barre->addMenu(tr("&Help"));
    aide->setObjectName(QStringLiteral("menu_aide"));
    aide->addAction(creer(A_PROPOS, tr("&About tinselbox"), "action_a_propos"));

    const struct {
        Commande commande;
        QList<QKeySequence> touches;
        const char *icone;
    } reglages[] = {
        {NOUVEAU, {QKeySequence::New}, "new"},
        {OUVRIR, {QKeySequence::Open}, "open"},
        {ENREGISTRER, {QKeySequence::Save}, "save"},
        {IMPORTER, {QKeySequence(Qt::CTRL + Qt::Key_I)}, nullptr},
        {QUITTER, {QKeySequence(Qt::CTRL + Qt::Key_Q)}, "quit"},
        {ANNULER, {QKeySequence::Undo}, nullptr},
        // Both usual redo keys, whatever the desktop's own binding.
        {RETABLIR, {QKeySequence(Qt::CTRL + Qt::SHIFT + Qt::Key_Z), QKeySequence(Qt::CTRL + Qt::Key_Y)},
            nullptr},
        {APERCU, {QKeySequence(Qt::Key_F5)}, "preview"},
        {GENERER, {}, "generate"},
        {PUBLIER, {QKeySequence(Qt::CTRL + Qt::SHIFT + Qt::Key_P)}, nullptr},
    };
    for (const auto &reglage : reglages) {
        QAction *action = actions.at(reglage.commande);
        action->setShortcuts(reglage.touches);
        if (reglage.icone != nullptr)
            action->setIcon(QIcon(QStringLiteral(":/img/img/%1.svg").arg(QLatin1String(reglage.icone))));
    }
    // On the window too, so that the keys work whether or not the menu bar is shown.
    fenetre.addActions(actions.toList());

    // Through the button: a command has one place, and the action has the button's state.
    const struct {
        Commande commande;
        const char *bouton;
    } boutons[] = {{NOUVEAU, "bouton_nouveau"}, {OUVRIR, "bouton_ouvrir"},
        {ENREGISTRER, "bouton_enregistrer"}, {QUITTER, "bouton_quitter"}, {OPTIONS, "bouton_options"},
        {APERCU, "bouton_apercu"}, {GENERER, "bouton_generer"}};
    for (const auto &lien : boutons) {
        QAction *action = actions.at(lien.commande);
        auto *bouton = fenetre.findChild<QPushButton *>(QString::fromLatin1(lien.bouton));
        if (bouton == nullptr)
            continue;
        QObject::connect(action, &QAction::triggered, bouton, &QPushButton::click);
        if (!action->shortcut().isEmpty())
            bouton->setToolTip(QStringLiteral("%1 (%2)").arg(
                bouton->text(), action->shortcut().toString(QKeySequence::NativeText)));
    }
    QUndoStack &pile = fenetre.getDocument().getPile();
    QObject::connect(actions.at(ANNULER), &QAction::triggered, &pile, &QUndoStack::undo);
    QObject::connect(actions.at(RETABLIR), &QAction::triggered, &pile, &QUndoStack::redo);

    QObject::connect(actions.at(A_PROPOS), &QAction::triggered, &fenetre,
        [this] { BoiteMessage::informer(&this->fenetre, texteAPropos()); });
}

MenusFenetre::~MenusFenetre() = default;

QAction *MenusFenetre::creer(Commande commande, const QString &texte, const char *nom)
{
    auto *action = new QAction(texte, &fenetre);
    action->setObjectName(QString::fromLatin1(nom));
    actions[commande] = action;
    return action;
}

QAction *MenusFenetre::getAction(Commande commande) const
{
    return actions.value(commande, nullptr);
}

QMenu *MenusFenetre::getMenuEdition() const
{
    return menuEdition;
}

CalendriersRecents &MenusFenetre::getRecents() const
{
    return *recents;
}

QString MenusFenetre::texteAPropos()
{
    return tr("<h3>tinselbox %1</h3>"
              "<p>An editor for interactive web calendars of up to 31 days.</p>"
              "<p>Released under the %2 licence.</p>"
              "<p><a href=\"%3\">%3</a></p>")
        .arg(QString::fromLatin1(VERSION_TEXTE), QString::fromLatin1(LICENCE),
            QString::fromLatin1(ADRESSE_PROJET));
}
