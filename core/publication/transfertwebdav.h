#pragma once

#include "publication/transfertcurl.h"

#include <QSet>

/// WebDAV over HTTPS: folders read with PROPFIND and made with MKCOL, files sent with PUT
/// under a temporary name and put in place with MOVE.
class TransfertWebdav : public TransfertCurl
{
public:
    TransfertWebdav(CiblePublication const &cible, Reglages const &reglages);

    Resultat lister(QMap<QString, qint64> *fichiers) override;
    Resultat lire(QString const &relatif, QByteArray *contenu, bool *absent) override;
    Resultat envoyer(
        QIODevice *donnees, qint64 taille, QByteArray const &empreinte, QString const &relatif) override;
    Resultat supprimer(QString const &relatif) override;

    /// The entries of a PROPFIND answer about the folder at `cheminDossier` (the URL's
    /// decoded path), by name: a folder's size is -1. The folder itself is left out.
    static QMap<QString, qint64> lireReponse(QByteArray const &xml, QString const &cheminDossier);

private:
    Resultat listerDossier(QString const &relatif, QMap<QString, qint64> *fichiers);
    Resultat creerDossiers(QString const &relatif);

    /// Folders known to exist, relative to the site's ("" for the site's own).
    QSet<QString> dossiers;
};
