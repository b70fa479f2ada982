#include "fichierprojet/lecteurprojet.h"

#include "fichierprojet/fichierprojet.h"
#include "fichierprojet/gardexml.h"
#include "modele/calendrier.h"
#include "modele/genremedia.h"

#include <QXmlStreamReader>

namespace {

int numeroDuJour(QXmlStreamAttributes const &attributs)
{
    bool ok = false;
    const int numero =
        attributs.value(FichierProjet::NOM_ATTRIBUT_NUMERO_JOUR).toString().trimmed().toInt(&ok, 10);
    return ok ? numero : 0;
}

} // namespace

int LecteurProjet::lire(QIODevice &peripherique, Calendrier &calendrier, bool *racineReconnue)
{
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

    const auto recevoir = [&](QString const &morceau) {
        lecteur.addData(morceau);
        while (!lecteur.atEnd()) {
            switch (lecteur.readNext()) {
            case QXmlStreamReader::StartElement:
                ++profondeur;
                if (profondeur == 1) {
                    racine = lecteur.qualifiedName() == FichierProjet::NOM_BALISE_RACINE;
                    if (racine && lecteur.attributes().hasAttribute(FichierProjet::NOM_ATTRIBUT_NOM)) {
                        nomPresent = true;
                        lu.setNom(lecteur.attributes().value(FichierProjet::NOM_ATTRIBUT_NOM).toString());
                    }
                    if (racine) {
                        const QXmlStreamAttributes attributs = lecteur.attributes();
                        FichierProjet::lireOptions(
                            [&attributs](QLatin1String nom) { return attributs.value(nom).toString(); }, lu);
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
                            genre->creer(
                                lecteur.attributes().value(GenreMedia::NOM_ATTRIBUT_URL).toString()));
                    }
                }
                break;
            case QXmlStreamReader::Characters:
                if (genreTexte != nullptr)
                    texte += lecteur.text();
                break;
            case QXmlStreamReader::EndElement:
                if (profondeur == 3 && genreTexte != nullptr) {
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

    if (!GardeXml::lire(peripherique, recevoir) || lecteur.hasError() || !lecteur.isEndDocument())
        return 1;

    if (racineReconnue != nullptr)
        *racineReconnue = racine;
    if (!racine)
        return 0;
    if (nomPresent)
        calendrier.setNom(lu.getNom());
    calendrier.copierOptions(lu);
    QMap<int, Media *> &contenu = lu.getContenu();
    for (auto it = contenu.begin(); it != contenu.end(); it = contenu.erase(it))
        calendrier.ajouterMedia(it.key(), it.value());
    return 0;
}
