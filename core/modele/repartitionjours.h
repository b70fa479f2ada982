#pragma once

#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

/// Which day each of many media files goes to when they are given at once (a folder
/// dropped or imported): a file whose name starts with a day number goes to that day,
/// the others fill the days that stay empty, in name order.
class RepartitionJours
{
public:
    RepartitionJours() = delete;

    /// The day a file name starts with ("05-snow.jpg" 5, "24.mp4" 24), or 0 when it
    /// starts with no number from 1 to 31.
    static int jourDuNom(const QString &nomFichier);

    /// Sorts files by name as a person reads them ("2" before "10", case ignored).
    static void trierParNom(QStringList &chemins);

    /// Day to path for `chemins`, given the days that already hold a media. A numbered
    /// file takes its day even when occupied (the caller asks first); of two files with
    /// the same number the first by name wins and the other is treated as unnumbered.
    /// Unnumbered files fill days that are neither occupied nor numbered; those left
    /// without a day are appended to `sansJour`.
    static QMap<int, QString> repartir(
        QStringList chemins, const QSet<int> &joursOccupes, QStringList *sansJour);
};
