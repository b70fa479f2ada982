#pragma once

#include <QCoreApplication>
#include <QVector>

#include <memory>

class CalendriersRecents;
class FenetrePrincipale;
class QAction;
class QMenu;

/// The main window's menu bar and its actions: File, Edit, Calendar and Help.
///
/// The actions carry the commands' shortcuts; the window connects them to its commands
/// and sets their enabled state with the buttons' in its one state function.
class MenusFenetre
{
    Q_DECLARE_TR_FUNCTIONS(MenusFenetre)

public:
    enum Commande {
        NOUVEAU,
        OUVRIR,
        ENREGISTRER,
        IMPORTER,
        QUITTER,
        ANNULER,
        RETABLIR,
        OPTIONS,
        APERCU,
        GENERER,
        PUBLIER,
        A_PROPOS,
        NOMBRE_COMMANDES
    };

    /// Builds the menu bar of `fenetre`.
    explicit MenusFenetre(FenetrePrincipale &fenetre);
    ~MenusFenetre();

    MenusFenetre(const MenusFenetre &) = delete;
    MenusFenetre &operator=(const MenusFenetre &) = delete;

    QAction *getAction(Commande commande) const;
    /// The Edit menu; an interface language chooser belongs at its end, after a separator.
    QMenu *getMenuEdition() const;
    CalendriersRecents &getRecents() const;

    /// "About tinselbox": the version, the licence and the project's address.
    static QString texteAPropos();

private:
    QAction *creer(Commande commande, const QString &texte, const char *nom);

    FenetrePrincipale &fenetre;
    QVector<QAction *> actions;
    QMenu *menuEdition = nullptr;
    std::unique_ptr<CalendriersRecents> recents;
};
