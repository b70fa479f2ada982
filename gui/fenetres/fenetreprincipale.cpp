#include "fenetres/fenetreprincipale.h"
#include "ui_fenetreprincipale.h"

#include "actions/commandesgeneration.h"
#include "actions/commandesjours.h"
#include "actions/commandespublication.h"
#include "actions/importfichiers.h"
#include "bureau/boitemessage.h"
#include "bureau/choixfichier.h"
#include "bureau/parametres.h"
#include "bureau/traduction.h"
#include "document/changementoptions.h"
#include "document/documentcalendrier.h"
#include "fenetres/boutonjour.h"
#include "fenetres/choixinstant.h"
#include "fenetres/fenetrenouveau.h"
#include "fenetres/fenetreoptions.h"
#include "fenetres/menusfenetre.h"
#include "fenetres/tuilesjours.h"
#include "fichierprojet/fichierprojet.h"
#include "fichierprojet/gardexml.h"
#include "format/resultat.h"
#include "generation/generateur.h"
#include "generation/serviceconversions.h"
#include "modele/calendrier.h"
#include "modele/genremedia.h"
#include "modele/media.h"
#include "modele/projet.h"
#include "site/generationsite.h"
#include "site/miseenformetaille.h"
#include "version.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMap>
#include <QMessageBox>
#include <QPushButton>
#include <QUndoStack>

namespace {

// A widget missing from the form is neither enabled nor disabled.
void activer(QWidget *widget, bool actif)
{
    if (widget != nullptr)
        widget->setEnabled(actif);
}

// Says once that some days are beyond the calendar's length, so that they do not look lost.
void signalerJoursHorsGrille(QWidget *parent, const Calendrier &calendrier)
{
    const QList<int> horsGrille = calendrier.joursHorsLongueur();
    if (horsGrille.isEmpty())
        return;
    QStringList jours;
    for (const int jour : horsGrille.mid(0, 5))
        jours << QString::number(jour);
    if (horsGrille.size() > 5)
        jours << QStringLiteral("\u2026");
    BoiteMessage::informer(parent,
        FenetrePrincipale::tr("This calendar holds days outside 1 to %1 (%2). They are neither shown nor "
                              "published, and they stay in the file when you save.")
            .arg(calendrier.getOptions().jours)
            .arg(jours.join(QStringLiteral(", "))));
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
    : QMainWindow(parent),
      ui(new Ui_FenetrePrincipale),
      document(std::make_unique<DocumentCalendrier>()),
      generation(std::make_unique<CommandesGeneration>(*document, *this, [this] { appliquerEtat(); })),
      import(std::make_unique<ImportFichiers>(*document, *this)),
      jours(std::make_unique<CommandesJours>(*document, *this))
{
    ui->setupUi(this);
    elements = Elements::trouver(*this);
    setWindowTitle(titreApplication());
    setAcceptDrops(true);
    menus = std::make_unique<MenusFenetre>(*this);
    relierCommandes();
    // A fresh configuration keeps the form's size.
    restoreGeometry(Parametres::getGeometrie());
    initialiserGrilleBoutonJour();
    tuiles = new TuilesJours(this, elements.tuiles);
    conversions = new ServiceConversions(this);
    connect(conversions, &ServiceConversions::conversionTerminee, this, [this] {
        if (getCalendrier() != nullptr)
            afficherTaille();
    });
    // Connected last: showing a calendar feeds the conversions.
    connect(document.get(), &DocumentCalendrier::calendrierChange, this, [this] {
        afficherContenu();
        appliquerEtat();
    });
}

QString FenetrePrincipale::titreApplication()
{
    return QStringLiteral("tinselbox %1.%2").arg(VERSION_MAJEURE).arg(VERSION_MINEURE);
}

void FenetrePrincipale::relierCommandes()
{
    connect(menus->getAction(MenusFenetre::IMPORTER), &QAction::triggered, this,
        [this] { import->importerDossier(); });
    connect(menus->getAction(MenusFenetre::PUBLIER), &QAction::triggered, this,
        [this] { CommandesPublication(*document, *this).publier(); });
    connect(&document->getPile(), &QUndoStack::indexChanged, this, &FenetrePrincipale::appliquerEtat);
    // The unsaved mark is the stack's: undoing back to the saved state clears it.
    connect(
        document.get(), &DocumentCalendrier::modificationChangee, this, &FenetrePrincipale::appliquerEtat);
    connect(document.get(), &DocumentCalendrier::fichierChange, this, &FenetrePrincipale::appliquerEtat);
    connect(document.get(), &DocumentCalendrier::echec, this, &FenetrePrincipale::afficherEchec);
    connect(document.get(), &DocumentCalendrier::ouvertureDemandee, this, [this](const QString &chemin) {
        if (confirmerOuverture())
            ouvrirCalendrier(chemin);
    });
}

void FenetrePrincipale::afficherEchec(const Resultat &resultat)
{
    afficherErreur(resultat.getMessage(), resultat.getRaison());
}

FenetrePrincipale::~FenetrePrincipale()
{
    // A worker still stopping reads the calendar: it goes first (its destructor stops it
    // and waits), not later with the other children.
    qDeleteAll(findChildren<Generateur *>(QString(), Qt::FindDirectChildrenOnly));
    // The document goes after the menus and the commands: nothing it says now is shown.
    document->disconnect(this);
    document->getPile().disconnect();
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
            [this, bouton](const QPoint &position) { jours->afficherMenuTuile(bouton, position); });
    }
    appliquerEtat();
}

