#include "chiffrement/fichiersecret.h"

#include "format/resultat.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool FichierSecret::lire(QString const &chemin, QString *secret, QString *erreur)
{
    const QString lisible = Resultat::cheminLisible(chemin);
    // Without blocking: a FIFO would wait for a writer forever.
    const int fd = ::open(QFile::encodeName(chemin).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        *erreur = QCoreApplication::translate("FichierSecret", "cannot read %1: %2")
                      .arg(lisible, Resultat::raisonSysteme(errno));
        return false;
    }
    struct stat infos;
    if (::fstat(fd, &infos) != 0 || !S_ISREG(infos.st_mode)) {
        ::close(fd);
        *erreur = QCoreApplication::translate("FichierSecret", "%1 is not a regular file").arg(lisible);
        return false;
    }
    if (infos.st_uid != ::geteuid() || (infos.st_mode & 077) != 0) {
        ::close(fd);
        *erreur = QCoreApplication::translate(
            "FichierSecret", "%1 may be read by others than you: make it yours alone (chmod 600)")
                      .arg(lisible);
        return false;
    }
    QByteArray contenu;
    char tampon[4096];
    for (;;) {
        const ssize_t lu = ::read(fd, tampon, sizeof tampon);
        if (lu < 0 && errno == EINTR)
            continue;
        if (lu <= 0) {
            const int code = errno;
            ::close(fd);
            if (lu < 0) {
                *erreur = QCoreApplication::translate("FichierSecret", "cannot read %1: %2")
                              .arg(lisible, Resultat::raisonSysteme(code));
                return false;
            }
            break;
        }
        // A password file is a line, not a media file.
        if (contenu.size() + lu > 65536) {
            ::close(fd);
            *erreur =
                QCoreApplication::translate("FichierSecret", "%1 is too large for a password").arg(lisible);
            return false;
        }
        contenu.append(tampon, int(lu));
    }
    if (contenu.endsWith("\r\n"))
        contenu.chop(2);
    else if (contenu.endsWith('\n'))
        contenu.chop(1);
    if (contenu.isEmpty()) {
        *erreur = QCoreApplication::translate("FichierSecret", "%1 is empty").arg(lisible);
        return false;
    }
    *secret = QString::fromUtf8(contenu);
    return true;
}
