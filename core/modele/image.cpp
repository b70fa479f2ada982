#include "modele/image.h"

#include "format/format.h"

Image::Image(QString url) : Media(url) {}

Image::~Image() = default;

QDomElement Image::getQDomElement() const
{
    return creerElementAvecUrl(BALISE);
}

QString Image::getSceneJS(QString identifiant) const
{
    return QStringLiteral("photo = new Photo(\"%1\");\n"
                          "imagesMobiles.push(photo);\n"
                          "declencherTimer(photo, %2);\n"
                          "break;\n")
        .arg(identifiant, QString::number(Format::DUREE_AFFICHAGE_MS));
}

QString Image::getCollectionJS(QString identifiant) const
{
    return QStringLiteral("this.fichiers.set(\"%1\", \"./%2/%3\");\n")
        .arg(identifiant, Format::REPERTOIRE_MEDIA, nomFichierStocke(identifiant));
}

QString Image::getNomFichierCollection() const
{
    return COLLECTION;
}

Media *Image::copier() const
{
    return new Image(getUrl());
}

Media::TypeMedia Image::getType() const
{
    return PHOTO;
}
