#pragma once

#include "format/resultat.h"
#include "modele/media.h"

#include <QString>

/// Makes a sound or a video playable in every browser through ffmpeg: an H.264 video
/// with AAC or MP3 sound in an MP4 is only rewritten with its index first and without
/// metadata; any other video becomes H.264 and AAC in MP4 (at most `COTE_MAX` pixels on
/// its long side); an MP3 or AAC sound loses its metadata, any other sound becomes AAC
/// in an M4A. A file ffprobe cannot read is left as it is.
class ConvertisseurAudioVideo
{
public:
    static const int COTE_MAX = 1920;
    static const QString REGLAGES;

    ConvertisseurAudioVideo() = delete;

    /// As `ConvertisseurImage::convertir`, for a day of kind `type` (a sound or a video).
    /// Without ffmpeg the source is published as it is and `*ffmpegManquant` tells
    /// whether some browsers will not play it.
    static Resultat convertir(QString const &source, Media::TypeMedia type,
        QString const &destinationSansExtension, QString *extension, bool *copie, bool *ffmpegManquant);
};
