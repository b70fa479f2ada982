#include "site/chantiersite.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStorageInfo>
#include <QStringList>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <ftw.h>
#include <sys/file.h>
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
    // The directories made for a run that failed go again, while the lock still holds.
    for (int i = crees.size() - 1; i >= 0 && !remplace; --i) {
        if (::rmdir(natif(crees.at(i)).constData()) != 0)
            break;
    }
    if (verrou >= 0)
        ::close(verrou);
}

namespace {

// Creates `chemin` and its missing parents; `*crees` gets those it created, outermost first.
bool creerChemin(const QString &chemin, QStringList *crees, int *erreur)
{
    QStringList manquants;
    for (QString courant = chemin; !QFileInfo::exists(courant) && !QFileInfo(courant).isSymLink();
         courant = QFileInfo(courant).path())
        manquants.prepend(courant);
    for (const QString &repertoire : qAsConst(manquants)) {
        if (::mkdir(natif(repertoire).constData(), 0777) != 0 && errno != EEXIST) {
            *erreur = errno;
            return false;
        }
        *crees << repertoire;
    }
    return true;
}

} // namespace

Resultat ChantierSite::verrouiller()
{
    const QString nom = Resultat::cheminLisible(sortie);
    // A directory removed by the run that held it is looked for again.
    for (int essai = 0; essai < 3; ++essai) {
        const QFileInfo info(sortie);
        if (info.exists() && !info.isDir())
            return Resultat::echec(
                Resultat::Cause::Repertoire, ChantierSite::tr("%1 is a file, not a directory.").arg(nom))
                .avecChemin(sortie);
        int erreur = 0;
        if (!info.exists() && !creerChemin(QDir::cleanPath(info.absoluteFilePath()), &crees, &erreur))
            return Resultat::echec(Resultat::Cause::Repertoire,
                ChantierSite::tr("The directory %1 cannot be created: %2.")
                    .arg(nom, Resultat::raisonSysteme(erreur)))
                .avecChemin(sortie)
                .avecRaison(Resultat::raisonSysteme(erreur));
        // A link to a directory is followed: the site goes where the link leads.
        const QString canonique = QFileInfo(sortie).canonicalFilePath();
        if (!canonique.isEmpty())
            sortie = canonique;

        verrou = ::open(natif(sortie).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (verrou < 0 || ::flock(verrou, LOCK_EX | LOCK_NB) != 0) {
            erreur = errno;
            if (erreur == EWOULDBLOCK)
                return Resultat::echec(Resultat::Cause::Repertoire,
                    ChantierSite::tr("The site cannot be generated: another generation is writing to %1.")
                        .arg(nom))
                    .avecChemin(sortie);
            return Resultat::echec(Resultat::Cause::Repertoire,
                ChantierSite::tr("The directory %1 cannot be opened: %2.")
                    .arg(nom, Resultat::raisonSysteme(erreur)))
                .avecChemin(sortie)
                .avecRaison(Resultat::raisonSysteme(erreur));
        }
        struct stat verrouille;
        struct stat actuel;
        if (::fstat(verrou, &verrouille) == 0 && ::stat(natif(sortie).constData(), &actuel) == 0
            && verrouille.st_dev == actuel.st_dev && verrouille.st_ino == actuel.st_ino)
            return Resultat();
        ::close(verrou);
        verrou = -1;
    }
    return Resultat::echec(Resultat::Cause::Repertoire,
        ChantierSite::tr("The site cannot be generated: another generation is writing to %1.").arg(nom))
        .avecChemin(sortie);
}

bool ChantierSite::estDossierChantier(QString const &nom)
{
    static const QRegularExpression motif(QStringLiteral("^\\.tinselbox-[A-Za-z0-9]{6}$"));
    return motif.match(nom).hasMatch();
}

void ChantierSite::retirerChantiersAbandonnes() const
{
    // Under the lock, any folder of a run into this directory is a crashed run's.
    const QString nom = QFileInfo(sortie).fileName();
    const QRegularExpression voisin(QStringLiteral("^\\.") + QRegularExpression::escape(nom)
        + QStringLiteral("\\.tinselbox-[A-Za-z0-9]{6}$"));
    const QString parent = QFileInfo(sortie).path();
    int erreur = 0;
    for (const QString &entree : entrees(parent)) {
        if (voisin.match(entree).hasMatch() && QFileInfo(parent + QLatin1Char('/') + entree).isDir())
            supprimerSansFranchir(parent + QLatin1Char('/') + entree, &erreur);
    }
    for (const QString &entree : entrees(sortie)) {
        if (estDossierChantier(entree) && QFileInfo(sortie + QLatin1Char('/') + entree).isDir())
            supprimerSansFranchir(sortie + QLatin1Char('/') + entree, &erreur);
    }
}

Resultat ChantierSite::ouvrir()
{
    const Resultat verrouillage = verrouiller();
    if (!verrouillage)
        return verrouillage;
    retirerChantiersAbandonnes();

    const QString parent = QFileInfo(sortie).path();
    const QString nom = QFileInfo(sortie).fileName();
    QStringList places;
    dev_t devSortie = 0;
    dev_t devParent = 0;
    // Beside the directory only when a rename can bring the site over.
    if (peripherique(sortie, &devSortie) && peripherique(parent, &devParent) && devSortie == devParent)
        places << parent + QStringLiteral("/.") + nom + SUFFIXE_CHANTIER;
    places << sortie + QStringLiteral("/.") + SUFFIXE_CHANTIER.mid(1);

    int erreur = 0;
    for (const QString &modele : qAsConst(places)) {
        QByteArray gabarit = natif(modele);
        if (::mkdtemp(gabarit.data()) == nullptr) {
            erreur = errno;
            continue;
        }
        dossier = QFile::decodeName(gabarit);
        if (::mkdir(natif(repertoireConstruction()).constData(), 0777) != 0) {
            erreur = errno;
            supprimerSansFranchir(dossier, &erreur);
            dossier.clear();
            break;
        }
        return Resultat();
    }
    return Resultat::echec(Resultat::Cause::Repertoire,
        ChantierSite::tr("The directory %1 cannot be written: %2.")
            .arg(Resultat::cheminLisible(sortie), Resultat::raisonSysteme(erreur)))
        .avecChemin(sortie)
        .avecRaison(Resultat::raisonSysteme(erreur));
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
    remplace = true;
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
