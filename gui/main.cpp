#include "lignecommande.h"

int main(int argc, char *argv[])
{
    Q_INIT_RESOURCE(gui);
    Q_INIT_RESOURCE(ressources);

    LigneCommande ligneCommande;
    return ligneCommande.executer(argc, argv);
}
