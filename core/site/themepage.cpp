#include "site/themepage.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

// The template is among the resources of the static library.
static void initialiserRessources()
{
    Q_INIT_RESOURCE(ressources);
}

namespace {

QList<QColor> couleurs(std::initializer_list<const char *> noms)
{
    QList<QColor> liste;
    for (const char *nom : noms)
        liste << QColor(QLatin1String(nom));
    return liste;
}

const QColor NUMERO_SOMBRE(0x3a, 0x24, 0x18);

double luminance(QColor const &couleur)
{
    const auto canal = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * canal(couleur.redF()) + 0.7152 * canal(couleur.greenF())
        + 0.0722 * canal(couleur.blueF());
}

} // namespace

QList<ThemePage::Theme> const &ThemePage::themes()
{
    // The palette of `sapins` is the page's own; the others are chosen so that every ball
    // stands out from its sky.
    static const QList<Theme> liste = {
        {SAPINS, QT_TRANSLATE_NOOP("ThemePage", "Fir trees"), QColor(0xa3, 0xd7, 0xd2),
            QColor(0xa3, 0xd7, 0xd2), QColor(0x3f, 0x6b, 0x3a), QColor(0x2f, 0x5d, 0x3a),
            couleurs(
                {"#f3cec6", "#cb4127", "#598181", "#e95f43", "#e8dfb4", "#7c6b51", "#b0b94e", "#64b2b2"}),
            QColor(0x1b, 0x1b, 0x1b), QColor(0xff, 0xff, 0xff), false},
        {QLatin1String("nuit"), QT_TRANSLATE_NOOP("ThemePage", "Winter night"), QColor(0x0b, 0x1a, 0x33),
            QColor(0x2a, 0x44, 0x70), QColor(0xe8, 0xee, 0xf6), QColor(0x12, 0x33, 0x24),
            couleurs(
                {"#e8c547", "#d1495b", "#66a6d9", "#f2f2f2", "#8fc57a", "#c78fd6", "#f08a4b", "#5cc8c0"}),
            QColor(0xff, 0xff, 0xff), QColor(0x0b, 0x1a, 0x33), true},
        {QLatin1String("papier"), QT_TRANSLATE_NOOP("ThemePage", "Paper"), QColor(0xfa, 0xf5, 0xe9),
            QColor(0xef, 0xe6, 0xd0), QColor(0xe2, 0xd6, 0xb8), QColor(0x6f, 0x8a, 0x5b),
            couleurs(
                {"#b8463f", "#3f6e68", "#c98b2b", "#5d4a70", "#a34d6d", "#2f4f6f", "#5f7f45", "#8a5a3c"}),
            QColor(0x3a, 0x24, 0x18), QColor(0xfa, 0xf5, 0xe9), false},
        {QLatin1String("givre"), QT_TRANSLATE_NOOP("ThemePage", "Frost"), QColor(0xe4, 0xf4, 0xff),
            QColor(0xa9, 0xd3, 0xf2), QColor(0xfb, 0xfd, 0xff), QColor(0x4d, 0x7f, 0xa8),
            couleurs(
                {"#1d3557", "#457b9d", "#e63946", "#2a9d8f", "#264653", "#7b2d8b", "#b5485d", "#3d5a80"}),
            QColor(0x1d, 0x35, 0x57), QColor(0xff, 0xff, 0xff), true},
    };
    return liste;
}

ThemePage::Theme const &ThemePage::pour(QString const &cle)
{
    for (const Theme &theme : themes()) {
        if (cle == theme.cle)
            return theme;
    }
    return themes().first();
}

bool ThemePage::existe(QString const &cle)
{
    for (const Theme &theme : themes()) {
        if (cle == theme.cle)
            return true;
    }
    return false;
}

QString ThemePage::nom(Theme const &theme)
{
    return QCoreApplication::translate("ThemePage", theme.nom);
}

