#include "modele/optionscalendrier.h"

#include "publication/ciblepublication.h"

#include <QDate>
#include <QRegularExpression>
#include <QUrl>

namespace {

using Attribut = OptionsCalendrier::Attribut;
using Genre = OptionsCalendrier::Genre;

constexpr bool ACTIF = true;

bool valeurBooleenne(QString const &texte)
{
    return texte == QLatin1String("1") || texte == QLatin1String("true");
}

Attribut booleen(QLatin1String nom, bool OptionsCalendrier::*champ, QLatin1String variable, bool actif)
{
    return {nom, Genre::Booleen, QString(), variable, actif,
        [](QString const &texte) {
            return texte.isEmpty() || valeurBooleenne(texte) || texte == QLatin1String("0")
                || texte == QLatin1String("false");
        },
        [champ](OptionsCalendrier const &o) { return o.*champ ? QStringLiteral("1") : QString(); },
        [champ](OptionsCalendrier &o, QString const &texte) { o.*champ = valeurBooleenne(texte); }};
}

// The empty text is the default; the default itself is never written.
Attribut nombre(QLatin1String nom, int OptionsCalendrier::*champ, int minimum, int maximum, int defaut,
    QLatin1String variable)
{
    return {nom, Genre::Nombre, QString::number(defaut), variable, ACTIF,
        [minimum, maximum](QString const &texte) {
            bool ok = false;
            const int valeur = texte.toInt(&ok, 10);
            return texte.isEmpty() || (ok && valeur >= minimum && valeur <= maximum);
        },
        [champ, defaut](OptionsCalendrier const &o) {
            return o.*champ == defaut ? QString() : QString::number(o.*champ);
        },
        [champ, defaut](OptionsCalendrier &o, QString const &texte) {
            o.*champ = texte.isEmpty() ? defaut : texte.toInt();
        }};
}

Attribut texte(QLatin1String nom, QString OptionsCalendrier::*champ,
    std::function<bool(QString const &)> valide, QLatin1String variable, bool actif,
    Genre genre = Genre::Texte)
{
    return {nom, genre, QString(), variable, actif, std::move(valide),
        [champ](OptionsCalendrier const &o) { return o.*champ; },
        [champ](OptionsCalendrier &o, QString const &valeur) { o.*champ = valeur; }};
}

bool toutTexte(QString const &)
{
    return true;
}

bool sansBlanc(QString const &texte)
{
    return !texte.contains(QRegularExpression(QStringLiteral("\\s")));
}

bool langueValide(QString const &texte)
{
    static const QRegularExpression code(QStringLiteral("^[a-z]{2}$"));
    return texte.isEmpty() || code.match(texte).hasMatch();
}

// The looks the page can take; the default scene is the empty text.
bool themeValide(QString const &texte)
{
    static const QLatin1String themes[] = {
        QLatin1String("sapins"), QLatin1String("nuit"), QLatin1String("papier"), QLatin1String("givre")};
    return texte.isEmpty() || std::find(std::begin(themes), std::end(themes), texte) != std::end(themes);
}

constexpr QLatin1String AUCUNE{""};

std::vector<Attribut> construireTable()
{
    using O = OptionsCalendrier;
    // The file's order: never reorder, a new attribute goes at the end.
    return {
        booleen(QLatin1String("rattrapage"), &O::rattrapage, QLatin1String("rattrapage"), ACTIF),
        nombre(QLatin1String("mois"), &O::mois, 1, 12, 0, QLatin1String("mois")),
        texte(QLatin1String("fuseau"), &O::fuseau, toutTexte, QLatin1String("fuseau"), ACTIF),
        texte(QLatin1String("debut"), &O::debut, &O::debutValide, QLatin1String("debut"), ACTIF),
        nombre(QLatin1String("jours"), &O::jours, Format::PREMIER_JOUR, Format::DERNIER_JOUR,
            Format::DERNIER_JOUR, QLatin1String("jours")),
        // The page reads the shuffle as the order the generator deals from the name.
        booleen(QLatin1String("melange"), &O::melange, QLatin1String("ordre"), ACTIF),
        // Written whenever set, English included: the language was chosen for this calendar.
        texte(QLatin1String("langue"), &O::langue, langueValide, QLatin1String("langue"), ACTIF),
        texte(QLatin1String("adresse"), &O::adresse, &O::adresseValide, AUCUNE, ACTIF),
        booleen(QLatin1String("originaux"), &O::originaux, AUCUNE, ACTIF),
        // Read by the publishing target's own type; it never holds a secret.
        texte(
            QLatin1String("publication"), &O::publication,
            [](QString const &texte) { return texte.isEmpty() || CiblePublication::lire(texte).estValide(); },
            AUCUNE, ACTIF),
        booleen(QLatin1String("prive"), &O::prive, AUCUNE, ACTIF),
        texte(QLatin1String("cle"), &O::cle, sansBlanc, AUCUNE, ACTIF),
        booleen(QLatin1String("verrou"), &O::verrou, AUCUNE, ACTIF),
        // The page is given the theme's colours, and only whether it has a background picture:
        // the picture's location on this computer stays here.
        texte(QLatin1String("theme"), &O::theme, themeValide, QLatin1String("theme"), ACTIF),
        texte(QLatin1String("fond"), &O::fond, toutTexte, QLatin1String("fond"), ACTIF, Genre::Chemin),
        booleen(QLatin1String("titre"), &O::titre, QLatin1String("titre"), ACTIF),
    };
}

} // namespace

