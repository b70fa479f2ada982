#include "actions/commandesgeneration.h"

#include "bureau/boitemessage.h"
#include "bureau/choixfichier.h"
#include "bureau/motdepasseprive.h"
#include "bureau/parametres.h"
#include "conversion/planconversions.h"
#include "document/documentcalendrier.h"
#include "fenetres/fenetrepartage.h"
#include "format/format.h"
#include "format/resultat.h"
#include "generation/generateur.h"
#include "modele/calendrier.h"
#include "site/generationsite.h"
#include "site/politiquesortie.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QPointer>
#include <QProgressDialog>
#include <QUrl>
#include <QVariant>

#include <utility>

namespace {
// Marks a worker whose run the user stopped: its result, even one already on its way,
// is not shown. Its own interruption flag cannot tell once its thread has ended.
const char *const GENERATION_ABANDONNEE = "generationAbandonnee";

QList<Generateur *> generateurs(const QWidget &fenetre)
{
    return fenetre.findChildren<Generateur *>(QString(), Qt::FindDirectChildrenOnly);
}
} // namespace

CommandesGeneration::CommandesGeneration(
    DocumentCalendrier &document, QWidget &fenetre, std::function<void()> finArret)
    : document(document), fenetre(fenetre), finArret(std::move(finArret))
{}

QString CommandesGeneration::listerMediasIntrouvables() const
{
    if (document.getCalendrier() == nullptr)
        return QString();
    const QMap<int, QString> introuvables = GenerationSite::mediasIntrouvables(*document.getCalendrier());
    if (introuvables.isEmpty())
        return QString();
    QString texte = introuvables.size() == 1 ? tr("1 media file cannot be found:")
                                             : tr("%1 media files cannot be found:").arg(introuvables.size());
    for (auto it = introuvables.constBegin(); it != introuvables.constEnd(); ++it)
        texte += QLatin1Char('\n') + tr("Day %1: %2").arg(it.key()).arg(it.value());
    return texte;
}

bool CommandesGeneration::refuserMediasIntrouvables()
{
    const QString liste = listerMediasIntrouvables();
    if (liste.isEmpty())
        return false;
    BoiteMessage::avertir(
        &fenetre, liste, tr("Choose these files again or clear their days, then try again."));
    return true;
}

void CommandesGeneration::apercu(QDateTime const &instant)
{
    if (document.getCalendrier() == nullptr || refuserMediasIntrouvables())
        return;

    const QString repertoire =
        QDir(QFileInfo(document.getChemin()).path()).filePath(Format::REPERTOIRE_APERCU);
    if (refuserRepertoireSortie(repertoire))
        return;
    // A "tmp" left by an earlier preview is replaced silently; anything else there is the
    // user's own and is not erased without asking.
    if (!PolitiqueSortie::estVideOuSiteGenere(repertoire) && !confirmerEffacement(repertoire))
        return;
    instantApercu = instant;
    lancerLaGeneration(repertoire, true);
    instantApercu = QDateTime();
}

void CommandesGeneration::generer()
{
    if (document.getCalendrier() == nullptr || refuserMediasIntrouvables())
        return;

    const QString repertoire =
        ChoixFichier::choisirDossier(&fenetre, tr("Select the generation directory"), Parametres::SORTIE);
    if (repertoire.isEmpty())
        return;

    if (refuserRepertoireSortie(repertoire) || !confirmerEffacement(repertoire))
        return;
    lancerLaGeneration(repertoire, false);
}

bool CommandesGeneration::refuserRepertoireSortie(const QString &repertoire)
{
    const Resultat refus =
        PolitiqueSortie::controler(repertoire, document.getChemin(), *document.getCalendrier());
    if (refus)
        return false;
    BoiteMessage::avertir(&fenetre, refus.getMessage());
    return true;
}

bool CommandesGeneration::confirmerEffacement(const QString &repertoire)
{
    const bool oui = BoiteMessage::question(&fenetre,
                         tr("This action will erase all the contents of the directory %1\nGenerate anyway?")
                             .arg(repertoire))
        != QMessageBox::No;
    // The yes holds for the directory seen now, not for whatever takes its name later.
    if (oui)
        PolitiqueSortie::accepterEffacement(repertoire);
    return oui;
}

void CommandesGeneration::ouvrirPage(const QString &repertoireSortie)
{
    // Absolute, so that the browser finds it whatever its own working directory.
    const QString page = QFileInfo(QDir(repertoireSortie).filePath(Format::PAGE)).absoluteFilePath();
    QDesktopServices::openUrl(QUrl::fromLocalFile(page));
}

