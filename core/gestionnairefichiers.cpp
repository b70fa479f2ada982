#include "gestionnairefichiers.h"

#include "calendrier.h"
#include "genremedia.h"
#include "media.h"

#include <QAbstractMessageHandler>
#include <QCryptographicHash>
#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>
#include <QTextStream>
#include <QThread>
#include <QUrl>
#include <QXmlSchema>
#include <QXmlSchemaValidator>
#include <QXmlStreamReader>

#include <filesystem>
#include <system_error>

const QString GestionnaireFichiers::NOM_REPERTOIRE_MEDIA = QStringLiteral("data");
const QString GestionnaireFichiers::NOM_BALISE_RACINE = QStringLiteral("tinselbox");
const QString GestionnaireFichiers::NOM_BALISE_JOUR = QStringLiteral("jour");
const QString GestionnaireFichiers::NOM_BALISE_MEDIA = GenreMedia::NOM_BALISE_MEDIA;
const QString GestionnaireFichiers::NOM_BALISE_IMAGE = GenreMedia::pour(Media::PHOTO)->balise;
const QString GestionnaireFichiers::NOM_BALISE_SON = GenreMedia::pour(Media::MUSIQUE)->balise;
const QString GestionnaireFichiers::NOM_BALISE_VIDEO = GenreMedia::pour(Media::VIDEO)->balise;
const QString GestionnaireFichiers::NOM_ATTRIBUT_NOM = QStringLiteral("nom");
const QString GestionnaireFichiers::NOM_ATTRIBUT_VERSION = QStringLiteral("version");
const QString GestionnaireFichiers::NOM_ATTRIBUT_NUMERO_JOUR = QStringLiteral("numero");
const QString GestionnaireFichiers::NOM_ATTRIBUT_URL = GenreMedia::NOM_ATTRIBUT_URL;
const QString GestionnaireFichiers::IDENTIFIANT_VERSION = QStringLiteral("1");
const QString GestionnaireFichiers::EXTENSION_MEDIA = GenreMedia::EXTENSION_STOCKAGE;
const QString GestionnaireFichiers::MARQUEUR_GESTION_SCENE = QStringLiteral("// <GESTION DE LA SCENE>");
const QString GestionnaireFichiers::MARQUEUR_GESTION_COLLECTION = QStringLiteral("// <GESTION DE LA COLLECTION>");
const QString GestionnaireFichiers::MARQUEUR_BYPASS = QStringLiteral("// <INITIALISATION>");

namespace {

const QString REPERTOIRE_MODELE = QStringLiteral(":tinselbox/js");
const QString SCHEMA = QStringLiteral(":/xsd/tinselbox.xsd");
const QString REPERTOIRE_SCRIPTS = QStringLiteral("scripts");
const QString SCRIPT_CALENDRIER = QStringLiteral("calendrier.js");
const QString SUFFIXE_TEMPORAIRE = QStringLiteral(".new");
const QString LIGNE_APERCU = QStringLiteral("bypass = true;\n");

// A project file is three elements deep. Qt's DOM parser and schema validator recurse
// per level and overflow the stack on documents tens of thousands of levels deep, so
// anything far deeper than a project file is refused before they see it.
const int PROFONDEUR_MAXIMALE = 64;

bool profondeurAcceptable(QIODevice &peripherique)
{
    QXmlStreamReader lecteur(&peripherique);
    int profondeur = 0;
    while (!lecteur.atEnd()) {
        const QXmlStreamReader::TokenType jeton = lecteur.readNext();
        if (jeton == QXmlStreamReader::StartElement) {
            if (++profondeur > PROFONDEUR_MAXIMALE)
                return false;
        } else if (jeton == QXmlStreamReader::EndElement) {
            --profondeur;
        }
    }
    // Other errors are the DOM parser's or the validator's to report.
    return true;
}

// The validator's diagnostics are of no use to the user; the verdict is enough.
class GestionnaireMessagesSilencieux : public QAbstractMessageHandler
{
protected:
    void handleMessage(QtMsgType, const QString &, const QUrl &, const QSourceLocation &) override {}
};

QString joindre(const QString &repertoire, const QString &nom)
{
    return repertoire + QLatin1Char('/') + nom;
}

// Both walks see every entry, hidden and system ones included, in the order given.
QStringList listerEntrees(const QString &repertoire)
{
    return QDir(repertoire).entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                      QDir::Unsorted);
}

