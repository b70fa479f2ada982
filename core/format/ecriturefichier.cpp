#include "format/ecriturefichier.h"

#include <QFile>
#include <QStringList>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool toutEcrire(int fd, QByteArray const &octets, int *erreur)
{
    const char *debut = octets.constData();
    qint64 reste = octets.size();
    while (reste > 0) {
        const ssize_t ecrit = ::write(fd, debut, size_t(std::min<qint64>(reste, 1 << 20)));
        if (ecrit < 0 && errno == EINTR)
            continue;
        if (ecrit <= 0) {
            *erreur = ecrit < 0 ? errno : ENOSPC;
            return false;
        }
        debut += ecrit;
        reste -= ecrit;
    }
    return true;
}

// 0, or the errno value of the failure.
int ecrireDans(int fd, const QByteArray &nom, QByteArray const &octets)
{
    int erreur = 0;
    bool reussi = toutEcrire(fd, octets, &erreur);
    // Closing reports a write the disk refused late (a network file system).
    if (::close(fd) != 0 && reussi) {
        erreur = errno;
        reussi = false;
    }
    if (reussi)
        return 0;
    ::unlink(nom.constData());
    return erreur;
}

Resultat echec(QString const &chemin, int erreur)
{
    const QString raison = Resultat::raisonSysteme(erreur);
    return Resultat::echec(Resultat::Cause::FichierInaccessible,
        EcritureFichier::tr("The file %1 cannot be written: %2.")
            .arg(Resultat::cheminLisible(chemin), raison))
        .avecChemin(chemin)
        .avecRaison(raison);
}

} // namespace

Resultat EcritureFichier::ecrire(QString const &chemin, QByteArray const &octets)
{
    const QByteArray nom = QFile::encodeName(chemin);
    const int fd = ::open(nom.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    const int erreur = fd < 0 ? errno : ecrireDans(fd, nom, octets);
    return erreur == 0 ? Resultat() : echec(chemin, erreur);
}

Resultat EcritureFichier::remplacer(QString const &chemin, QByteArray const &octets)
{
    const QByteArray nom = QFile::encodeName(chemin);
    QByteArray provisoire = nom + ".XXXXXX";
    const int fd = ::mkostemp(provisoire.data(), O_CLOEXEC);
    if (fd < 0)
        return echec(chemin, errno);
    // The default mode of new files, as a plain creation would give.
    const mode_t masque = ::umask(0);
    ::umask(masque);
    ::fchmod(fd, 0666 & ~masque);
    int erreur = ecrireDans(fd, provisoire, octets);
    if (erreur == 0 && ::rename(provisoire.constData(), nom.constData()) != 0) {
        erreur = errno;
        ::unlink(provisoire.constData());
    }
    return erreur == 0 ? Resultat() : echec(chemin, erreur);
}

Resultat EcritureFichier::insererSousLeMarqueur(
    QString const &fichier, QString const &marqueur, QString const &texte)
{
    QFile entree(fichier);
    if (!entree.open(QIODevice::ReadOnly))
        return Resultat::echec(Resultat::Cause::FichierInaccessible,
            tr("The file %1 cannot be read: %2.").arg(Resultat::cheminLisible(fichier), entree.errorString()))
            .avecChemin(fichier)
            .avecRaison(entree.errorString());
    const QStringList lignes = QString::fromUtf8(entree.readAll()).split(QLatin1Char('\n'));
    entree.close();
    QString resultat;
    for (int i = 0; i < lignes.size(); ++i) {
        // The last piece is what follows the last line feed: empty in a script that ends one.
        if (i == lignes.size() - 1 && lignes.at(i).isEmpty())
            break;
        resultat += lignes.at(i) + QLatin1Char('\n');
        if (lignes.at(i).contains(marqueur))
            resultat += texte + QLatin1Char('\n');
    }
    // Written beside it under the name ".new" with every write checked, then renamed over
    // the old file with its permissions: a script left half rewritten would break the site.
    QFile sortie(fichier + QStringLiteral(".new"));
    const Resultat ecrit = ecrire(sortie.fileName(), resultat.toUtf8());
    if (!ecrit)
        return ecrit;
    sortie.setPermissions(entree.permissions());
    if (::rename(QFile::encodeName(sortie.fileName()).constData(), QFile::encodeName(fichier).constData())
        != 0) {
        const int erreur = errno;
        sortie.remove();
        return echec(fichier, erreur);
    }
    return Resultat();
}
