#include "fenetreprincipale.h"

FenetrePrincipale::FenetrePrincipale(QWidget *parent) : QMainWindow(parent) {}

FenetrePrincipale::~FenetrePrincipale() = default;
