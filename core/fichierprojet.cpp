#include "fichierprojet.h"

#include "calendrier.h"
#include "genremedia.h"
#include "media.h"

#include <QAbstractMessageHandler>
#include <QDomDocument>
#include <QFile>
#include <QSaveFile>
#include <QUrl>
#include <QXmlSchema>
#include <QXmlSchemaValidator>
#include <QXmlStreamReader>

namespace {

const QString SCHEMA = QStringLiteral(":/xsd/tinselbox.xsd");

// A project file is three elements deep. Qt's DOM parser and schema validator recurse
// per level and overflow the stack on documents tens of thousands of levels deep, so
// anything far deeper than a project file is refused before they see it.
const int PROFONDEUR_MAXIMALE = 64;

// The validator's diagnostics are of no use to the user; the verdict is enough.
class GestionnaireMessagesSilencieux : public QAbstractMessageHandler
{
protected:
    void handleMessage(QtMsgType, const QString &, const QUrl &, const QSourceLocation &) override {}
};

} // namespace

int FichierProjet::enregistrer(Calendrier const &calendrier, QString const &chemin, QString *raison)
{
    QDomDocument document;
    const int resultat = versDom(calendrier, document);
    if (resultat != 0)
        return resultat;
    return ecrire(document, chemin, raison);
}

int FichierProjet::charger(QString const &chemin, Calendrier &calendrier)
{
    QDomDocument document;
    QFile fichier(chemin);
    const int resultat = lire(fichier, document);
    if (resultat != 0)
        return resultat;
    return versCalendrier(document, calendrier);
}

int FichierProjet::ecrire(QDomDocument const &document, QString const &chemin, QString *raison)
{
    QSaveFile sortie(chemin);
    bool ecrit = sortie.open(QIODevice::WriteOnly);
    if (ecrit && ecrireDom(document, sortie) != 0) {
        sortie.cancelWriting();
        ecrit = false;
    }
    if (ecrit && sortie.commit())
        return 0;
    if (raison != nullptr)
        *raison = sortie.errorString();
    return 2;
}

int FichierProjet::ecrireDom(QDomDocument const &document, QIODevice &peripherique)
{
    const QByteArray texte = document.toByteArray(1);
    return peripherique.write(texte) == texte.size() ? 0 : 2;
}

int FichierProjet::lire(QFile &fichier, QDomDocument &document)
{
    if (!fichier.exists())
        return 3;
    // Read and write: a write-protected project file is reported, as it could not be saved back.
    if (!fichier.open(QIODevice::ReadWrite))
        return 2;

    bool lu = entreeAcceptable(fichier);
    if (lu) {
        fichier.seek(0);
        lu = document.setContent(&fichier, false);
    }
    fichier.close();
    return lu ? 0 : 1;
}

bool FichierProjet::estValide(QString const &chemin)
{
    QFile fichier(chemin);
    if (!fichier.exists() || !fichier.open(QIODevice::ReadOnly))
        return false;
    if (!entreeAcceptable(fichier))
        return false;
    fichier.seek(0);

    GestionnaireMessagesSilencieux silence;
    QFile fichierSchema(SCHEMA);
    fichierSchema.open(QIODevice::ReadOnly);
    QXmlSchema schema;
    schema.setMessageHandler(&silence);
    schema.load(&fichierSchema, QUrl::fromLocalFile(fichierSchema.fileName()));
    if (!schema.isValid())
        return false;

    QXmlSchemaValidator validateur(schema);
    validateur.setMessageHandler(&silence);
    const bool valide = validateur.validate(&fichier, QUrl());
    fichier.close();
    return valide;
}

int FichierProjet::versDom(Calendrier const &calendrier, QDomDocument &document)
{
    QDomElement racine = document.createElement(NOM_BALISE_RACINE);
    racine.setAttribute(NOM_ATTRIBUT_NOM, calendrier.getNom());
    racine.setAttribute(NOM_ATTRIBUT_VERSION, IDENTIFIANT_VERSION);
    document.appendChild(racine);

    const QString balise = NOM_BALISE_JOUR;
    const QString attribut = NOM_ATTRIBUT_NUMERO_JOUR;
    const QMap<int, Media *> &contenu = calendrier.getContenuConstant();
    for (auto it = contenu.constBegin(); it != contenu.constEnd(); ++it) {
        QDomElement jour = document.createElement(balise);
        jour.setAttribute(attribut, QString::number(it.key()));
        racine.appendChild(jour);
        jour.appendChild(document.importNode(it.value()->getQDomElement(), true));
    }
    return 0;
}

int FichierProjet::versCalendrier(QDomDocument const &document, Calendrier &calendrier)
{
    const QString baliseJour = NOM_BALISE_JOUR;
    for (QDomNode noeud = document.firstChild(); !noeud.isNull(); noeud = noeud.nextSibling()) {
        const QDomElement racine = noeud.toElement();
        if (racine.isNull() || racine.tagName() != NOM_BALISE_RACINE)
            continue;

        if (racine.hasAttribute(NOM_ATTRIBUT_NOM))
            calendrier.setNom(racine.attribute(NOM_ATTRIBUT_NOM));

        for (QDomElement jour = racine.firstChildElement(baliseJour); !jour.isNull();
             jour = jour.nextSiblingElement(baliseJour)) {
            bool ok = false;
            int numero = jour.attribute(NOM_ATTRIBUT_NUMERO_JOUR).trimmed().toInt(&ok, 10);
            if (!ok)
                numero = 0;

            for (QDomElement element = jour.firstChildElement(); !element.isNull();
                 element = element.nextSiblingElement()) {
                if (Media *media = versMedia(element))
                    calendrier.ajouterMedia(numero, media);
            }
        }
    }
    return 0;
}

Media *FichierProjet::versMedia(QDomElement const &element)
{
    return GenreMedia::depuisElement(element);
}

bool FichierProjet::entreeAcceptable(QIODevice &peripherique)
{
    QXmlStreamReader lecteur(&peripherique);
    int profondeur = 0;
    while (!lecteur.atEnd()) {
        const QXmlStreamReader::TokenType jeton = lecteur.readNext();
        if (jeton == QXmlStreamReader::StartElement) {
            if (++profondeur > PROFONDEUR_MAXIMALE)
                return false;
        } else if (jeton == QXmlStreamReader::EndElement) {
            --profondeur;
        }
    }
    // Other errors are the DOM parser's or the validator's to report.
    return true;
}
