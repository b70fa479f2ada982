#include "conversion/planconversions.h"

#include "conversion/cacheconversions.h"
#include "conversion/convertisseuraudiovideo.h"
#include "conversion/convertisseurimage.h"
#include "conversion/outilffmpeg.h"
#include "conversion/typefichier.h"
#include "format/interruption.h"
#include "format/resultat.h"
#include "modele/calendrier.h"
#include "modele/genremedia.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QMutexLocker>
#include <QtConcurrent>

#include <atomic>

#include <openssl/crypto.h>

namespace {

std::atomic<bool> abandon{false};

bool avecFichier(const Media *media)
{
    const GenreMedia *genre = media != nullptr ? GenreMedia::pour(media->getType()) : nullptr;
    return genre != nullptr && genre->avecFichier;
}

Resultat arret()
{
    return Resultat::echec(Resultat::Cause::Interrompu, PlanConversions::tr("The conversions were stopped."));
}

Publication telleQuelle(const QString &source)
{
    Publication publication;
    publication.fichier = source;
    publication.extension = TypeFichier::extension(source);
    return publication;
}

} // namespace

PlanConversions &PlanConversions::instance()
{
    static PlanConversions plan;
    return plan;
}

PlanConversions::PlanConversions()
{
    fileAudioVideo.setMaxThreadCount(1);
}

bool PlanConversions::estImage(Media::TypeMedia type)
{
    return type == Media::PHOTO;
}

QString PlanConversions::reglages(Media::TypeMedia type)
{
    return estImage(type) ? ConvertisseurImage::REGLAGES
                          : ConvertisseurAudioVideo::REGLAGES + QStringLiteral(" kind %1").arg(int(type));
}

// A source that changes on disk is a new piece of work; telling so costs one stat.
QString PlanConversions::cleTravail(QString const &source, Media::TypeMedia type) const
{
    const QFileInfo info(source);
    return QStringLiteral("%1\n%2\n%3\n%4")
        .arg(int(type))
        .arg(info.size())
        .arg(info.lastModified().toMSecsSinceEpoch())
        .arg(info.absoluteFilePath());
}

void PlanConversions::demarrer(QString const &source, Media::TypeMedia type)
{
    if (abandon || source.isEmpty() || !QFileInfo(source).isFile())
        return;
    const QString cle = cleTravail(source, type);
    QMutexLocker verrouillage(&verrou);
    if (travaux.contains(cle))
        return;
    QThreadPool *file = estImage(type) ? QThreadPool::globalInstance() : &fileAudioVideo;
    travaux.insert(cle, QtConcurrent::run(file, [this, source, type] {
        const Publication publication = convertir(source, type);
        // The pool's thread outlives the conversion: OpenSSL's state for it (the cache's
        // digests) goes now.
        OPENSSL_thread_stop();
        emit publicationPrete(source);
        return publication;
    }));
}

void PlanConversions::demarrer(Calendrier const &calendrier)
{
    if (calendrier.getOptions().originaux)
        return;
    const QMap<int, Media *> &contenu = calendrier.getContenuConstant();
    for (const Media *media : contenu) {
        if (avecFichier(media))
            demarrer(media->getUrl(), media->getType());
    }
}

Publication PlanConversions::publication(QString const &source, Media::TypeMedia type, bool originaux)
{
    if (originaux)
        return telleQuelle(source);
    demarrer(source, type);
    QFuture<Publication> travail;
    bool trouve = false;
    {
        QMutexLocker verrouillage(&verrou);
        const auto it = travaux.constFind(cleTravail(source, type));
        trouve = it != travaux.constEnd();
        if (trouve)
            travail = *it;
    }
    // Not a regular file (the copy will say so), or the program is quitting.
    if (!trouve) {
        Publication telle = telleQuelle(source);
        if (abandon)
            telle.resultat = arret();
        return telle;
    }
    const Publication resultat = travail.result();
    // A stopped conversion is no outcome to keep: it runs again when asked for next.
    if (resultat.resultat.getCause() == Resultat::Cause::Interrompu) {
        QMutexLocker verrouillage(&verrou);
        const QString cle = cleTravail(source, type);
        if (travaux.value(cle) == travail)
            travaux.remove(cle);
    }
    return resultat;
}

Resultat PlanConversions::echecDuJour(int jour, QString const &source, Resultat const &echec)
{
    if (echec.getCause() == Resultat::Cause::Interrompu)
        return echec;
    Resultat resultat = Resultat::echec(echec.getCause(),
        tr("Day %1: the file %2 cannot be converted. %3")
            .arg(jour)
            .arg(Resultat::cheminLisible(source), echec.getMessage()));
    return resultat.avecJour(jour).avecChemin(source).avecRaison(echec.getRaison());
}

Resultat PlanConversions::preparer(
    Calendrier const &calendrier, std::function<bool(int, int, int)> const &rapport)
{
    demarrer(calendrier);
    const QMap<int, Media *> &contenu = calendrier.getContenuConstant();
    int total = 0;
    for (const Media *media : contenu)
        total += avecFichier(media) ? 1 : 0;
    int rang = 0;
    for (auto it = contenu.constBegin(); it != contenu.constEnd(); ++it) {
        if (!avecFichier(it.value()))
            continue;
        if (QFileInfo(it.value()->getUrl()).isFile() && !TypeFichier::estMedia(it.value()->getUrl())) {
            return Resultat::echec(Resultat::Cause::Media,
                tr("Day %1: %2 is not a picture, a sound or a video.")
                    .arg(it.key())
                    .arg(Resultat::cheminLisible(it.value()->getUrl())))
                .avecJour(it.key())
                .avecChemin(it.value()->getUrl());
        }
        const Publication resultat =
            publication(it.value()->getUrl(), it.value()->getType(), calendrier.getOptions().originaux);
        if (resultat.resultat.getCause() == Resultat::Cause::Interrompu || Interruption::signal() != 0)
            return arret();
        if (!resultat.resultat)
            return echecDuJour(it.key(), it.value()->getUrl(), resultat.resultat);
        if (rapport && !rapport(it.key(), ++rang, total))
            return arret();
    }
    return Resultat();
}

