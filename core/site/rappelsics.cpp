#include "site/rappelsics.h"

#include "modele/calendrier.h"
#include "site/textespage.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTimeZone>
#include <QUrl>

#include <algorithm>
#include <cstdlib>

namespace {

const char *const RESUME = QT_TRANSLATE_NOOP("Page", "Day {n} is open");

QDate dateDuMois(int annee, int mois, int jour)
{
    // As the page counts: a day past the month's end runs on into the next month (a
    // yearly 29 February start falls on 1 March in other years).
    return QDate(annee, mois, 1).addDays(jour - 1);
}

QString dateLocale(QDateTime const &moment)
{
    return moment.toString(QStringLiteral("yyyyMMdd'T'HHmmss"));
}

QString decalage(int secondes)
{
    const QChar signe = secondes < 0 ? QLatin1Char('-') : QLatin1Char('+');
    secondes = std::abs(secondes);
    QString texte = QStringLiteral("%1%2%3")
                        .arg(signe)
                        .arg(secondes / 3600, 2, 10, QLatin1Char('0'))
                        .arg(secondes / 60 % 60, 2, 10, QLatin1Char('0'));
    if (secondes % 60 != 0)
        texte += QStringLiteral("%1").arg(secondes % 60, 2, 10, QLatin1Char('0'));
    return texte;
}

class Ecriture
{
public:
    void ligne(QString const &texte)
    {
        octets += RappelsIcs::plier(texte.toUtf8());
    }
    QByteArray octets;
};

// The zone's observances over the years the events cover, from its transitions: the one
// in force when the first year begins, then each change.
void ecrireFuseau(Ecriture &sortie, QTimeZone const &zone, int premiereAnnee, int derniereAnnee)
{
    const QDateTime debut(QDate(premiereAnnee, 1, 1), QTime(0, 0), Qt::UTC);
    const QDateTime fin(QDate(derniereAnnee + 1, 1, 1), QTime(0, 0), Qt::UTC);
    QTimeZone::OffsetDataList changements = zone.transitions(debut, fin);
    const QTimeZone::OffsetData precedent = zone.previousTransition(debut);
    if (precedent.atUtc.isValid())
        changements.prepend(precedent);

    sortie.ligne(QStringLiteral("BEGIN:VTIMEZONE"));
    sortie.ligne(QStringLiteral("TZID:") + RappelsIcs::echapper(QString::fromUtf8(zone.id())));
    if (changements.isEmpty()) {
        const int ecart = zone.offsetFromUtc(debut);
        sortie.ligne(QStringLiteral("BEGIN:STANDARD"));
        sortie.ligne(QStringLiteral("DTSTART:19700101T000000"));
        sortie.ligne(QStringLiteral("TZOFFSETFROM:") + decalage(ecart));
        sortie.ligne(QStringLiteral("TZOFFSETTO:") + decalage(ecart));
        sortie.ligne(QStringLiteral("END:STANDARD"));
    }
    for (const QTimeZone::OffsetData &changement : changements) {
        const int avant = zone.offsetFromUtc(changement.atUtc.addSecs(-1));
        const QString genre =
            changement.daylightTimeOffset != 0 ? QStringLiteral("DAYLIGHT") : QStringLiteral("STANDARD");
        sortie.ligne(QStringLiteral("BEGIN:") + genre);
        // The onset in the local time in force before it.
        sortie.ligne(QStringLiteral("DTSTART:") + dateLocale(changement.atUtc.toUTC().addSecs(avant)));
        sortie.ligne(QStringLiteral("TZOFFSETFROM:") + decalage(avant));
        sortie.ligne(QStringLiteral("TZOFFSETTO:") + decalage(changement.offsetFromUtc));
        if (!changement.abbreviation.isEmpty())
            sortie.ligne(QStringLiteral("TZNAME:") + RappelsIcs::echapper(changement.abbreviation));
        sortie.ligne(QStringLiteral("END:") + genre);
    }
    sortie.ligne(QStringLiteral("END:VTIMEZONE"));
}

// Stable from one generation to the next, and apart from another family's calendar of the
// same name when the sites' addresses differ.
QString identifiant(Calendrier const &calendrier, int jour)
{
    const QByteArray graine = calendrier.getNom().toUtf8() + '\n' + calendrier.getOptions().adresse.toUtf8();
    const QByteArray empreinte =
        QCryptographicHash::hash(graine, QCryptographicHash::Sha256).toHex().left(20);
    return QStringLiteral("%1-jour-%2@tinselbox").arg(QString::fromLatin1(empreinte)).arg(jour);
}

QString lienDuJour(QString const &adresse, int jour)
{
    QUrl lien(adresse);
    lien.setFragment(QStringLiteral("jour=%1").arg(jour));
    return lien.toString(QUrl::FullyEncoded);
}

} // namespace

