#include "gestionnairefichiers.h"

#include "fichierprojet/fichierprojet.h"
#include "fichierprojet/lecteurprojet.h"
#include "modele/calendrier.h"
#include "site/politiquesortie.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDomDocument>

GestionnaireFichiers::GestionnaireFichiers()
{
    Q_INIT_RESOURCE(ressources);
}

int GestionnaireFichiers::retenir(Resultat const &resultat)
{
    dernierResultat = resultat;
    return resultat.getCode();
}

int GestionnaireFichiers::creerFichierDepuisCalendrier(Calendrier const &calendrier, QString const &url)
{
    QString raison;
    const int code = FichierProjet::enregistrer(calendrier, url, &raison);
    if (code == 0)
        return retenir(Resultat());
    const QString nom = Resultat::cheminLisible(url);
    if (raison.endsWith(QLatin1Char('.')))
        raison.chop(1);
    return retenir(Resultat::echec(code,
        raison.isEmpty() ? GestionnaireFichiers::tr("The file %1 cannot be written.").arg(nom)
                         : GestionnaireFichiers::tr("The file %1 cannot be written: %2.").arg(nom, raison))
                       .avecChemin(url)
                       .avecRaison(raison));
}

int GestionnaireFichiers::creerCalendrierDepuisFichier(QString const &url, Calendrier &calendrier)
{
    const Resultat resultat = FichierProjet::ouvrir(url, calendrier);
    // A document of another kind reads as nothing, as it always did here.
    retenir(resultat);
    return resultat.getCode() == FichierProjet::PAS_UN_CALENDRIER ? 0 : resultat.getCode();
}

int GestionnaireFichiers::creerDomDepuisFichier(QString const &url, QDomDocument &document)
{
    Calendrier calendrier;
    const int code = creerCalendrierDepuisFichier(url, calendrier);
    if (code == 0 && dernierResultat.getCode() != FichierProjet::PAS_UN_CALENDRIER)
        FichierProjet::versDom(calendrier, document);
    return code;
}

QString GestionnaireFichiers::getDetailsErreur() const
{
    return dernierResultat.getMessage();
}

Resultat GestionnaireFichiers::getResultat() const
{
    return dernierResultat;
}

bool GestionnaireFichiers::estValide(QString const &url)
{
    return FichierProjet::estValide(url);
}

int GestionnaireFichiers::ecrireDom(QDomDocument const &document, QIODevice &peripherique)
{
    return FichierProjet::ecrireDom(document, peripherique);
}

int GestionnaireFichiers::creerDomDepuisCalendrier(Calendrier const &calendrier, QDomDocument &document)
{
    return FichierProjet::versDom(calendrier, document);
}

int GestionnaireFichiers::creerCalendrierDepuisDom(QDomDocument const &document, Calendrier &calendrier)
{
    QBuffer texte;
    texte.setData(FichierProjet::texte(document));
    texte.open(QIODevice::ReadOnly);
    return retenir(LecteurProjet::lire(texte, calendrier, QString()));
}

int GestionnaireFichiers::generer(
    Calendrier const &calendrier, QString repertoireSortie, bool apercu, QString const &motDePasse)
{
    avis.clear();
    return retenir(GenerationSite::generer(calendrier, repertoireSortie, apercu, motDePasse, &avis));
}

QString GestionnaireFichiers::getAvis() const
{
    return avis;
}

QMap<int, QString> GestionnaireFichiers::mediasIntrouvables(Calendrier const &calendrier)
{
    return GenerationSite::mediasIntrouvables(calendrier);
}

int GestionnaireFichiers::calculer_taille(Calendrier const &calendrier, long long *taille)
{
    return GenerationSite::calculerTaille(calendrier, taille);
}

bool GestionnaireFichiers::estRepertoireSortieInterdit(
    QString const &repertoire, QString const &fichierProjet, Calendrier const &calendrier)
{
    return PolitiqueSortie::estRepertoireSortieInterdit(repertoire, fichierProjet, calendrier);
}

Resultat GestionnaireFichiers::controlerRepertoireSortie(
    QString const &repertoire, QString const &fichierProjet, Calendrier const &calendrier)
{
    return PolitiqueSortie::controler(repertoire, fichierProjet, calendrier);
}

bool GestionnaireFichiers::estVideOuSiteGenere(QString const &repertoire)
{
    return PolitiqueSortie::estVideOuSiteGenere(repertoire);
}
