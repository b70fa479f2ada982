#include "fenetres/boutonjour.h"

#include "modele/genremedia.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <QStringList>

#include <algorithm>

namespace {
// Longest location shown whole; a longer one is reduced to its file name. Also the
// fewest characters a caption line shows, however narrow the tile.
const int LONGUEUR_LEGENDE = 13;
// Day number, three caption lines (two of the fold, one spare for a wrap), kind label.
const int LIGNES_TUILE = 5;
// Below this the text is unreadable anyway; the zones are clipped rather than shrunk further.
const int TAILLE_PIXELS_MIN = 6;
const int MARGE = 2;

// Height of one text line: some fonts have a negative leading, so the line spacing alone
// could clip their glyphs.
int hauteurLigne(const QFontMetrics &mesures)
{
    return std::max(mesures.lineSpacing(), mesures.height());
}
} // namespace

BoutonJour::BoutonJour(QWidget *parent) : QPushButton(parent)
{
    setAttribute(Qt::WA_StaticContents);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setMinimumSize(100, 65);
    init();
}

BoutonJour::~BoutonJour() = default;

void BoutonJour::init()
{
    setType(Media::AUCUN);
    setNomMedia(QString());
    setIntrouvable(false);
    setVignette(QImage());
    setDuree(-1);
}

int BoutonJour::getNumeroJour() const
{
    return numeroJour;
}

void BoutonJour::setNumeroJour(int numeroJour)
{
    this->numeroJour = numeroJour;
    update();
}

Media::TypeMedia BoutonJour::getType() const
{
    return type;
}

void BoutonJour::setType(const Media::TypeMedia &type)
{
    this->type = type;
    update();
}

void BoutonJour::setNomMedia(const QString &nomMedia)
{
    this->nomMedia = nomMedia;
    // The caption is cut; hovering shows the whole location.
    setToolTip(nomMedia);
    update();
}

void BoutonJour::setIntrouvable(bool introuvable)
{
    this->introuvable = introuvable;
    // The tooltip is the full location in both cases.
    update();
}

bool BoutonJour::estIntrouvable() const
{
    return introuvable;
}

void BoutonJour::setVignette(const QImage &vignette)
{
    this->vignette = vignette;
    update();
}

QImage BoutonJour::getVignette() const
{
    return vignette;
}

void BoutonJour::setDuree(qint64 dureeMs)
{
    this->dureeMs = dureeMs;
    update();
}

void BoutonJour::setDate(const QString &date)
{
    this->date = date;
    update();
}

QString BoutonJour::getDate() const
{
    return date;
}

void BoutonJour::setAujourdhui(bool aujourdhui)
{
    this->aujourdhui = aujourdhui;
    update();
}

bool BoutonJour::estAujourdhui() const
{
    return aujourdhui;
}

QString BoutonJour::texteDuree(qint64 dureeMs)
{
    if (dureeMs < 0)
        return QString();
    const qint64 secondes = (dureeMs + 500) / 1000;
    if (secondes >= 3600)
        return QStringLiteral("%1:%2:%3")
            .arg(secondes / 3600)
            .arg(secondes / 60 % 60, 2, 10, QLatin1Char('0'))
            .arg(secondes % 60, 2, 10, QLatin1Char('0'));
    return QStringLiteral("%1:%2").arg(secondes / 60).arg(secondes % 60, 2, 10, QLatin1Char('0'));
}

QString BoutonJour::getNomMedia() const
{
    return legende(LONGUEUR_LEGENDE);
}

QString BoutonJour::getLegende() const
{
    // As many characters as the width holds, measured on the caption itself so that a
    // proportional font shows as much as a fixed-pitch one.
    const QFontMetrics mesures(police());
    const int largeur = width() - 2 * MARGE;
    const auto tient = [&mesures, largeur](const QString &texte) {
        const QStringList lignes = texte.split(QLatin1Char('\n'));
        return std::all_of(lignes.cbegin(), lignes.cend(),
            [&](const QString &ligne) { return mesures.horizontalAdvance(ligne) <= largeur; });
    };
    // Past half the file name the fold only shortens its second line: wider than that,
    // only a caption that fits on one line is worth taking.
    const int pli = std::max(LONGUEUR_LEGENDE, nomMedia.section(QLatin1Char('/'), -1).length() / 2);
    int longueur = LONGUEUR_LEGENDE;
    for (int n = LONGUEUR_LEGENDE + 1; n <= nomMedia.length(); ++n) {
        const QString texte = legende(n);
        if (!tient(texte))
            break;
        if (n <= pli || !texte.contains(QLatin1Char('\n')))
            longueur = n;
    }
    return legende(longueur);
}

QString BoutonJour::legende(int longueur) const
{
    if (nomMedia.isEmpty())
        return isEnabled() ? tr("Click to add ...") : QString();
    // A kind without a file (a message) is given its caption ready to show.
    const GenreMedia *genre = GenreMedia::pour(type);
    if (nomMedia.length() <= longueur || (genre != nullptr && !genre->avecFichier))
        return nomMedia;
    // Only "/" separates: the location is stored with "/" on every platform.
    return raccourcir(nomMedia.split(QLatin1Char('/')).last(), longueur);
}

