#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

/// What the editor remembers between runs, in the user's configuration: the main
/// window's geometry, the recent calendars, the last folder of each chooser and the
/// interface's language. The one place that opens the configuration.
/// Every window reads and writes it at once, so two windows share one list.
class Parametres
{
public:
    /// The choosers that start where the user went last time.
    enum Dossier { PROJETS, MEDIAS, SORTIE };

    /// How many recent calendars are kept.
    static constexpr int NOMBRE_RECENTS = 10;

    Parametres() = delete;

    /// Empty until a window has been closed once.
    static QByteArray getGeometrie();
    static void setGeometrie(const QByteArray &geometrie);

    /// Most recent first, at most NOMBRE_RECENTS.
    static QStringList getCalendriersRecents();
    /// Puts `chemin` first, once.
    static void ajouterCalendrierRecent(const QString &chemin);
    static void retirerCalendrierRecent(const QString &chemin);
    static void viderCalendriersRecents();

    /// The folder the chooser of `dossier` used last, or the home directory the first time
    /// and when that folder is gone.
    static QString getDernierDossier(Dossier dossier);
    /// Remembers the folder of `chemin` (itself when it is a folder) for the chooser of `dossier`.
    static void setDernierDossier(Dossier dossier, const QString &chemin);

    /// The interface language the user chose, as stored; empty to follow the system.
    static QString getLangueInterface();
    /// Empty forgets the choice.
    static void setLangueInterface(const QString &langue);
};
