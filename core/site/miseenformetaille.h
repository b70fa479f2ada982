#pragma once

#include <QString>

/// Writes a size in bytes as a number and a decimal unit ("Go", "Mo", "ko" or "bytes"),
/// with three decimals truncated, never rounded: 1 999 999 bytes is 1.999 Mo.
void mettreEnFormeTaille(qint64 taille, QString *valeur, QString *unite);

/// The same size as the interface's language writes it (the default locale's decimal sign,
/// units translated in the context "Taille"): 230.326 kB in English, 230,326 ko in French.
void mettreEnFormeTailleLocale(qint64 taille, QString *valeur, QString *unite);
