#include "fenetres/fenetreprincipale.h"
#include "lignecommande.h"

int main(int argc, char *argv[])
{
    Q_INIT_RESOURCE(gui);
    Q_INIT_RESOURCE(ressources);

    LigneCommande ligneCommande([](const QStringList &fichiers) {
        auto fenetre = std::make_unique<FenetrePrincipale>();
        fenetre->show();
        if (!fichiers.isEmpty())
            fenetre->ouvrirCalendrier(fichiers.constFirst());
        return std::unique_ptr<QWidget>(std::move(fenetre));
    });
    return ligneCommande.executer(argc, argv);
}
