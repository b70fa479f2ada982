#include "actions/commandesjours.h"

#include "bureau/boitemessage.h"
#include "document/changementmedias.h"
#include "document/documentcalendrier.h"
#include "fenetres/boutonjour.h"
#include "fenetres/fenetreedition.h"
#include "modele/calendrier.h"
#include "modele/genremedia.h"
#include "modele/media.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QDomDocument>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPixmap>
#include <QUrl>

namespace {
// Days per row of the grid, as the form lays the tiles out.
const int COLONNES_GRILLE = 7;

// What a tile dragged within the window carries: its day number.
const char *const TYPE_JOUR = "application/x-tinselbox-day";

// A media of its own for a step of the history, which takes it over.
Media *copie(const Media *media)
{
    return media != nullptr ? GenreMedia::depuisElement(media->getQDomElement()) : nullptr;
}

// Compared as the project file writes them: a message's text is no location.
QString texteElement(const Media *media)
{
    if (media == nullptr)
        return QString();
    QDomDocument document;
    document.appendChild(document.importNode(media->getQDomElement(), true));
    return document.toString();
}

bool memeMedia(const Media *un, const Media *autre)
{
    return texteElement(un) == texteElement(autre);
}
} // namespace

CommandesJours::CommandesJours(DocumentCalendrier &document, QWidget &fenetre)
    : document(document), fenetre(fenetre)
{}

void CommandesJours::editerJour(BoutonJour *bouton)
{
    const Calendrier *calendrier = document.getCalendrier();
    if (bouton == nullptr || calendrier == nullptr)
        return;
    const int jour = bouton->getNumeroJour();

    // The dialog changes a copy of the day: the change becomes one step of the history.
    Calendrier copie(calendrier->getNom());
    copie.setOptions(calendrier->getOptions());
    if (const Media *media = calendrier->getMedia(jour))
        copie.ajouterMedia(jour, GenreMedia::depuisElement(media->getQDomElement()));
    FenetreEdition dialogue(nullptr);
    dialogue.configurerFenetre(jour, &copie);
    if (dialogue.exec() != QDialog::Accepted)
        return;
    Media *nouveau = copie.getMedia(jour);
    if (memeMedia(nouveau, calendrier->getMedia(jour)))
        return;
    copie.supprimerMedia(jour);
    document.executer(new ChangementMedias(document, {{jour, nouveau}}, ChangementMedias::EDITION, jour));
}

void CommandesJours::viderJour(int jour)
{
    const Calendrier *calendrier = document.getCalendrier();
    if (calendrier == nullptr || calendrier->getMedia(jour) == nullptr)
        return;
    // At once, without a question: undo brings the day back.
    document.executer(new ChangementMedias(document, {{jour, nullptr}}, ChangementMedias::VIDAGE, jour));
}

void CommandesJours::echangerJours(int jour, int autre)
{
    const Calendrier *calendrier = document.getCalendrier();
    if (calendrier == nullptr || jour == autre || !calendrier->getOptions().estJourPublie(jour)
        || !calendrier->getOptions().estJourPublie(autre))
        return;
    const Media *premier = calendrier->getMedia(jour);
    const Media *second = calendrier->getMedia(autre);
    if (premier == nullptr && second == nullptr)
        return;
    auto *etape = new ChangementMedias(
        document, {{jour, copie(second)}, {autre, copie(premier)}}, ChangementMedias::DEPOT, autre);
    etape->setText(second == nullptr ? tr("Move day %1 to day %2").arg(jour).arg(autre)
                                     : tr("Swap days %1 and %2").arg(jour).arg(autre));
    document.executer(etape);
}

bool CommandesJours::touche(BoutonJour *bouton, const QKeyEvent &evenement)
{
    // Ctrl+Shift with an arrow takes the day along: swapped with its neighbour, and the
    // focus follows it.
    if (evenement.modifiers() == (Qt::ControlModifier | Qt::ShiftModifier)) {
        const QMap<int, QPoint> pas{{Qt::Key_Left, QPoint(-1, 0)}, {Qt::Key_Right, QPoint(1, 0)},
            {Qt::Key_Up, QPoint(0, -1)}, {Qt::Key_Down, QPoint(0, 1)}};
        if (!pas.contains(evenement.key()))
            return false;
        const QPoint direction = pas.value(evenement.key());
        if (BoutonJour *cible = voisine(bouton, direction.x(), direction.y())) {
            echangerJours(bouton->getNumeroJour(), cible->getNumeroJour());
            cible->setFocus(Qt::TabFocusReason);
        }
        return true;
    }
    // Space stays the button's own: it opens the day when the key goes up.
    switch (evenement.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        editerJour(bouton);
        return true;
    case Qt::Key_Delete:
        viderJour(bouton->getNumeroJour());
        return true;
    case Qt::Key_Left:
        deplacerFocus(bouton, -1, 0);
        return true;
    case Qt::Key_Right:
        deplacerFocus(bouton, 1, 0);
        return true;
    case Qt::Key_Up:
        deplacerFocus(bouton, 0, -1);
        return true;
    case Qt::Key_Down:
        deplacerFocus(bouton, 0, 1);
        return true;
    default:
        return false;
    }
}

