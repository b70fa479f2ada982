#pragma once

#include <QCoreApplication>

#include "format/resultat.h"

class Calendrier;
class QIODevice;
class QString;

/// Reads a project file into a calendar in one pass, without building a document tree:
/// memory follows what the calendar keeps, not the size of the file. The text reaches the
/// parser only through `GardeXml`. The reading is as tolerant as the project file allows:
/// unknown elements and attributes are skipped, a bad day number gives day 0, the last
/// media of a day wins. A message longer than the day dialog allows refuses the file.
class LecteurProjet
{
    Q_DECLARE_TR_FUNCTIONS(LecteurProjet)

public:
    /// Adds what the document on `peripherique` (open for reading) holds to `calendrier`;
    /// on failure (code 1: not well-formed, refused, or a message too long) `calendrier` is
    /// left unchanged and the message names `chemin`, the file read, and the day. A
    /// relative media location is taken from the folder of `chemin`. `racine` gets the
    /// name of the document's root element: a document whose root is not a project file's
    /// adds nothing.
    static Resultat lire(
        QIODevice &peripherique, Calendrier &calendrier, QString const &chemin, QString *racine = nullptr);
};
