#include "fenetres/fenetreoptions.h"
#include "ui_fenetreoptions.h"

#include "bureau/boitemessage.h"
#include "bureau/choixfichier.h"
#include "bureau/formatdates.h"
#include "bureau/parametres.h"
#include "bureau/traduction.h"
#include "chiffrement/chainecles.h"
#include "chiffrement/parametrescle.h"
#include "format/format.h"
#include "modele/calendrier.h"
#include "secrets/secrets.h"
#include "site/siteprive.h"
#include "site/themepage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDate>
#include <QDateEdit>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>
#include <QImageReader>
#include <QLineEdit>
#include <QLocale>
#include <QPixmap>
#include <QPushButton>
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

const QString FORME_DATE = QStringLiteral("yyyy-MM-dd");
const QString FORME_ANNUELLE = QStringLiteral("MM-dd");

/// The options the form shows in one widget each, by root attribute: a check box holds a
/// yes or no, a line edit or a spin box the option's text, a list the data of its item.
/// An option the table refuses, or `verifier` does, is answered with `refus`.
struct Champ {
    const char *option;
    const char *widget;
    const char *refus;
    bool (*verifier)(const QString &texte);
};

const Champ CHAMPS[] = {
    {"rattrapage", "case_rattrapage", nullptr, nullptr},
    {"mois", "choix_mois", nullptr, nullptr},
    {"fuseau", "champ_fuseau",
        QT_TRANSLATE_NOOP("FenetreOptions",
            "\u201c%1\u201d is not a time zone this computer knows.\n"
            "Give a name such as Europe/Paris, or leave the field empty "
            "for each visitor\u2019s own clock."),
        &FenetreOptions::fuseauValide},
    {"jours", "champ_jours", nullptr, nullptr},
    {"melange", "case_melange", nullptr, nullptr},
    {"adresse", "champ_adresse",
        QT_TRANSLATE_NOOP("FenetreOptions",
            "\u201c%1\u201d is not the address of a web page.\n"
            "Give the whole address, starting with https:// or http://, "
            "or leave the field empty."),
        nullptr},
    {"originaux", "case_originaux", nullptr, nullptr},
    {"publication", "champ_publication",
        QT_TRANSLATE_NOOP("FenetreOptions",
            "\u201c%1\u201d is not a publishing address.\n"
            "Give one such as sftp://user@host/~/www, ftps://user@host/www, davs://host/www or "
            "s3://KEY@host/bucket?region=us-east-1, without a password, or leave the field empty."),
        nullptr},
    {"prive", "case_prive", nullptr, nullptr},
    {"verrou", "case_verrou", nullptr, nullptr},
    {"theme", "liste_theme", nullptr, nullptr},
    {"fond", "champ_fond",
        QT_TRANSLATE_NOOP("FenetreOptions",
            "\u201c%1\u201d is not a picture this computer can read.\n"
            "Choose a photo, or leave the field empty for the theme\u2019s own sky."),
        &FenetreOptions::fondValide},
    {"titre", "case_titre", nullptr, nullptr},
};

void montrer(QWidget *widget, const QString &texte, const QString &defaut)
{
    const QString valeur = texte.isEmpty() ? defaut : texte;
    if (auto *caseACocher = qobject_cast<QCheckBox *>(widget))
        caseACocher->setChecked(!texte.isEmpty());
    else if (auto *ligne = qobject_cast<QLineEdit *>(widget))
        ligne->setText(valeur);
    else if (auto *nombre = qobject_cast<QSpinBox *>(widget))
        nombre->setValue(valeur.toInt());
    else if (auto *liste = qobject_cast<QComboBox *>(widget))
        liste->setCurrentIndex(qMax(0, liste->findData(texte)));
}

QString saisie(const QWidget *widget)
{
    if (auto *caseACocher = qobject_cast<const QCheckBox *>(widget))
        return caseACocher->isChecked() ? QStringLiteral("1") : QString();
    if (auto *ligne = qobject_cast<const QLineEdit *>(widget))
        return ligne->text().trimmed();
    if (auto *nombre = qobject_cast<const QSpinBox *>(widget))
        return QString::number(nombre->value());
    if (auto *liste = qobject_cast<const QComboBox *>(widget))
        return liste->currentData().toString();
    return {};
}
} // namespace

