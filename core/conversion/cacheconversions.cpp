#include "conversion/cacheconversions.h"

#include "format/ecriturefichier.h"
#include "format/empreintefichier.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::atomic<qint64> limiteCourante{CacheConversions::LIMITE};

QMutex &verrouRangement()
{
    static QMutex verrou;
    return verrou;
}

QString hacher(const QByteArray &octets)
{
    return QString::fromLatin1(QCryptographicHash::hash(octets, QCryptographicHash::Sha256).toHex());
}

bool ecrireAtomiquement(const QString &chemin, const QByteArray &contenu)
{
    QSaveFile fichier(chemin);
    return fichier.open(QIODevice::WriteOnly) && fichier.write(contenu) == contenu.size() && fichier.commit();
}

QByteArray lire(const QString &chemin)
{
    QFile fichier(chemin);
    return fichier.open(QIODevice::ReadOnly) ? fichier.read(4096) : QByteArray();
}

// What identifies an unchanged file without reading it.
QString signature(const QFileInfo &info)
{
    return QStringLiteral("%1 %2").arg(info.size()).arg(info.lastModified().toMSecsSinceEpoch());
}

// A folder of this user's alone under the temporary directory: made with no access for
// others, and used only if it is a real folder of ours (not a link another user planted).
QString dossierTemporaireParUtilisateur()
{
    const QString base = QDir::temp().filePath(QStringLiteral("tinselbox-cache-%1").arg(::getuid()));
    for (int essai = 0; essai < 100; ++essai) {
        const QString chemin = essai == 0 ? base : base + QStringLiteral("-%1").arg(essai);
        const QByteArray natif = QFile::encodeName(chemin);
        ::mkdir(natif.constData(), 0700);
        struct stat infos;
        if (::lstat(natif.constData(), &infos) == 0 && S_ISDIR(infos.st_mode) && infos.st_uid == ::getuid()
            && (infos.st_mode & 077) == 0)
            return chemin;
    }
    return base;
}

// Without a home folder (a service account, some scheduled jobs) the usual place would be
// at the root of the disk; the temporary directory takes its place, said once.
QString racineParDefaut()
{
    const QString xdg = QFile::decodeName(qgetenv("XDG_CACHE_HOME"));
    const QString maison = QFile::decodeName(qgetenv("HOME"));
    if ((!xdg.isEmpty() && QDir::isAbsolutePath(xdg))
        || (QDir::isAbsolutePath(maison) && QDir::cleanPath(maison) != QLatin1String("/")
            && QFileInfo(maison).isDir() && QFileInfo(maison).isWritable())) {
        const QString standard = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
        // A program run without an application name (a test, a tool) still gets a folder of its own.
        return standard.isEmpty() ? QDir::temp().filePath(QStringLiteral("tinselbox-cache")) : standard;
    }
    static const QString repli = dossierTemporaireParUtilisateur();
    static std::once_flag avis;
    std::call_once(avis, [] {
        std::fprintf(stderr, "%s\n",
            qPrintable(QCoreApplication::translate("CacheConversions",
                "tinselbox: there is no home folder to keep converted media in; they are kept in %1.")
                           .arg(repli)));
    });
    return repli;
}

} // namespace

CacheConversions::CacheConversions(QString repertoireChoisi) : repertoire(std::move(repertoireChoisi))
{
    if (repertoire.isEmpty())
        repertoire = QDir(racineParDefaut()).filePath(QStringLiteral("conversions"));
    QDir().mkpath(QDir(repertoire).filePath(QStringLiteral("sources")));
    QDir().mkpath(QDir(repertoire).filePath(QStringLiteral("brouillons")));
}

QString CacheConversions::getRepertoire() const
{
    return repertoire;
}

QString CacheConversions::cheminSource(QString const &source) const
{
    const QString absolu = QFileInfo(source).absoluteFilePath();
    return QDir(repertoire).filePath(QStringLiteral("sources/") + hacher(absolu.toUtf8()).left(32));
}

QString CacheConversions::cheminDescription(QString const &cle) const
{
    return QDir(repertoire).filePath(cle + QStringLiteral(".desc"));
}

QString CacheConversions::empreinte(QString const &source, QString const &reglages)
{
    return hacher((source + QLatin1Char('\n') + reglages).toUtf8()).left(40);
}

bool CacheConversions::cleConnue(QString const &source, QString const &reglages, QString *cle) const
{
    const QFileInfo info(source);
    const QList<QByteArray> lignes = lire(cheminSource(source)).split('\n');
    if (!info.isFile() || lignes.size() < 3 || QString::fromUtf8(lignes.at(0)) != info.absoluteFilePath()
        || QString::fromLatin1(lignes.at(1)) != signature(info))
        return false;
    *cle = empreinte(QString::fromLatin1(lignes.at(2)), reglages);
    return true;
}

bool CacheConversions::cle(QString const &source, QString const &reglages, QString *resultat)
{
    if (cleConnue(source, reglages, resultat))
        return true;
    const QFileInfo info(source);
    QFile fichier(source);
    if (!info.isFile() || !fichier.open(QIODevice::ReadOnly))
        return false;
    QByteArray empreinteSource;
    if (!EmpreinteFichier::sha256(&fichier, &empreinteSource))
        return false;
    const QString contenu = QString::fromLatin1(empreinteSource);
    // Kept only if the file did not change while it was read.
    if (signature(QFileInfo(source)) == signature(info))
        ecrireAtomiquement(cheminSource(source),
            info.absoluteFilePath().toUtf8() + '\n' + signature(info).toLatin1() + '\n' + contenu.toLatin1()
                + '\n');
    *resultat = empreinte(contenu, reglages);
    return true;
}

