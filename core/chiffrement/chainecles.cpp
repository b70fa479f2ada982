#include "chiffrement/chainecles.h"

#include "chiffrement/chiffrement.h"
#include "modele/calendrier.h"
#include "modele/datesjours.h"
#include "modele/optionscalendrier.h"
#include "secrets/secrets.h"

#include <QCryptographicHash>
#include <QStringList>
#include <QTimeZone>

#include <algorithm>
#include <cstring>

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
    // A run is named by its first day: two runs never share a chain, even of two calendars
    // kept under one name (last year's and this year's, November's and December's).
    Position position;
    const int longueur = options.jours;
    QDate premier;
    int jour = 0;
    if (!options.debut.isEmpty()) {
        // Once, or every year: the run under way, else the coming one.
        premier = DatesJours::premierJour(options.debut, longueur, aujourdhui);
        jour = int(premier.daysTo(aujourdhui)) + 1;
    } else if (options.mois != 0) {
        // One month of each year: before it, in it, or past it.
        premier = QDate(aujourdhui.year(), options.mois, 1);
        jour = aujourdhui.month() < options.mois ? 0
            : aujourdhui.month() > options.mois  ? longueur
                                                 : aujourdhui.day();
    } else {
        // The days of any month: every month is a run.
        premier = QDate(aujourdhui.year(), aujourdhui.month(), 1);
        jour = aujourdhui.day();
    }
    position.tour = premier.toString(Qt::ISODate);
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
    return Secrets::repertoire() + QStringLiteral("/chaines/") + QString::fromLatin1(nom);
}

Resultat ChaineCles::secret(Calendrier const &calendrier, bool creer, QByteArray *secret, bool *nouveau)
{
    secret->clear();
    if (nouveau != nullptr)
        *nouveau = false;
    const QString fichier = chemin(calendrier);
    QByteArray lu;
    bool absent = false;
    const Resultat lecture = Secrets::lireDonnees(fichier, &lu, &absent, TAILLE_SECRET + 1);
    if (!lecture)
        return lecture;
    if (!absent) {
        if (lu.size() != TAILLE_SECRET)
            return Resultat::echec(Resultat::Cause::FichierInaccessible,
                tr("The calendar's key chain %1 is damaged: give its recovery code, or remove the file to "
                   "start a new chain.")
                    .arg(Resultat::cheminLisible(fichier)))
                .avecChemin(fichier);
        *secret = lu;
        return Resultat();
    }
    if (!creer)
        return Resultat();
    const QByteArray neuf = Chiffrement::aleatoire(TAILLE_SECRET);
    if (neuf.isEmpty())
        return Resultat::echec(
            Resultat::Cause::FichierInaccessible, tr("This computer gives no random bytes for a key chain."));
    const Resultat garde = Secrets::creerDonnees(fichier, neuf);
    if (!garde)
        return garde;
    *secret = neuf;
    if (nouveau != nullptr)
        *nouveau = true;
    return Resultat();
}

Resultat ChaineCles::emporter(Calendrier const &avant, Calendrier const &apres)
{
    const QString vers = chemin(apres);
    if (!apres.getOptions().verrou || vers == chemin(avant))
        return Resultat();
    QByteArray present;
    bool absent = false;
    Resultat garde = Secrets::lireDonnees(vers, &present, &absent, TAILLE_SECRET + 1);
    if (garde && !absent)
        return Resultat();
    QByteArray ancien;
    const Resultat source = secret(avant, false, &ancien, nullptr);
    if (!source || ancien.isEmpty())
        return source;
    // Created only if absent: a chain made meanwhile under the new name is not replaced.
    if (garde)
        garde = Secrets::creerDonnees(vers, ancien);
    if (!garde)
        return Resultat::echec(garde.getCause(),
            tr("This calendar's key chain cannot follow its new name or publishing address. %1\n\n"
               "The next generation would start a new chain, and every day's key would change. To go on "
               "with the same keys, type this recovery code in Options once this is mended:\n\n%2")
                .arg(garde.getMessage(), codeSecours(ancien)))
            .avecChemin(vers);
    return Resultat();
}

Resultat ChaineCles::garder(Calendrier const &calendrier, QByteArray const &secret)
{
    if (secret.size() != TAILLE_SECRET)
        return Resultat::echec(
            Resultat::Cause::FichierInaccessible, tr("This is not a recovery code, or it is mistyped."));
    return Secrets::remplacerDonnees(chemin(calendrier), secret);
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