bool PlanConversions::taillePubliee(
    QString const &source, Media::TypeMedia type, bool originaux, qint64 *taille)
{
    const QFileInfo info(source);
    *taille = info.isFile() ? info.size() : 0;
    if (originaux || !info.isFile())
        return true;
    QFuture<Publication> travail;
    {
        QMutexLocker verrouillage(&verrou);
        const auto it = travaux.constFind(cleTravail(source, type));
        if (it != travaux.constEnd())
            travail = *it;
    }
    if (travail.resultCount() > 0) {
        *taille = QFileInfo(travail.result().fichier).size();
        return true;
    }
    // A conversion of an earlier run, recognised without reading the source.
    CacheConversions cache;
    QString cle;
    QString fichier;
    QString extension;
    if (!cache.cleConnue(source, reglages(type), &cle) || !cache.trouver(cle, &fichier, &extension, false))
        return false;
    if (!fichier.isEmpty())
        *taille = QFileInfo(fichier).size();
    return true;
}

QString PlanConversions::avertissementFfmpeg(QString const &source, Media::TypeMedia type)
{
    if ((type != Media::MUSIQUE && type != Media::VIDEO) || OutilFfmpeg::disponible()
        || !QFileInfo(source).isFile() || TypeFichier::lisiblePartout(source))
        return QString();
    return tr("This file will not play in every browser. Installing ffmpeg converts it when the site is "
              "generated.");
}

QList<int> PlanConversions::joursNonConvertis(Calendrier const &calendrier)
{
    QList<int> jours;
    if (calendrier.getOptions().originaux || OutilFfmpeg::disponible())
        return jours;
    const QMap<int, Media *> &contenu = calendrier.getContenuConstant();
    for (auto it = contenu.constBegin(); it != contenu.constEnd(); ++it) {
        const Media *media = it.value();
        if (avecFichier(media) && (media->getType() == Media::MUSIQUE || media->getType() == Media::VIDEO)
            && calendrier.getOptions().estJourPublie(it.key()))
            jours << it.key();
    }
    return jours;
}

QString PlanConversions::avisSansFfmpeg(QList<int> const &jours)
{
    QStringList noms;
    for (const int jour : jours)
        noms << QString::number(jour);
    return QCoreApplication::translate("PlanConversions",
        "ffmpeg is not installed: the sound and video files of days %1 are published as they are, "
        "unconverted, and keep the position (GPS) and other details they hold.")
        .arg(noms.join(QStringLiteral(", ")));
}

void PlanConversions::abandonner()
{
    abandon = true;
    OutilFfmpeg::abandonner();
}

Publication PlanConversions::convertir(QString const &source, Media::TypeMedia type)
{
    Publication publication = telleQuelle(source);
    if (abandon) {
        publication.resultat = arret();
        return publication;
    }
    // Nothing but a picture, a sound or a video is converted or published.
    if (!TypeFichier::estMedia(source)) {
        publication.resultat = Resultat::echec(Resultat::Cause::Media,
            tr("%1 is not a picture, a sound or a video.").arg(Resultat::cheminLisible(source)))
                                   .avecChemin(source);
        return publication;
    }
    CacheConversions cache;
    const QString parametres = reglages(type);
    QString cle;
    if (!cache.cle(source, parametres, &cle))
        return publication;
    QString fichier;
    QString extension;
    if (cache.trouver(cle, &fichier, &extension)) {
        publication.fichier = fichier.isEmpty() ? source : fichier;
        publication.extension = extension;
        return publication;
    }

    const QString brouillon = cache.brouillon(cle);
    const int interruptions = Interruption::conversionsInterrompues();
    bool copie = true;
    bool ffmpegManquant = false;
    const Resultat converti = estImage(type)
        ? ConvertisseurImage::convertir(source, brouillon, &extension, &copie)
        : ConvertisseurAudioVideo::convertir(source, type, brouillon, &extension, &copie, &ffmpegManquant);
    publication.extension = extension;
    publication.ffmpegManquant = ffmpegManquant;
    const QString produit = brouillon + QLatin1Char('.') + extension;
    // A copy cut short (a disk that filled up under the converter) is never kept.
    if (converti && !copie && (QFileInfo(produit).size() <= 0 || TypeFichier::estTronque(produit))) {
        QFile::remove(produit);
        publication.resultat = Resultat::echec(Resultat::Cause::Conversion,
            tr("The converted copy of %1 in %2 was cut short; the disk may be full.")
                .arg(Resultat::cheminLisible(source), Resultat::cheminLisible(cache.getRepertoire())))
                                   .avecChemin(source);
        return publication;
    }
    if (!converti) {
        QFile::remove(brouillon + QLatin1Char('.') + extension);
        publication.resultat = Interruption::conversionsInterrompues() != interruptions ? arret() : converti;
        return publication;
    }
    // Without ffmpeg the outcome is not final: installing it later converts the file.
    if (!estImage(type) && !OutilFfmpeg::disponible())
        return publication;
    publication.resultat =
        cache.ranger(cle, copie ? QString() : brouillon + QLatin1Char('.') + extension, extension, &fichier);
    if (!publication.resultat)
        return publication;
    publication.fichier = copie ? source : fichier;
    return publication;
}
