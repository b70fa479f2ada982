#include "fenetreprincipale.h"
#include "ui_fenetreprincipale.h"

#include "boitemessage.h"
#include "boutonjour.h"
#include "calendrier.h"
#include "choixfichier.h"
#include "fenetreedition.h"
#include "fenetrenouveau.h"
#include "fenetreoptions.h"
#include "fichierprojet.h"
#include "gardexml.h"
#include "generateur.h"
#include "genremedia.h"
#include "gestionnairefichiers.h"
#include "media.h"
#include "miseenformetaille.h"
#include "projet.h"
#include "version.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMap>
#include <QMessageBox>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QUrl>

#include <utility>

namespace {
// Marks a worker whose run the user stopped: its result, even one already on its way,
// is not shown. Its own interruption flag cannot tell once its thread has ended.
const char *const GENERATION_ABANDONNEE = "generationAbandonnee";

// A widget missing from the form is neither enabled nor disabled.
void activer(QWidget *widget, bool actif)
{
    if (widget != nullptr)
        widget->setEnabled(actif);
}

// The grid shows days 1 to 31; a hand-edited file may hold others, which are kept.
QList<int> joursHorsGrille(const Calendrier &calendrier)
{
    QList<int> jours;
    for (const int jour : calendrier.getContenuConstant().keys()) {
        if (jour < 1 || jour > 31)
            jours << jour;
    }
    return jours;
}

// The first day, in day order, whose media location a project file cannot carry.
bool jourNonEnregistrable(const Calendrier &calendrier, int *jour)
{
    const QMap<int, Media *> &contenu = calendrier.getContenuConstant();
    for (auto it = contenu.constBegin(); it != contenu.constEnd(); ++it) {
        if (GardeXml::positionCaractereInterdit(it.value()->getUrl()) >= 0) {
            *jour = it.key();
            return true;
        }
    }
    return false;
}
} // namespace

FenetrePrincipale::FenetrePrincipale(QWidget *parent)
    : QMainWindow(parent), ui(new Ui_FenetrePrincipale), urlCalendrier()
{
    ui->setupUi(this);
    elements = Elements::trouver(*this);
    setWindowTitle(QStringLiteral("tinselbox %1.%2").arg(VERSION_MAJEURE).arg(VERSION_MINEURE));
    calendrier = nullptr;
    initialiserGrilleBoutonJour();
}

FenetrePrincipale::~FenetrePrincipale()
{
    // A worker still stopping reads the calendar: it goes first (its destructor stops it
    // and waits), not later with the other children.
    qDeleteAll(findChildren<Generateur *>(QString(), Qt::FindDirectChildrenOnly));
    delete calendrier;
    delete ui;
}

FenetrePrincipale::Elements FenetrePrincipale::Elements::trouver(const QObject &fenetre)
{
    Elements elements;
    elements.enregistrer = fenetre.findChild<QPushButton *>(QStringLiteral("bouton_enregistrer"));
    elements.options = fenetre.findChild<QPushButton *>(QStringLiteral("bouton_options"));
    elements.apercu = fenetre.findChild<QPushButton *>(QStringLiteral("bouton_apercu"));
    elements.generer = fenetre.findChild<QPushButton *>(QStringLiteral("bouton_generer"));
    elements.grille = fenetre.findChild<QGridLayout *>(QStringLiteral("grille_BoutonJour"));
    elements.nom = fenetre.findChild<QLabel *>(QStringLiteral("nom"));
    elements.taille = fenetre.findChild<QLabel *>(QStringLiteral("taille"));
    if (elements.grille != nullptr) {
        for (int i = 0; i < elements.grille->count(); ++i)
            elements.tuiles.append(qobject_cast<BoutonJour *>(elements.grille->itemAt(i)->widget()));
    }
    return elements;
}

void FenetrePrincipale::initialiserGrilleBoutonJour()
{
    // The form adds b01 to b31 in day order, so the item index gives the day.
    for (int i = 0; i < elements.tuiles.size(); ++i) {
        BoutonJour *bouton = elements.tuiles.at(i);
        if (bouton == nullptr)
            continue;
        bouton->setNumeroJour(i + 1);
        connect(bouton, &QPushButton::released, this, &FenetrePrincipale::clicBoutonJour);
    }
    appliquerEtat();
}

void FenetrePrincipale::appliquerEtat()
{
    const bool avecCalendrier = calendrier != nullptr;
    activerGrilleBoutonJour(avecCalendrier);
    activer(elements.apercu, avecCalendrier);
    activer(elements.generer, avecCalendrier);
    activer(elements.options, avecCalendrier);
    activer(elements.enregistrer, modifie);
    // The worker of a stopped run still reads the calendar until its current file is done.
    setEnabled(!arretEnCours());
}

