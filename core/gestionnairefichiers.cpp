#include "gestionnairefichiers.h"

#include "fichierprojet/fichierprojet.h"
#include "modele/genremedia.h"
#include "site/politiquesortie.h"

#include <QCoreApplication>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>

// Each unit's names are compile-time constants or built on first use, so these copies
// never depend on the order in which the units' statics are set.
const QString GestionnaireFichiers::NOM_REPERTOIRE_MEDIA = GenerationSite::NOM_REPERTOIRE_MEDIA;
const QString GestionnaireFichiers::NOM_BALISE_RACINE = FichierProjet::NOM_BALISE_RACINE;
const QString GestionnaireFichiers::NOM_BALISE_JOUR = FichierProjet::NOM_BALISE_JOUR;
const QString GestionnaireFichiers::NOM_BALISE_MEDIA = GenreMedia::NOM_BALISE_MEDIA;
const QString GestionnaireFichiers::NOM_BALISE_IMAGE = GenreMedia::pour(Media::PHOTO)->balise;
const QString GestionnaireFichiers::NOM_BALISE_SON = GenreMedia::pour(Media::MUSIQUE)->balise;
const QString GestionnaireFichiers::NOM_BALISE_VIDEO = GenreMedia::pour(Media::VIDEO)->balise;
const QString GestionnaireFichiers::NOM_ATTRIBUT_NOM = FichierProjet::NOM_ATTRIBUT_NOM;
const QString GestionnaireFichiers::NOM_ATTRIBUT_VERSION = FichierProjet::NOM_ATTRIBUT_VERSION;
const QString GestionnaireFichiers::NOM_ATTRIBUT_NUMERO_JOUR = FichierProjet::NOM_ATTRIBUT_NUMERO_JOUR;
const QString GestionnaireFichiers::NOM_ATTRIBUT_URL = GenreMedia::NOM_ATTRIBUT_URL;
const QString GestionnaireFichiers::IDENTIFIANT_VERSION = FichierProjet::IDENTIFIANT_VERSION;
const QString GestionnaireFichiers::EXTENSION_MEDIA = GenreMedia::EXTENSION_STOCKAGE;
const QString GestionnaireFichiers::MARQUEUR_GESTION_SCENE = GenerationSite::MARQUEUR_GESTION_SCENE;
const QString GestionnaireFichiers::MARQUEUR_GESTION_COLLECTION = GenerationSite::MARQUEUR_GESTION_COLLECTION;
const QString GestionnaireFichiers::MARQUEUR_BYPASS = GenerationSite::MARQUEUR_BYPASS;

GestionnaireFichiers::GestionnaireFichiers()
{
    Q_INIT_RESOURCE(ressources);
}

namespace {

QString traduire(const char *texte)
{
    return QCoreApplication::translate("GestionnaireFichiers", texte);
}

QString detailsEcriture(int code, QString const &url, QString const &raison)
{
    if (code == 0)
        return QString();
    const QString sansExtension = raison.endsWith(QLatin1Char('.')) ? raison.chopped(1) : raison;
    return sansExtension.isEmpty() ? traduire("The file %1 cannot be written.").arg(url)
                                   : traduire("The file %1 cannot be written: %2.").arg(url, sansExtension);
}

QString detailsLecture(int code, QString const &url, QString raison)
{
    switch (code) {
    case 0:
        return QString();
    case 2:
        if (raison.isEmpty()) {
            // A regular file (anything else reads as 3): opening it again tells why.
            QFile fichier(url);
            if (!fichier.open(QIODevice::ReadOnly))
                raison = fichier.errorString();
        }
        break;
    case 1:
        return traduire("%1 is not a calendar file.").arg(url);
    case 3:
        return QFileInfo::exists(url) ? traduire("%1 is not a regular file.").arg(url)
                                      : traduire("The file %1 does not exist.").arg(url);
    default:
        break;
    }
    return raison.isEmpty() ? traduire("The file %1 cannot be opened.").arg(url)
                            : traduire("The file %1 cannot be opened: %2.").arg(url, raison);
}

} // namespace

int GestionnaireFichiers::creerFichierDepuisCalendrier(Calendrier const &calendrier, QString const &url)
{
    QString raison;
    const int resultat = FichierProjet::enregistrer(calendrier, url, &raison);
    return retenir(
        resultat == 0 ? Resultat() : Resultat::echec(resultat, detailsEcriture(resultat, url, raison)));
}

int GestionnaireFichiers::creerCalendrierDepuisFichier(QString const &url, Calendrier &calendrier)
{
    const int resultat = FichierProjet::charger(url, calendrier);
    return retenir(
        resultat == 0 ? Resultat() : Resultat::echec(resultat, detailsLecture(resultat, url, QString())));
}

int GestionnaireFichiers::creerFichierDepuisDom(QDomDocument const &document, QString const &url)
{
    QString raison;
    const int resultat = FichierProjet::ecrire(document, url, &raison);
    return retenir(
        resultat == 0 ? Resultat() : Resultat::echec(resultat, detailsEcriture(resultat, url, raison)));
}

int GestionnaireFichiers::creerDomDepuisFichier(QString const &url, QDomDocument &document)
{
    QFile fichier(url);
    const int resultat = FichierProjet::lire(fichier, document);
    return retenir(resultat == 0
            ? Resultat()
            : Resultat::echec(resultat, detailsLecture(resultat, url, fichier.errorString())));
}

QString GestionnaireFichiers::getDetailsErreur() const
{
    return dernierResultat.getMessage();
}

QString GestionnaireFichiers::detailsOuverture(int code, QString const &url)
{
    return code == 0 ? traduire("%1 is not a calendar file.").arg(url) : detailsLecture(code, url, QString());
}

int GestionnaireFichiers::creerQFileDepuisDom(QDomDocument const &document, QFile &fichier)
{
    return FichierProjet::ecrire(document, fichier.fileName());
}

int GestionnaireFichiers::creerDomDepuisQFile(QFile &fichier, QDomDocument &document)
{
    return FichierProjet::lire(fichier, document);
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
    return FichierProjet::versCalendrier(document, calendrier);
}

Media *GestionnaireFichiers::convertirEnMedia(QDomElement const &element)
{
    return FichierProjet::versMedia(element);
}

int GestionnaireFichiers::generer(Calendrier const &calendrier, QString repertoireSortie, bool apercu)
{
    return retenir(GenerationSite::generer(calendrier, repertoireSortie, apercu));
}

int GestionnaireFichiers::retenir(Resultat const &resultat)
{
    dernierResultat = resultat;
    return resultat.getCode();
}

Resultat GestionnaireFichiers::getResultat() const
{
    return dernierResultat;
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
