#include "site/politiquesortie.h"

#include "modele/calendrier.h"
#include "modele/media.h"
#include "site/chantiersite.h"
#include "site/manifestesite.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <QPair>
#include <QSet>
#include <QStorageInfo>

#include <sys/stat.h>

namespace {

Qt::CaseSensitivity sensibiliteChemins()
{
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    return Qt::CaseInsensitive;
#else
    return Qt::CaseSensitive;
#endif
}

// A path as given (absolute and cleaned) and, where it exists, with its links resolved:
// a file reached through a link inside a directory goes with that directory too.
QStringList formesDuChemin(const QString &chemin)
{
    const QFileInfo info(chemin);
    QStringList formes{QDir::cleanPath(info.absoluteFilePath())};
    const QString canonique = info.canonicalFilePath();
    if (!canonique.isEmpty() && !formes.contains(canonique))
        formes << canonique;
    return formes;
}

bool estDansOuEgal(const QString &chemin, const QString &repertoire)
{
    if (chemin.compare(repertoire, sensibiliteChemins()) == 0)
        return true;
    const QString prefixe =
        repertoire.endsWith(QLatin1Char('/')) ? repertoire : repertoire + QLatin1Char('/');
    return chemin.startsWith(prefixe, sensibiliteChemins());
}

bool contient(const QStringList &formesRepertoire, const QString &chemin)
{
    if (chemin.isEmpty())
        return false;
    for (const QString &forme : formesDuChemin(chemin)) {
        for (const QString &repertoire : formesRepertoire) {
            if (estDansOuEgal(forme, repertoire))
                return true;
        }
    }
    return false;
}

bool estRacineSystemeFichiers(const QString &repertoire)
{
    if (QDir(repertoire).isRoot())
        return true;
    // A mount point is the root of a whole disk, a USB key for instance.
    const QStorageInfo volume(repertoire);
    return volume.isValid()
        && QDir::cleanPath(volume.rootPath()).compare(repertoire, sensibiliteChemins()) == 0;
}

} // namespace

Resultat PolitiqueSortie::controler(
    QString const &repertoire, QString const &fichierProjet, Calendrier const &calendrier)
{
    if (repertoire.isEmpty())
        return Resultat::echec(
            Resultat::Cause::Repertoire, PolitiqueSortie::tr("No directory was given for the generation."));
    const QString nom = Resultat::cheminLisible(repertoire);
    const auto refus = [&repertoire](const QString &message) {
        return Resultat::echec(Resultat::Cause::Repertoire, message).avecChemin(repertoire);
    };
    const QFileInfo info(repertoire);
    // Creating what a dangling link points to would write where nobody chose.
    if (info.isSymLink() && !info.exists())
        return refus(PolitiqueSortie::tr("%1 cannot be used for the generation: it is a link to %2, "
                                         "which does not exist.")
                         .arg(nom, Resultat::cheminLisible(info.symLinkTarget())));
    if (info.exists() && !info.isDir())
        return refus(
            PolitiqueSortie::tr("%1 cannot be used for the generation: it is a file, not a directory.")
                .arg(nom));
    const QStringList formes = formesDuChemin(repertoire);
    for (const QString &forme : formes) {
        if (estRacineSystemeFichiers(forme))
            return refus(
                PolitiqueSortie::tr("%1 cannot be used for the generation: it is the root of a disk.")
                    .arg(nom));
    }
    // Emptying it would reach into a USB key or a network share mounted below it.
    if (ChantierSite::contientPointDeMontage(repertoire))
        return refus(PolitiqueSortie::tr(
            "%1 cannot be used for the generation: a disk is mounted inside this directory.")
                         .arg(nom));
    if (contient(formes, QDir::homePath())) {
        const bool maison = formesDuChemin(QDir::homePath()).contains(formes.first())
            || formesDuChemin(QDir::homePath()).contains(formes.last());
        return refus(maison
                ? PolitiqueSortie::tr("%1 cannot be used for the generation: it is your home directory.")
                      .arg(nom)
                : PolitiqueSortie::tr("%1 cannot be used for the generation: this directory "
                                      "holds your home directory.")
                      .arg(nom));
    }
    if (contient(formes, fichierProjet))
        return refus(PolitiqueSortie::tr("%1 cannot be used for the generation: this directory holds "
                                         "the calendar's project file.")
                         .arg(nom));
    const QMap<int, Media *> &contenu = calendrier.getContenuConstant();
    for (auto it = contenu.constBegin(); it != contenu.constEnd(); ++it) {
        if (it.value() != nullptr && contient(formes, it.value()->getUrl()))
            return refus(PolitiqueSortie::tr("%1 cannot be used for the generation: this directory holds "
                                             "the media of day %2.")
                             .arg(nom)
                             .arg(it.key()))
                .avecJour(it.key());
    }
    return Resultat();
}

bool PolitiqueSortie::estRepertoireSortieInterdit(
    QString const &repertoire, QString const &fichierProjet, Calendrier const &calendrier)
{
    return !controler(repertoire, fichierProjet, calendrier).estReussi();
}

bool PolitiqueSortie::estVideOuSiteGenere(QString const &repertoire)
{
    if (repertoire.isEmpty())
        return false;
    const QFileInfo info(repertoire);
    if (!info.exists() && !info.isSymLink())
        return true;
    if (!info.isDir())
        return false;
    bool vide = true;
    for (const QString &nom :
        QDir(repertoire)
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted))
        vide = vide && ChantierSite::estDossierChantier(nom);
    return vide || ManifesteSite::estSiteMarque(repertoire) || ManifesteSite::estSiteAnterieur(repertoire);
}

namespace {

QMutex verrouAccords;
QSet<QPair<quint64, quint64>> accords;

bool identite(const QString &repertoire, QPair<quint64, quint64> *resultat)
{
    struct stat infos;
    if (::stat(QFile::encodeName(repertoire).constData(), &infos) != 0 || !S_ISDIR(infos.st_mode))
        return false;
    *resultat = qMakePair(quint64(infos.st_dev), quint64(infos.st_ino));
    return true;
}

} // namespace

void PolitiqueSortie::accepterEffacement(QString const &repertoire)
{
    QPair<quint64, quint64> cle;
    if (!identite(repertoire, &cle))
        return;
    QMutexLocker verrou(&verrouAccords);
    accords.insert(cle);
}

bool PolitiqueSortie::remplacementPermis(QString const &repertoire)
{
    if (estVideOuSiteGenere(repertoire))
        return true;
    QPair<quint64, quint64> cle;
    QMutexLocker verrou(&verrouAccords);
    return identite(repertoire, &cle) && accords.contains(cle);
}

Resultat PolitiqueSortie::refusRemplacement(QString const &repertoire)
{
    return Resultat::echec(Resultat::Cause::Repertoire,
        PolitiqueSortie::tr(
            "%1 is not empty and holds no site that tinselbox generated; its contents would be erased.")
            .arg(Resultat::cheminLisible(repertoire)))
        .avecChemin(repertoire);
}
