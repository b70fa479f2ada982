#pragma once

#include <QElapsedTimer>

#include <algorithm>
#include <functional>
#include <vector>

// Medians rather than means: the machines the benchmarks run on are noisy.
inline double mediane(std::vector<double> valeurs)
{
    std::sort(valeurs.begin(), valeurs.end());
    return valeurs[valeurs.size() / 2];
}

inline double medianeMs(int repetitions, const std::function<void()> &operation)
{
    std::vector<double> durees;
    for (int i = 0; i < repetitions; ++i) {
        QElapsedTimer chrono;
        chrono.start();
        operation();
        durees.push_back(chrono.nsecsElapsed() / 1e6);
    }
    return mediane(durees);
}
