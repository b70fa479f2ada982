#pragma once

#include "format/resultat.h"

#include <QCoreApplication>
#include <QString>

/// "Publish every morning": a systemd user timer that runs `--publish` on a project file
/// just after midnight in the calendar's time zone, catching up at the next start when the
/// machine was off. Where systemd does not run, the equivalent crontab line.
class TacheMatinale
{
    Q_DECLARE_TR_FUNCTIONS(TacheMatinale)

public:
    TacheMatinale() = delete;

    /// The units' name for `projet`, the same for the same file.
    static QString nomUnite(QString const &projet);
    /// The service that publishes `projet` with `programme`.
    static QByteArray service(QString const &programme, QString const &projet);
    /// The timer: five past midnight in `fuseau` (the machine's zone when empty).
    static QByteArray minuteur(QString const &projet, QString const &fuseau);
    /// The crontab line that publishes at the same moment, in the machine's own zone
    /// (cron has no zone of its own per line); `le` is the day whose offset is used.
    static QString ligneCrontab(
        QString const &programme, QString const &projet, QString const &fuseau, QDate const &le);

    /// Whether this session runs systemd's user manager.
    static bool systemdDisponible();
    /// The folder of the user's own units.
    static QString repertoireUnites();
    /// Whether the timer of `projet` is installed.
    static bool estActive(QString const &projet);
    /// Writes both units and enables the timer.
    static Resultat activer(QString const &programme, QString const &projet, QString const &fuseau);
    /// Disables the timer and removes both units.
    static Resultat desactiver(QString const &projet);
};
