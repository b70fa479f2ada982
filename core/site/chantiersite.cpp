#include "site/chantiersite.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStorageInfo>
#include <QStringList>

#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

std::function<void(QString const &)> ChantierSite::crochetAvantRemplacement;

namespace {

const QString SUFFIXE_CHANTIER = QStringLiteral(".tinselbox-");
const QByteArray CONSTRUCTION = "site";
const QByteArray ANCIEN = "ancien";

QByteArray natif(const QString &chemin)
{
    return QFile::encodeName(chemin);
}

void fermer(int *fd)
{
    if (*fd >= 0)
        ::close(*fd);
    *fd = -1;
}

// A directory entry opened as a directory, never through a link.
int ouvrirDans(int base, const QByteArray &nom)
{
    return ::openat(base, nom.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

bool memeFichier(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Whether `nom` in `base`, links not followed, is the open `fd`.
bool designe(int base, const QByteArray &nom, int fd)
{
    struct stat entree;
    struct stat tenu;
    return ::fstatat(base, nom.constData(), &entree, AT_SYMLINK_NOFOLLOW) == 0 && ::fstat(fd, &tenu) == 0
        && memeFichier(entree, tenu);
}

// The entries of an open directory, "." and ".." left out.
QList<QByteArray> entreesDe(int fd)
{
    QList<QByteArray> noms;
    const int copie = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
    if (copie < 0)
        return noms;
    DIR *repertoire = ::fdopendir(copie);
    if (repertoire == nullptr) {
        ::close(copie);
        return noms;
    }
    ::rewinddir(repertoire);
    while (const dirent *entree = ::readdir(repertoire)) {
        const QByteArray nom(entree->d_name);
        if (nom != "." && nom != "..")
            noms << nom;
    }
    ::closedir(repertoire);
    return noms;
}

// The path a descriptor is reached by, whatever happens to the names leading to it.
QString cheminDe(int fd)
{
    const QString chemin = QStringLiteral("/proc/self/fd/%1").arg(fd);
    struct stat parChemin;
    struct stat tenu;
    if (::stat(natif(chemin).constData(), &parChemin) == 0 && ::fstat(fd, &tenu) == 0
        && memeFichier(parChemin, tenu))
        return chemin;
    return QString();
}

QString cheminReel(int fd)
{
    char tampon[4096];
    const ssize_t taille =
        ::readlink(QStringLiteral("/proc/self/fd/%1").arg(fd).toLatin1().constData(), tampon, sizeof tampon);
    if (taille <= 0 || size_t(taille) >= sizeof tampon)
        return QString();
    return QFile::decodeName(QByteArray(tampon, int(taille)));
}

struct Parcours {
    dev_t peripherique = 0;
    int erreur = 0;
    QByteArray chemin;

    void noter(int code, const QByteArray &ou)
    {
        if (erreur == 0) {
            erreur = code;
            chemin = ou;
        }
    }
};

bool supprimerDans(int base, const QByteArray &nom, Parcours *parcours, const QByteArray &chemin);

// Empties an open directory, entry by entry, relative to it.
void viderDans(int fd, Parcours *parcours, const QByteArray &chemin)
{
    for (const QByteArray &nom : entreesDe(fd))
        supprimerDans(fd, nom, parcours, chemin + '/' + nom);
}

bool supprimerDans(int base, const QByteArray &nom, Parcours *parcours, const QByteArray &chemin)
{
    struct stat infos;
    if (::fstatat(base, nom.constData(), &infos, AT_SYMLINK_NOFOLLOW) != 0) {
        const int erreur = errno;
        if (erreur != ENOENT)
            parcours->noter(erreur, chemin);
        return erreur == ENOENT;
    }
    // Another file system is never entered: its directory then stays, and the removal
    // fails instead of emptying a mounted disk.
    if (infos.st_dev != parcours->peripherique) {
        parcours->noter(EXDEV, chemin);
        return false;
    }
    if (S_ISDIR(infos.st_mode)) {
        int fd = ouvrirDans(base, nom);
        if (fd < 0) {
            parcours->noter(errno, chemin);
            return false;
        }
        viderDans(fd, parcours, chemin);
        fermer(&fd);
    }
    if (::unlinkat(base, nom.constData(), S_ISDIR(infos.st_mode) ? AT_REMOVEDIR : 0) != 0) {
        parcours->noter(errno, chemin);
        return false;
    }
    return true;
}

// Whether everything below an open directory can be removed.
bool verifierDans(int fd, Parcours *parcours, const QByteArray &chemin)
{
    for (const QByteArray &nom : entreesDe(fd)) {
        const QByteArray sous = chemin + '/' + nom;
        struct stat infos;
        if (::fstatat(fd, nom.constData(), &infos, AT_SYMLINK_NOFOLLOW) != 0) {
            parcours->noter(EACCES, sous);
            return false;
        }
        if (infos.st_dev != parcours->peripherique) {
            parcours->noter(EXDEV, sous);
            return false;
        }
        if (!S_ISDIR(infos.st_mode))
            continue;
        if (::faccessat(fd, nom.constData(), W_OK | X_OK, 0) != 0) {
            parcours->noter(errno, sous);
            return false;
        }
        int enfant = ouvrirDans(fd, nom);
        if (enfant < 0) {
            parcours->noter(EACCES, sous);
            return false;
        }
        const bool amovible = verifierDans(enfant, parcours, sous);
        fermer(&enfant);
        if (!amovible)
            return false;
    }
    return true;
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

// A rename that never replaces what is at the destination (where the file system can
// tell), so that an entry appearing meanwhile is not lost.
bool deplacer(int de, const QByteArray &nom, int vers, int *erreur)
{
    if (::renameat2(de, nom.constData(), vers, nom.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno == EINVAL && ::renameat(de, nom.constData(), vers, nom.constData()) == 0)
        return true;
    *erreur = errno;
    return false;
}

// Moves the named entries from one directory to another; on a failure the ones already
// moved go back.
bool deplacerEntrees(const QList<QByteArray> &noms, int de, int vers, int *erreur)
{
    for (int i = 0; i < noms.size(); ++i) {
        if (!deplacer(de, noms.at(i), vers, erreur)) {
            int ignoree = 0;
            for (int j = i - 1; j >= 0; --j)
                deplacer(vers, noms.at(j), de, &ignoree);
            return false;
        }
    }
    return true;
}

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

QByteArray nomAuHasard(const QString &prefixe)
{
    static const char lettres[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QByteArray nom = natif(prefixe);
    for (int i = 0; i < 6; ++i)
        nom += lettres[QRandomGenerator::global()->bounded(int(sizeof lettres) - 1)];
    return nom;
}

} // namespace

ChantierSite::ChantierSite(QString const &repertoireSortie)
    : sortie(repertoireSortie), sortieDonnee(repertoireSortie)
{}

ChantierSite::~ChantierSite()
{
    if (chantier >= 0) {
        // Emptied through its descriptor; its name is removed only while it still names it.
        Parcours parcours;
        struct stat infos;
        if (::fstat(chantier, &infos) == 0) {
            parcours.peripherique = infos.st_dev;
            viderDans(chantier, &parcours, natif(dossier));
            if (designe(baseChantier, natif(nomChantier), chantier))
                ::unlinkat(baseChantier, natif(nomChantier).constData(), AT_REMOVEDIR);
        }
    }
    fermer(&construction);
    fermer(&chantier);
    if (baseChantier != verrou && baseChantier != parent)
        fermer(&baseChantier);
    // The directories made for a run that failed go again, while the lock still holds.
    for (int i = crees.size() - 1; i >= 0 && !remplace; --i) {
        if (::rmdir(natif(crees.at(i)).constData()) != 0)
            break;
    }
    fermer(&verrou);
    fermer(&parent);
}

Resultat ChantierSite::verrouiller()
{
    const QString nom = Resultat::cheminLisible(sortieDonnee);
    const auto echec = [&](const QString &message, int erreur) {
        Resultat resultat = Resultat::echec(Resultat::Cause::Repertoire, message).avecChemin(sortieDonnee);
        if (erreur != 0)
            resultat.avecRaison(Resultat::raisonSysteme(erreur));
        return resultat;
    };
    const auto echange = [&]() {
        return echec(ChantierSite::tr("%1 was replaced by something else while it was being opened; "
                                      "nothing was written.")
                         .arg(nom),
            0);
    };
    // A directory removed by the run that held it is looked for again.
    for (int essai = 0; essai < 3; ++essai) {
        const QFileInfo info(sortieDonnee);
        if (info.isSymLink() && !info.exists())
            return echec(ChantierSite::tr("%1 is a link to %2, which does not exist.")
                             .arg(nom, Resultat::cheminLisible(info.symLinkTarget())),
                0);
        if (info.exists() && !info.isDir())
            return echec(ChantierSite::tr("%1 is a file, not a directory.").arg(nom), 0);
        int erreur = 0;
        if (!info.exists() && !creerChemin(QDir::cleanPath(info.absoluteFilePath()), &crees, &erreur))
            return echec(ChantierSite::tr("The directory %1 cannot be created: %2.")
                             .arg(nom, Resultat::raisonSysteme(erreur)),
                erreur);
        // A link to a directory is followed once: the site goes where the link leads, and
        // from here on that directory is held, not its name.
        sortie = QFileInfo(sortieDonnee).canonicalFilePath();
        if (sortie.isEmpty())
            return echange();
        const QFileInfo reel(sortie);
        nomSortie = reel.fileName();
        if (nomSortie.isEmpty())
            return echec(ChantierSite::tr("%1 is the root of a disk.").arg(nom), 0);
        fermer(&parent);
        parent = ::open(natif(reel.path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        verrou = parent < 0 ? -1 : ouvrirDans(parent, natif(nomSortie));
        if (verrou < 0) {
            erreur = errno;
            if (erreur == ELOOP || erreur == ENOTDIR)
                return echange();
            return echec(ChantierSite::tr("The directory %1 cannot be opened: %2.")
                             .arg(nom, Resultat::raisonSysteme(erreur)),
                erreur);
        }
        if (::flock(verrou, LOCK_EX | LOCK_NB) != 0) {
            erreur = errno;
            if (erreur == EWOULDBLOCK)
                return echec(
                    ChantierSite::tr("The site cannot be generated: another generation is writing to %1.")
                        .arg(nom),
                    0);
            return echec(ChantierSite::tr("The directory %1 cannot be opened: %2.")
                             .arg(nom, Resultat::raisonSysteme(erreur)),
                erreur);
        }
        if (designe(parent, natif(nomSortie), verrou)) {
            const QString tenu = cheminReel(verrou);
            if (!tenu.isEmpty())
                sortie = tenu;
            return Resultat();
        }
        fermer(&verrou);
    }
    return echec(
        ChantierSite::tr("The site cannot be generated: another generation is writing to %1.").arg(nom), 0);
}

bool ChantierSite::estDossierChantier(QString const &nom)
{
    static const QRegularExpression motif(QStringLiteral("^\\.tinselbox-[A-Za-z0-9]{6}$"));
    return motif.match(nom).hasMatch();
}

void ChantierSite::retirerChantiersAbandonnes() const
{
    // Under the lock, any folder of a run into this directory is a crashed run's.
    const QRegularExpression voisin(QStringLiteral("^\\.") + QRegularExpression::escape(nomSortie)
        + QStringLiteral("\\.tinselbox-[A-Za-z0-9]{6}$"));
    const auto retirer = [](int base, const QByteArray &nom) {
        struct stat infos;
        if (::fstatat(base, nom.constData(), &infos, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISDIR(infos.st_mode))
            return;
        Parcours parcours;
        parcours.peripherique = infos.st_dev;
        supprimerDans(base, nom, &parcours, nom);
    };
    for (const QByteArray &entree : entreesDe(parent)) {
        if (voisin.match(QFile::decodeName(entree)).hasMatch())
            retirer(parent, entree);
    }
    for (const QByteArray &entree : entreesDe(verrou)) {
        if (estDossierChantier(QFile::decodeName(entree)))
            retirer(verrou, entree);
    }
}

Resultat ChantierSite::ouvrir(Controle const &controle)
{
    const Resultat verrouillage = verrouiller();
    if (!verrouillage)
        return verrouillage;
    if (controle) {
        const Resultat refus = controle(sortie);
        if (!refus)
            return refus;
    }
    retirerChantiersAbandonnes();

    struct stat infosSortie;
    struct stat infosParent;
    QList<int> bases;
    // Beside the directory only when a rename can bring the site over.
    if (::fstat(verrou, &infosSortie) == 0 && ::fstat(parent, &infosParent) == 0
        && infosSortie.st_dev == infosParent.st_dev)
        bases << parent;
    bases << verrou;

    int erreur = 0;
    for (const int base : qAsConst(bases)) {
        const QString prefixe =
            base == parent ? QLatin1Char('.') + nomSortie + SUFFIXE_CHANTIER : SUFFIXE_CHANTIER;
        QByteArray nom;
        int essais = 0;
        do {
            nom = nomAuHasard(prefixe);
        } while (::mkdirat(base, nom.constData(), 0700) != 0 && errno == EEXIST && ++essais < 100);
        chantier = ouvrirDans(base, nom);
        if (chantier < 0) {
            erreur = errno;
            continue;
        }
        baseChantier = base;
        nomChantier = QFile::decodeName(nom);
        dossier = (base == parent ? QFileInfo(sortie).path() : sortie) + QLatin1Char('/') + nomChantier;
        if (::mkdirat(chantier, CONSTRUCTION.constData(), 0777) != 0
            || (construction = ouvrirDans(chantier, CONSTRUCTION)) < 0) {
            erreur = errno;
            break;
        }
        return Resultat();
    }
    return Resultat::echec(Resultat::Cause::Repertoire,
        ChantierSite::tr("The directory %1 cannot be written: %2.")
            .arg(Resultat::cheminLisible(sortieDonnee), Resultat::raisonSysteme(erreur)))
        .avecChemin(sortieDonnee)
        .avecRaison(Resultat::raisonSysteme(erreur));
}

QString ChantierSite::repertoireConstruction() const
{
    const QString tenu = cheminDe(construction);
    return tenu.isEmpty() ? dossier + QLatin1Char('/') + QFile::decodeName(CONSTRUCTION) : tenu;
}

QString ChantierSite::racine() const
{
    return dossier;
}

Resultat ChantierSite::contenuAmovible() const
{
    const QString nom = Resultat::cheminLisible(sortieDonnee);
    const auto echec = [&](int erreur, const QString &chemin) {
        if (erreur == EXDEV)
            return Resultat::echec(Resultat::Cause::Repertoire,
                tr("The directory %1 holds a mounted file system (%2) and cannot be replaced.")
                    .arg(nom, Resultat::cheminLisible(chemin)))
                .avecChemin(chemin);
        return Resultat::echec(Resultat::Cause::Repertoire,
            tr("The previous contents of %1 cannot be removed (%2): %3.")
                .arg(nom, Resultat::cheminLisible(chemin), Resultat::raisonSysteme(erreur)))
            .avecChemin(sortieDonnee)
            .avecRaison(Resultat::raisonSysteme(erreur));
    };
    if (contientPointDeMontage(sortie))
        return echec(EXDEV, sortie);
    struct stat infos;
    if (::fstat(verrou, &infos) != 0)
        return echec(errno, sortie);
    Parcours parcours;
    parcours.peripherique = infos.st_dev;
    for (const QByteArray &nom : entreesDe(verrou)) {
        if (baseChantier == verrou && nom == natif(nomChantier))
            continue;
        struct stat entree;
        if (::fstatat(verrou, nom.constData(), &entree, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        const QByteArray sous = natif(sortie) + '/' + nom;
        if (entree.st_dev != parcours.peripherique) {
            parcours.noter(EXDEV, sous);
        } else if (S_ISDIR(entree.st_mode)) {
            if (::faccessat(verrou, nom.constData(), W_OK | X_OK, 0) != 0) {
                parcours.noter(errno, sous);
            } else {
                int fd = ouvrirDans(verrou, nom);
                if (fd < 0)
                    parcours.noter(EACCES, sous);
                else
                    verifierDans(fd, &parcours, sous);
                fermer(&fd);
            }
        }
        if (parcours.erreur != 0)
            return echec(parcours.erreur, QFile::decodeName(parcours.chemin));
    }
    return Resultat();
}

bool ChantierSite::toujoursEnPlace() const
{
    struct stat donne;
    struct stat tenu;
    return designe(parent, natif(nomSortie), verrou) && designe(baseChantier, natif(nomChantier), chantier)
        && ::stat(natif(sortieDonnee).constData(), &donne) == 0 && ::fstat(verrou, &tenu) == 0
        && memeFichier(donne, tenu);
}

Resultat ChantierSite::remplacer()
{
    const QString nom = Resultat::cheminLisible(sortieDonnee);
    if (!toujoursEnPlace())
        return Resultat::echec(Resultat::Cause::Repertoire,
            tr("%1 was moved or replaced by something else during the generation; "
               "nothing was written into it and nothing was removed.")
                .arg(nom))
            .avecChemin(sortieDonnee);
    const auto echec = [&](int erreur) {
        return Resultat::echec(Resultat::Cause::Repertoire,
            tr("The previous contents of %1 cannot be replaced: %2.")
                .arg(nom, Resultat::raisonSysteme(erreur)))
            .avecChemin(sortieDonnee)
            .avecRaison(Resultat::raisonSysteme(erreur));
    };
    int ancien = -1;
    if (::mkdirat(chantier, ANCIEN.constData(), 0700) != 0 || (ancien = ouvrirDans(chantier, ANCIEN)) < 0)
        return echec(errno);
    QList<QByteArray> anciens = entreesDe(verrou);
    if (baseChantier == verrou)
        anciens.removeAll(natif(nomChantier));
    const QList<QByteArray> nouveaux = entreesDe(construction);
    int erreur = 0;
    bool reussi = deplacerEntrees(anciens, verrou, ancien, &erreur);
    if (reussi && !deplacerEntrees(nouveaux, construction, verrou, &erreur)) {
        int ignoree = 0;
        deplacerEntrees(anciens, ancien, verrou, &ignoree);
        reussi = false;
    }
    fermer(&ancien);
    if (!reussi)
        return echec(erreur);
    // The new site is in place; only the old contents are left to remove with the folder.
    remplace = true;
    Parcours parcours;
    struct stat infos;
    ::fstat(chantier, &infos);
    parcours.peripherique = infos.st_dev;
    viderDans(chantier, &parcours, natif(dossier));
    if (parcours.erreur == 0 && designe(baseChantier, natif(nomChantier), chantier)
        && ::unlinkat(baseChantier, natif(nomChantier).constData(), AT_REMOVEDIR) != 0)
        parcours.noter(errno, natif(dossier));
    if (parcours.erreur != 0)
        return echec(parcours.erreur);
    fermer(&construction);
    fermer(&chantier);
    dossier.clear();
    return Resultat();
}

bool ChantierSite::supprimerSansFranchir(QString const &chemin)
{
    const QFileInfo info(chemin);
    int base = ::open(natif(info.path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (base < 0)
        return errno == ENOENT;
    Parcours parcours;
    struct stat infos;
    const QByteArray nom = natif(info.fileName());
    if (::fstatat(base, nom.constData(), &infos, AT_SYMLINK_NOFOLLOW) != 0) {
        const bool absent = errno == ENOENT;
        fermer(&base);
        return absent;
    }
    parcours.peripherique = infos.st_dev;
    supprimerDans(base, nom, &parcours, natif(chemin));
    fermer(&base);
    return parcours.erreur == 0;
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
