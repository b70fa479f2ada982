#include "site/imageapercu.h"

#include "conversion/cacheconversions.h"
#include "format/ecriturefichier.h"
#include "format/format.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QMutex>
#include <QMutexLocker>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QVector>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

// The page's scene, its colours and artwork, as the template draws them.
const int LARGEUR_SCENE = 1560;
const int HAUTEUR_SCENE = 768;
const int HAUT_FORET = 648;
const QColor CIEL(0xa3, 0xd7, 0xd2);
const QColor FIL(0x1b, 0x1b, 0x1b);
const char *const PALETTE[] = {
    "#f3cec6", "#cb4127", "#598181", "#e95f43", "#e8dfb4", "#7c6b51", "#b0b94e", "#64b2b2"};
// The page's layout script, which holds the table of the balls' places.
const QString SCRIPT_DISPOSITION = QStringLiteral(":tinselbox/js/scripts/disposition.js");
const QString FORET = QStringLiteral(":tinselbox/js/data/foret.png");
const QString POLICE_BOULES = QStringLiteral(":tinselbox/js/data/boule.otf");

struct Boule {
    int x;
    int y;
    int rayon;
};

// The balls' places are read from the page's own table of the wide scene, so the
// picture follows the page.
QVector<Boule> placesBoules()
{
    const QRegularExpression table(
        QStringLiteral("MENU_31\\s*:\\s*\\[\\s*("
                       "(?:\\[\\s*\\d+\\s*,\\s*\\d+\\s*,\\s*\\d+\\s*\\]\\s*,?\\s*)+)\\]"));
    const QRegularExpression triplet(QStringLiteral("\\[\\s*(\\d+)\\s*,\\s*(\\d+)\\s*,\\s*(\\d+)\\s*\\]"));
    QVector<Boule> boules;
    QFile script(SCRIPT_DISPOSITION);
    if (!script.open(QIODevice::ReadOnly))
        return boules;
    const QRegularExpressionMatch trouvee = table.match(QString::fromUtf8(script.readAll()));
    auto it = triplet.globalMatch(trouvee.captured(1));
    while (trouvee.hasMatch() && it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        boules.append({m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt()});
    }
    return boules;
}

bool avecPolices()
{
    return qobject_cast<QGuiApplication *>(QCoreApplication::instance()) != nullptr;
}

// The balls' font, registered once whichever thread asks first.
QString familleBoules()
{
    static QMutex verrou;
    static QString famille;
    static bool charge = false;
    QMutexLocker garde(&verrou);
    if (!charge) {
        charge = true;
        const int id = QFontDatabase::addApplicationFont(POLICE_BOULES);
        const QStringList familles = QFontDatabase::applicationFontFamilies(id);
        if (!familles.isEmpty())
            famille = familles.constFirst();
    }
    return famille;
}

void dessinerBoule(QPainter &peintre, const Boule &boule, int numero, const QString &famille)
{
    const QString texte = QString::number(numero);
    peintre.setPen(QPen(FIL, 1.5));
    peintre.drawLine(QPointF(boule.x, 0), QPointF(boule.x, boule.y));
    peintre.setPen(Qt::NoPen);
    peintre.setBrush(QColor(PALETTE[(texte + QLatin1Char('1')).toInt() % 8]));
    peintre.drawEllipse(QPointF(boule.x, boule.y - boule.rayon), boule.rayon / 8.0, boule.rayon / 8.0);
    peintre.setBrush(QColor(PALETTE[numero % 8]));
    peintre.drawEllipse(QPointF(boule.x, boule.y), boule.rayon, boule.rayon);
    if (famille.isEmpty())
        return;
    QFont police(famille);
    police.setBold(true);
    // The page sizes the number in points of the canvas: 4/3 of a unit each.
    police.setPixelSize(boule.rayon * 4 / 3);
    peintre.setFont(police);
    peintre.setPen(Qt::white);
    const QRectF cadre(
        boule.x - boule.rayon * 2, boule.y + 10 - boule.rayon * 2, boule.rayon * 4, boule.rayon * 4);
    peintre.drawText(cadre, Qt::AlignCenter, texte);
}

