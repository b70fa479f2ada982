#include "fenetres/fenetreedition.h"
#include "ui_fenetreedition.h"

#include "bureau/boitemessage.h"
#include "bureau/choixfichier.h"
#include "bureau/parametres.h"
#include "fenetres/adaptationformulaire.h"
#include "fenetres/saisiechemin.h"
#include "fichierprojet/gardexml.h"
#include "generation/serviceconversions.h"
#include "modele/calendrier.h"
#include "modele/contenumedia.h"
#include "modele/fichierordinaire.h"
#include "modele/genremedia.h"
#include "modele/message.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
// The form's toggle button of each kind.
const QMap<Media::TypeMedia, QString> &nomsBoutonsGenre()
{
    static const QMap<Media::TypeMedia, QString> noms{
        {Media::PHOTO, QStringLiteral("bouton_photo")},
        {Media::MUSIQUE, QStringLiteral("bouton_musique")},
        {Media::VIDEO, QStringLiteral("bouton_video")},
        {Media::MESSAGE, QStringLiteral("bouton_message")},
    };
    return noms;
}
} // namespace

FenetreEdition::FenetreEdition(QWidget *parent)
    : QDialog(parent),
      ui(new Ui_FenetreEdition),
      numeroJour(0),
      calendrier(nullptr),
      typeMediaSelectionne(Media::PHOTO)
{
    ui->setupUi(this);
    elements = Elements::trouver(*this);
    // A kind's name never shrinks below its length: the dialog widens for longer words.
    for (const QString &nom : nomsBoutonsGenre()) {
        if (auto *bouton = findChild<QPushButton *>(nom))
            bouton->setSizePolicy(QSizePolicy::Minimum, bouton->sizePolicy().verticalPolicy());
    }
    AdaptationFormulaire::adapter(*this);
    // Typed or pasted, the location is checked at OK like a chosen one.
    SaisieChemin::installer(elements.champUrl, SaisieChemin::FICHIERS);
    connect(elements.champUrl, &QLineEdit::textEdited, this, [this](const QString &texte) { setUrl(texte); });
    connect(elements.champMessage, &QPlainTextEdit::textChanged, this, [this] {
        texteMessage = elements.champMessage->toPlainText();
        mettreAJourCompteur();
    });
    setMediaSelectionne(Media::PHOTO);
    afficherSaisieDuGenre();
    mettreAJourCompteur();
    setNumeroJour(0);
}

FenetreEdition::~FenetreEdition()
{
    delete ui;
}

