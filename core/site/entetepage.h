#pragma once

#include <QString>

class Calendrier;

/// The head of a generated site's page, written into the copy of the template's page.
class EntetePage
{
public:
    EntetePage() = delete;

    /// Rewrites the head of the page `fichierPage` for `calendrier` (its language on the
    /// html element); false when the page cannot be read or written.
    static bool reecrire(QString const &fichierPage, Calendrier const &calendrier);
};
