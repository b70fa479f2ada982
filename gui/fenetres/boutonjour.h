#pragma once

#include "modele/media.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPushButton>
#include <QString>

/// The tile of one day in the main window's grid. It shows what the window
/// gives it (day number, media kind, media location) and paints its whole
/// surface itself; it holds no media object.
///
/// The setters and init() schedule a repaint, so a tile never keeps a stale
/// picture after the window refills it.
class BoutonJour : public QPushButton
{
    Q_OBJECT

public:
    explicit BoutonJour(QWidget *parent);
    ~BoutonJour() override;

    /// Back to an empty day; the day number stays.
    void init();

    int getNumeroJour() const;
    void setNumeroJour(int numeroJour);

    Media::TypeMedia getType() const;
    void setType(const Media::TypeMedia &type);

    /// Stores the media's location (a path with "/" separators), or the caption of a
    /// kind without a file.
    void setNomMedia(const QString &nomMedia);
    /// The caption derived from the location at its shortest: a location of up to 13
    /// characters whole, a longer one as its file name folded at 13 characters.
    QString getNomMedia() const;
    /// The caption as painted: like getNomMedia(), folded at as many characters as the
    /// tile's width holds (13 at least).
    QString getLegende() const;

    /// "PHOTO", "MUSIC", "VIDEO", "MESSAGE", or empty for an empty day or an unknown kind.
    QString getStringType() const;
    /// Opaque background colour of the tile's kind (white when empty or unknown).
    QColor getColorType() const;

    /// The font the tile paints with: the desktop's fixed-pitch font (or the tile's own
    /// font when one was set on it), made smaller when needed so that the day number,
    /// three caption lines and the kind label fit the height and 13 average characters the width.
    QFont police() const;
    /// Zones of the painted tile, from police(): they never overlap and stay inside it.
    QRect zoneNumero() const;
    QRect zoneLegende() const;
    QRect zoneType() const;
    /// Marks the day's media file as missing: a "MISSING" mark beside the kind, and the
    /// full location as tooltip.
    void setIntrouvable(bool introuvable);
    bool estIntrouvable() const;

    /// The picture of the day's media (a photo, a video's frame), painted upright over
    /// the caption zone between the kind's bands; a null image shows the caption.
    void setVignette(const QImage &vignette);
    QImage getVignette() const;
    /// The length of a sound or video in milliseconds, shown beside a note; negative when unknown.
    void setDuree(qint64 dureeMs);
    /// The date the day opens on, as the window writes it; empty for a calendar of the
    /// days of the month.
    void setDate(const QString &date);
    QString getDate() const;
    /// Marks the tile of the day that opens today.
    void setAujourdhui(bool aujourdhui);
    bool estAujourdhui() const;
    /// "3:42", or "1:02:03" past an hour.
    static QString texteDuree(qint64 dureeMs);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString legende(int longueur) const;

    int numeroJour = 0;
    Media::TypeMedia type = Media::AUCUN;
    QString nomMedia;
    bool introuvable = false;
    QImage vignette;
    qint64 dureeMs = -1;
    QString date;
    bool aujourdhui = false;
};

/// Folds `texte` onto two lines when it has `n` characters or more: the first
/// `n` characters, a line feed, "..." and as much of the end as fits in `n`.
QString raccourcir(QString texte, int n);
