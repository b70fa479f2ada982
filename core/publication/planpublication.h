#pragma once

#include "publication/listesite.h"

#include <QByteArray>
#include <QMap>
#include <QStringList>

/// What a publish does, decided before anything is written: the files to send, in an
/// order that keeps the remote page working (media, then the other files, then the page),
/// and the files to delete once the page no longer needs them. Only the remote list's
/// entries whose size the server confirms are trusted; a file the remote list never named
/// is never deleted.
class PlanPublication
{
public:
    /// The name a file is sent under before it is renamed into place.
    static QString nomTemporaire(QString const &chemin);

    /// The plan that brings a remote folder holding `distants` (path and size of each file,
    /// the list's own included) to the site listed in `locale`. `texteListe` is the remote
    /// list's content, null when there is none. `avecTemporaires`: the protocol sends under
    /// a temporary name.
    static PlanPublication etablir(ListeSite const &locale, QMap<QString, qint64> const &distants,
        QByteArray const *texteListe, bool avecTemporaires);

    /// The remote folder holds files and no list: they may be someone else's.
    bool estEtranger() const;
    /// A remote list was there but could not be read back, or disagreed with the server.
    bool estListeDouteuse() const;
    /// Nothing to send, delete or write, the list included.
    bool estVide() const;
    QStringList const &getEnvois() const;
    QStringList const &getSuppressions() const;
    int getInchanges() const;
    qint64 getOctetsAEnvoyer() const;
    /// The list to write before the first change: every file the server may hold once this
    /// publish stops anywhere, those it sends without a digest. Empty when nothing changes.
    QByteArray const &getListeProvisoire() const;
    /// The list to write last; empty when the server's is already this one.
    QByteArray const &getListeFinale() const;
    ListeSite const &getLocale() const;

private:
    ListeSite locale;
    bool etranger = false;
    bool listeDouteuse = false;
    QStringList envois;
    QStringList suppressions;
    int inchanges = 0;
    qint64 octets = 0;
    QByteArray listeProvisoire;
    QByteArray listeFinale;
};
