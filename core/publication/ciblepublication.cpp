#include "publication/ciblepublication.h"

#include <QRegularExpression>
#include <QUrl>
#include <QUrlQuery>

namespace {

struct Schema {
    const char *nom;
    CiblePublication::Protocole protocole;
    int portParDefaut;
};

const Schema SCHEMAS[] = {
    {"sftp", CiblePublication::SFTP, 22},
    {"ftps", CiblePublication::FTPS, 21},
    {"davs", CiblePublication::DAVS, 443},
    {"s3", CiblePublication::S3, 443},
};

const Schema *schema(CiblePublication::Protocole protocole)
{
    for (const Schema &s : SCHEMAS) {
        if (s.protocole == protocole)
            return &s;
    }
    return nullptr;
}

// Each segment encoded, the separators kept; "~" is unreserved and stays as SFTP reads it.
QByteArray encoderChemin(QString const &chemin)
{
    return QUrl::toPercentEncoding(chemin, "/~");
}

CiblePublication refuser(QString *erreur, QString const &raison)
{
    if (erreur != nullptr)
        *erreur = raison;
    return CiblePublication();
}

} // namespace

CiblePublication CiblePublication::lire(QString const &adresse, QString *erreur)
{
    const QString texte = adresse.trimmed();
    const int separateur = texte.indexOf(QLatin1String("://"));
    const QString nomSchema = separateur > 0 ? texte.left(separateur).toLower() : QString();
    const Schema *trouve = nullptr;
    for (const Schema &s : SCHEMAS) {
        if (nomSchema == QLatin1String(s.nom))
            trouve = &s;
    }
    if (trouve == nullptr)
        return refuser(
            erreur, tr("The publishing address must begin with sftp://, ftps://, davs:// or s3://."));

    const QUrl url(texte, QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty())
        return refuser(erreur, tr("The publishing address names no valid server."));
    // A secret in the address would end up in the project file.
    const QString autorite =
        texte.mid(separateur + 3).section(QRegularExpression(QStringLiteral("[/?#]")), 0, 0);
    if (!url.password().isEmpty() || autorite.section(QLatin1Char('@'), 0, -2).contains(QLatin1Char(':')))
        return refuser(
            erreur, tr("The publishing address must not hold a password; it is asked for when publishing."));
    if (url.hasFragment())
        return refuser(erreur, tr("The publishing address must not end with a #fragment."));

    CiblePublication cible;
    cible.protocole = trouve->protocole;
    cible.utilisateur = url.userName(QUrl::FullyDecoded);
    cible.hote = url.host(QUrl::FullyDecoded);
    cible.port = url.port(-1);
    if (cible.utilisateur.isEmpty() && cible.protocole != DAVS)
        return refuser(erreur,
            cible.protocole == S3
                ? tr("The S3 address needs the access key id before the server: s3://KEY@HOST/BUCKET.")
                : tr("The publishing address needs a user name before the server: USER@HOST."));
    if (cible.port == 0)
        return refuser(erreur, tr("The publishing address has no valid port."));

    QStringList segments;
    for (const QString &segment : url.path(QUrl::FullyDecoded).split(QLatin1Char('/'))) {
        if (segment == QLatin1String(".") || segment == QLatin1String(".."))
            return refuser(erreur, tr("The publishing folder must not hold \".\" or \"..\"."));
        for (const QChar c : segment) {
            if (c.unicode() < 0x20 || c.unicode() == 0x7F)
                return refuser(erreur, tr("The publishing folder must not hold control characters."));
        }
        if (!segment.isEmpty())
            segments << segment;
    }

    const QUrlQuery parametresUrl(url);
    if (cible.protocole == S3) {
        const QList<QPair<QString, QString>> elements = parametresUrl.queryItems(QUrl::FullyDecoded);
        static const QRegularExpression motifRegion(QStringLiteral("^[a-z0-9-]{1,32}$"));
        static const QRegularExpression motifCompartiment(
            QStringLiteral("^[a-z0-9][a-z0-9.-]{1,61}[a-z0-9]$"));
        if (elements.size() != 1 || elements.first().first != QLatin1String("region")
            || !motifRegion.match(elements.first().second).hasMatch())
            return refuser(
                erreur, tr("The S3 address must end with ?region=REGION (for example ?region=us-east-1)."));
        if (segments.isEmpty() || !motifCompartiment.match(segments.first()).hasMatch())
            return refuser(
                erreur, tr("The S3 address needs a bucket name after the server: s3://KEY@HOST/BUCKET."));
        cible.region = elements.first().second;
        cible.compartiment = segments.takeFirst();
        cible.chemin = segments.join(QLatin1Char('/'));
    } else {
        if (url.hasQuery())
            return refuser(erreur, tr("Only an S3 address takes a ?query."));
        cible.chemin = segments.isEmpty() ? QString() : QLatin1Char('/') + segments.join(QLatin1Char('/'));
        if (cible.protocole == SFTP && cible.chemin.isEmpty())
            return refuser(
                erreur, tr("The SFTP address needs a folder: /~/FOLDER for one in the user's home."));
    }
    return cible;
}

