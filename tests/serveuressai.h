#pragma once

#include "publication/ciblepublication.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <csignal>
#include <memory>
#include <pwd.h>
#include <unistd.h>

/// A real server of one publishing protocol on loopback, in a folder of its own: OpenSSH's
/// sshd for SFTP, ftp-srv for FTP with TLS, rclone for WebDAV over TLS, s3rver for S3.
/// It serves the same keys and files from one start to the next.
class ServeurEssai
{
public:
    ServeurEssai(CiblePublication::Protocole protocole, QString const &racine)
        : protocole(protocole), racine(racine)
    {}

    ~ServeurEssai()
    {
        arreter();
    }

    /// Why the server cannot run here, empty when it can.
    QString manque() const
    {
        const QString source = qEnvironmentVariable("TINSELBOX_SOURCE_DIR");
        switch (protocole) {
        case CiblePublication::SFTP:
            return QFile::exists(QStringLiteral("/usr/sbin/sshd")) ? QString() : QStringLiteral("no sshd");
        case CiblePublication::DAVS:
            return QStandardPaths::findExecutable(QStringLiteral("rclone")).isEmpty()
                ? QStringLiteral("no rclone")
                : QString();
        case CiblePublication::FTPS:
            return QFile::exists(source + QStringLiteral("/node_modules/ftp-srv"))
                ? QString()
                : QStringLiteral("no ftp-srv");
        case CiblePublication::S3:
            return QFile::exists(source + QStringLiteral("/node_modules/.bin/s3rver"))
                ? QString()
                : QStringLiteral("no s3rver");
        default:
            return QStringLiteral("no server");
        }
    }

    /// Keys and certificates made once; a new host key with `nouvelleCle`.
    bool preparer(QString *erreur, bool nouvelleCle = false)
    {
        QDir().mkpath(racine + QStringLiteral("/www"));
        QDir().mkpath(racine + QStringLiteral("/ssh"));
        if (!QFile::exists(racine + QStringLiteral("/cert.pem"))
            && !lancer(QStringLiteral("openssl"),
                {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"),
                    QStringLiteral("ec"), QStringLiteral("-pkeyopt"),
                    QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes"),
                    QStringLiteral("-subj"), QStringLiteral("/CN=127.0.0.1"), QStringLiteral("-addext"),
                    QStringLiteral("subjectAltName=IP:127.0.0.1"), QStringLiteral("-days"),
                    QStringLiteral("2"), QStringLiteral("-keyout"), racine + QStringLiteral("/cle.pem"),
                    QStringLiteral("-out"), racine + QStringLiteral("/cert.pem")},
                erreur))
            return false;
        if (protocole != CiblePublication::SFTP)
            return true;
        if (nouvelleCle)
            QFile::remove(racine + QStringLiteral("/hote"));
        for (const QString &cle :
            {racine + QStringLiteral("/hote"), racine + QStringLiteral("/ssh/id_ed25519")}) {
            if (!QFile::exists(cle)
                && !lancer(QStringLiteral("ssh-keygen"),
                    {QStringLiteral("-q"), QStringLiteral("-t"), QStringLiteral("ed25519"),
                        QStringLiteral("-N"), QString(), QStringLiteral("-f"), cle},
                    erreur))
                return false;
        }
        QFile::remove(racine + QStringLiteral("/autorisees"));
        return QFile::copy(
            racine + QStringLiteral("/ssh/id_ed25519.pub"), racine + QStringLiteral("/autorisees"));
    }

