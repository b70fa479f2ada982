#include "publication/transfertfichiers.h"

#include "publication/planpublication.h"

#include <QRegularExpression>

TransfertFichiers::TransfertFichiers(CiblePublication const &cible, Reglages const &reglages)
    : TransfertCurl(cible, reglages)
{}

bool TransfertFichiers::estSftp() const
{
    return cible.getProtocole() == CiblePublication::SFTP;
}

QByteArray TransfertFichiers::argument(QString const &relatif) const
{
    QByteArray chemin = cible.cheminDistant(relatif).toUtf8();
    chemin.replace('\\', "\\\\").replace('"', "\\\"");
    return '"' + chemin + '"';
}

QMap<QString, qint64> TransfertFichiers::lireListage(QByteArray const &texte)
{
    // type and permissions, links, owner, group, size, three fields of date, name.
    static const QRegularExpression ligne(QStringLiteral(
        "^([-dl])\\S{9}\\S*\\s+\\d+\\s+\\S+\\s+\\S+\\s+(\\d+)\\s+\\S+\\s+\\S+\\s+\\S+\\s(.+)$"));
    QMap<QString, qint64> entrees;
    for (const QByteArray &brute : texte.split('\n')) {
        const QRegularExpressionMatch m = ligne.match(QString::fromUtf8(brute).remove(QLatin1Char('\r')));
        if (!m.hasMatch())
            continue;
        QString nom = m.captured(3);
        if (m.captured(1) == QLatin1String("l"))
            nom = nom.section(QLatin1String(" -> "), 0, 0);
        if (nom == QLatin1String(".") || nom == QLatin1String(".."))
            continue;
        entrees.insert(nom, m.captured(1) == QLatin1String("d") ? -1 : m.captured(2).toLongLong());
    }
    return entrees;
}

Resultat TransfertFichiers::listerDossier(QString const &relatif, QMap<QString, qint64> *fichiers)
{
    QByteArray texte;
    const QString prefixe = relatif.isEmpty() ? QString() : relatif + QLatin1Char('/');
    const Resultat resultat = executer(TransfertCurl::tr("Cannot list the remote folder %1")
                                           .arg(relatif.isEmpty() ? cible.getChemin() : relatif),
        [&] {
            preparer(prefixe);
            recevoirDans(&texte, 16 * 1024 * 1024);
        });
    if (!resultat)
        return resultat;
    const char *entree = nullptr;
    if (!estSftp() && curl_easy_getinfo(poignee, CURLINFO_FTP_ENTRY_PATH, &entree) == CURLE_OK
        && entree != nullptr)
        dossierConnexion = QString::fromUtf8(entree);
    return parcourir(lireListage(texte), prefixe, fichiers,
        [this, fichiers](QString const &chemin) { return listerDossier(chemin, fichiers); });
}

Resultat TransfertFichiers::lister(QMap<QString, qint64> *fichiers)
{
    fichiers->clear();
    const Resultat resultat = listerDossier(QString(), fichiers);
    // A folder not made yet: the first publish makes it. (An FTP server answers a change
    // into a missing folder as it answers a forbidden one.)
    if (resultat.getDetail() == CURLE_REMOTE_FILE_NOT_FOUND
        || resultat.getDetail() == CURLE_REMOTE_ACCESS_DENIED) {
        fichiers->clear();
        return Resultat();
    }
    return resultat;
}

Resultat TransfertFichiers::lire(QString const &relatif, QByteArray *contenu, bool *absent)
{
    *absent = false;
    const Resultat resultat = executer(TransfertCurl::tr("Cannot read %1").arg(relatif), [&] {
        preparer(relatif);
        recevoirDans(contenu, 16 * 1024 * 1024);
    });
    if (resultat.getDetail() == CURLE_REMOTE_FILE_NOT_FOUND) {
        *absent = true;
        return Resultat();
    }
    return resultat;
}

Resultat TransfertFichiers::envoyer(
    QIODevice *donnees, qint64 taille, QByteArray const &, QString const &relatif)
{
    const QString temporaire = PlanPublication::nomTemporaire(relatif);
    QList<QByteArray> renommer;
    if (estSftp()) {
        // libssh2 renames onto no existing name: the old file goes just before.
        renommer << "*rm " + argument(relatif) << "rename " + argument(temporaire) + ' ' + argument(relatif);
    } else {
        // The commands run in the file's folder, where the upload left the session.
        renommer << "RNFR " + temporaire.section(QLatin1Char('/'), -1).toUtf8()
                 << "RNTO " + relatif.section(QLatin1Char('/'), -1).toUtf8();
    }
    return executer(TransfertCurl::tr("Cannot send %1").arg(relatif), [&] {
        preparer(temporaire);
        envoyerDepuis(donnees, taille);
        curl_easy_setopt(poignee, CURLOPT_FTP_CREATE_MISSING_DIRS, long(CURLFTP_CREATE_DIR_RETRY));
        curl_easy_setopt(poignee, CURLOPT_POSTQUOTE, liste(renommer));
    });
}

Resultat TransfertFichiers::supprimer(QString const &relatif)
{
    // A connection kept from an upload is in the file's folder: FTP's path is made absolute
    // from the login folder.
    QString chemin = cible.cheminDistant(relatif);
    if (!estSftp() && dossierConnexion.startsWith(QLatin1Char('/')))
        chemin = (dossierConnexion.endsWith(QLatin1Char('/')) ? dossierConnexion
                                                              : dossierConnexion + QLatin1Char('/'))
            + chemin;
    const QByteArray commande = estSftp() ? "rm " + argument(relatif) : "DELE " + chemin.toUtf8();
    const QByteArray url = cible.urlCurl(QString());
    return executer(TransfertCurl::tr("Cannot delete %1").arg(relatif), [&] {
        preparer(QString());
        curl_easy_setopt(poignee, CURLOPT_URL, url.constData());
        curl_easy_setopt(poignee, CURLOPT_NOBODY, 1L);
        curl_easy_setopt(poignee, CURLOPT_QUOTE, liste({commande}));
    });
}
