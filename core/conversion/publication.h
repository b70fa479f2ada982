#pragma once

#include "format/resultat.h"

#include <QString>

/// What a media file becomes in a generated site: the file to copy there and the
/// extension it is published under.
struct Publication {
    /// A failure when the file could be read but not converted; `Interrompu` when the
    /// conversion was stopped (a Stop, a signal), which runs again when asked for next.
    Resultat resultat;
    /// The file to copy into the site: a converted copy in the cache, or the source itself.
    QString fichier;
    /// Extension of the published file, from what it holds ("jpg", "mp4"...; "txt" when unknown).
    QString extension;
    /// The file is published as it is although some browsers cannot play it, for want of ffmpeg.
    bool ffmpegManquant = false;
};