QMap<int, QDate> RappelsIcs::datesOuverture(Calendrier const &calendrier, QDate const &aujourdhui)
{
    QMap<int, QDate> dates;
    const int jours = calendrier.getOptions().jours;
    const QString debut = calendrier.getOptions().debut;

    if (debut.size() == 10) {
        const QDate premier = QDate::fromString(debut, QStringLiteral("yyyy-MM-dd"));
        for (int jour = 1; premier.isValid() && jour <= jours; ++jour)
            dates.insert(jour, premier.addDays(jour - 1));
        return dates;
    }
    if (debut.size() == 5) {
        const int mois = debut.left(2).toInt();
        const int quantieme = debut.right(2).toInt();
        QDate premier = dateDuMois(aujourdhui.year(), mois, quantieme);
        if (premier.addDays(jours - 1) < aujourdhui)
            premier = dateDuMois(aujourdhui.year() + 1, mois, quantieme);
        for (int jour = 1; jour <= jours; ++jour)
            dates.insert(jour, premier.addDays(jour - 1));
        return dates;
    }

    const int moisChoisi = calendrier.getOptions().mois;
    if (moisChoisi != 0) {
        int annee = aujourdhui.year();
        const QDate dernier(annee, moisChoisi, QDate(annee, moisChoisi, 1).daysInMonth());
        if (aujourdhui > dernier)
            ++annee;
        const int longueur = QDate(annee, moisChoisi, 1).daysInMonth();
        for (int jour = 1; jour <= jours; ++jour) {
            if (jour <= longueur)
                dates.insert(jour, QDate(annee, moisChoisi, jour));
            // Past days staying open, a day the month lacks opens with the next month.
            else if (calendrier.getOptions().rattrapage && moisChoisi < 12)
                dates.insert(jour, QDate(annee, moisChoisi + 1, 1));
        }
        return dates;
    }

    // The days of any month: the month in progress until its last day has opened.
    QDate mois(aujourdhui.year(), aujourdhui.month(), 1);
    if (aujourdhui.day() > std::min(jours, mois.daysInMonth()))
        mois = mois.addMonths(1);
    for (int jour = 1; jour <= std::min(jours, mois.daysInMonth()); ++jour)
        dates.insert(jour, QDate(mois.year(), mois.month(), jour));
    return dates;
}

QDate RappelsIcs::aujourdhui(Calendrier const &calendrier)
{
    const QTimeZone zone(calendrier.getOptions().fuseau.toUtf8());
    if (!calendrier.getOptions().fuseau.isEmpty() && zone.isValid())
        return QDateTime::currentDateTimeUtc().toTimeZone(zone).date();
    return QDate::currentDate();
}

