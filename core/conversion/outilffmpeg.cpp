#include "conversion/outilffmpeg.h"

#include "format/interruption.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutex>
#include <QMutexLocker>
#include <QProcess>
#include <QStandardPaths>

#include <atomic>
#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

std::atomic<bool> abandon{false};

QString programme(const char *nom)
{
    return QStandardPaths::findExecutable(QString::fromLatin1(nom));
}

// A child that the kernel ends when the thread that started it goes, however the program
// ends (even killed outright): a conversion never goes on alone.
class ProcessusLie : public QProcess
{
public:
    ProcessusLie() : parent(::getpid()) {}

protected:
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    void setupChildProcess() override
    {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        // The parent may have gone between the fork and the line above.
        if (::getppid() != parent)
            ::_exit(127);
    }
    QT_WARNING_POP

private:
    const pid_t parent;
};

// A run that never ends would hold the one ffmpeg slot forever; a stop ends it within a
// tenth of a second.
bool attendre(QProcess &processus)
{
    const int interruptions = Interruption::conversionsInterrompues();
    while (!processus.waitForFinished(100)) {
        if (processus.state() == QProcess::NotRunning)
            return false;
        if (abandon || Interruption::conversionsInterrompues() != interruptions) {
            processus.kill();
            processus.waitForFinished(-1);
            return false;
        }
    }
    return processus.exitStatus() == QProcess::NormalExit && processus.exitCode() == 0;
}

} // namespace

bool OutilFfmpeg::disponible()
{
    return !programme("ffmpeg").isEmpty() && !programme("ffprobe").isEmpty();
}

bool OutilFfmpeg::sonder(QString const &source, ProprietesFlux *proprietes)
{
    const QString sonde = programme("ffprobe");
    if (sonde.isEmpty())
        return false;
    ProcessusLie processus;
    processus.setProcessChannelMode(QProcess::SeparateChannels);
    processus.start(sonde,
        {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-show_format"),
            QStringLiteral("-show_streams"), QStringLiteral("-of"), QStringLiteral("json"),
            QStringLiteral("file:") + source});
    if (!processus.waitForStarted() || !attendre(processus))
        return false;
    const QJsonObject racine = QJsonDocument::fromJson(processus.readAllStandardOutput()).object();
    *proprietes = ProprietesFlux();
    proprietes->conteneur =
        racine.value(QStringLiteral("format")).toObject().value(QStringLiteral("format_name")).toString();
    for (const QJsonValue &valeur : racine.value(QStringLiteral("streams")).toArray()) {
        const QJsonObject flux = valeur.toObject();
        const QString genre = flux.value(QStringLiteral("codec_type")).toString();
        // A cover picture in a sound file is a video stream of one frame: not a video.
        const bool couverture =
            flux.value(QStringLiteral("disposition")).toObject().value(QStringLiteral("attached_pic")).toInt()
            != 0;
        if (genre == QLatin1String("video") && !couverture && proprietes->codecVideo.isEmpty()) {
            proprietes->codecVideo = flux.value(QStringLiteral("codec_name")).toString();
            proprietes->pixels = flux.value(QStringLiteral("pix_fmt")).toString();
            proprietes->largeur = flux.value(QStringLiteral("width")).toInt();
            proprietes->hauteur = flux.value(QStringLiteral("height")).toInt();
        } else if (genre == QLatin1String("audio") && proprietes->codecAudio.isEmpty()) {
            proprietes->codecAudio = flux.value(QStringLiteral("codec_name")).toString();
        }
    }
    return !proprietes->conteneur.isEmpty()
        && (!proprietes->codecVideo.isEmpty() || !proprietes->codecAudio.isEmpty());
}

Resultat OutilFfmpeg::executer(QStringList const &arguments)
{
    const auto arret = [] {
        return Resultat::echec(Resultat::Cause::Interrompu, tr("The conversion was stopped."));
    };
    const auto echec = [](QString const &raison) {
        return Resultat::echec(Resultat::Cause::Conversion, tr("ffmpeg failed: %1.").arg(raison))
            .avecRaison(raison);
    };
    static QMutex unSeul;
    QMutexLocker verrou(&unSeul);
    if (abandon)
        return arret();
    const QString convertisseur = programme("ffmpeg");
    if (convertisseur.isEmpty())
        return Resultat::echec(Resultat::Cause::Conversion, tr("ffmpeg is not installed."));
    const int interruptions = Interruption::conversionsInterrompues();
    ProcessusLie processus;
    processus.start(convertisseur,
        QStringList{QStringLiteral("-nostdin"), QStringLiteral("-hide_banner"), QStringLiteral("-loglevel"),
            QStringLiteral("error"), QStringLiteral("-y")}
            + arguments);
    if (!processus.waitForStarted())
        return echec(processus.errorString());
    if (attendre(processus))
        return Resultat();
    if (abandon)
        return arret();
    const QStringList lignes =
        QString::fromLocal8Bit(processus.readAllStandardError()).trimmed().split(QLatin1Char('\n'));
    if (Interruption::conversionsInterrompues() != interruptions)
        return arret();
    const QString raison = lignes.mid(std::max(0, int(lignes.size()) - 2)).join(QLatin1Char(' '));
    if (raison.isEmpty())
        return Resultat::echec(
            Resultat::Cause::Conversion, tr("ffmpeg stopped with code %1.").arg(processus.exitCode()));
    return echec(raison);
}

void OutilFfmpeg::abandonner()
{
    abandon = true;
}
