#include "modele/datesjours.h"

#include "modele/calendrier.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QTimeZone>

namespace {

// A 29 February start falls on 1 March in other years, as on the page.
QDate dateAnnuelle(int annee, int mois, int jour)
{
    const QDate date(annee, mois, 1);
    return date.addDays(jour - 1);
}

} // namespace

QDate DatesJours::premierJour(QString const &debut, int jours, QDate const &aujourdhui)
{
    static const QRegularExpression forme(QStringLiteral("^(?:(\\d{4})-)?(\\d{2})-(\\d{2})$"));
    const QRegularExpressionMatch lu = forme.match(debut);
    if (!lu.hasMatch())
        return QDate();
    const int mois = lu.captured(2).toInt();
    const int jour = lu.captured(3).toInt();
    if (mois < 1 || mois > 12 || jour < 1 || jour > 31)
        return QDate();
    if (!lu.captured(1).isEmpty())
        return dateAnnuelle(lu.captured(1).toInt(), mois, jour);
    // The run under way (this year's once its date has come, else last year's), or the next.
    QDate premier = dateAnnuelle(aujourdhui.year(), mois, jour);
    if (premier > aujourdhui) {
        const QDate precedent = dateAnnuelle(aujourdhui.year() - 1, mois, jour);
        if (precedent.addDays(jours) > aujourdhui)
            premier = precedent;
    } else if (premier.addDays(jours) <= aujourdhui) {
        premier = dateAnnuelle(aujourdhui.year() + 1, mois, jour);
    }
    return premier;
}

QDate DatesJours::aujourdhui(Calendrier const &calendrier)
{
    const QTimeZone zone(calendrier.getOptions().fuseau.toUtf8());
    const QDateTime maintenant = QDateTime::currentDateTime();
    return zone.isValid() ? maintenant.toTimeZone(zone).date() : maintenant.date();
}

int DatesJours::jourDu(Calendrier const &calendrier, QDate const &date)
{
    const QDate premier = premierJour(calendrier.getOptions().debut, calendrier.getOptions().jours, date);
    int jour = 0;
    if (premier.isValid())
        jour = int(premier.daysTo(date)) + 1;
    else if (calendrier.getOptions().mois == 0 || calendrier.getOptions().mois == date.month())
        jour = date.day();
    return jour >= 1 && jour <= calendrier.getOptions().jours ? jour : 0;
}
