#include "chiffrement/coffrecles.h"

#include "chiffrement/chiffrement.h"
#include "chiffrement/formatchiffre.h"
#include "chiffrement/parametrescle.h"
#include "format/resultat.h"
#include "secrets/secrets.h"

#include <QCoreApplication>

namespace {

constexpr int TAILLE_ENVELOPPE =
    Chiffrement::TAILLE_NONCE + Chiffrement::TAILLE_CLE + Chiffrement::TAILLE_ETIQUETTE;

} // namespace

QString CoffreCles::repertoire()
{
    return Secrets::repertoire() + QStringLiteral("/cles");
}

QByteArray CoffreCles::cleMaitre(ParametresCle const &parametres, QByteArray const &cleMotDePasse,
    QString *erreur, bool *autreMotDePasse, bool creer)
{
    if (autreMotDePasse != nullptr)
        *autreMotDePasse = false;
    const QString chemin = repertoire() + QLatin1Char('/') + parametres.nomFichier();

    QByteArray enveloppe;
    bool absent = false;
    const Resultat lecture = Secrets::lireDonnees(chemin, &enveloppe, &absent, TAILLE_ENVELOPPE + 1);
    if (!lecture) {
        *erreur = lecture.getMessage();
        return QByteArray();
    }
    if (!absent) {
        QByteArray cle;
        if (enveloppe.size() != TAILLE_ENVELOPPE) {
            *erreur = QCoreApplication::translate("CoffreCles", "The calendar's key %1 is damaged.")
                          .arg(Resultat::cheminLisible(chemin));
            return QByteArray();
        }
        if (!FormatChiffre::desenvelopper(cleMotDePasse, enveloppe, &cle)) {
            if (autreMotDePasse != nullptr)
                *autreMotDePasse = true;
            *erreur = QCoreApplication::translate(
                "CoffreCles", "This is not the calendar's password (the one set in its Options).");
            return QByteArray();
        }
        return cle;
    }
    if (!creer)
        return QByteArray();

    const QByteArray cle = Chiffrement::aleatoire(Chiffrement::TAILLE_CLE);
    const QByteArray nouvelle = cle.isEmpty() ? QByteArray() : FormatChiffre::envelopper(cleMotDePasse, cle);
    if (nouvelle.size() != TAILLE_ENVELOPPE) {
        *erreur = QCoreApplication::translate("CoffreCles", "The calendar's key cannot be made.");
        return QByteArray();
    }
    const Resultat garde = Secrets::creerDonnees(chemin, nouvelle);
    if (!garde) {
        *erreur = garde.getMessage();
        return QByteArray();
    }
    return cle;
}
