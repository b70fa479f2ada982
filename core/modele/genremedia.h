#pragma once

#include "format/format.h"
#include "modele/media.h"

#include <QLatin1String>
#include <QString>
#include <QStringList>
#include <QVector>

class QDomElement;

/// One kind of media: what the project file, the site generator, the day tile and
/// the day dialog know about it, in one row. The table of rows is the only place
/// that tells kinds apart; a new kind is one row here plus its class, which writes
/// the kind's script fragments.
struct GenreMedia {
    /// Element of the base class, which no kind uses and the reader ignores.
    static constexpr QLatin1String NOM_BALISE_MEDIA = Media::NOM_BALISE_MEDIA;
    /// Attribute that holds a media's location in its element.
    static constexpr QLatin1String NOM_ATTRIBUT_URL = Format::ATTRIBUT_URL;
    /// Extension of a media's copy in a generated site when its type is unknown.
    static constexpr QLatin1String EXTENSION_STOCKAGE = Media::EXTENSION_STOCKAGE;

    Media::TypeMedia type;
    /// Element of the project file.
    QString balise;
    /// Label along the bottom of the tile, untranslated (see libelleTraduit()).
    const char *libelle;
    /// Opaque background of the tile, 0xRRGGBB.
    quint32 couleurTuile;
    /// Collection script, in the site's scripts directory, that receives the kind's lines.
    QString fichierCollection;
    /// MIME types the day dialog's chooser offers beside "application/octet-stream".
    QStringList typesMimeChoix;
    /// The chooser also offers every type the platform's image reader supports.
    bool typesMimeLecteurImages;
    /// Chooser filter selected when it opens.
    QString typeMimeParDefaut;
    /// What a file's content, sniffed from its bytes, must be for this kind: a MIME
    /// type that starts with an entry ending in "/", or that is or inherits another entry.
    QStringList famillesMimeContenu;
    /// The day dialog shows a picture preview of the stored location when it opens.
    bool apercuALOuverture;
    /// A new media of this kind at the location given (the text, for a kind without a file).
    Media *(*creer)(const QString &url);
    /// What the day dialog asks before keeping a file that is missing or whose content is
    /// not of this kind, untranslated (see questionContenuDouteuxTraduite()).
    const char *questionContenuDouteux;
    /// The kind's content is a file at its location; otherwise it is the text of a
    /// `Message`, stored as the element's content, with nothing to copy or check.
    bool avecFichier = true;
    /// Caption of the day's tile; null for a kind with a file, whose tile shows the location.
    QString (*legendeTuile)(const Media &media) = nullptr;

    /// The label in the user's language; the table's texts have a translation context of its own.
    QString libelleTraduit() const;
    /// The question in the user's language; empty for a kind that asks none.
    QString questionContenuDouteuxTraduite() const;

    /// Every kind, in the order of their values.
    static const QVector<GenreMedia> &tous();
    /// The row of `type`, or null for `Media::AUCUN` and any value without a row.
    static const GenreMedia *pour(Media::TypeMedia type);
    /// The row whose element is named `balise`, or null.
    static const GenreMedia *pourBalise(const QString &balise);
    /// The row of a file by its content (its magic bytes, whatever its name), or null
    /// when it is no regular file or of no known kind.
    static const GenreMedia *pourContenu(const QString &chemin);
    /// The media that a project file element stands for, or null when no kind has that element.
    static Media *depuisElement(const QDomElement &element);
    /// What the day's tile shows under its number: the caption of the kind, else the location.
    static QString texteTuile(const Media &media);
    /// Name of a media's copy in a generated site: identifier, point, extension.
    static QString nomFichierStocke(
        const QString &identifiant, const QString &extension = QString(EXTENSION_STOCKAGE));
};