    bool demarrer(QString *erreur)
    {
        if (port == 0)
            port = portLibre();
        const QString source = qEnvironmentVariable("TINSELBOX_SOURCE_DIR");
        processus.reset(new QProcess);
        processus->setProcessChannelMode(QProcess::MergedChannels);
        processus->setStandardOutputFile(racine + QStringLiteral("/serveur.log"), QIODevice::Append);
        const QString p = QString::number(port);
        switch (protocole) {
        case CiblePublication::SFTP: {
            QDir().mkpath(QStringLiteral("/run/sshd"));
            QFile config(racine + QStringLiteral("/sshd_config"));
            config.open(QIODevice::WriteOnly | QIODevice::Truncate);
            config.write(
                QStringLiteral("Port %1\nListenAddress 127.0.0.1\nHostKey %2/hote\nAuthorizedKeysFile "
                               "%2/autorisees\nSubsystem sftp internal-sftp\nStrictModes no\nUsePAM no\n"
                               "PidFile %2/sshd.pid\nPasswordAuthentication yes\nPermitRootLogin yes\n")
                    .arg(p, racine)
                    .toUtf8());
            config.close();
            processus->start(QStringLiteral("/usr/sbin/sshd"),
                {QStringLiteral("-f"), config.fileName(), QStringLiteral("-D"), QStringLiteral("-e")});
            break;
        }
        case CiblePublication::FTPS:
            processus->start(QStringLiteral("node"),
                {source + QStringLiteral("/tests/serveurs/ftp.js"), p, racine + QStringLiteral("/www"),
                    racine + QStringLiteral("/cert.pem"), racine + QStringLiteral("/cle.pem"), utilisateur(),
                    QStringLiteral("sapin")});
            break;
        case CiblePublication::DAVS:
            processus->start(QStringLiteral("rclone"),
                {QStringLiteral("serve"), QStringLiteral("webdav"), racine + QStringLiteral("/www"),
                    QStringLiteral("--addr"), QStringLiteral("127.0.0.1:") + p, QStringLiteral("--user"),
                    utilisateur(), QStringLiteral("--pass"), QStringLiteral("sapin"),
                    QStringLiteral("--cert"), racine + QStringLiteral("/cert.pem"), QStringLiteral("--key"),
                    racine + QStringLiteral("/cle.pem"), QStringLiteral("--config"),
                    QStringLiteral("/dev/null")});
            break;
        case CiblePublication::S3:
            processus->start(source + QStringLiteral("/node_modules/.bin/s3rver"),
                {QStringLiteral("-d"), racine + QStringLiteral("/www"), QStringLiteral("-a"),
                    QStringLiteral("127.0.0.1"), QStringLiteral("-p"), p, QStringLiteral("--silent"),
                    QStringLiteral("--key"), racine + QStringLiteral("/cle.pem"), QStringLiteral("--cert"),
                    racine + QStringLiteral("/cert.pem"), QStringLiteral("--configure-bucket"),
                    QStringLiteral("famille")});
            break;
        default:
            return false;
        }
        for (int essai = 0; essai < 200; ++essai) {
            QTcpSocket prise;
            prise.connectToHost(QStringLiteral("127.0.0.1"), quint16(port));
            if (prise.waitForConnected(100))
                return true;
            if (processus->state() == QProcess::NotRunning)
                break;
            QThread::msleep(50);
        }
        *erreur = QStringLiteral("the server did not start: see %1/serveur.log").arg(racine);
        return false;
    }

    void arreter()
    {
        if (processus && processus->state() != QProcess::NotRunning) {
            // sshd serves each connection from a child of its own: the connections go too.
            for (const qint64 enfant : enfants(processus->processId()))
                ::kill(pid_t(enfant), SIGKILL);
            processus->kill();
            processus->waitForFinished(5000);
        }
        processus.reset();
    }

    QString adresse() const
    {
        const QString hote = QStringLiteral("127.0.0.1:%1").arg(port);
        switch (protocole) {
        case CiblePublication::SFTP:
            return QStringLiteral("sftp://%1@%2%3/www/calendrier").arg(utilisateur(), hote, racine);
        case CiblePublication::FTPS:
            return QStringLiteral("ftps://%1@%2/calendrier").arg(utilisateur(), hote);
        case CiblePublication::DAVS:
            return QStringLiteral("davs://%1@%2/calendrier").arg(utilisateur(), hote);
        default:
            return QStringLiteral("s3://S3RVER@%1/famille/calendrier?region=us-east-1").arg(hote);
        }
    }

