#include "boutonjour.h"

#include "genremedia.h"

#include <QFontDatabase>
#include <QPainter>
#include <QStringList>

#include <algorithm>

namespace {
// Longest location shown whole; a longer one is reduced to its file name.
const int LONGUEUR_LEGENDE = 13;
const int HAUTEUR_LEGENDE = 40;
const int HAUTEUR_TYPE = 13;
const int BASE_NUMERO = 10;
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
    update();
}

void BoutonJour::setIntrouvable(bool introuvable)
{
    this->introuvable = introuvable;
    setToolTip(introuvable ? nomMedia : QString());
    update();
}

bool BoutonJour::estIntrouvable() const
{
    return introuvable;
}

QString BoutonJour::getNomMedia() const
{
    if (nomMedia.isEmpty())
        return isEnabled() ? tr("Click to add ...") : QString();
    // A kind without a file (a message) is given its caption ready to show.
    const GenreMedia *genre = GenreMedia::pour(type);
    if (nomMedia.length() <= LONGUEUR_LEGENDE || (genre != nullptr && !genre->avecFichier))
        return nomMedia;
    // Only "/" separates: the location is stored with "/" on every platform.
    return raccourcir(nomMedia.split(QLatin1Char('/')).last(), LONGUEUR_LEGENDE);
}

QString BoutonJour::getStringType() const
{
    const GenreMedia *genre = GenreMedia::pour(type);
    return genre != nullptr ? tr(genre->libelle) : QString();
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
    painter.setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    painter.drawText(QRect(0, (height() - HAUTEUR_LEGENDE) / 2, width(), HAUTEUR_LEGENDE),
                     Qt::AlignCenter | Qt::TextWordWrap, getNomMedia());
    painter.drawText(QRect(0, height() - HAUTEUR_TYPE, width(), HAUTEUR_TYPE), Qt::AlignCenter,
                     getStringType());
    if (introuvable) {
        // In the top right corner, clear of the day number and of the kind's colour text.
        const QString marque = tr("MISSING");
        const QRect zone(width() / 2, 0, width() / 2 - 2, HAUTEUR_TYPE);
        painter.fillRect(zone, QColor(180, 0, 0));
        painter.setPen(Qt::white);
        painter.drawText(zone, Qt::AlignCenter, marque);
    }
    painter.drawText(0, BASE_NUMERO, QStringLiteral("%1").arg(numeroJour, 2, 10, QLatin1Char('0')));
}

QString raccourcir(QString texte, int n)
{
    if (texte.length() < n)
        return texte;
    const int debutFin = std::max(texte.length() - n + 3, n + 3);
    return texte.left(n) + QLatin1Char('\n') + QStringLiteral("...") + texte.mid(debutFin);
}
