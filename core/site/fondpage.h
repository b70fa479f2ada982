#pragma once

#include "format/resultat.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QImage>
#include <QLatin1String>
#include <QList>
#include <QPointF>
#include <QSize>
#include <QString>

/// The family's own background picture as the page shows it: converted like a day's
/// picture (upright, sRGB, no metadata), then published as two crops, one covering
/// portrait screens and one landscape screens, each a JPEG of at most `TAILLE_MAX` bytes.
class FondPage
{
    Q_DECLARE_TR_FUNCTIONS(FondPage)

public:
    /// In the site's media folder.
    static constexpr QLatin1String FICHIER_PORTRAIT{"fond-portrait.jpg"};
    static constexpr QLatin1String FICHIER_PAYSAGE{"fond-paysage.jpg"};
    static constexpr qint64 TAILLE_MAX = 300 * 1024;
    /// A tall phone's screen at its density, and a wide screen.
    static constexpr int LARGEUR_PORTRAIT = 1080;
    static constexpr int HAUTEUR_PORTRAIT = 2340;
    static constexpr int LARGEUR_PAYSAGE = 1920;
    static constexpr int HAUTEUR_PAYSAGE = 1080;

    FondPage() = delete;

    struct Recadrage {
        QByteArray jpeg;
        QSize taille;
        int qualite = 0;
    };

    /// The part of `image` of the shape of `cible` around `foyer` (0 to 1 across and down,
    /// kept inside the picture), at most `cible` in size and `TAILLE_MAX` in bytes: the
    /// quality is lowered first, then the size.
    static Recadrage recadrer(QImage const &image, QSize const &cible, QPointF const &foyer);
    /// A crop as published: its file name in the media folder and its bytes.
    struct Fichier {
        QLatin1String nom;
        QByteArray jpeg;
    };
    /// Both crops of the picture `source`, in memory (portrait first).
    static Resultat preparer(
        QString const &source, QList<Fichier> *fichiers, QPointF const &foyer = QPointF(0.5, 0.5));
    /// Writes both crops of the picture `source` into `repertoireMedia`.
    static Resultat publier(
        QString const &source, QString const &repertoireMedia, QPointF const &foyer = QPointF(0.5, 0.5));
};
