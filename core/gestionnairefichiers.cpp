#include "gestionnairefichiers.h"

#include "fichierprojet/fichierprojet.h"
#include "fichierprojet/lecteurprojet.h"
#include "format/resultat.h"
#include "modele/calendrier.h"
#include "site/generationsite.h"

#include <QBuffer>
#include <QDomDocument>

GestionnaireFichiers::GestionnaireFichiers()
{
    Q_INIT_RESOURCE(ressources);
}

int GestionnaireFichiers::codeDe(Resultat const &resultat)
{
    switch (resultat.getCause()) {
    case Resultat::Cause::Aucune:
    case Resultat::Cause::PasUnCalendrier:
        return 0;
    case Resultat::Cause::DocumentIllisible:
        return 1;
    case Resultat::Cause::FichierInaccessible:
    case Resultat::Cause::Publication:
    case Resultat::Cause::DossierEtranger:
    case Resultat::Cause::Secret:
        return 2;
    case Resultat::Cause::Introuvable:
    case Resultat::Cause::SansCalendrier:
        return 3;
    case Resultat::Cause::Repertoire:
        return 4;
    case Resultat::Cause::Media:
    case Resultat::Cause::Conversion:
        return 5;
    case Resultat::Cause::Modele:
        return 6;
    case Resultat::Cause::Interrompu:
        return 7;
    }
    return 2;
}

int GestionnaireFichiers::creerFichierDepuisCalendrier(Calendrier const &calendrier, QString const &url)
{
    return codeDe(FichierProjet::enregistrer(calendrier, url));
}

int GestionnaireFichiers::creerCalendrierDepuisFichier(QString const &url, Calendrier &calendrier)
{
    return codeDe(FichierProjet::ouvrir(url, calendrier));
}

int GestionnaireFichiers::creerDomDepuisFichier(QString const &url, QDomDocument &document)
{
    Calendrier calendrier;
    const Resultat resultat = FichierProjet::ouvrir(url, calendrier);
    if (resultat)
        FichierProjet::versDom(calendrier, document);
    return codeDe(resultat);
}

bool GestionnaireFichiers::estValide(QString const &url)
{
    return FichierProjet::estValide(url);
}

int GestionnaireFichiers::creerDomDepuisCalendrier(Calendrier const &calendrier, QDomDocument &document)
{
    FichierProjet::versDom(calendrier, document);
    return 0;
}

int GestionnaireFichiers::creerCalendrierDepuisDom(QDomDocument const &document, Calendrier &calendrier)
{
    QBuffer texte;
    texte.setData(FichierProjet::texte(document));
    texte.open(QIODevice::ReadOnly);
    return codeDe(LecteurProjet::lire(texte, calendrier, QString()));
}

int GestionnaireFichiers::generer(
    Calendrier const &calendrier, QString repertoireSortie, bool apercu, QString const &motDePasse)
{
    return codeDe(GenerationSite::generer(calendrier, repertoireSortie, apercu, QDateTime(), motDePasse));
}

int GestionnaireFichiers::calculer_taille(Calendrier const &calendrier, long long *taille)
{
    GenerationSite::calculerTaille(calendrier, taille);
    return 0;
}
