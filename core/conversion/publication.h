#pragma once

#include <QString>

/// What a media file becomes in a generated site: the file to copy there and the
/// extension it is published under.
struct Publication {
    /// False when the file could be read but not converted; `erreur` says why.
    bool ok = true;
    QString erreur;
    /// The file to copy into the site: a converted copy in the cache, or the source itself.
    QString fichier;
    /// Extension of the published file, from what it holds ("jpg", "mp4"...; "txt" when unknown).
    QString extension;
    /// The file is published as it is although some browsers cannot play it, for want of ffmpeg.
    bool ffmpegManquant = false;
    /// The conversion was stopped (a Stop, a signal): not an outcome to keep, it runs again
    /// when asked for next.
    bool interrompue = false;
};
