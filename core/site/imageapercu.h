#pragma once

#include "format/resultat.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QImage>
#include <QString>

/// The picture a link to the page previews with in messengers and social sites: the
/// page's scene (its sky, balls and fir trees) with the calendar's name across it, at
/// the size such sites expect.
///
/// The name needs the system's fonts, which only a GUI application (offscreen is
/// enough) provides; without one the scene is drawn without any text.
class ImageApercu
{
    Q_DECLARE_TR_FUNCTIONS(ImageApercu)

public:
    ImageApercu() = delete;

    /// The scene with the calendar's `nombre` balls, numbered from 1.
    static QImage dessiner(QString const &nomCalendrier, int nombre = 31);
    /// Writes the picture as a PNG file.
    static Resultat ecrire(QString const &nomCalendrier, QString const &chemin, int nombre = 31);
    /// The size of the PNG file `ecrire` writes, for the size estimate.
    static qint64 taille(QString const &nomCalendrier, int nombre = 31);
    /// The PNG file `ecrire` writes (empty when it cannot be encoded). The last one is
    /// kept, and those of earlier runs of the same program are found in the user's cache,
    /// so that the same name and number are painted once.
    static QByteArray png(QString const &nomCalendrier, int nombre = 31);
};
