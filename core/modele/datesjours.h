#pragma once

#include <QDate>
#include <QString>

class Calendrier;

/// Which date each day of a calendar falls on, as its page decides which balls open.
class DatesJours
{
public:
    DatesJours() = delete;

    /// The date of day 1 of a calendar that starts on `debut` ("YYYY-MM-DD" once, "MM-DD"
    /// every year) and lasts `jours` days, seen on `aujourdhui`: a yearly calendar shows the
    /// run under way, else the coming one. Invalid for a calendar of the days of the month.
    static QDate premierJour(QString const &debut, int jours, QDate const &aujourdhui);
    /// Today in the calendar's time zone, or by this computer's clock without one.
    static QDate aujourdhui(Calendrier const &calendrier);
    /// The day (1 to its length) that opens on `date` by itself, or 0: the day of the
    /// period, or the day of the month in the calendar's month when it has one.
    static int jourDu(Calendrier const &calendrier, QDate const &date);
};
