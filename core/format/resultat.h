#pragma once

#include <QString>

/// What an operation of the core came to: a success, or a failure that carries its code
/// (the file manager's numbers, for the callers that keep them), the message for the user,
/// written where the failure happened, and where it applies the day, the path and the
/// system's reason. Callers only show the message.
class Resultat
{
public:
    /// A success.
    Resultat() = default;
    /// A failure with `code` (never 0) and its message.
    static Resultat echec(int code, QString const &message);

    bool estReussi() const;
    explicit operator bool() const;
    /// 0 for a success.
    int getCode() const;
    /// Empty for a success.
    QString getMessage() const;
    /// The day concerned, 0 when none.
    int getJour() const;
    QString getChemin() const;
    /// The system's own words ("No space left on device"), empty when none.
    QString getRaison() const;

    Resultat &avecJour(int jour);
    Resultat &avecChemin(QString const &chemin);
    Resultat &avecRaison(QString const &raison);

    /// `chemin` fit for a message or a log line: line feed, tab and carriage return as
    /// `\n`, `\t`, `\r`, other control characters as `\xHH`, so that no path can split a
    /// line or pass for another one. A backslash is left alone.
    static QString cheminLisible(QString const &chemin);
    /// The system's words for an errno value, without a final point.
    static QString raisonSysteme(int erreur);

private:
    int code = 0;
    int jour = 0;
    QString message;
    QString chemin;
    QString raison;
};
