#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
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

    bool aRepondu() const
    {
        return repondu;
    }
    bool aDuForcer() const
    {
        return force;
    }

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

/// What a message box showed before the test answered it.
struct Boite {
    QString texte;
    QString titre;
    QMessageBox::Icon icone = QMessageBox::NoIcon;
    QMessageBox::StandardButtons boutons;
    bool avecParent = false;
    QString informatif;
    QMessageBox::StandardButton boutonParDefaut = QMessageBox::NoButton;

    static Boite de(const QMessageBox *boite)
    {
        return {boite->text(), boite->windowTitle(), boite->icon(), boite->standardButtons(),
            boite->parentWidget() != nullptr, boite->informativeText(),
            boite->defaultButton() != nullptr ? boite->standardButton(boite->defaultButton())
                                              : QMessageBox::NoButton};
    }
};

/// Answers the next message box with `reponse` (rejects it when it has no such button),
/// noting what it showed.
inline std::function<bool(QWidget *)> repondre(Boite &vue, QMessageBox::StandardButton reponse)
{
    return [&vue, reponse](QWidget *modale) {
        auto *boite = qobject_cast<QMessageBox *>(modale);
        if (boite == nullptr)
            return false;
        vue = Boite::de(boite);
        if (QAbstractButton *bouton = boite->button(reponse))
            bouton->click();
        else
            boite->reject();
        return true;
    };
}

/// Answers the next message box Yes when it asks, OK otherwise, adding what it showed
/// to `vues`; several of these answer a sequence of boxes in order.
inline std::function<bool(QWidget *)> accepter(QList<Boite> &vues)
{
    return [&vues](QWidget *modale) {
        auto *boite = qobject_cast<QMessageBox *>(modale);
        if (boite == nullptr)
            return false;
        vues.append(Boite::de(boite));
        QAbstractButton *bouton = boite->button(QMessageBox::Yes);
        (bouton != nullptr ? bouton : boite->button(QMessageBox::Ok))->click();
        return true;
    };
}

/// Answers the next question (a box with a No button) with `reponse`, adding it to `vues`.
inline std::function<bool(QWidget *)> repondreQuestion(
    QList<Boite> &vues, QMessageBox::StandardButton reponse)
{
    return [&vues, reponse](QWidget *modale) {
        auto *boite = qobject_cast<QMessageBox *>(modale);
        if (boite == nullptr || boite->button(QMessageBox::No) == nullptr)
            return false;
        vues.append(Boite::de(boite));
        boite->button(reponse)->click();
        return true;
    };
}

/// Presses OK in the next message box that asks nothing, adding it to `vues`.
inline std::function<bool(QWidget *)> confirmerMessage(QList<Boite> &vues)
{
    return [&vues](QWidget *modale) {
        auto *boite = qobject_cast<QMessageBox *>(modale);
        if (boite == nullptr || boite->button(QMessageBox::No) != nullptr)
            return false;
        vues.append(Boite::de(boite));
        boite->button(QMessageBox::Ok)->click();
        return true;
    };
}

/// Turns down whatever dialog shows up, but the progress dialog of a run, noting what it
/// was in `vu`; a test that expects none checks aRepondu().
inline std::function<bool(QWidget *)> refuserTout(QString &vu)
{
    return [&vu](QWidget *modale) {
        if (qobject_cast<QProgressDialog *>(modale) != nullptr)
            return false;
        vu = QString::fromLatin1(modale->metaObject()->className());
        if (auto *boite = qobject_cast<QMessageBox *>(modale)) {
            vu += QStringLiteral(": ") + boite->text();
            if (QAbstractButton *non = boite->button(QMessageBox::No)) {
                non->click();
                return true;
            }
        }
        if (auto *dialogue = qobject_cast<QDialog *>(modale))
            dialogue->reject();
        return true;
    };
}

/// What a file chooser offered before the test answered it.
struct Selecteur {
    QString titre;
    QFileDialog::FileMode mode = QFileDialog::AnyFile;
    QStringList filtresMime;
    QString filtreSelectionne;
    const QWidget *parent = nullptr;
};

/// Picks `chemin` in the next file chooser (cancels it when `chemin` is empty),
/// noting what it offered in `vu`.
inline std::function<bool(QWidget *)> choisirDansSelecteur(const QString &chemin, Selecteur *vu = nullptr)
{
    return [chemin, vu](QWidget *modale) {
        auto *selecteur = qobject_cast<QFileDialog *>(modale);
        if (selecteur == nullptr)
            return false;
        if (vu != nullptr)
            *vu = {selecteur->windowTitle(), selecteur->fileMode(), selecteur->mimeTypeFilters(),
                selecteur->selectedMimeTypeFilter(), selecteur->parentWidget()};
        if (chemin.isEmpty())
            selecteur->reject();
        else
            RepondeurModal::choisir(selecteur, chemin);
        return true;
    };
}

/// The three ways a user leaves a dialog without accepting it, as data rows.
inline void gestesAbandon_data()
{
    QTest::addColumn<QString>("geste");
    QTest::newRow("cancel button") << QStringLiteral("cancel");
    QTest::newRow("escape key") << QStringLiteral("escape");
    QTest::newRow("window closed") << QStringLiteral("close");
}

/// Leaves `dialogue` by `geste` (a row of gestesAbandon_data); Escape is typed into `cible`.
inline void abandonner(QDialog &dialogue, const QString &geste, QWidget *cible = nullptr)
{
    if (geste == QLatin1String("cancel"))
        dialogue.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel)->click();
    else if (geste == QLatin1String("escape"))
        QTest::keyClick(cible != nullptr ? cible : &dialogue, Qt::Key_Escape);
    else
        dialogue.close();
}