void FenetrePrincipale::appliquerEtat()
{
    const bool avecCalendrier = getCalendrier() != nullptr;
    const bool modifie = document->estModifie();
    activerGrilleBoutonJour(avecCalendrier);
    activer(elements.apercu, avecCalendrier);
    activer(elements.generer, avecCalendrier);
    activer(elements.options, avecCalendrier);
    activer(elements.enregistrer, modifie);
    // The worker of a stopped run still reads the calendar until its current file is done.
    const bool libre = !generation->arretEnCours();
    const QUndoStack &pile = document->getPile();
    const bool actives[] = {libre, libre, libre && modifie, libre && avecCalendrier, libre,
        libre && pile.canUndo(), libre && pile.canRedo(), libre && avecCalendrier, libre && avecCalendrier,
        libre && avecCalendrier, libre && avecCalendrier, true};
    static_assert(sizeof actives / sizeof *actives == MenusFenetre::NOMBRE_COMMANDES, "one per command");
    for (int commande = 0; commande < MenusFenetre::NOMBRE_COMMANDES; ++commande)
        menus->getAction(MenusFenetre::Commande(commande))->setEnabled(actives[commande]);
    if (avecCalendrier) {
        // "[*]" is where Qt shows the modified mark; a name's own "[*]" is escaped by doubling.
        QString nom = getCalendrier()->getNom();
        nom.replace(QLatin1String("[*]"), QLatin1String("[*][*]"));
        setWindowTitle(nom + (document->estLectureSeule() ? tr(" [read-only]") : QString())
            + QStringLiteral("[*] - ") + titreApplication());
    } else {
        setWindowTitle(titreApplication());
    }
    setWindowModified(modifie);
    setEnabled(libre);
}

void FenetrePrincipale::afficherCalendrier(Calendrier *calendrier)
{
    document->setCalendrier(calendrier);
}

void FenetrePrincipale::afficherContenu()
{
    const Calendrier *calendrier = getCalendrier();
    for (BoutonJour *bouton : qAsConst(elements.tuiles)) {
        // One tile per day of the calendar; the grid closes up over the hidden ones.
        if (bouton != nullptr)
            bouton->setHidden(
                calendrier != nullptr && !calendrier->getOptions().estJourPublie(bouton->getNumeroJour()));
    }
    tuiles->remplir(calendrier,
        calendrier != nullptr ? GenerationSite::mediasIntrouvables(*calendrier) : QMap<int, QString>());
    if (calendrier == nullptr) {
        if (elements.nom != nullptr)
            elements.nom->clear();
        if (elements.taille != nullptr)
            elements.taille->clear();
        return;
    }
    if (elements.nom != nullptr)
        elements.nom->setText(calendrier->getNom());
    afficherTaille();
}

