#include "publication/transfertwebdav.h"

#include "publication/planpublication.h"

#include <QMimeDatabase>
#include <QUrl>
#include <QXmlStreamReader>

TransfertWebdav::TransfertWebdav(CiblePublication const &cible, Reglages const &reglages)
    : TransfertCurl(cible, reglages)
{}

QMap<QString, qint64> TransfertWebdav::lireReponse(QByteArray const &xml, QString const &cheminDossier)
{
    const QString dossier =
        cheminDossier.endsWith(QLatin1Char('/')) ? cheminDossier : cheminDossier + QLatin1Char('/');
    QMap<QString, qint64> entrees;
    QXmlStreamReader lecteur(xml);
    QString href;
    qint64 taille = 0;
    bool collection = false;
    while (!lecteur.atEnd()) {
        lecteur.readNext();
        if (lecteur.namespaceUri() != QLatin1String("DAV:"))
            continue;
        const QStringRef nom = lecteur.name();
        if (lecteur.isStartElement()) {
            if (nom == QLatin1String("response")) {
                href.clear();
                taille = 0;
                collection = false;
            } else if (nom == QLatin1String("href")) {
                href = QUrl(lecteur.readElementText()).path(QUrl::FullyDecoded);
            } else if (nom == QLatin1String("getcontentlength")) {
                taille = lecteur.readElementText().trimmed().toLongLong();
            } else if (nom == QLatin1String("collection")) {
                collection = true;
            }
        } else if (lecteur.isEndElement() && nom == QLatin1String("response")) {
            if (href.endsWith(QLatin1Char('/')))
                href.chop(1);
            if (!href.startsWith(dossier))
                continue;
            const QString relatif = href.mid(dossier.size());
            if (!relatif.isEmpty() && !relatif.contains(QLatin1Char('/')))
                entrees.insert(relatif, collection ? -1 : taille);
        }
    }
    return entrees;
}

Resultat TransfertWebdav::listerDossier(QString const &relatif, QMap<QString, qint64> *fichiers)
{
    const QString sousDossier = relatif.isEmpty() ? QString() : relatif + QLatin1Char('/');
    QByteArray xml;
    static const QByteArray DEMANDE = QByteArrayLiteral(
        "<?xml version=\"1.0\" encoding=\"utf-8\"?><d:propfind xmlns:d=\"DAV:\"><d:prop><d:resourcetype/>"
        "<d:getcontentlength/></d:prop></d:propfind>");
    const Resultat resultat = executer(TransfertCurl::tr("Cannot list the remote folder %1")
                                           .arg(relatif.isEmpty() ? cible.getChemin() : relatif),
        [&] {
            preparer(sousDossier);
            recevoirDans(&xml, 16 * 1024 * 1024);
            curl_easy_setopt(poignee, CURLOPT_CUSTOMREQUEST, "PROPFIND");
            curl_easy_setopt(poignee, CURLOPT_POSTFIELDS, DEMANDE.constData());
            curl_easy_setopt(poignee, CURLOPT_POSTFIELDSIZE, long(DEMANDE.size()));
            curl_easy_setopt(poignee, CURLOPT_HTTPHEADER,
                liste({"Depth: 1", "Content-Type: application/xml; charset=utf-8"}));
        });
    if (!resultat)
        return resultat;
    dossiers.insert(relatif);
    return parcourir(
        lireReponse(xml, QUrl(QString::fromUtf8(cible.urlCurl(sousDossier))).path(QUrl::FullyDecoded)),
        sousDossier, fichiers,
        [this, fichiers](QString const &chemin) { return listerDossier(chemin, fichiers); });
}

Resultat TransfertWebdav::lister(QMap<QString, qint64> *fichiers)
{
    fichiers->clear();
    dossiers.clear();
    const Resultat resultat = listerDossier(QString(), fichiers);
    if (resultat.getDetail() == 1404) {
        fichiers->clear();
        return Resultat();
    }
    return resultat;
}

