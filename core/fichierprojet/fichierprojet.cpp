#include "fichierprojet/fichierprojet.h"

#include "fichierprojet/gardexml.h"
#include "fichierprojet/lecteurprojet.h"
#include "format/format.h"
#include "modele/calendrier.h"
#include "modele/fichierordinaire.h"
#include "modele/genremedia.h"
#include "modele/media.h"

#include <QAbstractMessageHandler>
#include <QCoreApplication>
#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextCodec>
#include <QUrl>
#include <QXmlSchema>
#include <QXmlSchemaValidator>

#include <algorithm>
#include <memory>

namespace {

const QString SCHEMA = QStringLiteral(":/xsd/tinselbox.xsd");

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

// Attributes are written in the file's order (the name, the version, the options' table, a
// day's number, a media's location), any other after them by name. Qt's own DOM writer keeps
// them in a hash whose order changes from one run to the next.
int rangAttribut(const QString &nom)
{
    if (nom == Format::ATTRIBUT_NOM)
        return 0;
    if (nom == Format::ATTRIBUT_VERSION)
        return 1;
    const std::vector<OptionsCalendrier::Attribut> &options = OptionsCalendrier::attributs();
    for (std::size_t rang = 0; rang < options.size(); ++rang) {
        if (options[rang].nom == nom)
            return int(rang) + 2;
    }
    const int apres = int(options.size()) + 2;
    if (nom == Format::ATTRIBUT_NUMERO_JOUR)
        return apres;
    return nom == Format::ATTRIBUT_URL ? apres + 1 : apres + 2;
}

// Escapes an attribute value as Qt's DOM writer did, so files written before keep their bytes.
void ajouterValeurAttribut(const QString &valeur, QString &sortie)
{
    for (int i = 0; i < valeur.size(); ++i) {
        const QChar c = valeur.at(i);
        switch (c.unicode()) {
        case '<':
            sortie += QLatin1String("&lt;");
            break;
        case '"':
            sortie += QLatin1String("&quot;");
            break;
        case '&':
            sortie += QLatin1String("&amp;");
            break;
        case '\t':
            sortie += QLatin1String("&#x9;");
            break;
        case '\n':
            sortie += QLatin1String("&#xa;");
            break;
        case '\r':
            sortie += QLatin1String("&#xd;");
            break;
        case '>':
            // Only where it would close "]]>".
            if (i >= 2 && valeur.at(i - 1) == QLatin1Char(']') && valeur.at(i - 2) == QLatin1Char(']'))
                sortie += QLatin1String("&gt;");
            else
                sortie += c;
            break;
        default:
            sortie += c;
        }
    }
}

// Element content: line breaks as character references, since a parser turns a raw
// carriage return into a line feed and a message must read back exactly.
void ajouterTexte(const QString &texte, QString &sortie)
{
    // The DOM parser drops text made only of blanks, references or not; a CDATA section
    // keeps it (all but carriage returns, which any parser turns into line feeds there).
    if (texte.trimmed().isEmpty()) {
        sortie += QLatin1String("<![CDATA[") + texte + QLatin1String("]]>");
        return;
    }
    for (const QChar c : texte) {
        switch (c.unicode()) {
        case '<':
            sortie += QLatin1String("&lt;");
            break;
        case '>':
            sortie += QLatin1String("&gt;");
            break;
        case '&':
            sortie += QLatin1String("&amp;");
            break;
        case '\n':
            sortie += QLatin1String("&#10;");
            break;
        case '\r':
            sortie += QLatin1String("&#13;");
            break;
        default:
            sortie += c;
        }
    }
}

void ajouterElement(const QDomElement &element, int profondeur, QString &sortie)
{
    const QString retrait(profondeur, QLatin1Char(' '));
    sortie += retrait + QLatin1Char('<') + element.tagName();

    const QDomNamedNodeMap attributs = element.attributes();
    QVector<QDomAttr> ordonnes;
    for (int i = 0; i < attributs.count(); ++i)
        ordonnes.append(attributs.item(i).toAttr());
    std::sort(ordonnes.begin(), ordonnes.end(), [](const QDomAttr &a, const QDomAttr &b) {
        const int rangA = rangAttribut(a.name());
        const int rangB = rangAttribut(b.name());
        return rangA != rangB ? rangA < rangB : a.name() < b.name();
    });
    for (const QDomAttr &attribut : qAsConst(ordonnes)) {
        sortie += QLatin1Char(' ') + attribut.name() + QLatin1String("=\"");
        ajouterValeurAttribut(attribut.value(), sortie);
        sortie += QLatin1Char('"');
    }

    if (!element.hasChildNodes()) {
        sortie += QLatin1String("/>\n");
        return;
    }
    if (element.firstChildElement().isNull()) {
        // Text only (a message): kept on the element's line, exactly as it is.
        sortie += QLatin1Char('>');
        ajouterTexte(element.text(), sortie);
    } else {
        sortie += QLatin1String(">\n");
        for (QDomElement enfant = element.firstChildElement(); !enfant.isNull();
             enfant = enfant.nextSiblingElement())
            ajouterElement(enfant, profondeur + 1, sortie);
        sortie += retrait;
    }
    sortie += QLatin1String("</") + element.tagName() + QLatin1String(">\n");
}

QString texteDocument(const QDomDocument &document)
{
    QString sortie;
    for (QDomElement element = document.firstChildElement(); !element.isNull();
         element = element.nextSiblingElement())
        ajouterElement(element, 0, sortie);
    return sortie;
}

// A media inside the project's folder is written relative to it, as the reader takes it:
// the folder can then be moved or copied whole to another place or computer.
void rendreRelatifs(QDomDocument &document, const QString &dossier)
{
    const QString prefixe = dossier.endsWith(QLatin1Char('/')) ? dossier : dossier + QLatin1Char('/');
    for (QDomElement jour = document.documentElement().firstChildElement(); !jour.isNull();
         jour = jour.nextSiblingElement()) {
        for (QDomElement media = jour.firstChildElement(); !media.isNull();
             media = media.nextSiblingElement()) {
            const QString url = media.attribute(GenreMedia::NOM_ATTRIBUT_URL);
            if (url.isEmpty() || QDir::isRelativePath(url))
                continue;
            const QString propre = QDir::cleanPath(url);
            if (propre.startsWith(prefixe))
                media.setAttribute(GenreMedia::NOM_ATTRIBUT_URL, propre.mid(prefixe.size()));
        }
    }
}

} // namespace

