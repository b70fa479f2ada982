#include "fenetreprincipale.h"
#include "ui_fenetreprincipale.h"

#include "boutonjour.h"
#include "calendrier.h"
#include "fenetreedition.h"
#include "fenetrenouveau.h"
#include "generateur.h"
#include "gestionnairefichiers.h"
#include "media.h"
#include "projet.h"
#include "version.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QDomDocument>
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

namespace {
// Marks a worker whose run the user stopped: its result, even one already on its way,
// is not shown. Its own interruption flag cannot tell once its thread has ended.
const char *const GENERATION_ABANDONNEE = "generationAbandonnee";
} // namespace

FenetrePrincipale::FenetrePrincipale(QWidget *parent)
    : QMainWindow(parent), ui(new Ui_FenetrePrincipale), urlCalendrier()
{
    ui->setupUi(this);
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

void FenetrePrincipale::initialiserGrilleBoutonJour()
{
    QGridLayout *grille = getGrilleBoutonJour();
    if (grille != nullptr) {
        // The form adds b01 to b31 in day order, so the item index gives the day.
        for (int i = 0; i < grille->count(); ++i) {
            auto *bouton = qobject_cast<BoutonJour *>(grille->itemAt(i)->widget());
            if (bouton == nullptr)
                continue;
            bouton->setNumeroJour(i + 1);
            connect(bouton, &QPushButton::released, this, &FenetrePrincipale::clicBoutonJour);
        }
    }
    initialiserEtats();
}

void FenetrePrincipale::initialiserEtats()
{
    verrouillerGrilleBoutonJour();
    verrouillerBoutonEnregistrer();
    verrouillerBoutonApercu();
    verrouillerBoutonGenerer();
}

void FenetrePrincipale::afficherCalendrier(Calendrier *calendrier)
{
    if (calendrier == nullptr) {
        // Nothing to show: back to the start state rather than commands without a calendar.
        setCalendrier(nullptr);
        reinitialiserBoutonsJour();
        for (const char *nomLabel : {"nom", "taille"}) {
            if (auto *label = findChild<QLabel *>(QLatin1String(nomLabel)))
                label->clear();
        }
        initialiserEtats();
        return;
    }

    deverrouillerBoutonApercu();
    deverrouillerBoutonGenerer();
    setCalendrier(calendrier);

    if (auto *nom = findChild<QLabel *>(QStringLiteral("nom")))
        nom->setText(calendrier->getNom());

    // Every tile is reset first so that a day missing from this calendar shows empty.
    const QMap<int, BoutonJour *> boutons = reinitialiserBoutonsJour();
    const QMap<int, Media *> &contenu = calendrier->getContenuConstant();
    for (auto it = contenu.constBegin(); it != contenu.constEnd(); ++it) {
        BoutonJour *bouton = boutons.value(it.key(), nullptr);
        if (bouton == nullptr || it.value() == nullptr)
            continue;
        bouton->setType(it.value()->getType());
        if (!it.value()->getUrl().isEmpty())
            bouton->setNomMedia(it.value()->getUrl());
    }

    deverrouillerGrilleBoutonJour();
    afficherTaille();
}

QMap<int, BoutonJour *> FenetrePrincipale::reinitialiserBoutonsJour()
{
    QMap<int, BoutonJour *> boutons;
    if (QGridLayout *grille = getGrilleBoutonJour()) {
        for (int i = 0; i < grille->count(); ++i) {
            if (auto *bouton = qobject_cast<BoutonJour *>(grille->itemAt(i)->widget())) {
                bouton->init();
                boutons.insert(bouton->getNumeroJour(), bouton);
            }
        }
    }
    return boutons;
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
    if (auto *label = findChild<QLabel *>(QStringLiteral("taille")))
        label->setText(tr("Size: %1 %2").arg(valeur, unite));
}

void FenetrePrincipale::mettreEnFormeTaille(const qint64 &taille, QString *valeur, QString *unite)
{
    struct Echelle {
        qint64 facteur;
        const char *unite;
    };
    static const Echelle echelles[] = {
        {1000000000LL, "Go"},
        {1000000LL, "Mo"},
        {1000LL, "ko"},
    };

    for (const Echelle &echelle : echelles) {
        if (taille >= echelle.facteur) {
            // Truncated, never rounded: 1 999 999 bytes is 1.999 Mo.
            const qint64 entier = taille / echelle.facteur;
            const qint64 milliemes = (taille % echelle.facteur) / (echelle.facteur / 1000);
            *valeur = QStringLiteral("%1.%2").arg(entier).arg(milliemes, 3, 10, QLatin1Char('0'));
            *unite = QString::fromLatin1(echelle.unite);
            return;
        }
    }
    *valeur = QString::number(taille);
    *unite = QStringLiteral("bytes");
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
    QGridLayout *grille = getGrilleBoutonJour();
    if (grille == nullptr)
        return;
    for (int i = 0; i < grille->count(); ++i) {
        if (QWidget *widget = grille->itemAt(i)->widget())
            widget->setEnabled(active);
    }
}

void FenetrePrincipale::activerBouton(QPushButton *bouton, bool active)
{
    if (bouton != nullptr)
        bouton->setEnabled(active);
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
    activerBouton(getBoutonEnregistrer(), false);
}

void FenetrePrincipale::deverrouillerBoutonEnregistrer()
{
    activerBouton(getBoutonEnregistrer(), true);
}

void FenetrePrincipale::verrouillerBoutonApercu()
{
    activerBouton(getBoutonApercu(), false);
}

void FenetrePrincipale::deverrouillerBoutonApercu()
{
    activerBouton(getBoutonApercu(), true);
}

void FenetrePrincipale::verrouillerBoutonGenerer()
{
    activerBouton(getBoutonGenerer(), false);
}

void FenetrePrincipale::deverrouillerBoutonGenerer()
{
    activerBouton(getBoutonGenerer(), true);
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
    const QPushButton *bouton = getBoutonEnregistrer();
    // Relative to the window: the whole window is disabled while a stopped run ends.
    return bouton != nullptr && bouton->isEnabledTo(this);
}

QPushButton *FenetrePrincipale::getBoutonEnregistrer()
{
    return findChild<QPushButton *>(QStringLiteral("bouton_enregistrer"));
}

QPushButton *FenetrePrincipale::getBoutonApercu()
{
    return findChild<QPushButton *>(QStringLiteral("bouton_apercu"));
}

QPushButton *FenetrePrincipale::getBoutonGenerer()
{
    return findChild<QPushButton *>(QStringLiteral("bouton_generer"));
}

QGridLayout *FenetrePrincipale::getGrilleBoutonJour()
{
    return findChild<QGridLayout *>(QStringLiteral("grille_BoutonJour"));
}

bool FenetrePrincipale::poserQuestion(const QString &texte)
{
    return QMessageBox::question(this, QString(), texte, QMessageBox::Yes | QMessageBox::No)
        != QMessageBox::No;
}

void FenetrePrincipale::afficherErreur(const QString &texte)
{
    QMessageBox::warning(this, QString(), texte);
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
    if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty())
        return;
    ouvrirCalendrier(dialogue.selectedFiles().constFirst());
}