bool CiblePublication::estValide() const
{
    return protocole != AUCUN;
}

QString CiblePublication::texte() const
{
    if (!estValide())
        return QString();
    QString resultat = QLatin1String(schema(protocole)->nom) + QLatin1String("://");
    if (!utilisateur.isEmpty())
        resultat += QString::fromLatin1(QUrl::toPercentEncoding(utilisateur)) + QLatin1Char('@');
    resultat += hote.contains(QLatin1Char(':')) ? QLatin1Char('[') + hote + QLatin1Char(']') : hote;
    if (port != -1)
        resultat += QLatin1Char(':') + QString::number(port);
    if (protocole == S3) {
        resultat += QLatin1Char('/') + compartiment;
        if (!chemin.isEmpty())
            resultat += QLatin1Char('/') + QString::fromUtf8(encoderChemin(chemin));
        return resultat + QLatin1String("?region=") + region;
    }
    return resultat + (chemin.isEmpty() ? QStringLiteral("/") : QString::fromUtf8(encoderChemin(chemin)));
}

QByteArray CiblePublication::urlServeur(QString const &chemin) const
{
    static const char *const SCHEMAS_CURL[] = {"", "sftp", "ftp", "https", "https"};
    QByteArray url = QByteArray(SCHEMAS_CURL[protocole]) + "://";
    url += hote.contains(QLatin1Char(':')) ? '[' + hote.toUtf8() + ']' : QUrl::toAce(hote);
    url += ':' + QByteArray::number(port != -1 ? port : schema(protocole)->portParDefaut);
    return url + encoderChemin(chemin);
}

QByteArray CiblePublication::urlCurl(QString const &relatif) const
{
    if (protocole == S3)
        return urlServeur(QLatin1Char('/') + compartiment
            + (chemin.isEmpty() ? QString() : QLatin1Char('/') + chemin) + QLatin1Char('/') + relatif);
    return urlServeur(chemin + QLatin1Char('/') + relatif);
}

QString CiblePublication::cheminDistant(QString const &relatif) const
{
    if (protocole == S3)
        return (chemin.isEmpty() ? QString() : chemin + QLatin1Char('/')) + relatif;
    if (protocole == FTPS)
        return (chemin.isEmpty() ? QString() : chemin.mid(1) + QLatin1Char('/')) + relatif;
    return chemin + QLatin1Char('/') + relatif;
}

CiblePublication::Protocole CiblePublication::getProtocole() const
{
    return protocole;
}

QString CiblePublication::getUtilisateur() const
{
    return utilisateur;
}

QString CiblePublication::getHote() const
{
    return hote;
}

int CiblePublication::getPort() const
{
    return port;
}

QString CiblePublication::getChemin() const
{
    return chemin;
}

QString CiblePublication::getCompartiment() const
{
    return compartiment;
}

QString CiblePublication::getRegion() const
{
    return region;
}

QString CiblePublication::cleSecret() const
{
    return texte();
}
