#include "fenetreoptions.h"
#include "ui_fenetreoptions.h"

#include "boitemessage.h"
#include "modele/calendrier.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QLocale>
#include <QStringList>
#include <QTimeZone>

namespace {
QStringList nomsFuseaux()
{
    QStringList noms;
    for (const QByteArray &identifiant : QTimeZone::availableTimeZoneIds())
        noms << QString::fromUtf8(identifiant);
    return noms;
}
} // namespace

FenetreOptions::FenetreOptions(QWidget *parent) : QDialog(parent), ui(new Ui_FenetreOptions)
{
    ui->setupUi(this);
    elements = Elements::trouver(*this);

    // Item i is month i; item 0 any month. Month names in English, as the rest of the editor.
    const QLocale anglais(QLocale::English, QLocale::UnitedStates);
    elements.mois->addItem(tr("Any month"));
    for (int mois = 1; mois <= 12; ++mois)
        elements.mois->addItem(tr("%1 only").arg(anglais.standaloneMonthName(mois)));

    auto *completion = new QCompleter(nomsFuseaux(), this);
    completion->setCaseSensitivity(Qt::CaseInsensitive);
    completion->setFilterMode(Qt::MatchContains);
    elements.fuseau->setCompleter(completion);
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
    const bool rattrapage = elements.rattrapage->isChecked();
    const int mois = elements.mois->currentIndex();
    if (rattrapage == calendrier->getRattrapage() && mois == calendrier->getMois()
        && fuseau == calendrier->getFuseau()) {
        reject();
        return;
    }
    calendrier->setRattrapage(rattrapage);
    calendrier->setMois(mois);
    calendrier->setFuseau(fuseau);
    accept();
}
