#pragma once

#include "bureau/boitemessage.h"
#include "bureau/choixfichier.h"
#include "fenetres/boutonjour.h"
#include "fenetres/fenetreedition.h"
#include "fenetres/fenetrenouveau.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>

#include <functional>

/// Message boxes and choosers are answered from the answers a test queues, never shown;
/// one without a queued answer is noted and turned down.
/// What the editor remembers goes to a configuration of the test's own, removed at exit.
inline void configurationTemporaire()
{
    static QTemporaryDir configuration;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, configuration.path());
}

inline void dialoguesSilencieux()
{
    configurationTemporaire();
    BoiteMessage::setSilencieux(true);
    ChoixFichier::setSilencieux(true);
}

/// Whether every queued answer was taken; then forgets the answers and what was noted.
inline bool reponsesToutesPrises()
{
    const bool toutes = BoiteMessage::reponsesEnAttente() == 0 && ChoixFichier::choixEnAttente() == 0;
    BoiteMessage::reinitialiser();
    ChoixFichier::reinitialiser();
    return toutes;
}

/// The push button named `nom` in a window.
inline QPushButton *bouton(const QObject &fenetre, const char *nom)
{
    return fenetre.findChild<QPushButton *>(QString::fromLatin1(nom));
}

/// The main window's tile of day `jour`.
inline BoutonJour *tuile(const QObject &fenetre, int jour)
{
    return fenetre.findChild<BoutonJour *>(QStringLiteral("b%1").arg(jour, 2, 10, QLatin1Char('0')));
}

/// Fills the next new project dialog and presses OK (Cancel when `nom` is empty).
inline std::function<bool(QWidget *)> remplirNouveau(const QString &nom, const QString &repertoire)
{
    return [nom, repertoire](QWidget *modale) {
        auto *fenetre = qobject_cast<FenetreNouveau *>(modale);
        if (fenetre == nullptr)
            return false;
        auto *boutons = fenetre->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
        if (nom.isEmpty()) {
            boutons->button(QDialogButtonBox::Cancel)->click();
            return true;
        }
        fenetre->findChild<QLineEdit *>(QStringLiteral("champ_nom"))->setText(nom);
        fenetre->setUrl(repertoire);
        boutons->button(QDialogButtonBox::Ok)->click();
        return true;
    };
}

/// Gives the next edited day a media through the kind button `boutonType` and presses OK
/// (Cancel when `boutonType` is empty), noting the dialog's title in `titre`.
inline std::function<bool(QWidget *)> remplirEdition(
    const char *boutonType, const QString &url, QString *titre = nullptr)
{
    const QString nomBouton = QString::fromLatin1(boutonType);
    return [nomBouton, url, titre](QWidget *modale) {
        auto *fenetre = qobject_cast<FenetreEdition *>(modale);
        if (fenetre == nullptr)
            return false;
        if (titre != nullptr)
            *titre = fenetre->windowTitle();
        auto *boutons = fenetre->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
        if (nomBouton.isEmpty()) {
            boutons->button(QDialogButtonBox::Cancel)->click();
            return true;
        }
        fenetre->findChild<QPushButton *>(nomBouton)->click();
        fenetre->afficherDansChampUrl(url);
        boutons->button(QDialogButtonBox::Ok)->click();
        return true;
    };
}
