#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QString>

/// The moment a preview on a date shows its page at. The page itself only knows its
/// visitor's clock: the preview's own scripts get a line that sets that clock to the
/// moment (running on from there), so the page decides which balls open exactly as it
/// does for a visitor then. The published page never has that line.
class InstantApercu
{
    Q_DECLARE_TR_FUNCTIONS(InstantApercu)

public:
    InstantApercu() = delete;

    /// The form of a moment on the command line and in messages.
    static constexpr const char *FORME = "YYYY-MM-DDTHH:MM";

    /// Reads `texte` ("YYYY-MM-DDTHH:MM") as a moment in the time zone `fuseau` (an IANA
    /// name, as the calendar's option), or by this computer's clock when it is empty or
    /// unknown. Invalid for any other text, with the reason in `*erreur`.
    static QDateTime lire(QString const &texte, QString const &fuseau, QString *erreur = nullptr);
    /// The page's script line that sets its clock to `instant`.
    static QString ligneScript(QDateTime const &instant);
};
