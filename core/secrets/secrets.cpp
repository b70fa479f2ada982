#include "secrets/secrets.h"

#include <qt5keychain/keychain.h>

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTimer>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString SERVICE = QStringLiteral("tinselbox");

// A password file is a line, not a media file.
constexpr qint64 TAILLE_SECRET_MAXIMALE = 64 * 1024;

// Past this the keyring is taken as silent (a locked one waiting on a prompt nobody
// answers): the caller asks for the secret rather than freeze.
constexpr int ATTENTE_MAX_MS = 20000;

struct Reponse {
    QKeychain::Error code = QKeychain::OtherError;
    QString message;
    QString texte;
};

// Runs `travail` to its end, or to the wait's end. The job deletes itself once it has
// finished (its backend may still hold it until then); the loop, its receiver here, is gone
// by then, so a late answer reaches nothing.
Reponse attendre(QKeychain::Job *travail)
{
    Reponse reponse;
    reponse.message = Secrets::tr("the keyring did not answer");
    bool fini = false;
    QEventLoop boucle;
    QTimer::singleShot(ATTENTE_MAX_MS, &boucle, &QEventLoop::quit);
    QObject::connect(travail, &QKeychain::Job::finished, &boucle, [&](QKeychain::Job *job) {
        reponse.code = job->error();
        reponse.message = job->errorString();
        if (auto *lecture = qobject_cast<QKeychain::ReadPasswordJob *>(job))
            reponse.texte = lecture->textData();
        fini = true;
        boucle.quit();
    });
    travail->setAutoDelete(true);
    travail->start();
    if (!fini)
        boucle.exec();
    return reponse;
}

Resultat echec(QString const &message, QString const &raison = QString())
{
    Resultat resultat = Resultat::echec(Resultat::Cause::Secret, message);
    if (!raison.isEmpty())
        resultat.avecRaison(raison);
    return resultat;
}

