#include "publication/tachematinale.h"

#include <QCryptographicHash>
#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTimeZone>

namespace {

// A word of a unit's command line: quoted, with systemd's own specifiers and variables
// written so that they stay plain characters.
QString motSystemd(QString const &texte)
{
    QString mot = texte;
    mot.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char('"'), QLatin1String("\\\""))
        .replace(QLatin1Char('%'), QLatin1String("%%"))
        .replace(QLatin1Char('$'), QLatin1String("$$"));
    return QLatin1Char('"') + mot + QLatin1Char('"');
}

// A word of a shell line, as cron hands it to sh; a % ends cron's command unless escaped.
QString motShell(QString const &texte)
{
    QString mot = texte;
    mot.replace(QLatin1Char('\''), QLatin1String("'\\''"));
    mot.replace(QLatin1Char('%'), QLatin1String("\\%"));
    return QLatin1Char('\'') + mot + QLatin1Char('\'');
}

// The project's file name without control characters, for a description.
QString nomLisible(QString const &projet)
{
    return Resultat::cheminLisible(QFileInfo(projet).fileName())
        .replace(QLatin1Char('%'), QLatin1String("%%"));
}

Resultat systemctl(QStringList const &arguments)
{
    QProcess processus;
    processus.setProcessChannelMode(QProcess::MergedChannels);
    processus.start(QStringLiteral("systemctl"), QStringList{QStringLiteral("--user")} + arguments);
    if (!processus.waitForFinished(30000) || processus.exitStatus() != QProcess::NormalExit
        || processus.exitCode() != 0) {
        const QString sortie = QString::fromLocal8Bit(processus.readAll()).trimmed();
        return Resultat::echec(Resultat::Cause::Publication,
            TacheMatinale::tr("systemctl --user %1 failed: %2")
                .arg(arguments.join(QLatin1Char(' ')), sortie.isEmpty() ? processus.errorString() : sortie));
    }
    return Resultat();
}

} // namespace

QString TacheMatinale::nomUnite(QString const &projet)
{
    const QByteArray absolu = QFileInfo(projet).absoluteFilePath().toUtf8();
    return QStringLiteral("tinselbox-publish-")
        + QString::fromLatin1(QCryptographicHash::hash(absolu, QCryptographicHash::Sha256).toHex().left(12));
}

QByteArray TacheMatinale::service(QString const &programme, QString const &projet)
{
    return QStringLiteral(
        "[Unit]\nDescription=Publish the calendar %1\n\n[Service]\nType=oneshot\nExecStart=%2 "
        "--publish --quiet %3\n")
        .arg(nomLisible(projet), motSystemd(programme), motSystemd(QFileInfo(projet).absoluteFilePath()))
        .toUtf8();
}

QByteArray TacheMatinale::minuteur(QString const &projet, QString const &fuseau)
{
    const QString zone = fuseau.isEmpty() ? QString() : QLatin1Char(' ') + fuseau;
    return QStringLiteral(
        "[Unit]\nDescription=Publish the calendar %1 every morning\n\n[Timer]\nOnCalendar=*-*-* "
        "00:05:00%2\nPersistent=true\n\n[Install]\nWantedBy=timers.target\n")
        .arg(nomLisible(projet), zone)
        .toUtf8();
}

QString TacheMatinale::ligneCrontab(
    QString const &programme, QString const &projet, QString const &fuseau, QDate const &le)
{
    const QTimeZone zone(fuseau.toUtf8());
    QDateTime moment(le, QTime(0, 5));
    if (!fuseau.isEmpty() && zone.isValid())
        moment = QDateTime(le, QTime(0, 5), zone).toLocalTime();
    return QStringLiteral("%1 %2 * * * %3 --publish --quiet %4")
        .arg(moment.time().minute())
        .arg(moment.time().hour())
        .arg(motShell(programme), motShell(QFileInfo(projet).absoluteFilePath()));
}

bool TacheMatinale::systemdDisponible()
{
    return QFileInfo(QStringLiteral("/run/systemd/system")).isDir()
        && !QStandardPaths::findExecutable(QStringLiteral("systemctl")).isEmpty();
}

QString TacheMatinale::repertoireUnites()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("systemd/user"));
}

bool TacheMatinale::estActive(QString const &projet)
{
    return QFileInfo(QDir(repertoireUnites()).filePath(nomUnite(projet) + QLatin1String(".timer"))).isFile();
}

Resultat TacheMatinale::activer(QString const &programme, QString const &projet, QString const &fuseau)
{
    const QDir dossier(repertoireUnites());
    if (!QDir().mkpath(dossier.path()))
        return Resultat::echec(Resultat::Cause::Publication,
            tr("Cannot make the folder %1.").arg(Resultat::cheminLisible(dossier.path())));
    const QString nom = nomUnite(projet);
    const std::pair<QString, QByteArray> unites[] = {
        {nom + QLatin1String(".service"), service(programme, projet)},
        {nom + QLatin1String(".timer"), minuteur(projet, fuseau)},
    };
    for (const auto &unite : unites) {
        QSaveFile fichier(dossier.filePath(unite.first));
        if (!fichier.open(QIODevice::WriteOnly) || fichier.write(unite.second) != unite.second.size()
            || !fichier.commit())
            return Resultat::echec(Resultat::Cause::Publication,
                tr("Cannot write %1: %2.")
                    .arg(Resultat::cheminLisible(fichier.fileName()), fichier.errorString()));
    }
    const Resultat rechargement = systemctl({QStringLiteral("daemon-reload")});
    if (!rechargement)
        return rechargement;
    return systemctl({QStringLiteral("enable"), QStringLiteral("--now"), nom + QLatin1String(".timer")});
}

Resultat TacheMatinale::desactiver(QString const &projet)
{
    const QString nom = nomUnite(projet);
    const Resultat arret =
        systemctl({QStringLiteral("disable"), QStringLiteral("--now"), nom + QLatin1String(".timer")});
    const QDir dossier(repertoireUnites());
    QFile::remove(dossier.filePath(nom + QLatin1String(".timer")));
    QFile::remove(dossier.filePath(nom + QLatin1String(".service")));
    if (!arret)
        return arret;
    return systemctl({QStringLiteral("daemon-reload")});
}
