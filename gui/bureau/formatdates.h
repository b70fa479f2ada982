#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

/// The window's dates in the user's locale, all from the locale's own long format, so
/// that each language keeps its order and punctuation ("Mo., 1. Dez." in German,
/// "Mon, Dec 1" in American English).
class FormatDates
{
public:
    FormatDates() = delete;

    /// The locale's long date format, without the year when `annee` is false and with
    /// abbreviated day and month names when `abrege` is true; without the weekday when
    /// `jourSemaine` is false.
    static QString motif(QLocale const &locale, bool annee, bool abrege, bool jourSemaine = true);
    /// A tile's date: abbreviated weekday, day and month.
    static QString court(QDate const &date, QLocale const &locale = QLocale());
    /// A date in full, for tooltips and screen readers.
    static QString long_(QDate const &date, QLocale const &locale = QLocale());
};
