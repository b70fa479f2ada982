#pragma once

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <QStringList>

/// The whole content of a file, empty when it cannot be read.
inline QByteArray lire(const QString &chemin)
{
    QFile fichier(chemin);
    return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray();
}

/// Writes `contenu` as the whole file, creating its directory first.
inline bool ecrire(const QString &chemin, const QByteArray &contenu)
{
    QDir().mkpath(QFileInfo(chemin).absolutePath());
    QFile fichier(chemin);
    return fichier.open(QIODevice::WriteOnly | QIODevice::Truncate)
        && fichier.write(contenu) == contenu.size();
}

/// Bytes a generation takes for a sound (an ID3 tag first) but that no prober can play:
/// published as they are, under "mp3", and told apart by `contenu`.
inline QByteArray sonFactice(const QByteArray &contenu)
{
    return QByteArray("ID3\x04\0\0\0\0\0\0", 10) + contenu;
}

/// The lines of a text file, without the empty one after its last line feed.
inline QStringList lignes(const QString &chemin)
{
    QString texte = QString::fromUtf8(lire(chemin));
    if (texte.endsWith(QLatin1Char('\n')))
        texte.chop(1);
    return texte.split(QLatin1Char('\n'));
}

/// Every file under `racine` (hidden ones too), by relative path, with its content:
/// comparing two of these shows that nothing was added, lost or changed.
inline QMap<QString, QByteArray> arborescence(const QString &racine)
{
    QMap<QString, QByteArray> fichiers;
    QDirIterator it(racine, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString chemin = it.next();
        fichiers.insert(chemin.mid(racine.size() + 1), lire(chemin));
    }
    return fichiers;
}

/// The media files stored in a generated site, by name.
inline QStringList fichiersMedia(const QString &site)
{
    // A day's file is named by its identifier, 32 hexadecimal digits, and what it holds.
    return QDir(site + QStringLiteral("/data"))
        .entryList(QDir::Files, QDir::Name)
        .filter(QRegularExpression(QStringLiteral("^[0-9a-f]{32}\\.")));
}

/// Removes everything inside `repertoire` (links themselves, not what they point to).
inline void viderRepertoire(const QString &repertoire)
{
    QDir dossier(repertoire);
    for (const QString &entree :
        dossier.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        const QFileInfo info(dossier.filePath(entree));
        if (info.isDir() && !info.isSymLink())
            QDir(info.filePath()).removeRecursively();
        else
            QFile::remove(info.filePath());
    }
}

/// Staging folders of a generation into `sortie` still on disk, beside it or inside it:
/// a finished run, whatever its outcome, leaves none.
inline QStringList chantiersRestants(const QString &sortie)
{
    const QFileInfo info(sortie);
    QStringList restants;
    const QStringList filtre{QStringLiteral(".*tinselbox-*")};
    for (const QString &repertoire : {info.absolutePath(), info.absoluteFilePath()}) {
        for (const QString &nom : QDir(repertoire).entryList(filtre, QDir::AllEntries | QDir::Hidden))
            restants << repertoire + QLatin1Char('/') + nom;
    }
    return restants;
}
