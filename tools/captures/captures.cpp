// Renders the editor's windows offscreen with QWidget::grab, so the pictures
// of the documentation can be made again whenever a window changes.
//
//   captures <directory> [name...]
//
// Names: main-window, main-window-calendar, main-window-de, new-project, folder-import, calendar-24-days, day-edit,
// day-edit-message, calendar-options, share, share-card (all when none is given; the card needs
// pdftoppm). Each picture is written as <directory>/<name>.png.

#include "actions/importfichiers.h"
#include "bureau/traduction.h"
#include "conversion/fabriquevignettes.h"
#include "fenetres/fenetreedition.h"
#include "fenetres/fenetrenouveau.h"
#include "fenetres/fenetreoptions.h"
#include "fenetres/fenetrepartage.h"
#include "fenetres/fenetreprincipale.h"
#include "fenetres/tuilesjours.h"
#include "modele/calendrier.h"
#include "modele/image.h"
#include "modele/message.h"
#include "modele/projet.h"
#include "modele/son.h"
#include "modele/video.h"
#include "site/cartepartage.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QImage>
#include <QLineEdit>
#include <QLinearGradient>
#include <QMap>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <functional>
#include <memory>

namespace {

// Media files of the sample calendar live in a temporary directory; their
// names are what the tiles show.
struct Echantillons {
    QTemporaryDir dossier;

    QString chemin(const QString &nom) const
    {
        return dossier.filePath(nom);
    }

    QString photo() const
    {
        return chemin(QStringLiteral("market-lights.png"));
    }
    QString musique() const
    {
        return chemin(QStringLiteral("sleigh-bells-in-the-snow.ogg"));
    }
    QString video() const
    {
        return chemin(QStringLiteral("first-snow.webm"));
    }

    bool preparer() const
    {
        if (!dossier.isValid() || !dessinerPhoto(photo()))
            return false;
        // Sizes of an ordinary song and a short clip, so the size text looks plausible.
        return remplir(musique(), 3200000) && remplir(video(), 8400000);
    }

    static bool remplir(const QString &chemin, qint64 taille)
    {
        QFile fichier(chemin);
        return fichier.open(QIODevice::WriteOnly) && fichier.resize(taille);
    }

    // A night market under a string of lights, drawn so the preview has a picture to show;
    // each `variante` has a sky of its own, as the photos of different evenings.
    static bool dessinerPhoto(const QString &chemin, int variante = 0)
    {
        QImage image(640, 400, QImage::Format_RGB32);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient ciel(0, 0, 0, 400);
        ciel.setColorAt(0, QColor::fromHsv((230 + variante * 47) % 360, 180, 70 + (variante % 3) * 40));
        ciel.setColorAt(1, QColor::fromHsv((260 + variante * 47) % 360, 110, 110 + (variante % 4) * 30));
        p.fillRect(image.rect(), ciel);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(235, 240, 250));
        p.drawRect(0, 330, 640, 70);
        for (int i = 0; i < 4; ++i) {
            const int x = 40 + i * 150;
            p.setBrush(QColor(120, 60, 40));
            p.drawRect(x, 250, 110, 80);
            QPainterPath toit;
            toit.moveTo(x - 12, 252);
            toit.lineTo(x + 55, 205);
            toit.lineTo(x + 122, 252);
            toit.closeSubpath();
            p.setBrush(QColor(245, 245, 255));
            p.drawPath(toit);
            p.setBrush(QColor(255, 200, 90));
            p.drawRect(x + 20, 270, 70, 30);
        }
        QPen fil(QColor(40, 40, 40), 2);
        p.setPen(fil);
        p.setBrush(Qt::NoBrush);
        QPainterPath guirlande;
        guirlande.moveTo(0, 90);
        guirlande.quadTo(160, 170, 320, 100);
        guirlande.quadTo(480, 30, 640, 120);
        p.drawPath(guirlande);
        p.setPen(Qt::NoPen);
        const QColor couleurs[] = {
            QColor(255, 90, 70), QColor(255, 210, 80), QColor(120, 220, 140), QColor(110, 170, 255)};
        for (int i = 1; i < 24; ++i) {
            const QPointF point = guirlande.pointAtPercent(i / 24.0);
            p.setBrush(couleurs[i % 4]);
            p.drawEllipse(point + QPointF(0, 8), 7, 7);
        }
        p.end();
        return image.save(chemin);
    }
};

