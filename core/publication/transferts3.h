#pragma once

#include "publication/transfertcurl.h"

/// S3-compatible storage over HTTPS, path-style, signed by libcurl (SigV4): each object is
/// written whole by one PUT, so a visitor never sees half of one and no rename is needed.
class TransfertS3 : public TransfertCurl
{
public:
    TransfertS3(CiblePublication const &cible, Reglages const &reglages);

    Resultat lister(QMap<QString, qint64> *fichiers) override;
    Resultat lire(QString const &relatif, QByteArray *contenu, bool *absent) override;
    Resultat envoyer(
        QIODevice *donnees, qint64 taille, QByteArray const &empreinte, QString const &relatif) override;
    Resultat supprimer(QString const &relatif) override;
    bool parNomTemporaire() const override;

    /// A query string as SigV4 signs it: parameters sorted by name, names and values
    /// percent-encoded with upper-case digits, nothing but the unreserved characters left.
    static QByteArray requete(QMap<QString, QString> const &parametres);

private:
    /// The header that carries the payload's digest, which the signature covers.
    static QByteArray enTeteEmpreinte(QByteArray const &empreinte);
};
