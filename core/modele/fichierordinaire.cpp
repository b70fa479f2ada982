#include "modele/fichierordinaire.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {} // namespace

bool FichierOrdinaire::estFichierOrdinaire(QString const &chemin)
{
    return !chemin.isEmpty() && QFileInfo(chemin).isFile();
}

QString FichierOrdinaire::nature(QString const &chemin)
{
    struct stat infos;
    if (::stat(QFile::encodeName(chemin).constData(), &infos) != 0)
        return FichierOrdinaire::tr("nothing");
    if (S_ISDIR(infos.st_mode))
        return FichierOrdinaire::tr("a directory");
    if (S_ISFIFO(infos.st_mode))
        return FichierOrdinaire::tr("a FIFO");
    if (S_ISSOCK(infos.st_mode))
        return FichierOrdinaire::tr("a socket");
    if (S_ISCHR(infos.st_mode) || S_ISBLK(infos.st_mode))
        return FichierOrdinaire::tr("a device");
    return FichierOrdinaire::tr("a regular file");
}

Resultat FichierOrdinaire::ouvrir(QFile &fichier)
{
    const QString chemin = fichier.fileName();
    const QString nom = Resultat::cheminLisible(chemin);
    const auto absent = [&] {
        return Resultat::echec(
            Resultat::Cause::Introuvable, FichierOrdinaire::tr("The file %1 cannot be found.").arg(nom))
            .avecChemin(chemin);
    };
    const auto irregulier = [&] {
        return Resultat::echec(Resultat::Cause::Introuvable,
            FichierOrdinaire::tr("%1 is not a regular file (it is %2).").arg(nom, nature(chemin)))
            .avecChemin(chemin);
    };
    const QFileInfo info(chemin);
    if (chemin.isEmpty() || !info.exists())
        return absent();
    if (info.isDir())
        return Resultat::echec(Resultat::Cause::FichierInaccessible,
            FichierOrdinaire::tr("%1 is a directory, not a file.").arg(nom))
            .avecChemin(chemin);
    if (!info.isFile())
        return irregulier();

    // Without blocking: the path may have been replaced by a FIFO since it was looked at.
    const int descripteur = ::open(QFile::encodeName(chemin).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descripteur < 0) {
        const int erreur = errno;
        if (erreur == ENOENT)
            return absent();
        return Resultat::echec(Resultat::Cause::FichierInaccessible,
            FichierOrdinaire::tr("The file %1 cannot be opened: %2.")
                .arg(nom, Resultat::raisonSysteme(erreur)))
            .avecChemin(chemin)
            .avecRaison(Resultat::raisonSysteme(erreur));
    }
    struct stat etat;
    if (::fstat(descripteur, &etat) != 0 || !S_ISREG(etat.st_mode)) {
        ::close(descripteur);
        return irregulier();
    }
    if (!fichier.open(descripteur, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descripteur);
        return Resultat::echec(Resultat::Cause::FichierInaccessible,
            FichierOrdinaire::tr("The file %1 cannot be opened: %2.").arg(nom, fichier.errorString()))
            .avecChemin(chemin);
    }
    return Resultat();
}