BoutonJour *CommandesJours::voisine(BoutonJour *bouton, int colonnes, int lignes) const
{
    auto *grille = fenetre.findChild<QGridLayout *>(QStringLiteral("grille_BoutonJour"));
    const int index = grille != nullptr ? grille->indexOf(bouton) : -1;
    if (index < 0)
        return nullptr;
    // Left and right run on across rows, as reading does; up and down stop at the edges.
    const int cible = index + colonnes + lignes * COLONNES_GRILLE;
    if (cible < 0 || cible >= grille->count())
        return nullptr;
    // Days beyond the calendar's length have hidden tiles.
    auto *tuile = qobject_cast<BoutonJour *>(grille->itemAt(cible)->widget());
    return tuile != nullptr && !tuile->isHidden() ? tuile : nullptr;
}

void CommandesJours::deplacerFocus(BoutonJour *bouton, int colonnes, int lignes)
{
    if (BoutonJour *tuile = voisine(bouton, colonnes, lignes))
        tuile->setFocus(Qt::TabFocusReason);
}

bool CommandesJours::glisserTuile(BoutonJour *bouton, QEvent *evenement)
{
    if (evenement->type() == QEvent::MouseButtonPress) {
        const auto *souris = static_cast<QMouseEvent *>(evenement);
        boutonEnfonce = souris->button() == Qt::LeftButton;
        departGlisser = souris->pos();
        return false;
    }
    if (evenement->type() == QEvent::MouseButtonRelease) {
        boutonEnfonce = false;
        return false;
    }
    if (evenement->type() != QEvent::MouseMove || !boutonEnfonce)
        return false;
    const auto *souris = static_cast<QMouseEvent *>(evenement);
    const Calendrier *calendrier = document.getCalendrier();
    if ((souris->pos() - departGlisser).manhattanLength() < QApplication::startDragDistance()
        || calendrier == nullptr || calendrier->getMedia(bouton->getNumeroJour()) == nullptr)
        return false;
    boutonEnfonce = false;
    auto *donnees = new QMimeData;
    donnees->setData(QString::fromLatin1(TYPE_JOUR), QByteArray::number(bouton->getNumeroJour()));
    auto *glisser = new QDrag(bouton);
    glisser->setMimeData(donnees);
    const QPixmap image = bouton->grab();
    glisser->setPixmap(image.scaledToWidth(std::max(1, image.width() * 2 / 3), Qt::SmoothTransformation));
    glisser->setHotSpot(souris->pos() * 2 / 3);
    // The press is the drag's, not a click: the tile must not open its day when it ends.
    bouton->setDown(false);
    glisser->exec(Qt::MoveAction);
    return true;
}

bool CommandesJours::accepterGlisserJour(QDragEnterEvent *event) const
{
    if (!event->mimeData()->hasFormat(QString::fromLatin1(TYPE_JOUR)) || document.getCalendrier() == nullptr)
        return false;
    event->setDropAction(Qt::MoveAction);
    event->accept();
    return true;
}

bool CommandesJours::deposerJour(QDropEvent *event)
{
    if (!event->mimeData()->hasFormat(QString::fromLatin1(TYPE_JOUR)))
        return false;
    const int jour = event->mimeData()->data(QString::fromLatin1(TYPE_JOUR)).toInt();
    auto *cible = qobject_cast<BoutonJour *>(fenetre.childAt(event->pos()));
    event->setDropAction(Qt::MoveAction);
    event->accept();
    if (cible != nullptr && !cible->isHidden())
        echangerJours(jour, cible->getNumeroJour());
    return true;
}

void CommandesJours::afficherMenuTuile(BoutonJour *bouton, const QPoint &position)
{
    if (document.getCalendrier() == nullptr)
        return;
    const int jour = bouton->getNumeroJour();
    const Media *media = document.getCalendrier()->getMedia(jour);
    const bool avecFichier = media != nullptr && !media->getUrl().isEmpty();

    QMenu menu(&fenetre);
    menu.setObjectName(QStringLiteral("menu_tuile"));
    menu.addAction(tr("Edit..."), &fenetre, [this, bouton] { editerJour(bouton); });
    menu.addAction(tr("Clear day"), &fenetre, [this, jour] { viderJour(jour); })
        ->setEnabled(media != nullptr);
    menu.addAction(tr("Show in folder"), &fenetre, [this, jour] { afficherDansDossier(jour); })
        ->setEnabled(avecFichier && QFileInfo(media->getUrl()).absoluteDir().exists());
    menu.addSeparator();
    if (auto *importer = fenetre.findChild<QAction *>(QStringLiteral("action_importer")))
        menu.addAction(importer);
    menu.exec(bouton->mapToGlobal(position));
}

void CommandesJours::afficherDansDossier(int jour)
{
    const Media *media =
        document.getCalendrier() != nullptr ? document.getCalendrier()->getMedia(jour) : nullptr;
    if (media == nullptr)
        return;
    // The desktop opens folders, not a file selected inside one, on every platform.
    const QString dossier = QFileInfo(media->getUrl()).absolutePath();
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(dossier)))
        BoiteMessage::avertir(
            &fenetre, tr("The folder %1 cannot be shown.").arg(QDir::toNativeSeparators(dossier)));
}
