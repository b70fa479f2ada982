#pragma once

#include <QLatin1String>

/// The names and limits that the project file, the generated site and the page share, in
/// one place for the reader, the writer, the generator, the output policy and the command
/// line. Stored files and generated pages rely on every value here.
namespace Format {

// The project file.
constexpr QLatin1String BALISE_RACINE{"tinselbox"};
constexpr QLatin1String BALISE_JOUR{"jour"};
constexpr QLatin1String ATTRIBUT_NOM{"nom"};
constexpr QLatin1String ATTRIBUT_VERSION{"version"};
constexpr QLatin1String ATTRIBUT_NUMERO_JOUR{"numero"};
constexpr QLatin1String ATTRIBUT_URL{"url"};
constexpr QLatin1String VERSION{"1"};

// Days.
constexpr int PREMIER_JOUR = 1;
constexpr int DERNIER_JOUR = 31;

/// The longest calendar name, in characters: it is the page's title and heading.
constexpr int LONGUEUR_NOM_MAXIMALE = 200;

// The generated site.
constexpr QLatin1String PAGE{"index.html"};
constexpr QLatin1String REPERTOIRE_MEDIA{"data"};
constexpr QLatin1String REPERTOIRE_SCRIPTS{"scripts"};
constexpr QLatin1String SCRIPT_CALENDRIER{"calendrier.js"};
constexpr QLatin1String SCRIPT_TEXTES{"textes.js"};
/// The picture a link to the page previews with, in the media folder.
constexpr QLatin1String IMAGE_APERCU_LIEN{"apercu-lien.png"};
constexpr int LARGEUR_APERCU_LIEN = 1200;
constexpr int HAUTEUR_APERCU_LIEN = 630;
/// The reminders a visitor imports into a calendar, at the site's root.
constexpr QLatin1String FICHIER_RAPPELS{"rappels.ics"};
/// The folder beside the project file that a preview generates into.
constexpr QLatin1String REPERTOIRE_APERCU{"tmp"};

// The page.
/// How long an opened picture or message stays before the balls come back.
constexpr int DUREE_AFFICHAGE_MS = 10000;
/// The languages a page can speak.
constexpr QLatin1String LANGUES[] = {QLatin1String("en"), QLatin1String("fr"), QLatin1String("de"),
    QLatin1String("es"), QLatin1String("it"), QLatin1String("nl"), QLatin1String("pt")};

} // namespace Format