FenetreOptions::FenetreOptions(QWidget *parent) : QDialog(parent), ui(new Ui_FenetreOptions)
{
    ui->setupUi(this);
    elements = Elements::trouver(*this);

    // Item i is month i; item 0 any month. Month names in the interface's language.
    elements.mois->addItem(tr("Any month"), QString());
    for (int mois = 1; mois <= 12; ++mois)
        elements.mois->addItem(tr("%1 only").arg(QLocale().standaloneMonthName(mois)), QString::number(mois));

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
    connect(elements.verrou, &QCheckBox::toggled, this, &FenetreOptions::actualiserVerrou);
    connect(elements.publication, &QLineEdit::textChanged, this, &FenetreOptions::actualiserVerrou);
    actualiserVerrou();

    // Each theme as a small picture of its scene; the default one is the empty choice, so
    // that a calendar without a theme keeps its file as it was.
    auto *themes = findChild<QComboBox *>(QStringLiteral("liste_theme"));
    const QSize taille = themes->iconSize();
    for (const ThemePage::Theme &theme : ThemePage::themes())
        themes->addItem(QIcon(QPixmap::fromImage(ThemePage::apercu(theme, taille))), ThemePage::nom(theme),
            theme.cle == ThemePage::SAPINS ? QString() : QString(theme.cle));
    connect(findChild<QPushButton *>(QStringLiteral("bouton_fond")), &QPushButton::released, this,
        &FenetreOptions::clicBoutonFond);
}

FenetreOptions::~FenetreOptions()
{
    delete ui;
}

FenetreOptions::Elements FenetreOptions::Elements::trouver(const QObject &fenetre)
{
    Elements elements;
    elements.mois = fenetre.findChild<QComboBox *>(QStringLiteral("choix_mois"));
    elements.fuseau = fenetre.findChild<QLineEdit *>(QStringLiteral("champ_fuseau"));
    elements.jours = fenetre.findChild<QSpinBox *>(QStringLiteral("champ_jours"));
    elements.debut = fenetre.findChild<QCheckBox *>(QStringLiteral("case_debut"));
    elements.dateDebut = fenetre.findChild<QDateEdit *>(QStringLiteral("champ_debut"));
    elements.chaqueAnnee = fenetre.findChild<QCheckBox *>(QStringLiteral("case_chaque_annee"));
    elements.langue = fenetre.findChild<QComboBox *>(QStringLiteral("liste_langue"));
    elements.prive = fenetre.findChild<QCheckBox *>(QStringLiteral("case_prive"));
    elements.motDePasse = fenetre.findChild<QLineEdit *>(QStringLiteral("champ_mot_de_passe"));
    elements.confirmation = fenetre.findChild<QLineEdit *>(QStringLiteral("champ_confirmation"));
    elements.trousseau = fenetre.findChild<QCheckBox *>(QStringLiteral("case_trousseau"));
    elements.publication = fenetre.findChild<QLineEdit *>(QStringLiteral("champ_publication"));
    elements.verrou = fenetre.findChild<QCheckBox *>(QStringLiteral("case_verrou"));
    elements.codeSecours = fenetre.findChild<QLineEdit *>(QStringLiteral("champ_code_secours"));
    return elements;
}

void FenetreOptions::configurerFenetre(Calendrier *calendrierAEditer)
{
    calendrier = calendrierAEditer;
    if (calendrier == nullptr)
        return;
    const OptionsCalendrier &options = calendrier->getOptions();
    for (const Champ &champ : CHAMPS) {
        const OptionsCalendrier::Attribut *attribut =
            OptionsCalendrier::attribut(QLatin1String(champ.option));
        montrer(
            findChild<QWidget *>(QLatin1String(champ.widget)), attribut->texte(options), attribut->defaut);
    }

    const QString debut = options.debut;
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

    // A language this editor does not know yet is kept as it was read.
    const QString langue = options.langue.isEmpty() ? QStringLiteral("en") : options.langue;
    if (elements.langue->findData(langue) < 0)
        elements.langue->addItem(langue, langue);
    elements.langue->setCurrentIndex(elements.langue->findData(langue));

    // A password already set is kept unless another is typed.
    if (ParametresCle::lire(options.cle).estValide())
        elements.motDePasse->setPlaceholderText(tr("unchanged"));
    actualiserPrive();
    actualiserVerrou();
}

void FenetreOptions::actualiserVerrou()
{
    // The morning publish opens each door: no publishing address, no lock (but a lock set
    // without one can still be taken off).
    const bool publiable = !elements.publication->text().trimmed().isEmpty();
    elements.verrou->setEnabled(publiable || elements.verrou->isChecked());
    elements.codeSecours->setEnabled(elements.verrou->isChecked());
}

