#pragma once

#include "format/format.h"

#include "format/resultat.h"
#include <QCoreApplication>

#include <QLatin1String>

class Calendrier;
class Media;
class QDomDocument;
class QDomElement;
class QFile;
class QIODevice;
class QString;

/// The project file: its XML names, reading (behind a guard against hostile input),
/// writing, schema validation and the conversions between its DOM and a calendar.
/// The elements of the media kinds are in `GenreMedia`.
class FichierProjet
{
    Q_DECLARE_TR_FUNCTIONS(FichierProjet)

public:
    static constexpr QLatin1String NOM_BALISE_RACINE = Format::BALISE_RACINE;
    static constexpr QLatin1String NOM_BALISE_JOUR = Format::BALISE_JOUR;
    static constexpr QLatin1String NOM_ATTRIBUT_NOM = Format::ATTRIBUT_NOM;
    static constexpr QLatin1String NOM_ATTRIBUT_VERSION = Format::ATTRIBUT_VERSION;
    static constexpr QLatin1String NOM_ATTRIBUT_NUMERO_JOUR = Format::ATTRIBUT_NUMERO_JOUR;
    static constexpr QLatin1String IDENTIFIANT_VERSION = Format::VERSION;

    FichierProjet() = delete;

    /// Saves `calendrier` as the project file `chemin`.
    static Resultat enregistrer(Calendrier const &calendrier, QString const &chemin);
    /// Opens the project file `chemin` as the editor and the command line do: reads it into
    /// `calendrier`, or says why it cannot be, an XML document that is no calendar included
    /// (cause `PasUnCalendrier`). A file that cannot be written is read all the same.
    static Resultat ouvrir(QString const &chemin, Calendrier &calendrier);
    /// Whether a save can replace the file `chemin`: the file and its folder can be written.
    static bool estEnregistrable(QString const &chemin);

    /// Writes `document` as the file `chemin`; an earlier file is replaced only once
    /// the new content is complete.
    static Resultat ecrire(QDomDocument const &document, QString const &chemin);
    /// Writes the project file text of `document` to an open device; fails on a write
    /// error or when the text holds a character XML 1.0 cannot carry (nothing is written).
    static Resultat ecrireDom(QDomDocument const &document, QIODevice &peripherique);
    /// The project file text of `document`: UTF-8 without declaration, one space of
    /// indentation per level, attributes in a fixed order, so that the same calendar
    /// always gives the same bytes.
    static QByteArray texte(QDomDocument const &document);
    /// Whether the file `chemin` satisfies the project file schema.
    static bool estValide(QString const &chemin);

    static void versDom(Calendrier const &calendrier, QDomDocument &document);
};
