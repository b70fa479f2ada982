#include "modele/repartitionjours.h"

#include "format/format.h"

#include <QCollator>
#include <QFileInfo>

#include <algorithm>

int RepartitionJours::jourDuNom(const QString &nomFichier)
{
    int chiffres = 0;
    while (chiffres < nomFichier.size() && nomFichier.at(chiffres).isDigit()
        && nomFichier.at(chiffres).unicode() < 128)
        ++chiffres;
    // More than two digits is a year or a counter, not a day ("2026-tree.jpg").
    if (chiffres == 0 || chiffres > 2)
        return 0;
    const int jour = nomFichier.leftRef(chiffres).toInt();
    return jour >= Format::PREMIER_JOUR && jour <= Format::DERNIER_JOUR ? jour : 0;
}

void RepartitionJours::trierParNom(QStringList &chemins)
{
    QCollator collateur{QLocale(QLocale::English, QLocale::UnitedStates)};
    collateur.setNumericMode(true);
    collateur.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(chemins.begin(), chemins.end(), [&collateur](const QString &a, const QString &b) {
        return collateur.compare(QFileInfo(a).fileName(), QFileInfo(b).fileName()) < 0;
    });
}

QMap<int, QString> RepartitionJours::repartir(
    QStringList chemins, const QSet<int> &joursOccupes, QStringList *sansJour)
{
    trierParNom(chemins);
    QMap<int, QString> repartition;
    QStringList sansNumero;
    for (const QString &chemin : qAsConst(chemins)) {
        const int jour = jourDuNom(QFileInfo(chemin).fileName());
        if (jour != 0 && !repartition.contains(jour))
            repartition.insert(jour, chemin);
        else
            sansNumero << chemin;
    }
    int jour = Format::PREMIER_JOUR;
    for (const QString &chemin : qAsConst(sansNumero)) {
        while (jour <= Format::DERNIER_JOUR && (joursOccupes.contains(jour) || repartition.contains(jour)))
            ++jour;
        if (jour > Format::DERNIER_JOUR) {
            if (sansJour != nullptr)
                *sansJour << chemin;
            continue;
        }
        repartition.insert(jour, chemin);
    }
    return repartition;
}
