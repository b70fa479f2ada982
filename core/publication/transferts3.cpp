#include "publication/transferts3.h"

#include <QCryptographicHash>
#include <QMimeDatabase>
#include <QUrl>
#include <QXmlStreamReader>

TransfertS3::TransfertS3(CiblePublication const &cible, Reglages const &reglages)
    : TransfertCurl(cible, reglages)
{}

bool TransfertS3::parNomTemporaire() const
{
    return false;
}

QByteArray TransfertS3::requete(QMap<QString, QString> const &parametres)
{
    QList<QByteArray> elements;
    for (auto it = parametres.cbegin(); it != parametres.cend(); ++it)
        elements << QUrl::toPercentEncoding(it.key()) + '=' + QUrl::toPercentEncoding(it.value());
    // Sorted on the encoded bytes, as the canonical request is.
    std::sort(elements.begin(), elements.end());
    QByteArray texte;
    for (const QByteArray &element : elements)
        texte += (texte.isEmpty() ? "" : "&") + element;
    return texte;
}

QByteArray TransfertS3::enTeteEmpreinte(QByteArray const &empreinte)
{
    return "x-amz-content-sha256: " + empreinte;
}

Resultat TransfertS3::lister(QMap<QString, qint64> *fichiers)
{
    fichiers->clear();
    const QString prefixe = cible.getChemin().isEmpty() ? QString() : cible.getChemin() + QLatin1Char('/');
    const QByteArray vide = QCryptographicHash::hash(QByteArray(), QCryptographicHash::Sha256).toHex();
    QString suite;
    do {
        QMap<QString, QString> parametres{{QStringLiteral("list-type"), QStringLiteral("2")}};
        if (!prefixe.isEmpty())
            parametres.insert(QStringLiteral("prefix"), prefixe);
        if (!suite.isEmpty())
            parametres.insert(QStringLiteral("continuation-token"), suite);
        const QByteArray url =
            cible.urlServeur(QLatin1Char('/') + cible.getCompartiment()) + '?' + requete(parametres);
        QByteArray xml;
        const Resultat resultat =
            executer(TransfertCurl::tr("Cannot list the bucket %1").arg(cible.getCompartiment()), [&] {
                preparer(QString());
                curl_easy_setopt(poignee, CURLOPT_URL, url.constData());
                recevoirDans(&xml, 64 * 1024 * 1024);
                curl_easy_setopt(poignee, CURLOPT_HTTPHEADER, liste({enTeteEmpreinte(vide)}));
            });
        if (!resultat)
            return resultat;
        suite.clear();
        bool tronque = false;
        QString cle;
        QXmlStreamReader lecteur(xml);
        while (!lecteur.atEnd()) {
            lecteur.readNext();
            if (!lecteur.isStartElement())
                continue;
            if (lecteur.name() == QLatin1String("Key"))
                cle = lecteur.readElementText();
            else if (lecteur.name() == QLatin1String("Size") && cle.startsWith(prefixe))
                fichiers->insert(cle.mid(prefixe.size()), lecteur.readElementText().toLongLong());
            else if (lecteur.name() == QLatin1String("IsTruncated"))
                tronque = lecteur.readElementText() == QLatin1String("true");
            else if (lecteur.name() == QLatin1String("NextContinuationToken"))
                suite = lecteur.readElementText();
        }
        if (lecteur.hasError())
            return Resultat::echec(Resultat::Cause::Publication,
                TransfertCurl::tr("Cannot list the bucket %1: the server's answer does not read (%2).")
                    .arg(cible.getCompartiment(), lecteur.errorString()));
        if (!tronque)
            suite.clear();
    } while (!suite.isEmpty());
    return Resultat();
}

Resultat TransfertS3::lire(QString const &relatif, QByteArray *contenu, bool *absent)
{
    *absent = false;
    const QByteArray vide = QCryptographicHash::hash(QByteArray(), QCryptographicHash::Sha256).toHex();
    const Resultat resultat = executer(TransfertCurl::tr("Cannot read %1").arg(relatif), [&] {
        preparer(relatif);
        recevoirDans(contenu, 16 * 1024 * 1024);
        curl_easy_setopt(poignee, CURLOPT_HTTPHEADER, liste({enTeteEmpreinte(vide)}));
    });
    if (resultat.getDetail() == 1404) {
        *absent = true;
        return Resultat();
    }
    return resultat;
}

Resultat TransfertS3::envoyer(
    QIODevice *donnees, qint64 taille, QByteArray const &empreinte, QString const &relatif)
{
    // A page served from a bucket is shown only with its type.
    const QByteArray type = "Content-Type: "
        + QMimeDatabase().mimeTypeForFile(relatif, QMimeDatabase::MatchExtension).name().toUtf8();
    return executer(TransfertCurl::tr("Cannot send %1").arg(relatif), [&] {
        preparer(relatif);
        envoyerDepuis(donnees, taille);
        curl_easy_setopt(poignee, CURLOPT_HTTPHEADER, liste({enTeteEmpreinte(empreinte), type, "Expect:"}));
    });
}

Resultat TransfertS3::supprimer(QString const &relatif)
{
    const QByteArray vide = QCryptographicHash::hash(QByteArray(), QCryptographicHash::Sha256).toHex();
    const Resultat resultat = executer(TransfertCurl::tr("Cannot delete %1").arg(relatif), [&] {
        preparer(relatif);
        curl_easy_setopt(poignee, CURLOPT_CUSTOMREQUEST, "DELETE");
        curl_easy_setopt(poignee, CURLOPT_HTTPHEADER, liste({enTeteEmpreinte(vide)}));
    });
    return resultat.getDetail() == 1404 ? Resultat() : resultat;
}
