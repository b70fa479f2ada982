#include "fenetreoptions.h"
#include "ui_fenetreoptions.h"

#include "boitemessage.h"
#include "chiffrement/parametrescle.h"
#include "chiffrement/trousseau.h"
#include "format/format.h"
#include "modele/calendrier.h"
#include "site/siteprive.h"
#include "traduction.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDate>
#include <QDateEdit>
#include <QLineEdit>
#include <QLocale>
#include <QSpinBox>
#include <QStringList>
#include <QTimeZone>

#include <iterator>

namespace {
QStringList nomsFuseaux()
{
    QStringList noms;
    for (const QByteArray &identifiant : QTimeZone::availableTimeZoneIds())
        noms << QString::fromUtf8(identifiant);
    return noms;
}

// Each language under its own name, as its speakers look for it.
const QString FORME_DATE = QStringLiteral("yyyy-MM-dd");
const QString FORME_ANNUELLE = QStringLiteral("MM-dd");
} // namespace

FenetreOptions::FenetreOptions(QWidget *parent) : QDialog(parent), ui(new Ui_FenetreOptions)
{
    ui->setupUi(this);
    elements = Elements::trouver(*this);

    // Item i is month i; item 0 any month. Month names in the interface's language.
    elements.mois->addItem(tr("Any month"));
    for (int mois = 1; mois <= 12; ++mois)
        elements.mois->addItem(tr("%1 only").arg(QLocale().standaloneMonthName(mois)));

    auto *completion = new QCompleter(nomsFuseaux(), this);
    completion->setCaseSensitivity(Qt::CaseInsensitive);
    completion->setFilterMode(Qt::MatchContains);
    elements.fuseau->setCompleter(completion);

    for (std::size_t i = 0; i < std::size(Format::LANGUES); ++i)
        elements.langue->addItem(Traduction::nomLangue(Format::LANGUES[i]), QString(Format::LANGUES[i]));
    elements.jours->setRange(Format::PREMIER_JOUR, Format::DERNIER_JOUR);
    elements.dateDebut->setDate(QDate::currentDate());
    connect(elements.debut, &QCheckBox::toggled, this, &FenetreOptions::actualiserDebut);
    connect(elements.chaqueAnnee, &QCheckBox::toggled, this, &FenetreOptions::actualiserDebut);
    connect(elements.prive, &QCheckBox::toggled, this, &FenetreOptions::actualiserPrive);
    actualiserPrive();
}

FenetreOptions::~FenetreOptions()
{
    delete ui;
}

FenetreOptions::Elements FenetreOptions::Elements::trouver(const QObject &fenetre)
{
    Elements elements;
    elements.rattrapage = fenetre.findChild<QCheckBox *>(QStringLiteral("case_rattrapage"));
    elements.mois = fenetre.findChild<QComboBox *>(QStringLiteral("choix_mois"));
    elements.fuseau = fenetre.findChild<QLineEdit *>(QStringLiteral("champ_fuseau"));
    elements.jours = fenetre.findChild<QSpinBox *>(QStringLiteral("champ_jours"));
    elements.debut = fenetre.findChild<QCheckBox *>(QStringLiteral("case_debut"));
    elements.dateDebut = fenetre.findChild<QDateEdit *>(QStringLiteral("champ_debut"));
    elements.chaqueAnnee = fenetre.findChild<QCheckBox *>(QStringLiteral("case_chaque_annee"));
    elements.melange = fenetre.findChild<QCheckBox *>(QStringLiteral("case_melange"));
    elements.langue = fenetre.findChild<QComboBox *>(QStringLiteral("liste_langue"));
    elements.adresse = fenetre.findChild<QLineEdit *>(QStringLiteral("champ_adresse"));
    elements.originaux = fenetre.findChild<QCheckBox *>(QStringLiteral("case_originaux"));
    elements.prive = fenetre.findChild<QCheckBox *>(QStringLiteral("case_prive"));
    elements.motDePasse = fenetre.findChild<QLineEdit *>(QStringLiteral("champ_mot_de_passe"));
    elements.confirmation = fenetre.findChild<QLineEdit *>(QStringLiteral("champ_confirmation"));
    elements.trousseau = fenetre.findChild<QCheckBox *>(QStringLiteral("case_trousseau"));
    return elements;
}

void FenetreOptions::configurerFenetre(Calendrier *calendrierAEditer)
{
    calendrier = calendrierAEditer;
    if (calendrier == nullptr)
        return;
    elements.rattrapage->setChecked(calendrier->getRattrapage());
    elements.mois->setCurrentIndex(calendrier->getMois());
    elements.fuseau->setText(calendrier->getFuseau());
    elements.jours->setValue(calendrier->getJours());

    const QString debut = calendrier->getDebut();
    const bool annuel = debut.size() == FORME_ANNUELLE.size();
    if (!debut.isEmpty()) {
        // A yearly start shows in this year; 29 February in the next leap year.
        QDate date = QDate::fromString(debut, FORME_DATE);
        for (int annee = QDate::currentDate().year(); annuel && !date.isValid(); ++annee)
            date = QDate::fromString(QString::number(annee) + QLatin1Char('-') + debut, FORME_DATE);
        elements.dateDebut->setDate(date);
    }
    elements.debut->setChecked(!debut.isEmpty());
    elements.chaqueAnnee->setChecked(annuel);
    actualiserDebut();

    elements.melange->setChecked(calendrier->getMelange());
    // A language this editor does not know yet is kept as it was read.
    const QString langue = calendrier->getLangue().isEmpty() ? QStringLiteral("en") : calendrier->getLangue();
    if (elements.langue->findData(langue) < 0)
        elements.langue->addItem(langue, langue);
    elements.langue->setCurrentIndex(elements.langue->findData(langue));
    elements.adresse->setText(calendrier->getAdresse());
    elements.originaux->setChecked(calendrier->getOriginaux());
    elements.prive->setChecked(calendrier->getPrive());
    // A password already set is kept unless another is typed.
    if (ParametresCle::lire(calendrier->getCle()).estValide())
        elements.motDePasse->setPlaceholderText(tr("unchanged"));
    actualiserPrive();
}

