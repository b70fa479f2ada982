#pragma once

#include "format/resultat.h"

#include <QCoreApplication>
#include <QString>

class Calendrier;

/// The card that gives a calendar's address on paper: an A6 PDF page with the
/// calendar's name, the QR code of its address, "Scan to open" and the address itself;
/// on request a second, smaller code below, for the site's reminders.
class CartePartage
{
    Q_DECLARE_TR_FUNCTIONS(CartePartage)

public:
    CartePartage() = delete;

    /// Writes the card of `calendrier` to `chemin`, with `adresse` in place of the calendar's
    /// own when given (a private calendar's address with its key). Nothing is written when
    /// the calendar has no address or it does not fit a QR code.
    static Resultat ecrire(Calendrier const &calendrier, QString const &chemin, bool avecRappels = false,
        QString const &adresse = QString());
};
