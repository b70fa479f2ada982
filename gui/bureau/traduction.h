#pragma once

#include <QCoreApplication>
#include <QString>

/// The language the editor and the command line speak: the system's (LC_ALL,
/// LC_MESSAGES, LANG) unless the user chose one, which the settings remember. Installs
/// the program's translation and Qt's own for it, and makes it the default locale.
class Traduction
{
    Q_DECLARE_TR_FUNCTIONS(Traduction)

public:
    /// The two-letter code of a language the program speaks, from a locale name such as
    /// "fr_FR.UTF-8"; "en" for any other (and for "C" or "POSIX").
    static QString langueConnue(const QString &nomLocale);
    static QString langueSysteme();
    /// The user's choice, "" to follow the system.
    static QString getLangueChoisie();
    static void setLangueChoisie(const QString &langue);
    /// The language installed last ("en" before any).
    static QString getLangueInstallee();
    /// Installs the chosen language, or the system's; needs the application object.
    static void installer();
    static void installer(const QString &langue);
    /// The language under its own name ("Deutsch"), for a code of Format::LANGUES.
    static QString nomLangue(const QString &langue);
    /// Asks for the interface's language; true when the choice changed (it applies at the
    /// next start).
    static bool choisirLangue(QWidget *parent);
};
