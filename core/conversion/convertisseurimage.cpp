#include "conversion/convertisseurimage.h"

#include "conversion/typefichier.h"
#include "format/ecriturefichier.h"

#include <QBuffer>
#include <QColorSpace>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>

#include <algorithm>

const QString ConvertisseurImage::REGLAGES = QStringLiteral("image 1: 2560 px, sRGB, jpeg q85 progressive");

namespace {

quint32 lireGrandBoutiste32(const uchar *octets)
{
    return (quint32(octets[0]) << 24) | (quint32(octets[1]) << 16) | (quint32(octets[2]) << 8) | octets[3];
}

// APP1 holds EXIF (with the GPS position) and XMP, APP13 the IPTC block.
bool jpegAvecMetadonnees(QFile &fichier)
{
    uchar entete[4];
    if (fichier.read(reinterpret_cast<char *>(entete), 2) != 2 || entete[0] != 0xFF || entete[1] != 0xD8)
        return false;
    for (;;) {
        if (fichier.read(reinterpret_cast<char *>(entete), 4) != 4 || entete[0] != 0xFF)
            return false;
        const uchar marqueur = entete[1];
        if (marqueur == 0xE1 || marqueur == 0xED)
            return true;
        // The segments that matter all come before the first scan.
        if (marqueur == 0xDA || marqueur == 0xD9)
            return false;
        const int longueur = (entete[2] << 8) | entete[3];
        if (longueur < 2 || !fichier.seek(fichier.pos() + longueur - 2))
            return false;
    }
}

bool pngAvecMetadonnees(QFile &fichier)
{
    if (fichier.read(8) != QByteArray("\x89PNG\r\n\x1a\n", 8))
        return false;
    uchar entete[8];
    while (fichier.read(reinterpret_cast<char *>(entete), 8) == 8) {
        const quint32 longueur = lireGrandBoutiste32(entete);
        const QByteArray type(reinterpret_cast<const char *>(entete + 4), 4);
        if (type == "eXIf")
            return true;
        if (type == "tEXt" || type == "zTXt" || type == "iTXt") {
            const QByteArray cle = fichier.peek(80).toLower();
            if (cle.startsWith("xml:com.adobe.xmp") || cle.startsWith("raw profile type"))
                return true;
        }
        if (type == "IEND" || !fichier.seek(fichier.pos() + qint64(longueur) + 4))
            return false;
    }
    return false;
}

bool aDeLaTransparence(const QImage &image)
{
    if (!image.hasAlphaChannel())
        return false;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const QRgb *ligne = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            if (qAlpha(ligne[x]) != 255)
                return true;
        }
    }
    return false;
}

} // namespace

bool ConvertisseurImage::porteDesMetadonnees(QString const &chemin)
{
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        return false;
    return jpegAvecMetadonnees(fichier) || (fichier.seek(0) && pngAvecMetadonnees(fichier));
}

Resultat ConvertisseurImage::convertir(
    QString const &source, QString const &destinationSansExtension, QString *extension, bool *copie)
{
    *copie = true;
    *extension = TypeFichier::extension(source);

    QImageReader lecteur(source);
    lecteur.setAutoTransform(true);
    const QByteArray format = lecteur.format();
    if (!lecteur.canRead())
        return Resultat();
    // Converting frames would lose the animation; browsers play animated GIF and WebP.
    if ((format == "gif" || format == "webp") && lecteur.imageCount() > 1)
        return Resultat();
    const QSize taille = lecteur.size();
    const int cote = std::max(taille.width(), taille.height());
    if ((format == "jpeg" || format == "png") && taille.isValid() && cote <= COTE_MAX
        && !porteDesMetadonnees(source))
        return Resultat();

    QImage image = lire(source, COTE_MAX, nullptr);
    if (image.isNull())
        return Resultat();
    const bool transparente = aDeLaTransparence(image);
    if (!transparente)
        image = image.convertToFormat(QImage::Format_RGB32);

    const auto echec = [&source](const QString &raison) {
        return Resultat::echec(Resultat::Cause::Conversion,
            tr("The converted picture of %1 cannot be written: %2.")
                .arg(Resultat::cheminLisible(source), raison))
            .avecChemin(source)
            .avecRaison(raison);
    };
    *copie = false;
    *extension = transparente ? QStringLiteral("png") : QStringLiteral("jpg");
    // Encoded in memory, then written with each write checked: an encoder writing to a
    // full disk may report success and leave a picture cut short.
    QByteArray octets;
    if (transparente) {
        QBuffer tampon(&octets);
        tampon.open(QIODevice::WriteOnly);
        QImageWriter ecrivain(&tampon, QByteArrayLiteral("png"));
        if (!ecrivain.write(image))
            return echec(ecrivain.errorString());
    } else {
        octets = encoderJpeg(image, QUALITE_JPEG);
        if (octets.isEmpty())
            return Resultat::echec(Resultat::Cause::Conversion,
                tr("The picture %1 cannot be encoded as JPEG.").arg(Resultat::cheminLisible(source)))
                .avecChemin(source);
    }
    const QString destination = destinationSansExtension + QLatin1Char('.') + *extension;
    const Resultat ecrit = EcritureFichier::ecrire(destination, octets);
    if (!ecrit)
        return echec(ecrit.getRaison());
    return Resultat();
}

QImage ConvertisseurImage::lire(QString const &source, int coteMax, QString *erreur)
{
    QImageReader lecteur(source);
    lecteur.setAutoTransform(true);
    const QSize taille = lecteur.size();
    const int cote = std::max(taille.width(), taille.height());
    // The long side is the same whichever way the picture is turned.
    if (taille.isValid() && cote > coteMax) {
        const double facteur = double(coteMax) / cote;
        lecteur.setScaledSize(QSize(std::max(1, int(taille.width() * facteur + 0.5)),
            std::max(1, int(taille.height() * facteur + 0.5))));
    }
    QImage image = lecteur.read();
    if (image.isNull()) {
        if (erreur != nullptr)
            *erreur = lecteur.errorString();
        return image;
    }
    if (std::max(image.width(), image.height()) > coteMax)
        image = image.scaled(coteMax, coteMax, Qt::KeepAspectRatio, Qt::SmoothTransformation);

    image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.colorSpace().isValid() && image.colorSpace() != QColorSpace(QColorSpace::SRgb))
        image.convertToColorSpace(QColorSpace::SRgb);
    // Pixels only: no colour profile, text or other metadata goes along.
    return QImage(image.constBits(), image.width(), image.height(), image.bytesPerLine(), image.format())
        .copy();
}

QByteArray ConvertisseurImage::encoderJpeg(QImage const &image, int qualite)
{
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    QImageWriter ecrivain(&tampon, QByteArrayLiteral("jpeg"));
    ecrivain.setQuality(qualite);
    ecrivain.setProgressiveScanWrite(true);
    ecrivain.setOptimizedWrite(true);
    return ecrivain.write(image) ? octets : QByteArray();
}
