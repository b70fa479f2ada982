#pragma once

#include "media.h"

#include <QColor>
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
    /// The caption shown on the tile, derived from the location.
    QString getNomMedia() const;

    /// "PHOTO", "MUSIC", "VIDEO", "MESSAGE", or empty for an empty day or an unknown kind.
    QString getStringType() const;
    /// Opaque background colour of the tile's kind (white when empty or unknown).
    QColor getColorType() const;

    /// Marks the day's media file as missing: a "MISSING" mark beside the kind, and the
    /// full location as tooltip.
    void setIntrouvable(bool introuvable);
    bool estIntrouvable() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int numeroJour = 0;
    Media::TypeMedia type = Media::AUCUN;
    QString nomMedia;
    bool introuvable = false;
};

/// Folds `texte` onto two lines when it has `n` characters or more: the first
/// `n` characters, a line feed, "..." and as much of the end as fits in `n`.
QString raccourcir(QString texte, int n);
