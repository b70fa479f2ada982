#pragma once

#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QString>

/// The windows' message boxes, all without title: a question with Yes and No (No the
/// default, since every question's Yes erases or discards something), a warning with an
/// optional informative text saying why, and an information, each run modally.
///
/// Tests answer them without showing anything: an answer queued with prevoirReponse() is
/// handed to the next box instead of running it. In silent mode a box without a queued
/// answer is not shown either and answers NoButton. Otherwise the box is shown as usual.
class BoiteMessage
{
public:
    /// What a box showed, noted for tests when it was answered without being shown.
    struct Montree {
        QMessageBox::Icon icone = QMessageBox::NoIcon;
        QString texte;
        QMessageBox::StandardButtons boutons;
        QMessageBox::StandardButton boutonParDefaut = QMessageBox::NoButton;
        QPointer<QWidget> parent;
        QString informatif;
        /// The long part a box shows on request, in a field that scrolls.
        QString detaille;
    };

    BoiteMessage() = delete;

    /// Asks a Yes/No question; the button pressed (NoButton when closed otherwise).
    /// `parDefaut` is the button Enter presses: No unless told otherwise, since every
    /// question's Yes erases or discards something.
    static QMessageBox::StandardButton question(
        QWidget *parent, const QString &texte, QMessageBox::StandardButton parDefaut = QMessageBox::No);
    static void avertir(QWidget *parent, const QString &texte, const QString &informatif = QString());
    static void informer(QWidget *parent, const QString &texte);
    /// A warning whose lists go in its detailed text, which scrolls however long it is.
    static void avertirAvecDetails(QWidget *parent, const QString &texte, const QString &detaille);
    /// An information with OK and an Open button labelled `libelleOuverture`; whether
    /// Open was pressed.
    static bool informerAvecOuverture(QWidget *parent, const QString &texte, const QString &libelleOuverture);
    /// The same with, when `libellePartage` is given, a third button under that label; the
    /// button pressed: Ok, Open, or Apply for the third.
    static QMessageBox::StandardButton informerAvecChoix(QWidget *parent, const QString &texte,
        const QString &libelleOuverture, const QString &libellePartage);

    /// Queues the answer of the next box.
    static void prevoirReponse(QMessageBox::StandardButton reponse);
    static void setSilencieux(bool silencieux);
    /// Queued answers that no box has taken yet.
    static int reponsesEnAttente();
    /// The boxes answered without being shown since the last call, oldest first.
    static QList<Montree> prendreMontrees();
    /// Drops the queued answers and the noted boxes.
    static void reinitialiser();

private:
    static QMessageBox::StandardButton afficher(const Montree &boite,
        const QString &libelleOuverture = QString(), const QString &libellePartage = QString());
};
