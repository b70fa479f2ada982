#include "fenetreprincipale.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    Q_INIT_RESOURCE(gui);
    Q_INIT_RESOURCE(ressources);

    QApplication application(argc, argv);
    FenetrePrincipale fenetre;
    fenetre.show();
    return application.exec();
}
