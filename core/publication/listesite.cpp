#include "publication/listesite.h"

#include "format/empreintefichier.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QByteArray ENTETE = QByteArrayLiteral("tinselbox list 1");

// A path the list can carry on one line and a server can take: no control character, no
// empty, "." or ".." segment.
bool estCheminAdmis(QString const &chemin)
{
    if (chemin.isEmpty())
        return false;
    for (const QChar c : chemin) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return false;
    }
    for (const QString &segment : chemin.split(QLatin1Char('/'))) {
        if (segment.isEmpty() || segment == QLatin1String(".") || segment == QLatin1String(".."))
            return false;
    }
    return true;
}

Resultat parcourir(QString const &racine, QString const &relatif, ListeSite *liste)
{
    const QDir dossier(relatif.isEmpty() ? racine : racine + QLatin1Char('/') + relatif);
    const QFileInfoList infos = dossier.entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &info : infos) {
        const QString chemin =
            relatif.isEmpty() ? info.fileName() : relatif + QLatin1Char('/') + info.fileName();
        if (!info.isSymLink() && info.isDir()) {
            const Resultat resultat = parcourir(racine, chemin, liste);
            if (!resultat)
                return resultat;
            continue;
        }
        if (info.isSymLink() || !info.isFile() || !estCheminAdmis(chemin))
            return Resultat::echec(Resultat::Cause::Introuvable,
                ListeSite::tr("%1 is not a regular file: a site holds only files and folders.")
                    .arg(Resultat::cheminLisible(info.filePath())))
                .avecChemin(info.filePath());
        QFile fichier(info.filePath());
        QByteArray empreinte;
        if (!fichier.open(QIODevice::ReadOnly) || !EmpreinteFichier::sha256(&fichier, &empreinte))
            return Resultat::echec(Resultat::Cause::FichierInaccessible,
                ListeSite::tr("%1 cannot be read: %2.")
                    .arg(Resultat::cheminLisible(info.filePath()), fichier.errorString()))
                .avecChemin(info.filePath())
                .avecRaison(fichier.errorString());
        liste->inserer(chemin, {fichier.size(), empreinte});
    }
    return Resultat();
}

} // namespace

Resultat ListeSite::calculer(QString const &repertoire, ListeSite *liste)
{
    *liste = ListeSite();
    return parcourir(repertoire, QString(), liste);
}

bool ListeSite::lire(QByteArray const &texte, ListeSite *liste)
{
    *liste = ListeSite();
    QList<QByteArray> lignes = texte.split('\n');
    // Every line ends with a line feed, the last one too.
    if (lignes.size() < 2 || lignes.first() != ENTETE || !lignes.last().isEmpty())
        return false;
    lignes.removeLast();
    ListeSite lue;
    for (int i = 1; i < lignes.size(); ++i) {
        const QByteArray &ligne = lignes.at(i);
        const int premier = ligne.indexOf(' ');
        const int second = ligne.indexOf(' ', premier + 1);
        if (premier < 0 || second < 0)
            return false;
        const QByteArray empreinte = ligne.left(premier);
        const QByteArray taille = ligne.mid(premier + 1, second - premier - 1);
        const QString chemin = QString::fromUtf8(ligne.mid(second + 1));
        bool nombre = false;
        const qint64 octets = taille.toLongLong(&nombre);
        const bool empreinteLue = empreinte == "-"
            || (empreinte.size() == 64 && std::all_of(empreinte.cbegin(), empreinte.cend(), [](char c) {
                   return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
               }));
        if (!nombre || octets < 0 || taille.startsWith('+') || !empreinteLue || !estCheminAdmis(chemin)
            || chemin.toUtf8() != ligne.mid(second + 1) || lue.contient(chemin))
            return false;
        lue.inserer(chemin, {octets, empreinte == "-" ? QByteArray() : empreinte});
    }
    *liste = lue;
    return true;
}

QByteArray ListeSite::texte() const
{
    QByteArray resultat = ENTETE + '\n';
    for (auto it = liste.cbegin(); it != liste.cend(); ++it) {
        resultat += (it->empreinte.isEmpty() ? QByteArray("-") : it->empreinte) + ' '
            + QByteArray::number(it->taille) + ' ' + it.key().toUtf8() + '\n';
    }
    return resultat;
}

QMap<QString, ListeSite::Entree> const &ListeSite::entrees() const
{
    return liste;
}

void ListeSite::inserer(QString const &chemin, Entree const &entree)
{
    liste.insert(chemin, entree);
}

bool ListeSite::contient(QString const &chemin) const
{
    return liste.contains(chemin);
}

ListeSite::Entree ListeSite::entree(QString const &chemin) const
{
    return liste.value(chemin);
}
