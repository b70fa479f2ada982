#include "actions/importfichiers.h"

#include "bureau/boitemessage.h"
#include "bureau/choixfichier.h"
#include "bureau/parametres.h"
#include "document/changementmedias.h"
#include "document/documentcalendrier.h"
#include "fenetres/boutonjour.h"
#include "fichierprojet/gardexml.h"
#include "modele/calendrier.h"
#include "modele/genremedia.h"
#include "modele/message.h"
#include "modele/projet.h"
#include "modele/repartitionjours.h"
#include "site/generationsite.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMap>
#include <QMimeData>
#include <QMimeDatabase>
#include <QPointer>
#include <QSet>
#include <QUrl>

ImportFichiers::ImportFichiers(DocumentCalendrier &document, QWidget &fenetre)
    : document(document), fenetre(fenetre)
{}

Media *ImportFichiers::creerMedia(const GenreMedia &genre, const QString &chemin)
{
    if (genre.avecFichier)
        return genre.creer(QFileInfo(chemin).absoluteFilePath());

    // A message is the file's text; one that the day dialog would refuse is refused here too.
    QFile fichier(chemin);
    QString texte;
    if (fichier.open(QIODevice::ReadOnly))
        texte = QString::fromUtf8(fichier.read(8 * Message::LONGUEUR_MAXIMALE + 1));
    if (texte.endsWith(QLatin1Char('\n')))
        texte.chop(1);
    const QString nom = QDir::toNativeSeparators(chemin);
    if (!fichier.isOpen() || texte.trimmed().isEmpty()) {
        BoiteMessage::avertir(&fenetre, tr("This text file is empty or cannot be read:\n%1").arg(nom));
        return nullptr;
    }
    if (texte.toUcs4().size() > Message::LONGUEUR_MAXIMALE
        || GardeXml::positionCaractereInterdit(texte) >= 0) {
        BoiteMessage::avertir(&fenetre,
            tr("A message holds at most %1 characters of plain text; this file cannot become one:\n%2")
                .arg(Message::LONGUEUR_MAXIMALE)
                .arg(nom));
        return nullptr;
    }
    return genre.creer(texte);
}

bool ImportFichiers::donnerFichierAuJour(int jour, const QString &chemin)
{
    if (document.getCalendrier() == nullptr)
        return false;
    const GenreMedia *genre = GenreMedia::pourContenu(chemin);
    if (genre == nullptr) {
        BoiteMessage::avertir(&fenetre,
            tr("The content of this file is of no kind a day can hold:\n%1")
                .arg(QDir::toNativeSeparators(chemin)));
        return false;
    }
    Media *media = creerMedia(*genre, chemin);
    if (media == nullptr)
        return false;
    document.executer(new ChangementMedias(document, {{jour, media}}, ChangementMedias::DEPOT, jour));
    return true;
}

