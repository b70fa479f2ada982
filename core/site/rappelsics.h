#pragma once

#include "format/format.h"

#include <QByteArray>
#include <QDate>
#include <QLatin1String>
#include <QMap>
#include <QString>

class Calendrier;

/// The site's reminders: an iCalendar file a visitor imports once, one event per day at
/// the day's opening with an alarm in its morning. The file depends only on the calendar
/// and on the run it covers, so two generations give the same bytes.
class RappelsIcs
{
public:
    static constexpr QLatin1String NOM_FICHIER = Format::FICHIER_RAPPELS;
    /// The alarm rings at this hour of the day's local time, not at its midnight opening.
    static constexpr int HEURE_ALARME = 8;

    RappelsIcs() = delete;

    /// The date each day opens on in the calendar's coming run, seen on `aujourdhui`: from
    /// its start date, else in its month (this year's, or next year's once it is over), else
    /// in the month in progress (the next one once its last day has opened). Days that never
    /// open in that run (a 31st in a month of 30 days) have no date.
    static QMap<int, QDate> datesOuverture(Calendrier const &calendrier, QDate const &aujourdhui);
    /// Today in the calendar's time zone, or by the computer's clock without one.
    static QDate aujourdhui(Calendrier const &calendrier);
    /// The file's text (CRLF line ends, lines folded at 75 octets).
    static QByteArray texte(Calendrier const &calendrier, QDate const &aujourdhui);
    /// Writes the file for today's coming run; false when it cannot be written.
    static bool ecrire(QString const &fichier, Calendrier const &calendrier);

    /// `valeur` escaped as an iCalendar text value.
    static QString echapper(QString const &valeur);
    /// `ligne` folded into lines of at most 75 octets, never inside a UTF-8 character.
    static QByteArray plier(QByteArray const &ligne);
};
