#pragma once

#include "format/resultat.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

/// Where passwords, secret keys and a calendar's keys live on the creator's computer, never
/// in the project file nor on a command line: the desktop's keyring (the Secret Service or
/// KWallet), or files that nobody but their owner, the user running the program, can read.
/// Every failure comes back as a sentence that says which file or which keyring, never
/// swallowed.
class Secrets
{
    Q_DECLARE_TR_FUNCTIONS(Secrets)

public:
    Secrets() = delete;

    /// The secret held in the text file `chemin` (UTF-8, one final line end left out), as
    /// `--secret-file` and `--password-file` give it. Refused unless it is a regular file,
    /// not a link, that is the user's and that no one else may read or write.
    static Resultat lireFichier(QString const &chemin, QString *secret);

    /// The secret stored under `cle`; `*absent` when the keyring holds none. A keyring that
    /// cannot be reached, or that does not answer within 20 s (a locked one waiting on a
    /// prompt nobody sees), is a failure that says so, so that the caller asks instead.
    static Resultat lireTrousseau(QString const &cle, QString *secret, bool *absent);
    static Resultat ecrireTrousseau(QString const &cle, QString const &secret);
    /// Forgets the secret under `cle`; forgetting one that was never stored succeeds.
    static Resultat effacerTrousseau(QString const &cle);

    /// The owner-only data file `chemin` (a kept key), at most `tailleMaximale` bytes;
    /// `*absent` when it does not exist. One that others may read is refused, not used.
    static Resultat lireDonnees(
        QString const &chemin, QByteArray *contenu, bool *absent, qint64 tailleMaximale = 65536);
    /// Creates the owner-only data file `chemin` (0600, its folder 0700) holding `contenu`,
    /// flushed to the disk. An existing file is never replaced: a kept key is not lost.
    static Resultat creerDonnees(QString const &chemin, QByteArray const &contenu);
    /// Replaces the owner-only data file `chemin` at once (written aside, then renamed).
    static Resultat remplacerDonnees(QString const &chemin, QByteArray const &contenu);
    /// The folder of the user's data where such files are kept.
    static QString repertoire();
};
