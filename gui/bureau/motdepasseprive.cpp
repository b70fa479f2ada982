#include "bureau/motdepasseprive.h"

#include "chiffrement/parametrescle.h"
#include "chiffrement/trousseau.h"
#include "modele/calendrier.h"

#include <QInputDialog>
#include <QLineEdit>

bool MotDePassePrive::obtenir(QWidget *parent, Calendrier const &calendrier, QString *motDePasse)
{
    const ParametresCle parametres = ParametresCle::lire(calendrier.getOptions().cle);
    QString erreur;
    if (parametres.estValide()
        && Trousseau::lire(parametres.getSel(), motDePasse, &erreur) == Trousseau::TROUVE
        && !motDePasse->isEmpty())
        return true;
    QString question = tr("Password of this private calendar:");
    if (!erreur.isEmpty())
        question =
            tr("The keyring could not give the password (%1).").arg(erreur) + QLatin1Char('\n') + question;
    bool accepte = false;
    *motDePasse = QInputDialog::getText(
        parent, tr("Private calendar"), question, QLineEdit::Password, QString(), &accepte);
    return accepte && !motDePasse->isEmpty();
}
