#pragma once

#include <QString>

class QLineEdit;

/// A path field that takes typing and pasting as well as a chooser's answer: completion
/// over the file system, and the typed text made into the path a chooser would give.
class SaisieChemin
{
public:
    enum Genre { DOSSIERS, FICHIERS };

    SaisieChemin() = delete;

    /// Makes `champ` editable and completes what is typed with the folders (and files).
    static void installer(QLineEdit *champ, Genre genre);
    /// The absolute path that `texte` stands for: blanks around it dropped, "~" for the
    /// home directory, a relative path taken from the home directory; empty for no text.
    static QString chemin(const QString &texte);
};
