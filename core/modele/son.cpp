#include "modele/son.h"

#include "format/format.h"

Son::Son(QString url) : Media(url) {}

Son::~Son() = default;

QDomElement Son::getQDomElement() const
{
    return creerElementAvecUrl(BALISE);
}

QString Son::getSceneJS(QString identifiant) const
{
    // The page tolerates the missing semicolon after sortir(): the next line starts a new statement.
    return QStringLiteral("pochette = new Photo(\"pochette\");\n"
                          "imagesMobiles.push(pochette);\n"
                          "pochette.sortir()\n"
                          "son = collectionSons.jouerSon(\"%1\");\n"
                          "detecterArret(son);\n"
                          "break;\n")
        .arg(identifiant);
}

QString Son::getCollectionJS(QString identifiant) const
{
    return QStringLiteral("case \"%1\":\n"
                          "this.chargerSon(\"%1\", \"%2/%3\");\n"
                          "break;\n")
        .arg(identifiant, Format::REPERTOIRE_MEDIA, nomFichierStocke(identifiant));
}

QString Son::getNomFichierCollection() const
{
    return COLLECTION;
}

Media *Son::copier() const
{
    return new Son(getUrl());
}

Media::TypeMedia Son::getType() const
{
    return MUSIQUE;
}