// The name, white with a dark outline on a translucent band, as large as fits.
void dessinerNom(QPainter &peintre, const QString &nom, const QRectF &bande)
{
    QFont police(QStringLiteral("DejaVu Sans"));
    police.setBold(true);
    qreal taille = 96;
    const qreal largeurMax = bande.width() - 80;
    for (;;) {
        police.setPixelSize(int(taille));
        if (QFontMetricsF(police).horizontalAdvance(nom) <= largeurMax || taille <= 28)
            break;
        taille -= 4;
    }
    const QString texte = QFontMetricsF(police).elidedText(nom, Qt::ElideRight, largeurMax);
    peintre.setPen(Qt::NoPen);
    peintre.setBrush(QColor(27, 27, 27, 150));
    peintre.drawRoundedRect(bande, 24, 24);

    const QFontMetricsF mesures(police);
    QPainterPath chemin;
    const qreal x = bande.center().x() - mesures.horizontalAdvance(texte) / 2;
    const qreal y = bande.center().y() + (mesures.ascent() - mesures.descent()) / 2;
    chemin.addText(QPointF(x, y), police, texte);
    peintre.setPen(QPen(QColor(27, 27, 27), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    peintre.setBrush(Qt::NoBrush);
    peintre.drawPath(chemin);
    peintre.setPen(Qt::NoPen);
    peintre.setBrush(Qt::white);
    peintre.drawPath(chemin);
}

// Pictures painted by earlier runs, kept in the user's cache: a run that generates an
// unchanged calendar then neither paints nor loads the image plugins. A kept picture is
// named after everything it was painted from, the program's own file included, so that
// another build of the program never takes one painted by this one.
const int APERCUS_GARDES = 8;
const QByteArray SIGNATURE_PNG("\x89PNG\r\n\x1a\n", 8);
const QByteArray FIN_PNG("\0\0\0\0IEND\xae\x42\x60\x82", 12);

QString cheminGarde(const QString &nom, int nombre, bool polices)
{
    struct stat programme;
    if (::stat("/proc/self/exe", &programme) != 0)
        return QString();
    const QByteArray cle = QByteArray("1\n") + nom.toUtf8() + '\n' + QByteArray::number(nombre) + '\n'
        + (polices ? "1" : "0") + '\n' + qVersion() + '\n' + QByteArray::number(quint64(programme.st_dev))
        + ' ' + QByteArray::number(quint64(programme.st_ino)) + ' '
        + QByteArray::number(qint64(programme.st_size)) + ' '
        + QByteArray::number(qint64(programme.st_mtim.tv_sec)) + '.'
        + QByteArray::number(qint64(programme.st_mtim.tv_nsec));
    const QString dossier =
        QFileInfo(CacheConversions().getRepertoire()).dir().filePath(QStringLiteral("apercus"));
    return dossier + QLatin1Char('/')
        + QString::fromLatin1(QCryptographicHash::hash(cle, QCryptographicHash::Sha256).toHex().left(40))
        + QStringLiteral(".png");
}

QByteArray lireGarde(const QString &chemin)
{
    QFile fichier(chemin);
    if (chemin.isEmpty() || !fichier.open(QIODevice::ReadOnly))
        return QByteArray();
    const QByteArray octets = fichier.read(16 * 1024 * 1024);
    // One cut short (a disk that filled up) is painted again.
    if (!octets.startsWith(SIGNATURE_PNG) || !octets.endsWith(FIN_PNG))
        return QByteArray();
    // Its time says when it was last used: the oldest go first.
    ::utimensat(AT_FDCWD, QFile::encodeName(chemin).constData(), nullptr, 0);
    return octets;
}

// Best effort: a cache that cannot be written only means painting next time.
void garder(const QString &chemin, const QByteArray &octets)
{
    if (chemin.isEmpty() || !QDir().mkpath(QFileInfo(chemin).path()))
        return;
    EcritureFichier::remplacer(chemin, octets);
    const QFileInfoList gardes =
        QDir(QFileInfo(chemin).path()).entryInfoList({QStringLiteral("*.png")}, QDir::Files, QDir::Time);
    for (int i = APERCUS_GARDES; i < gardes.size(); ++i)
        QFile::remove(gardes.at(i).filePath());
}

} // namespace

QImage ImageApercu::dessiner(QString const &nomCalendrier, int nombre)
{
    QImage image(Format::LARGEUR_APERCU_LIEN, Format::HAUTEUR_APERCU_LIEN, QImage::Format_RGB32);
    image.fill(CIEL);
    QPainter peintre(&image);
    peintre.setRenderHint(QPainter::Antialiasing);
    peintre.setRenderHint(QPainter::TextAntialiasing);
    peintre.setRenderHint(QPainter::SmoothPixmapTransform);

    // The scene fills the height; its sides, wider than the picture, are cut evenly.
    const qreal echelle = qreal(Format::HAUTEUR_APERCU_LIEN) / HAUTEUR_SCENE;
    peintre.save();
    peintre.translate((Format::LARGEUR_APERCU_LIEN - LARGEUR_SCENE * echelle) / 2, 0);
    peintre.scale(echelle, echelle);
    const QImage foret(FORET);
    if (!foret.isNull())
        peintre.drawImage(QPointF(0, HAUT_FORET), foret);
    const bool polices = avecPolices();
    const QString famille = polices ? familleBoules() : QString();
    const QVector<Boule> boules = placesBoules();
    // A shorter calendar shows its own number of balls, the first places of the drawing.
    for (int i = 0; i < boules.size() && i < nombre; ++i)
        dessinerBoule(peintre, boules.at(i), i + 1, famille);
    peintre.restore();

    if (polices && !nomCalendrier.trimmed().isEmpty())
        dessinerNom(
            peintre, nomCalendrier.trimmed(), QRectF(60, 230, Format::LARGEUR_APERCU_LIEN - 120, 170));
    return image;
}

Resultat ImageApercu::ecrire(QString const &nomCalendrier, QString const &chemin, int nombre)
{
    const QByteArray octets = png(nomCalendrier, nombre);
    if (octets.isEmpty())
        return Resultat::echec(Resultat::Cause::FichierInaccessible,
            tr("The link preview picture %1 cannot be encoded as PNG.").arg(Resultat::cheminLisible(chemin)))
            .avecChemin(chemin);
    return EcritureFichier::ecrire(chemin, octets);
}

qint64 ImageApercu::taille(QString const &nomCalendrier, int nombre)
{
    return png(nomCalendrier, nombre).size();
}

QByteArray ImageApercu::png(QString const &nomCalendrier, int nombre)
{
    // The picture depends on nothing else (the scene is the program's own), and painting
    // and encoding it costs more than copying a site's pictures: the last one is kept, so
    // that a generation or an estimate after an edit paints only when the name changed,
    // and earlier runs' are found in the cache.
    static QMutex verrou;
    static QString dernierNom;
    static int dernierNombre = 0;
    static bool dernieresPolices = false;
    static QByteArray dernier;
    QMutexLocker garde(&verrou);
    const bool polices = avecPolices();
    if (dernier.isEmpty() || nomCalendrier != dernierNom || nombre != dernierNombre
        || polices != dernieresPolices) {
        const QString chemin = cheminGarde(nomCalendrier, nombre, polices);
        QByteArray octets = lireGarde(chemin);
        if (octets.isEmpty()) {
            // Encoded in memory: the encoder's own write errors would say nothing of their cause.
            QBuffer tampon(&octets);
            tampon.open(QIODevice::WriteOnly);
            if (!dessiner(nomCalendrier, nombre).save(&tampon, "PNG"))
                return QByteArray();
            garder(chemin, octets);
        }
        dernierNom = nomCalendrier;
        dernierNombre = nombre;
        dernieresPolices = polices;
        dernier = octets;
    }
    return dernier;
}
