#pragma once

#include "publication/publicationcalendrier.h"

#include <QCoreApplication>
#include <QString>

class CiblePublication;
class DocumentCalendrier;
class QWidget;

/// The window's Publish: the secret from the keyring or asked for, the publish on a
/// worker thread behind a progress dialog that shows each file, the bytes and the time
/// left and that can stop it, then the questions a refusal calls for (an unknown host
/// key, someone else's files) and the outcome.
class CommandesPublication
{
    Q_DECLARE_TR_FUNCTIONS(CommandesPublication)

public:
    /// Publishes `document`'s calendar; the dialogs belong to `fenetre`.
    CommandesPublication(DocumentCalendrier &document, QWidget &fenetre);

    /// Publishes the window's calendar to its publishing address.
    void publier();
    /// Installs (or removes) the job that publishes the saved calendar every morning; where
    /// systemd does not run, shows the crontab line that does it. Whether the job is on.
    bool publierChaqueMatin(bool actif);
    /// Whether the job of the window's saved calendar is installed.
    bool publieChaqueMatin() const;

private:
    /// The password or secret key of `cible`: the keyring's, else asked (and kept there
    /// if the user wants). False when the user gave none.
    bool obtenirSecret(CiblePublication const &cible, QString *secret);
    /// The success box: what was sent, and the public address to open or share.
    void annoncer(Publieur::Bilan const &bilan);
    /// Runs one publish on a worker thread while the progress dialog shows it.
    Resultat executer(PublicationCalendrier::Demande demande, Publieur::Bilan *bilan, QString *empreinte);

    DocumentCalendrier &document;
    QWidget &fenetre;
};
