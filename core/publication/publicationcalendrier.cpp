#include "publication/publicationcalendrier.h"

#include "modele/calendrier.h"
#include "publication/ciblepublication.h"
#include "service/servicegeneration.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

void PublicationCalendrier::lieuxUtilisateur(TransfertCurl::Reglages *reglages)
{
    reglages->repertoireSsh = QDir::home().filePath(QStringLiteral(".ssh"));
    const QDir donnees(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    reglages->fichierHotesConnus = donnees.filePath(QStringLiteral("known_hosts"));
    const QString autorites = donnees.filePath(NOM_AUTORITES);
    reglages->fichierCa = QFileInfo(autorites).isFile() ? autorites : QString();
}

Resultat PublicationCalendrier::publier(
    Calendrier const &calendrier, Demande const &demande, Publieur::Bilan *bilan, QString *empreinteInconnue)
{
    *bilan = Publieur::Bilan();
    empreinteInconnue->clear();
    QString erreur;
    const QString adresse = calendrier.getOptions().publication;
    if (adresse.isEmpty())
        return Resultat::echec(Resultat::Cause::Publication,
            tr("The calendar has no publishing address; set one in Options, Publishing."));
    const CiblePublication cible = CiblePublication::lire(adresse, &erreur);
    if (!cible.estValide())
        return Resultat::echec(Resultat::Cause::Publication, erreur);

    // The staging folder goes with its site once published.
    QTemporaryDir chantier;
    if (!chantier.isValid())
        return Resultat::echec(Resultat::Cause::Repertoire,
            tr("Cannot make a staging folder for the site: %1.").arg(chantier.errorString()));
    const QString site = chantier.filePath(QStringLiteral("site"));
    ServiceGeneration service;
    service.setCalendrier(&calendrier);
    service.setRepertoire(site);
    service.setMotDePasse(demande.motDePasse);
    QObject::connect(&service, &ServiceGeneration::conversionAvancee, [&](int jour, int rang, int total) {
        if (demande.conversion && !demande.conversion(jour, rang, total))
            service.arreter();
    });
    const Resultat generation = service.executer();
    if (!generation)
        return generation;

    Publieur publieur(cible, demande.reglages);
    const Resultat resultat =
        publieur.publier(site, demande.simulation, demande.accepterEtranger, bilan, demande.suivi);
    *empreinteInconnue = publieur.getEmpreinteInconnue();
    return resultat;
}
