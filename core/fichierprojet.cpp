#include "fichierprojet.h"

#include "calendrier.h"
#include "fichierordinaire.h"
#include "gardexml.h"
#include "genremedia.h"
#include "lecteurprojet.h"
#include "media.h"

#include <QAbstractMessageHandler>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextCodec>
#include <QUrl>
#include <QXmlSchema>
#include <QXmlSchemaValidator>

namespace {

const QString SCHEMA = QStringLiteral(":/xsd/tinselbox.xsd");

// Opens a project file for reading only (a FIFO would never end). A write-protected file
// is still reported, as it could not be saved back.
int ouvrirEnLecture(QFile &fichier)
{
    const bool modifiable = QFileInfo(fichier.fileName()).isWritable();
    const int ouverture = FichierOrdinaire::ouvrirEnLecture(fichier);
    if (ouverture == 0 && !modifiable) {
        fichier.close();
        return 2;
    }
    return ouverture;
}

void retirerDeclarationXml(QByteArray &texte)
{
    if (texte.startsWith("<?xml") && texte.size() > 5 && QChar::isSpace(texte.at(5))) {
        const int fin = texte.indexOf("?>");
        if (fin > 0)
            texte.remove(0, fin + 2);
    }
}

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

int FichierProjet::charger(QString const &chemin, Calendrier &calendrier, bool *racineReconnue)
{
    // Read in one pass without a document tree: a large file costs what the calendar keeps.
    QFile fichier(chemin);
    const int ouverture = ouvrirEnLecture(fichier);
    if (ouverture != 0)
        return ouverture;
    return LecteurProjet::lire(fichier, calendrier, racineReconnue);
}

int FichierProjet::ecrire(QDomDocument const &document, QString const &chemin, QString *raison)
{
    QSaveFile sortie(chemin);
    bool ecrit = sortie.open(QIODevice::WriteOnly);
    if (ecrit && ecrireDom(document, sortie) != 0) {
        // A text that cannot be stored is no fault of the system's: no reason to give.
        const bool parLeSysteme = sortie.error() != QFileDevice::NoError;
        if (raison != nullptr && parLeSysteme)
            *raison = sortie.errorString();
        sortie.cancelWriting();
        return 2;
    }
    if (ecrit && sortie.commit())
        return 0;
    if (raison != nullptr)
        *raison = sortie.errorString();
    return 2;
}

int FichierProjet::ecrireDom(QDomDocument const &document, QIODevice &peripherique)
{
    const QString texte = document.toString(1);
    // Qt writes such characters raw: the file could never be read again.
    if (GardeXml::positionCaractereInterdit(texte) >= 0)
        return 2;
    const QByteArray octets = texte.toUtf8();
    return peripherique.write(octets) == octets.size() ? 0 : 2;
}

int FichierProjet::lire(QFile &fichier, QDomDocument &document)
{
    const int ouverture = ouvrirEnLecture(fichier);
    if (ouverture != 0)
        return ouverture;
    // The DOM parser gets the text the guard decoded and checked, nothing else.
    QString texte;
    const bool accepte = GardeXml::lire(fichier, [&texte](QString const &morceau) {
        texte += morceau;
        return true;
    });
    fichier.close();
    return accepte && document.setContent(texte, false) ? 0 : 1;
}

bool FichierProjet::estValide(QString const &chemin)
{
    QFile fichier(chemin);
    if (FichierOrdinaire::ouvrirEnLecture(fichier) != 0)
        return false;
    // A document without byte-order mark or declaration, as the editor writes them, goes to
    // the validator as it is once the guard has read it through: both read it as UTF-8.
    // Any other goes as the guard decoded it, in UTF-8 and without the declaration, so that
    // the validator cannot read a text the guard did not see.
    const QByteArray debut = fichier.peek(8);
    const bool brut = !debut.startsWith("<?xml") && QTextCodec::codecForUtfText(debut, nullptr) == nullptr;
    QByteArray texte;
    const bool accepte = GardeXml::lire(fichier, [&texte, brut](QString const &morceau) {
        if (!brut)
            texte += morceau.toUtf8();
        return true;
    });
    if (!accepte)
        return false;
    if (brut)
        fichier.seek(0);
    else
        retirerDeclarationXml(texte);

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
    return brut ? validateur.validate(&fichier, QUrl()) : validateur.validate(texte, QUrl());
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