Resultat TransfertWebdav::lire(QString const &relatif, QByteArray *contenu, bool *absent)
{
    *absent = false;
    const Resultat resultat = executer(TransfertCurl::tr("Cannot read %1").arg(relatif), [&] {
        preparer(relatif);
        recevoirDans(contenu, 16 * 1024 * 1024);
    });
    if (resultat.getDetail() == 1404) {
        *absent = true;
        return Resultat();
    }
    return resultat;
}

Resultat TransfertWebdav::creerDossiers(QString const &relatif)
{
    // The site's own folder, then each folder down to the file's; the server's root exists.
    QStringList manquants;
    QString dossier =
        relatif.contains(QLatin1Char('/')) ? relatif.section(QLatin1Char('/'), 0, -2) : QString();
    while (!dossiers.contains(dossier)) {
        manquants.prepend(dossier);
        if (dossier.isEmpty())
            break;
        dossier = dossier.contains(QLatin1Char('/')) ? dossier.section(QLatin1Char('/'), 0, -2) : QString();
    }
    for (const QString &manquant : manquants) {
        if (manquant.isEmpty()) {
            // Every level of the site's own path, from the server's root.
            const QStringList segments = cible.getChemin().split(QLatin1Char('/'), Qt::SkipEmptyParts);
            for (int i = 1; i <= segments.size(); ++i) {
                const QString chemin =
                    QLatin1Char('/') + segments.mid(0, i).join(QLatin1Char('/')) + QLatin1Char('/');
                const QByteArray url = cible.urlServeur(chemin);
                const Resultat resultat =
                    executer(TransfertCurl::tr("Cannot make the remote folder %1").arg(chemin), [&] {
                        preparer(QString());
                        curl_easy_setopt(poignee, CURLOPT_URL, url.constData());
                        curl_easy_setopt(poignee, CURLOPT_CUSTOMREQUEST, "MKCOL");
                    });
                if (!resultat && resultat.getDetail() != 1405)
                    return resultat;
            }
        } else {
            const Resultat resultat =
                executer(TransfertCurl::tr("Cannot make the remote folder %1").arg(manquant), [&] {
                    preparer(manquant + QLatin1Char('/'));
                    curl_easy_setopt(poignee, CURLOPT_CUSTOMREQUEST, "MKCOL");
                });
            if (!resultat && resultat.getDetail() != 1405)
                return resultat;
        }
        dossiers.insert(manquant);
    }
    return Resultat();
}

Resultat TransfertWebdav::envoyer(
    QIODevice *donnees, qint64 taille, QByteArray const &, QString const &relatif)
{
    const Resultat dossiersFaits = creerDossiers(relatif);
    if (!dossiersFaits)
        return dossiersFaits;
    const QString temporaire = PlanPublication::nomTemporaire(relatif);
    const QByteArray type = "Content-Type: "
        + QMimeDatabase().mimeTypeForFile(relatif, QMimeDatabase::MatchExtension).name().toUtf8();
    const Resultat envoi = executer(TransfertCurl::tr("Cannot send %1").arg(relatif), [&] {
        preparer(temporaire);
        envoyerDepuis(donnees, taille);
        curl_easy_setopt(poignee, CURLOPT_HTTPHEADER, liste({type, "Expect:"}));
    });
    if (!envoi)
        return envoi;
    const QByteArray destination = "Destination: " + cible.urlCurl(relatif);
    return executer(TransfertCurl::tr("Cannot put %1 in place").arg(relatif), [&] {
        preparer(temporaire);
        curl_easy_setopt(poignee, CURLOPT_CUSTOMREQUEST, "MOVE");
        curl_easy_setopt(poignee, CURLOPT_HTTPHEADER, liste({destination, "Overwrite: T"}));
    });
}

Resultat TransfertWebdav::supprimer(QString const &relatif)
{
    const Resultat resultat = executer(TransfertCurl::tr("Cannot delete %1").arg(relatif), [&] {
        preparer(relatif);
        curl_easy_setopt(poignee, CURLOPT_CUSTOMREQUEST, "DELETE");
    });
    return resultat.getDetail() == 1404 ? Resultat() : resultat;
}
