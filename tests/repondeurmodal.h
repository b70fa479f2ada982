#pragma once

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

#include <functional>

/// Answers the next modal dialog that `action` accepts, from a 10 ms polling timer,
/// so that a test can go on while the code under test sits in exec().
/// `action` gets QApplication::activeModalWidget() and returns true once it has
/// answered it. A dialog still open two seconds after its answer is rejected, so a
/// lost answer fails the test instead of hanging it.
class RepondeurModal : public QObject
{
public:
    explicit RepondeurModal(std::function<bool(QWidget *)> reponse) : action(std::move(reponse))
    {
        minuterie.setInterval(10);
        connect(&minuterie, &QTimer::timeout, this, &RepondeurModal::sonder);
        minuterie.start();
    }

    bool aRepondu() const { return repondu; }
    bool aDuForcer() const { return force; }

    /// Typed path then accept(): the reliable way to answer a non-native file chooser.
    static void choisir(QFileDialog *selecteur, const QString &cheminAbsolu)
    {
        selecteur->findChild<QLineEdit *>("fileNameEdit")->setText(cheminAbsolu);
        static_cast<QDialog *>(selecteur)->accept();
    }

private:
    void sonder()
    {
        QWidget *modale = QApplication::activeModalWidget();
        if (modale == nullptr || !modale->isVisible() || !action(modale))
            return;
        repondu = true;
        minuterie.stop();
        QPointer<QWidget> repondue(modale);
        QTimer::singleShot(2000, this, [this, repondue] {
            auto *dialogue = qobject_cast<QDialog *>(repondue.data());
            if (dialogue != nullptr && dialogue->isVisible()) {
                force = true;
                dialogue->reject();
            }
        });
    }

    std::function<bool(QWidget *)> action;
    QTimer minuterie;
    bool repondu = false;
    bool force = false;
};
