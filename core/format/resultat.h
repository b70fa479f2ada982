#pragma once

#include <QMetaType>
#include <QString>

/// What an operation of the core came to: a success, or a failure that carries its cause,
/// the message for the user, written where the failure happened as one whole sentence, and
/// where it applies the day, the path and the system's reason. Callers only show the message.
class Resultat
{
public:
    /// Why an operation failed.
    enum class Cause {
        Aucune,
        /// A document is not well-formed XML, or is refused by the guard or the day dialog's limits.
        DocumentIllisible,
        /// A file cannot be opened, read or written.
        FichierInaccessible,
        /// A file does not exist, or is no regular file.
        Introuvable,
        /// A directory cannot be created, emptied or replaced, or must not be.
        Repertoire,
        /// A media file cannot be copied into the site.
        Media,
        /// A media file cannot be converted for the web.
        Conversion,
        /// The site's template cannot be copied.
        Modele,
        /// The work was stopped on request.
        Interrompu,
        /// A well-formed XML document that is not a calendar.
        PasUnCalendrier,
        /// There is no calendar to work on.
        SansCalendrier,
        /// The site cannot be published: the address is missing or wrong, a transfer failed,
        /// or the server refused.
        Publication,
        /// The remote folder holds files that are not a site this program published.
        DossierEtranger,
        /// A password or key cannot be read from its file or the keyring, or cannot be kept.
        Secret,
    };

    /// A success.
    Resultat() = default;
    /// A failure for `cause` (never `Aucune`) and its message.
    static Resultat echec(Cause cause, QString const &message);

    bool estReussi() const;
    explicit operator bool() const;
    /// `Aucune` for a success.
    Cause getCause() const;
    /// Empty for a success.
    QString getMessage() const;
    /// The number the library or protocol that failed gave (libcurl's code, or 1000 plus an
    /// HTTP status), 0 when none: for the caller that retries or tells two refusals apart.
    int getDetail() const;
    /// The day concerned, 0 when none.
    int getJour() const;
    QString getChemin() const;
    /// The system's own words ("No space left on device"), empty when none.
    QString getRaison() const;

    Resultat &avecDetail(int detail);
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
    Cause cause = Cause::Aucune;
    int detail = 0;
    int jour = 0;
    QString message;
    QString chemin;
    QString raison;
};

Q_DECLARE_METATYPE(Resultat)
