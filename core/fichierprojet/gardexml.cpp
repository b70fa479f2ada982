#include "fichierprojet/gardexml.h"

#include <QBuffer>
#include <QByteArray>
#include <QRegularExpression>
#include <QTextCodec>

#include <memory>

namespace {

const qint64 TAILLE_BLOC = 64 * 1024;

// Follows the markup of the decoded text, one character at a time, so that a piece can be
// judged whatever its boundaries cut. It only tells markup from content: whether the
// document is well-formed is the parser's business.
class Analyseur
{
public:
    bool analyser(QString const &morceau)
    {
        for (const QChar c : morceau) {
            if (!suivant(c.unicode()))
                return false;
        }
        return true;
    }

private:
    enum Etat { TEXTE, CHEVRON, DECLARATION, COMMENTAIRE, CDATA, INSTRUCTION, BALISE, VALEUR, BALISE_FIN };

    bool suivant(char16_t c)
    {
        // A NUL never belongs to a document: it shows text read in the wrong encoding.
        if (c == 0)
            return false;
        switch (etat) {
        case TEXTE:
            if (c == u'<')
                etat = CHEVRON;
            break;
        case CHEVRON:
            if (c == u'!') {
                etat = DECLARATION;
                declaration.clear();
            } else if (c == u'?') {
                entrer(INSTRUCTION);
            } else if (c == u'/') {
                etat = BALISE_FIN;
            } else {
                if (++profondeur > GardeXml::PROFONDEUR_MAXIMALE || ++noeuds > GardeXml::NOEUDS_MAXIMUM)
                    return false;
                attributs = 0;
                entrer(BALISE);
            }
            break;
        case DECLARATION:
            // Only comments and CDATA sections: a document type, and with it every entity,
            // is refused before a parser can expand it.
            declaration += QChar(c);
            if (declaration == QLatin1String("--"))
                entrer(COMMENTAIRE);
            else if (declaration == QLatin1String("[CDATA["))
                entrer(CDATA);
            else if (!QStringLiteral("--").startsWith(declaration)
                && !QStringLiteral("[CDATA[").startsWith(declaration))
                return false;
            break;
        case COMMENTAIRE:
            terminerSur(c, u'-', u'-');
            break;
        case CDATA:
            terminerSur(c, u']', u']');
            break;
        case INSTRUCTION:
            if (c == u'>' && precedent == u'?')
                etat = TEXTE;
            precedent = c;
            break;
        case BALISE:
            if (c == u'"' || c == u'\'') {
                guillemet = c;
                etat = VALEUR;
            } else if (c == u'=') {
                if (++attributs > GardeXml::ATTRIBUTS_PAR_ELEMENT_MAXIMUM
                    || ++noeuds > GardeXml::NOEUDS_MAXIMUM)
                    return false;
            } else if (c == u'>') {
                if (precedent == u'/')
                    --profondeur;
                etat = TEXTE;
            }
            precedent = c;
            break;
        case VALEUR:
            if (c == guillemet) {
                etat = BALISE;
                precedent = c;
            }
            break;
        case BALISE_FIN:
            if (c == u'>') {
                --profondeur;
                etat = TEXTE;
            }
            break;
        }
        return true;
    }

    void entrer(Etat nouveau)
    {
        etat = nouveau;
        precedent = avantPrecedent = 0;
    }

    // Ends a comment on "-->" or a CDATA section on "]]>".
    void terminerSur(char16_t c, char16_t premier, char16_t second)
    {
        if (c == u'>' && avantPrecedent == premier && precedent == second)
            etat = TEXTE;
        avantPrecedent = precedent;
        precedent = c;
    }

    Etat etat = TEXTE;
    int profondeur = 0;
    int attributs = 0;
    int noeuds = 0;
    char16_t precedent = 0;
    char16_t avantPrecedent = 0;
    char16_t guillemet = 0;
    QString declaration;
};

} // namespace

bool GardeXml::lire(QIODevice &peripherique, std::function<bool(QString const &)> const &recevoir)
{
    if (!peripherique.isSequential() && peripherique.size() - peripherique.pos() > TAILLE_MAXIMALE)
        return false;

    Analyseur analyseur;
    std::unique_ptr<QTextDecoder> decodeur;
    qint64 total = 0;
    for (;;) {
        const QByteArray bloc = peripherique.read(TAILLE_BLOC);
        if (bloc.isEmpty())
            break;
        total += bloc.size();
        if (total > TAILLE_MAXIMALE)
            return false;
        // The encoding declaration lies in the first few dozen bytes.
        if (!decodeur)
            decodeur.reset(codecDuDocument(bloc)->makeDecoder());
        const QString morceau = decodeur->toUnicode(bloc);
        if (!analyseur.analyser(morceau) || !recevoir(morceau))
            return false;
    }
    return true;
}

bool GardeXml::estAcceptable(QIODevice &peripherique)
{
    return lire(peripherique, [](QString const &) { return true; });
}

bool GardeXml::estAcceptable(QByteArray const &octets)
{
    QBuffer tampon;
    tampon.setData(octets);
    tampon.open(QIODevice::ReadOnly);
    return estAcceptable(tampon);
}

QTextCodec *GardeXml::codecDuDocument(QByteArray const &debut)
{
    QTextCodec *utf8 = QTextCodec::codecForMib(106);
    QTextCodec *marque = QTextCodec::codecForUtfText(debut, nullptr);
    if (marque != nullptr)
        return marque;
    static const QRegularExpression declaration(
        QStringLiteral("^<\\?xml\\s[^>]*?encoding\\s*=\\s*[\"']([A-Za-z][A-Za-z0-9._-]*)[\"']"));
    const QRegularExpressionMatch trouve = declaration.match(QString::fromLatin1(debut.left(256)));
    if (trouve.hasMatch()) {
        if (QTextCodec *declare = QTextCodec::codecForName(trouve.captured(1).toLatin1()))
            return declare;
    }
    return utf8;
}

int GardeXml::positionCaractereInterdit(QString const &texte)
{
    const int taille = texte.size();
    for (int i = 0; i < taille; ++i) {
        const char16_t c = texte.at(i).unicode();
        if (c < 0x20) {
            if (c != u'\t' && c != u'\n' && c != u'\r')
                return i;
        } else if (c == 0xFFFE || c == 0xFFFF) {
            return i;
        } else if (QChar::isHighSurrogate(c)) {
            if (i + 1 >= taille || !texte.at(i + 1).isLowSurrogate())
                return i;
            ++i;
        } else if (QChar::isLowSurrogate(c)) {
            return i;
        }
    }
    return -1;
}