void FenetreOptions::actualiserPrive()
{
    for (QWidget *champ : {static_cast<QWidget *>(elements.motDePasse),
             static_cast<QWidget *>(elements.confirmation), static_cast<QWidget *>(elements.trousseau)})
        champ->setEnabled(elements.prive->isChecked());
}

bool FenetreOptions::cleChoisie(QString *cle)
{
    cle->clear();
    if (!elements.prive->isChecked())
        return true;
    const QString motDePasse = elements.motDePasse->text();
    if (motDePasse.isEmpty() && elements.confirmation->text().isEmpty()
        && ParametresCle::lire(calendrier->getCle()).estValide()) {
        *cle = calendrier->getCle();
        return true;
    }
    if (motDePasse.isEmpty()) {
        BoiteMessage::avertir(this, tr("Type the password visitors will need, twice."));
        elements.motDePasse->setFocus();
        return false;
    }
    if (motDePasse != elements.confirmation->text()) {
        BoiteMessage::avertir(this, tr("The two passwords differ. Type the same password twice."));
        elements.confirmation->clear();
        elements.confirmation->setFocus();
        return false;
    }
    const Resultat nouvelle = SitePrive::definirMotDePasse(motDePasse, cle);
    if (!nouvelle) {
        BoiteMessage::avertir(this, nouvelle.getMessage());
        return false;
    }
    QString erreur;
    const QByteArray sel = ParametresCle::lire(*cle).getSel();
    if (elements.trousseau->isChecked() && !Trousseau::ecrire(sel, motDePasse, &erreur))
        BoiteMessage::avertir(this,
            tr("The keyring did not keep the password (%1): it will be asked at each generation.")
                .arg(erreur));
    return true;
}

void FenetreOptions::actualiserDebut()
{
    elements.dateDebut->setEnabled(elements.debut->isChecked());
    elements.chaqueAnnee->setEnabled(elements.debut->isChecked());
    elements.dateDebut->setDisplayFormat(
        elements.chaqueAnnee->isChecked() ? QStringLiteral("d MMMM") : QStringLiteral("d MMMM yyyy"));
}

QString FenetreOptions::debutChoisi() const
{
    if (!elements.debut->isChecked())
        return {};
    return elements.dateDebut->date().toString(
        elements.chaqueAnnee->isChecked() ? FORME_ANNUELLE : FORME_DATE);
}

QString FenetreOptions::langueChoisie() const
{
    const QString langue = elements.langue->currentData().toString();
    if (langue == QLatin1String("en") && calendrier->getLangue().isEmpty())
        return {};
    return langue;
}

bool FenetreOptions::fuseauValide(const QString &fuseau)
{
    return fuseau.isEmpty() || QTimeZone::availableTimeZoneIds().contains(fuseau.toUtf8());
}

void FenetreOptions::clicBoutonOk()
{
    if (calendrier == nullptr) {
        reject();
        return;
    }
    const QString fuseau = elements.fuseau->text().trimmed();
    if (!fuseauValide(fuseau)) {
        BoiteMessage::avertir(this,
            tr("\u201c%1\u201d is not a time zone this computer knows.\n"
               "Give a name such as Europe/Paris, or leave the field empty "
               "for each visitor\u2019s own clock.")
                .arg(fuseau));
        elements.fuseau->setFocus();
        return;
    }
    const QString adresse = elements.adresse->text().trimmed();
    if (!Calendrier::adresseValide(adresse)) {
        BoiteMessage::avertir(this,
            tr("\u201c%1\u201d is not the address of a web page.\n"
               "Give the whole address, starting with https:// or http://, "
               "or leave the field empty.")
                .arg(adresse));
        elements.adresse->setFocus();
        return;
    }

    Calendrier choisi;
    choisi.setRattrapage(elements.rattrapage->isChecked());
    choisi.setMois(elements.mois->currentIndex());
    choisi.setFuseau(fuseau);
    choisi.setJours(elements.jours->value());
    choisi.setDebut(debutChoisi());
    choisi.setMelange(elements.melange->isChecked());
    choisi.setLangue(langueChoisie());
    choisi.setAdresse(adresse);
    choisi.setOriginaux(elements.originaux->isChecked());
    choisi.setPrive(elements.prive->isChecked());
    QString cle;
    if (!cleChoisie(&cle))
        return;
    choisi.setCle(cle);
    if (choisi.memesOptions(*calendrier)) {
        reject();
        return;
    }
    calendrier->copierOptions(choisi);
    accept();
}
