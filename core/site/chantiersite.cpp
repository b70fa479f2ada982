#include "site/chantiersite.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <QStringList>

#include <cerrno>
#include <cstdlib>
#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString SUFFIXE_CHANTIER = QStringLiteral(".tinselbox-XXXXXX");
const QString CONSTRUCTION = QStringLiteral("site");
const QString ANCIEN = QStringLiteral("ancien");

QByteArray natif(const QString &chemin)
{
    return QFile::encodeName(chemin);
}

bool peripherique(const QString &chemin, dev_t *resultat)
{
    struct stat infos;
    if (::lstat(natif(chemin).constData(), &infos) != 0)
        return false;
    *resultat = infos.st_dev;
    return true;
}

QStringList entrees(const QString &repertoire)
{
    return QDir(repertoire)
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted);
}

// nftw passes no user data: the walks of one thread share this state.
thread_local dev_t peripheriqueParcours = 0;
thread_local int erreurParcours = 0;
thread_local QByteArray cheminParcours;

int supprimerEntree(const char *chemin, const struct stat *infos, int type, struct FTW *)
{
    // Entries of another file system are not even listed (FTW_MOUNT): their directory
    // then stays, and the removal fails instead of emptying a mounted disk.
    if (infos->st_dev != peripheriqueParcours) {
        erreurParcours = EXDEV;
        return 0;
    }
    const int resultat = type == FTW_DP ? ::rmdir(chemin) : ::unlink(chemin);
    if (resultat != 0 && erreurParcours == 0) {
        erreurParcours = errno;
        cheminParcours = chemin;
    }
    return 0;
}

int verifierEntree(const char *chemin, const struct stat *infos, int type, struct FTW *)
{
    if (infos->st_dev != peripheriqueParcours) {
        erreurParcours = EXDEV;
    } else if (type == FTW_DNR || type == FTW_NS) {
        erreurParcours = EACCES;
    } else if (type == FTW_D && ::access(chemin, W_OK | X_OK) != 0) {
        erreurParcours = errno;
    } else {
        return 0;
    }
    cheminParcours = chemin;
    return 1;
}

// Mount points as the kernel lists them, network shares and bind mounts included.
QStringList pointsDeMontage()
{
    QStringList points;
    QFile table(QStringLiteral("/proc/self/mountinfo"));
    if (table.open(QIODevice::ReadOnly)) {
        for (const QByteArray &ligne : table.readAll().split('\n')) {
            const QList<QByteArray> champs = ligne.split(' ');
            if (champs.size() < 5)
                continue;
            QByteArray point = champs.at(4);
            // Spaces, tabs, line feeds and backslashes come as octal escapes.
            for (int i = point.indexOf('\\'); i >= 0 && i + 3 < point.size(); i = point.indexOf('\\', i + 1))
                point.replace(i, 4, QByteArray(1, char(point.mid(i + 1, 3).toInt(nullptr, 8))));
            points << QFile::decodeName(point);
        }
        return points;
    }
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes())
        points << volume.rootPath();
    return points;
}

bool deplacer(const QString &source, const QString &destination, int *erreur)
{
    if (::rename(natif(source).constData(), natif(destination).constData()) == 0)
        return true;
    *erreur = errno;
    return false;
}

// Moves the named entries from one directory to another; on a failure the ones already
// moved go back.
bool deplacerEntrees(const QStringList &noms, const QString &de, const QString &vers, int *erreur)
{
    for (int i = 0; i < noms.size(); ++i) {
        if (!deplacer(de + QLatin1Char('/') + noms.at(i), vers + QLatin1Char('/') + noms.at(i), erreur)) {
            int ignoree = 0;
            for (int j = i - 1; j >= 0; --j)
                deplacer(vers + QLatin1Char('/') + noms.at(j), de + QLatin1Char('/') + noms.at(j), &ignoree);
            return false;
        }
    }
    return true;
}

} // namespace

ChantierSite::ChantierSite(QString const &repertoireSortie) : sortie(repertoireSortie) {}

ChantierSite::~ChantierSite()
{
    if (!dossier.isEmpty()) {
        int erreur = 0;
        supprimerSansFranchir(dossier, &erreur);
    }
}

