#pragma once

#include "format/resultat.h"

#include <QCoreApplication>
#include <QString>

/// Where a publishing password or S3 secret key comes from, never the project file: a file
/// only its owner can read, or the system keyring, under the target's address.
class SecretPublication
{
    Q_DECLARE_TR_FUNCTIONS(SecretPublication)

public:
    SecretPublication() = delete;

    /// The secret held in `chemin`, one final line feed left out. Refused unless the file
    /// is a regular one of the user's, that no one else may read or write.
    static Resultat lireFichier(QString const &chemin, QString *secret);
    /// The secret stored for `cle`; `*absent` when the keyring holds none. A keyring that
    /// cannot be reached is a failure that says so.
    static Resultat lireTrousseau(QString const &cle, QString *secret, bool *absent);
    static Resultat ecrireTrousseau(QString const &cle, QString const &secret);
    static Resultat effacerTrousseau(QString const &cle);
};