QString texteExemple()
{
    return QStringLiteral("Dear Ann,\n\nLook behind the blue teapot in the kitchen: "
                          "something there has your name on it.\n\nLove, Dad");
}

Calendrier *creerCalendrierExemple(const Echantillons &echantillons)
{
    auto *calendrier = new Calendrier(QStringLiteral("Advent2026"));
    calendrier->ajouterMedia(1, new Image(echantillons.photo()));
    calendrier->ajouterMedia(6, new Son(echantillons.musique()));
    calendrier->ajouterMedia(13, new Video(echantillons.video()));
    calendrier->ajouterMedia(20, new Message(texteExemple()));
    return calendrier;
}

QPixmap saisir(QWidget &fenetre)
{
    fenetre.show();
    QApplication::processEvents();
    // The tiles' thumbnails are made in the background: the picture waits for them.
    if (auto *tuiles = fenetre.findChild<TuilesJours *>()) {
        while (tuiles->getFabrique().occupee())
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        QApplication::processEvents();
    }
    return fenetre.grab();
}

QPixmap fenetrePrincipale(bool avecCalendrier, const Echantillons &echantillons)
{
    FenetrePrincipale fenetre;
    if (avecCalendrier) {
        fenetre.afficherCalendrier(creerCalendrierExemple(echantillons));
        fenetre.setUrlCalendrier(echantillons.chemin(QStringLiteral("Advent2026.xml")));
    }
    return saisir(fenetre);
}

