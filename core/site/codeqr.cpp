#include "site/codeqr.h"

#include <QPainter>

#include <qrencode.h>

CodeQr::CodeQr(QString const &texte)
{
    if (texte.isEmpty())
        return;
    const QByteArray octets = texte.toUtf8();
    QRcode *code = QRcode_encodeString(octets.constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1);
    if (code == nullptr)
        return;
    taille = code->width;
    modules.resize(taille * taille);
    // Bit 0 of each byte is the module's colour; the others describe its role.
    for (int i = 0; i < taille * taille; ++i)
        modules[i] = (code->data[i] & 1) != 0;
    QRcode_free(code);
}

bool CodeQr::estValide() const
{
    return taille > 0;
}

int CodeQr::getTaille() const
{
    return taille;
}

bool CodeQr::estNoir(int x, int y) const
{
    return x >= 0 && y >= 0 && x < taille && y < taille && modules.at(y * taille + x);
}

QImage CodeQr::image(int pixelsParModule) const
{
    if (!estValide() || pixelsParModule < 1)
        return QImage();
    const int cote = (taille + 2 * MARGE) * pixelsParModule;
    QImage resultat(cote, cote, QImage::Format_Grayscale8);
    resultat.fill(Qt::white);
    QPainter peintre(&resultat);
    peindre(peintre, QRectF(0, 0, cote, cote));
    return resultat;
}

void CodeQr::peindre(QPainter &peintre, QRectF const &cadre) const
{
    if (!estValide())
        return;
    const qreal module = cadre.width() / (taille + 2 * MARGE);
    peintre.save();
    peintre.setRenderHint(QPainter::Antialiasing, false);
    peintre.fillRect(cadre, Qt::white);
    // One rectangle per run of dark modules: fewer seams once a PDF is rasterised.
    for (int y = 0; y < taille; ++y) {
        int x = 0;
        while (x < taille) {
            if (!estNoir(x, y)) {
                ++x;
                continue;
            }
            const int debut = x;
            while (x < taille && estNoir(x, y))
                ++x;
            peintre.fillRect(QRectF(cadre.left() + (debut + MARGE) * module,
                                 cadre.top() + (y + MARGE) * module, (x - debut) * module, module),
                Qt::black);
        }
    }
    peintre.restore();
}
