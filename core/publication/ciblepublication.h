#pragma once

#include <QCoreApplication>
#include <QString>

/// Where a calendar is published, as the project file stores it: one address without any
/// secret.
///   sftp://USER@HOST[:PORT]/PATH        PATH absolute on the server ("/~/" is the home folder)
///   ftps://USER@HOST[:PORT]/PATH        FTP with explicit TLS, PATH from the login folder
///   davs://[USER@]HOST[:PORT]/PATH      WebDAV over HTTPS
///   s3://ACCESS_KEY_ID@HOST[:PORT]/BUCKET[/PREFIX]?region=REGION   over HTTPS, path-style
class CiblePublication
{
    Q_DECLARE_TR_FUNCTIONS(CiblePublication)

public:
    enum Protocole { AUCUN, SFTP, FTPS, DAVS, S3 };

    CiblePublication() = default;

    /// The target `adresse` names, or an invalid target with `*erreur` saying why.
    static CiblePublication lire(QString const &adresse, QString *erreur = nullptr);

    bool estValide() const;
    /// The address as the project file stores it; reading it back gives the same target.
    QString texte() const;
    /// The address libcurl is given for the file `relatif` ("" for the folder itself,
    /// "scripts/" for a sub-folder), its path percent-encoded.
    QByteArray urlCurl(QString const &relatif) const;
    /// The address libcurl is given for `chemin`, a path from the server's root.
    QByteArray urlServeur(QString const &chemin) const;
    /// The path on the server of the file `relatif`, as SFTP commands take it; for FTP,
    /// the path under the login folder.
    QString cheminDistant(QString const &relatif) const;

    Protocole getProtocole() const;
    QString getUtilisateur() const;
    QString getHote() const;
    /// -1 when the address names none.
    int getPort() const;
    /// The remote folder: for S3 the prefix under the bucket, elsewhere the URL's path
    /// without its final slash ("" for the root).
    QString getChemin() const;
    QString getCompartiment() const;
    QString getRegion() const;
    /// A name for the secret in the keyring: the address, which holds none.
    QString cleSecret() const;

private:
    Protocole protocole = AUCUN;
    QString utilisateur;
    QString hote;
    int port = -1;
    QString chemin;
    QString compartiment;
    QString region;
};
