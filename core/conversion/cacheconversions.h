#pragma once

#include "format/resultat.h"

#include <QCoreApplication>
#include <QString>

/// Converted media kept between generations in the user's cache directory, so an
/// unchanged calendar converts nothing twice.
///
/// An entry is keyed by the source's content and the conversion's settings. The content
/// key of a source is remembered with its path, size and modification time, so an
/// unchanged source is recognised without being read. A converted file is stored under a
/// name of its own and renamed into place, with its size and digest recorded beside it and
/// checked before it is used again. The cache is bounded: past
/// `LIMITE` bytes the entries least recently used go first.
class CacheConversions
{
    Q_DECLARE_TR_FUNCTIONS(CacheConversions)

public:
    static const qint64 LIMITE = 1024LL * 1024 * 1024;

    /// The cache in `repertoire`; by default the user's cache directory.
    explicit CacheConversions(QString repertoire = QString());

    QString getRepertoire() const;

    /// The key of `source`'s content for conversions with `reglages`: from the record of
    /// the path, size and time when they match, else by reading the file once.
    bool cle(QString const &source, QString const &reglages, QString *cle);
    /// The key of `source` only if it is recognised without reading it.
    bool cleConnue(QString const &source, QString const &reglages, QString *cle) const;

    /// The entry of `cle`: the converted file (empty when the source is published as
    /// it is) and its extension. A hit counts as a use. The file must have the size
    /// recorded with it and, with `verifier`, the digest too; one that does not is
    /// removed, and the lookup fails.
    bool trouver(QString const &cle, QString *fichier, QString *extension, bool verifier = true) const;
    /// Where a conversion for `cle` writes its output (plus an extension) before `ranger`.
    QString brouillon(QString const &cle) const;
    /// Records the outcome for `cle`: the `produit` written at `brouillon(cle)` plus
    /// `extension`, or none when the source is published as it is. `*fichier` gets the
    /// stored file. Then trims the cache to `limite`.
    Resultat ranger(QString const &cle, QString const &produit, QString const &extension, QString *fichier);
    /// Removes the entries least recently used until the cache holds at most `limite` bytes,
    /// never the file `garder` (the one just stored, even when it alone is over the limit).
    void limiter(qint64 limite, QString const &garder = QString());

    /// The limit applied after each `ranger`; `LIMITE` unless a test lowers it.
    static void setLimite(qint64 limite);

private:
    QString cheminDescription(QString const &cle) const;
    QString cheminSource(QString const &source) const;
    static QString empreinte(QString const &source, QString const &reglages);

    QString repertoire;
};
