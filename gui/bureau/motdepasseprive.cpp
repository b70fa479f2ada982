#include "bureau/motdepasseprive.h"

#include "chiffrement/parametrescle.h"
#include "modele/calendrier.h"
#include "secrets/secrets.h"

#include <QInputDialog>
#include <QLineEdit>

bool MotDePassePrive::obtenir(QWidget *parent, Calendrier const &calendrier, QString *motDePasse)
{
    const ParametresCle parametres = ParametresCle::lire(calendrier.getOptions().cle);
    Resultat lecture;
    if (parametres.estValide()) {
        bool absent = true;
        lecture = Secrets::lireTrousseau(parametres.entreeTrousseau(), motDePasse, &absent);
        if (lecture && !absent && !motDePasse->isEmpty())
            return true;
    }
    QString question = tr("Password of this private calendar:");
    if (!lecture)
        question = lecture.getMessage() + QLatin1Char('\n') + question;
    bool accepte = false;
    *motDePasse = QInputDialog::getText(
        parent, tr("Private calendar"), question, QLineEdit::Password, QString(), &accepte);
    return accepte && !motDePasse->isEmpty();
}
