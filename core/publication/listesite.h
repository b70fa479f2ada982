#pragma once

#include "format/resultat.h"

#include <QCoreApplication>
#include <QLatin1String>
#include <QMap>
#include <QString>

/// The list of a published site's files, each with its size and SHA-256, that publishing
/// writes last at the root of the remote folder. It tells the next publish what the server
/// holds without reading it back, and which remote files are the site's own to delete.
/// An entry without a digest names a file whose content is not known (one that a publish
/// was sending when it stopped): it is the site's, and is sent again.
class ListeSite
{
    Q_DECLARE_TR_FUNCTIONS(ListeSite)

public:
    static constexpr QLatin1String NOM_FICHIER{".liste-tinselbox"};

    struct Entree {
        qint64 taille = 0;
        /// SHA-256 in lower-case hex; empty when unknown.
        QByteArray empreinte;
    };

    /// The list of every file under `repertoire`, by path relative to it with `/` between
    /// folders. A link or a special file is refused: a site holds neither.
    static Resultat calculer(QString const &repertoire, ListeSite *liste);
    /// Reads a list as `texte()` writes it; false, leaving `*liste` empty, when anything in
    /// it does not read back.
    static bool lire(QByteArray const &texte, ListeSite *liste);
    /// One line per file, by path: digest (or "-"), size, path.
    QByteArray texte() const;

    QMap<QString, Entree> const &entrees() const;
    void inserer(QString const &chemin, Entree const &entree);
    bool contient(QString const &chemin) const;
    Entree entree(QString const &chemin) const;

private:
    QMap<QString, Entree> liste;
};