bool FenetrePrincipale::ouvrirCalendrier(const QString &chemin)
{
    // A file that is not a calendar must not become the Save target: the next
    // Save would overwrite it with an empty calendar.
    GestionnaireFichiers gestionnaire;
    QDomDocument document;
    if (gestionnaire.creerDomDepuisFichier(chemin, document) != 0
        || document.documentElement().tagName() != GestionnaireFichiers::NOM_BALISE_RACINE) {
        afficherErreur(tr("Error opening the calendar."));
        return false;
    }

    auto *nouveau = new Calendrier();
    gestionnaire.creerCalendrierDepuisDom(document, *nouveau);
    setUrlCalendrier(chemin);
    afficherCalendrier(nouveau);
    sauvegardeInutile();
    return true;
}

void FenetrePrincipale::clicBoutonEnregistrer()
{
    if (getCalendrier() == nullptr)
        return;

    GestionnaireFichiers gestionnaire;
    if (gestionnaire.creerFichierDepuisCalendrier(*getCalendrier(), getUrlCalendrier()) != 0) {
        // Save stays enabled so that Quit still warns about the unsaved changes.
        afficherErreur(tr("Error saving the calendar."));
        return;
    }
    sauvegardeInutile();
}

void FenetrePrincipale::clicBoutonApercu()
{
    if (getCalendrier() == nullptr)
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
    if (getCalendrier() == nullptr)
        return;

    QFileDialog dialogue(this, tr("Select the generation directory"));
    dialogue.setFileMode(QFileDialog::Directory);
    if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty())
        return;
    const QString repertoire = dialogue.selectedFiles().constFirst();

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

void FenetrePrincipale::finDeGenerationApercu(int resultat, QString repertoireSortie)
{
    if (resultatAbandonne())
        return;
    if (resultat != 0) {
        QMessageBox::warning(nullptr, QString(), tr("Error generating the calendar."));
        return;
    }
    // Absolute, so that the browser finds it whatever its own working directory.
    const QString page = QFileInfo(QDir(repertoireSortie).filePath(QStringLiteral("index.html"))).absoluteFilePath();
    QDesktopServices::openUrl(QUrl::fromLocalFile(page));
}

void FenetrePrincipale::finDeGeneration(int resultat, QString repertoireSortie)
{
    if (resultatAbandonne())
        return;
    if (resultat != 0) {
        QMessageBox::warning(nullptr, QString(), tr("Error generating the calendar."));
        return;
    }
    QMessageBox::information(nullptr, QString(), tr("Generating the calendar successfully in ") + repertoireSortie);
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
    setEnabled(false);
    connect(generateur, &QThread::finished, this, [this] {
        if (!generationEnCours())
            setEnabled(true);
    });
    // The thread may have ended before the connection was made.
    if (!generationEnCours())
        setEnabled(true);
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

bool FenetrePrincipale::resultatAbandonne() const
{
    const auto *generateur = qobject_cast<const Generateur *>(sender());
    return generateur != nullptr
        && (generateur->isInterruptionRequested() || generateur->property(GENERATION_ABANDONNEE).toBool());
}
