#include "site/instantapercu.h"

#include <QRegularExpression>
#include <QTimeZone>

QDateTime InstantApercu::lire(QString const &texte, QString const &fuseau, QString *erreur)
{
    static const QRegularExpression forme(QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})T(\\d{2}):(\\d{2})$"));
    const QRegularExpressionMatch lu = forme.match(texte.trimmed());
    const QDate date = lu.hasMatch()
        ? QDate(lu.captured(1).toInt(), lu.captured(2).toInt(), lu.captured(3).toInt())
        : QDate();
    const QTime heure = lu.hasMatch() ? QTime(lu.captured(4).toInt(), lu.captured(5).toInt()) : QTime();
    if (!date.isValid() || !heure.isValid()) {
        if (erreur != nullptr)
            *erreur = tr("\"%1\" is not a date and time of the form %2").arg(texte, QLatin1String(FORME));
        return QDateTime();
    }
    // The page counts days by the calendar's zone when it has one the browser knows.
    const QTimeZone zone(fuseau.toUtf8());
    return zone.isValid() ? QDateTime(date, heure, zone) : QDateTime(date, heure, Qt::LocalTime);
}

QString InstantApercu::ligneScript(QDateTime const &instant)
{
    // The page's clock, moved to the moment: `new Date()` and `Date.now()` start there and
    // run on, so the countdown and midnight still come; a date built from parts is untouched.
    return QStringLiteral(
        "(function (Origine, ecart) {\n"
        "    function DateApercu() {\n"
        "        var parties = Array.prototype.slice.call(arguments);\n"
        "        if (!(this instanceof DateApercu)) {\n"
        "            return new Origine(Origine.now() + ecart).toString();\n"
        "        }\n"
        "        if (parties.length === 0) {\n"
        "            return new Origine(Origine.now() + ecart);\n"
        "        }\n"
        "        return new (Function.prototype.bind.apply(Origine, [null].concat(parties)))();\n"
        "    }\n"
        "    DateApercu.prototype = Origine.prototype;\n"
        "    DateApercu.now = function () { return Origine.now() + ecart; };\n"
        "    DateApercu.UTC = Origine.UTC;\n"
        "    DateApercu.parse = Origine.parse;\n"
        "    window.Date = DateApercu;\n"
        "}(Date, %1 - Date.now()));\n")
        .arg(instant.toMSecsSinceEpoch());
}
