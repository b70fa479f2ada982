#pragma once

#include "modele/calendrier.h"
#include "modele/genremedia.h"
#include "modele/image.h"
#include "modele/media.h"
#include "modele/message.h"
#include "modele/son.h"
#include "modele/video.h"

#include <QSemaphore>
#include <QStringList>

/// A new media of the kind `type`; the base kind for any other value.
inline Media *creerMedia(Media::TypeMedia type, const QString &url)
{
    const GenreMedia *genre = GenreMedia::pour(type);
    return genre != nullptr ? genre->creer(url) : new Media(url);
}

/// Adds the days described as "day:kind:location" (kind as in Media::TypeMedia), in order.
inline void remplir(Calendrier &calendrier, const QStringList &jours)
{
    for (const QString &jour : jours) {
        const QStringList champs = jour.split(QLatin1Char(':'));
        calendrier.ajouterMedia(champs.at(0).toInt(),
            creerMedia(Media::TypeMedia(champs.at(1).toInt()), champs.mid(2).join(QLatin1Char(':'))));
    }
}

/// "day:kind:location" for every day, in day order, to compare calendars at a glance
/// (the text in place of the location for a message). Locations inside `dossier`, the
/// folder of the project file they were read from, are shown relative to it.
inline QStringList resume(const Calendrier &calendrier, const QString &dossier = QString())
{
    QStringList lignes;
    const auto &contenu = calendrier.getContenuConstant();
    for (auto it = contenu.cbegin(); it != contenu.cend(); ++it) {
        if (it.value() == nullptr)
            lignes << QStringLiteral("%1:null").arg(it.key());
        else if (const auto *message = dynamic_cast<const Message *>(it.value()))
            lignes << QStringLiteral("%1:%2:%3")
                          .arg(it.key())
                          .arg(int(message->getType()))
                          .arg(message->getTexte());
        else
            lignes << QStringLiteral("%1:%2:%3")
                          .arg(it.key())
                          .arg(int(it.value()->getType()))
                          .arg(!dossier.isEmpty()
                                      && it.value()->getUrl().startsWith(dossier + QLatin1Char('/'))
                                  ? it.value()->getUrl().mid(dossier.size() + 1)
                                  : it.value()->getUrl());
    }
    return lignes;
}

/// A picture whose script lines are asked for while its day is being written: it holds
/// the generating thread there (after releasing `atteinte`) until `reprise` is released.
class ImageRetenue : public Image
{
public:
    ImageRetenue(const QString &url, QSemaphore &atteinte, QSemaphore &reprise)
        : Image(url), atteinte(atteinte), reprise(reprise)
    {}

    Media *copier() const override
    {
        return new ImageRetenue(getUrl(), atteinte, reprise);
    }

    QString getSceneJS(QString identifiant) const override
    {
        atteinte.release();
        reprise.acquire();
        return Image::getSceneJS(identifiant);
    }

private:
    QSemaphore &atteinte;
    QSemaphore &reprise;
};

/// Sets one option of `calendrier`, as the options dialog would.
template <typename T, typename V>
void fixerOption(Calendrier &calendrier, T OptionsCalendrier::*champ, V const &valeur)
{
    OptionsCalendrier options = calendrier.getOptions();
    options.*champ = T(valeur);
    calendrier.setOptions(options);
}
