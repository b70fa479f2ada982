#include "modele/projet.h"

#include <QDir>

const QString Projet::EXTENSION = QStringLiteral(".xml");

Projet::Projet(QString nom, QString repertoireProjet)
{
    setNomPojet(nom);
    setRepertoire(repertoireProjet);
}

QString Projet::getNomPojet() const
{
    return nomProjet;
}

void Projet::setNomPojet(QString const &nom)
{
    nomProjet = nom;
}

QString Projet::getRepertoire() const
{
    return repertoire;
}

void Projet::setRepertoire(QString const &nouveauRepertoire)
{
    repertoire = nouveauRepertoire;
}

QString Projet::getUrl() const
{
    return QDir(repertoire).filePath(nomProjet + EXTENSION);
}
