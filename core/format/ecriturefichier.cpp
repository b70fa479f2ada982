#include "format/ecriturefichier.h"

#include "format/resultat.h"

#include <QFile>

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

bool ecrireDans(int fd, const QByteArray &nom, QByteArray const &octets, QString *raison)
{
    int erreur = 0;
    bool reussi = toutEcrire(fd, octets, &erreur);
    // Closing reports a write the disk refused late (a network file system).
    if (::close(fd) != 0 && reussi) {
        erreur = errno;
        reussi = false;
    }
    if (!reussi) {
        ::unlink(nom.constData());
        if (raison != nullptr)
            *raison = Resultat::raisonSysteme(erreur);
    }
    return reussi;
}

} // namespace

bool EcritureFichier::ecrire(QString const &chemin, QByteArray const &octets, QString *raison)
{
    const QByteArray nom = QFile::encodeName(chemin);
    const int fd = ::open(nom.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
        if (raison != nullptr)
            *raison = Resultat::raisonSysteme(errno);
        return false;
    }
    return ecrireDans(fd, nom, octets, raison);
}

bool EcritureFichier::remplacer(QString const &chemin, QByteArray const &octets, QString *raison)
{
    const QByteArray nom = QFile::encodeName(chemin);
    QByteArray provisoire = nom + ".XXXXXX";
    const int fd = ::mkostemp(provisoire.data(), O_CLOEXEC);
    if (fd < 0) {
        if (raison != nullptr)
            *raison = Resultat::raisonSysteme(errno);
        return false;
    }
    // The default mode of new files, as a plain creation would give.
    const mode_t masque = ::umask(0);
    ::umask(masque);
    ::fchmod(fd, 0666 & ~masque);
    if (!ecrireDans(fd, provisoire, octets, raison))
        return false;
    if (::rename(provisoire.constData(), nom.constData()) != 0) {
        if (raison != nullptr)
            *raison = Resultat::raisonSysteme(errno);
        ::unlink(provisoire.constData());
        return false;
    }
    return true;
}
