#include "conversion/fabriquevignettes.h"

#include "conversion/cacheconversions.h"

#include <QColorSpace>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

namespace {

// Part of every key: thumbnails made another way are not taken for these.
const char *const VERSION_VIGNETTES = "vignettes 1";
// Thumbnails kept in memory, in kilobytes: 31 tiles take a quarter of it.
const int MEMOIRE_KO = 24 * 1024;
// A frame or a length that takes longer is given up: the tile keeps its caption.
const int DELAI_PROCESSUS_MS = 15000;

QByteArray lireSortie(const QString &programme, const QStringList &arguments, const std::atomic<bool> *arret)
{
    if (programme.isEmpty())
        return QByteArray();
    QProcess processus;
    processus.setProcessChannelMode(QProcess::SeparateChannels);
    processus.start(programme, arguments);
    bool fini = processus.waitForStarted();
    QElapsedTimer chrono;
    chrono.start();
    // In short waits, so that closing the window never waits for a long video.
    while (fini && !processus.waitForFinished(100)) {
        if (processus.state() == QProcess::NotRunning)
            break;
        if ((arret != nullptr && *arret) || chrono.elapsed() > DELAI_PROCESSUS_MS)
            fini = false;
    }
    if (!fini) {
        processus.kill();
        processus.waitForFinished(-1);
        return QByteArray();
    }
    return processus.exitStatus() == QProcess::NormalExit && processus.exitCode() == 0
        ? processus.readAllStandardOutput()
        : QByteArray();
}

qint64 duree(const QString &chemin, const std::atomic<bool> *arret)
{
    const QByteArray sortie = lireSortie(QStandardPaths::findExecutable(QStringLiteral("ffprobe")),
        {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-show_entries"),
            QStringLiteral("format=duration"), QStringLiteral("-of"), QStringLiteral("default=nw=1:nk=1"),
            QStringLiteral("file:") + chemin},
        arret);
    bool ok = false;
    const double secondes = QString::fromLatin1(sortie).trimmed().toDouble(&ok);
    return ok && secondes >= 0 ? qint64(secondes * 1000 + 0.5) : -1;
}

// The frame at one second, or the first one of a shorter video.
QImage imageVideo(const QString &chemin, int cote, const std::atomic<bool> *arret)
{
    const QString ffmpeg = QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
    for (const char *instant : {"1", "0"}) {
        const QByteArray png = lireSortie(ffmpeg,
            {QStringLiteral("-nostdin"), QStringLiteral("-hide_banner"), QStringLiteral("-loglevel"),
                QStringLiteral("error"), QStringLiteral("-ss"), QLatin1String(instant), QStringLiteral("-i"),
                QStringLiteral("file:") + chemin, QStringLiteral("-frames:v"), QStringLiteral("1"),
                QStringLiteral("-vf"),
                QStringLiteral("scale=%1:%1:force_original_aspect_ratio=decrease").arg(cote),
                QStringLiteral("-f"), QStringLiteral("image2pipe"), QStringLiteral("-c:v"),
                QStringLiteral("png"), QStringLiteral("-")},
            arret);
        const QImage image = QImage::fromData(png, "PNG");
        if (!image.isNull())
            return image;
    }
    return QImage();
}

// As the picture's conversion reads it: upright, decoded at a reduced size, in sRGB.
QImage imagePhoto(const QString &chemin, int cote)
{
    QImageReader lecteur(chemin);
    lecteur.setAutoTransform(true);
    const QSize taille = lecteur.size();
    // The long side is the same whichever way the picture is turned.
    if (taille.isValid() && std::max(taille.width(), taille.height()) > cote)
        lecteur.setScaledSize(taille.scaled(cote, cote, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    QImage image = lecteur.read();
    if (image.isNull())
        return image;
    if (std::max(image.width(), image.height()) > cote)
        image = image.scaled(cote, cote, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (image.colorSpace().isValid() && image.colorSpace() != QColorSpace(QColorSpace::SRgb))
        image.convertToColorSpace(QColorSpace::SRgb);
    return image.convertToFormat(
        image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
}

} // namespace

FabriqueVignettes::FabriqueVignettes(QObject *parent, QString repertoireChoisi)
    : QObject(parent), repertoire(std::move(repertoireChoisi)), memoire(MEMOIRE_KO)
{
    if (repertoire.isEmpty())
        repertoire =
            QFileInfo(CacheConversions().getRepertoire()).dir().filePath(QStringLiteral("vignettes"));
    QDir().mkpath(repertoire);
    // Trimmed once per start, in the background like the rest.
    pool.start([this] { limiter(LIMITE_DISQUE); });
}

FabriqueVignettes::~FabriqueVignettes()
{
    arret = true;
    pool.clear();
    pool.waitForDone();
}

void FabriqueVignettes::limiter(qint64 limite)
{
    QFileInfoList fichiers = QDir(repertoire).entryInfoList(QDir::Files, QDir::Time);
    qint64 total = 0;
    for (const QFileInfo &fichier : qAsConst(fichiers))
        total += fichier.size();
    // Newest first: the oldest are at the end.
    while (total > limite && !fichiers.isEmpty()) {
        const QFileInfo fichier = fichiers.takeLast();
        if (QFile::remove(fichier.filePath()))
            total -= fichier.size();
    }
}

QString FabriqueVignettes::getRepertoire() const
{
    return repertoire;
}

bool FabriqueVignettes::occupee() const
{
    return !enCours.isEmpty();
}

QString FabriqueVignettes::cle(QString const &chemin)
{
    const QFileInfo info(chemin);
    if (!info.isFile())
        return QString();
    const QString texte = QStringLiteral("%1\n%2\n%3\n%4\n%5")
                              .arg(info.absoluteFilePath())
                              .arg(info.size())
                              .arg(info.lastModified().toMSecsSinceEpoch())
                              .arg(COTE)
                              .arg(QLatin1String(VERSION_VIGNETTES));
    return QString::fromLatin1(
        QCryptographicHash::hash(texte.toUtf8(), QCryptographicHash::Sha256).toHex().left(32));
}

Vignette FabriqueVignettes::fabriquer(
    QString const &chemin, Media::TypeMedia type, int cote, std::atomic<bool> const *arret)
{
    Vignette vignette;
    // A FIFO or a device would block the reader: only regular files are read.
    if (!QFileInfo(chemin).isFile())
        return vignette;
    switch (type) {
    case Media::PHOTO:
        vignette.image = imagePhoto(chemin, cote);
        break;
    case Media::VIDEO:
        vignette.image = imageVideo(chemin, cote, arret);
        vignette.dureeMs = duree(chemin, arret);
        break;
    case Media::MUSIQUE:
        vignette.dureeMs = duree(chemin, arret);
        break;
    default:
        break;
    }
    return vignette;
}

Vignette FabriqueVignettes::vignette(QString const &chemin, Media::TypeMedia type)
{
    const QString cleFichier = cle(chemin);
    if (cleFichier.isEmpty())
        return Vignette();
    if (const Vignette *connue = memoire.object(cleFichier))
        return *connue;
    if (enCours.contains(cleFichier))
        return Vignette();
    enCours.insert(cleFichier);
    const QString base = QDir(repertoire).filePath(cleFichier);
    pool.start([this, cleFichier, chemin, type, base] {
        Vignette faite;
        // A thumbnail of an earlier run is read back; the length is a line of its own.
        // A picture or a video whose picture went (trimmed, damaged) is made again.
        QFile fichierDuree(base + QStringLiteral(".duree"));
        bool surDisque = fichierDuree.open(QIODevice::ReadOnly);
        if (surDisque) {
            faite.dureeMs = QString::fromLatin1(fichierDuree.readLine()).trimmed().toLongLong();
            if (QFileInfo::exists(base + QStringLiteral(".png")))
                faite.image.load(base + QStringLiteral(".png"), "PNG");
            surDisque = !faite.image.isNull() || type == Media::MUSIQUE;
        }
        if (!surDisque) {
            faite = fabriquer(chemin, type, COTE, &arret);
            if (arret)
                return;
            // Kept for the next run; a failure to write only costs a decoding then.
            if (!faite.image.isNull())
                faite.image.save(base + QStringLiteral(".png"), "PNG", 90);
            QSaveFile ecriture(base + QStringLiteral(".duree"));
            if (ecriture.open(QIODevice::WriteOnly)) {
                ecriture.write(QByteArray::number(faite.dureeMs) + '\n');
                ecriture.commit();
            }
        }
        QMetaObject::invokeMethod(
            this, [this, cleFichier, chemin, faite] { ranger(cleFichier, chemin, faite); },
            Qt::QueuedConnection);
    });
    return Vignette();
}

void FabriqueVignettes::ranger(QString const &cleFichier, QString const &chemin, Vignette const &faite)
{
    enCours.remove(cleFichier);
    memoire.insert(cleFichier, new Vignette(faite), 1 + int(faite.image.sizeInBytes() / 1024));
    emit prete(chemin);
}
