#pragma once

#include "format/resultat.h"
#include "publication/ciblepublication.h"
#include "publication/transfertcurl.h"

#include <QCoreApplication>
#include <QStringList>

#include <functional>

/// Publishes a generated site to its target: what differs is sent, media first and the
/// page last, then what the site no longer has is deleted, then the site's list is
/// written. Before the first change a list naming every file the server may hold is
/// written, so that a publish stopped anywhere leaves a site that works and a next publish
/// that completes it.
class Publieur
{
    Q_DECLARE_TR_FUNCTIONS(Publieur)

public:
    struct Bilan {
        int envoyes = 0;
        qint64 octetsEnvoyes = 0;
        int supprimes = 0;
        int inchanges = 0;
        /// What a dry run would send and delete.
        QStringList aEnvoyer;
        QStringList aSupprimer;
        qint64 octetsAEnvoyer = 0;
    };

    struct Suivi {
        /// A file was sent (path, size) or deleted (path, -1).
        std::function<void(QString const &, qint64)> fichier;
        /// Bytes sent of the current file and in all.
        std::function<void(
            QString const &, qint64 fichierFait, qint64 fichierTotal, qint64 fait, qint64 total)>
            progression;
    };

    Publieur(CiblePublication const &cible, TransfertCurl::Reglages const &reglages);

    /// Publishes the site generated in `repertoire`. A dry run only fills the bilan's lists.
    /// `accepterEtranger`: the user agreed to publish beside files that are not the site's.
    Resultat publier(QString const &repertoire, bool simulation, bool accepterEtranger, Bilan *bilan,
        Suivi const &suivi = Suivi());
    /// The fingerprint of the SFTP host key that stopped the last publish, if any.
    QString getEmpreinteInconnue() const;

private:
    CiblePublication cible;
    TransfertCurl::Reglages reglages;
    QString empreinteInconnue;
};
