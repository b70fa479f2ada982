#include "chiffrement/trousseau.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QEventLoop>
#include <QTimer>

#include <qt5keychain/keychain.h>

namespace {

const QString SERVICE = QStringLiteral("tinselbox");

QString nomEntree(QByteArray const &sel)
{
    return QStringLiteral("calendar password ")
        + QString::fromLatin1(QCryptographicHash::hash(sel, QCryptographicHash::Sha256).toHex().left(32));
}

struct Reponse {
    QKeychain::Error code = QKeychain::OtherError;
    QString message;
    QString texte;
};

// Past this the keyring is taken as silent (a locked one waiting on a prompt nobody
// answers): the editor asks for the password rather than freeze.
constexpr int ATTENTE_MAX_MS = 20000;

// Runs `travail` to its end, or to the wait's end. The job deletes itself once it has
// finished (its backend may still hold it until then); the loop, its receiver here, is gone
// by then, so a late answer reaches nothing.
Reponse attendre(QKeychain::Job *travail)
{
    Reponse reponse;
    reponse.message = QCoreApplication::translate("Trousseau", "the keyring did not answer");
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

} // namespace

Trousseau::Etat Trousseau::lire(QByteArray const &sel, QString *motDePasse, QString *erreur)
{
    auto *travail = new QKeychain::ReadPasswordJob(SERVICE);
    travail->setKey(nomEntree(sel));
    const Reponse reponse = attendre(travail);
    if (reponse.code == QKeychain::EntryNotFound)
        return ABSENT;
    if (reponse.code != QKeychain::NoError) {
        *erreur = reponse.message;
        return ERREUR;
    }
    *motDePasse = reponse.texte;
    return TROUVE;
}

bool Trousseau::ecrire(QByteArray const &sel, QString const &motDePasse, QString *erreur)
{
    auto *travail = new QKeychain::WritePasswordJob(SERVICE);
    travail->setKey(nomEntree(sel));
    travail->setTextData(motDePasse);
    const Reponse reponse = attendre(travail);
    if (reponse.code != QKeychain::NoError) {
        *erreur = reponse.message;
        return false;
    }
    return true;
}

bool Trousseau::effacer(QByteArray const &sel, QString *erreur)
{
    auto *travail = new QKeychain::DeletePasswordJob(SERVICE);
    travail->setKey(nomEntree(sel));
    const Reponse reponse = attendre(travail);
    if (reponse.code != QKeychain::NoError && reponse.code != QKeychain::EntryNotFound) {
        *erreur = reponse.message;
        return false;
    }
    return true;
}
