#pragma once

#include "publication/transfertcurl.h"

/// SFTP and FTP with explicit TLS: folders listed as `ls -l` prints them, files sent
/// under a temporary name then renamed by the protocol's own commands.
class TransfertFichiers : public TransfertCurl
{
public:
    TransfertFichiers(CiblePublication const &cible, Reglages const &reglages);

    Resultat lister(QMap<QString, qint64> *fichiers) override;
    Resultat lire(QString const &relatif, QByteArray *contenu, bool *absent) override;
    Resultat envoyer(
        QIODevice *donnees, qint64 taille, QByteArray const &empreinte, QString const &relatif) override;
    Resultat supprimer(QString const &relatif) override;

    /// The files and folders of one `ls -l` listing, by name: a folder's size is -1.
    static QMap<QString, qint64> lireListage(QByteArray const &texte);

private:
    Resultat listerDossier(QString const &relatif, QMap<QString, qint64> *fichiers);
    bool estSftp() const;
    /// A path as an SFTP command takes it, quoted.
    QByteArray argument(QString const &relatif) const;

    /// The FTP login folder, as the server named it.
    QString dossierConnexion;
};
