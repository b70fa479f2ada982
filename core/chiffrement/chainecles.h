#pragma once

#include "format/resultat.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QString>

class Calendrier;
class OptionsCalendrier;

/// The keys of a calendar whose doors open only on their day.
///
/// The creator's computer keeps one random 32-byte secret per calendar, in a file only its
/// owner can read in the user's data folder (the morning publish runs without a session, so
/// without a keyring). Each run of the calendar (once, every year, or every month for a
/// calendar of the days of any month) has its own chain: its last day's key k_N is an HKDF
/// of the secret, the run's first day and the length, and k_{d-1} = SHA-256(k_d). A site holds only the key of the
/// day it was made on; the page derives the earlier days' keys from it, never a later one.
class ChaineCles
{
    Q_DECLARE_TR_FUNCTIONS(ChaineCles)

public:
    static constexpr int TAILLE_SECRET = 32;

    ChaineCles() = delete;

    /// Where a run stands on a date: `jour` is 0 before the run, the calendar's length after
    /// it, else the day that opens on that date.
    struct Position {
        /// Names the run: the date of its first day, "YYYY-MM-DD".
        QString tour;
        int jour = 0;
    };
    static Position position(OptionsCalendrier const &options, QDate const &aujourdhui);

    /// The moment a generation runs: now, or what TINSELBOX_MAINTENANT says (ISO 8601, for
    /// the tests that build a site "on" a given day).
    static QDateTime maintenant();
    /// The date of `instant` in the calendar's time zone, or this computer's without one.
    static QDate dateDansFuseau(OptionsCalendrier const &options, QDateTime const &instant);

    /// The last day's key of run `tour` of a calendar of `longueur` days.
    static QByteArray cleDernierJour(QByteArray const &secret, QString const &tour, int longueur);
    /// Day `jour`'s key from the key of day `depuis` (a later or the same day).
    static QByteArray cleJour(QByteArray const &cle, int depuis, int jour);
    /// What a day's content is encrypted from (as a private calendar's master key): a key of
    /// its own, so that the chain's keys themselves never key a cipher.
    static QByteArray cleContenu(QByteArray const &cleJour);

    /// The secret kept for `calendrier`; without one kept, a new one is made and kept when
    /// `creer` (`*nouveau` then says so), else the secret is empty and nothing fails.
    static Resultat secret(Calendrier const &calendrier, bool creer, QByteArray *secret, bool *nouveau);
    /// Keeps `secret` as the calendar's, in place of any other.
    static Resultat garder(Calendrier const &calendrier, QByteArray const &secret);
    /// Where the secret of `calendrier` is kept.
    static QString chemin(Calendrier const &calendrier);
    /// When the editor gives a locked calendar `avant` another name or publishing address
    /// (`apres`), its chain goes with it: the secret kept for `avant` is kept for `apres` too,
    /// unless a chain is kept there already, which is never replaced. The old file stays: undo,
    /// or another copy of the project file, may still name it. A failure says why, with the
    /// chain's recovery code.
    static Resultat emporter(Calendrier const &avant, Calendrier const &apres);

    /// The recovery code of `secret`: base32 in groups of five, with a check of its own.
    static QString codeSecours(QByteArray const &secret);
    /// The secret a recovery code stands for; empty when it is mistyped (case, spaces and
    /// dashes do not count).
    static QByteArray lireCodeSecours(QString const &code);
};
