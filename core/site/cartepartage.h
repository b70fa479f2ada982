#pragma once

#include <QString>

class Calendrier;

/// The card that gives a calendar's address on paper: an A6 PDF page with the
/// calendar's name, the QR code of its address, "Scan to open" and the address itself;
/// on request a second, smaller code below, for the site's reminders.
class CartePartage
{
public:
    CartePartage() = delete;

    /// Writes the card of `calendrier` to `chemin`, with `adresse` in place of the calendar's
    /// own when given (a private calendar's address with its key). False, with the reason in
    /// `*erreur` when given, when the calendar has no address or the file cannot be written.
    static bool ecrire(Calendrier const &calendrier, QString const &chemin, QString *erreur = nullptr,
        bool avecRappels = false, QString const &adresse = QString());
};
