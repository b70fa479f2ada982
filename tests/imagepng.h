#pragma once

#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QImage>

/// A real PNG picture of one colour, for code that decodes what it is given.
inline bool ecrirePng(const QString &chemin, const QColor &couleur, const QSize &taille = QSize(8, 8))
{
    QDir().mkpath(QFileInfo(chemin).absolutePath());
    QImage image(taille, QImage::Format_RGB32);
    image.fill(couleur);
    return image.save(chemin, "PNG");
}