double ThemePage::contraste(QColor const &a, QColor const &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ThemePage::couleurNumero(QColor const &boule)
{
    // Between white and this brown, one of them always reaches 3.8:1.
    return contraste(boule, Qt::white) >= CONTRASTE_MIN ? QColor(Qt::white) : NUMERO_SOMBRE;
}

QImage ThemePage::apercu(Theme const &theme, QSize const &taille)
{
    initialiserRessources();
    QImage image(taille, QImage::Format_ARGB32_Premultiplied);
    QPainter peintre(&image);
    peintre.setRenderHint(QPainter::Antialiasing);
    const qreal l = taille.width();
    const qreal h = taille.height();
    QLinearGradient ciel(0, 0, 0, h);
    ciel.setColorAt(0, theme.cielHaut);
    ciel.setColorAt(1, theme.cielBas);
    peintre.fillRect(image.rect(), ciel);

    const qreal sol = h * 0.8;
    if (theme.cle == SAPINS) {
        // Today's row of trees, as the page draws it.
        const QImage foret(QStringLiteral(":tinselbox/js/data/foret.png"));
        if (!foret.isNull()) {
            const QImage reduite = foret.scaledToHeight(int(h * 0.45), Qt::SmoothTransformation);
            for (int x = 0; x < taille.width(); x += std::max(1, reduite.width()))
                peintre.drawImage(QPointF(x, h - reduite.height()), reduite);
        }
    } else {
        peintre.fillRect(QRectF(0, sol, l, h - sol), theme.sol);
        peintre.setPen(Qt::NoPen);
        peintre.setBrush(theme.decor);
        for (int i = 0; i < 6; ++i) {
            const qreal x = l * (i + 0.5) / 6;
            const qreal haut = h * (i % 2 == 0 ? 0.32 : 0.26);
            QPainterPath sapin;
            sapin.moveTo(x, sol - haut);
            sapin.lineTo(x + l / 16, sol + 1);
            sapin.lineTo(x - l / 16, sol + 1);
            sapin.closeSubpath();
            peintre.drawPath(sapin);
        }
    }

    // Three balls on their strings, numbered in the theme's colours.
    QFont police = peintre.font();
    police.setBold(true);
    police.setPixelSize(std::max(6, int(h * 0.14)));
    peintre.setFont(police);
    for (int i = 0; i < 3; ++i) {
        const QColor couleur = theme.palette.at((i * 3 + 1) % theme.palette.size());
        const qreal rayon = h * (i == 1 ? 0.15 : 0.12);
        const QPointF centre(l * (0.25 + 0.25 * i), h * (i == 1 ? 0.42 : 0.34));
        peintre.setPen(QPen(theme.texte, 1));
        peintre.drawLine(QPointF(centre.x(), 0), QPointF(centre.x(), centre.y() - rayon));
        peintre.setPen(Qt::NoPen);
        peintre.setBrush(couleur);
        peintre.drawEllipse(centre, rayon, rayon);
        peintre.setPen(couleurNumero(couleur));
        peintre.drawText(QRectF(centre.x() - rayon, centre.y() - rayon, 2 * rayon, 2 * rayon),
            Qt::AlignCenter, QString::number(i * 7 + 3));
    }
    if (theme.neige) {
        peintre.setPen(Qt::NoPen);
        peintre.setBrush(QColor(255, 255, 255, 220));
        for (int i = 0; i < 40; ++i) {
            // A fixed scatter: the same picture each time.
            const qreal x = std::fmod(i * 37.7, l);
            const qreal y = std::fmod(i * 23.3 + i * i * 0.7, sol);
            peintre.drawEllipse(QPointF(x, y), 1.2, 1.2);
        }
    }
    return image;
}

QString ThemePage::objetPage(QString const &cle)
{
    if (cle.isEmpty() || cle == SAPINS || !existe(cle))
        return QString();
    const Theme &theme = pour(cle);
    // The page picks its numbers' colours itself, by the same rule.
    QJsonArray palette;
    for (const QColor &couleur : theme.palette)
        palette.append(couleur.name());
    const QJsonObject objet{
        {QStringLiteral("nom"), QString(theme.cle)},
        {QStringLiteral("ciel"), QJsonArray{theme.cielHaut.name(), theme.cielBas.name()}},
        {QStringLiteral("sol"), theme.sol.name()},
        {QStringLiteral("decor"), theme.decor.name()},
        {QStringLiteral("palette"), palette},
        {QStringLiteral("texte"), theme.texte.name()},
        {QStringLiteral("contour"), theme.contourTexte.name()},
        {QStringLiteral("neige"), theme.neige},
    };
    return QString::fromUtf8(QJsonDocument(objet).toJson(QJsonDocument::Compact));
}
