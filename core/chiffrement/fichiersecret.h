#pragma once

#include <QString>

/// A secret given on the command line through a file rather than its text (which `ps`
/// would show): accepted only when it is a regular file that nobody but its owner, the
/// user running the program, can read or write.
class FichierSecret
{
public:
    FichierSecret() = delete;

    /// The file's text (UTF-8, one final line end dropped); false with the reason in
    /// `*erreur` when it is refused or cannot be read.
    static bool lire(QString const &chemin, QString *secret, QString *erreur);
};