std::filesystem::path cheminNatif(const QString &chemin)
{
    return std::filesystem::path(QFile::encodeName(chemin).toStdString());
}

// Copies one file without ever replacing an existing one. Ordinary files go through
// the kernel's copy (media files can be hundreds of megabytes); resources through Qt.
bool copierFichier(const QString &source, const QString &destination)
{
    if (source.isEmpty() || destination.isEmpty())
        return false;
    const QFileInfo infoDestination(destination);
    if (infoDestination.exists() || infoDestination.isSymLink())
        return false;

    if (source.startsWith(QLatin1Char(':')))
        return QFile::copy(source, destination);

    if (!QFileInfo(source).isFile())
        return false;
    std::error_code erreur;
    const bool copie = std::filesystem::copy_file(cheminNatif(source), cheminNatif(destination),
                                                  std::filesystem::copy_options::none, erreur);
    return copie && !erreur;
}

} // namespace

GestionnaireFichiers::GestionnaireFichiers()
{
    Q_INIT_RESOURCE(ressources);
}

// ---------------------------------------------------------------------------
// Project files

int GestionnaireFichiers::creerFichierDepuisCalendrier(Calendrier const &calendrier, QString const &url)
{
    QDomDocument document;
    const int resultat = creerDomDepuisCalendrier(calendrier, document);
    if (resultat != 0)
        return resultat;
    return creerFichierDepuisDom(document, url);
}

int GestionnaireFichiers::creerCalendrierDepuisFichier(QString const &url, Calendrier &calendrier)
{
    QDomDocument document;
    const int resultat = creerDomDepuisFichier(url, document);
    if (resultat != 0)
        return resultat;
    return creerCalendrierDepuisDom(document, calendrier);
}

int GestionnaireFichiers::creerFichierDepuisDom(QDomDocument const &document, QString const &url)
{
    QFile fichier(url);
    return creerQFileDepuisDom(document, fichier);
}

int GestionnaireFichiers::creerDomDepuisFichier(QString const &url, QDomDocument &document)
{
    QFile fichier(url);
    return creerDomDepuisQFile(fichier, document);
}

int GestionnaireFichiers::creerQFileDepuisDom(QDomDocument const &document, QFile &fichier)
{
    // The previous project file is replaced only once the new content is complete.
    QSaveFile sortie(fichier.fileName());
    if (!sortie.open(QIODevice::WriteOnly))
        return 2;
    if (ecrireDom(document, sortie) != 0) {
        sortie.cancelWriting();
        return 2;
    }
    return sortie.commit() ? 0 : 2;
}

int GestionnaireFichiers::ecrireDom(QDomDocument const &document, QIODevice &peripherique)
{
    const QByteArray texte = document.toByteArray(1);
    return peripherique.write(texte) == texte.size() ? 0 : 2;
}

int GestionnaireFichiers::creerDomDepuisQFile(QFile &fichier, QDomDocument &document)
{
    if (!fichier.exists())
        return 3;
    // Read and write: a write-protected project file is reported, as it could not be saved back.
    if (!fichier.open(QIODevice::ReadWrite))
        return 2;

    bool lu = profondeurAcceptable(fichier);
    if (lu) {
        fichier.seek(0);
        lu = document.setContent(&fichier, false);
    }
    fichier.close();
    return lu ? 0 : 1;
}

