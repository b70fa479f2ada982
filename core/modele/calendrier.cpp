#include "modele/calendrier.h"

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

bool Calendrier::getRattrapage() const
{
    return rattrapage;
}

void Calendrier::setRattrapage(bool nouveauRattrapage)
{
    rattrapage = nouveauRattrapage;
}

int Calendrier::getMois() const
{
    return mois;
}

void Calendrier::setMois(int nouveauMois)
{
    mois = nouveauMois >= 1 && nouveauMois <= 12 ? nouveauMois : 0;
}

QString Calendrier::getFuseau() const
{
    return fuseau;
}

void Calendrier::setFuseau(QString const &nouveauFuseau)
{
    fuseau = nouveauFuseau;
}

bool Calendrier::optionsParDefaut() const
{
    return !rattrapage && mois == 0 && fuseau.isEmpty();
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