void FenetrePrincipale::marquerModifications(bool modifications)
{
    modifie = modifications;
    appliquerEtat();
}

void FenetrePrincipale::afficherCalendrier(Calendrier *calendrier)
{
    setCalendrier(calendrier);
    // Without a calendar the window goes back to its start state.
    if (calendrier == nullptr)
        modifie = false;
    afficherContenu();
    appliquerEtat();
}

void FenetrePrincipale::afficherContenu()
{
    // Every tile is reset first so that a day missing from this calendar shows empty.
    QMap<int, BoutonJour *> boutons;
    for (BoutonJour *bouton : qAsConst(elements.tuiles)) {
        if (bouton != nullptr) {
            bouton->init();
            boutons.insert(bouton->getNumeroJour(), bouton);
        }
    }
    if (calendrier == nullptr) {
        if (elements.nom != nullptr)
            elements.nom->clear();
        if (elements.taille != nullptr)
            elements.taille->clear();
        return;
    }

    if (elements.nom != nullptr)
        elements.nom->setText(calendrier->getNom());
    const QMap<int, QString> introuvables = GestionnaireFichiers::mediasIntrouvables(*calendrier);
    const QMap<int, Media *> &contenu = calendrier->getContenuConstant();
    for (auto it = contenu.constBegin(); it != contenu.constEnd(); ++it) {
        BoutonJour *bouton = boutons.value(it.key(), nullptr);
        if (bouton == nullptr || it.value() == nullptr)
            continue;
        bouton->setType(it.value()->getType());
        const QString texte = GenreMedia::texteTuile(*it.value());
        if (!texte.isEmpty())
            bouton->setNomMedia(texte);
        bouton->setIntrouvable(introuvables.contains(it.key()));
    }
    afficherTaille();
}

void FenetrePrincipale::afficherTaille()
{
    qint64 taille = 0;
    GestionnaireFichiers gestionnaire;
    // The code is not examined: the estimate shows whatever the walk could count.
    gestionnaire.calculer_taille(*getCalendrier(), &taille);

    QString valeur;
    QString unite;
    mettreEnFormeTaille(taille, &valeur, &unite);
    if (elements.taille != nullptr)
        elements.taille->setText(tr("Size: %1 %2").arg(valeur, unite));
}

void FenetrePrincipale::mettreEnFormeTaille(const qint64 &taille, QString *valeur, QString *unite)
{
    ::mettreEnFormeTaille(taille, valeur, unite);
}

Calendrier *FenetrePrincipale::getCalendrier() const
{
    return calendrier;
}

void FenetrePrincipale::setCalendrier(Calendrier *calendrier)
{
    if (this->calendrier != calendrier)
        delete this->calendrier;
    this->calendrier = calendrier;
}

QString FenetrePrincipale::getUrlCalendrier() const
{
    return urlCalendrier;
}

void FenetrePrincipale::setUrlCalendrier(const QString &urlCalendrier)
{
    this->urlCalendrier = urlCalendrier;
}

void FenetrePrincipale::activerGrilleBoutonJour(bool active)
{
    for (BoutonJour *bouton : qAsConst(elements.tuiles))
        activer(bouton, active);
}

void FenetrePrincipale::verrouillerGrilleBoutonJour()
{
    activerGrilleBoutonJour(false);
}

void FenetrePrincipale::deverrouillerGrilleBoutonJour()
{
    activerGrilleBoutonJour(true);
}

void FenetrePrincipale::verrouillerBoutonEnregistrer()
{
    marquerModifications(false);
}

void FenetrePrincipale::deverrouillerBoutonEnregistrer()
{
    marquerModifications(true);
}

void FenetrePrincipale::verrouillerBoutonApercu()
{
    activer(elements.apercu, false);
}

void FenetrePrincipale::deverrouillerBoutonApercu()
{
    activer(elements.apercu, true);
}

void FenetrePrincipale::verrouillerBoutonGenerer()
{
    activer(elements.generer, false);
}

void FenetrePrincipale::deverrouillerBoutonGenerer()
{
    activer(elements.generer, true);
}

void FenetrePrincipale::sauvegardeUtile()
{
    deverrouillerBoutonEnregistrer();
}

void FenetrePrincipale::sauvegardeInutile()
{
    verrouillerBoutonEnregistrer();
}

bool FenetrePrincipale::sauvegardeNecessaire()
{
    return modifie && elements.enregistrer != nullptr;
}

