#include "site/fondpage.h"

#include "conversion/convertisseurimage.h"
#include "format/ecriturefichier.h"

#include <algorithm>
#include <cmath>

namespace {

// Enough for the larger crop of any phone's picture; a 48-megapixel one is decoded smaller.
const int COTE_LECTURE = 4096;
const int QUALITES[] = {82, 74, 66, 58, 50};

// The largest rectangle of the shape of `cible` inside `taille`, centred on `foyer` as
// far as the picture allows.
QRect cadre(QSize const &taille, QSize const &cible, QPointF const &foyer)
{
    const double rapport = double(cible.width()) / cible.height();
    int largeur = taille.width();
    int hauteur = int(std::lround(largeur / rapport));
    if (hauteur > taille.height()) {
        hauteur = taille.height();
        largeur = int(std::lround(hauteur * rapport));
    }
    largeur = std::clamp(largeur, 1, taille.width());
    hauteur = std::clamp(hauteur, 1, taille.height());
    const double fx = std::clamp(foyer.x(), 0.0, 1.0);
    const double fy = std::clamp(foyer.y(), 0.0, 1.0);
    const int x =
        std::clamp(int(std::lround(fx * taille.width() - largeur / 2.0)), 0, taille.width() - largeur);
    const int y =
        std::clamp(int(std::lround(fy * taille.height() - hauteur / 2.0)), 0, taille.height() - hauteur);
    return QRect(x, y, largeur, hauteur);
}

} // namespace

FondPage::Recadrage FondPage::recadrer(QImage const &image, QSize const &cible, QPointF const &foyer)
{
    Recadrage resultat;
    if (image.isNull() || cible.isEmpty())
        return resultat;
    QImage partie = image.copy(cadre(image.size(), cible, foyer));
    // Never enlarged: a small picture keeps its own pixels.
    if (partie.width() > cible.width())
        partie = partie.scaled(cible, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    partie = partie.convertToFormat(QImage::Format_RGB32);

    QImage courante = partie;
    for (;;) {
        for (const int qualite : QUALITES) {
            resultat.jpeg = ConvertisseurImage::encoderJpeg(courante, qualite);
            resultat.qualite = qualite;
            resultat.taille = courante.size();
            if (resultat.jpeg.isEmpty() || resultat.jpeg.size() <= TAILLE_MAX)
                return resultat;
        }
        // At the lowest quality, a size in proportion to what is left over, with a margin.
        const double facteur = std::min(0.9, std::sqrt(double(TAILLE_MAX) / resultat.jpeg.size()) * 0.97);
        const QSize plusPetite(
            std::max(1, int(courante.width() * facteur)), std::max(1, int(courante.height() * facteur)));
        if (plusPetite == courante.size())
            return resultat;
        courante = partie.scaled(plusPetite, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
}

Resultat FondPage::publier(QString const &source, QString const &repertoireMedia, QPointF const &foyer)
{
    const QString lisible = Resultat::cheminLisible(source);
    QString erreur;
    const QImage image = ConvertisseurImage::lire(source, COTE_LECTURE, &erreur);
    if (image.isNull())
        return Resultat::echec(
            Resultat::Cause::Media, tr("The background picture %1 cannot be read: %2.").arg(lisible, erreur))
            .avecChemin(source)
            .avecRaison(erreur);
    const struct {
        QLatin1String nom;
        QSize cible;
    } recadrages[] = {
        {FICHIER_PORTRAIT, QSize(LARGEUR_PORTRAIT, HAUTEUR_PORTRAIT)},
        {FICHIER_PAYSAGE, QSize(LARGEUR_PAYSAGE, HAUTEUR_PAYSAGE)},
    };
    for (const auto &recadrage : recadrages) {
        const Recadrage fait = recadrer(image, recadrage.cible, foyer);
        if (fait.jpeg.isEmpty())
            return Resultat::echec(
                Resultat::Cause::Media, tr("The background picture %1 cannot be converted.").arg(lisible))
                .avecChemin(source);
        const QString chemin = repertoireMedia + QLatin1Char('/') + recadrage.nom;
        const Resultat ecrit = EcritureFichier::remplacer(chemin, fait.jpeg);
        if (!ecrit)
            return Resultat::echec(Resultat::Cause::Media,
                tr("The background picture cannot be written into %1: %2.")
                    .arg(Resultat::cheminLisible(repertoireMedia), ecrit.getRaison()))
                .avecChemin(chemin)
                .avecRaison(ecrit.getRaison());
    }
    return Resultat();
}
