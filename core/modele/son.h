#pragma once

#include "modele/media.h"

class Son : public Media
{
public:
    explicit Son(QString url);
    ~Son() override;

    QDomElement getQDomElement() const override;
    QString getSceneJS(QString identifiant) const override;
    QString getCollectionJS(QString identifiant) const override;
    QString getNomFichierCollection() const override;
    TypeMedia getType() const override;
};