// Opens `chemin` for reading and makes sure it is a regular file of the user's that nobody
// else may read or write; checked through the open file, so it cannot be swapped in between.
// Without blocking: a FIFO would wait for a writer forever.
Resultat ouvrirPrive(QString const &chemin, int *descripteur, bool *absent)
{
    const QString lisible = Resultat::cheminLisible(chemin);
    *descripteur =
        ::open(QFile::encodeName(chemin).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (*descripteur < 0) {
        const int code = errno;
        if (absent != nullptr && code == ENOENT) {
            *absent = true;
            return Resultat();
        }
        const QString raison = code == ELOOP ? Secrets::tr("it is a link") : Resultat::raisonSysteme(code);
        return echec(Secrets::tr("Cannot read the secret file %1: %2.").arg(lisible, raison), raison);
    }
    struct stat etat {
    };
    Resultat refus;
    if (::fstat(*descripteur, &etat) != 0 || !S_ISREG(etat.st_mode))
        refus = echec(Secrets::tr("The secret file %1 is not a regular file.").arg(lisible));
    else if (etat.st_uid != ::geteuid() || (etat.st_mode & 077) != 0)
        refus = echec(Secrets::tr(
            "The secret file %1 may be read by others: only its owner may read it (chmod 600 %1).")
                          .arg(lisible));
    if (!refus) {
        ::close(*descripteur);
        *descripteur = -1;
    }
    return refus;
}

Resultat lireTout(int descripteur, QString const &chemin, qint64 tailleMaximale, QByteArray *contenu)
{
    contenu->clear();
    char tampon[4096];
    for (;;) {
        const ssize_t lu = ::read(descripteur, tampon, sizeof tampon);
        if (lu < 0 && errno == EINTR)
            continue;
        if (lu < 0) {
            const QString raison = Resultat::raisonSysteme(errno);
            ::close(descripteur);
            return echec(Secrets::tr("Cannot read the secret file %1: %2.")
                             .arg(Resultat::cheminLisible(chemin), raison),
                raison);
        }
        if (lu == 0)
            break;
        if (contenu->size() + lu > tailleMaximale) {
            ::close(descripteur);
            return echec(Secrets::tr("The secret file %1 is too large to hold a secret.")
                             .arg(Resultat::cheminLisible(chemin)));
        }
        contenu->append(tampon, int(lu));
    }
    ::close(descripteur);
    return Resultat();
}

// Writes `contenu` into a new owner-only file `chemin` and flushes it; nothing is left
// behind on failure.
Resultat ecrireNouveau(QString const &chemin, QByteArray const &contenu, QString const &lisible)
{
    const QByteArray local = QFile::encodeName(chemin);
    const int descripteur =
        ::open(local.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (descripteur < 0) {
        const QString raison = Resultat::raisonSysteme(errno);
        return echec(Secrets::tr("Cannot keep a secret in %1: %2.").arg(lisible, raison), raison);
    }
    qint64 ecrit = 0;
    while (ecrit < contenu.size()) {
        const ssize_t n = ::write(descripteur, contenu.constData() + ecrit, size_t(contenu.size() - ecrit));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        ecrit += n;
    }
    const int code = errno;
    const bool bon = ecrit == contenu.size() && ::fsync(descripteur) == 0;
    const int codeFin = bon ? (::close(descripteur) == 0 ? 0 : errno) : (::close(descripteur), code);
    if (!bon || codeFin != 0) {
        ::unlink(local.constData());
        const QString raison = Resultat::raisonSysteme(bon ? codeFin : code);
        return echec(Secrets::tr("Cannot keep a secret in %1: %2.").arg(lisible, raison), raison);
    }
    return Resultat();
}

Resultat preparerDossier(QString const &chemin)
{
    const QString dossier = QFileInfo(chemin).absolutePath();
    if (!QDir().mkpath(dossier) || ::chmod(QFile::encodeName(dossier).constData(), 0700) != 0) {
        const QString raison = Resultat::raisonSysteme(errno);
        return echec(
            Secrets::tr("Cannot keep a secret in %1: %2.").arg(Resultat::cheminLisible(dossier), raison),
            raison);
    }
    return Resultat();
}

} // namespace

Resultat Secrets::lireFichier(QString const &chemin, QString *secret)
{
    int descripteur = -1;
    const Resultat ouverture = ouvrirPrive(chemin, &descripteur, nullptr);
    if (!ouverture)
        return ouverture;
    QByteArray contenu;
    const Resultat lecture = lireTout(descripteur, chemin, TAILLE_SECRET_MAXIMALE, &contenu);
    if (!lecture)
        return lecture;
    if (contenu.endsWith("\r\n"))
        contenu.chop(2);
    else if (contenu.endsWith('\n'))
        contenu.chop(1);
    if (contenu.isEmpty())
        return echec(tr("The secret file %1 is empty.").arg(Resultat::cheminLisible(chemin)));
    *secret = QString::fromUtf8(contenu);
    return Resultat();
}

Resultat Secrets::lireTrousseau(QString const &cle, QString *secret, bool *absent)
{
    *absent = false;
    auto *travail = new QKeychain::ReadPasswordJob(SERVICE);
    travail->setKey(cle);
    const Reponse reponse = attendre(travail);
    if (reponse.code == QKeychain::EntryNotFound) {
        *absent = true;
        return Resultat();
    }
    if (reponse.code != QKeychain::NoError)
        return echec(tr("The keyring cannot be read: %1.").arg(reponse.message), reponse.message);
    *secret = reponse.texte;
    return Resultat();
}

Resultat Secrets::ecrireTrousseau(QString const &cle, QString const &secret)
{
    auto *travail = new QKeychain::WritePasswordJob(SERVICE);
    travail->setKey(cle);
    travail->setTextData(secret);
    const Reponse reponse = attendre(travail);
    if (reponse.code != QKeychain::NoError)
        return echec(tr("The keyring did not keep the secret: %1.").arg(reponse.message), reponse.message);
    return Resultat();
}

Resultat Secrets::effacerTrousseau(QString const &cle)
{
    auto *travail = new QKeychain::DeletePasswordJob(SERVICE);
    travail->setKey(cle);
    const Reponse reponse = attendre(travail);
    if (reponse.code != QKeychain::NoError && reponse.code != QKeychain::EntryNotFound)
        return echec(
            tr("The secret cannot be removed from the keyring: %1.").arg(reponse.message), reponse.message);
    return Resultat();
}

Resultat Secrets::lireDonnees(QString const &chemin, QByteArray *contenu, bool *absent, qint64 tailleMaximale)
{
    *absent = false;
    contenu->clear();
    int descripteur = -1;
    const Resultat ouverture = ouvrirPrive(chemin, &descripteur, absent);
    if (!ouverture || *absent)
        return ouverture;
    return lireTout(descripteur, chemin, tailleMaximale, contenu);
}

Resultat Secrets::creerDonnees(QString const &chemin, QByteArray const &contenu)
{
    const Resultat dossier = preparerDossier(chemin);
    if (!dossier)
        return dossier;
    return ecrireNouveau(chemin, contenu, Resultat::cheminLisible(chemin));
}

Resultat Secrets::remplacerDonnees(QString const &chemin, QByteArray const &contenu)
{
    const Resultat dossier = preparerDossier(chemin);
    if (!dossier)
        return dossier;
    const QString provisoire = chemin + QStringLiteral(".nouveau");
    ::unlink(QFile::encodeName(provisoire).constData());
    const Resultat ecriture = ecrireNouveau(provisoire, contenu, Resultat::cheminLisible(chemin));
    if (!ecriture)
        return ecriture;
    if (::rename(QFile::encodeName(provisoire).constData(), QFile::encodeName(chemin).constData()) != 0) {
        const QString raison = Resultat::raisonSysteme(errno);
        ::unlink(QFile::encodeName(provisoire).constData());
        return echec(
            tr("Cannot keep a secret in %1: %2.").arg(Resultat::cheminLisible(chemin), raison), raison);
    }
    return Resultat();
}

QString Secrets::repertoire()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/tinselbox");
}