// A folder of 24 numbered media, as a user gathers them, dropped on the grid at once.
QPixmap importDossier(const Echantillons &echantillons)
{
    const QStringList noms{"market-lights.png", "sleigh-bells.wav", "first-snow.mp4", "gingerbread.png",
        "carol-singers.wav", "skating-rink.mp4", "frosty-window.png", "church-bells.wav",
        "snowball-fight.mp4", "advent-wreath.png", "jingle-waltz.wav", "tree-lighting.mp4",
        "lantern-walk.png", "hot-chocolate.png", "choir-rehearsal.wav", "sledging.mp4", "paper-stars.png",
        "music-box.wav", "reindeer-farm.mp4", "mistletoe.png", "winter-solstice.png", "night-before.wav",
        "wrapping-paper.png", "christmas-eve.mp4"};
    const QDir dossier(echantillons.chemin(QStringLiteral("advent-media")));
    QDir().mkpath(dossier.path());
    for (int i = 0; i < noms.size(); ++i) {
        const QString chemin =
            dossier.filePath(QStringLiteral("%1-%2").arg(i + 1, 2, 10, QLatin1Char('0')).arg(noms.at(i)));
        // Only the first bytes matter: the kind is read from them.
        QFile fichier(chemin);
        if (!fichier.open(QIODevice::WriteOnly))
            continue;
        if (chemin.endsWith(QLatin1String(".png")))
            fichier.write(QByteArray("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16) + QByteArray(17, '\0'));
        else if (chemin.endsWith(QLatin1String(".wav")))
            fichier.write(QByteArray("RIFF\x24\0\0\0WAVEfmt ", 16) + QByteArray(28, '\0'));
        else
            fichier.write(QByteArray("\0\0\0\x18"
                                     "ftypisom\0\0\0\0isommp41",
                              24)
                + QByteArray(16, '\0'));
    }

    FenetrePrincipale fenetre;
    fenetre.setUrlCalendrier(echantillons.chemin(QStringLiteral("Advent2026.xml")));
    fenetre.afficherCalendrier(new Calendrier(QStringLiteral("Advent2026")));
    fenetre.resize(1000, 640);
    ImportFichiers(fenetre.getDocument(), fenetre).importerFichiers({dossier.path()});
    return saisir(fenetre);
}

// Advent from 1 December every year: 24 tiles with their dates, most of them photos.
QPixmap calendrierVingtQuatreJours(const Echantillons &echantillons)
{
    auto *calendrier = new Calendrier(QStringLiteral("Advent2026"));
    OptionsCalendrier options;
    options.jours = 24;
    options.debut = QStringLiteral("12-01");
    options.melange = true;
    calendrier->setOptions(options);
    for (int jour = 1; jour <= 24; ++jour) {
        const QString photo = echantillons.chemin(QStringLiteral("IMG_%1.png").arg(2040 + jour));
        if (jour % 6 != 0 && Echantillons::dessinerPhoto(photo, jour))
            calendrier->ajouterMedia(jour, new Image(photo));
    }
    calendrier->ajouterMedia(6, new Son(echantillons.musique()));
    calendrier->ajouterMedia(12, new Video(echantillons.video()));
    calendrier->ajouterMedia(18, new Message(texteExemple()));
    calendrier->ajouterMedia(
        24, new Message(QStringLiteral("Merry Christmas! The last present is under the tree.")));
    FenetrePrincipale fenetre;
    fenetre.afficherCalendrier(calendrier);
    fenetre.setUrlCalendrier(echantillons.chemin(QStringLiteral("Advent2026.xml")));
    return saisir(fenetre);
}

QPixmap nouveauProjet(const Echantillons &)
{
    Projet projet{QString(), QString()};
    FenetreNouveau fenetre(projet, nullptr);
    if (auto *nom = fenetre.findChild<QLineEdit *>(QStringLiteral("champ_nom")))
        nom->setText(QStringLiteral("Advent2026"));
    fenetre.setUrl(QStringLiteral("/home/alice/Calendars"));
    return saisir(fenetre);
}

QPixmap editionJour(const Echantillons &echantillons)
{
    Calendrier calendrier(QStringLiteral("Advent2026"));
    calendrier.ajouterMedia(1, new Image(echantillons.photo()));
    FenetreEdition fenetre(nullptr);
    // Shown first so the preview is scaled to the label's final size.
    fenetre.show();
    QApplication::processEvents();
    fenetre.configurerFenetre(1, &calendrier);
    // The sample lives in a temporary directory; show the kind of path a user has.
    fenetre.afficherDansChampUrl(QStringLiteral("/home/alice/Pictures/market-lights.png"));
    return saisir(fenetre);
}

QPixmap editionMessage(const Echantillons &)
{
    Calendrier calendrier(QStringLiteral("Advent2026"));
    calendrier.ajouterMedia(20, new Message(texteExemple()));
    FenetreEdition fenetre(nullptr);
    fenetre.configurerFenetre(20, &calendrier);
    return saisir(fenetre);
}

QPixmap optionsCalendrier(const Echantillons &)
{
    Calendrier calendrier(QStringLiteral("Advent2026"));
    OptionsCalendrier options;
    options.rattrapage = true;
    options.mois = 12;
    options.fuseau = QStringLiteral("Europe/Paris");
    calendrier.setOptions(options);
    FenetreOptions fenetre(nullptr);
    fenetre.configurerFenetre(&calendrier);
    return saisir(fenetre);
}

Calendrier *calendrierPublie()
{
    auto *calendrier = new Calendrier(QStringLiteral("Advent2026"));
    OptionsCalendrier options;
    options.adresse = QStringLiteral("https://example.org/advent/");
    calendrier->setOptions(options);
    return calendrier;
}

QPixmap partage(const Echantillons &)
{
    const std::unique_ptr<Calendrier> calendrier(calendrierPublie());
    FenetrePartage fenetre(nullptr);
    fenetre.configurerFenetre(calendrier.get());
    return saisir(fenetre);
}

// The printed card as a PDF reader shows it, rendered by pdftoppm.
QPixmap cartePartage(const Echantillons &echantillons)
{
    const std::unique_ptr<Calendrier> calendrier(calendrierPublie());
    const QString pdf = echantillons.chemin(QStringLiteral("card.pdf"));
    const QString image = echantillons.chemin(QStringLiteral("card"));
    if (!CartePartage::ecrire(*calendrier, pdf)
        || QProcess::execute(QStringLiteral("pdftoppm"),
               {QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-png"),
                   QStringLiteral("-singlefile"), pdf, image})
            != 0)
        return QPixmap();
    return QPixmap(image + QStringLiteral(".png"));
}

} // namespace

int main(int argc, char *argv[])
{
    Q_INIT_RESOURCE(gui);
    Q_INIT_RESOURCE(ressources);
    QApplication application(argc, argv);
    // Offscreen the default font is 12 points and the fixed-pitch font falls back
    // to it; the desktop default of 9 points makes the pictures look as on a desktop.
    QFont police = QApplication::font();
    police.setPointSize(9);
    QApplication::setFont(police);

    QStringList arguments = QApplication::arguments().mid(1);
    QTextStream erreur(stderr);
    if (arguments.isEmpty()) {
        erreur << "usage: captures <directory> "
                  "[main-window|main-window-calendar|main-window-de|new-project|folder-import|calendar-24-"
                  "days|day-edit|"
                  "day-edit-message|calendar-options|share|share-card]...\n";
        return 2;
    }
    const QDir destination(arguments.takeFirst());
    if (!QDir().mkpath(destination.path())) {
        erreur << "cannot create " << destination.path() << "\n";
        return 1;
    }

    Echantillons echantillons;
    if (!echantillons.preparer()) {
        erreur << "cannot prepare the sample media\n";
        return 1;
    }

    const QMap<QString, std::function<QPixmap()>> captures{
        {QStringLiteral("main-window"), [&] { return fenetrePrincipale(false, echantillons); }},
        {QStringLiteral("main-window-calendar"), [&] { return fenetrePrincipale(true, echantillons); }},
        {QStringLiteral("main-window-de"),
            [&] {
                // The editor in German, its dates written the German way ("Di., 1. Dez."); the
                // other pictures stay in English.
                Traduction::installer(QStringLiteral("de"));
                const QPixmap image = calendrierVingtQuatreJours(echantillons);
                Traduction::installer(QStringLiteral("en"));
                return image;
            }},
        {QStringLiteral("new-project"), [&] { return nouveauProjet(echantillons); }},
        {QStringLiteral("folder-import"), [&] { return importDossier(echantillons); }},
        {QStringLiteral("calendar-24-days"), [&] { return calendrierVingtQuatreJours(echantillons); }},
        {QStringLiteral("day-edit"), [&] { return editionJour(echantillons); }},
        {QStringLiteral("day-edit-message"), [&] { return editionMessage(echantillons); }},
        {QStringLiteral("calendar-options"), [&] { return optionsCalendrier(echantillons); }},
        {QStringLiteral("share"), [&] { return partage(echantillons); }},
        {QStringLiteral("share-card"), [&] { return cartePartage(echantillons); }},
    };
    if (arguments.isEmpty())
        arguments = captures.keys();

    int resultat = 0;
    for (const QString &nom : qAsConst(arguments)) {
        if (!captures.contains(nom)) {
            erreur << "unknown picture: " << nom << "\n";
            resultat = 1;
            continue;
        }
        const QString chemin = destination.filePath(nom + QStringLiteral(".png"));
        if (!captures.value(nom)().save(chemin)) {
            erreur << "cannot write " << chemin << "\n";
            resultat = 1;
        }
    }
    return resultat;
}
