#include "fichierprojet/lecteurprojet.h"

#include "fichierprojet/fichierprojet.h"
#include "fichierprojet/gardexml.h"
#include "format/format.h"
#include "modele/calendrier.h"
#include "modele/genremedia.h"
#include "modele/message.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QXmlStreamReader>

namespace {

// Code points, as the day dialog counts them.
int longueur(const QString &texte)
{
    int surrogats = 0;
    for (const QChar c : texte)
        surrogats += c.isLowSurrogate() ? 1 : 0;
    return texte.size() - surrogats;
}

int numeroDuJour(QXmlStreamAttributes const &attributs)
{
    bool ok = false;
    const int numero =
        attributs.value(FichierProjet::NOM_ATTRIBUT_NUMERO_JOUR).toString().trimmed().toInt(&ok, 10);
    return ok ? numero : 0;
}

bool estEspace(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n')
        || c == QLatin1Char('\r');
}

// The length in characters (a reference "&...;" counting one) of the `nom` attribute of the
// first element in `texte`, the start of a document whose comments are already left out;
// -1 when the element is not in `texte`. Looked at before any parser sees the document,
// which would otherwise hold a name of megabytes in memory several times over.
int longueurNomRacine(const QString &texte)
{
    int i = 0;
    const int taille = texte.size();
    // Declarations and instructions before the element.
    for (;;) {
        i = texte.indexOf(QLatin1Char('<'), i);
        if (i < 0 || i + 1 >= taille)
            return -1;
        const QChar suivant = texte.at(i + 1);
        if (suivant != QLatin1Char('?') && suivant != QLatin1Char('!'))
            break;
        i = texte.indexOf(QLatin1Char('>'), i);
        if (i < 0)
            return -1;
    }
    ++i;
    while (i < taille && !estEspace(texte.at(i)) && texte.at(i) != QLatin1Char('>')
        && texte.at(i) != QLatin1Char('/'))
        ++i;
    for (;;) {
        while (i < taille && estEspace(texte.at(i)))
            ++i;
        if (i >= taille || texte.at(i) == QLatin1Char('>') || texte.at(i) == QLatin1Char('/'))
            return i >= taille ? -1 : 0;
        const int debutNom = i;
        while (i < taille && !estEspace(texte.at(i)) && texte.at(i) != QLatin1Char('='))
            ++i;
        const QStringRef nom(&texte, debutNom, i - debutNom);
        while (i < taille && (estEspace(texte.at(i)) || texte.at(i) == QLatin1Char('=')))
            ++i;
        if (i >= taille)
            return -1;
        const QChar guillemet = texte.at(i);
        const int fin = texte.indexOf(guillemet, i + 1);
        if (fin < 0)
            return -1;
        if (nom == FichierProjet::NOM_ATTRIBUT_NOM) {
            int longueurValeur = 0;
            for (int j = i + 1; j < fin; ++j) {
                if (texte.at(j) == QLatin1Char('&')) {
                    const int pointVirgule = texte.indexOf(QLatin1Char(';'), j);
                    if (pointVirgule > j && pointVirgule < fin)
                        j = pointVirgule;
                } else if (texte.at(j).isLowSurrogate()) {
                    continue;
                }
                ++longueurValeur;
            }
            return longueurValeur;
        }
        i = fin + 1;
    }
}

} // namespace

