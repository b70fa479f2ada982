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
//
// It also prepares what the parser gets, so that the parser's work grows with the
// document's length: a stream parser reads unfinished markup again from its start at
// every piece, so markup cut by a piece waits until it ends; the bodies of comments and
// processing instructions, which no reader of a project file needs, are left out; and a
// long CDATA section is handed on as several whole ones, whose text is the same.
class Analyseur
{
public:
    bool analyser(QString const &morceau)
    {
        sortie.reserve(sortie.size() + morceau.size());
        const int taille = morceau.size();
        for (int i = 0; i < taille;) {
            // Runs of content are passed over at once, up to the next character that can
            // end them.
            // Not right after a possible first character of an end ("-", "]", "?").
            const char16_t fin = prochainSignificatif();
            if (fin != 0 && precedent != fin) {
                int j = morceau.indexOf(QChar(fin), i);
                if (j < 0)
                    j = taille;
                if (j > i) {
                    if (QStringRef(&morceau, i, j - i).contains(QChar(0)))
                        return false;
                    if (etat != COMMENTAIRE && (etat != CORPS_INSTRUCTION || garderCorps))
                        sortie.append(morceau.constData() + i, j - i);
                    precedent = avantPrecedent = u' ';
                    i = j;
                    continue;
                }
            }
            if (!suivant(morceau.at(i).unicode()))
                return false;
            ++i;
        }
        return true;
    }

    /// The text prepared so far that the parser can take now; the rest waits.
    QString livrable()
    {
        int coupure = sortie.size();
        QString reste;
        if (etat == CDATA) {
            // Brackets at the end may begin the section's end: they wait.
            int crochets = 0;
            while (crochets < 2 && crochets < sortie.size() - debutCdata
                && sortie.at(sortie.size() - 1 - crochets) == QLatin1Char(']'))
                ++crochets;
            coupure = sortie.size() - crochets;
            reste = QStringLiteral("<![CDATA[") + sortie.right(crochets);
        } else if (etat != TEXTE) {
            coupure = debut;
            reste = sortie.mid(debut);
        }
        QString pret = sortie.left(coupure);
        if (etat == CDATA)
            pret += QLatin1String("]]>");
        sortie = reste;
        debut = 0;
        debutCdata = 9;
        return pret;
    }

private:
    enum Etat {
        TEXTE,
        CHEVRON,
        DECLARATION,
        COMMENTAIRE,
        CDATA,
        INSTRUCTION,
        CORPS_INSTRUCTION,
        BALISE,
        VALEUR,
        BALISE_FIN
    };

    bool suivant(char16_t c)
    {
        // A NUL never belongs to a document: it shows text read in the wrong encoding.
        if (c == 0)
            return false;
        switch (etat) {
        case TEXTE:
            if (c == u'<') {
                etat = CHEVRON;
                debut = sortie.size();
            }
            break;
        case CHEVRON:
            if (c == u'!') {
                etat = DECLARATION;
                declaration.clear();
            } else if (c == u'?') {
                entrer(INSTRUCTION);
                cible.clear();
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
            if (declaration == QLatin1String("--")) {
                entrer(COMMENTAIRE);
            } else if (declaration == QLatin1String("[CDATA[")) {
                entrer(CDATA);
                debutCdata = sortie.size() + 1;
            } else if (!QStringLiteral("--").startsWith(declaration)
                && !QStringLiteral("[CDATA[").startsWith(declaration)) {
                return false;
            }
            break;
        case COMMENTAIRE:
            // "--" may only end a comment; the body itself is left out.
            if (avantPrecedent == u'-' && precedent == u'-') {
                if (c != u'>')
                    return false;
                sortie += QLatin1String("-->");
                etat = TEXTE;
                return true;
            }
            avantPrecedent = precedent;
            precedent = c;
            return true;
        case CDATA:
            if (c == u'>' && avantPrecedent == u']' && precedent == u']')
                etat = TEXTE;
            avantPrecedent = precedent;
            precedent = c;
            break;
        case INSTRUCTION:
            // The target is kept; the body only for the XML declaration, which is short.
            if (c == u'?' || QChar::isSpace(c)) {
                etat = CORPS_INSTRUCTION;
                garderCorps = cible.compare(QLatin1String("xml"), Qt::CaseInsensitive) == 0;
                return corpsInstruction(c);
            }
            cible += QChar(c);
            break;
        case CORPS_INSTRUCTION:
            return corpsInstruction(c);
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
        sortie += QChar(c);
        return true;
    }

    char16_t prochainSignificatif() const
    {
        switch (etat) {
        case TEXTE:
            return u'<';
        case COMMENTAIRE:
            return u'-';
        case CDATA:
            return u']';
        case CORPS_INSTRUCTION:
            return u'?';
        default:
            return 0;
        }
    }

    bool corpsInstruction(char16_t c)
    {
        const bool fin = c == u'>' && precedent == u'?';
        precedent = c;
        if (fin) {
            etat = TEXTE;
            sortie += garderCorps ? QStringLiteral(">") : QStringLiteral("?>");
        } else if (garderCorps) {
            sortie += QChar(c);
        }
        return true;
    }

    void entrer(Etat nouveau)
    {
        etat = nouveau;
        precedent = avantPrecedent = 0;
    }

    Etat etat = TEXTE;
    QString sortie;
    /// In `sortie`, the "<" of the markup being read, and the first character of a CDATA section's text.
    int debut = 0;
    int debutCdata = 9;
    int profondeur = 0;
    int attributs = 0;
    int noeuds = 0;
    char16_t precedent = 0;
    char16_t avantPrecedent = 0;
    char16_t guillemet = 0;
    QString declaration;
    QString cible;
    bool garderCorps = false;
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
        if (!analyseur.analyser(morceau))
            return false;
        const QString pret = analyseur.livrable();
        if (!pret.isEmpty() && !recevoir(pret))
            return false;
    }
    // What still waits is unfinished markup: the parser finds the document cut short.
    const QString reste = analyseur.livrable();
    return reste.isEmpty() || recevoir(reste);
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
