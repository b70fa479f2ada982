#pragma once

#include "format/resultat.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QImage>
#include <QString>

/// Makes a picture fit for the web: upright, sRGB, at most `COTE_MAX` pixels on its long
/// side, a progressive JPEG without any metadata (a PNG where it has transparency).
/// An animated GIF, a picture already fit and a file that cannot be decoded are left as
/// they are.
class ConvertisseurImage
{
    Q_DECLARE_TR_FUNCTIONS(ConvertisseurImage)

public:
    static const int COTE_MAX = 2560;
    static const int QUALITE_JPEG = 85;
    /// Changes whenever the output of a given picture changes, so cached outputs are redone.
    static const QString REGLAGES;

    ConvertisseurImage() = delete;

    /// Converts `source` into `destinationSansExtension` plus the returned `*extension`.
    /// `*copie` is true (nothing written) when the source is to be published as it is,
    /// under `*extension`. A failure when the output cannot be written.
    static Resultat convertir(
        QString const &source, QString const &destinationSansExtension, QString *extension, bool *copie);

    /// The picture `source` upright, in sRGB, with no metadata, at most `coteMax` pixels
    /// on its long side (decoded at a reduced size where the format allows). A null
    /// image, with `*erreur` set, when it cannot be decoded.
    static QImage lire(QString const &source, int coteMax, QString *erreur);
    /// `image` as a progressive, optimised JPEG of `qualite`, with no metadata.
    static QByteArray encoderJpeg(QImage const &image, int qualite);

    /// Whether a JPEG or PNG file carries EXIF, XMP or IPTC data (positions live there).
    static bool porteDesMetadonnees(QString const &chemin);
};