Resultat FichierProjet::enregistrer(Calendrier const &calendrier, QString const &chemin)
{
    QDomDocument document;
    versDom(calendrier, document);
    rendreRelatifs(document, QDir::cleanPath(QFileInfo(chemin).absolutePath()));
    return ecrire(document, chemin);
}

Resultat FichierProjet::ouvrir(QString const &chemin, Calendrier &calendrier)
{
    // Read in one pass without a document tree: a large file costs what the calendar keeps.
    QFile fichier(chemin);
    const Resultat ouverture = FichierOrdinaire::ouvrir(fichier);
    if (!ouverture)
        return ouverture;
    QString racine;
    const Resultat lecture = LecteurProjet::lire(fichier, calendrier, chemin, &racine);
    if (!lecture || racine == NOM_BALISE_RACINE)
        return lecture;
    return Resultat::echec(Resultat::Cause::PasUnCalendrier,
        tr("%1 is an XML file but not a calendar: its root element is <%2>.")
            .arg(Resultat::cheminLisible(chemin), Resultat::cheminLisible(racine)))
        .avecChemin(chemin);
}

bool FichierProjet::estEnregistrable(QString const &chemin)
{
    const QFileInfo info(chemin);
    return QFileInfo(info.absolutePath()).isWritable() && (!info.exists() || info.isWritable());
}

