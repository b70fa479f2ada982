#include "fenetres/saisiechemin.h"

#include <QCompleter>
#include <QDir>
#include <QFileSystemModel>
#include <QLineEdit>

void SaisieChemin::installer(QLineEdit *champ, Genre genre)
{
    if (champ == nullptr)
        return;
    champ->setReadOnly(false);
    auto *modele = new QFileSystemModel(champ);
    modele->setFilter((genre == DOSSIERS ? QDir::AllDirs : QDir::AllEntries) | QDir::NoDotAndDotDot);
    // The model watches and reads folders on a thread of its own, only as they are completed.
    modele->setRootPath(QString());
    auto *completion = new QCompleter(modele, champ);
    completion->setCaseSensitivity(Qt::CaseSensitive);
    champ->setCompleter(completion);
}

QString SaisieChemin::chemin(const QString &texte)
{
    QString chemin = texte.trimmed();
    if (chemin.isEmpty())
        return QString();
    if (chemin == QLatin1String("~") || chemin.startsWith(QLatin1String("~/")))
        chemin = QDir::homePath() + chemin.mid(1);
    return QDir::cleanPath(QDir::home().absoluteFilePath(chemin));
}
