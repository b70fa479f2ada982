#pragma once

#include "format/resultat.h"
#include "service/servicegeneration.h"

#include <QString>
#include <QThread>

class Calendrier;

/// Runs one conversion and generation (`ServiceGeneration`) on a thread of its own and
/// reports its outcome. The calendar is copied when it is handed over: the caller may
/// change or delete its own once the worker is made.
///
/// Stopping a run: call `arreter()` (or `requestInterruption()`, which lets a running
/// conversion end first). The running ffmpeg ends at once, the generation stops before its
/// next day and the worker then emits nothing; the output directory stays as it was.
/// Once the worker has seen the request after the generation, it emits nothing either,
/// whatever the code. A result emitted just before the request may still be on its way
/// to a queued receiver: a receiver that must show nothing after asking for a stop
/// drops results whose sender reports `isInterruptionRequested()`.
///
/// Destroying a running worker stops it the same way and waits for its thread.
class Generateur : public QThread
{
    Q_OBJECT

public:
    Generateur(QObject *parent, Calendrier *calendrier, QString repertoireExport, bool modeApercuActif);
    ~Generateur() override;

    Calendrier *getCalendrier() const;
    void setCalendrier(Calendrier *calendrier);
    QString getRepertoireExport() const;
    void setRepertoireExport(QString const &repertoireExport);
    bool getModeApercuActif() const;
    void setModeApercuActif(bool modeApercuActif);
    /// The password a private calendar's site is encrypted under.
    void setMotDePasse(QString const &motDePasse);
    /// A preview shows the page as a visitor sees it at `instant` when it is valid.
    void setInstantApercu(QDateTime const &instant);
    /// Asks the run to stop and ends the conversion it may be waiting for.
    void arreter();

signals:
    /// Emitted once per run that was not stopped, from the worker thread: the
    /// generation's code (0 for success; 3 without a calendar, nothing written)
    /// and the output directory as stored.
    void resultatDisponible(int result, QString const &repertoireSortie);
    /// Emitted just before `resultatDisponible`, from the worker thread: the outcome, whose
    /// message says what failed and why, and what the user should know of a success (empty
    /// when nothing).
    void resultatDetaille(Resultat const &resultat, QString const &avis);
    /// Day `jour`'s media is converted, the `rang`-th of `total` (from the worker thread).
    void conversionAvancee(int jour, int rang, int total);

protected:
    void run() override;

private:
    Calendrier *calendrier = nullptr;
    ServiceGeneration service;
};
