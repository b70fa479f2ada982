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
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QUrl>

namespace {
// Days per row of the grid, as the form lays the tiles out.
const int COLONNES_GRILLE = 7;

bool memeMedia(const Media *un, const Media *autre)
{
    if (un == nullptr || autre == nullptr)
        return un == autre;
    return un->getType() == autre->getType() && un->getUrl() == autre->getUrl();
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

bool CommandesJours::touche(BoutonJour *bouton, const QKeyEvent &evenement)
{
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

void CommandesJours::deplacerFocus(BoutonJour *bouton, int colonnes, int lignes)
{
    auto *grille = fenetre.findChild<QGridLayout *>(QStringLiteral("grille_BoutonJour"));
    const int index = grille != nullptr ? grille->indexOf(bouton) : -1;
    if (index < 0)
        return;
    // Left and right run on across rows, as reading does; up and down stop at the edges.
    const int cible = index + colonnes + lignes * COLONNES_GRILLE;
    if (cible < 0 || cible >= grille->count())
        return;
    // Days beyond the calendar's length have hidden tiles.
    auto *tuile = qobject_cast<BoutonJour *>(grille->itemAt(cible)->widget());
    if (tuile != nullptr && !tuile->isHidden())
        tuile->setFocus(Qt::TabFocusReason);
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
