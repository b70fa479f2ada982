#pragma once

#include <QString>

/// What a file holds, from its first bytes, in the terms the site needs.
class TypeFichier
{
public:
    TypeFichier() = delete;

    /// The extension a web server types correctly for the content of `chemin` ("jpg",
    /// "mp4", "m4a"...), or "txt" when the content is no known picture, sound or video.
    static QString extension(QString const &chemin);
    /// Whether the content of `chemin` (its bytes, whatever its name says) is a picture, a
    /// sound or a video: only such a file may reach a site as it is.
    static bool estMedia(QString const &chemin);
    /// Whether `chemin` is a JPEG or PNG picture cut short: its last part (a JPEG's end
    /// marker after its first scan, a PNG's closing chunk) is missing. A browser would show
    /// it half grey.
    static bool estTronque(QString const &chemin);
    /// Whether every common browser plays the content of `chemin` as it is, judged from
    /// its container alone (an MP4, an MP3, an M4A); used when no prober is at hand.
    static bool lisiblePartout(QString const &chemin);
};
