// Publishing over SFTP against rsync over the same loopback sshd, on a 31-day site of
// about 50 MB already generated: the first publish, an unchanged one, and one after a
// day's picture changed (bytes sent).
#include "../tests/serveuressai.h"
#include "mesure.h"

#include "publication/ciblepublication.h"
#include "publication/publieur.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>

namespace {

void ecrireFichier(QString const &chemin, QByteArray const &contenu)
{
    QDir().mkpath(QFileInfo(chemin).path());
    QFile fichier(chemin);
    fichier.open(QIODevice::WriteOnly | QIODevice::Truncate);
    fichier.write(contenu);
}

QByteArray octets(int taille, quint32 graine)
{
    QByteArray contenu(taille, Qt::Uninitialized);
    QRandomGenerator generateur(graine);
    generateur.fillRange(reinterpret_cast<quint32 *>(contenu.data()), taille / 4);
    return contenu;
}

// A generated site's shape: 31 media files of 1.6 MB, the scripts, the page.
void construireSite(QString const &site)
{
    for (int jour = 1; jour <= 31; ++jour)
        ecrireFichier(site + QStringLiteral("/data/%1.jpg").arg(jour, 32, 10, QLatin1Char('0')),
            octets(1600 * 1024, quint32(jour)));
    for (const char *nom : {"boule.js", "calendrier.js", "carte.js", "photo.js", "textes.js", "video.js"})
        ecrireFichier(site + QStringLiteral("/scripts/") + QLatin1String(nom), octets(12 * 1024, 99));
    ecrireFichier(site + QStringLiteral("/styles/style.css"), octets(4096, 98));
    ecrireFichier(site + QStringLiteral("/index.html"), octets(8192, 97));
}

double rsync(QString const &site, QString const &destination, QString const &cle, int port, bool somme)
{
    QStringList arguments{QStringLiteral("-a")};
    if (somme)
        arguments << QStringLiteral("--checksum");
    arguments << QStringLiteral("-e")
              << QStringLiteral("ssh -p %1 -i %2 -o StrictHostKeyChecking=no -o UserKnownHostsFile=/dev/null "
                                "-o LogLevel=ERROR")
                     .arg(port)
                     .arg(cle)
              << site + QLatin1Char('/')
              << ServeurEssai::utilisateur() + QStringLiteral("@127.0.0.1:") + destination + QLatin1Char('/');
    return medianeMs(1, [&] {
        QProcess p;
        p.setProcessChannelMode(QProcess::ForwardedChannels);
        p.start(QStringLiteral("rsync"), arguments);
        p.waitForFinished(-1);
    });
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QTemporaryDir dossier;
    ServeurEssai serveur(CiblePublication::SFTP, dossier.filePath(QStringLiteral("serveur")));
    QString erreur;
    if (!serveur.manque().isEmpty() || !serveur.preparer(&erreur) || !serveur.demarrer(&erreur)) {
        std::printf("skipped: %s\n", qPrintable(serveur.manque() + erreur));
        return 0;
    }
    const QString site = dossier.filePath(QStringLiteral("site"));
    construireSite(site);
    const CiblePublication cible = CiblePublication::lire(serveur.adresse());
    const QString cle = serveur.repertoireSsh() + QStringLiteral("/id_ed25519");
    TransfertCurl::Reglages reglages;
    reglages.repertoireSsh = serveur.repertoireSsh();
    reglages.fichierHotesConnus = dossier.filePath(QStringLiteral("hotes"));
    // The host key is accepted as the user would at the first publish.
    Publieur::Bilan bilan;
    {
        Publieur essai(cible, reglages);
        essai.publier(site, true, false, &bilan);
        reglages.empreinteAcceptee = essai.getEmpreinteInconnue();
    }
    const QString copie = dossier.filePath(QStringLiteral("serveur/www/rsync"));
    QDir().mkpath(copie);

    Resultat resultat;
    const double premier =
        medianeMs(1, [&] { resultat = Publieur(cible, reglages).publier(site, false, false, &bilan); });
    const double premierRsync = rsync(site, copie, cle,
        serveur.adresse().section(QLatin1Char(':'), 2).section(QLatin1Char('/'), 0, 0).toInt(), false);
    if (!resultat) {
        std::printf("publish failed: %s\n", qPrintable(resultat.getMessage()));
        return 1;
    }
    std::printf(
        "first publish: %.0f ms, rsync -a %.0f ms: %.2f x\n", premier, premierRsync, premier / premierRsync);

    const int port = serveur.adresse().section(QLatin1Char(':'), 2).section(QLatin1Char('/'), 0, 0).toInt();
    const double inchange =
        medianeMs(3, [&] { resultat = Publieur(cible, reglages).publier(site, false, false, &bilan); });
    const qint64 envoyesInchange = bilan.octetsEnvoyes;
    const double inchangeRsync = medianeMs(3, [&] { rsync(site, copie, cle, port, true); });
    std::printf("unchanged re-publish: %lld bytes sent, %.0f ms; rsync -a --checksum %.0f ms: %.2f x\n",
        static_cast<long long>(envoyesInchange), inchange, inchangeRsync, inchange / inchangeRsync);

    // One day's picture replaced, and the script lines that name it.
    const QByteArray nouvelle = octets(1700 * 1024, 1234);
    ecrireFichier(site + QStringLiteral("/data/%1.jpg").arg(5, 32, 10, QLatin1Char('0')), nouvelle);
    ecrireFichier(site + QStringLiteral("/scripts/calendrier.js"), octets(12 * 1024, 1235));
    resultat = Publieur(cible, reglages).publier(site, false, false, &bilan);
    std::printf("one day changed: %lld bytes sent for a picture of %d bytes: %lld over it (limit 102400)\n",
        static_cast<long long>(bilan.octetsEnvoyes), int(nouvelle.size()),
        static_cast<long long>(bilan.octetsEnvoyes - nouvelle.size()));
    return resultat ? 0 : 1;
}
