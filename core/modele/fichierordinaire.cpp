#include "modele/fichierordinaire.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool FichierOrdinaire::estFichierOrdinaire(QString const &chemin)
{
    return !chemin.isEmpty() && QFileInfo(chemin).isFile();
}

int FichierOrdinaire::ouvrirEnLecture(QFile &fichier)
{
    const QFileInfo info(fichier.fileName());
    if (!info.exists())
        return 3;
    if (info.isDir())
        return 2;
    if (!info.isFile())
        return 3;

    // Without blocking: the path may have been replaced by a FIFO since it was looked at.
    const int descripteur =
        ::open(QFile::encodeName(fichier.fileName()).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descripteur < 0)
        return errno == ENOENT ? 3 : 2;
    struct stat etat;
    if (::fstat(descripteur, &etat) != 0 || !S_ISREG(etat.st_mode)) {
        ::close(descripteur);
        return 3;
    }
    if (!fichier.open(descripteur, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descripteur);
        return 2;
    }
    return 0;
}