void CommandesGeneration::afficherResultat(
    const Resultat &resultat, const QString &repertoireSortie, bool apercu, const QString &avis)
{
    if (!resultat) {
        document.signalerEchec(Resultat::echec(resultat.getCause(), tr("Error generating the calendar."))
                                   .avecRaison(resultat.getMessage()));
        return;
    }
    if (apercu) {
        ouvrirPage(repertoireSortie);
        return;
    }
    // A calendar published at an address can be handed on from here.
    const Calendrier *calendrier = document.getCalendrier();
    const bool partageable = calendrier != nullptr && !calendrier->getOptions().adresse.isEmpty();
    // Said with the outcome, once: what went out unconverted for want of ffmpeg.
    const QList<int> nonConvertis =
        calendrier != nullptr ? PlanConversions::joursNonConvertis(*calendrier) : QList<int>();
    QString texte = tr("Generating the calendar successfully in %1").arg(repertoireSortie);
    if (!nonConvertis.isEmpty())
        texte += QStringLiteral("\n\n") + PlanConversions::avisSansFfmpeg(nonConvertis);
    if (!avis.isEmpty())
        texte += QStringLiteral("\n\n") + avis;
    const QMessageBox::StandardButton choix = BoiteMessage::informerAvecChoix(
        nullptr, texte, tr("Open in Browser"), partageable ? tr("Share...") : QString());
    if (choix == QMessageBox::Open) {
        ouvrirPage(repertoireSortie);
    } else if (choix == QMessageBox::Apply && partageable) {
        FenetrePartage partage(&fenetre);
        partage.configurerFenetre(calendrier);
        partage.exec();
    }
}

void CommandesGeneration::lancerLaGeneration(const QString &repertoire, bool apercu)
{
    // One run at a time: a stopped run may still be finishing its current file.
    if (document.getCalendrier() == nullptr || generationEnCours())
        return;

    // The preview stays on this computer and is not encrypted.
    QString motDePasse;
    if (!apercu && document.getCalendrier()->getOptions().prive
        && !MotDePassePrive::obtenir(&fenetre, *document.getCalendrier(), &motDePasse))
        return;

    QProgressDialog progression;
    progression.setLabelText(tr("Generating the calendar ..."));
    progression.setMinimum(0);
    progression.setMaximum(0);
    progression.setCancelButton(nullptr);

    auto *generateur = new Generateur(&fenetre, document.getCalendrier(), repertoire, apercu);
    generateur->setMotDePasse(motDePasse);
    generateur->setInstantApercu(apercu ? instantApercu : QDateTime());
    QPointer<Generateur> suivi(generateur);
    bool resultatRecu = false;

    // Queued in the order emitted: the details arrive before the result they explain.
    QObject::connect(generateur, &Generateur::resultatDetaille, &fenetre,
        [this](const Resultat &resultat, const QString &avis) {
            resultatGeneration = resultat;
            avisGeneration = avis;
        });
    QObject::connect(generateur, &Generateur::conversionAvancee, &progression,
        [&progression](int jour, int rang, int total) {
            // Once the last is ready the run only copies.
            progression.setLabelText(rang < total
                    ? tr("Converted day %1 (%2 of %3) ...").arg(jour).arg(rang).arg(total)
                    : tr("Generating the calendar ..."));
        });
    QObject::connect(generateur, &Generateur::resultatDisponible, &fenetre,
        [this, suivi, apercu](int, const QString &repertoireSortie) {
            const Resultat detail = std::exchange(resultatGeneration, Resultat());
            const QString avis = std::exchange(avisGeneration, QString());
            if (!suivi.isNull()
                && (suivi->isInterruptionRequested() || suivi->property(GENERATION_ABANDONNEE).toBool()))
                return;
            afficherResultat(detail, repertoireSortie, apercu, avis);
        });
    // Noted here rather than by a separate connection: the dialog's modal run may end as
    // soon as cancel() has hidden it.
    QObject::connect(
        generateur, &Generateur::resultatDisponible, &progression, [&progression, &resultatRecu] {
            resultatRecu = true;
            progression.cancel();
        });
    QObject::connect(generateur, &QThread::finished, generateur, &QObject::deleteLater);
    QObject::connect(
        &progression, &QProgressDialog::canceled, generateur, [generateur] { generateur->arreter(); });

    generateur->start(QThread::InheritPriority);
    progression.exec();

    if (resultatRecu || suivi.isNull())
        return;
    // Dismissed (close button, Escape) while the run goes on; a dismissal does not always
    // emit canceled(), so the stop is asked for here too.
    suivi->setProperty(GENERATION_ABANDONNEE, true);
    suivi->arreter();
    attendreFinDeGeneration(suivi);
}

void CommandesGeneration::attendreFinDeGeneration(Generateur *generateur)
{
    // Disabled rather than waited for: the current media may take seconds to copy and the
    // window keeps painting meanwhile. Never terminated: that could leave a file half
    // written and the worker's locks held.
    QObject::connect(generateur, &QThread::finished, &fenetre, [this] { finArret(); });
    // The thread may have ended before the connection was made.
    finArret();
}

bool CommandesGeneration::generationEnCours() const
{
    for (const Generateur *generateur : generateurs(fenetre)) {
        if (generateur->isRunning())
            return true;
    }
    return false;
}

bool CommandesGeneration::arretEnCours() const
{
    for (const Generateur *generateur : generateurs(fenetre)) {
        if (generateur->isRunning() && generateur->property(GENERATION_ABANDONNEE).toBool())
            return true;
    }
    return false;
}
