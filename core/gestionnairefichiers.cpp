#include "gestionnairefichiers.h"

#include "calendrier.h"
#include "fichierordinaire.h"
#include "gardexml.h"
#include "lecteurprojet.h"
#include "image.h"
#include "son.h"
#include "video.h"

#include <QAbstractMessageHandler>
#include <QCryptographicHash>
#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>
#include <QTextCodec>
#include <QTextStream>
#include <QThread>
#include <QUrl>
#include <QXmlSchema>
#include <QXmlSchemaValidator>

#include <filesystem>
#include <system_error>

const QString GestionnaireFichiers::NOM_REPERTOIRE_MEDIA = QStringLiteral("data");
const QString GestionnaireFichiers::NOM_BALISE_RACINE = QStringLiteral("tinselbox");
const QString GestionnaireFichiers::NOM_BALISE_JOUR = QStringLiteral("jour");
const QString GestionnaireFichiers::NOM_BALISE_MEDIA = QStringLiteral("media");
const QString GestionnaireFichiers::NOM_BALISE_IMAGE = QStringLiteral("image");
const QString GestionnaireFichiers::NOM_BALISE_SON = QStringLiteral("son");
const QString GestionnaireFichiers::NOM_BALISE_VIDEO = QStringLiteral("video");
const QString GestionnaireFichiers::NOM_ATTRIBUT_NOM = QStringLiteral("nom");
const QString GestionnaireFichiers::NOM_ATTRIBUT_VERSION = QStringLiteral("version");
const QString GestionnaireFichiers::NOM_ATTRIBUT_NUMERO_JOUR = QStringLiteral("numero");
const QString GestionnaireFichiers::NOM_ATTRIBUT_URL = QStringLiteral("url");
const QString GestionnaireFichiers::IDENTIFIANT_VERSION = QStringLiteral("1");
const QString GestionnaireFichiers::EXTENSION_MEDIA = QStringLiteral("txt");
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

// Opens a project file for reading only (a FIFO would never end). A write-protected file
// is still reported, as it could not be saved back.
int ouvrirProjetEnLecture(QFile &fichier)
{
    const bool modifiable = QFileInfo(fichier.fileName()).isWritable();
    const int ouverture = FichierOrdinaire::ouvrirEnLecture(fichier);
    if (ouverture == 0 && !modifiable) {
        fichier.close();
        return 2;
    }
    return ouverture;
}

void retirerDeclarationXml(QByteArray &texte)
{
    if (texte.startsWith("<?xml") && texte.size() > 5 && QChar::isSpace(texte.at(5))) {
        const int fin = texte.indexOf("?>");
        if (fin > 0)
            texte.remove(0, fin + 2);
    }
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
    // Read in one pass without a document tree: a large file costs what the calendar keeps.
    QFile fichier(url);
    const int ouverture = ouvrirProjetEnLecture(fichier);
    if (ouverture != 0)
        return ouverture;
    return LecteurProjet::lire(fichier, calendrier);
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
    const QString texte = document.toString(1);
    // Qt writes such characters raw: the file could never be read again.
    if (GardeXml::positionCaractereInterdit(texte) >= 0)
        return 2;
    const QByteArray octets = texte.toUtf8();
    return peripherique.write(octets) == octets.size() ? 0 : 2;
}

int GestionnaireFichiers::creerDomDepuisQFile(QFile &fichier, QDomDocument &document)
{
    const int ouverture = ouvrirProjetEnLecture(fichier);
    if (ouverture != 0)
        return ouverture;
    QString texte;
    const bool accepte = GardeXml::lire(fichier, [&texte](QString const &morceau) {
        texte += morceau;
        return true;
    });
    fichier.close();
    return accepte && document.setContent(texte, false) ? 0 : 1;
}

bool GestionnaireFichiers::estValide(QString const &url)
{
    QFile fichier(url);
    if (FichierOrdinaire::ouvrirEnLecture(fichier) != 0)
        return false;
    // A document without byte-order mark or declaration, as the editor writes them, goes to
    // the validator as it is once the guard has read it through: both read it as UTF-8.
    // Any other goes as the guard decoded it, in UTF-8 and without the declaration, so that
    // the validator cannot read a text the guard did not see.
    const QByteArray debut = fichier.peek(8);
    const bool brut = !debut.startsWith("<?xml") && QTextCodec::codecForUtfText(debut, nullptr) == nullptr;
    QByteArray texte;
    const bool accepte = GardeXml::lire(fichier, [&texte, brut](QString const &morceau) {
        if (!brut)
            texte += morceau.toUtf8();
        return true;
    });
    if (!accepte)
        return false;
    if (brut)
        fichier.seek(0);
    else
        retirerDeclarationXml(texte);

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
    return brut ? validateur.validate(&fichier, QUrl()) : validateur.validate(texte, QUrl());
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
    const QString nom = element.tagName();
    const QString url = element.attribute(NOM_ATTRIBUT_URL);
    if (nom == NOM_BALISE_IMAGE)
        return new Image(url);
    if (nom == NOM_BALISE_SON)
        return new Son(url);
    if (nom == NOM_BALISE_VIDEO)
        return new Video(url);
    return nullptr;
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

        if (copierFichierMedia(media, identifiant + QLatin1Char('.') + EXTENSION_MEDIA, repertoireMedia) != 0)
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
