#pragma once

#include <QByteArray>
#include <QString>

/// What a private calendar's project file keeps of its password: nothing secret, only the
/// salt and the key derivation's parameters, written `pbkdf2-sha256:ITERATIONS:SALT` (the
/// salt in base64) in the root attribute `cle`.
class ParametresCle
{
public:
    /// No parameters: `estValide()` is false.
    ParametresCle() = default;
    /// A fresh random salt with the present iteration count.
    static ParametresCle nouveaux();
    /// The parameters written in `texte`; invalid ones (a count below the present one, a
    /// salt of another size, another algorithm) read as none.
    static ParametresCle lire(QString const &texte);

    bool estValide() const;
    QString texte() const;
    QByteArray getSel() const;
    int getIterations() const;
    /// The key of `motDePasse` under these parameters; empty when they are invalid.
    QByteArray deriver(QString const &motDePasse) const;
    /// The name the password is kept under in the keyring, found by the salt alone.
    QString entreeTrousseau() const;
    /// A name for this calendar's kept files, found by the salt alone.
    QString nomFichier() const;

private:
    QByteArray sel;
    int iterations = 0;
};