bool GestionnaireFichiers::estValide(QString const &url)
{
    QFile fichier(url);
    if (!fichier.exists() || !fichier.open(QIODevice::ReadOnly))
        return false;
    if (!profondeurAcceptable(fichier))
        return false;
    fichier.seek(0);

    GestionnaireMessagesSilencieux silence;
    QFile fichierSchema(SCHEMA);
    fichierSchema.open(QIODevice::ReadOnly);
    QXmlSchema schema;
    schema.setMessageHandler(&silence);
    schema.load(&fichierSchema, QUrl::fromLocalFile(fichierSchema.fileName()));
    if (!schema.isValid())
        return false;

    QXmlSchemaValidator validateur(schema);
    validateur.setMessageHandler(&silence);
    const bool valide = validateur.validate(&fichier, QUrl());
    fichier.close();
    return valide;
}

// ---------------------------------------------------------------------------
// Conversions

int GestionnaireFichiers::creerDomDepuisCalendrier(Calendrier const &calendrier, QDomDocument &document)
{
    QDomElement racine = document.createElement(NOM_BALISE_RACINE);
    racine.setAttribute(NOM_ATTRIBUT_NOM, calendrier.getNom());
    racine.setAttribute(NOM_ATTRIBUT_VERSION, IDENTIFIANT_VERSION);
    document.appendChild(racine);

    const QMap<int, Media *> &contenu = calendrier.getContenuConstant();
    for (auto it = contenu.constBegin(); it != contenu.constEnd(); ++it) {
        QDomElement jour = document.createElement(NOM_BALISE_JOUR);
        jour.setAttribute(NOM_ATTRIBUT_NUMERO_JOUR, QString::number(it.key()));
        racine.appendChild(jour);
        jour.appendChild(document.importNode(it.value()->getQDomElement(), true));
    }
    return 0;
}

int GestionnaireFichiers::creerCalendrierDepuisDom(QDomDocument const &document, Calendrier &calendrier)
{
    for (QDomNode noeud = document.firstChild(); !noeud.isNull(); noeud = noeud.nextSibling()) {
        const QDomElement racine = noeud.toElement();
        if (racine.isNull() || racine.tagName() != NOM_BALISE_RACINE)
            continue;

        if (racine.hasAttribute(NOM_ATTRIBUT_NOM))
            calendrier.setNom(racine.attribute(NOM_ATTRIBUT_NOM));

        for (QDomElement jour = racine.firstChildElement(NOM_BALISE_JOUR); !jour.isNull();
             jour = jour.nextSiblingElement(NOM_BALISE_JOUR)) {
            bool ok = false;
            int numero = jour.attribute(NOM_ATTRIBUT_NUMERO_JOUR).trimmed().toInt(&ok, 10);
            if (!ok)
                numero = 0;

            for (QDomElement element = jour.firstChildElement(); !element.isNull();
                 element = element.nextSiblingElement()) {
                if (Media *media = convertirEnMedia(element))
                    calendrier.ajouterMedia(numero, media);
            }
        }
    }
    return 0;
}

Media *GestionnaireFichiers::convertirEnMedia(QDomElement const &element)
{
    return GenreMedia::depuisElement(element);
}

// ---------------------------------------------------------------------------
// Web site

