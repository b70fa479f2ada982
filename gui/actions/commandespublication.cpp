#include "actions/commandespublication.h"

#include "bureau/boitemessage.h"
#include "bureau/motdepasseprive.h"
#include "document/documentcalendrier.h"
#include "fenetres/fenetrepartage.h"
#include "modele/calendrier.h"
#include "publication/ciblepublication.h"
#include "publication/tachematinale.h"
#include "secrets/secrets.h"
#include "site/miseenformetaille.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDate>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFormLayout>
#include <QFutureWatcher>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressDialog>
#include <QUrl>
#include <QtConcurrent>

#include <atomic>

#include <openssl/crypto.h>

namespace {

QString taille(qint64 octets)
{
    QString valeur;
    QString unite;
    mettreEnFormeTailleLocale(octets, &valeur, &unite);
    return valeur + QLatin1Char(' ') + unite;
}

} // namespace

CommandesPublication::CommandesPublication(DocumentCalendrier &document, QWidget &fenetre)
    : document(document), fenetre(fenetre)
{}

bool CommandesPublication::obtenirSecret(CiblePublication const &cible, QString *secret)
{
    bool absent = true;
    const Resultat lecture = Secrets::lireTrousseau(cible.cleSecret(), secret, &absent);
    if (!lecture)
        BoiteMessage::avertir(&fenetre, lecture.getMessage(), tr("The password is asked for instead."));
    if (lecture && !absent)
        return true;

    QDialog boite(&fenetre);
    boite.setObjectName(QStringLiteral("fenetre_secret"));
    boite.setWindowTitle(tr("Publish"));
    auto *formulaire = new QFormLayout(&boite);
    const bool s3 = cible.getProtocole() == CiblePublication::S3;
    auto *explication = new QLabel(
        (s3 ? tr("The secret key of %1:") : tr("The password of %1 (empty to log in with your SSH key):"))
            .arg(cible.texte().toHtmlEscaped()),
        &boite);
    explication->setWordWrap(true);
    formulaire->addRow(explication);
    auto *champ = new QLineEdit(&boite);
    champ->setObjectName(QStringLiteral("champ_secret"));
    champ->setEchoMode(QLineEdit::Password);
    formulaire->addRow(champ);
    auto *garder = new QCheckBox(tr("Remember it in the system keyring"), &boite);
    garder->setObjectName(QStringLiteral("case_garder_secret"));
    garder->setChecked(lecture.estReussi());
    garder->setEnabled(lecture.estReussi());
    formulaire->addRow(garder);
    auto *boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &boite);
    QObject::connect(boutons, &QDialogButtonBox::accepted, &boite, &QDialog::accept);
    QObject::connect(boutons, &QDialogButtonBox::rejected, &boite, &QDialog::reject);
    formulaire->addRow(boutons);
    if (boite.exec() != QDialog::Accepted)
        return false;
    *secret = champ->text();
    if (garder->isChecked() && !secret->isEmpty()) {
        const Resultat ecriture = Secrets::ecrireTrousseau(cible.cleSecret(), *secret);
        if (!ecriture)
            BoiteMessage::avertir(&fenetre, ecriture.getMessage());
    }
    return true;
}

Resultat CommandesPublication::executer(
    PublicationCalendrier::Demande demande, Publieur::Bilan *bilan, QString *empreinte, QString *avis)
{
    std::atomic_bool arret{false};
    demande.reglages.arret = &arret;
    demande.conversion = [&arret](int, int, int) { return !arret; };
    QProgressDialog progression(tr("Publishing..."), tr("Stop"), 0, 1000, &fenetre);
    progression.setObjectName(QStringLiteral("progression_publication"));
    progression.setWindowModality(Qt::WindowModal);
    progression.setMinimumDuration(0);
    progression.setAutoClose(false);
    progression.setAutoReset(false);
    QObject::connect(&progression, &QProgressDialog::canceled, [&arret, &progression] {
        arret = true;
        progression.setLabelText(tr("Stopping after the current step..."));
    });
    QPointer<QProgressDialog> cible(&progression);
    QElapsedTimer chrono;
    chrono.start();
    demande.suivi.progression = [cible, chrono](QString const &fichier, qint64 fichierFait,
                                    qint64 fichierTotal, qint64 fait, qint64 total) {
        const double secondes = qMax<qint64>(1, chrono.elapsed()) / 1000.0;
        const qint64 vitesse = qint64(fait / secondes);
        const qint64 reste = vitesse > 0 ? (total - fait) / vitesse : -1;
        const QString texte = tr("Sending %1: %2 of %3\nIn all: %4 of %5, %6/s, %7 s left")
                                  .arg(fichier, taille(fichierFait), taille(fichierTotal), taille(fait),
                                      taille(total), taille(vitesse))
                                  .arg(reste);
        const int valeur = total > 0 ? int(fait * 1000 / total) : 0;
        QMetaObject::invokeMethod(
            cible.data(),
            [cible, texte, valeur] {
                if (cible && !cible->wasCanceled()) {
                    cible->setLabelText(texte);
                    cible->setValue(valeur);
                }
            },
            Qt::QueuedConnection);
    };
    const Calendrier *calendrier = document.getCalendrier();
    QFutureWatcher<Resultat> veilleur;
    QEventLoop boucle;
    QObject::connect(&veilleur, &QFutureWatcher<Resultat>::finished, &boucle, &QEventLoop::quit);
    // The modal dialog keeps the calendar unchanged while the worker reads it.
    veilleur.setFuture(QtConcurrent::run([calendrier, demande, bilan, empreinte, avis] {
        const Resultat resultat =
            PublicationCalendrier::publier(*calendrier, demande, bilan, empreinte, avis);
        // The pool's thread outlives the publish: without this, the TLS and key derivation
        // state OpenSSL keeps for it stays until the program ends.
        OPENSSL_thread_stop();
        return resultat;
    }));
    progression.show();
    boucle.exec();
    return veilleur.result();
}