    /// The password, or the S3 secret key; SFTP logs in with the key in `repertoireSsh()`.
    QString secret() const
    {
        return protocole == CiblePublication::S3  ? QStringLiteral("S3RVER")
            : protocole == CiblePublication::SFTP ? QString()
                                                  : QStringLiteral("sapin");
    }

    QString repertoireSsh() const
    {
        return racine + QStringLiteral("/ssh");
    }

    QString fichierCa() const
    {
        return racine + QStringLiteral("/cert.pem");
    }

    /// The published files as the server keeps them, by path in the site.
    QMap<QString, QByteArray> contenu() const
    {
        QMap<QString, QByteArray> fichiers;
        const QString dossier = racine
            + (protocole == CiblePublication::S3 ? QStringLiteral("/www/famille/calendrier")
                                                 : QStringLiteral("/www/calendrier"));
        const QString suffixe = QStringLiteral("._S3rver_object");
        QDirIterator it(dossier, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QString chemin = it.next();
            QFile fichier(chemin);
            fichier.open(QIODevice::ReadOnly);
            chemin = chemin.mid(dossier.size() + 1);
            if (protocole == CiblePublication::S3) {
                if (!chemin.endsWith(suffixe))
                    continue;
                chemin.chop(suffixe.size());
            }
            fichiers.insert(chemin, fichier.readAll());
        }
        return fichiers;
    }

    /// Puts a file of someone else's in the published folder, as the server keeps it (s3rver
    /// lists an object from its data file alone).
    bool deposerEtranger(QString const &nom)
    {
        const QString dossier = racine
            + (protocole == CiblePublication::S3 ? QStringLiteral("/www/famille/calendrier")
                                                 : QStringLiteral("/www/calendrier"));
        QFile fichier(dossier + QLatin1Char('/') + nom
            + (protocole == CiblePublication::S3 ? QStringLiteral("._S3rver_object") : QString()));
        return fichier.open(QIODevice::WriteOnly) && fichier.write("not the calendar's\n") > 0;
    }

    /// Where a visitor's browser finds the published page: the folder the server keeps it
    /// in, to be served over HTTP; for S3 the object's own address, which s3rver answers
    /// without a signature.
    QString page() const
    {
        return protocole == CiblePublication::S3
            ? QStringLiteral("https://127.0.0.1:%1/famille/calendrier/index.html").arg(port)
            : racine + QStringLiteral("/www/calendrier");
    }

    static QString utilisateur()
    {
        const passwd *compte = getpwuid(geteuid());
        return compte != nullptr ? QString::fromLocal8Bit(compte->pw_name) : QStringLiteral("root");
    }

private:
    static int portLibre()
    {
        // Apart from the FTP server's passive ports just above it.
        for (;;) {
            QTcpServer essai;
            essai.listen(QHostAddress::LocalHost);
            const int port = essai.serverPort();
            if (port < 60000)
                return port;
        }
    }

    static QList<qint64> enfants(qint64 parent)
    {
        QList<qint64> liste;
        for (const QString &nom : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
            QFile stat(QStringLiteral("/proc/%1/stat").arg(nom));
            if (!stat.open(QIODevice::ReadOnly))
                continue;
            // pid (name) state ppid ...: the name may hold spaces, the last ')' ends it.
            const QByteArray texte = stat.readAll();
            const QList<QByteArray> champs = texte.mid(texte.lastIndexOf(')') + 2).split(' ');
            if (champs.size() > 1 && champs.at(1).toLongLong() == parent) {
                liste << nom.toLongLong();
                liste << enfants(nom.toLongLong());
            }
        }
        return liste;
    }

    static bool lancer(QString const &programme, QStringList const &arguments, QString *erreur)
    {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(programme, arguments);
        if (p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0)
            return true;
        *erreur = programme + QStringLiteral(": ") + QString::fromLocal8Bit(p.readAll());
        return false;
    }

    CiblePublication::Protocole protocole;
    QString racine;
    int port = 0;
    std::unique_ptr<QProcess> processus;
};
