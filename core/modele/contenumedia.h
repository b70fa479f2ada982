#pragma once

#include <QString>
#include <QStringList>

/// Tells what a media file holds from its content, whatever its name says.
class ContenuMedia
{
public:
    /// Whether `chemin` names a regular file whose content is of one of `familles`: MIME
    /// types ("audio/ogg") or, ending with a slash, whole families ("image/"). A type
    /// matches through its ancestors too. Only the first bytes are read; a FIFO or a
    /// device is never opened.
    static bool estDeLaFamille(QString const &chemin, QStringList const &familles);
};