FenetreEdition::Elements FenetreEdition::Elements::trouver(const QObject &fenetre)
{
    Elements elements;
    elements.champUrl = fenetre.findChild<QLineEdit *>(QStringLiteral("champ_url"));
    elements.apercu = fenetre.findChild<QLabel *>(QStringLiteral("apercu"));
    elements.parcourir = fenetre.findChild<QPushButton *>(QStringLiteral("bouton_parcourir"));
    elements.champMessage = fenetre.findChild<QPlainTextEdit *>(QStringLiteral("champ_message"));
    elements.restants = fenetre.findChild<QLabel *>(QStringLiteral("caracteres_restants"));
    if (auto *boutons = fenetre.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox")))
        elements.ok = boutons->button(QDialogButtonBox::Ok);
    const auto &noms = nomsBoutonsGenre();
    for (auto it = noms.constBegin(); it != noms.constEnd(); ++it)
        elements.boutonsGenre.insert(it.key(), fenetre.findChild<QPushButton *>(it.value()));
    return elements;
}

void FenetreEdition::configurerFenetre(int jour, Calendrier *calendrierAEditer)
{
    setNumeroJour(jour);
    verouillerSaisieFichier();
    viderSaisieFichier();
    reglerBoutonsMedia(Media::AUCUN);
    setCalendrier(calendrierAEditer);
    if (calendrier == nullptr)
        return;

    Media *media = calendrier->getMedia(jour);
    if (media == nullptr) {
        clicBoutonPhoto();
        return;
    }
    if (const GenreMedia *genre = GenreMedia::pour(media->getType())) {
        choisirType(genre->type);
        if (genre->apercuALOuverture)
            mettreAJourApercu(media->getUrl());
        if (const auto *message = dynamic_cast<const Message *>(media))
            setTexteMessage(message->getTexte());
    }
    afficherDansChampUrl(media->getUrl());
}

int FenetreEdition::getNumeroJour() const
{
    return numeroJour;
}

void FenetreEdition::setNumeroJour(int jour)
{
    numeroJour = jour;
    setWindowTitle(tr("Day %1").arg(jour, 2, 10, QLatin1Char('0')));
}

Media::TypeMedia FenetreEdition::getTypeMediaSelectionne() const
{
    return typeMediaSelectionne;
}

void FenetreEdition::setMediaSelectionne(const Media::TypeMedia &type)
{
    typeMediaSelectionne = type;
}

Calendrier *FenetreEdition::getCalendrier() const
{
    return calendrier;
}

void FenetreEdition::setCalendrier(Calendrier *nouveauCalendrier)
{
    calendrier = nouveauCalendrier;
}

QString FenetreEdition::getUrl() const
{
    return url;
}

void FenetreEdition::setUrl(const QString &nouvelleUrl)
{
    url = nouvelleUrl;
}

void FenetreEdition::afficherDansChampUrl(QString texte)
{
    setUrl(texte);
    elements.champUrl->setText(texte);

    // Once a file is chosen Enter confirms it, rather than pressing the focused Browse again.
    const bool choisi = !texte.isEmpty();
    QList<QPushButton *> boutons = elements.boutonsGenre.values();
    boutons << elements.parcourir;
    for (QPushButton *bouton : qAsConst(boutons)) {
        if (bouton != nullptr)
            bouton->setAutoDefault(!choisi);
    }
    if (elements.ok != nullptr)
        elements.ok->setDefault(choisi);
}

void FenetreEdition::viderChampUrl()
{
    afficherDansChampUrl(QString());
}

void FenetreEdition::viderSaisieFichier()
{
    viderChampUrl();
    mettreAJourApercu(QString());
}

void FenetreEdition::configurerSaisieFichier(bool actif)
{
    elements.apercu->setEnabled(actif);
    elements.champUrl->setEnabled(actif);
    elements.parcourir->setEnabled(actif);
    elements.champMessage->setEnabled(actif);
}

void FenetreEdition::verouillerSaisieFichier()
{
    configurerSaisieFichier(false);
}

void FenetreEdition::deverouillerSaisieFichier()
{
    configurerSaisieFichier(true);
}

void FenetreEdition::reglerBoutonsMedia(Media::TypeMedia type)
{
    for (auto it = elements.boutonsGenre.constBegin(); it != elements.boutonsGenre.constEnd(); ++it)
        it.value()->setChecked(it.key() == type);
}

void FenetreEdition::mettreAJourApercu(QString emplacement)
{
    QLabel *apercu = elements.apercu;
    QImage image;
    // The image reader would block on a FIFO and never finish a device.
    if (FichierOrdinaire::estFichierOrdinaire(emplacement)) {
        QImageReader lecteur(emplacement);
        lecteur.setAutoTransform(true);
        image = lecteur.read();
    }
    if (image.isNull()) {
        // A sound or video some browsers cannot play says so where its preview would be.
        const QString avertissement =
            ServiceConversions::avertissement(emplacement, getTypeMediaSelectionne());
        apercu->setWordWrap(true);
        apercu->setText(avertissement.isEmpty() ? tr("No preview available") : avertissement);
        return;
    }
    apercu->setPixmap(QPixmap::fromImage(
        image.scaled(apercu->width(), apercu->height(), Qt::KeepAspectRatio, Qt::FastTransformation)));
}

QString FenetreEdition::getTexteMessage() const
{
    return texteMessage;
}

void FenetreEdition::setTexteMessage(const QString &texte)
{
    elements.champMessage->setPlainText(texte);
    // The field shows carriage returns as plain line breaks: an untouched text keeps them.
    texteMessage = texte;
    mettreAJourCompteur();
}

int FenetreEdition::caracteresRestants() const
{
    // Counted in characters as the user sees them, not in UTF-16 units.
    return Message::LONGUEUR_MAXIMALE - getTexteMessage().toUcs4().size();
}

void FenetreEdition::mettreAJourCompteur()
{
    const int restants = caracteresRestants();
    if (restants >= 0)
        elements.restants->setText(
            restants == 1 ? tr("1 character left") : tr("%1 characters left").arg(restants));
    else
        elements.restants->setText(
            restants == -1 ? tr("1 character too many") : tr("%1 characters too many").arg(-restants));
    if (elements.ok != nullptr)
        elements.ok->setEnabled(restants >= 0 || typeMediaSelectionne != Media::MESSAGE);
}

void FenetreEdition::afficherSaisieDuGenre()
{
    const GenreMedia *genre = GenreMedia::pour(typeMediaSelectionne);
    const bool texte = genre != nullptr && !genre->avecFichier;
    elements.champUrl->setVisible(!texte);
    elements.parcourir->setVisible(!texte);
    elements.apercu->setVisible(!texte);
    elements.champMessage->setVisible(texte);
    elements.restants->setVisible(texte);
    mettreAJourCompteur();
}

QStringList FenetreEdition::filtresMime(Media::TypeMedia type)
{
    QStringList filtres{QStringLiteral("application/octet-stream")};
    if (const GenreMedia *genre = GenreMedia::pour(type)) {
        filtres << genre->typesMimeChoix;
        if (genre->typesMimeLecteurImages) {
            for (const QByteArray &mime : QImageReader::supportedMimeTypes())
                filtres << QString::fromLatin1(mime);
        }
    }
    filtres.sort(Qt::CaseSensitive);
    return filtres;
}

QString FenetreEdition::filtreMimeParDefaut(Media::TypeMedia type)
{
    const GenreMedia *genre = GenreMedia::pour(type);
    return genre != nullptr ? genre->typeMimeParDefaut : QString();
}

void FenetreEdition::choisirType(Media::TypeMedia type)
{
    if (type != typeMediaSelectionne)
        viderSaisieFichier();
    setMediaSelectionne(type);
    reglerBoutonsMedia(type);
    afficherSaisieDuGenre();
    deverouillerSaisieFichier();
}

void FenetreEdition::clicBoutonPhoto()
{
    choisirType(Media::PHOTO);
}

void FenetreEdition::clicBoutonMusique()
{
    choisirType(Media::MUSIQUE);
}

void FenetreEdition::clicBoutonVideo()
{
    choisirType(Media::VIDEO);
}

void FenetreEdition::clicBoutonMessage()
{
    choisirType(Media::MESSAGE);
}

void FenetreEdition::clicBoutonParcourir()
{
    QFileDialog selecteur(this, tr("Select a file"));
    selecteur.setOption(QFileDialog::DontUseNativeDialog);
    selecteur.setMimeTypeFilters(filtresMime(typeMediaSelectionne));
    const QString parDefaut = filtreMimeParDefaut(typeMediaSelectionne);
    if (!parDefaut.isEmpty())
        selecteur.selectMimeTypeFilter(parDefaut);
    const QString saisi = SaisieChemin::chemin(url);
    selecteur.setDirectory(QFileInfo(saisi).absoluteDir().exists() && !saisi.isEmpty()
            ? QFileInfo(saisi).absolutePath()
            : Parametres::getDernierDossier(Parametres::MEDIAS));
    const QString choix = ChoixFichier::choisir(selecteur);
    if (choix.isEmpty())
        return;
    Parametres::setDernierDossier(Parametres::MEDIAS, choix);
    afficherDansChampUrl(choix);
    mettreAJourApercu(choix);
}

void FenetreEdition::clicBoutonOk()
{
    // Without a calendar there is no day to change; closing as rejected keeps callers
    // from treating the project as modified.
    if (calendrier == nullptr) {
        reject();
        return;
    }
    const GenreMedia *genre = GenreMedia::pour(typeMediaSelectionne);
    const bool texte = genre != nullptr && !genre->avecFichier;
    if (texte && caracteresRestants() < 0)
        return;
    // Pasted text can bring control characters that no project file can store.
    if (texte && GardeXml::positionCaractereInterdit(getTexteMessage()) >= 0) {
        BoiteMessage::avertir(this,
            tr("The message holds an invisible control character that a calendar file "
               "cannot store. Remove it, or type the text again."));
        return;
    }
    // A typed location is checked below as a chosen one is.
    if (!texte)
        setUrl(SaisieChemin::chemin(url));
    // An empty location, or an empty message, is how a day is cleared.
    const QString contenu = texte ? getTexteMessage() : url;
    if (contenu.isEmpty()) {
        if (Media *ancien = calendrier->getMedia(numeroJour)) {
            calendrier->supprimerMedia(numeroJour);
            delete ancien;
        }
        accept();
        return;
    }
    if (genre != nullptr) {
        // Judged by the content, not the name; the user may still know better. No keeps
        // the dialog open to choose another file. A message has no file to judge.
        if (!texte && !ContenuMedia::estDeLaFamille(url, genre->famillesMimeContenu)
            && BoiteMessage::question(this, genre->questionContenuDouteuxTraduite(), QMessageBox::No)
                != QMessageBox::Yes)
            return;
        calendrier->ajouterMedia(numeroJour, genre->creer(contenu));
    }
    accept();
}