bool CacheConversions::trouver(QString const &cle, QString *fichier, QString *extension, bool verifier) const
{
    const QList<QByteArray> lignes = lire(cheminDescription(cle)).split('\n');
    if (lignes.size() < 2 || lignes.at(0).isEmpty())
        return false;
    *extension = QString::fromLatin1(lignes.at(0));
    fichier->clear();
    if (lignes.at(1) == "1") {
        const QString stocke = QDir(repertoire).filePath(cle + QLatin1Char('.') + *extension);
        QFile donnees(stocke);
        // An entry that does not hold what it recorded (cut short, replaced, of an earlier
        // version that recorded nothing) is dropped: the source is converted again.
        bool conforme = lignes.size() >= 4 && donnees.size() == lignes.at(2).toLongLong()
            && donnees.open(QIODevice::ReadOnly);
        QByteArray empreinte;
        if (conforme && verifier)
            conforme = EmpreinteFichier::sha256(&donnees, &empreinte) && empreinte == lignes.at(3);
        donnees.close();
        if (!conforme) {
            QMutexLocker verrou(&verrouRangement());
            QFile::remove(cheminDescription(cle));
            QFile::remove(stocke);
            return false;
        }
        // The time of last use decides what goes first when the cache is full.
        if (donnees.open(QIODevice::ReadWrite))
            donnees.setFileTime(QDateTime::currentDateTimeUtc(), QFileDevice::FileModificationTime);
        *fichier = stocke;
    }
    return true;
}

QString CacheConversions::brouillon(QString const &cle) const
{
    // One name per run: two programs may convert the same source at once.
    static std::atomic<int> compteur{0};
    return QDir(repertoire)
        .filePath(QStringLiteral("brouillons/%1-%2-%3")
                      .arg(cle)
                      .arg(QCoreApplication::applicationPid())
                      .arg(++compteur));
}

Resultat CacheConversions::ranger(
    QString const &cle, QString const &produit, QString const &extension, QString *fichier)
{
    QMutexLocker verrou(&verrouRangement());
    fichier->clear();
    QByteArray description = extension.toLatin1() + '\n' + (produit.isEmpty() ? "0" : "1") + '\n';
    if (!produit.isEmpty()) {
        // What the entry holds, checked at each use.
        QFile brouillon(produit);
        QByteArray empreinte;
        if (!brouillon.open(QIODevice::ReadOnly) || !EmpreinteFichier::sha256(&brouillon, &empreinte)) {
            const QString raison = brouillon.errorString();
            QFile::remove(produit);
            return Resultat::echec(Resultat::Cause::Conversion,
                tr("The converted file cannot be read in %1: %2.")
                    .arg(Resultat::cheminLisible(repertoire), raison))
                .avecChemin(repertoire)
                .avecRaison(raison);
        }
        description += QByteArray::number(brouillon.size()) + '\n' + empreinte + '\n';
        brouillon.close();
        // Written under a name of its own and renamed into place: never half there.
        *fichier = QDir(repertoire).filePath(cle + QLatin1Char('.') + extension);
        QFile::remove(*fichier);
        if (!brouillon.rename(*fichier)) {
            const QString raison = brouillon.errorString();
            QFile::remove(produit);
            fichier->clear();
            return Resultat::echec(Resultat::Cause::Conversion,
                tr("The converted file cannot be kept in %1: %2.")
                    .arg(Resultat::cheminLisible(repertoire), raison))
                .avecChemin(repertoire)
                .avecRaison(raison);
        }
    }
    const Resultat ecrit = EcritureFichier::remplacer(cheminDescription(cle), description);
    if (!ecrit) {
        if (!fichier->isEmpty())
            QFile::remove(*fichier);
        fichier->clear();
        return Resultat::echec(Resultat::Cause::Conversion,
            tr("The cache directory %1 cannot be written: %2.")
                .arg(Resultat::cheminLisible(repertoire), ecrit.getRaison()))
            .avecChemin(repertoire)
            .avecRaison(ecrit.getRaison());
    }
    verrou.unlock();
    limiter(limiteCourante, *fichier);
    return Resultat();
}

void CacheConversions::limiter(qint64 limite, QString const &garder)
{
    QMutexLocker verrou(&verrouRangement());
    QFileInfoList entrees = QDir(repertoire).entryInfoList(QDir::Files, QDir::Time | QDir::Reversed);
    qint64 total = 0;
    for (const QFileInfo &entree : entrees)
        total += entree.size();
    for (const QFileInfo &entree : entrees) {
        if (total <= limite)
            break;
        if (entree.suffix() == QLatin1String("desc") || entree.filePath() == garder)
            continue;
        // The description goes with its file, so the entry is gone as a whole.
        QFile::remove(cheminDescription(entree.completeBaseName()));
        if (QFile::remove(entree.filePath()))
            total -= entree.size();
    }
}

void CacheConversions::setLimite(qint64 limite)
{
    limiteCourante = limite;
}
