#include "bureau/traduction.h"

#include "bureau/parametres.h"
#include "format/format.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QVBoxLayout>

#include <iterator>

namespace {

const char *const NOMS_LANGUES[] = {
    "English", "Fran\u00e7ais", "Deutsch", "Espa\u00f1ol", "Italiano", "Nederlands", "Portugu\u00eas"};
static_assert(std::size(NOMS_LANGUES) == std::size(Format::LANGUES), "one name per language");

QString langueInstallee = QStringLiteral("en");

// Kept for the program's life: the application holds them by pointer.
QTranslator &traducteurProgramme()
{
    static QTranslator traducteur;
    return traducteur;
}

QTranslator &traducteurQt()
{
    static QTranslator traducteur;
    return traducteur;
}

bool estConnue(const QString &langue)
{
    for (const QLatin1String &code : Format::LANGUES) {
        if (langue == code)
            return true;
    }
    return false;
}

} // namespace

QString Traduction::langueConnue(const QString &nomLocale)
{
    const QString langue = nomLocale.left(2).toLower();
    return nomLocale.size() >= 2 && (nomLocale.size() == 2 || !nomLocale.at(2).isLetter())
            && estConnue(langue)
        ? langue
        : QStringLiteral("en");
}

QString Traduction::langueSysteme()
{
    // The order in which the C library reads them for messages.
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString valeur = qEnvironmentVariable(variable);
        if (!valeur.isEmpty())
            return langueConnue(valeur);
    }
    return QStringLiteral("en");
}

QString Traduction::getLangueChoisie()
{
    const QString langue = Parametres::getLangueInterface();
    return estConnue(langue) ? langue : QString();
}

void Traduction::setLangueChoisie(const QString &langue)
{
    Parametres::setLangueInterface(estConnue(langue) ? langue : QString());
}

QString Traduction::getLangueInstallee()
{
    return langueInstallee;
}

void Traduction::installer()
{
    const QString choisie = getLangueChoisie();
    installer(choisie.isEmpty() ? langueSysteme() : choisie);
}

void Traduction::installer(const QString &langue)
{
    Q_INIT_RESOURCE(traductions);
    const QString code = estConnue(langue) ? langue : QStringLiteral("en");
    QCoreApplication::removeTranslator(&traducteurProgramme());
    QCoreApplication::removeTranslator(&traducteurQt());
    // English keeps its source texts; its file holds only plural forms.
    if (traducteurProgramme().load(QStringLiteral(":/traductions/tinselbox_") + code + QStringLiteral(".qm")))
        QCoreApplication::installTranslator(&traducteurProgramme());
    if (code != QLatin1String("en")
        && traducteurQt().load(
            QStringLiteral("qtbase_") + code, QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&traducteurQt());
    QLocale::setDefault(QLocale(code));
    langueInstallee = code;
}

QString Traduction::nomLangue(const QString &langue)
{
    for (std::size_t i = 0; i < std::size(Format::LANGUES); ++i) {
        if (langue == Format::LANGUES[i])
            return QString::fromUtf8(NOMS_LANGUES[i]);
    }
    return langue;
}

bool Traduction::choisirLangue(QWidget *parent)
{
    QDialog dialogue(parent);
    dialogue.setObjectName(QStringLiteral("fenetre_langue"));
    dialogue.setWindowTitle(tr("Language"));
    auto *disposition = new QVBoxLayout(&dialogue);
    auto *liste = new QComboBox(&dialogue);
    liste->setObjectName(QStringLiteral("liste_langue_interface"));
    liste->addItem(tr("The system's language (%1)").arg(nomLangue(langueSysteme())), QString());
    for (const QLatin1String &code : Format::LANGUES)
        liste->addItem(nomLangue(code), QString(code));
    liste->setCurrentIndex(qMax(0, liste->findData(getLangueChoisie())));
    auto *explication =
        new QLabel(tr("The editor speaks the chosen language the next time it starts."), &dialogue);
    explication->setWordWrap(true);
    auto *boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialogue);
    QObject::connect(boutons, &QDialogButtonBox::accepted, &dialogue, &QDialog::accept);
    QObject::connect(boutons, &QDialogButtonBox::rejected, &dialogue, &QDialog::reject);
    disposition->addWidget(liste);
    disposition->addWidget(explication);
    disposition->addWidget(boutons);

    if (dialogue.exec() != QDialog::Accepted)
        return false;
    const QString avant = getLangueChoisie();
    setLangueChoisie(liste->currentData().toString());
    return getLangueChoisie() != avant;
}
