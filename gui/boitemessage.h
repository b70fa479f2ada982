#pragma once

#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QString>

/// The windows' message boxes, all without title: a question with Yes and No, a warning
/// and an information, each run modally.
///
/// Tests answer them without showing anything: an answer queued with prevoirReponse() is
/// handed to the next box instead of running it. In silent mode a box without a queued
/// answer is not shown either and answers NoButton. Otherwise the box is shown as usual.
class BoiteMessage
{
public:
    /// What a box showed, noted for tests when it was answered without being shown.
    struct Montree
    {
        QMessageBox::Icon icone = QMessageBox::NoIcon;
        QString texte;
        QMessageBox::StandardButtons boutons;
        QMessageBox::StandardButton boutonParDefaut = QMessageBox::NoButton;
        QPointer<QWidget> parent;
    };

    BoiteMessage() = delete;

    /// Asks a Yes/No question; the button pressed (NoButton when closed otherwise).
    /// `parDefaut` is the button Enter presses (the toolkit's choice when NoButton).
    static QMessageBox::StandardButton question(QWidget *parent, const QString &texte,
                                                QMessageBox::StandardButton parDefaut = QMessageBox::NoButton);
    static void avertir(QWidget *parent, const QString &texte);
    static void informer(QWidget *parent, const QString &texte);

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
    static QMessageBox::StandardButton afficher(QWidget *parent, QMessageBox::Icon icone, const QString &texte,
                                                QMessageBox::StandardButtons boutons,
                                                QMessageBox::StandardButton parDefaut = QMessageBox::NoButton);
};
