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

// Runs `travail` to its end.
void attendre(QKeychain::Job &travail)
{
    QEventLoop boucle;
    QObject::connect(&travail, &QKeychain::Job::finished, &boucle, &QEventLoop::quit);
    travail.setAutoDelete(false);
    travail.start();
    boucle.exec();
}

} // namespace

Trousseau::Etat Trousseau::lire(QByteArray const &sel, QString *motDePasse, QString *erreur)
{
    QKeychain::ReadPasswordJob travail(SERVICE);
    travail.setKey(nomEntree(sel));
    attendre(travail);
    if (travail.error() == QKeychain::EntryNotFound)
        return ABSENT;
    if (travail.error() != QKeychain::NoError) {
        *erreur = travail.errorString();
        return ERREUR;
    }
    *motDePasse = travail.textData();
    return TROUVE;
}

bool Trousseau::ecrire(QByteArray const &sel, QString const &motDePasse, QString *erreur)
{
    QKeychain::WritePasswordJob travail(SERVICE);
    travail.setKey(nomEntree(sel));
    travail.setTextData(motDePasse);
    attendre(travail);
    if (travail.error() != QKeychain::NoError) {
        *erreur = travail.errorString();
        return false;
    }
    return true;
}

bool Trousseau::effacer(QByteArray const &sel, QString *erreur)
{
    QKeychain::DeletePasswordJob travail(SERVICE);
    travail.setKey(nomEntree(sel));
    attendre(travail);
    if (travail.error() != QKeychain::NoError && travail.error() != QKeychain::EntryNotFound) {
        *erreur = travail.errorString();
        return false;
    }
    return true;
}