QByteArray RappelsIcs::texte(Calendrier const &calendrier, QDate const &aujourdhui)
{
    const QMap<int, QDate> dates = datesOuverture(calendrier, aujourdhui);
    const QString langue = TextesPage::langue(calendrier);
    const QString resume = TextesPage::traduireTexte(RESUME, langue);
    // A zone the computer does not know leaves the times floating, as the page then
    // follows the visitor's clock.
    const QTimeZone zone(calendrier.getOptions().fuseau.toUtf8());
    const bool avecFuseau = !calendrier.getOptions().fuseau.isEmpty() && zone.isValid();

    Ecriture sortie;
    sortie.ligne(QStringLiteral("BEGIN:VCALENDAR"));
    sortie.ligne(QStringLiteral("VERSION:2.0"));
    sortie.ligne(QStringLiteral("PRODID:-//tinselbox//Reminders//EN"));
    sortie.ligne(QStringLiteral("CALSCALE:GREGORIAN"));
    sortie.ligne(QStringLiteral("METHOD:PUBLISH"));
    if (!calendrier.getNom().isEmpty())
        sortie.ligne(QStringLiteral("X-WR-CALNAME:") + echapper(calendrier.getNom()));
    if (dates.isEmpty()) {
        sortie.ligne(QStringLiteral("END:VCALENDAR"));
        return sortie.octets;
    }

    const QDate premiere = *std::min_element(dates.cbegin(), dates.cend());
    const QDate derniere = *std::max_element(dates.cbegin(), dates.cend());
    if (avecFuseau)
        ecrireFuseau(sortie, zone, premiere.year(), derniere.year());
    // Fixed, so that each generation writes the same file: the first covered year's start.
    const QString horodatage =
        QStringLiteral("%1").arg(premiere.year(), 4, 10, QLatin1Char('0')) + QStringLiteral("0101T000000Z");
    const QString parametreFuseau =
        avecFuseau ? QStringLiteral(";TZID=") + QString::fromUtf8(zone.id()) : QString();

    for (auto it = dates.cbegin(); it != dates.cend(); ++it) {
        const int jour = it.key();
        const QString titre = echapper(QString(resume).replace(QStringLiteral("{n}"), QString::number(jour)));
        sortie.ligne(QStringLiteral("BEGIN:VEVENT"));
        sortie.ligne(QStringLiteral("UID:") + identifiant(calendrier, jour));
        sortie.ligne(QStringLiteral("DTSTAMP:") + horodatage);
        const QString jourIcs = it.value().toString(QStringLiteral("yyyyMMdd"));
        sortie.ligne(QStringLiteral("DTSTART") + parametreFuseau + QLatin1Char(':') + jourIcs
            + QStringLiteral("T000000"));
        // The event runs from the opening to the morning, and rings at its end: hours in a
        // trigger are exact, so eight hours after midnight is not eight o'clock on a day the
        // clocks change, while an end is a time of the day in the calendar's zone, or in the
        // phone's own when the times float.
        sortie.ligne(QStringLiteral("DTEND") + parametreFuseau + QLatin1Char(':') + jourIcs
            + QStringLiteral("T%1").arg(HEURE_ALARME * 10000, 6, 10, QLatin1Char('0')));
        sortie.ligne(QStringLiteral("SUMMARY:") + titre);
        if (!calendrier.getOptions().adresse.isEmpty()) {
            const QString lien = lienDuJour(calendrier.getOptions().adresse, jour);
            sortie.ligne(QStringLiteral("URL:") + lien);
            sortie.ligne(QStringLiteral("DESCRIPTION:") + echapper(lien));
        }
        sortie.ligne(QStringLiteral("TRANSP:TRANSPARENT"));
        sortie.ligne(QStringLiteral("BEGIN:VALARM"));
        sortie.ligne(QStringLiteral("ACTION:DISPLAY"));
        sortie.ligne(QStringLiteral("DESCRIPTION:") + titre);
        sortie.ligne(QStringLiteral("TRIGGER;RELATED=END:PT0S"));
        sortie.ligne(QStringLiteral("END:VALARM"));
        sortie.ligne(QStringLiteral("END:VEVENT"));
    }
    sortie.ligne(QStringLiteral("END:VCALENDAR"));
    return sortie.octets;
}

bool RappelsIcs::ecrire(QString const &fichier, Calendrier const &calendrier)
{
    QSaveFile sortie(fichier);
    if (!sortie.open(QIODevice::WriteOnly))
        return false;
    sortie.write(texte(calendrier, aujourdhui(calendrier)));
    return sortie.commit();
}

QString RappelsIcs::echapper(QString const &valeur)
{
    QString texte;
    texte.reserve(valeur.size());
    for (const QChar c : valeur) {
        if (c == QLatin1Char('\\') || c == QLatin1Char(';') || c == QLatin1Char(','))
            texte += QLatin1Char('\\') + c;
        else if (c == QLatin1Char('\n'))
            texte += QStringLiteral("\\n");
        else if (c == QLatin1Char('\r'))
            continue;
        // Other control characters are not allowed in a text value.
        else if (c.unicode() < 0x20 && c != QLatin1Char('\t'))
            texte += QLatin1Char(' ');
        else
            texte += c;
    }
    return texte;
}

QByteArray RappelsIcs::plier(QByteArray const &ligne)
{
    QByteArray resultat;
    int debut = 0;
    int limite = 75;
    while (ligne.size() - debut > limite) {
        int coupe = debut + limite;
        // Never between a UTF-8 lead byte and its continuation bytes.
        while (coupe > debut && (uchar(ligne.at(coupe)) & 0xC0) == 0x80)
            --coupe;
        resultat += ligne.mid(debut, coupe - debut) + "\r\n ";
        debut = coupe;
        // A continuation line's leading space counts among its 75 octets.
        limite = 74;
    }
    return resultat + ligne.mid(debut) + "\r\n";
}
