#pragma once

#include "modele/media.h"

class Video : public Media
{
public:
    explicit Video(QString url);
    ~Video() override;

    QDomElement getQDomElement() const override;
    QString getSceneJS(QString identifiant) const override;
    QString getCollectionJS(QString identifiant) const override;
    QString getNomFichierCollection() const override;
    TypeMedia getType() const override;
};
