#pragma once

#include <QObject>
#include <QString>

class Calendrier;

/// Converts the window's media in the background as soon as a day gets one, so that
/// Generate then mostly copies; tells the window when a conversion ends, for the size
/// it shows. When the event loop ends, what is left is dropped.
class ServiceConversions : public QObject
{
    Q_OBJECT

public:
    explicit ServiceConversions(QObject *parent);
    ~ServiceConversions() override;

    /// Starts converting every media file of `calendrier` not yet converted.
    void suivre(Calendrier const &calendrier);
    /// The size text under the grid: the size of what will be published, and whether
    /// some conversion is still running.
    static QString texteTaille(Calendrier const &calendrier);
    /// The tile's and the day dialog's warning for a file that some browsers cannot play
    /// for want of ffmpeg; empty otherwise.
    static QString avertissement(QString const &fichier, int type);

signals:
    /// A conversion ended: the published size may have changed.
    void conversionTerminee();
};
