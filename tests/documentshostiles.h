#pragma once

#include <QByteArray>

// Crafted project files of about `taille` bytes, each aimed at one weakness of Qt's XML
// parsers. Shared by the tests and the benchmark.

/// Nesting inside the document type: the DOM parser recurses on every level.
inline QByteArray dtdImbriquee(int taille)
{
    const int niveaux = taille / 2;
    return "<!DOCTYPE tinselbox [<!ELEMENT tinselbox " + QByteArray(niveaux, '(') + "a"
        + QByteArray(niveaux, ')') + ">]>\n<tinselbox nom=\"x\" version=\"1\"/>\n";
}

/// Nested elements inside an internal entity used in an attribute.
inline QByteArray entiteImbriquee(int taille)
{
    const int niveaux = taille / 7;
    return "<!DOCTYPE tinselbox [<!ENTITY e \"" + QByteArray("<a>").repeated(niveaux)
        + QByteArray("</a>").repeated(niveaux) + "\">]>\n<tinselbox nom=\"&e;\" version=\"1\"/>\n";
}

/// One entity of 4 000 characters referenced over and over.
inline QByteArray entiteRepetee(int taille)
{
    const int references = qMax(1, (taille - 4100) / 3);
    return "<!DOCTYPE tinselbox [<!ENTITY e \"" + QByteArray(4000, 'x') + "\">]>\n<tinselbox nom=\""
        + QByteArray("&e;").repeated(references) + "\" version=\"1\"/>\n";
}

/// Attributes on the root without end: the stream reader's cost grows with their square.
inline QByteArray attributsNombreux(int taille)
{
    QByteArray document("<tinselbox nom=\"x\" version=\"1\"");
    document.reserve(taille + 32);
    for (int i = 0; document.size() < taille; ++i)
        document += " a" + QByteArray::number(i) + "=\"\"";
    return document + "/>\n";
}

/// Elements nested far deeper than any project file.
inline QByteArray elementsImbriques(int taille)
{
    const int niveaux = taille / 7;
    return QByteArray("<a>").repeated(niveaux) + QByteArray("</a>").repeated(niveaux);
}

/// Empty unknown elements without end: each costs the schema validator memory.
inline QByteArray elementsVides(int taille)
{
    return "<tinselbox nom=\"x\" version=\"1\">" + QByteArray("<a/>").repeated(taille / 4) + "</tinselbox>\n";
}

/// The worst that is still read: unknown elements each with as many attributes as allowed.
inline QByteArray attributsAuMaximum(int taille, int parElement)
{
    QByteArray element("<x");
    for (int i = 0; i < parElement; ++i)
        element += " a" + QByteArray::number(i) + "=\"\"";
    element += "/>";
    const int elements = qMax(1, taille / element.size());
    return "<tinselbox nom=\"x\" version=\"1\">" + element.repeated(elements) + "</tinselbox>\n";
}

/// A project file as the editor writes it, with `jours` days and locations of `longueur` characters.
inline QByteArray projetValide(int jours, int longueur = 40)
{
    QByteArray document("<tinselbox nom=\"Avent\" version=\"1\">\n");
    const QByteArray chemin(longueur, 'a');
    for (int jour = 1; jour <= jours; ++jour)
        document += " <jour numero=\"" + QByteArray::number(jour) + "\">\n  <image url=\"/" + chemin
            + "\"/>\n </jour>\n";
    return document + "</tinselbox>\n";
}
