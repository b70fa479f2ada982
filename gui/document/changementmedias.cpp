#include "document/changementmedias.h"

#include "document/documentcalendrier.h"
#include "format/resultat.h"
#include "modele/calendrier.h"
#include "modele/genremedia.h"
#include "modele/media.h"

namespace {
QDomElement element(QDomDocument &brouillon, const Media *media)
{
    return media != nullptr ? brouillon.importNode(media->getQDomElement(), true).toElement() : QDomElement();
}

QString libelle(ChangementMedias::Nature nature, int jour)
{
    switch (nature) {
    case ChangementMedias::EDITION:
        return ChangementMedias::tr("Edit day %1").arg(jour);
    case ChangementMedias::VIDAGE:
        return ChangementMedias::tr("Clear day %1").arg(jour);
    case ChangementMedias::DEPOT:
        return ChangementMedias::tr("Set day %1").arg(jour);
    case ChangementMedias::IMPORT:
        break;
    }
    return ChangementMedias::tr("Import");
}
} // namespace

ChangementMedias::ChangementMedias(
    DocumentCalendrier &document, const QMap<int, Media *> &nouveaux, Nature nature, int jour)
    : QUndoCommand(libelle(nature, jour)), document(document)
{
    const Calendrier *calendrier = document.getCalendrier();
    for (auto it = nouveaux.constBegin(); it != nouveaux.constEnd(); ++it) {
        avant.insert(
            it.key(), element(brouillon, calendrier != nullptr ? calendrier->getMedia(it.key()) : nullptr));
        apres.insert(it.key(), element(brouillon, it.value()));
        delete it.value();
    }
}

ChangementMedias::~ChangementMedias() = default;

void ChangementMedias::undo()
{
    appliquer(avant);
}

void ChangementMedias::redo()
{
    appliquer(apres);
}

void ChangementMedias::appliquer(const QMap<int, QDomElement> &etat)
{
    Calendrier *calendrier = document.getCalendrier();
    if (calendrier == nullptr)
        return;
    QList<int> perdus;
    for (auto it = etat.constBegin(); it != etat.constEnd(); ++it) {
        if (it.value().isNull()) {
            if (Media *ancien = calendrier->getMedia(it.key())) {
                calendrier->supprimerMedia(it.key());
                delete ancien;
            }
            continue;
        }
        Media *media = GenreMedia::depuisElement(it.value());
        if (media == nullptr || calendrier->ajouterMedia(it.key(), media) != 0)
            perdus << it.key();
    }
    document.signalerModification();
    for (const int jour : qAsConst(perdus))
        document.signalerEchec(Resultat::echec(Resultat::Cause::DocumentIllisible,
            tr("The media of day %1 could not be put back; the day keeps what it held.").arg(jour))
                                   .avecJour(jour));
}
