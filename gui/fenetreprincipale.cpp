#include "fenetreprincipale.h"
#include "ui_fenetreprincipale.h"

#include "boitemessage.h"
#include "boutonjour.h"
#include "choixfichier.h"
#include "fenetreedition.h"
#include "fenetrenouveau.h"
#include "fenetreoptions.h"
#include "fichierprojet/fichierprojet.h"
#include "fichierprojet/gardexml.h"
#include "generateur.h"
#include "gestionnairefichiers.h"
#include "modele/calendrier.h"
#include "modele/genremedia.h"
#include "modele/media.h"
#include "modele/message.h"
#include "modele/projet.h"
#include "modele/repartitionjours.h"
#include "site/miseenformetaille.h"
#include "version.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QMimeDatabase>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QUrl>

#include <utility>

namespace {
// Marks a worker whose run the user stopped: its result, even one already on its way,
// is not shown. Its own interruption flag cannot tell once its thread has ended.
const char *const GENERATION_ABANDONNEE = "generationAbandonnee";
// Days per row of the grid, as the form lays the tiles out.
const int COLONNES_GRILLE = 7;

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
    setWindowTitle(titreApplication());
    calendrier = nullptr;
    setAcceptDrops(true);
    creerRaccourcis();
    initialiserGrilleBoutonJour();
}

QString FenetrePrincipale::titreApplication()
{
    return QStringLiteral("tinselbox %1.%2").arg(VERSION_MAJEURE).arg(VERSION_MINEURE);
}

void FenetrePrincipale::creerRaccourcis()
{
    const struct {
        const char *bouton;
        QKeySequence touches;
    } raccourcis[] = {{"bouton_nouveau", QKeySequence(Qt::CTRL + Qt::Key_N)},
        {"bouton_ouvrir", QKeySequence(Qt::CTRL + Qt::Key_O)},
        {"bouton_enregistrer", QKeySequence(Qt::CTRL + Qt::Key_S)},
        {"bouton_apercu", QKeySequence(Qt::Key_F5)}, {"bouton_quitter", QKeySequence(Qt::CTRL + Qt::Key_Q)}};
    for (const auto &raccourci : raccourcis) {
        QPointer<QPushButton> bouton = findChild<QPushButton *>(QString::fromLatin1(raccourci.bouton));
        if (bouton == nullptr)
            continue;
        auto *action = new QAction(this);
        action->setObjectName(QStringLiteral("raccourci_") + QString::fromLatin1(raccourci.bouton));
        action->setShortcut(raccourci.touches);
        addAction(action);
        // Through the button, so that a disabled command stays out of reach.
        connect(action, &QAction::triggered, this, [bouton] {
            if (bouton != nullptr && bouton->isEnabled())
                bouton->click();
        });
        bouton->setToolTip(QStringLiteral("%1 (%2)").arg(
            bouton->text(), raccourci.touches.toString(QKeySequence::NativeText)));
    }

    actionImporter = new QAction(tr("Import a folder..."), this);
    actionImporter->setObjectName(QStringLiteral("action_importer"));
    actionImporter->setShortcut(QKeySequence(Qt::CTRL + Qt::Key_I));
    addAction(actionImporter);
    connect(actionImporter, &QAction::triggered, this, &FenetrePrincipale::clicImporterDossier);
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
        // The tiles share the space the window gives the grid.
        bouton->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        bouton->installEventFilter(this);
        bouton->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(bouton, &QWidget::customContextMenuRequested, this,
            [this, bouton](const QPoint &position) { afficherMenuTuile(bouton, position); });
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
    if (actionImporter != nullptr)
        actionImporter->setEnabled(avecCalendrier);
    if (avecCalendrier) {
        // "[*]" is where Qt shows the modified mark; a name's own "[*]" is escaped by doubling.
        QString nom = calendrier->getNom();
        nom.replace(QLatin1String("[*]"), QLatin1String("[*][*]"));
        setWindowTitle(nom + (lectureSeule ? tr(" [read-only]") : QString()) + QStringLiteral("[*] - ")
            + titreApplication());
    } else {
        setWindowTitle(titreApplication());
    }
    setWindowModified(modifie);
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
    editerJour(qobject_cast<BoutonJour *>(sender()));
}

