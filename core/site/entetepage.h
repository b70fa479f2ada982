#pragma once

#include "format/resultat.h"

#include <QCoreApplication>
#include <QString>

class Calendrier;

/// The head of a generated site's page: its language, its title and the tags a link
/// preview reads, written into the copy of the template's page.
class EntetePage
{
    Q_DECLARE_TR_FUNCTIONS(EntetePage)

public:
    EntetePage() = delete;

    /// Rewrites the head of the page `fichierPage` for `calendrier`.
    static Resultat reecrire(QString const &fichierPage, Calendrier const &calendrier);
    /// The page `page` with its head rewritten for `calendrier`; empty when it has no head.
    static QString reecrireTexte(QString page, Calendrier const &calendrier);
    /// The head's lines for `calendrier`: the title, then the link-preview tags.
    static QString balises(Calendrier const &calendrier);
    /// The absolute address of the preview picture of a site published at `adresse`, or
    /// an empty string without an address. An address whose last part has no extension
    /// names the site's folder ("https://example.org/advent" as ".../advent/").
    static QString adresseImage(QString const &adresse);
    /// The absolute address of the file `relative` of a site published at `adresse`, read
    /// as `adresseImage` reads it; empty without an address.
    static QString adresseDansLeSite(QString const &adresse, QString const &relative);
};