int GestionnaireFichiers::generer(Calendrier const &calendrier, QString repertoireSortie, bool apercu)
{
    // The directory is erased first: never when that would take the user's own files
    // with it (an empty path would stand for the current directory).
    if (estRepertoireSortieInterdit(repertoireSortie, QString(), calendrier))
        return 4;
    if (resetRepertoire(repertoireSortie) != 0)
        return 4;
    const QString repertoireMedia = QDir(repertoireSortie).filePath(NOM_REPERTOIRE_MEDIA);
    if (resetRepertoire(repertoireMedia) != 0)
        return 4;
    if (!copyRecursively(REPERTOIRE_MODELE, repertoireSortie))
        return 6;

    const QString scripts = joindre(repertoireSortie, REPERTOIRE_SCRIPTS);
    const QString scriptCalendrier = joindre(scripts, SCRIPT_CALENDRIER);

    const QMap<int, Media *> &contenu = calendrier.getContenuConstant();
    for (auto it = contenu.constBegin(); it != contenu.constEnd(); ++it) {
        // A stop request (the user dismissed the progress dialog) is honoured between days.
        if (QThread::currentThread()->isInterruptionRequested())
            return GENERATION_INTERROMPUE;

        const Media *media = it.value();
        const QString identifiant = getHash(QString::number(it.key()), calendrier.getNom());

        if (copierFichierMedia(media, GenreMedia::nomFichierStocke(identifiant), repertoireMedia) != 0)
            return 5;

        const QString blocJour = QStringLiteral("case %1:\n").arg(it.key()) + media->getSceneJS(identifiant);
        if (ajouterDansLeFichierSousLeMarqueur(scriptCalendrier, MARQUEUR_GESTION_SCENE, blocJour) != 0)
            return 2;

        const QString scriptCollection = joindre(scripts, media->getNomFichierCollection());
        if (ajouterDansLeFichierSousLeMarqueur(scriptCollection, MARQUEUR_GESTION_COLLECTION,
                                               media->getCollectionJS(identifiant))
            != 0)
            return 2;
    }

    if (apercu)
        return ajouterDansLeFichierSousLeMarqueur(scriptCalendrier, MARQUEUR_BYPASS, LIGNE_APERCU);
    return 0;
}

int GestionnaireFichiers::calculer_taille(Calendrier const &calendrier, long long *taille)
{
    *taille = 0;
    calculerTailleRecursively(REPERTOIRE_MODELE, taille);
    const QMap<int, Media *> &contenu = calendrier.getContenuConstant();
    for (const Media *media : contenu) {
        if (media == nullptr)
            continue;
        const QFileInfo info(media->getUrl());
        if (info.isFile())
            *taille += info.size();
    }
    return 0;
}

namespace {

Qt::CaseSensitivity sensibiliteChemins()
{
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    return Qt::CaseInsensitive;
#else
    return Qt::CaseSensitive;
#endif
}

// A path as given (absolute and cleaned) and, where it exists, with its links resolved:
// a file reached through a link inside a directory goes with that directory too.
QStringList formesDuChemin(const QString &chemin)
{
    const QFileInfo info(chemin);
    QStringList formes{QDir::cleanPath(info.absoluteFilePath())};
    const QString canonique = info.canonicalFilePath();
    if (!canonique.isEmpty() && !formes.contains(canonique))
        formes << canonique;
    return formes;
}

bool estDansOuEgal(const QString &chemin, const QString &repertoire)
{
    if (chemin.compare(repertoire, sensibiliteChemins()) == 0)
        return true;
    const QString prefixe = repertoire.endsWith(QLatin1Char('/')) ? repertoire : repertoire + QLatin1Char('/');
    return chemin.startsWith(prefixe, sensibiliteChemins());
}

bool contient(const QStringList &formesRepertoire, const QString &chemin)
{
    if (chemin.isEmpty())
        return false;
    for (const QString &forme : formesDuChemin(chemin)) {
        for (const QString &repertoire : formesRepertoire) {
            if (estDansOuEgal(forme, repertoire))
                return true;
        }
    }
    return false;
}

bool estRacineSystemeFichiers(const QString &repertoire)
{
    if (QDir(repertoire).isRoot())
        return true;
    // A mount point is the root of a whole disk, a USB key for instance.
    const QStorageInfo volume(repertoire);
    return volume.isValid() && QDir::cleanPath(volume.rootPath()).compare(repertoire, sensibiliteChemins()) == 0;
}

} // namespace

