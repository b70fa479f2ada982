#pragma once

#include <QDateTime>
#include <QDialog>

class Calendrier;
class QDateTimeEdit;

/// Asks for the date and time at which a preview shows the page, as a visitor sees it
/// then; the time is the calendar's time zone's, or this computer's without one.
class ChoixInstant : public QDialog
{
    Q_OBJECT

public:
    ChoixInstant(QWidget *parent, Calendrier const &calendrier);

    /// The moment chosen, in the calendar's time zone.
    QDateTime instant() const;
    /// Runs the dialog; an invalid moment when it is cancelled.
    static QDateTime demander(QWidget *parent, Calendrier const &calendrier);

private:
    QDateTimeEdit *saisie;
    QString fuseau;
};