QPushButton *FenetrePrincipale::getBoutonEnregistrer()
{
    return elements.enregistrer;
}

QPushButton *FenetrePrincipale::getBoutonApercu()
{
    return elements.apercu;
}

QPushButton *FenetrePrincipale::getBoutonGenerer()
{
    return elements.generer;
}

QGridLayout *FenetrePrincipale::getGrilleBoutonJour()
{
    return elements.grille;
}

bool FenetrePrincipale::poserQuestion(const QString &texte)
{
    return BoiteMessage::question(this, texte) != QMessageBox::No;
}

void FenetrePrincipale::afficherErreur(const QString &texte, const QString &details)
{
    BoiteMessage::avertir(this, texte, details);
}

QString FenetrePrincipale::listerMediasIntrouvables() const
{
    if (calendrier == nullptr)
        return QString();
    const QMap<int, QString> introuvables = GestionnaireFichiers::mediasIntrouvables(*calendrier);
    if (introuvables.isEmpty())
        return QString();
    QString texte = introuvables.size() == 1 ? tr("1 media file cannot be found:")
                                             : tr("%1 media files cannot be found:").arg(introuvables.size());
    for (auto it = introuvables.constBegin(); it != introuvables.constEnd(); ++it)
        texte += QLatin1Char('\n') + tr("Day %1: %2").arg(it.key()).arg(it.value());
    return texte;
}

bool FenetrePrincipale::refuserMediasIntrouvables()
{
    const QString liste = listerMediasIntrouvables();
    if (liste.isEmpty())
        return false;
    afficherErreur(liste, tr("Choose these files again or clear their days, then try again."));
    return true;
}

bool FenetrePrincipale::demanderConfirmation()
{
    if (!sauvegardeNecessaire())
        return true;
    return poserQuestion(tr("Your changes will be lost if you don\u2019t save them. \nQuit anyway?"));
}

void FenetrePrincipale::closeEvent(QCloseEvent *event)
{
    // A stopped run is finishing its current file; the window is back within moments.
    if (generationEnCours()) {
        event->ignore();
        return;
    }
    if (demanderConfirmation())
        event->accept();
    else
        event->ignore();
}

void FenetrePrincipale::clicBoutonJour()
{
    auto *bouton = qobject_cast<BoutonJour *>(sender());
    if (bouton == nullptr || getCalendrier() == nullptr)
        return;

    FenetreEdition fenetre(nullptr);
    fenetre.configurerFenetre(bouton->getNumeroJour(), getCalendrier());
    if (fenetre.exec() != QDialog::Accepted)
        return;
    afficherCalendrier(getCalendrier());
    sauvegardeUtile();
}

void FenetrePrincipale::clicBoutonOptions()
{
    if (getCalendrier() == nullptr)
        return;
    FenetreOptions fenetre(nullptr);
    fenetre.configurerFenetre(getCalendrier());
    // The dialog is accepted only when an option changed.
    if (fenetre.exec() == QDialog::Accepted)
        sauvegardeUtile();
}

void FenetrePrincipale::clicBoutonNouveau()
{
    if (sauvegardeNecessaire()
        && !poserQuestion(tr("Your changes will be lost if you don\u2019t save them. \nCreate new anyway?")))
        return;

    Projet projet{QString(), QString()};
    FenetreNouveau fenetre(projet, nullptr);
    if (fenetre.exec() != QDialog::Accepted)
        return;

    // Without this question the first Save would silently replace that calendar.
    if (QFileInfo::exists(projet.getUrl())
        && !poserQuestion(tr("A calendar with this name already exists in this directory. \nReplace it?")))
        return;

    setCalendrier(new Calendrier(projet.getNomPojet()));
    setUrlCalendrier(projet.getUrl());
    afficherCalendrier(getCalendrier());
    sauvegardeInutile();
}

void FenetrePrincipale::clicBoutonOuvrir()
{
    if (sauvegardeNecessaire()
        && !poserQuestion(tr("Your changes will be lost if you don\u2019t save them. \nOpen anyway?")))
        return;

    QFileDialog dialogue(this, tr("Select a calendar"));
    QStringList filtres{QStringLiteral("application/octet-stream"), QStringLiteral("text/xml")};
    filtres.sort(Qt::CaseSensitive);
    dialogue.setMimeTypeFilters(filtres);
    dialogue.selectMimeTypeFilter(QStringLiteral("text/xml"));
    const QString url = ChoixFichier::choisir(dialogue);
    if (url.isEmpty())
        return;
    ouvrirCalendrier(url);
}

