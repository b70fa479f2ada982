#pragma once

#include "modele/media.h"

#include <QCache>
#include <QImage>
#include <QObject>
#include <QSet>
#include <QString>
#include <QThreadPool>

#include <atomic>

/// What a day's tile shows of its media file: a small upright picture (a photo, or a
/// video's frame at about one second) and, for a sound or a video, its length.
struct Vignette {
    /// Null when the file gives no picture (a sound, a file that cannot be decoded).
    QImage image;
    /// Length in milliseconds; negative when unknown or without meaning.
    qint64 dureeMs = -1;
};

/// Makes the tiles' thumbnails on threads of its own, so that the window never waits for
/// a decoding. A thumbnail is kept in memory and on disk, beside the conversion cache,
/// under a key of the file's path, size and modification time: an edited file gets a new
/// one, an unchanged one is decoded once.
///
/// A picture is read as its conversion reads it (EXIF orientation applied, decoded at a
/// reduced size, colours brought to sRGB); a video's frame comes from ffmpeg, when installed.
class FabriqueVignettes : public QObject
{
    Q_OBJECT

public:
    /// Long side of a thumbnail, in pixels: sharp on a tile of a large window.
    static const int COTE = 240;

    /// Keeps its thumbnails on disk in `repertoire`; by default beside the conversion cache.
    explicit FabriqueVignettes(QObject *parent = nullptr, QString repertoire = QString());
    /// Drops the thumbnails not yet begun, stops a running ffmpeg and waits for the rest.
    ~FabriqueVignettes() override;

    /// The thumbnail of `chemin` when it is ready; otherwise starts making it (once) and
    /// returns an empty one: `prete` follows. Nothing for a file that is not a regular one.
    Vignette vignette(QString const &chemin, Media::TypeMedia type);
    /// Whether every thumbnail asked for is made.
    bool occupee() const;
    QString getRepertoire() const;

    /// Makes the thumbnail of `chemin` at once, in the calling thread, without any cache;
    /// a running ffmpeg or ffprobe is stopped as soon as `*arret` is set.
    static Vignette fabriquer(QString const &chemin, Media::TypeMedia type, int cote = COTE,
        std::atomic<bool> const *arret = nullptr);
    /// Removes the thumbnails on disk least recently made until they take at most `limite` bytes.
    void limiter(qint64 limite);

    /// What the thumbnails on disk may take; the oldest go first at each start.
    static const qint64 LIMITE_DISQUE = 64LL * 1024 * 1024;

signals:
    /// The thumbnail of `chemin` is ready; vignette() now returns it.
    void prete(QString const &chemin);

private:
    static QString cle(QString const &chemin);
    void ranger(QString const &cle, QString const &chemin, Vignette const &vignette);

    QString repertoire;
    QThreadPool pool;
    QCache<QString, Vignette> memoire;
    QSet<QString> enCours;
    std::atomic<bool> arret{false};
};