Resultat LecteurProjet::lire(
    QIODevice &peripherique, Calendrier &calendrier, QString const &chemin, QString *racineLue)
{
    const QString dossier = chemin.isEmpty() ? QString() : QFileInfo(chemin).absolutePath();
    // A location written on another system ("C:\\photos", "\\\\server") is kept as it is.
    static const QRegularExpression autreSysteme(QStringLiteral("^([A-Za-z]:[\\\\/]|\\\\\\\\)"));
    const auto emplacement = [&dossier](const QString &url) {
        if (url.isEmpty() || dossier.isEmpty() || !QDir::isRelativePath(url)
            || autreSysteme.match(url).hasMatch())
            return url;
        return QDir::cleanPath(QDir(dossier).filePath(url));
    };
    QXmlStreamReader lecteur;
    lecteur.setNamespaceProcessing(false);

    // Read into a scratch calendar: a document refused half-way changes nothing.
    Calendrier lu;
    bool racine = false;
    bool nomPresent = false;
    int profondeur = 0;
    int jour = 0;
    bool dansJour = false;
    // A kind without a file (a message) is made at its end, from all the text it holds.
    const GenreMedia *genreTexte = nullptr;
    QString texte;
    bool tropLong = false;
    QString nomRacine;
    // The start of the document, until its first element is whole.
    QString debut;
    bool nomTropLong = false;

    const auto recevoir = [&](QString const &morceau) {
        if (profondeur == 0 && !racine && nomRacine.isEmpty()) {
            debut += morceau;
            if (longueurNomRacine(debut) > Format::LONGUEUR_NOM_MAXIMALE) {
                nomTropLong = true;
                return false;
            }
            if (debut.indexOf(QLatin1Char('>')) >= 0 && longueurNomRacine(debut) >= 0)
                debut.clear();
        }
        lecteur.addData(morceau);
        while (!lecteur.atEnd()) {
            switch (lecteur.readNext()) {
            case QXmlStreamReader::StartElement:
                ++profondeur;
                if (profondeur == 1) {
                    nomRacine = lecteur.qualifiedName().toString();
                    racine = nomRacine == FichierProjet::NOM_BALISE_RACINE;
                    if (racine && lecteur.attributes().hasAttribute(FichierProjet::NOM_ATTRIBUT_NOM)) {
                        nomPresent = true;
                        lu.setNom(lecteur.attributes().value(FichierProjet::NOM_ATTRIBUT_NOM).toString());
                    }
                    if (racine) {
                        const QXmlStreamAttributes attributs = lecteur.attributes();
                        lu.setOptions(OptionsCalendrier::lire(
                            [&attributs](QLatin1String nom) { return attributs.value(nom).toString(); },
                            emplacement));
                    }
                } else if (profondeur == 2 && racine) {
                    dansJour = lecteur.qualifiedName() == FichierProjet::NOM_BALISE_JOUR;
                    if (dansJour)
                        jour = numeroDuJour(lecteur.attributes());
                } else if (profondeur == 3 && dansJour) {
                    const GenreMedia *genre = GenreMedia::pourBalise(lecteur.qualifiedName().toString());
                    if (genre != nullptr && !genre->avecFichier) {
                        genreTexte = genre;
                        texte.clear();
                    } else if (genre != nullptr) {
                        lu.ajouterMedia(jour,
                            genre->creer(emplacement(
                                lecteur.attributes().value(GenreMedia::NOM_ATTRIBUT_URL).toString())));
                    }
                }
                break;
            case QXmlStreamReader::Characters:
                if (genreTexte != nullptr) {
                    texte += lecteur.text();
                    // Refused as soon as it is surely too long, whatever length follows.
                    if (texte.size() > 2 * Message::LONGUEUR_MAXIMALE) {
                        tropLong = true;
                        return false;
                    }
                }
                break;
            case QXmlStreamReader::EndElement:
                if (profondeur == 3 && genreTexte != nullptr) {
                    if (longueur(texte) > Message::LONGUEUR_MAXIMALE) {
                        tropLong = true;
                        return false;
                    }
                    lu.ajouterMedia(jour, genreTexte->creer(texte));
                    genreTexte = nullptr;
                }
                if (profondeur == 2)
                    dansJour = false;
                --profondeur;
                break;
            default:
                break;
            }
        }
        // The end of the text read so far: more may follow.
        return !lecteur.hasError() || lecteur.error() == QXmlStreamReader::PrematureEndOfDocumentError;
    };

    const bool accepte = GardeXml::lire(peripherique, recevoir);
    const QString nom = Resultat::cheminLisible(chemin);
    if (nomTropLong)
        return Resultat::echec(Resultat::Cause::DocumentIllisible,
            LecteurProjet::tr("%1 cannot be opened: the calendar's name is longer than %2 characters, the "
                              "most a name can hold.")
                .arg(nom)
                .arg(Format::LONGUEUR_NOM_MAXIMALE))
            .avecChemin(chemin);
    if (tropLong)
        return Resultat::echec(Resultat::Cause::DocumentIllisible,
            LecteurProjet::tr(
                "%1 cannot be opened: the message of day %2 is longer than %3 characters, the most a "
                "day can hold.")
                .arg(nom)
                .arg(jour)
                .arg(Message::LONGUEUR_MAXIMALE))
            .avecChemin(chemin)
            .avecJour(jour);
    if (lecteur.hasError() && lecteur.error() != QXmlStreamReader::PrematureEndOfDocumentError)
        return Resultat::echec(Resultat::Cause::DocumentIllisible,
            LecteurProjet::tr("%1 is not a well-formed XML file (line %2, column %3: %4).")
                .arg(nom)
                .arg(lecteur.lineNumber())
                .arg(lecteur.columnNumber())
                .arg(lecteur.errorString()))
            .avecChemin(chemin);
    if (!accepte)
        return Resultat::echec(Resultat::Cause::DocumentIllisible,
            LecteurProjet::tr(
                "%1 is not a calendar file: it holds a document type, or more nesting, attributes or "
                "elements than a calendar file has.")
                .arg(nom))
            .avecChemin(chemin);
    if (!lecteur.isEndDocument())
        return Resultat::echec(Resultat::Cause::DocumentIllisible,
            LecteurProjet::tr("%1 is not a well-formed XML file: it ends too soon.").arg(nom))
            .avecChemin(chemin);

    if (racineLue != nullptr)
        *racineLue = nomRacine;
    if (!racine)
        return Resultat();
    if (nomPresent)
        calendrier.setNom(lu.getNom());
    calendrier.setOptions(lu.getOptions());
    QMap<int, Media *> &contenu = lu.getContenu();
    for (auto it = contenu.begin(); it != contenu.end(); it = contenu.erase(it))
        calendrier.ajouterMedia(it.key(), it.value());
    return Resultat();
}
