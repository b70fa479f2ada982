#include "fenetres/fenetrenouveau.h"
#include "ui_fenetrenouveau.h"

#include "bureau/boitemessage.h"
#include "bureau/choixfichier.h"
#include "bureau/parametres.h"
#include "fenetres/adaptationformulaire.h"
#include "fenetres/saisiechemin.h"
#include "format/format.h"
#include "modele/projet.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QRegularExpression>

FenetreNouveau::FenetreNouveau(Projet &projetAConfigurer, QWidget *parent)
    : QDialog(parent), ui(new Ui_FenetreNouveau), projet(nullptr)
{
    ui->setupUi(this);
    AdaptationFormulaire::adapter(*this);
    elements = Elements::trouver(*this);
    setProjet(&projetAConfigurer);
    elements.champNom->setMaxLength(Format::LONGUEUR_NOM_MAXIMALE);
    // Typed or pasted, the directory is checked at OK like a chosen one.
    SaisieChemin::installer(elements.champUrl, SaisieChemin::DOSSIERS);
    connect(elements.champUrl, &QLineEdit::textEdited, this, [this](const QString &texte) { url = texte; });
}

FenetreNouveau::~FenetreNouveau()
{
    delete ui;
}

FenetreNouveau::Elements FenetreNouveau::Elements::trouver(const QObject &fenetre)
{
    Elements elements;
    elements.champNom = fenetre.findChild<QLineEdit *>(QStringLiteral("champ_nom"));
    elements.champUrl = fenetre.findChild<QLineEdit *>(QStringLiteral("champ_url"));
    return elements;
}

QString FenetreNouveau::getNom() const
{
    return elements.champNom->text();
}

QString FenetreNouveau::getUrl() const
{
    return url;
}

void FenetreNouveau::setUrl(const QString &nouvelleUrl)
{
    url = nouvelleUrl;
    elements.champUrl->setText(url);
}

Projet *FenetreNouveau::getProjet() const
{
    return projet;
}

void FenetreNouveau::setProjet(Projet *nouveauProjet)
{
    projet = nouveauProjet;
}

void FenetreNouveau::afficherMessageErreur(const QString &message)
{
    BoiteMessage::avertir(nullptr, message);
}

void FenetreNouveau::afficherMessageErreurSaisieVide()
{
    afficherMessageErreur(tr("Please enter a name for the project and a working directory."));
}

void FenetreNouveau::afficherMessageErreurSaisieInvalide()
{
    afficherMessageErreur(
        tr("Please enter a correct name for the project (must contain only letters and numbers)."));
}

bool FenetreNouveau::estNomValide(const QString &nom)
{
    // The name becomes a file name and an identifier in the generated site, so only
    // plain ASCII letters and digits are allowed.
    static const QRegularExpression motif(QRegularExpression::anchoredPattern("[A-Za-z0-9]+"));
    return motif.match(nom).hasMatch();
}

void FenetreNouveau::clicBoutonParcourir()
{
    QFileDialog selecteur(this, tr("Select the working directory"));
    selecteur.setFileMode(QFileDialog::Directory);
    selecteur.setOption(QFileDialog::DontUseNativeDialog);
    const QString saisi = SaisieChemin::chemin(url);
    selecteur.setDirectory(
        QFileInfo(saisi).isDir() ? saisi : Parametres::getDernierDossier(Parametres::PROJETS));
    const QString choix = ChoixFichier::choisir(selecteur);
    if (choix.isEmpty())
        return;
    Parametres::setDernierDossier(Parametres::PROJETS, choix);
    setUrl(choix);
}

void FenetreNouveau::clicBoutonOk()
{
    const QString nom = getNom();
    if (nom.isEmpty() || url.trimmed().isEmpty()) {
        afficherMessageErreurSaisieVide();
        return;
    }
    if (!estNomValide(nom)) {
        afficherMessageErreurSaisieInvalide();
        return;
    }
    // A chooser gives only folders that exist; a typed path must be one too.
    const QString dossier = SaisieChemin::chemin(url);
    if (!QFileInfo(dossier).isDir()) {
        afficherMessageErreur(tr("The working directory %1 does not exist or is not a folder.")
                                  .arg(QDir::toNativeSeparators(dossier)));
        return;
    }
    setUrl(dossier);
    // Asked here so that No leaves the name and directory in place to be changed. Without
    // this question the first Save would silently replace that calendar.
    const Projet choisi(nom, url);
    if (QFileInfo::exists(choisi.getUrl())
        && BoiteMessage::question(
               this, tr("A calendar with this name already exists in this directory. \nReplace it?"))
            == QMessageBox::No)
        return;
    projet->setNomPojet(nom);
    projet->setRepertoire(url);
    accept();
}
