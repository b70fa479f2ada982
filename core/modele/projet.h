#pragma once

#include <QString>

/// The name and working directory of a new project, as the new project dialog fills them.
class Projet
{
public:
    static const QString EXTENSION;

    Projet(QString nom, QString repertoire);

    QString getNomPojet() const;
    void setNomPojet(QString const &nom);
    QString getRepertoire() const;
    void setRepertoire(QString const &repertoire);

    /// Path of the project file: the directory joined with the name and the extension,
    /// by the rules of QDir::filePath.
    QString getUrl() const;

private:
    QString nomProjet;
    QString repertoire;
};
