#include "fenetres/choixinstant.h"

#include "bureau/formatdates.h"
#include "modele/calendrier.h"
#include "modele/datesjours.h"
#include "site/instantapercu.h"

#include <QDateTimeEdit>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLocale>
#include <QTimeZone>
#include <QVBoxLayout>

ChoixInstant::ChoixInstant(QWidget *parent, Calendrier const &calendrier)
    : QDialog(parent), saisie(new QDateTimeEdit(this)), fuseau(calendrier.getOptions().fuseau)
{
    setWindowTitle(tr("Preview on a date"));
    auto *disposition = new QVBoxLayout(this);
    const QTimeZone zone(fuseau.toUtf8());
    auto *explication = new QLabel(zone.isValid()
            ? tr("Show the page as a visitor sees it at this moment (time in %1):").arg(fuseau)
            : tr("Show the page as a visitor sees it at this moment:"),
        this);
    explication->setWordWrap(true);
    disposition->addWidget(explication);

    saisie->setObjectName(QStringLiteral("saisie_instant"));
    saisie->setCalendarPopup(true);
    const QLocale locale;
    saisie->setDisplayFormat(
        FormatDates::motif(locale, true, false) + QLatin1Char(' ') + locale.timeFormat(QLocale::ShortFormat));
    // Now by the calendar's clock; before a dated calendar starts, its first day.
    QDateTime depart = QDateTime::currentDateTime();
    if (zone.isValid())
        depart = depart.toTimeZone(zone);
    depart = QDateTime(depart.date(), QTime(depart.time().hour(), depart.time().minute()));
    const QDate premier =
        DatesJours::premierJour(calendrier.getOptions().debut, calendrier.getOptions().jours, depart.date());
    if (premier.isValid() && premier > depart.date())
        depart = QDateTime(premier, QTime(10, 0));
    saisie->setDateTime(depart);
    disposition->addWidget(saisie);
    explication->setBuddy(saisie);

    auto *boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    disposition->addWidget(boutons);
}

QDateTime ChoixInstant::instant() const
{
    return InstantApercu::lire(saisie->dateTime().toString(QStringLiteral("yyyy-MM-ddTHH:mm")), fuseau);
}

QDateTime ChoixInstant::demander(QWidget *parent, Calendrier const &calendrier)
{
    ChoixInstant choix(parent, calendrier);
    return choix.exec() == QDialog::Accepted ? choix.instant() : QDateTime();
}
