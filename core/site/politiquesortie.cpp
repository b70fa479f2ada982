#include "site/politiquesortie.h"

#include "modele/calendrier.h"
#include "modele/media.h"
#include "site/chantiersite.h"
#include "site/generationsite.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

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

bool PolitiqueSortie::estRepertoireSortieInterdit(
    QString const &repertoire, QString const &fichierProjet, Calendrier const &calendrier)
{
    if (repertoire.isEmpty())
        return true;
    const QStringList formes = formesDuChemin(repertoire);
    for (const QString &forme : formes) {
        if (estRacineSystemeFichiers(forme))
            return true;
    }
    // Emptying it would reach into a USB key or a network share mounted below it.
    if (ChantierSite::contientPointDeMontage(repertoire))
        return true;
    if (contient(formes, QDir::homePath()) || contient(formes, fichierProjet))
        return true;
    for (const Media *media : calendrier.getContenuConstant()) {
        if (media != nullptr && contient(formes, media->getUrl()))
            return true;
    }
    return false;
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
    const QDir dossier(repertoire);
    if (dossier.isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
        return true;
    return QFileInfo(dossier.filePath(GenerationSite::PAGE)).isFile()
        && QFileInfo(dossier.filePath(QString(GenerationSite::REPERTOIRE_SCRIPTS) + QLatin1Char('/')
                         + GenerationSite::SCRIPT_CALENDRIER))
               .isFile();
}
