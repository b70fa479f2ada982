#include "conversion/typefichier.h"

#include "modele/genremedia.h"

#include <QFile>
#include <QHash>
#include <QMimeDatabase>
#include <QStringList>

#include <algorithm>

namespace {

QString typeMime(QString const &chemin)
{
    return QMimeDatabase().mimeTypeForFile(chemin, QMimeDatabase::MatchContent).name();
}

// What a JPEG is read of at most: no picture a calendar shows is larger.
const qint64 LIMITE_JPEG = 256LL * 1024 * 1024;

// Whether a JPEG's end marker lies in its bytes from `debut` to `fin`. A whole picture
// ends with it, so its last bytes are looked at first: the rest is read only for a file
// cut short or one that carries something after the picture (some phones add a video).
bool marqueurFinEntre(QFile &fichier, qint64 debut, qint64 fin)
{
    static const QByteArray FIN("\xff\xd9", 2);
    if (fin - debut < 2)
        return false;
    const qint64 fenetre = std::min<qint64>(fin - debut, 64 * 1024);
    if (!fichier.seek(fin - fenetre))
        return false;
    if (fichier.read(fenetre).contains(FIN))
        return true;
    return fenetre < fin - debut && fichier.seek(debut) && fichier.read(fin - debut).contains(FIN);
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

bool TypeFichier::estMedia(QString const &chemin)
{
    const QMimeType type = QMimeDatabase().mimeTypeForFile(chemin, QMimeDatabase::MatchContent);
    // Containers the database files under "application" although they hold sound or video.
    static const QStringList conteneurs{QStringLiteral("application/ogg"),
        QStringLiteral("application/x-matroska"), QStringLiteral("application/vnd.rn-realmedia"),
        QStringLiteral("application/mxf")};
    for (const QString &nom : QStringList(type.name()) + type.parentMimeTypes()) {
        if (nom.startsWith(QLatin1String("image/")) || nom.startsWith(QLatin1String("audio/"))
            || nom.startsWith(QLatin1String("video/")) || conteneurs.contains(nom))
            return true;
    }
    return false;
}

bool TypeFichier::estTronque(QString const &chemin)
{
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        return false;
    const QByteArray debut = fichier.peek(8);
    if (debut == QByteArray("\x89PNG\r\n\x1a\n", 8)) {
        // The closing chunk: its length (0), "IEND" and its fixed checksum.
        if (!fichier.seek(std::max<qint64>(0, fichier.size() - 12)))
            return false;
        return fichier.read(12) != QByteArray("\0\0\0\0IEND\xae\x42\x60\x82", 12);
    }
    if (!debut.startsWith("\xff\xd8"))
        return false;
    // The segments before the first scan have lengths; an embedded thumbnail and its own
    // end marker lie inside them. In the coded data that follows, 0xFF is always followed
    // by 0x00 or a marker, so an end marker there is the picture's own.
    const qint64 taille = std::min<qint64>(fichier.size(), LIMITE_JPEG);
    QByteArray tete;
    // The segments are walked in the first bytes, read further only when they run longer.
    const auto charger = [&](qint64 jusqua) {
        while (tete.size() < std::min(jusqua, taille)) {
            const qint64 voulu = std::min(std::max<qint64>(jusqua, 2 * tete.size() + 65536), taille);
            const QByteArray suite = fichier.read(voulu - tete.size());
            if (suite.isEmpty())
                return;
            tete += suite;
        }
    };
    qint64 position = 2;
    for (charger(position + 4); position + 4 <= tete.size(); charger(position + 4)) {
        if (uchar(tete.at(int(position))) != 0xFF)
            return true;
        const uchar marqueur = uchar(tete.at(int(position) + 1));
        if (marqueur == 0xFF) {
            ++position;
            continue;
        }
        if (marqueur == 0xD9)
            return false;
        const int longueur = (uchar(tete.at(int(position) + 2)) << 8) | uchar(tete.at(int(position) + 3));
        position += 2 + longueur;
        if (marqueur == 0xDA)
            return !marqueurFinEntre(fichier, position, taille);
    }
    return true;
}