bool GestionnaireFichiers::estRepertoireSortieInterdit(QString const &repertoire, QString const &fichierProjet,
                                                       Calendrier const &calendrier)
{
    if (repertoire.isEmpty())
        return true;
    const QStringList formes = formesDuChemin(repertoire);
    for (const QString &forme : formes) {
        if (estRacineSystemeFichiers(forme))
            return true;
    }
    if (contient(formes, QDir::homePath()) || contient(formes, fichierProjet))
        return true;
    for (const Media *media : calendrier.getContenuConstant()) {
        if (media != nullptr && contient(formes, media->getUrl()))
            return true;
    }
    return false;
}

bool GestionnaireFichiers::estVideOuSiteGenere(QString const &repertoire)
{
    if (repertoire.isEmpty())
        return false;
    const QFileInfo info(repertoire);
    if (!info.exists() && !info.isSymLink())
        return true;
    if (!info.isDir())
        return false;
    const QDir dossier(repertoire);
    if (dossier.isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
        return true;
    return QFileInfo(dossier.filePath(QStringLiteral("index.html"))).isFile()
        && QFileInfo(dossier.filePath(REPERTOIRE_SCRIPTS + QLatin1Char('/') + SCRIPT_CALENDRIER)).isFile();
}

int resetRepertoire(QString repertoire)
{
    if (repertoire.isEmpty())
        return 4;
    QDir(repertoire).removeRecursively();
    return QDir().mkpath(repertoire) ? 0 : 4;
}

int copierFichierMedia(Media const *media, QString nomFichier, QString repertoire)
{
    if (media == nullptr)
        return 5;
    return copierFichier(media->getUrl(), QDir(repertoire).filePath(nomFichier)) ? 0 : 5;
}

int ajouterDansLeFichierSousLeMarqueur(QString fichier, QString marqueur, QString texte)
{
    QFile entree(fichier);
    QFile sortie(fichier + SUFFIXE_TEMPORAIRE);
    if (!entree.open(QIODevice::ReadOnly | QIODevice::Text))
        return 2;
    if (!sortie.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return 2;

    QTextStream lecture(&entree);
    QTextStream ecriture(&sortie);
    lecture.setCodec("UTF-8");
    ecriture.setCodec("UTF-8");
    while (!lecture.atEnd()) {
        const QString ligne = lecture.readLine();
        ecriture << ligne << '\n';
        if (ligne.contains(marqueur))
            ecriture << texte << '\n';
    }
    ecriture.flush();
    const bool ecrit = ecriture.status() == QTextStream::Ok && sortie.error() == QFileDevice::NoError;
    entree.close();
    sortie.close();

    // A script left half rewritten would break the site: report it instead of claiming success.
    if (!ecrit) {
        sortie.remove();
        return 2;
    }
    // The rewritten script replaces the old one with the same permissions.
    sortie.setPermissions(entree.permissions());
    if (!entree.remove())
        return 2;
    return sortie.rename(fichier) ? 0 : 2;
}

QString getHash(QString texte1, QString texte2)
{
    return QString::fromLatin1(
        QCryptographicHash::hash((texte1 + texte2).toUtf8(), QCryptographicHash::Md5).toHex());
}

bool copyRecursively(QString const &source, QString const &destination)
{
    const QFileInfo infoSource(source);
    if (infoSource.isDir()) {
        const QFileInfo infoDestination(destination);
        infoDestination.dir().mkdir(infoDestination.fileName());

        for (const QString &nom : listerEntrees(source)) {
            if (!copyRecursively(joindre(source, nom), joindre(destination, nom)))
                return false;
        }
        return true;
    }

    if (!copierFichier(source, destination))
        return false;
    // Files from the resources are read-only; the marker insertion must be able to replace them.
    QFile::setPermissions(destination, QFileDevice::ReadUser | QFileDevice::WriteUser);
    return true;
}

bool calculerTailleRecursively(QString const &chemin, long long *total)
{
    const QFileInfo info(chemin);
    if (info.isDir()) {
        for (const QString &nom : listerEntrees(chemin)) {
            if (!calculerTailleRecursively(joindre(chemin, nom), total))
                return false;
        }
        return true;
    }
    *total += info.exists() ? info.size() : 0;
    return true;
}
