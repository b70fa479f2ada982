#pragma once

#include "format/resultat.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

/// What the prober tells of a sound or video file.
struct ProprietesFlux {
    /// The container's names as ffprobe lists them ("mov,mp4,m4a,3gp,3g2,mj2").
    QString conteneur;
    QString codecVideo;
    QString pixels;
    int largeur = 0;
    int hauteur = 0;
    QString codecAudio;
};

/// The `ffmpeg` and `ffprobe` programs, found on `PATH` and run as separate processes;
/// at most one ffmpeg runs at a time in the whole program.
class OutilFfmpeg
{
    Q_DECLARE_TR_FUNCTIONS(OutilFfmpeg)

public:
    OutilFfmpeg() = delete;

    /// Both programs are found on `PATH`.
    static bool disponible();
    /// Reads the streams of `source`; false when it holds no sound or video ffprobe knows.
    static bool sonder(QString const &source, ProprietesFlux *proprietes);
    /// Runs ffmpeg with `arguments` (after its own quiet, non-interactive options); a failure
    /// gives its last error lines as the reason, a stop by `abandonner()` is `Interrompu`.
    static Resultat executer(QStringList const &arguments);
    /// Stops the running ffmpeg and refuses new runs (the program is quitting).
    static void abandonner();
};