void CommandesPublication::annoncer(Publieur::Bilan const &bilan, QString const &avis)
{
    QString texte = tr(
        "The calendar is published: %n file(s) sent (%1), %2 deleted, %3 unchanged.", nullptr, bilan.envoyes)
                        .arg(taille(bilan.octetsEnvoyes))
                        .arg(bilan.supprimes)
                        .arg(bilan.inchanges);
    if (!avis.isEmpty())
        texte += QStringLiteral("\n\n") + avis;
    const Calendrier *calendrier = document.getCalendrier();
    const QString adresse = calendrier->getOptions().adresse;
    if (adresse.isEmpty()) {
        BoiteMessage::informer(&fenetre,
            texte + QStringLiteral("\n\n")
                + tr("To share it, give its public address in Options and publish again: the page's link "
                     "previews name it too."));
        return;
    }
    const QMessageBox::StandardButton choix = BoiteMessage::informerAvecChoix(
        &fenetre, texte + QStringLiteral("\n\n") + adresse, tr("Open in Browser"), tr("Share..."));
    if (choix == QMessageBox::Open) {
        QDesktopServices::openUrl(QUrl(adresse));
    } else if (choix == QMessageBox::Apply) {
        FenetrePartage partage(&fenetre);
        partage.configurerFenetre(calendrier);
        partage.exec();
    }
}

void CommandesPublication::publier()
{
    const Calendrier *calendrier = document.getCalendrier();
    if (calendrier == nullptr)
        return;
    QString erreur;
    const CiblePublication cible = CiblePublication::lire(calendrier->getOptions().publication, &erreur);
    if (!cible.estValide()) {
        BoiteMessage::avertir(&fenetre,
            calendrier->getOptions().publication.isEmpty()
                ? tr("The calendar has no publishing address yet: set one in Options, Publishing.")
                : erreur);
        return;
    }
    PublicationCalendrier::Demande demande;
    if (!obtenirSecret(cible, &demande.reglages.secret))
        return;
    // A private calendar's site is encrypted under its password, as a generation's is.
    if (calendrier->getOptions().prive
        && !MotDePassePrive::obtenir(&fenetre, *calendrier, &demande.motDePasse))
        return;
    PublicationCalendrier::lieuxUtilisateur(&demande.reglages);

    Publieur::Bilan bilan;
    QString empreinte;
    QString avis;
    for (;;) {
        const Resultat resultat = executer(demande, &bilan, &empreinte, &avis);
        if (resultat) {
            annoncer(bilan, avis);
            return;
        }
        // The refusals the user can lift, each asked once.
        if (!empreinte.isEmpty() && demande.reglages.empreinteAcceptee.isEmpty()
            && BoiteMessage::question(&fenetre,
                   tr("%1 is not a server this computer knows. Its host key's fingerprint is:\n%2\n\nTrust "
                      "it only "
                      "if it is your server's (your provider can tell). Trust it and publish?")
                       .arg(cible.getHote(), empreinte))
                == QMessageBox::Yes) {
            demande.reglages.empreinteAcceptee = empreinte;
            continue;
        }
        if (resultat.getCause() == Resultat::Cause::DossierEtranger && !demande.accepterEtranger
            && BoiteMessage::question(
                   &fenetre, resultat.getMessage() + QLatin1String("\n\n") + tr("Publish beside them?"))
                == QMessageBox::Yes) {
            demande.accepterEtranger = true;
            continue;
        }
        if (resultat.getCause() != Resultat::Cause::Interrompu)
            BoiteMessage::avertir(&fenetre, resultat.getMessage(),
                tr("The site on the server still works as it was; publishing again completes it."));
        return;
    }
}

bool CommandesPublication::publieChaqueMatin() const
{
    const QString projet = document.getChemin();
    return !projet.isEmpty() && TacheMatinale::estActive(projet);
}

bool CommandesPublication::publierChaqueMatin(bool actif)
{
    const Calendrier *calendrier = document.getCalendrier();
    const QString projet = document.getChemin();
    if (calendrier == nullptr)
        return false;
    if (!actif) {
        const Resultat retrait = TacheMatinale::desactiver(projet);
        if (!retrait)
            BoiteMessage::avertir(&fenetre, retrait.getMessage());
        return publieChaqueMatin();
    }
    if (projet.isEmpty() || calendrier->getOptions().publication.isEmpty()) {
        BoiteMessage::avertir(&fenetre,
            tr("Publishing every morning needs a saved calendar with a publishing address "
               "(Options, Publishing)."));
        return false;
    }
    const QString programme = QCoreApplication::applicationFilePath();
    if (!TacheMatinale::systemdDisponible()) {
        BoiteMessage::informer(&fenetre,
            tr("systemd does not run on this computer. To publish every morning, add this line with crontab "
               "-e; "
               "it is in this computer's time zone:\n\n%1\n\nThe job needs the password in a file only you "
               "can "
               "read (--secret-file FILE) or an SSH key.")
                .arg(TacheMatinale::ligneCrontab(
                    programme, projet, calendrier->getOptions().fuseau, QDate::currentDate())));
        return false;
    }
    const Resultat installation = TacheMatinale::activer(programme, projet, calendrier->getOptions().fuseau);
    if (!installation)
        BoiteMessage::avertir(&fenetre, installation.getMessage());
    return installation.estReussi();
}
