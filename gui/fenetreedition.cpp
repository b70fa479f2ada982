#include "fenetreedition.h"
#include "ui_fenetreedition.h"

#include "boitemessage.h"
#include "calendrier.h"
#include "choixfichier.h"
#include "contenumedia.h"
#include "fichierordinaire.h"
#include "genremedia.h"

#include <QFileDialog>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

FenetreEdition::FenetreEdition(QWidget *parent)
    : QDialog(parent),
      ui(new Ui_FenetreEdition),
      numeroJour(0),
      calendrier(nullptr),
      typeMediaSelectionne(Media::PHOTO)
{
    ui->setupUi(this);
    elements = Elements::trouver(*this);
    setMediaSelectionne(Media::PHOTO);
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
    elements.photo = fenetre.findChild<QPushButton *>(QStringLiteral("bouton_photo"));
    elements.musique = fenetre.findChild<QPushButton *>(QStringLiteral("bouton_musique"));
    elements.video = fenetre.findChild<QPushButton *>(QStringLiteral("bouton_video"));
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
    elements.photo->setChecked(type == Media::PHOTO);
    elements.musique->setChecked(type == Media::MUSIQUE);
    elements.video->setChecked(type == Media::VIDEO);
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
        apercu->setText(tr("No preview available"));
        return;
    }
    apercu->setPixmap(QPixmap::fromImage(
        image.scaled(apercu->width(), apercu->height(), Qt::KeepAspectRatio, Qt::FastTransformation)));
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

void FenetreEdition::clicBoutonParcourir()
{
    QFileDialog selecteur(this, tr("Select a file"));
    selecteur.setOption(QFileDialog::DontUseNativeDialog);
    selecteur.setMimeTypeFilters(filtresMime(typeMediaSelectionne));
    const QString parDefaut = filtreMimeParDefaut(typeMediaSelectionne);
    if (!parDefaut.isEmpty())
        selecteur.selectMimeTypeFilter(parDefaut);
    const QString choix = ChoixFichier::choisir(selecteur);
    if (choix.isEmpty())
        return;
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
    // An empty location is how a day is cleared.
    if (url.isEmpty()) {
        if (Media *ancien = calendrier->getMedia(numeroJour)) {
            calendrier->supprimerMedia(numeroJour);
            delete ancien;
        }
        accept();
        return;
    }
    if (const GenreMedia *genre = GenreMedia::pour(typeMediaSelectionne)) {
        // Judged by the content, not the name; the user may still know better. No keeps
        // the dialog open to choose another file.
        if (!ContenuMedia::estDeLaFamille(url, genre->famillesMimeContenu)
            && BoiteMessage::question(this, tr(genre->questionContenuDouteux), QMessageBox::No)
                != QMessageBox::Yes)
            return;
        calendrier->ajouterMedia(numeroJour, genre->creer(url));
    }
    accept();
}
