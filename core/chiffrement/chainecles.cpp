#include "chiffrement/chainecles.h"

#include "chiffrement/chiffrement.h"
#include "modele/calendrier.h"
#include "modele/datesjours.h"
#include "modele/optionscalendrier.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>
#include <QTimeZone>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray ETIQUETTE_CHAINE("tinselbox/chaine/1");
const QByteArray ETIQUETTE_CONTENU("tinselbox/jour/1");
const QByteArray ETIQUETTE_NOM("tinselbox/nom-chaine/1");
const char ALPHABET[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ234567";
constexpr int TAILLE_CONTROLE = 2;

QByteArray controle(QByteArray const &secret)
{
    return QCryptographicHash::hash(ETIQUETTE_CHAINE + secret, QCryptographicHash::Sha256)
        .left(TAILLE_CONTROLE);
}

} // namespace

ChaineCles::Position ChaineCles::position(OptionsCalendrier const &options, QDate const &aujourdhui)
{
    Position position;
    const int longueur = options.jours;
    int jour = 0;
    if (options.debut.size() == 10) {
        // Once: the run is the calendar itself.
        jour = int(QDate::fromString(options.debut, QStringLiteral("yyyy-MM-dd")).daysTo(aujourdhui)) + 1;
    } else if (options.debut.size() == 5) {
        // Every year: the run under way, else the coming one, named by its first day's year.
        const QDate premier = DatesJours::premierJour(options.debut, longueur, aujourdhui);
        position.tour = QString::number(premier.year());
        jour = int(premier.daysTo(aujourdhui)) + 1;
    } else if (options.mois != 0) {
        // One month of each year: before it, in it, or past it.
        position.tour = QString::number(aujourdhui.year());
        jour = aujourdhui.month() < options.mois ? 0
            : aujourdhui.month() > options.mois  ? longueur
                                                 : aujourdhui.day();
    } else {
        // The days of any month: every month is a run.
        position.tour = aujourdhui.toString(QStringLiteral("yyyy-MM"));
        jour = aujourdhui.day();
    }
    position.jour = std::max(0, std::min(jour, longueur));
    return position;
}

QDateTime ChaineCles::maintenant()
{
    const QByteArray impose = qgetenv("TINSELBOX_MAINTENANT");
    const QDateTime instant = QDateTime::fromString(QString::fromLatin1(impose), Qt::ISODate);
    return instant.isValid() ? instant : QDateTime::currentDateTimeUtc();
}

QDate ChaineCles::dateDansFuseau(OptionsCalendrier const &options, QDateTime const &instant)
{
    const QTimeZone zone(options.fuseau.toUtf8());
    if (!options.fuseau.isEmpty() && zone.isValid())
        return instant.toTimeZone(zone).date();
    return instant.toLocalTime().date();
}

QByteArray ChaineCles::cleDernierJour(QByteArray const &secret, QString const &tour, int longueur)
{
    return Chiffrement::hkdf(secret, QByteArray(),
        ETIQUETTE_CHAINE + '\0' + tour.toLatin1() + '\0' + QByteArray::number(longueur),
        Chiffrement::TAILLE_CLE);
}

QByteArray ChaineCles::cleJour(QByteArray const &cle, int depuis, int jour)
{
    QByteArray resultat = cle;
    for (int d = depuis; d > jour; --d)
        resultat = QCryptographicHash::hash(resultat, QCryptographicHash::Sha256);
    return resultat;
}

QByteArray ChaineCles::cleContenu(QByteArray const &cleJour)
{
    return Chiffrement::hkdf(cleJour, QByteArray(), ETIQUETTE_CONTENU, Chiffrement::TAILLE_CLE);
}

QString ChaineCles::chemin(Calendrier const &calendrier)
{
    // The name and the publishing address tell calendars apart; neither is secret.
    const QByteArray nom = QCryptographicHash::hash(ETIQUETTE_NOM + '\0' + calendrier.getNom().toUtf8() + '\0'
            + calendrier.getOptions().publication.toUtf8(),
        QCryptographicHash::Sha256)
                               .toHex()
                               .left(32);
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/tinselbox/chaines/") + QString::fromLatin1(nom);
}

