// Draws the template's pictures: the forest strip, the key, the cassette
// cover and the favicon, and cuts the ball font down to the digits the page
// draws. The output is deterministic (a fixed pseudo-random sequence, no
// system font in the pictures, a subsetter that writes no timestamp), so the
// committed files can be remade at will.
#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QProcess>
#include <QStringList>
#include <QTextStream>
#include <QtMath>

#include <cstdint>

namespace {

// Small linear congruential generator: same sequence on every platform.
class Hasard
{
public:
    explicit Hasard(std::uint32_t graine) : etat(graine) {}
    double suivant()
    {
        etat = etat * 1664525u + 1013904223u;
        return (etat >> 8) / double(1u << 24);
    }
    double entre(double min, double max)
    {
        return min + (max - min) * suivant();
    }

private:
    std::uint32_t etat;
};

QImage nouvelleImage(int largeur, int hauteur)
{
    QImage image(largeur, hauteur, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

QPainterPath etoile(QPointF centre, double rayon, int branches = 5, double creux = 0.45)
{
    QPainterPath chemin;
    for (int i = 0; i < 2 * branches; ++i) {
        const double r = (i % 2 == 0) ? rayon : rayon * creux;
        const double angle = -M_PI / 2 + i * M_PI / branches;
        const QPointF point(centre.x() + r * qCos(angle), centre.y() + r * qSin(angle));
        if (i == 0)
            chemin.moveTo(point);
        else
            chemin.lineTo(point);
    }
    chemin.closeSubpath();
    return chemin;
}

// A fir: a trunk and three or four tiers whose lower edges droop a little.
QPainterPath sapin(double x, double sol, double hauteur, double largeur)
{
    QPainterPath chemin;
    const double tronc = hauteur * 0.12;
    chemin.addRect(QRectF(x - largeur * 0.07, sol - tronc - 1, largeur * 0.14, tronc + 1));
    const int etages = hauteur > 70 ? 4 : 3;
    const double haut = sol - hauteur;
    const double corps = hauteur - tronc;
    for (int i = 0; i < etages; ++i) {
        const double sommet = haut + corps * i / (etages + 1.0) * 0.9;
        const double base = haut + corps * (i + 1.0) / etages;
        const double demi = largeur / 2 * (0.55 + 0.45 * (i + 1.0) / etages);
        QPainterPath etage;
        etage.moveTo(x, sommet);
        etage.lineTo(x + demi, base);
        etage.quadTo(x + demi * 0.5, base - hauteur * 0.05, x, base - hauteur * 0.02);
        etage.quadTo(x - demi * 0.5, base - hauteur * 0.05, x - demi, base);
        etage.closeSubpath();
        chemin.addPath(etage);
    }
    return chemin.simplified();
}

QImage dessinerForet()
{
    const int largeur = 1560;
    const int hauteur = 120;
    QImage image = nouvelleImage(largeur, hauteur);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    Hasard hasard(2015);

    // A snow bank joins the trees along the whole width.
    QPainterPath neige;
    neige.moveTo(0, hauteur);
    neige.lineTo(0, hauteur - 8);
    for (int x = 0; x <= largeur; x += 40)
        neige.quadTo(x + 20, hauteur - 8 - hasard.entre(2, 7), x + 40, hauteur - 8);
    neige.lineTo(largeur, hauteur);
    neige.closeSubpath();
    p.drawPath(neige);

    // Trees of varied size; taller ones stand in loose groups.
    double x = 12;
    while (x < largeur - 6) {
        const double grand = hasard.suivant() < 0.35;
        const double h = grand ? hasard.entre(85, 114) : hasard.entre(40, 75);
        const double l = h * hasard.entre(0.52, 0.66);
        p.drawPath(sapin(x, hauteur - 5, h, l));
        x += l * hasard.entre(0.55, 0.95);
    }

    // Stars in the gaps above the treetops.
    for (int i = 0; i < 38; ++i) {
        const QPointF centre(hasard.entre(8, largeur - 8), hasard.entre(6, 38));
        const double rayon = hasard.entre(2.5, 6.0);
        p.drawPath(etoile(centre, rayon));
    }
    for (int i = 0; i < 70; ++i)
        p.drawEllipse(QPointF(hasard.entre(4, largeur - 4), hasard.entre(3, 45)), 1.0, 1.0);
    return image;
}

QImage dessinerClef()
{
    QImage image = nouvelleImage(80, 38);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);

    QPainterPath clef;
    clef.addEllipse(QPointF(17, 19), 15, 15); // bow
    clef.addRoundedRect(QRectF(28, 15, 48, 8), 2, 2); // shaft
    clef.addRect(QRectF(60, 22, 6, 12)); // bit
    clef.addRect(QRectF(69, 22, 7, 9));
    QPainterPath trou;
    trou.addEllipse(QPointF(15, 19), 6, 6);
    p.drawPath(clef.simplified().subtracted(trou));
    return image;
}

void dessinerBobine(QPainter &p, QPointF centre)
{
    p.setBrush(QColor("#f4f1e6"));
    p.setPen(QPen(QColor("#2b2b2b"), 4));
    p.drawEllipse(centre, 44, 44);
    p.setBrush(QColor("#2b2b2b"));
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 6; ++i) {
        const double angle = i * M_PI / 3;
        const QPointF bout(centre.x() + 30 * qCos(angle), centre.y() + 30 * qSin(angle));
        p.drawEllipse(bout, 7, 7);
    }
    p.setBrush(QColor("#f4f1e6"));
    p.drawEllipse(centre, 22, 22);
}

QImage dessinerPochette()
{
    const QRectF cadre(0, 0, 800, 498);
    QImage image = nouvelleImage(800, 498);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // Shell.
    p.setPen(QPen(QColor("#1d1d1d"), 6));
    p.setBrush(QColor("#3a3a3a"));
    p.drawRoundedRect(cadre.adjusted(3, 3, -3, -3), 34, 34);

    // Label in the palette of the balls.
    const QRectF etiquette(52, 40, 696, 300);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor("#e8dfb4"));
    p.drawRoundedRect(etiquette, 16, 16);
    p.setBrush(QColor("#cb4127"));
    p.drawRect(QRectF(52, 64, 696, 34));
    p.setBrush(QColor("#598181"));
    p.drawRect(QRectF(52, 98, 696, 12));
    p.setPen(QPen(QColor("#7c6b51"), 3));
    for (int i = 0; i < 2; ++i)
        p.drawLine(QPointF(90, 138 + 26 * i), QPointF(710, 138 + 26 * i));

