#include "boitemessage.h"

#include <QAbstractButton>
#include <QQueue>

namespace {
// GUI thread only, like the boxes themselves.
QQueue<QMessageBox::StandardButton> reponses;
QList<BoiteMessage::Montree> montrees;
bool silencieux = false;
} // namespace

QMessageBox::StandardButton BoiteMessage::question(QWidget *parent, const QString &texte)
{
    // Two presses of Enter must never erase anything.
    return afficher({QMessageBox::Question, texte, QMessageBox::Yes | QMessageBox::No, parent, QString(),
                     QMessageBox::No});
}

void BoiteMessage::avertir(QWidget *parent, const QString &texte, const QString &informatif)
{
    afficher({QMessageBox::Warning, texte, QMessageBox::Ok, parent, informatif, QMessageBox::Ok});
}

void BoiteMessage::informer(QWidget *parent, const QString &texte)
{
    afficher({QMessageBox::Information, texte, QMessageBox::Ok, parent, QString(), QMessageBox::Ok});
}

bool BoiteMessage::informerAvecOuverture(QWidget *parent, const QString &texte, const QString &libelleOuverture)
{
    return afficher({QMessageBox::Information, texte, QMessageBox::Ok | QMessageBox::Open, parent, QString(),
                     QMessageBox::Ok},
                    libelleOuverture)
        == QMessageBox::Open;
}

QMessageBox::StandardButton BoiteMessage::afficher(const Montree &vue, const QString &libelleOuverture)
{
    if (!reponses.isEmpty() || silencieux) {
        montrees.append(vue);
        return reponses.isEmpty() ? QMessageBox::NoButton : reponses.dequeue();
    }
    QMessageBox boite(vue.icone, QString(), vue.texte, vue.boutons, vue.parent);
    boite.setInformativeText(vue.informatif);
    if (vue.boutonParDefaut != QMessageBox::NoButton) {
        boite.setDefaultButton(vue.boutonParDefaut);
        // Escape and the close button answer as the safe default does.
        boite.setEscapeButton(vue.boutonParDefaut);
    }
    if (!libelleOuverture.isEmpty() && boite.button(QMessageBox::Open) != nullptr)
        boite.button(QMessageBox::Open)->setText(libelleOuverture);
    boite.exec();
    return boite.standardButton(boite.clickedButton());
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
