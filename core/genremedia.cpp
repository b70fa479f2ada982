#include "genremedia.h"

#include "image.h"
#include "son.h"
#include "video.h"

#include <QDomElement>
#include <QFileInfo>
#include <QMimeDatabase>

const QVector<GenreMedia> &GenreMedia::tous()
{
    // Built on first use, so that constants of other units may be made from it safely.
    static const QVector<GenreMedia> genres{
        {Media::PHOTO, QStringLiteral("image"), QT_TRANSLATE_NOOP("BoutonJour", "PHOTO"), 0xe95f43,
         QStringLiteral("collectionPhotos.js"), {}, true, QStringLiteral("image/jpeg"),
         {QStringLiteral("image/")}, true, [](const QString &url) -> Media * { return new Image(url); }},
        {Media::MUSIQUE, QStringLiteral("son"), QT_TRANSLATE_NOOP("BoutonJour", "MUSIC"), 0x64b2b2,
         QStringLiteral("collectionSons.js"),
         {QStringLiteral("audio/mpeg"), QStringLiteral("audio/ogg"), QStringLiteral("audio/wav")}, false,
         QStringLiteral("audio/mpeg"), {QStringLiteral("audio/"), QStringLiteral("application/ogg")}, false,
         [](const QString &url) -> Media * { return new Son(url); }},
        {Media::VIDEO, QStringLiteral("video"), QT_TRANSLATE_NOOP("BoutonJour", "VIDEO"), 0xe8dfb4,
         QStringLiteral("collectionVideos.js"),
         {QStringLiteral("video/mp4"), QStringLiteral("video/webm"), QStringLiteral("video/ogg")}, false,
         QStringLiteral("video/mp4"), {QStringLiteral("video/"), QStringLiteral("application/ogg")}, false,
         [](const QString &url) -> Media * { return new Video(url); }},
    };
    return genres;
}

const GenreMedia *GenreMedia::pour(Media::TypeMedia type)
{
    for (const GenreMedia &genre : tous()) {
        if (genre.type == type)
            return &genre;
    }
    return nullptr;
}

const GenreMedia *GenreMedia::pourBalise(const QString &balise)
{
    for (const GenreMedia &genre : tous()) {
        if (genre.balise == balise)
            return &genre;
    }
    return nullptr;
}

const GenreMedia *GenreMedia::pourTypeMime(const QString &typeMime)
{
    const QMimeType type = QMimeDatabase().mimeTypeForName(typeMime);
    QStringList noms{typeMime};
    if (type.isValid())
        noms << type.name() << type.allAncestors();
    for (const GenreMedia &genre : tous()) {
        for (const QString &famille : genre.famillesMimeContenu) {
            const bool prefixe = famille.endsWith(QLatin1Char('/'));
            for (const QString &nom : qAsConst(noms)) {
                if (prefixe ? nom.startsWith(famille) : nom == famille)
                    return &genre;
            }
        }
    }
    return nullptr;
}

const GenreMedia *GenreMedia::pourContenu(const QString &chemin)
{
    // A FIFO or a device would block the sniffing read.
    if (!QFileInfo(chemin).isFile())
        return nullptr;
    return pourTypeMime(QMimeDatabase().mimeTypeForFile(chemin, QMimeDatabase::MatchContent).name());
}

Media *GenreMedia::depuisElement(const QDomElement &element)
{
    const GenreMedia *genre = pourBalise(element.tagName());
    return genre != nullptr ? genre->creer(element.attribute(NOM_ATTRIBUT_URL)) : nullptr;
}

QString GenreMedia::nomFichierStocke(const QString &identifiant)
{
    return identifiant + QLatin1Char('.') + EXTENSION_STOCKAGE;
}
