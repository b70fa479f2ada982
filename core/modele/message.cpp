#include "modele/message.h"

#include "format/format.h"

#include <QDomDocument>
#include <QRegularExpression>
#include <QStringList>

namespace {
// About two lines of a tile.
const int LONGUEUR_DEBUT = 24;
} // namespace

Message::Message(QString texteMessage) : Media(QString()), texte(std::move(texteMessage)) {}

Message::~Message() = default;

QDomElement Message::getQDomElement() const
{
    // The base's element comes from the scratch document, which must outlive it.
    QDomElement element = Media::getQDomElement();
    element.setTagName(BALISE);
    if (!texte.isEmpty())
        element.appendChild(element.ownerDocument().createTextNode(texte));
    return element;
}

QString Message::getSceneJS(QString) const
{
    return QStringLiteral("carte = new Carte(%1);\n"
                          "imagesMobiles.push(carte);\n"
                          "declencherTimer(carte, %2);\n"
                          "break;\n")
        .arg(litteralJavaScript(texte), QString::number(Format::DUREE_AFFICHAGE_MS));
}

QString Message::getCollectionJS(QString) const
{
    return QString();
}

QString Message::getNomFichierCollection() const
{
    // A message has nothing to load.
    return QString();
}

Media *Message::copier() const
{
    return new Message(getTexte());
}

Media::TypeMedia Message::getType() const
{
    return MESSAGE;
}

QString Message::getTexte() const
{
    return texte;
}

void Message::setTexte(QString const &nouveauTexte)
{
    texte = nouveauTexte;
}

QString Message::debut(const QString &texte)
{
    const QStringList mots = texte.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    QString debut;
    for (const QString &mot : mots) {
        const QString suite = debut.isEmpty() ? mot : debut + QLatin1Char(' ') + mot;
        if (suite.length() > LONGUEUR_DEBUT) {
            // A first word longer than the tile is cut rather than dropped.
            if (debut.isEmpty())
                debut = mot.left(LONGUEUR_DEBUT - 1);
            return debut + QChar(0x2026);
        }
        debut = suite;
    }
    return debut;
}

QString Message::litteralJavaScript(const QString &texte)
{
    QString litteral;
    litteral.reserve(texte.size() + 2);
    litteral += QLatin1Char('"');
    for (const QChar c : texte) {
        const ushort u = c.unicode();
        const bool sur =
            u >= 0x20 && u <= 0x7e && u != '"' && u != '\'' && u != '\\' && u != '<' && u != '>' && u != '&';
        if (sur)
            litteral += c;
        else
            litteral += QStringLiteral("\\u%1").arg(u, 4, 16, QLatin1Char('0'));
    }
    litteral += QLatin1Char('"');
    return litteral;
}
