#include "boitemessage.h"

#include <QQueue>

namespace {
// GUI thread only, like the boxes themselves.
QQueue<QMessageBox::StandardButton> reponses;
QList<BoiteMessage::Montree> montrees;
bool silencieux = false;
} // namespace

QMessageBox::StandardButton BoiteMessage::question(QWidget *parent, const QString &texte,
                                                   QMessageBox::StandardButton parDefaut)
{
    return afficher(parent, QMessageBox::Question, texte, QMessageBox::Yes | QMessageBox::No, parDefaut);
}

void BoiteMessage::avertir(QWidget *parent, const QString &texte)
{
    afficher(parent, QMessageBox::Warning, texte, QMessageBox::Ok);
}

void BoiteMessage::informer(QWidget *parent, const QString &texte)
{
    afficher(parent, QMessageBox::Information, texte, QMessageBox::Ok);
}

QMessageBox::StandardButton BoiteMessage::afficher(QWidget *parent, QMessageBox::Icon icone, const QString &texte,
                                                   QMessageBox::StandardButtons boutons,
                                                   QMessageBox::StandardButton parDefaut)
{
    if (!reponses.isEmpty() || silencieux) {
        montrees.append({icone, texte, boutons, parDefaut, parent});
        return reponses.isEmpty() ? QMessageBox::NoButton : reponses.dequeue();
    }
    switch (icone) {
    case QMessageBox::Question:
        return QMessageBox::question(parent, QString(), texte, boutons, parDefaut);
    case QMessageBox::Warning:
        return QMessageBox::warning(parent, QString(), texte, boutons);
    default:
        return QMessageBox::information(parent, QString(), texte, boutons);
    }
}

void BoiteMessage::prevoirReponse(QMessageBox::StandardButton reponse)
{
    reponses.enqueue(reponse);
}

void BoiteMessage::setSilencieux(bool actif)
{
    silencieux = actif;
}

int BoiteMessage::reponsesEnAttente()
{
    return reponses.size();
}

QList<BoiteMessage::Montree> BoiteMessage::prendreMontrees()
{
    QList<Montree> resultat;
    resultat.swap(montrees);
    return resultat;
}

void BoiteMessage::reinitialiser()
{
    reponses.clear();
    montrees.clear();
}