bool FenetreOptions::chaineChoisie(OptionsCalendrier const &choisies)
{
    if (!choisies.verrou)
        return true;
    if (choisies.publication.isEmpty()) {
        BoiteMessage::avertir(this,
            tr("Doors that open only on their day need a publishing address: each morning's publish "
               "brings that day's key."));
        elements.publication->setFocus();
        return false;
    }
    // The chain is kept by the calendar's name and publishing address, as chosen here.
    Calendrier cible(calendrier->getNom());
    cible.setOptions(choisies);
    const QString code = elements.codeSecours->text().trimmed();
    if (!code.isEmpty()) {
        const QByteArray secret = ChaineCles::lireCodeSecours(code);
        if (secret.isEmpty()) {
            BoiteMessage::avertir(this, tr("This is not a recovery code, or it is mistyped."));
            elements.codeSecours->setFocus();
            return false;
        }
        const Resultat garde = ChaineCles::garder(cible, secret);
        if (!garde)
            BoiteMessage::avertir(this, garde.getMessage());
        return garde.estReussi();
    }
    // A new name or publishing address takes the chain along: the visitors' keys stay.
    const Resultat emportee = ChaineCles::emporter(*calendrier, cible);
    if (!emportee) {
        BoiteMessage::avertir(this, emportee.getMessage());
        elements.publication->setFocus();
        return false;
    }
    QByteArray secret;
    bool nouveau = false;
    const Resultat chaine = ChaineCles::secret(cible, true, &secret, &nouveau);
    if (!chaine) {
        BoiteMessage::avertir(this, chaine.getMessage());
        return false;
    }
    // Shown once, when the chain is made: the computer keeps no other copy of it in clear.
    if (nouveau)
        BoiteMessage::informer(this,
            tr("Keep this recovery code somewhere safe, away from this computer. On another computer, "
               "typed in Options (or given with --recovery-code-file), it goes on with this calendar's "
               "keys:\n\n%1")
                .arg(ChaineCles::codeSecours(secret)));
    return true;
}

void FenetreOptions::actualiserPrive()
{
    for (QWidget *champ :
        std::initializer_list<QWidget *>{elements.motDePasse, elements.confirmation, elements.trousseau})
        champ->setEnabled(elements.prive->isChecked());
}

bool FenetreOptions::cleChoisie(QString *cle)
{
    cle->clear();
    if (!elements.prive->isChecked())
        return true;
    const QString motDePasse = elements.motDePasse->text();
    const QString actuelle = calendrier->getOptions().cle;
    if (motDePasse.isEmpty() && elements.confirmation->text().isEmpty()
        && ParametresCle::lire(actuelle).estValide()) {
        *cle = actuelle;
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
    if (elements.trousseau->isChecked()) {
        const Resultat garde =
            Secrets::ecrireTrousseau(ParametresCle::lire(*cle).entreeTrousseau(), motDePasse);
        if (!garde)
            BoiteMessage::avertir(
                this, garde.getMessage(), tr("The password will be asked at each generation."));
    }
    return true;
}

void FenetreOptions::actualiserDebut()
{
    elements.dateDebut->setEnabled(elements.debut->isChecked());
    elements.chaqueAnnee->setEnabled(elements.debut->isChecked());
    // The locale's own order and punctuation ("1. Dezember", "December 1").
    elements.dateDebut->setDisplayFormat(
        FormatDates::motif(QLocale(), !elements.chaqueAnnee->isChecked(), false, false));
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
    if (langue == QLatin1String("en") && calendrier->getOptions().langue.isEmpty())
        return {};
    return langue;
}

bool FenetreOptions::fondValide(const QString &fond)
{
    return fond.isEmpty() || QImageReader(fond).canRead();
}

void FenetreOptions::clicBoutonFond()
{
    auto *champ = findChild<QLineEdit *>(QStringLiteral("champ_fond"));
    QFileDialog selecteur(this, tr("Select a background picture"));
    selecteur.setOption(QFileDialog::DontUseNativeDialog);
    selecteur.setFileMode(QFileDialog::ExistingFile);
    selecteur.setMimeTypeFilters({QStringLiteral("image/jpeg"), QStringLiteral("image/png"),
        QStringLiteral("image/heic"), QStringLiteral("image/webp")});
    const QString saisi = champ->text().trimmed();
    selecteur.setDirectory(!saisi.isEmpty() && QFileInfo(saisi).absoluteDir().exists()
            ? QFileInfo(saisi).absolutePath()
            : Parametres::getDernierDossier(Parametres::MEDIAS));
    const QString choix = ChoixFichier::choisir(selecteur);
    if (choix.isEmpty())
        return;
    Parametres::setDernierDossier(Parametres::MEDIAS, choix);
    champ->setText(choix);
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
    // Options the form does not show are kept as they are.
    OptionsCalendrier choisies = calendrier->getOptions();
    for (const Champ &champ : CHAMPS) {
        QWidget *widget = findChild<QWidget *>(QLatin1String(champ.widget));
        const QString texte = saisie(widget);
        const bool accepte = choisies.fixer(QLatin1String(champ.option), texte)
            && (champ.verifier == nullptr || champ.verifier(texte));
        if (!accepte && champ.refus != nullptr) {
            BoiteMessage::avertir(this, tr(champ.refus).arg(texte));
            widget->setFocus();
            return;
        }
    }
    choisies.fixer(QStringLiteral("debut"), debutChoisi());
    choisies.fixer(QStringLiteral("langue"), langueChoisie());
    QString cle;
    if (!cleChoisie(&cle))
        return;
    choisies.fixer(QStringLiteral("cle"), cle);
    if (!chaineChoisie(choisies))
        return;
    if (choisies == calendrier->getOptions()) {
        reject();
        return;
    }
    calendrier->setOptions(choisies);
    accept();
}
