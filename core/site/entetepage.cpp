#include "site/entetepage.h"

#include "modele/calendrier.h"
#include "site/textespage.h"

#include <QFile>
#include <QSaveFile>

bool EntetePage::reecrire(QString const &fichierPage, Calendrier const &calendrier)
{
    QFile entree(fichierPage);
    if (!entree.open(QIODevice::ReadOnly))
        return false;
    QString page = QString::fromUtf8(entree.readAll());
    entree.close();

    page = TextesPage::avecLangue(page, TextesPage::langue(calendrier));

    QSaveFile sortie(fichierPage);
    if (!sortie.open(QIODevice::WriteOnly))
        return false;
    sortie.write(page.toUtf8());
    return sortie.commit();
}