bool FenetrePrincipale::ouvrirCalendrier(const QString &chemin)
{
    // A file that is not a calendar must not become the Save target: the next
    // Save would overwrite it with an empty calendar.
    auto *nouveau = new Calendrier();
    bool racineReconnue = false;
    const int resultat = FichierProjet::charger(chemin, *nouveau, &racineReconnue);
    if (resultat != 0 || !racineReconnue) {
        delete nouveau;
        afficherErreur(tr("Error opening the calendar."), GestionnaireFichiers::detailsOuverture(resultat, chemin));
        return false;
    }

    setUrlCalendrier(chemin);
    afficherCalendrier(nouveau);
    sauvegardeInutile();

    const QList<int> horsGrille = joursHorsGrille(*nouveau);
    if (!horsGrille.isEmpty()) {
        QStringList jours;
        for (const int jour : horsGrille.mid(0, 5))
            jours << QString::number(jour);
        if (horsGrille.size() > 5)
            jours << QStringLiteral("\u2026");
        BoiteMessage::informer(this, tr("This calendar holds days outside 1 to 31 (%1). They are neither shown nor "
                                        "published, and they stay in the file when you save.")
                                         .arg(jours.join(QStringLiteral(", "))));
    }
    // Moved media are said once, now, rather than at the first Generate.
    const QString introuvables = listerMediasIntrouvables();
    if (!introuvables.isEmpty())
        afficherErreur(introuvables, tr("Their days are marked in the calendar."));
    return true;
}

void FenetrePrincipale::clicBoutonEnregistrer()
{
    if (getCalendrier() == nullptr)
        return;

    GestionnaireFichiers gestionnaire;
    if (gestionnaire.creerFichierDepuisCalendrier(*getCalendrier(), getUrlCalendrier()) != 0) {
        // Save stays enabled so that Quit still warns about the unsaved changes.
        int jour = 0;
        if (jourNonEnregistrable(*getCalendrier(), &jour))
            afficherErreur(tr("Error saving the calendar: the file name of day %1 holds a character that a calendar "
                              "file cannot store. Rename the file and choose it again.")
                               .arg(jour));
        else if (GardeXml::positionCaractereInterdit(getCalendrier()->getNom()) >= 0)
            afficherErreur(tr("Error saving the calendar: its name holds a character that a calendar file cannot "
                              "store."));
        else
            afficherErreur(tr("Error saving the calendar."), gestionnaire.getDetailsErreur());
        return;
    }
    sauvegardeInutile();
}

void FenetrePrincipale::clicBoutonApercu()
{
    if (getCalendrier() == nullptr || refuserMediasIntrouvables())
        return;

    const QString repertoire = QDir(QFileInfo(getUrlCalendrier()).path()).filePath(QStringLiteral("tmp"));
    if (refuserRepertoireSortie(repertoire))
        return;
    // A "tmp" left by an earlier preview is replaced silently; anything else there is the
    // user's own and is not erased without asking.
    if (!GestionnaireFichiers::estVideOuSiteGenere(repertoire) && !confirmerEffacement(repertoire))
        return;
    lancerLaGeneration(repertoire, true);
}

void FenetrePrincipale::clicBoutonGenerer()
{
    if (getCalendrier() == nullptr || refuserMediasIntrouvables())
        return;

    QFileDialog dialogue(this, tr("Select the generation directory"));
    dialogue.setFileMode(QFileDialog::Directory);
    const QString repertoire = ChoixFichier::choisir(dialogue);
    if (repertoire.isEmpty())
        return;

    if (refuserRepertoireSortie(repertoire) || !confirmerEffacement(repertoire))
        return;
    lancerLaGeneration(repertoire, false);
}

bool FenetrePrincipale::refuserRepertoireSortie(const QString &repertoire)
{
    if (!GestionnaireFichiers::estRepertoireSortieInterdit(repertoire, getUrlCalendrier(), *getCalendrier()))
        return false;
    afficherErreur(tr("This directory holds the calendar or its media and cannot be used for the generation."));
    return true;
}

bool FenetrePrincipale::confirmerEffacement(const QString &repertoire)
{
    return poserQuestion(tr("This action will erase all the contents of the directory ") + repertoire
                         + tr("\nGenerate anyway?"));
}

void FenetrePrincipale::clicBoutonQuitter()
{
    if (demanderConfirmation())
        QCoreApplication::exit(0);
}

void FenetrePrincipale::noterDetailsErreur(QString const &details)
{
    detailsErreurGeneration = details;
}

