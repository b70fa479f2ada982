#pragma once

#include <QString>

#include <functional>

class QByteArray;
class QIODevice;
class QTextCodec;

/// Checks the bytes of a project file before any XML parser sees them. A project file
/// never needs a document type, entities, deep nesting or many attributes on one element,
/// and Qt's parsers crash, freeze or exhaust memory on crafted documents that use them:
/// such documents are refused here, on the decoded text, piece by piece.
class GardeXml
{
public:
    /// Larger files are refused without being read.
    static const qint64 TAILLE_MAXIMALE = 64 * 1024 * 1024;
    /// A project file is three elements deep.
    static const int PROFONDEUR_MAXIMALE = 64;
    /// A project file element has at most two attributes; the stream reader's cost grows
    /// with the square of this count.
    static const int ATTRIBUTS_PAR_ELEMENT_MAXIMUM = 32;
    /// Elements and attributes in all. A project file of 110 000 days holds under 800 000;
    /// the schema validator keeps about 70 bytes for each.
    static const int NOEUDS_MAXIMUM = 1000000;

    /// Reads `peripherique` from its current position to its end, decoded as its byte-order
    /// mark or encoding declaration says (UTF-8 otherwise, bytes that are not UTF-8 replaced),
    /// and hands the text to `recevoir` in pieces. Each piece is checked before it is handed
    /// on. Returns false as soon as the document is refused or `recevoir` returns false.
    static bool lire(QIODevice &peripherique, std::function<bool(QString const &)> const &recevoir);
    /// Whether `lire` accepts the whole document.
    static bool estAcceptable(QIODevice &peripherique);
    static bool estAcceptable(QByteArray const &octets);

    /// The text codec of a document that starts with `debut`.
    static QTextCodec *codecDuDocument(QByteArray const &debut);

    /// Index of the first character of `texte` that XML 1.0 cannot carry (controls other
    /// than tab, line feed and carriage return, U+FFFE, U+FFFF, lone surrogates), or -1.
    static int positionCaractereInterdit(QString const &texte);
};
