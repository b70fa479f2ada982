#pragma once

#include "fichiers.h"

/// Files whose content tells their kind, whatever their names: only their magic bytes.
inline bool ecrirePngBrut(const QString &chemin)
{
    return ecrire(chemin,
        QByteArray("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16) + QByteArray(17, '\0')
            + QByteArray("\0\0\0\0IEND\xae\x42\x60\x82", 12));
}

inline bool ecrireWav(const QString &chemin)
{
    return ecrire(chemin, QByteArray("RIFF\x24\0\0\0WAVEfmt ", 16) + QByteArray(28, '\0'));
}

inline bool ecrireMp4(const QString &chemin)
{
    return ecrire(chemin,
        QByteArray("\0\0\0\x18"
                   "ftypisom\0\0\0\0isommp41",
            24)
            + QByteArray(16, '\0'));
}
