#include "conversion/typefichier.h"

#include "modele/genremedia.h"

#include <QHash>
#include <QMimeDatabase>

namespace {

QString typeMime(QString const &chemin)
{
    return QMimeDatabase().mimeTypeForFile(chemin, QMimeDatabase::MatchContent).name();
}

} // namespace

QString TypeFichier::extension(QString const &chemin)
{
    // The names web servers map to the right type out of the box.
    static const QHash<QString, QString> extensions{
        {QStringLiteral("image/jpeg"), QStringLiteral("jpg")},
        {QStringLiteral("image/png"), QStringLiteral("png")},
        {QStringLiteral("image/gif"), QStringLiteral("gif")},
        {QStringLiteral("image/webp"), QStringLiteral("webp")},
        {QStringLiteral("image/heif"), QStringLiteral("heic")},
        {QStringLiteral("image/avif"), QStringLiteral("avif")},
        {QStringLiteral("image/bmp"), QStringLiteral("bmp")},
        {QStringLiteral("image/tiff"), QStringLiteral("tif")},
        {QStringLiteral("image/svg+xml"), QStringLiteral("svg")},
        {QStringLiteral("video/mp4"), QStringLiteral("mp4")},
        {QStringLiteral("video/quicktime"), QStringLiteral("mov")},
        {QStringLiteral("video/x-msvideo"), QStringLiteral("avi")},
        {QStringLiteral("video/x-matroska"), QStringLiteral("mkv")},
        {QStringLiteral("video/webm"), QStringLiteral("webm")},
        {QStringLiteral("video/ogg"), QStringLiteral("ogv")},
        {QStringLiteral("audio/mpeg"), QStringLiteral("mp3")},
        {QStringLiteral("audio/mp4"), QStringLiteral("m4a")},
        {QStringLiteral("audio/x-m4a"), QStringLiteral("m4a")},
        {QStringLiteral("audio/aac"), QStringLiteral("aac")},
        {QStringLiteral("audio/x-wav"), QStringLiteral("wav")},
        {QStringLiteral("audio/vnd.wave"), QStringLiteral("wav")},
        {QStringLiteral("audio/flac"), QStringLiteral("flac")},
        {QStringLiteral("audio/ogg"), QStringLiteral("ogg")},
        {QStringLiteral("audio/x-vorbis+ogg"), QStringLiteral("ogg")},
        {QStringLiteral("audio/x-opus+ogg"), QStringLiteral("opus")},
        {QStringLiteral("application/ogg"), QStringLiteral("ogg")},
        {QStringLiteral("audio/x-aiff"), QStringLiteral("aiff")},
        {QStringLiteral("audio/webm"), QStringLiteral("weba")},
    };
    return extensions.value(typeMime(chemin), QString(GenreMedia::EXTENSION_STOCKAGE));
}

bool TypeFichier::lisiblePartout(QString const &chemin)
{
    const QString type = typeMime(chemin);
    return type == QLatin1String("video/mp4") || type == QLatin1String("audio/mpeg")
        || type == QLatin1String("audio/mp4") || type == QLatin1String("audio/x-m4a");
}
