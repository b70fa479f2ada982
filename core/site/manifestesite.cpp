#include "site/manifestesite.h"

#include "format/format.h"
#include "site/chantiersite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>

#include <cerrno>

// The template is among the resources of the static library.
static void initialiserRessources()
{
    Q_INIT_RESOURCE(ressources);
}

namespace {

const QByteArray ENTETE = QByteArrayLiteral("tinselbox site 1");
const QString MODELE = QStringLiteral(":tinselbox/js");
const qint64 TAILLE_MAXIMALE = 64 * 1024;

QStringList entrees(const QString &repertoire)
{
    return QDir(repertoire)
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// A media's copy (its identifier and an extension), or the page's preview picture.
bool estMediaPublie(const QString &nom)
{
    static const QRegularExpression motif(QStringLiteral("^[0-9a-f]{32}(\\.[A-Za-z0-9]{1,8})?$"));
    return motif.match(nom).hasMatch() || nom == Format::IMAGE_APERCU_LIEN;
}

// Files that earlier templates held and the current one no longer does.
bool etaitDansLeModele(const QString &dansModele)
{
    return dansModele == QLatin1String("/scripts/jquery-1.11.3.min.js");
}

bool suitLeModele(const QString &repertoire, const QString &relatif)
{
    for (const QString &nom : entrees(repertoire)) {
        const QString chemin = repertoire + QLatin1Char('/') + nom;
        const QString dansModele = relatif + QLatin1Char('/') + nom;
        const QFileInfo info(chemin);
        const QFileInfo modele(MODELE + dansModele);
        if (info.isSymLink())
            return false;
        if (relatif.isEmpty() && ChantierSite::estDossierChantier(nom))
            continue;
        if (info.isDir() && modele.isDir()) {
            if (!suitLeModele(chemin, dansModele))
                return false;
        } else if (!(info.isFile()
                       && (modele.isFile() || etaitDansLeModele(dansModele)
                           || (relatif == QLatin1Char('/') + Format::REPERTOIRE_MEDIA
                               && estMediaPublie(nom))))) {
            return false;
        }
    }
    return true;
}

} // namespace

Resultat ManifesteSite::ecrire(QString const &repertoire, QString const &destination)
{
    QByteArray texte = ENTETE + '\n';
    for (const QString &nom : entrees(repertoire)) {
        if (nom != NOM_FICHIER)
            texte += QFile::encodeName(nom) + '\n';
    }
    QFile fichier(repertoire + QLatin1Char('/') + NOM_FICHIER);
    errno = 0;
    if (!fichier.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)
        || fichier.write(texte) != texte.size() || !fichier.flush()) {
        const int erreur = errno != 0 ? errno : EIO;
        fichier.close();
        fichier.remove();
        return Resultat::echec(Resultat::Cause::Repertoire,
            tr("The directory %1 cannot be written: %2.")
                .arg(Resultat::cheminLisible(destination), Resultat::raisonSysteme(erreur)))
            .avecChemin(destination)
            .avecRaison(Resultat::raisonSysteme(erreur));
    }
    fichier.close();
    return Resultat();
}

qint64 ManifesteSite::taille()
{
    initialiserRessources();
    qint64 total = ENTETE.size() + 1;
    QStringList noms = entrees(MODELE);
    noms << Format::FICHIER_RAPPELS;
    for (const QString &nom : noms)
        total += QFile::encodeName(nom).size() + 1;
    return total;
}

bool ManifesteSite::estSiteMarque(QString const &repertoire)
{
    const QString chemin = repertoire + QLatin1Char('/') + NOM_FICHIER;
    const QFileInfo info(chemin);
    if (info.isSymLink() || !info.isFile() || info.size() > TAILLE_MAXIMALE)
        return false;
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        return false;
    const QList<QByteArray> lignes = fichier.read(TAILLE_MAXIMALE).split('\n');
    if (lignes.isEmpty() || lignes.first() != ENTETE)
        return false;
    QSet<QString> noms;
    for (int i = 1; i < lignes.size(); ++i)
        noms.insert(QFile::decodeName(lignes.at(i)));
    for (const QString &nom : entrees(repertoire)) {
        if (nom != NOM_FICHIER && !noms.contains(nom) && !ChantierSite::estDossierChantier(nom))
            return false;
    }
    return true;
}

bool ManifesteSite::estSiteAnterieur(QString const &repertoire)
{
    initialiserRessources();
    // An earlier site always had its page and its calendar script.
    return QFileInfo(repertoire + QStringLiteral("/index.html")).isFile()
        && QFileInfo(repertoire + QStringLiteral("/scripts/calendrier.js")).isFile()
        && suitLeModele(repertoire, QString());
}
