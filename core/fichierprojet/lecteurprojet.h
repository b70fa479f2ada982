#pragma once

class Calendrier;
class QIODevice;

/// Reads a project file into a calendar in one pass, without building a document tree:
/// memory follows what the calendar keeps, not the size of the file. The text reaches the
/// parser only through `GardeXml`. The reading is as tolerant as the project file allows:
/// unknown elements and attributes are skipped, a bad day number gives day 0, the last
/// media of a day wins.
class LecteurProjet
{
public:
    /// Adds what the document on `peripherique` (open for reading) holds to `calendrier`:
    /// 0, or 1 when it is not well-formed or is refused, leaving `calendrier` unchanged.
    /// `racineReconnue`, when given, tells whether the root is a project file's root.
    static int lire(QIODevice &peripherique, Calendrier &calendrier, bool *racineReconnue = nullptr);
};
