#include "modele/video.h"

#include "format/format.h"

Video::Video(QString url) : Media(url) {}

Video::~Video() = default;

QDomElement Video::getQDomElement() const
{
    return creerElementAvecUrl(BALISE);
}

QString Video::getSceneJS(QString identifiant) const
{
    return QStringLiteral("ecran = new Video(\"%1\");\n"
                          "video = collectionVideos.jouerVideo(\"%1\", ecran);\n"
                          "videos.push(ecran);\n"
                          "detecterArret(video);\n"
                          "break;\n")
        .arg(identifiant);
}

QString Video::getCollectionJS(QString identifiant) const
{
    return QStringLiteral("case \"%1\":\n"
                          "this.chargerVideo(\"%1\", \"%2/%3\", ecran);\n"
                          "break;\n")
        .arg(identifiant, Format::REPERTOIRE_MEDIA, nomFichierStocke(identifiant));
}

QString Video::getNomFichierCollection() const
{
    return COLLECTION;
}

Media *Video::copier() const
{
    return new Video(getUrl());
}

Media::TypeMedia Video::getType() const
{
    return VIDEO;
}
