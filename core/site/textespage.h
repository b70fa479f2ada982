#pragma once

#include <QString>
#include <QStringList>

class Calendrier;

/// The page in the calendar's language: its `<html lang>` and the table of its texts
/// (scripts/textes.js), whose English is the source text of each translation (context
/// "Page" of the program's translation files). A site carries only its own language.
class TextesPage
{
public:
    TextesPage() = delete;

    /// The calendar's language, "en" for a calendar without one.
    static QString langue(Calendrier const &calendrier);
    /// The names of the page's texts, in the order of the table.
    static QStringList cles();
    /// The English text of `cle`, as the template's table holds it; empty when unknown.
    static QString source(QString const &cle);
    /// The text of `cle` in `langue` (English when it has no translation).
    static QString texte(QString const &cle, QString const &langue);
    /// `source`, a text of the "Page" context the site writes outside the table (the
    /// reminders), in `langue` (English when it has no translation).
    static QString traduireTexte(char const *source, QString const &langue);
    /// The table `script` (the template's textes.js) with each known text in `langue`.
    static QString traduireTable(QString const &script, QString const &langue);
    /// The page `page` (index.html) declaring `langue` on its html element, its canvas's
    /// fallback text in that language.
    static QString avecLangue(QString const &page, QString const &langue);
    /// Rewrites the copied textes.js for `langue`; false when it cannot be read or written.
    static bool ecrireTable(QString const &fichier, QString const &langue);
};
