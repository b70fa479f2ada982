#pragma once

#include "format/resultat.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringList>

#include <atomic>
#include <memory>

class Calendrier;
class QThread;

/// Converts a calendar's media, then generates its site: the one way to a site for the
/// window, its preview and the command line. It works on a copy of the calendar taken when
/// it is handed over, so the editor may go on changing its own while a worker thread runs
/// `executer`. What a success made (the directory and its files) is what a publisher sends.
class ServiceGeneration : public QObject
{
    Q_OBJECT

public:
    explicit ServiceGeneration(QObject *parent = nullptr);
    ~ServiceGeneration() override;

    /// Takes a copy of `calendrier` now; null for none (a run then fails, writing nothing).
    void setCalendrier(Calendrier const *calendrier);
    /// The copy, null when none was given.
    Calendrier const *getCalendrier() const;
    void setRepertoire(QString const &repertoire);
    QString getRepertoire() const;
    /// A preview lets the visitor open every day.
    void setApercu(bool apercu);
    bool getApercu() const;
    /// A preview shows the page as a visitor sees it at `instant` when it is valid.
    void setInstant(QDateTime const &instant);
    /// The password a private calendar's site is encrypted under.
    void setMotDePasse(QString const &motDePasse);
    /// What the user should know of the last run that succeeded; empty when nothing.
    QString getAvis() const;

    /// Converts every media (reporting each day), then replaces the directory's contents with
    /// the site; from any thread, one run at a time. A stop asked with `arreter()`, or by
    /// interrupting the running thread, ends the run with `Interrompu` and the directory as it was.
    Resultat executer();
    /// Asks the run to stop before its next step; from any thread.
    void arreter();
    bool arretDemande() const;

    /// The files of the site the last successful run wrote, relative to its directory, sorted.
    QStringList getFichiers() const;

signals:
    /// Day `jour`'s media is converted, the `rang`-th of `total` (from the running thread).
    void conversionAvancee(int jour, int rang, int total);

private:
    std::unique_ptr<Calendrier> calendrier;
    QString repertoire;
    bool apercu = false;
    QDateTime instant;
    QString motDePasse;
    QString avis;
    std::atomic<bool> arret{false};
    /// The thread running `executer`, when it is not the main one.
    std::atomic<QThread *> fil{nullptr};
    QStringList fichiers;
};
