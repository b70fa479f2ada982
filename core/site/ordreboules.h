#pragma once

#include <QString>
#include <QVector>

/// The order in which a shuffled calendar deals its balls' numbers over the page's places:
/// a permutation of 1 to `jours`, element i being the day drawn at place i + 1.
///
/// It depends only on `nom` (the calendar's name) and `jours`: the generator draws it with
/// its own small generator and Fisher-Yates, never with the standard library's
/// distributions, whose results differ between implementations, so that regenerating the
/// site gives the same page on any machine. An empty result for `jours` below 1.
QVector<int> ordreBoules(QString const &nom, int jours);
