#pragma once

#include <QColor>
#include <QImage>
#include <QLatin1String>
#include <QList>
#include <QSize>
#include <QString>

/// The looks a family chooses its page from. Each sets the balls' palette, the sky, the
/// ground and the text colours; the page receives its theme's colours from the generator
/// and loads only that theme's drawing code. `sapins` is today's scene, the page of a
/// calendar without a theme.
class ThemePage
{
public:
    static constexpr QLatin1String SAPINS{"sapins"};
    /// Numbers and the calendar's name keep at least this contrast with what lies under them.
    static constexpr double CONTRASTE_MIN = 3.0;

    struct Theme {
        QLatin1String cle;
        /// Its name in the editor (context "ThemePage").
        const char *nom;
        QColor cielHaut;
        QColor cielBas;
        QColor sol;
        /// The fir trees or whatever stands on the ground.
        QColor decor;
        /// The eight colours balls take in turn.
        QList<QColor> palette;
        /// The page's own texts (the calendar's name, the switches) and their outline.
        QColor texte;
        QColor contourTexte;
        bool neige;
    };

    ThemePage() = delete;

    static QList<Theme> const &themes();
    /// The theme named `cle`; `sapins` for an empty or unknown name.
    static Theme const &pour(QString const &cle);
    /// Whether `cle` names a theme.
    static bool existe(QString const &cle);
    /// The translated name of a theme.
    static QString nom(Theme const &theme);

    /// Contrast ratio of two colours as accessibility guidelines measure it (1 to 21).
    static double contraste(QColor const &a, QColor const &b);
    /// The colour of the numbers on a ball of colour `boule`: white where it stands out
    /// enough, else a dark brown.
    static QColor couleurNumero(QColor const &boule);

    /// A small picture of the theme's scene, for choosing it.
    static QImage apercu(Theme const &theme, QSize const &taille);
    /// The theme's colours as the page reads them (a JavaScript object); empty for
    /// `sapins`, which the page draws without being told, and for an unknown name.
    static QString objetPage(QString const &cle);
};