    // Window with the two reels and the tape between them.
    const QRectF fenetre(190, 196, 420, 120);
    p.setPen(QPen(QColor("#2b2b2b"), 4));
    p.setBrush(QColor("#6d5a48"));
    p.drawRoundedRect(fenetre, 58, 58);
    dessinerBobine(p, QPointF(270, 256));
    dessinerBobine(p, QPointF(530, 256));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor("#4a3a2c"));
    p.drawRect(QRectF(330, 240, 140, 36));

    // Small stars on the label, like the forest's.
    p.setBrush(QColor("#b0b94e"));
    p.drawPath(etoile(QPointF(120, 255), 22));
    p.drawPath(etoile(QPointF(680, 255), 22));

    // Lower trapezoid with its holes and screws.
    QPolygonF bas;
    bas << QPointF(150, 492) << QPointF(196, 386) << QPointF(604, 386) << QPointF(650, 492);
    p.setPen(QPen(QColor("#1d1d1d"), 4));
    p.setBrush(QColor("#4b4b4b"));
    p.drawPolygon(bas);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor("#1d1d1d"));
    for (double x : {262.0, 348.0, 452.0, 538.0})
        p.drawEllipse(QPointF(x, 446), 11, 11);
    p.setBrush(QColor("#8a8a8a"));
    for (const QPointF &vis :
        {QPointF(28, 28), QPointF(772, 28), QPointF(28, 470), QPointF(772, 470), QPointF(400, 414)})
        p.drawEllipse(vis, 9, 9);
    return image;
}

QImage dessinerIcone()
{
    QImage image = nouvelleImage(4, 4);
    const QColor boule("#cb4127");
    const QColor reflet("#e95f43");
    for (int y = 1; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            if (!((y == 1 || y == 3) && (x == 0 || x == 3)))
                image.setPixelColor(x, y, boule);
    image.setPixelColor(1, 1, reflet);
    image.setPixelColor(1, 0, QColor("#598181"));
    image.setPixelColor(2, 0, QColor("#598181"));
    return image;
}

// FreeSansBold of GNU FreeFont, as Debian's fonts-freefont-otf installs it.
const char *const POLICE_SOURCE = "/usr/share/fonts/opentype/freefont/FreeSansBold.otf";

// The balls show only their numbers: the digits are all the font needs to
// carry. pyftsubset (Debian's fonttools) keeps the OpenType outlines and the
// name table with its copyright and licence entries.
bool ecrirePolice(const QString &source, const QString &destination, QTextStream &erreur)
{
    const QStringList arguments = {source, QStringLiteral("--unicodes=U+0030-0039"),
        QStringLiteral("--layout-features="), QStringLiteral("--name-IDs=*"),
        QStringLiteral("--drop-tables+=FFTM"), QStringLiteral("--output-file=") + destination};
    QProcess pyftsubset;
    pyftsubset.setProcessChannelMode(QProcess::ForwardedChannels);
    pyftsubset.start(QStringLiteral("pyftsubset"), arguments);
    if (!pyftsubset.waitForFinished(60000) || pyftsubset.exitStatus() != QProcess::NormalExit
        || pyftsubset.exitCode() != 0) {
        erreur << "cannot make " << destination << " from " << source
               << " with pyftsubset (packages fonttools and fonts-freefont-otf)\n";
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    QTextStream erreur(stderr);
    if (argc != 2 && argc != 3) {
        erreur << "usage: artwork <directory> [source font]\n";
        return 2;
    }
    const QDir dossier(QString::fromLocal8Bit(argv[1]));
    const QString police = argc == 3 ? QString::fromLocal8Bit(argv[2]) : QString::fromLatin1(POLICE_SOURCE);
    const struct {
        const char *nom;
        QImage image;
    } images[] = {
        {"foret.png", dessinerForet()},
        {"clef.png", dessinerClef()},
        {"pochette.png", dessinerPochette()},
        {"icone.png", dessinerIcone()},
    };
    for (const auto &entree : images) {
        const QString chemin = dossier.filePath(QString::fromLatin1(entree.nom));
        if (!entree.image.save(chemin, "PNG")) {
            erreur << "cannot write " << chemin << "\n";
            return 1;
        }
    }
    return ecrirePolice(police, dossier.filePath(QStringLiteral("boule.otf")), erreur) ? 0 : 1;
}
