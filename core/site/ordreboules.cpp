#include "site/ordreboules.h"

#include <QByteArray>

#include <cstdint>
#include <utility>

namespace {

// FNV-1a over the name's UTF-8 bytes: the same seed for the same name everywhere.
std::uint64_t graine(QString const &nom)
{
    std::uint64_t valeur = 0xcbf29ce484222325ULL;
    for (const char octet : nom.toUtf8()) {
        valeur ^= std::uint8_t(octet);
        valeur *= 0x100000001b3ULL;
    }
    return valeur;
}

// SplitMix64: small, fully specified, and good enough to deal 31 numbers.
class Tirage
{
public:
    explicit Tirage(std::uint64_t graine) : etat(graine) {}

    std::uint64_t suivant()
    {
        std::uint64_t z = (etat += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }

    // Uniform in 0..borne - 1: draws in the biased tail of the range are thrown away.
    std::uint64_t jusqua(std::uint64_t borne)
    {
        const std::uint64_t rejet = (UINT64_MAX - borne + 1) % borne;
        std::uint64_t valeur = suivant();
        while (valeur < rejet)
            valeur = suivant();
        return valeur % borne;
    }

private:
    std::uint64_t etat;
};

} // namespace

QVector<int> ordreBoules(QString const &nom, int jours)
{
    QVector<int> ordre;
    for (int jour = 1; jour <= jours; ++jour)
        ordre.append(jour);
    Tirage tirage(graine(nom));
    for (int i = ordre.size() - 1; i > 0; --i)
        std::swap(ordre[i], ordre[int(tirage.jusqua(std::uint64_t(i) + 1))]);
    return ordre;
}