void ImportFichiers::importerFichiers(const QStringList &chemins)
{
    const Calendrier *calendrier = document.getCalendrier();
    if (calendrier == nullptr)
        return;

    QStringList fichiers;
    for (const QString &chemin : chemins) {
        const QFileInfo info(chemin);
        if (!info.isDir()) {
            fichiers << chemin;
            continue;
        }
        const QDir dossier(chemin);
        for (const QString &nom : dossier.entryList(QDir::Files))
            fichiers << dossier.filePath(nom);
    }

    QStringList inconnus;
    QMap<QString, const GenreMedia *> genres;
    for (const QString &fichier : qAsConst(fichiers)) {
        const GenreMedia *genre = GenreMedia::pourContenu(fichier);
        if (genre != nullptr)
            genres.insert(fichier, genre);
        else
            inconnus << QFileInfo(fichier).fileName();
    }

    QSet<int> occupes;
    const QMap<int, Media *> &contenu = calendrier->getContenuConstant();
    for (auto it = contenu.constBegin(); it != contenu.constEnd(); ++it)
        occupes.insert(it.key());
    QStringList sansJour;
    QMap<int, QString> repartition = RepartitionJours::repartir(genres.keys(), occupes, &sansJour);
    // Days beyond the calendar's length have no tile: their files find no day.
    for (auto it = repartition.begin(); it != repartition.end();) {
        if (calendrier->getOptions().estJourPublie(it.key())) {
            ++it;
        } else {
            sansJour << it.value();
            it = repartition.erase(it);
        }
    }

    QStringList remplaces;
    for (auto it = repartition.constBegin(); it != repartition.constEnd(); ++it) {
        if (occupes.contains(it.key()))
            remplaces << QString::number(it.key());
    }
    // No keeps those days as they are; the other days still get their files. The files
    // kept out so are the user's choice, not a failure to report.
    if (!remplaces.isEmpty()
        && BoiteMessage::question(&fenetre,
               tr("These days already hold a media: %1. \nReplace them?")
                   .arg(remplaces.join(QStringLiteral(", "))),
               QMessageBox::No)
            != QMessageBox::Yes) {
        for (const QString &jour : qAsConst(remplaces))
            repartition.remove(jour.toInt());
    }

    // A file that cannot become a media (said already) leaves its day as it was.
    QMap<int, Media *> medias;
    for (auto it = repartition.constBegin(); it != repartition.constEnd(); ++it) {
        if (Media *media = creerMedia(*genres.value(it.value()), it.value()))
            medias.insert(it.key(), media);
    }
    if (!medias.isEmpty())
        document.executer(new ChangementMedias(document, medias, ChangementMedias::IMPORT));

    if (repartition.isEmpty() && remplaces.isEmpty() && inconnus.isEmpty() && sansJour.isEmpty()) {
        BoiteMessage::avertir(&fenetre, tr("No media file was found to import."));
        return;
    }
    QStringList resume;
    QStringList listes;
    if (!sansJour.isEmpty()) {
        for (QString &nom : sansJour)
            nom = QFileInfo(nom).fileName();
        resume << tr("Files given no day: %1.").arg(sansJour.size());
        listes << tr("These files were given no day:\n%1").arg(sansJour.join(QLatin1Char('\n')));
    }
    if (!inconnus.isEmpty()) {
        resume << tr("Files of no kind a day can hold, left out: %1.").arg(inconnus.size());
        listes << tr("These files are of no kind a day can hold and were left out:\n%1")
                      .arg(inconnus.join(QLatin1Char('\n')));
    }
    if (!listes.isEmpty())
        BoiteMessage::avertirAvecDetails(
            &fenetre, resume.join(QLatin1Char('\n')), listes.join(QStringLiteral("\n\n")));
}

void ImportFichiers::importerDossier()
{
    if (document.getCalendrier() == nullptr)
        return;
    // The media folder is where the user goes next, not its parent.
    const QString dossier =
        ChoixFichier::choisirDossier(&fenetre, tr("Select a folder to import"), Parametres::MEDIAS);
    if (!dossier.isEmpty())
        importerFichiers({dossier});
}

QStringList ImportFichiers::cheminsDeposes(const QMimeData *donnees)
{
    QStringList chemins;
    if (donnees == nullptr || !donnees->hasUrls())
        return chemins;
    for (const QUrl &url : donnees->urls()) {
        if (url.isLocalFile())
            chemins << url.toLocalFile();
    }
    return chemins;
}

bool ImportFichiers::estFichierProjet(const QString &chemin)
{
    const QFileInfo info(chemin);
    if (!info.isFile())
        return false;
    // The project extension decides first: XML is also text, which a kind may claim.
    if (info.suffix().compare(Projet::EXTENSION.mid(1), Qt::CaseInsensitive) == 0)
        return true;
    // Otherwise XML that no kind claims (a picture in XML, SVG, is a media).
    return GenreMedia::pourContenu(chemin) == nullptr
        && QMimeDatabase().mimeTypeForFile(chemin).inherits(QStringLiteral("application/xml"));
}

void ImportFichiers::accepterGlisser(QDragEnterEvent *event) const
{
    const QStringList chemins = cheminsDeposes(event->mimeData());
    // Media need a calendar to go to; a project file opens one.
    if (!chemins.isEmpty() && (document.getCalendrier() != nullptr || chemins.size() == 1))
        event->acceptProposedAction();
}

void ImportFichiers::deposer(QDropEvent *event)
{
    const QStringList chemins = cheminsDeposes(event->mimeData());
    if (chemins.isEmpty())
        return;
    event->acceptProposedAction();
    QPointer<BoutonJour> cible = qobject_cast<BoutonJour *>(fenetre.childAt(event->pos()));

    // Acted on once the drop has returned: a question asked inside it would hold the
    // file manager's drag until answered.
    QMetaObject::invokeMethod(
        &fenetre,
        [this, chemins, cible] {
            if (chemins.size() == 1 && estFichierProjet(chemins.constFirst())) {
                document.demanderOuverture(chemins.constFirst());
                return;
            }
            if (chemins.size() == 1 && cible != nullptr && !QFileInfo(chemins.constFirst()).isDir())
                donnerFichierAuJour(cible->getNumeroJour(), chemins.constFirst());
            else
                importerFichiers(chemins);
        },
        Qt::QueuedConnection);
}