bool ChantierSite::ouvrir(int *erreur)
{
    const QFileInfo info(sortie);
    sortieExiste = info.exists();
    QString parent;
    QString nom;
    if (sortieExiste) {
        if (!info.isDir()) {
            *erreur = ENOTDIR;
            return false;
        }
        // A link to a directory is followed: the site goes where the link leads.
        sortie = info.canonicalFilePath();
        parent = QFileInfo(sortie).path();
        nom = QFileInfo(sortie).fileName();
    } else {
        // Built beside the first missing ancestor, which the final rename creates.
        const QString absolu = QDir::cleanPath(info.absoluteFilePath());
        QString manquant = absolu;
        while (!QFileInfo(QFileInfo(manquant).path()).exists())
            manquant = QFileInfo(manquant).path();
        const QString cheminParent = QFileInfo(manquant).path();
        const QFileInfo infoParent(cheminParent);
        if (!infoParent.isDir()) {
            *erreur = ENOTDIR;
            return false;
        }
        parent = infoParent.canonicalFilePath();
        nom = QFileInfo(manquant).fileName();
        sortie = QDir::cleanPath(parent + QLatin1Char('/') + absolu.mid(cheminParent.size()));
    }

    QStringList places;
    dev_t devSortie = 0;
    dev_t devParent = 0;
    // Beside the directory only when a rename can bring the site over.
    if (!sortieExiste
        || (peripherique(sortie, &devSortie) && peripherique(parent, &devParent) && devSortie == devParent))
        places << parent + QStringLiteral("/.") + nom + SUFFIXE_CHANTIER;
    if (sortieExiste)
        places << sortie + QStringLiteral("/.") + SUFFIXE_CHANTIER.mid(1);

    for (const QString &modele : qAsConst(places)) {
        QByteArray gabarit = natif(modele);
        if (::mkdtemp(gabarit.data()) == nullptr) {
            *erreur = errno;
            continue;
        }
        dossier = QFile::decodeName(gabarit);
        if (::mkdir(natif(repertoireConstruction()).constData(), 0777) != 0) {
            *erreur = errno;
            supprimerSansFranchir(dossier, erreur);
            dossier.clear();
            return false;
        }
        return true;
    }
    return false;
}

QString ChantierSite::repertoireConstruction() const
{
    return dossier + QLatin1Char('/') + CONSTRUCTION;
}

QString ChantierSite::racine() const
{
    return dossier;
}

bool ChantierSite::contenuAmovible(int *erreur, QString *chemin) const
{
    if (!sortieExiste)
        return true;
    if (contientPointDeMontage(sortie)) {
        *erreur = EXDEV;
        *chemin = sortie;
        return false;
    }
    if (!peripherique(sortie, &peripheriqueParcours)) {
        *erreur = errno;
        *chemin = sortie;
        return false;
    }
    erreurParcours = 0;
    cheminParcours.clear();
    for (const QString &nom : entrees(sortie)) {
        const QString entree = sortie + QLatin1Char('/') + nom;
        if (entree == dossier)
            continue;
        ::nftw(natif(entree).constData(), verifierEntree, 16, FTW_PHYS);
        if (erreurParcours != 0) {
            *erreur = erreurParcours;
            *chemin = QFile::decodeName(cheminParcours);
            return false;
        }
    }
    return true;
}

bool ChantierSite::remplacer(int *erreur)
{
    const QString construction = repertoireConstruction();
    if (!sortieExiste) {
        if (!QDir().mkpath(QFileInfo(sortie).path())) {
            *erreur = errno != 0 ? errno : EACCES;
            return false;
        }
        return deplacer(construction, sortie, erreur);
    }

    const QString ancien = dossier + QLatin1Char('/') + ANCIEN;
    if (::mkdir(natif(ancien).constData(), 0700) != 0) {
        *erreur = errno;
        return false;
    }
    QStringList anciens = entrees(sortie);
    anciens.removeAll(QFileInfo(dossier).fileName());
    const QStringList nouveaux = entrees(construction);
    if (!deplacerEntrees(anciens, sortie, ancien, erreur))
        return false;
    if (!deplacerEntrees(nouveaux, construction, sortie, erreur)) {
        int ignoree = 0;
        deplacerEntrees(anciens, ancien, sortie, &ignoree);
        return false;
    }
    // The new site is in place; only the old contents are left to remove with the folder.
    if (!supprimerSansFranchir(dossier, erreur))
        return false;
    dossier.clear();
    return true;
}

bool ChantierSite::supprimerSansFranchir(QString const &chemin, int *erreur)
{
    if (!peripherique(chemin, &peripheriqueParcours))
        return errno == ENOENT;
    erreurParcours = 0;
    ::nftw(natif(chemin).constData(), supprimerEntree, 16, FTW_PHYS | FTW_DEPTH | FTW_MOUNT);
    if (erreurParcours != 0) {
        *erreur = erreurParcours;
        return false;
    }
    return true;
}

bool ChantierSite::contientPointDeMontage(QString const &repertoire)
{
    QStringList formes{QDir::cleanPath(QFileInfo(repertoire).absoluteFilePath())};
    const QString canonique = QFileInfo(repertoire).canonicalFilePath();
    if (!canonique.isEmpty())
        formes << canonique;
    for (const QString &point : pointsDeMontage()) {
        for (const QString &forme : qAsConst(formes)) {
            const QString prefixe = forme.endsWith(QLatin1Char('/')) ? forme : forme + QLatin1Char('/');
            if (point.startsWith(prefixe) && point.size() > prefixe.size())
                return true;
        }
    }
    return false;
}
