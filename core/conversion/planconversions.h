#pragma once

#include "conversion/publication.h"
#include "modele/media.h"

#include <QFuture>
#include <QHash>
#include <QMutex>
#include <QObject>
#include <QThreadPool>

#include <functional>

class Calendrier;

/// Decides what each media file becomes in a generated site and runs the conversions in
/// the background, once per source for the whole program: pictures on every core, at
/// most one ffmpeg at a time. Outcomes are kept in `CacheConversions`, so a later
/// generation, even in another run of the program, mostly copies.
class PlanConversions : public QObject
{
    Q_OBJECT

public:
    /// The program's one plan.
    static PlanConversions &instance();

    /// Starts converting `source` for a day of kind `type`, unless already started.
    void demarrer(QString const &source, Media::TypeMedia type);
    /// Starts every media file of `calendrier` (nothing when it publishes originals).
    void demarrer(Calendrier const &calendrier);
    /// What `source` is published as, waiting for its conversion. With `originaux` the
    /// source itself, under the extension of its content.
    Publication publication(QString const &source, Media::TypeMedia type, bool originaux = false);
    /// Converts every media file of `calendrier`, waiting for each in day order and
    /// calling `rapport(jour, rang, total)` as each is ready; a report that returns false
    /// stops the wait (`Interrompu`). A failure names the day that cannot be converted and why.
    Resultat preparer(Calendrier const &calendrier, std::function<bool(int, int, int)> const &rapport);
    /// The failure of day `jour`, whose file `source` was converted to `echec`.
    static Resultat echecDuJour(int jour, QString const &source, Resultat const &echec);
    /// Size of what `source` is published as, if known without waiting or reading it;
    /// false while it is not converted yet.
    bool taillePubliee(QString const &source, Media::TypeMedia type, bool originaux, qint64 *taille);
    /// What the day dialog and the tile say of `source` when some browsers cannot play it
    /// for want of ffmpeg; empty otherwise. Judged from the file's first bytes.
    static QString avertissementFfmpeg(QString const &source, Media::TypeMedia type);

    /// The days of `calendrier` (1 to its length) whose sound or video is published as it
    /// is because ffmpeg is not installed; none when it publishes originals by choice.
    static QList<int> joursNonConvertis(Calendrier const &calendrier);
    /// What is said once of those days: naming ffmpeg, the days, and what their files keep.
    static QString avisSansFfmpeg(QList<int> const &jours);
    /// Drops queued conversions and stops a running ffmpeg: the program is quitting.
    void abandonner();

signals:
    /// A conversion ended (emitted from a worker thread).
    void publicationPrete(QString const &source);

private:
    PlanConversions();
    static QString reglages(Media::TypeMedia type);
    static bool estImage(Media::TypeMedia type);
    Publication convertir(QString const &source, Media::TypeMedia type);
    QString cleTravail(QString const &source, Media::TypeMedia type) const;

    QMutex verrou;
    QHash<QString, QFuture<Publication>> travaux;
    /// One thread: one ffmpeg at a time, and videos do not hold back pictures.
    QThreadPool fileAudioVideo;
};