void FenetrePrincipale::afficherTaille()
{
    // Every change of a day passes here: its media starts converting at once.
    conversions->suivre(*getCalendrier());
    if (elements.taille != nullptr)
        elements.taille->setText(ServiceConversions::texteTaille(*getCalendrier()));
}

void FenetrePrincipale::mettreEnFormeTaille(const qint64 &taille, QString *valeur, QString *unite)
{
    ::mettreEnFormeTaille(taille, valeur, unite);
}

DocumentCalendrier &FenetrePrincipale::getDocument() const
{
    return *document;
}

Calendrier *FenetrePrincipale::getCalendrier() const
{
    return document->getCalendrier();
}

void FenetrePrincipale::setCalendrier(Calendrier *calendrier)
{
    document->setCalendrier(calendrier);
}

QString FenetrePrincipale::getUrlCalendrier() const
{
    return document->getChemin();
}

void FenetrePrincipale::setUrlCalendrier(const QString &urlCalendrier)
{
    document->setChemin(urlCalendrier);
}

void FenetrePrincipale::activerGrilleBoutonJour(bool active)
{
    for (BoutonJour *bouton : qAsConst(elements.tuiles))
        activer(bouton, active);
}

void FenetrePrincipale::sauvegardeUtile()
{
    document->marquerModifie();
}

void FenetrePrincipale::sauvegardeInutile()
{
    document->marquerEnregistre(document->getChemin());
}

bool FenetrePrincipale::sauvegardeNecessaire()
{
    return document->estModifie() && elements.enregistrer != nullptr;
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

bool FenetrePrincipale::demanderConfirmation()
{
    if (!sauvegardeNecessaire())
        return true;
    return poserQuestion(tr("Your changes will be lost if you don\u2019t save them. \nQuit anyway?"));
}

void FenetrePrincipale::closeEvent(QCloseEvent *event)
{
    // A stopped run is finishing its current file; the window is back within moments.
    if (generation->generationEnCours()) {
        event->ignore();
        return;
    }
    if (!demanderConfirmation()) {
        event->ignore();
        return;
    }
    Parametres::setGeometrie(saveGeometry());
    event->accept();
}

void FenetrePrincipale::clicBoutonJour()
{
    jours->editerJour(qobject_cast<BoutonJour *>(sender()));
}

void FenetrePrincipale::clicBoutonOptions()
{
    if (getCalendrier() == nullptr)
        return;
    // The dialog changes a copy of the options: the change becomes one step of the history.
    Calendrier choisies(getCalendrier()->getNom());
    choisies.setOptions(getCalendrier()->getOptions());
    FenetreOptions fenetre(nullptr);
    fenetre.configurerFenetre(&choisies);
    const QList<int> horsGrilleAvant = getCalendrier()->joursHorsLongueur();
    const bool verrouAvant = getCalendrier()->getOptions().verrou;
    // The dialog is accepted only when an option changed.
    if (fenetre.exec() != QDialog::Accepted)
        return;
    // The length decides which tiles the grid shows and which days the size counts.
    document->executer(new ChangementOptions(*document, choisies.getOptions()));
    // Locked doors open with each morning's publish.
    if (!verrouAvant && getCalendrier()->getOptions().verrou) {
        CommandesPublication publication(*document, *this);
        if (!publication.publieChaqueMatin()
            && poserQuestion(tr("Doors that open only on their day open with each morning's publish. Publish "
                                "every morning now?")))
            publication.publierChaqueMatin(true);
    }
    // A shorter length hides days that hold content: said now, not only at the next Open.
    for (const int jour : getCalendrier()->joursHorsLongueur()) {
        if (!horsGrilleAvant.contains(jour)) {
            signalerJoursHorsGrille(this, *getCalendrier());
            break;
        }
    }
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

    auto *nouveau = new Calendrier(projet.getNomPojet());
    // The page speaks the editor's language until the options say otherwise.
    OptionsCalendrier options;
    options.langue = Traduction::getLangueInstallee();
    nouveau->setOptions(options);
    document->remplacer(nouveau, projet.getUrl());
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
    dialogue.setDirectory(Parametres::getDernierDossier(Parametres::PROJETS));
    const QString url = ChoixFichier::choisir(dialogue);
    if (url.isEmpty())
        return;
    Parametres::setDernierDossier(Parametres::PROJETS, url);
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
        // A calendar that cannot be opened any more (moved, deleted) leaves the list.
        Parametres::retirerCalendrierRecent(chemin);
        return false;
    }

    document->remplacer(nouveau, chemin, !FichierProjet::estEnregistrable(chemin));
    Parametres::ajouterCalendrierRecent(chemin);

    signalerJoursHorsGrille(this, *nouveau);
    // Moved media are said once, now, rather than at the first Generate.
    const QString introuvables = generation->listerMediasIntrouvables();
    if (!introuvables.isEmpty())
        afficherErreur(introuvables, tr("Their days are marked in the calendar."));
    return true;
}

