#include "generationsite.h"

#include "calendrier.h"
#include "genremedia.h"
#include "media.h"
#include "message.h"
#include "politiquesortie.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <QThread>

#include <filesystem>
#include <system_error>

namespace {

const QString REPERTOIRE_MODELE = QStringLiteral(":tinselbox/js");
const QString SUFFIXE_TEMPORAIRE = QStringLiteral(".new");
const QString LIGNE_APERCU = QStringLiteral("bypass = true;\n");

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

int GenerationSite::generer(Calendrier const &calendrier, QString const &repertoireSortie, bool apercu)
{
    // The directory is erased first: never when that would take the user's own files
    // with it (an empty path would stand for the current directory).
    if (PolitiqueSortie::estRepertoireSortieInterdit(repertoireSortie, QString(), calendrier))
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

        const GenreMedia *genre = GenreMedia::pour(media->getType());
        const bool avecFichier = genre == nullptr || genre->avecFichier;
        if (avecFichier && copierFichierMedia(media, GenreMedia::nomFichierStocke(identifiant), repertoireMedia) != 0)
            return 5;

        const QString blocJour = QStringLiteral("case %1:\n").arg(it.key()) + media->getSceneJS(identifiant);
        if (ajouterDansLeFichierSousLeMarqueur(scriptCalendrier, MARQUEUR_GESTION_SCENE, blocJour) != 0)
            return 2;

        // A kind without a collection script (a message) has nothing to load.
        const QString nomCollection = media->getNomFichierCollection();
        if (nomCollection.isEmpty())
            continue;
        if (ajouterDansLeFichierSousLeMarqueur(joindre(scripts, nomCollection), MARQUEUR_GESTION_COLLECTION,
                                               media->getCollectionJS(identifiant))
            != 0)
            return 2;
    }

    const QString options = lignesOptions(calendrier);
    if (!options.isEmpty() && ajouterDansLeFichierSousLeMarqueur(scriptCalendrier, MARQUEUR_BYPASS, options) != 0)
        return 2;
    if (apercu)
        return ajouterDansLeFichierSousLeMarqueur(scriptCalendrier, MARQUEUR_BYPASS, LIGNE_APERCU);
    return 0;
}

int GenerationSite::calculerTaille(Calendrier const &calendrier, long long *taille)
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

QString lignesOptions(Calendrier const &calendrier)
{
    // Only options away from their default, so that a calendar without any gets today's page.
    QString lignes;
    if (calendrier.getRattrapage())
        lignes += QStringLiteral("rattrapage = true;\n");
    if (calendrier.getMois() != 0)
        lignes += QStringLiteral("mois = %1;\n").arg(calendrier.getMois());
    if (!calendrier.getFuseau().isEmpty())
        lignes += QStringLiteral("fuseau = %1;\n").arg(Message::litteralJavaScript(calendrier.getFuseau()));
    return lignes;
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
