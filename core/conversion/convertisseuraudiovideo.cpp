#include "conversion/convertisseuraudiovideo.h"

#include "conversion/outilffmpeg.h"
#include "conversion/typefichier.h"

const QString ConvertisseurAudioVideo::REGLAGES =
    QStringLiteral("av 1: h264 crf 23 1920 yuv420p, aac 192k, faststart, no metadata");

namespace {

// Output options shared by every run: no metadata, no chapters, no encoder tag.
const QStringList SANS_METADONNEES{QStringLiteral("-map_metadata"), QStringLiteral("-1"),
    QStringLiteral("-map_chapters"), QStringLiteral("-1"), QStringLiteral("-fflags"),
    QStringLiteral("+bitexact")};
const QStringList INDEX_EN_TETE{QStringLiteral("-movflags"), QStringLiteral("+faststart")};

bool estMp4(const ProprietesFlux &flux)
{
    return flux.conteneur.split(QLatin1Char(',')).contains(QStringLiteral("mp4"));
}

QStringList argumentsVideo(const ProprietesFlux &flux, const QString &entree, const QString &sortie)
{
    QStringList arguments{QStringLiteral("-i"), entree, QStringLiteral("-map"), QStringLiteral("0:v:0"),
        QStringLiteral("-map"), QStringLiteral("0:a:0?")};
    const bool audioPret = flux.codecAudio.isEmpty() || flux.codecAudio == QLatin1String("aac")
        || flux.codecAudio == QLatin1String("mp3");
    const bool videoPrete = flux.codecVideo == QLatin1String("h264")
        && (flux.pixels == QLatin1String("yuv420p") || flux.pixels == QLatin1String("yuvj420p"));
    if (estMp4(flux) && videoPrete && audioPret) {
        arguments << QStringLiteral("-c") << QStringLiteral("copy");
    } else {
        // Even sides, the long one at most 1920, never enlarged.
        const QString echelle = QStringLiteral(
            "scale=w='trunc(min(1\\,%1/max(iw\\,ih))*iw/2)*2':h='trunc(min(1\\,%1/max(iw\\,ih))*ih/2)*2'")
                                    .arg(ConvertisseurAudioVideo::COTE_MAX);
        arguments << QStringLiteral("-vf") << echelle << QStringLiteral("-c:v") << QStringLiteral("libx264")
                  << QStringLiteral("-crf") << QStringLiteral("23") << QStringLiteral("-preset")
                  << QStringLiteral("medium") << QStringLiteral("-pix_fmt") << QStringLiteral("yuv420p")
                  << QStringLiteral("-c:a") << QStringLiteral("aac") << QStringLiteral("-b:a")
                  << QStringLiteral("192k");
    }
    return arguments + SANS_METADONNEES + INDEX_EN_TETE << QStringLiteral("-f") << QStringLiteral("mp4")
                                                        << sortie;
}

QStringList argumentsSon(
    const ProprietesFlux &flux, const QString &entree, const QString &sortie, QString *extension)
{
    QStringList arguments{
        QStringLiteral("-i"), entree, QStringLiteral("-map"), QStringLiteral("0:a:0"), QStringLiteral("-vn")};
    if (flux.codecAudio == QLatin1String("mp3")) {
        *extension = QStringLiteral("mp3");
        return arguments << QStringLiteral("-c") << QStringLiteral("copy") << SANS_METADONNEES
                         << QStringLiteral("-id3v2_version") << QStringLiteral("0")
                         << QStringLiteral("-write_id3v1") << QStringLiteral("0") << QStringLiteral("-f")
                         << QStringLiteral("mp3") << sortie + QStringLiteral(".mp3");
    }
    *extension = QStringLiteral("m4a");
    if (flux.codecAudio == QLatin1String("aac"))
        arguments << QStringLiteral("-c") << QStringLiteral("copy");
    else
        arguments << QStringLiteral("-c:a") << QStringLiteral("aac") << QStringLiteral("-b:a")
                  << QStringLiteral("192k");
    return arguments + SANS_METADONNEES + INDEX_EN_TETE << QStringLiteral("-f") << QStringLiteral("mp4")
                                                        << sortie + QStringLiteral(".m4a");
}

} // namespace

Resultat ConvertisseurAudioVideo::convertir(QString const &source, Media::TypeMedia type,
    QString const &destinationSansExtension, QString *extension, bool *copie, bool *ffmpegManquant)
{
    *copie = true;
    *ffmpegManquant = false;
    *extension = TypeFichier::extension(source);
    if (!OutilFfmpeg::disponible()) {
        *ffmpegManquant = !TypeFichier::lisiblePartout(source);
        return Resultat();
    }
    ProprietesFlux flux;
    if (!OutilFfmpeg::sonder(source, &flux))
        return Resultat();

    const QString entree = QStringLiteral("file:") + source;
    QStringList arguments;
    // A video day whose file holds only sound is published as a sound would be.
    if (type == Media::VIDEO && !flux.codecVideo.isEmpty()) {
        *extension = QStringLiteral("mp4");
        arguments = argumentsVideo(flux, entree, destinationSansExtension + QStringLiteral(".mp4"));
    } else if (!flux.codecAudio.isEmpty()) {
        arguments = argumentsSon(flux, entree, destinationSansExtension, extension);
    } else {
        return Resultat();
    }
    *copie = false;
    return OutilFfmpeg::executer(arguments).avecChemin(source);
}