void FenetrePrincipale::clicBoutonEnregistrer()
{
    if (getCalendrier() == nullptr)
        return;
    // A calendar opened from a file that cannot be written is saved elsewhere.
    QString destination = document->getChemin();
    if (document->estLectureSeule()) {
        QFileDialog dialogue(this, tr("Save the calendar as"));
        dialogue.setAcceptMode(QFileDialog::AcceptSave);
        dialogue.setDefaultSuffix(QStringLiteral("xml"));
        destination = ChoixFichier::choisir(dialogue);
        if (destination.isEmpty())
            return;
    }

    const Resultat enregistrement = FichierProjet::enregistrer(*getCalendrier(), destination);
    if (!enregistrement) {
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
            afficherErreur(tr("Error saving the calendar."), enregistrement.getMessage());
        return;
    }
    document->marquerEnregistre(destination);
    Parametres::ajouterCalendrierRecent(destination);
}

void FenetrePrincipale::clicBoutonQuitter()
{
    if (!demanderConfirmation())
        return;
    Parametres::setGeometrie(saveGeometry());
    QCoreApplication::exit(0);
}

void FenetrePrincipale::clicBoutonApercu()
{
    generation->apercu();
}

void FenetrePrincipale::apercuALaDate()
{
    if (getCalendrier() == nullptr)
        return;
    const QDateTime instant = ChoixInstant::demander(this, *getCalendrier());
    if (instant.isValid())
        generation->apercu(instant);
}

void FenetrePrincipale::clicBoutonGenerer()
{
    generation->generer();
}

void FenetrePrincipale::lancerLaGeneration(const QString &repertoire, bool apercu)
{
    generation->lancerLaGeneration(repertoire, apercu);
}

void FenetrePrincipale::dragEnterEvent(QDragEnterEvent *event)
{
    if (!jours->accepterGlisserJour(event))
        import->accepterGlisser(event);
}

void FenetrePrincipale::dropEvent(QDropEvent *event)
{
    if (!jours->deposerJour(event))
        import->deposer(event);
}

bool FenetrePrincipale::eventFilter(QObject *objet, QEvent *evenement)
{
    auto *bouton = qobject_cast<BoutonJour *>(objet);
    if (bouton != nullptr && evenement->type() == QEvent::KeyPress
        && jours->touche(bouton, *static_cast<QKeyEvent *>(evenement)))
        return true;
    if (bouton != nullptr && jours->glisserTuile(bouton, evenement))
        return true;
    return QMainWindow::eventFilter(objet, evenement);
}