std::vector<Attribut> const &OptionsCalendrier::attributs()
{
    static const std::vector<Attribut> table = construireTable();
    return table;
}

Attribut const *OptionsCalendrier::attribut(QString const &nom)
{
    for (const Attribut &ligne : attributs()) {
        if (ligne.nom == nom)
            return &ligne;
    }
    return nullptr;
}

bool OptionsCalendrier::operator==(OptionsCalendrier const &autre) const
{
    for (const Attribut &ligne : attributs()) {
        if (ligne.texte(*this) != ligne.texte(autre))
            return false;
    }
    return true;
}

bool OptionsCalendrier::estParDefaut() const
{
    return *this == OptionsCalendrier();
}

bool OptionsCalendrier::estJourPublie(int jour) const
{
    return jour >= Format::PREMIER_JOUR && jour <= jours;
}

QString OptionsCalendrier::texte(QString const &nom) const
{
    const Attribut *ligne = attribut(nom);
    return ligne != nullptr ? ligne->texte(*this) : QString();
}

bool OptionsCalendrier::fixer(QString const &nom, QString const &valeur)
{
    const Attribut *ligne = attribut(nom);
    const QString texte = valeur.trimmed();
    if (ligne == nullptr || !ligne->valide(texte))
        return false;
    ligne->fixer(*this, texte);
    return true;
}

OptionsCalendrier OptionsCalendrier::lire(std::function<QString(QLatin1String)> const &attribut,
    std::function<QString(QString const &)> const &emplacement)
{
    OptionsCalendrier options;
    for (const Attribut &ligne : attributs()) {
        if (!ligne.actif)
            continue;
        QString texte = attribut(ligne.nom).trimmed();
        if (ligne.genre == Genre::Chemin && !texte.isEmpty() && emplacement)
            texte = emplacement(texte);
        // A value out of its range reads as the default, as a month outside 1 to 12 always
        // meant any month.
        if (ligne.valide(texte))
            ligne.fixer(options, texte);
    }
    return options;
}

std::vector<std::pair<QLatin1String, QString>> OptionsCalendrier::aEcrire() const
{
    std::vector<std::pair<QLatin1String, QString>> ecrits;
    for (const Attribut &ligne : attributs()) {
        const QString texte = ligne.texte(*this);
        if (ligne.actif && !texte.isEmpty())
            ecrits.emplace_back(ligne.nom, texte);
    }
    return ecrits;
}

OptionsCalendrier OptionsCalendrier::normalisees() const
{
    OptionsCalendrier options = *this;
    for (const Attribut &ligne : attributs()) {
        if (!ligne.valide(ligne.texte(options)))
            ligne.fixer(options, QString());
    }
    return options;
}

bool OptionsCalendrier::debutValide(QString const &texte)
{
    if (texte.isEmpty())
        return true;
    if (texte.size() == 10)
        return QDate::fromString(texte, QStringLiteral("yyyy-MM-dd")).isValid()
            && texte.at(4) == QLatin1Char('-');
    // Every year: 29 February is a day of the leap years, so checked against one.
    return texte.size() == 5
        && QDate::fromString(QStringLiteral("2024-") + texte, QStringLiteral("yyyy-MM-dd")).isValid();
}

bool OptionsCalendrier::adresseValide(QString const &texte)
{
    if (texte.isEmpty())
        return true;
    const QUrl url(texte, QUrl::StrictMode);
    return url.isValid() && (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"))
        && !url.host().isEmpty() && !texte.contains(QRegularExpression(QStringLiteral("\\s")));
}
