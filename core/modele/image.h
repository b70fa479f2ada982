#pragma once

#include "modele/media.h"

class Image : public Media
{
public:
    explicit Image(QString url);
    ~Image() override;

    QDomElement getQDomElement() const override;
    QString getSceneJS(QString identifiant) const override;
    QString getCollectionJS(QString identifiant) const override;
    QString getNomFichierCollection() const override;
    TypeMedia getType() const override;
};
