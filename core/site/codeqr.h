#pragma once

#include <QImage>
#include <QString>
#include <QVector>

class QPainter;
class QRectF;

/// The QR code of a text (a calendar's address), made by libqrencode at error
/// correction level M, with the quiet zone of four modules that readers need.
class CodeQr
{
public:
    /// Encodes `texte`; an empty or too long text gives an invalid code.
    explicit CodeQr(QString const &texte);

    bool estValide() const;
    /// Modules on a side, the quiet zone left out.
    int getTaille() const;
    bool estNoir(int x, int y) const;

    /// The code as a black and white picture, `pixelsParModule` pixels per module,
    /// quiet zone included.
    QImage image(int pixelsParModule) const;
    /// Paints the code as squares filling `cadre` (quiet zone included), crisp at any
    /// resolution.
    void peindre(QPainter &peintre, QRectF const &cadre) const;

    static const int MARGE = 4;

private:
    int taille = 0;
    QVector<bool> modules;
};