Resultat FichierProjet::ecrire(QDomDocument const &document, QString const &chemin)
{
    const auto echec = [&chemin](QString raison) {
        if (raison.endsWith(QLatin1Char('.')))
            raison.chop(1);
        const QString nom = Resultat::cheminLisible(chemin);
        return Resultat::echec(Resultat::Cause::FichierInaccessible,
            raison.isEmpty() ? tr("The file %1 cannot be written.").arg(nom)
                             : tr("The file %1 cannot be written: %2.").arg(nom, raison))
            .avecChemin(chemin)
            .avecRaison(raison);
    };
    QSaveFile sortie(chemin);
    if (!sortie.open(QIODevice::WriteOnly))
        return echec(sortie.errorString());
    if (!ecrireDom(document, sortie)) {
        // A text that cannot be stored is no fault of the system's: no reason to give.
        const bool parLeSysteme = sortie.error() != QFileDevice::NoError;
        const QString raison = parLeSysteme ? sortie.errorString() : QString();
        sortie.cancelWriting();
        return echec(raison);
    }
    if (!sortie.commit())
        return echec(sortie.errorString());
    return Resultat();
}

Resultat FichierProjet::ecrireDom(QDomDocument const &document, QIODevice &peripherique)
{
    const QString texte = texteDocument(document);
    // Such characters would be written raw: the file could never be read again.
    if (GardeXml::positionCaractereInterdit(texte) >= 0)
        return Resultat::echec(Resultat::Cause::FichierInaccessible,
            tr("The calendar cannot be written: it holds a character that a calendar file cannot carry."));
    const QByteArray octets = texte.toUtf8();
    if (peripherique.write(octets) != octets.size())
        return Resultat::echec(Resultat::Cause::FichierInaccessible,
            tr("The calendar cannot be written: %1.").arg(peripherique.errorString()))
            .avecRaison(peripherique.errorString());
    return Resultat();
}

QByteArray FichierProjet::texte(QDomDocument const &document)
{
    return texteDocument(document).toUtf8();
}

bool FichierProjet::estValide(QString const &chemin)
{
    QFile fichier(chemin);
    if (!FichierOrdinaire::ouvrir(fichier))
        return false;
    // The validator gets the text as the guard decoded and prepared it, in UTF-8 and without
    // the declaration, so that it cannot read a text the guard did not see (nor the bodies of
    // comments, whose length it cannot bear). A document without byte-order mark or
    // declaration, as the editor writes them, must be UTF-8 as it is.
    const QByteArray debut = fichier.peek(8);
    const bool brut = !debut.startsWith("<?xml") && QTextCodec::codecForUtfText(debut, nullptr) == nullptr;
    QByteArray texte;
    const bool accepte = GardeXml::lire(fichier, [&texte](QString const &morceau) {
        texte += morceau.toUtf8();
        return true;
    });
    if (!accepte)
        return false;
    if (brut) {
        fichier.seek(0);
        std::unique_ptr<QTextDecoder> decodeur(QTextCodec::codecForMib(106)->makeDecoder());
        while (!fichier.atEnd()) {
            decodeur->toUnicode(fichier.read(1 << 20));
            if (decodeur->hasFailure())
                return false;
        }
    }
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
    return validateur.validate(texte, QUrl());
}

void FichierProjet::versDom(Calendrier const &calendrier, QDomDocument &document)
{
    QDomElement racine = document.createElement(NOM_BALISE_RACINE);
    racine.setAttribute(NOM_ATTRIBUT_NOM, calendrier.getNom());
    racine.setAttribute(NOM_ATTRIBUT_VERSION, IDENTIFIANT_VERSION);
    // Options at their default are left out: a calendar without them keeps the file it had.
    for (const auto &[nom, valeur] : calendrier.getOptions().aEcrire())
        racine.setAttribute(nom, valeur);
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
}
