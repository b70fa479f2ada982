#include "chiffrement/trousseau.h"

#include <QCryptographicHash>
#include <QEventLoop>

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

// Runs `travail` to its end. The job deletes itself once it has finished (its backend may
// still hold it until then), so that only the answer outlives it.
Reponse attendre(QKeychain::Job *travail)
{
    Reponse reponse;
    bool fini = false;
    QEventLoop boucle;
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
