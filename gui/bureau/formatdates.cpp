#include "bureau/formatdates.h"

#include <QRegularExpression>

QString FormatDates::motif(QLocale const &locale, bool annee, bool abrege, bool jourSemaine)
{
    QString motif = locale.dateFormat(QLocale::LongFormat);
    if (!annee) {
        // The year with the separators and words that tie it to the rest (", yyyy",
        // " 'de' yyyy", "yyyy 'г'.", "yyyy. ", the Japanese year sign).
        motif.remove(
            QRegularExpression(QStringLiteral("[,\\s]*(?:'[^']*'\\s*)?y+(?:\\s*'[^']*')?[.\\x{5E74}]?\\s*")));
    }
    if (!jourSemaine)
        motif.remove(QRegularExpression(QStringLiteral("[,\\s]*d{4}[,.]?\\s*")));
    if (abrege) {
        motif.replace(QStringLiteral("dddd"), QStringLiteral("ddd"));
        motif.replace(QStringLiteral("MMMM"), QStringLiteral("MMM"));
    }
    // Quoted literals such as "'de'" stay; a separator left dangling at either end goes.
    motif.remove(QRegularExpression(QStringLiteral("^[,\\s]+|[,\\s]+$")));
    return motif;
}

QString FormatDates::court(QDate const &date, QLocale const &locale)
{
    return locale.toString(date, motif(locale, false, true));
}

QString FormatDates::long_(QDate const &date, QLocale const &locale)
{
    return locale.toString(date, QLocale::LongFormat);
}