QFont BoutonJour::police() const
{
    QFont resultat =
        testAttribute(Qt::WA_SetFont) ? font() : QFontDatabase::systemFont(QFontDatabase::FixedFont);
    int taille = QFontInfo(resultat).pixelSize();
    for (;;) {
        // The average width, not the widest glyph: with a proportional font (the fallback
        // when no fixed-pitch one is installed) the widest would shrink every name, and
        // tiles a few pixels apart would end up with different sizes.
        const QFontMetrics mesures(resultat);
        const bool tient = LIGNES_TUILE * hauteurLigne(mesures) <= height()
            && LONGUEUR_LEGENDE * mesures.averageCharWidth() <= width() - 2 * MARGE;
        if (tient || taille <= TAILLE_PIXELS_MIN)
            return resultat;
        resultat.setPixelSize(--taille);
    }
}

QRect BoutonJour::zoneNumero() const
{
    return QRect(MARGE, 0, width() - 2 * MARGE, hauteurLigne(QFontMetrics(police())));
}

QRect BoutonJour::zoneType() const
{
    const int ligne = hauteurLigne(QFontMetrics(police()));
    return QRect(0, height() - ligne, width(), ligne);
}

QRect BoutonJour::zoneLegende() const
{
    const int ligne = hauteurLigne(QFontMetrics(police()));
    return QRect(0, ligne, width(), std::max(0, height() - 2 * ligne));
}

QString BoutonJour::getStringType() const
{
    const GenreMedia *genre = GenreMedia::pour(type);
    return genre != nullptr ? genre->libelleTraduit() : QString();
}

QColor BoutonJour::getColorType() const
{
    const GenreMedia *genre = GenreMedia::pour(type);
    return genre != nullptr ? QColor(genre->couleurTuile) : QColor(255, 255, 255);
}

void BoutonJour::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(0, 0, width(), height(), getColorType());
    painter.setFont(police());
    const QRect numero = zoneNumero();
    const QRect contenu = zoneLegende();
    const QRect bande = zoneType();

    if (!vignette.isNull()) {
        // The picture covers the zone between the kind's two bands, cropped rather than
        // shrunk so that a portrait photo still reads; never tinted.
        painter.save();
        painter.setClipRect(contenu);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        const QSize taille = vignette.size().scaled(contenu.size(), Qt::KeepAspectRatioByExpanding);
        QRect cible(QPoint(0, 0), taille);
        cible.moveCenter(contenu.center());
        painter.drawImage(cible, vignette);
        if (type == Media::VIDEO) {
            // A play sign tells a video's frame from a photo.
            const int cote = std::max(8, std::min(contenu.width(), contenu.height()) / 3);
            const QPointF centre = QRectF(contenu).center();
            const QPointF triangle[] = {centre + QPointF(-cote / 3.0, -cote / 2.0),
                centre + QPointF(-cote / 3.0, cote / 2.0), centre + QPointF(cote / 2.0, 0)};
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(QPen(QColor(0, 0, 0, 160), 1));
            painter.setBrush(QColor(255, 255, 255, 210));
            painter.drawPolygon(triangle, 3);
        }
        painter.restore();
    } else {
        QString texte = getLegende();
        if (type == Media::MUSIQUE || (type == Media::VIDEO && dureeMs >= 0)) {
            // A sound has no picture: a note and its length above its name.
            const QString ligne =
                (type == Media::MUSIQUE ? QStringLiteral("\u266A ") : QString()) + texteDuree(dureeMs);
            texte = ligne.trimmed() + QLatin1Char('\n') + texte;
        }
        // Each text is clipped to its zone, so a long word can never spill over another.
        painter.drawText(contenu, Qt::AlignCenter | Qt::TextWordWrap, texte);
    }

    if (aujourdhui) {
        // Today's day stands out on its top band, whatever its kind's colour.
        painter.fillRect(QRect(0, 0, width(), numero.bottom() + 1), QColor(20, 20, 20));
        painter.setPen(Qt::white);
    }
    const QString nombre = QStringLiteral("%1").arg(numeroJour, 2, 10, QLatin1Char('0'));
    painter.drawText(numero, Qt::AlignLeft | Qt::AlignVCenter, nombre);
    if (!date.isEmpty()) {
        const QFontMetrics mesures(painter.font());
        const int place = numero.width() - mesures.horizontalAdvance(nombre + QLatin1Char(' '));
        painter.drawText(numero, Qt::AlignRight | Qt::AlignVCenter,
            mesures.elidedText(date, Qt::ElideRight, std::max(0, place)));
    }
    painter.setPen(palette().color(QPalette::ButtonText));

    if (introuvable) {
        // In the kind's band, on its right half: the day's number and date stay readable.
        const QRect zone(width() / 2, bande.top(), width() / 2 - MARGE, bande.height());
        painter.drawText(
            QRect(bande.left(), bande.top(), width() / 2, bande.height()), Qt::AlignCenter, getStringType());
        painter.fillRect(zone, QColor(180, 0, 0));
        painter.setPen(Qt::white);
        painter.drawText(zone, Qt::AlignCenter, tr("MISSING"));
    } else {
        painter.drawText(bande, Qt::AlignCenter, getStringType());
    }

    if (hasFocus()) {
        // The base button's focus frame is never drawn: the tile shows its own.
        painter.setPen(QPen(palette().color(QPalette::Highlight), MARGE));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }
}

QString raccourcir(QString texte, int n)
{
    if (texte.length() < n)
        return texte;
    const int debutFin = std::max(texte.length() - n + 3, n + 3);
    return texte.left(n) + QLatin1Char('\n') + QStringLiteral("...") + texte.mid(debutFin);
}
