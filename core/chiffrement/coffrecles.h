#pragma once

#include <QByteArray>
#include <QString>

class ParametresCle;

/// Where the creator's computer keeps a private calendar's master key, found by the
/// password's salt: wrapped under the password's key, in a file that only its owner can
/// read, in the user's data folder. The same password gives the same key at each
/// generation, so visitors' remembered keys and the published files stay as they were,
/// and another password is told apart from the calendar's own.
class CoffreCles
{
public:
    CoffreCles() = delete;

    /// The master key kept for `parametres`, unwrapped with `cleMotDePasse`; made and kept
    /// at the first call. Empty, with the reason in `*erreur`, when it can be neither read
    /// nor kept, when the kept file may be read by others than its owner, or when
    /// `cleMotDePasse` is not the calendar's (then `*autreMotDePasse` is set). Without
    /// `creer`, a key not kept yet is not made: empty, and no error.
    static QByteArray cleMaitre(ParametresCle const &parametres, QByteArray const &cleMotDePasse,
        QString *erreur, bool *autreMotDePasse = nullptr, bool creer = true);
    /// The folder of the kept keys.
    static QString repertoire();
};