void FenetrePrincipale::editerJour(BoutonJour *bouton)
{
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
    // The dialog itself asks before a calendar on disk would be replaced by the first Save.
    FenetreNouveau fenetre(projet, nullptr);
    if (fenetre.exec() != QDialog::Accepted)
        return;

    setCalendrier(new Calendrier(projet.getNomPojet()));
    setUrlCalendrier(projet.getUrl());
    lectureSeule = false;
    afficherCalendrier(getCalendrier());
    sauvegardeInutile();
}

bool FenetrePrincipale::confirmerOuverture()
{
    return !sauvegardeNecessaire()
        || poserQuestion(tr("Your changes will be lost if you don\u2019t save them. \nOpen anyway?"));
}

void FenetrePrincipale::clicBoutonOuvrir()
{
    if (!confirmerOuverture())
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
    const Resultat ouverture = FichierProjet::ouvrir(chemin, *nouveau);
    if (!ouverture) {
        delete nouveau;
        afficherErreur(tr("Error opening the calendar."), ouverture.getMessage());
        return false;
    }

    setUrlCalendrier(chemin);
    lectureSeule = !FichierProjet::estEnregistrable(chemin);
    afficherCalendrier(nouveau);
    sauvegardeInutile();

    const QList<int> horsGrille = joursHorsGrille(*nouveau);
    if (!horsGrille.isEmpty()) {
        QStringList jours;
        for (const int jour : horsGrille.mid(0, 5))
            jours << QString::number(jour);
        if (horsGrille.size() > 5)
            jours << QStringLiteral("\u2026");
        BoiteMessage::informer(this,
            tr("This calendar holds days outside 1 to 31 (%1). They are neither shown nor "
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
    // A calendar opened from a file that cannot be written is saved elsewhere.
    if (lectureSeule) {
        QFileDialog dialogue(this, tr("Save the calendar as"));
        dialogue.setAcceptMode(QFileDialog::AcceptSave);
        dialogue.setDefaultSuffix(QStringLiteral("xml"));
        const QString url = ChoixFichier::choisir(dialogue);
        if (url.isEmpty())
            return;
        setUrlCalendrier(url);
        lectureSeule = false;
    }

    GestionnaireFichiers gestionnaire;
    if (gestionnaire.creerFichierDepuisCalendrier(*getCalendrier(), getUrlCalendrier()) != 0) {
        // Save stays enabled so that Quit still warns about the unsaved changes.
        int jour = 0;
        if (jourNonEnregistrable(*getCalendrier(), &jour))
            afficherErreur(
                tr("Error saving the calendar: the file name of day %1 holds a character that a calendar "
                   "file cannot store. Rename the file and choose it again.")
                    .arg(jour));
        else if (GardeXml::positionCaractereInterdit(getCalendrier()->getNom()) >= 0)
            afficherErreur(
                tr("Error saving the calendar: its name holds a character that a calendar file cannot "
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
    const Resultat refus =
        GestionnaireFichiers::controlerRepertoireSortie(repertoire, getUrlCalendrier(), *getCalendrier());
    if (refus)
        return false;
    afficherErreur(refus.getMessage());
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
    const QString page =
        QFileInfo(QDir(repertoireSortie).filePath(QStringLiteral("index.html"))).absoluteFilePath();
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
    if (BoiteMessage::informerAvecOuverture(nullptr,
            tr("Generating the calendar successfully in ") + repertoireSortie, tr("Open in Browser")))
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
    connect(&progression, &QProgressDialog::canceled, generateur,
        [generateur] { generateur->requestInterruption(); });

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

bool FenetrePrincipale::eventFilter(QObject *objet, QEvent *evenement)
{
    auto *bouton = qobject_cast<BoutonJour *>(objet);
    if (bouton == nullptr || evenement->type() != QEvent::KeyPress)
        return QMainWindow::eventFilter(objet, evenement);

    // Space stays the button's own: it opens the day when the key goes up.
    switch (static_cast<QKeyEvent *>(evenement)->key()) {
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
        return QMainWindow::eventFilter(objet, evenement);
    }
}

void FenetrePrincipale::deplacerFocus(BoutonJour *bouton, int colonnes, int lignes)
{
    const int index = elements.tuiles.indexOf(bouton);
    if (index < 0)
        return;
    // Left and right run on across rows, as reading does; up and down stop at the edges.
    const int cible = index + colonnes + lignes * COLONNES_GRILLE;
    if (cible < 0 || cible >= elements.tuiles.size() || elements.tuiles.at(cible) == nullptr)
        return;
    elements.tuiles.at(cible)->setFocus(Qt::TabFocusReason);
}

void FenetrePrincipale::afficherMenuTuile(BoutonJour *bouton, const QPoint &position)
{
    if (getCalendrier() == nullptr)
        return;
    const int jour = bouton->getNumeroJour();
    const Media *media = getCalendrier()->getMedia(jour);
    const bool avecFichier = media != nullptr && !media->getUrl().isEmpty();

    QMenu menu(this);
    menu.setObjectName(QStringLiteral("menu_tuile"));
    menu.addAction(tr("Edit..."), this, [this, bouton] { editerJour(bouton); });
    menu.addAction(tr("Clear day"), this, [this, jour] { viderJour(jour); })->setEnabled(media != nullptr);
    menu.addAction(tr("Show in folder"), this, [this, jour] { afficherDansDossier(jour); })
        ->setEnabled(avecFichier && QFileInfo(media->getUrl()).absoluteDir().exists());
    menu.addSeparator();
    menu.addAction(actionImporter);
    menu.exec(bouton->mapToGlobal(position));
}

void FenetrePrincipale::afficherDansDossier(int jour)
{
    const Media *media = getCalendrier() != nullptr ? getCalendrier()->getMedia(jour) : nullptr;
    if (media == nullptr)
        return;
    // The desktop opens folders, not a file selected inside one, on every platform.
    const QString dossier = QFileInfo(media->getUrl()).absolutePath();
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(dossier)))
        afficherErreur(tr("The folder %1 cannot be shown.").arg(QDir::toNativeSeparators(dossier)));
}

void FenetrePrincipale::viderJour(int jour)
{
    if (getCalendrier() == nullptr || getCalendrier()->getMedia(jour) == nullptr)
        return;
    Media *media = getCalendrier()->getMedia(jour);
    getCalendrier()->supprimerMedia(jour);
    delete media;
    afficherCalendrier(getCalendrier());
    sauvegardeUtile();
}

Media *FenetrePrincipale::creerMedia(const GenreMedia &genre, const QString &chemin)
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
        afficherErreur(tr("This text file is empty or cannot be read:\n%1").arg(nom));
        return nullptr;
    }
    if (texte.toUcs4().size() > Message::LONGUEUR_MAXIMALE
        || GardeXml::positionCaractereInterdit(texte) >= 0) {
        afficherErreur(
            tr("A message holds at most %1 characters of plain text; this file cannot become one:\n%2")
                .arg(Message::LONGUEUR_MAXIMALE)
                .arg(nom));
        return nullptr;
    }
    return genre.creer(texte);
}

bool FenetrePrincipale::donnerFichierAuJour(int jour, const QString &chemin)
{
    if (getCalendrier() == nullptr)
        return false;
    const GenreMedia *genre = GenreMedia::pourContenu(chemin);
    if (genre == nullptr) {
        afficherErreur(tr("The content of this file is of no kind a day can hold:\n%1")
                           .arg(QDir::toNativeSeparators(chemin)));
        return false;
    }
    Media *media = creerMedia(*genre, chemin);
    if (media == nullptr)
        return false;
    getCalendrier()->ajouterMedia(jour, media);
    afficherCalendrier(getCalendrier());
    sauvegardeUtile();
    return true;
}

void FenetrePrincipale::importerFichiers(const QStringList &chemins)
{
    if (getCalendrier() == nullptr)
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
    const QMap<int, Media *> &contenu = getCalendrier()->getContenuConstant();
    for (auto it = contenu.constBegin(); it != contenu.constEnd(); ++it)
        occupes.insert(it.key());
    QStringList sansJour;
    QMap<int, QString> repartition = RepartitionJours::repartir(genres.keys(), occupes, &sansJour);

    QStringList remplaces;
    for (auto it = repartition.constBegin(); it != repartition.constEnd(); ++it) {
        if (occupes.contains(it.key()))
            remplaces << QString::number(it.key());
    }
    if (!remplaces.isEmpty()
        && BoiteMessage::question(this,
               tr("These days already hold a media: %1. \nReplace them?")
                   .arg(remplaces.join(QStringLiteral(", "))),
               QMessageBox::No)
            != QMessageBox::Yes) {
        // No keeps those days as they are; the other days still get their files.
        for (const QString &jour : qAsConst(remplaces)) {
            sansJour << QFileInfo(repartition.value(jour.toInt())).fileName();
            repartition.remove(jour.toInt());
        }
    }

    for (auto it = repartition.constBegin(); it != repartition.constEnd(); ++it)
        getCalendrier()->ajouterMedia(it.key(), creerMedia(*genres.value(it.value()), it.value()));
    if (!repartition.isEmpty()) {
        afficherCalendrier(getCalendrier());
        sauvegardeUtile();
    }

    QStringList compteRendu;
    if (repartition.isEmpty() && inconnus.isEmpty() && sansJour.isEmpty())
        compteRendu << tr("No media file was found to import.");
    if (!inconnus.isEmpty())
        compteRendu << tr("These files are of no kind a day can hold and were left out:\n%1")
                           .arg(inconnus.join(QLatin1Char('\n')));
    for (QString &nom : sansJour)
        nom = QFileInfo(nom).fileName();
    if (!sansJour.isEmpty())
        compteRendu << tr("These files were given no day:\n%1").arg(sansJour.join(QLatin1Char('\n')));
    if (!compteRendu.isEmpty())
        afficherErreur(compteRendu.join(QStringLiteral("\n\n")));
}

void FenetrePrincipale::clicImporterDossier()
{
    if (getCalendrier() == nullptr)
        return;
    QFileDialog dialogue(this, tr("Select a folder to import"));
    dialogue.setFileMode(QFileDialog::Directory);
    const QString dossier = ChoixFichier::choisir(dialogue);
    if (!dossier.isEmpty())
        importerFichiers({dossier});
}

QStringList FenetrePrincipale::cheminsDeposes(const QMimeData *donnees)
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

bool FenetrePrincipale::estFichierProjet(const QString &chemin)
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

void FenetrePrincipale::dragEnterEvent(QDragEnterEvent *event)
{
    const QStringList chemins = cheminsDeposes(event->mimeData());
    // Media need a calendar to go to; a project file opens one.
    if (!chemins.isEmpty() && (getCalendrier() != nullptr || chemins.size() == 1))
        event->acceptProposedAction();
}

void FenetrePrincipale::dropEvent(QDropEvent *event)
{
    const QStringList chemins = cheminsDeposes(event->mimeData());
    if (chemins.isEmpty())
        return;
    event->acceptProposedAction();
    QPointer<BoutonJour> cible = qobject_cast<BoutonJour *>(childAt(event->pos()));

    // Acted on once the drop has returned: a question asked inside it would hold the
    // file manager's drag until answered.
    QMetaObject::invokeMethod(
        this,
        [this, chemins, cible] {
            if (chemins.size() == 1 && estFichierProjet(chemins.constFirst())) {
                if (confirmerOuverture())
                    ouvrirCalendrier(chemins.constFirst());
                return;
            }
            if (chemins.size() == 1 && cible != nullptr && !QFileInfo(chemins.constFirst()).isDir())
                donnerFichierAuJour(cible->getNumeroJour(), chemins.constFirst());
            else
                importerFichiers(chemins);
        },
        Qt::QueuedConnection);
}