void FenetrePrincipale::ouvrirPage(const QString &repertoireSortie)
{
    // Absolute, so that the browser finds it whatever its own working directory.
    const QString page = QFileInfo(QDir(repertoireSortie).filePath(QStringLiteral("index.html"))).absoluteFilePath();
    QDesktopServices::openUrl(QUrl::fromLocalFile(page));
}

void FenetrePrincipale::finDeGenerationApercu(int resultat, QString repertoireSortie)
{
    const QString details = std::exchange(detailsErreurGeneration, QString());
    if (resultatAbandonne())
        return;
    if (resultat != 0) {
        BoiteMessage::avertir(nullptr, tr("Error generating the calendar."), details);
        return;
    }
    ouvrirPage(repertoireSortie);
}

void FenetrePrincipale::finDeGeneration(int resultat, QString repertoireSortie)
{
    const QString details = std::exchange(detailsErreurGeneration, QString());
    if (resultatAbandonne())
        return;
    if (resultat != 0) {
        BoiteMessage::avertir(nullptr, tr("Error generating the calendar."), details);
        return;
    }
    if (BoiteMessage::informerAvecOuverture(nullptr, tr("Generating the calendar successfully in ") + repertoireSortie,
                                            tr("Open in Browser")))
        ouvrirPage(repertoireSortie);
}

void FenetrePrincipale::lancerLaGeneration(QString repertoire, bool apercu)
{
    // One run at a time: a stopped run may still be finishing its current file.
    if (getCalendrier() == nullptr || generationEnCours())
        return;

    QProgressDialog progression;
    progression.setLabelText(tr("Generating the calendar ..."));
    progression.setMinimum(0);
    progression.setMaximum(0);
    progression.setCancelButton(nullptr);

    auto *generateur = new Generateur(this, getCalendrier(), repertoire, apercu);
    QPointer<Generateur> suivi(generateur);
    bool resultatRecu = false;

    // Queued in the order emitted: the details arrive before the result they explain.
    connect(generateur, &Generateur::detailsErreurDisponibles, this, &FenetrePrincipale::noterDetailsErreur);
    if (apercu)
        connect(generateur, &Generateur::resultatDisponible, this, &FenetrePrincipale::finDeGenerationApercu);
    else
        connect(generateur, &Generateur::resultatDisponible, this, &FenetrePrincipale::finDeGeneration);
    // Noted here rather than by a separate connection: the dialog's modal run may end as
    // soon as cancel() has hidden it.
    connect(generateur, &Generateur::resultatDisponible, &progression, [&progression, &resultatRecu] {
        resultatRecu = true;
        progression.cancel();
    });
    connect(generateur, &QThread::finished, generateur, &QObject::deleteLater);
    connect(&progression, &QProgressDialog::canceled, generateur, [generateur] { generateur->requestInterruption(); });

    generateur->start(QThread::InheritPriority);
    progression.exec();

    if (resultatRecu || suivi.isNull())
        return;
    // Dismissed (close button, Escape) while the run goes on; a dismissal does not always
    // emit canceled(), so the stop is asked for here too.
    suivi->setProperty(GENERATION_ABANDONNEE, true);
    suivi->requestInterruption();
    attendreFinDeGeneration(suivi);
}

void FenetrePrincipale::attendreFinDeGeneration(Generateur *generateur)
{
    // Disabled rather than waited for: the current media may take seconds to copy and the
    // window keeps painting meanwhile. Never terminated: that could leave a file half
    // written and the worker's locks held.
    connect(generateur, &QThread::finished, this, &FenetrePrincipale::appliquerEtat);
    // The thread may have ended before the connection was made.
    appliquerEtat();
}

bool FenetrePrincipale::generationEnCours() const
{
    const QList<Generateur *> generateurs = findChildren<Generateur *>(QString(), Qt::FindDirectChildrenOnly);
    for (const Generateur *generateur : generateurs) {
        if (generateur->isRunning())
            return true;
    }
    return false;
}

bool FenetrePrincipale::arretEnCours() const
{
    const QList<Generateur *> generateurs = findChildren<Generateur *>(QString(), Qt::FindDirectChildrenOnly);
    for (const Generateur *generateur : generateurs) {
        if (generateur->isRunning() && generateur->property(GENERATION_ABANDONNEE).toBool())
            return true;
    }
    return false;
}

bool FenetrePrincipale::resultatAbandonne() const
{
    const auto *generateur = qobject_cast<const Generateur *>(sender());
    return generateur != nullptr
        && (generateur->isInterruptionRequested() || generateur->property(GENERATION_ABANDONNEE).toBool());
}
