#pragma once

#include "format/resultat.h"

#include <QCoreApplication>
#include <QLatin1String>
#include <QString>

/// The mark of a site the generator wrote: a small file at its root that names the
/// entries the generator put there. It is read back before a directory is replaced without
/// asking, so that a user's own files beside a site are never taken for part of it.
class ManifesteSite
{
    Q_DECLARE_TR_FUNCTIONS(ManifesteSite)

public:
    static constexpr QLatin1String NOM_FICHIER{".site-tinselbox"};

    ManifesteSite() = delete;

    /// Writes the manifest of the site built in `repertoire`, naming its entries. A failure
    /// names `destination`, the directory the user chose, which the site is to replace.
    static Resultat ecrire(QString const &repertoire, QString const &destination);
    /// The size of the manifest of a site made of the template's entries and the reminders.
    static qint64 taille();
    /// Whether `repertoire` holds a site whose manifest reads back and names every entry
    /// beside it.
    static bool estSiteMarque(QString const &repertoire);
    /// Whether `repertoire` holds a site of a version that wrote no manifest: every entry,
    /// at any depth, is one of the template's or a published media file.
    static bool estSiteAnterieur(QString const &repertoire);
};
