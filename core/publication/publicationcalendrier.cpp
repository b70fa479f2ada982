#include "publication/publicationcalendrier.h"

#include "conversion/planconversions.h"
#include "gestionnairefichiers.h"
#include "modele/calendrier.h"
#include "publication/ciblepublication.h"

#include <QTemporaryDir>

Resultat PublicationCalendrier::publier(
    Calendrier const &calendrier, Demande const &demande, Publieur::Bilan *bilan, QString *empreinteInconnue)
{
    *bilan = Publieur::Bilan();
    empreinteInconnue->clear();
    QString erreur;
    const QString adresse = calendrier.getOptions().publication;
    if (adresse.isEmpty())
        return Resultat::echec(
            1, tr("The calendar has no publishing address; set one in Options, Publishing."));
    const CiblePublication cible = CiblePublication::lire(adresse, &erreur);
    if (!cible.estValide())
        return Resultat::echec(1, erreur);

    if (!PlanConversions::instance().preparer(calendrier, demande.conversion, &erreur))
        return Resultat::echec(1, tr("Cannot publish the calendar: %1").arg(erreur));
    // The staging folder goes with its site once published.
    QTemporaryDir chantier;
    if (!chantier.isValid())
        return Resultat::echec(
            1, tr("Cannot make a staging folder for the site: %1.").arg(chantier.errorString()));
    const QString site = chantier.filePath(QStringLiteral("site"));
    GestionnaireFichiers gestionnaire;
    if (gestionnaire.generer(calendrier, site, false) != 0)
        return Resultat::echec(1, gestionnaire.getDetailsErreur());

    Publieur publieur(cible, demande.reglages);
    const Resultat resultat =
        publieur.publier(site, demande.simulation, demande.accepterEtranger, bilan, demande.suivi);
    *empreinteInconnue = publieur.getEmpreinteInconnue();
    return resultat;
}
