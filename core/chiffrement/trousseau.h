#pragma once

#include <QByteArray>
#include <QString>

/// A private calendar's password in the desktop's keyring (the Secret Service or KWallet),
/// found by the calendar's salt, so that a generation need not ask for it. Each call waits
/// for the keyring's answer; a keyring error comes back in words, never swallowed.
class Trousseau
{
public:
    enum Etat { TROUVE, ABSENT, ERREUR };

    Trousseau() = delete;

    static Etat lire(QByteArray const &sel, QString *motDePasse, QString *erreur);
    static bool ecrire(QByteArray const &sel, QString const &motDePasse, QString *erreur);
    /// Forgets the password; true when there was none.
    static bool effacer(QByteArray const &sel, QString *erreur);
};
