#include "bureau/boitemessage.h"

#include <QAbstractButton>
#include <QQueue>

namespace {
// GUI thread only, like the boxes themselves.
QQueue<QMessageBox::StandardButton> reponses;
QList<BoiteMessage::Montree> montrees;
bool silencieux = false;
} // namespace

QMessageBox::StandardButton BoiteMessage::question(
    QWidget *parent, const QString &texte, QMessageBox::StandardButton parDefaut)
{
    return afficher({QMessageBox::Question, texte, QMessageBox::Yes | QMessageBox::No, parDefaut, parent,
        QString(), QString()});
}

void BoiteMessage::avertir(QWidget *parent, const QString &texte, const QString &informatif)
{
    afficher({QMessageBox::Warning, texte, QMessageBox::Ok, QMessageBox::Ok, parent, informatif, QString()});
}

void BoiteMessage::avertirAvecDetails(QWidget *parent, const QString &texte, const QString &detaille)
{
    afficher({QMessageBox::Warning, texte, QMessageBox::Ok, QMessageBox::Ok, parent, QString(), detaille});
}

void BoiteMessage::informer(QWidget *parent, const QString &texte)
{
    afficher(
        {QMessageBox::Information, texte, QMessageBox::Ok, QMessageBox::Ok, parent, QString(), QString()});
}

bool BoiteMessage::informerAvecOuverture(
    QWidget *parent, const QString &texte, const QString &libelleOuverture)
{
    return informerAvecChoix(parent, texte, libelleOuverture, QString()) == QMessageBox::Open;
}

QMessageBox::StandardButton BoiteMessage::informerAvecChoix(
    QWidget *parent, const QString &texte, const QString &libelleOuverture, const QString &libellePartage)
{
    QMessageBox::StandardButtons boutons = QMessageBox::Ok | QMessageBox::Open;
    if (!libellePartage.isEmpty())
        boutons |= QMessageBox::Apply;
    return afficher({QMessageBox::Information, texte, boutons, QMessageBox::Ok, parent, QString(), QString()},
        libelleOuverture, libellePartage);
}

QMessageBox::StandardButton BoiteMessage::afficher(
    const Montree &vue, const QString &libelleOuverture, const QString &libellePartage)
{
    if (!reponses.isEmpty() || silencieux) {
        montrees.append(vue);
        return reponses.isEmpty() ? QMessageBox::NoButton : reponses.dequeue();
    }
    QMessageBox boite(vue.icone, QString(), vue.texte, vue.boutons, vue.parent);
    boite.setInformativeText(vue.informatif);
    boite.setDetailedText(vue.detaille);
    if (vue.boutonParDefaut != QMessageBox::NoButton)
        boite.setDefaultButton(vue.boutonParDefaut);
    if (QAbstractButton *ouvrir = boite.button(QMessageBox::Open)) {
        ouvrir->setText(libelleOuverture);
        // Escape and the close button dismiss the box as OK does (Qt finds No by itself).
        boite.setEscapeButton(QMessageBox::Ok);
    }
    if (QAbstractButton *partager = boite.button(QMessageBox::Apply))
        partager->setText(libellePartage);
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
