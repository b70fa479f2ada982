#include "modele/calendrier.h"

#include "format/format.h"
#include "modele/media.h"

Calendrier::Calendrier() = default;

Calendrier::Calendrier(QString nomCalendrier) : nom(std::move(nomCalendrier)) {}

Calendrier::~Calendrier()
{
    qDeleteAll(contenu);
}

QString Calendrier::getNom() const
{
    return nom;
}

void Calendrier::setNom(QString const &nouveauNom)
{
    nom = nouveauNom;
}

OptionsCalendrier const &Calendrier::getOptions() const
{
    return options;
}

void Calendrier::setOptions(OptionsCalendrier const &nouvelles)
{
    options = nouvelles.normalisees();
}

QList<int> Calendrier::joursHorsLongueur() const
{
    QList<int> horsLongueur;
    for (auto it = contenu.constBegin(); it != contenu.constEnd(); ++it) {
        if (!options.estJourPublie(it.key()))
            horsLongueur << it.key();
    }
    return horsLongueur;
}

int Calendrier::ajouterMedia(int jour, Media *media)
{
    if (media == nullptr)
        return contenu.contains(jour) ? 0 : 1;

    auto it = contenu.find(jour);
    if (it != contenu.end()) {
        if (it.value() != media) {
            delete it.value();
            it.value() = media;
        }
    } else {
        contenu.insert(jour, media);
    }
    return 0;
}

int Calendrier::supprimerMedia(int jour)
{
    return contenu.remove(jour) > 0 ? 0 : 3;
}

Media *Calendrier::getMedia(int jour) const
{
    return contenu.value(jour, nullptr);
}

QMap<int, Media *> &Calendrier::getContenu()
{
    return contenu;
}

QMap<int, Media *> const &Calendrier::getContenuConstant() const
{
    return contenu;
}

void Calendrier::setContenu(QMap<int, Media *> const &nouveauContenu)
{
    contenu = nouveauContenu;
}
