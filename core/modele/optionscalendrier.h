#pragma once

#include "format/format.h"

#include <QLatin1String>
#include <QString>

#include <functional>
#include <utility>
#include <vector>

/// The options of a calendar, a plain value, and the one table of the project file's root
/// attributes that carry them. The project file's reader and writer, the page's option
/// lines and the options dialog all go through the table: an option is one field and one
/// row, plus its widget and what it does.
class OptionsCalendrier
{
public:
    /// Past days stay open: a ball opens on its day and on every later one.
    bool rattrapage = false;
    /// The only month (1 to 12) in which balls open; 0 for any month.
    int mois = 0;
    /// Time zone (IANA name) whose date decides which balls open; empty for the visitor's clock.
    QString fuseau;
    /// The first day of the period: "YYYY-MM-DD" (once), "MM-DD" (every year) or empty for
    /// the days of the month.
    QString debut;
    /// The number of days, 1 to 31.
    int jours = Format::DERNIER_JOUR;
    /// Whether the balls' numbers are dealt over the places in a shuffled order.
    bool melange = false;
    /// The page's language, a two-letter code; empty in a file written without it, which
    /// the page reads as English.
    QString langue;
    /// The address the site is published at (http or https), empty when not given.
    QString adresse;
    /// Whether media files are published byte for byte, as chosen.
    bool originaux = false;
    /// Where the site is published to, one address; empty when not given.
    QString publication;
    /// Whether visitors need a password.
    bool prive = false;
    /// What a private calendar keeps of its key that is not secret (salt, parameters).
    QString cle;
    /// Whether a ball opens only on its day, for real.
    bool verrou = false;
    /// The page's look, empty for the default scene.
    QString theme;
    /// The family's own background picture, a path kept as a media's.
    QString fond;
    /// Whether the page shows the calendar's name.
    bool titre = false;

    bool operator==(OptionsCalendrier const &autre) const;
    bool operator!=(OptionsCalendrier const &autre) const
    {
        return !(*this == autre);
    }
    /// Whether every option is at its default, as in a calendar made before they existed.
    bool estParDefaut() const;

    /// Whether day `jour` is one of the calendar's days, 1 to its length: only those are
    /// shown, counted and published; the others are kept in the calendar.
    bool estJourPublie(int jour) const;

    /// How an attribute's text reads.
    enum class Genre {
        /// "1" when set ("true" read too), absent otherwise.
        Booleen,
        Nombre,
        Texte,
        /// A file's location, taken from the project file's folder when relative.
        Chemin,
    };

    /// One root attribute of the project file. Every text is as the file holds it, trimmed;
    /// the empty text stands for the default, which is never written.
    struct Attribut {
        QLatin1String nom;
        Genre genre;
        /// The default's value as a field shows it ("31" days); the file leaves it out.
        QString defaut;
        /// The page's variable that the generator sets from it; empty when the page does not
        /// read it.
        QLatin1String variablePage;
        /// Whether this version reads and writes it; a row without is declared for its place
        /// in the file's order and waits for its behaviour.
        bool actif;
        /// Whether `texte` is a value the option can take (the empty text always is).
        std::function<bool(QString const &texte)> valide;
        /// The option's value as written; empty at its default.
        std::function<QString(OptionsCalendrier const &options)> texte;
        /// Sets the option from a text `valide` accepts; the empty text sets its default.
        std::function<void(OptionsCalendrier &options, QString const &texte)> fixer;
    };

    /// Every root attribute after `nom` and `version`, in the order the file writes them.
    static std::vector<Attribut> const &attributs();
    /// The row of `nom`, or null.
    static Attribut const *attribut(QString const &nom);

    /// The option `nom` as the project file writes it; empty at its default or unknown.
    QString texte(QString const &nom) const;
    /// Sets the option `nom` from `texte` (trimmed) when it is a value the option can take;
    /// returns whether it was.
    bool fixer(QString const &nom, QString const &texte);

    /// The options a root's attributes give, each read by `attribut` (empty when absent); a
    /// value the option cannot take reads as its default. `emplacement` turns a file's
    /// location as written into the one to use.
    static OptionsCalendrier lire(std::function<QString(QLatin1String)> const &attribut,
        std::function<QString(QString const &)> const &emplacement = {});
    /// The attributes to write, by name, in the file's order: only the options away from
    /// their default, so that a calendar without any keeps the file it had.
    std::vector<std::pair<QLatin1String, QString>> aEcrire() const;
    /// The same options with every value the option cannot take set to its default.
    OptionsCalendrier normalisees() const;

    /// Whether `debut` is empty or a start date in one of its two forms.
    static bool debutValide(QString const &debut);
    /// Whether `adresse` is empty or an absolute http or https address with a host.
    static bool adresseValide(QString const &adresse);
};
