#include "fenetres/fenetrepartage.h"
#include "ui_fenetrepartage.h"

#include "bureau/boitemessage.h"
#include "bureau/choixfichier.h"
#include "bureau/motdepasseprive.h"
#include "modele/calendrier.h"
#include "site/cartepartage.h"
#include "site/codeqr.h"
#include "site/siteprive.h"

#include <QCheckBox>
#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QUrl>

FenetrePartage::FenetrePartage(QWidget *parent) : QDialog(parent), ui(new Ui_FenetrePartage)
{
    ui->setupUi(this);
    connect(ui->bouton_copier, &QPushButton::released, this, &FenetrePartage::clicBoutonCopier);
    connect(
        ui->bouton_enregistrer_qr, &QPushButton::released, this, &FenetrePartage::clicBoutonEnregistrerQr);
    connect(ui->bouton_enregistrer_carte, &QPushButton::released, this,
        &FenetrePartage::clicBoutonEnregistrerCarte);
    connect(ui->case_cle, &QCheckBox::toggled, this, &FenetrePartage::basculerCle);
    ui->etiquette_cle->hide();
}

FenetrePartage::~FenetrePartage()
{
    delete ui;
}

void FenetrePartage::configurerFenetre(Calendrier const *nouveau)
{
    calendrier = nouveau;
    ui->case_cle->setVisible(calendrier != nullptr && calendrier->getOptions().prive);
    montrerAdresse(calendrier != nullptr ? calendrier->getOptions().adresse : QString());
}

void FenetrePartage::basculerCle(bool avecCle)
{
    const QString adresse = calendrier != nullptr ? calendrier->getOptions().adresse : QString();
    QString motDePasse;
    QString fragment;
    if (avecCle && calendrier != nullptr && MotDePassePrive::obtenir(this, *calendrier, &motDePasse)) {
        const Resultat cle = SitePrive::fragmentCle(*calendrier, motDePasse, &fragment);
        if (!cle)
            BoiteMessage::avertir(this, cle.getMessage());
    }
    // The key travels in the fragment, which browsers never send to the server.
    const QUrl url(adresse);
    if (!fragment.isEmpty()) {
        montrerAdresse(url.adjusted(QUrl::RemoveFragment).toString() + QLatin1Char('#') + fragment);
    } else {
        const QSignalBlocker blocage(ui->case_cle);
        ui->case_cle->setChecked(false);
        montrerAdresse(adresse);
    }
    ui->etiquette_cle->setVisible(!fragment.isEmpty());
}

void FenetrePartage::montrerAdresse(const QString &adresse)
{
    ui->champ_adresse->setText(adresse);
    const CodeQr code(adresse);
    // Whole pixels per module keep the code sharp on screen; about 260 pixels wide.
    if (code.estValide())
        ui->image_qr->setPixmap(
            QPixmap::fromImage(code.image(qMax(1, 264 / (code.getTaille() + 2 * CodeQr::MARGE)))));
    for (QPushButton *bouton : {ui->bouton_copier, ui->bouton_enregistrer_qr, ui->bouton_enregistrer_carte})
        bouton->setEnabled(code.estValide());
    ui->case_rappels->setEnabled(code.estValide());
}

void FenetrePartage::clicBoutonCopier()
{
    QGuiApplication::clipboard()->setText(ui->champ_adresse->text());
}

QString FenetrePartage::choisirFichier(
    const QString &titre, const QString &nomPropose, const QString &typeMime, const QString &suffixe)
{
    QFileDialog dialogue(this, titre);
    dialogue.setAcceptMode(QFileDialog::AcceptSave);
    dialogue.setFileMode(QFileDialog::AnyFile);
    dialogue.setMimeTypeFilters({typeMime});
    dialogue.setDefaultSuffix(suffixe);
    dialogue.selectFile(nomPropose + QLatin1Char('.') + suffixe);
    QString chemin = ChoixFichier::choisir(dialogue);
    if (!chemin.isEmpty() && !chemin.endsWith(QLatin1Char('.') + suffixe, Qt::CaseInsensitive))
        chemin += QLatin1Char('.') + suffixe;
    return chemin;
}

namespace {
// A file name from the calendar's name: no separators or other characters file systems refuse.
QString nomFichier(const Calendrier *calendrier, const QString &complement)
{
    QString nom = calendrier != nullptr ? calendrier->getNom().trimmed() : QString();
    nom.replace(QRegularExpression(QStringLiteral("[/\\\\:*?\"<>|\\x00-\\x1f]")), QStringLiteral("_"));
    return nom.isEmpty() ? complement : nom + QLatin1Char('-') + complement;
}
} // namespace

void FenetrePartage::clicBoutonEnregistrerQr()
{
    const QString chemin = choisirFichier(tr("Save the QR code"),
        nomFichier(calendrier, QStringLiteral("qr")), QStringLiteral("image/png"), QStringLiteral("png"));
    if (chemin.isEmpty())
        return;
    const CodeQr code(ui->champ_adresse->text());
    if (!code.image(PIXELS_PAR_MODULE).save(chemin, "PNG"))
        BoiteMessage::avertir(this, tr("The QR code cannot be saved in %1.").arg(chemin));
}

void FenetrePartage::clicBoutonEnregistrerCarte()
{
    if (calendrier == nullptr)
        return;
    const QString chemin = choisirFichier(tr("Save the card"), nomFichier(calendrier, QStringLiteral("card")),
        QStringLiteral("application/pdf"), QStringLiteral("pdf"));
    if (chemin.isEmpty())
        return;
    const Resultat carte =
        CartePartage::ecrire(*calendrier, chemin, ui->case_rappels->isChecked(), ui->champ_adresse->text());
    if (!carte)
        BoiteMessage::avertir(this, carte.getMessage());
}