Resultat ChaineCles::secret(Calendrier const &calendrier, bool creer, QByteArray *secret, bool *nouveau)
{
    secret->clear();
    if (nouveau != nullptr)
        *nouveau = false;
    const QString fichier = chemin(calendrier);
    const QByteArray local = QFile::encodeName(fichier);
    const int lecture = ::open(local.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (lecture >= 0) {
        struct stat infos;
        QByteArray lu(TAILLE_SECRET + 1, Qt::Uninitialized);
        const bool prive = ::fstat(lecture, &infos) == 0 && S_ISREG(infos.st_mode)
            && infos.st_uid == ::geteuid() && (infos.st_mode & 077) == 0;
        const ssize_t taille = prive ? ::read(lecture, lu.data(), size_t(lu.size())) : -1;
        ::close(lecture);
        if (!prive)
            return Resultat::echec(Resultat::Cause::FichierInaccessible,
                tr("The calendar's key chain %1 may be read by others than you; it is not used.")
                    .arg(Resultat::cheminLisible(fichier)))
                .avecChemin(fichier);
        if (taille != TAILLE_SECRET)
            return Resultat::echec(Resultat::Cause::FichierInaccessible,
                tr("The calendar's key chain %1 is damaged: give its recovery code, or remove the file to "
                   "start a new chain.")
                    .arg(Resultat::cheminLisible(fichier)))
                .avecChemin(fichier);
        *secret = lu.left(TAILLE_SECRET);
        return Resultat();
    }
    if (errno != ENOENT)
        return Resultat::echec(Resultat::Cause::FichierInaccessible,
            tr("The calendar's key chain %1 cannot be read: %2.")
                .arg(Resultat::cheminLisible(fichier), Resultat::raisonSysteme(errno)))
            .avecChemin(fichier);
    if (!creer)
        return Resultat();
    const QByteArray neuf = Chiffrement::aleatoire(TAILLE_SECRET);
    if (neuf.isEmpty())
        return Resultat::echec(
            Resultat::Cause::FichierInaccessible, tr("This computer gives no random bytes for a key chain."));
    const Resultat garde = garder(calendrier, neuf);
    if (!garde)
        return garde;
    *secret = neuf;
    if (nouveau != nullptr)
        *nouveau = true;
    return Resultat();
}

Resultat ChaineCles::garder(Calendrier const &calendrier, QByteArray const &secret)
{
    const QString fichier = chemin(calendrier);
    const QString dossier = QFileInfo(fichier).path();
    const QByteArray provisoire = QFile::encodeName(fichier + QStringLiteral(".nouveau"));
    int erreur = 0;
    int sortie = -1;
    if (secret.size() != TAILLE_SECRET)
        erreur = EINVAL;
    else if (!QDir().mkpath(dossier) || ::chmod(QFile::encodeName(dossier).constData(), 0700) != 0)
        erreur = errno != 0 ? errno : EACCES;
    else {
        ::unlink(provisoire.constData());
        sortie = ::open(provisoire.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (sortie < 0)
            erreur = errno;
    }
    // Written aside, then renamed over the old one: a crash never leaves half a secret.
    if (sortie >= 0
        && (::write(sortie, secret.constData(), size_t(secret.size())) != secret.size()
            || ::fsync(sortie) != 0))
        erreur = errno != 0 ? errno : EIO;
    if (sortie >= 0 && ::close(sortie) != 0 && erreur == 0)
        erreur = errno;
    if (erreur == 0 && ::rename(provisoire.constData(), QFile::encodeName(fichier).constData()) != 0)
        erreur = errno;
    if (erreur != 0) {
        ::unlink(provisoire.constData());
        return Resultat::echec(Resultat::Cause::FichierInaccessible,
            tr("The calendar's key chain cannot be kept in %1: %2.")
                .arg(Resultat::cheminLisible(dossier), Resultat::raisonSysteme(erreur)))
            .avecChemin(dossier);
    }
    return Resultat();
}

QString ChaineCles::codeSecours(QByteArray const &secret)
{
    const QByteArray octets = secret + controle(secret);
    QString code;
    quint32 tampon = 0;
    int bits = 0;
    for (const char octet : octets) {
        tampon = (tampon << 8) | quint8(octet);
        bits += 8;
        while (bits >= 5) {
            code += QLatin1Char(ALPHABET[(tampon >> (bits - 5)) & 31]);
            bits -= 5;
        }
    }
    if (bits > 0)
        code += QLatin1Char(ALPHABET[(tampon << (5 - bits)) & 31]);
    QStringList groupes;
    for (int i = 0; i < code.size(); i += 5)
        groupes << code.mid(i, 5);
    return groupes.join(QLatin1Char('-'));
}

QByteArray ChaineCles::lireCodeSecours(QString const &code)
{
    QByteArray octets;
    quint32 tampon = 0;
    int bits = 0;
    for (const QChar caractere : code.toUpper()) {
        if (caractere.isSpace() || caractere == QLatin1Char('-'))
            continue;
        const char *trouve =
            caractere.unicode() < 128 ? std::strchr(ALPHABET, char(caractere.unicode())) : nullptr;
        if (trouve == nullptr || *trouve == '\0')
            return QByteArray();
        tampon = (tampon << 5) | quint32(trouve - ALPHABET);
        bits += 5;
        if (bits >= 8) {
            octets += char((tampon >> (bits - 8)) & 255);
            bits -= 8;
        }
    }
    if (octets.size() != TAILLE_SECRET + TAILLE_CONTROLE)
        return QByteArray();
    const QByteArray secret = octets.left(TAILLE_SECRET);
    return controle(secret) == octets.right(TAILLE_CONTROLE) ? secret : QByteArray();
}
