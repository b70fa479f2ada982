#include "publication/secretpublication.h"

#include <qt5keychain/keychain.h>

#include <QEventLoop>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString SERVICE = QStringLiteral("tinselbox");
const qint64 TAILLE_MAXIMALE = 64 * 1024;

// Runs a keyring job to its end; the keyring answers through the event loop.
void attendre(QKeychain::Job &travail)
{
    QEventLoop boucle;
    QObject::connect(&travail, &QKeychain::Job::finished, &boucle, &QEventLoop::quit);
    travail.setAutoDelete(false);
    travail.start();
    boucle.exec();
}

} // namespace

Resultat SecretPublication::lireFichier(QString const &chemin, QString *secret)
{
    const QString lisible = Resultat::cheminLisible(chemin);
    // Opened first, then checked through the open file: it cannot be swapped in between.
    const int descripteur =
        ::open(QFile::encodeName(chemin).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (descripteur < 0) {
        const QString raison = Resultat::raisonSysteme(errno);
        return Resultat::echec(
            Resultat::Cause::Publication, tr("Cannot read the secret file %1: %2.").arg(lisible, raison))
            .avecRaison(raison);
    }
    struct stat etat {
    };
    QFile fichier;
    if (::fstat(descripteur, &etat) != 0 || !S_ISREG(etat.st_mode)) {
        ::close(descripteur);
        return Resultat::echec(
            Resultat::Cause::Publication, tr("The secret file %1 is not a regular file.").arg(lisible));
    }
    if (etat.st_uid != ::geteuid() || (etat.st_mode & 077) != 0) {
        ::close(descripteur);
        return Resultat::echec(Resultat::Cause::Publication,
            tr("The secret file %1 may be read by others: only its owner may read it (chmod 600 %1).")
                .arg(lisible));
    }
    if (!fichier.open(descripteur, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descripteur);
        return Resultat::echec(Resultat::Cause::Publication,
            tr("Cannot read the secret file %1: %2.").arg(lisible, fichier.errorString()));
    }
    QByteArray contenu = fichier.read(TAILLE_MAXIMALE + 1);
    if (contenu.size() > TAILLE_MAXIMALE)
        return Resultat::echec(Resultat::Cause::Publication,
            tr("The secret file %1 is too large to hold a password.").arg(lisible));
    if (contenu.endsWith('\n'))
        contenu.chop(1);
    if (contenu.isEmpty())
        return Resultat::echec(Resultat::Cause::Publication, tr("The secret file %1 is empty.").arg(lisible));
    *secret = QString::fromUtf8(contenu);
    return Resultat();
}

Resultat SecretPublication::lireTrousseau(QString const &cle, QString *secret, bool *absent)
{
    *absent = false;
    QKeychain::ReadPasswordJob travail(SERVICE);
    travail.setKey(cle);
    attendre(travail);
    if (travail.error() == QKeychain::EntryNotFound) {
        *absent = true;
        return Resultat();
    }
    if (travail.error() != QKeychain::NoError)
        return Resultat::echec(
            Resultat::Cause::Publication, tr("The keyring cannot be read: %1.").arg(travail.errorString()))
            .avecRaison(travail.errorString());
    *secret = travail.textData();
    return Resultat();
}

Resultat SecretPublication::ecrireTrousseau(QString const &cle, QString const &secret)
{
    QKeychain::WritePasswordJob travail(SERVICE);
    travail.setKey(cle);
    travail.setTextData(secret);
    attendre(travail);
    if (travail.error() != QKeychain::NoError)
        return Resultat::echec(Resultat::Cause::Publication,
            tr("The password cannot be kept in the keyring: %1.").arg(travail.errorString()))
            .avecRaison(travail.errorString());
    return Resultat();
}

Resultat SecretPublication::effacerTrousseau(QString const &cle)
{
    QKeychain::DeletePasswordJob travail(SERVICE);
    travail.setKey(cle);
    attendre(travail);
    if (travail.error() != QKeychain::NoError && travail.error() != QKeychain::EntryNotFound)
        return Resultat::echec(Resultat::Cause::Publication,
            tr("The password cannot be removed from the keyring: %1.").arg(travail.errorString()))
            .avecRaison(travail.errorString());
    return Resultat();
}
