#include "calendrier.h"

#include "media.h"

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
