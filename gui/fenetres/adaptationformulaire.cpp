#include "fenetres/adaptationformulaire.h"

#include <QDialog>
#include <QVBoxLayout>

void AdaptationFormulaire::adapter(QDialog &dialogue)
{
    auto *formulaire =
        dialogue.findChild<QWidget *>(QStringLiteral("verticalLayoutWidget"), Qt::FindDirectChildrenOnly);
    if (formulaire == nullptr)
        return;
    auto *disposition = new QVBoxLayout(&dialogue);
    const QRect place = formulaire->geometry();
    disposition->setContentsMargins(place.left(), place.top(), dialogue.width() - place.right() - 1,
        dialogue.height() - place.bottom() - 1);
    disposition->addWidget(formulaire);

    const int largeur = qMax(dialogue.minimumWidth(), disposition->totalMinimumSize().width());
    int hauteur = dialogue.minimumHeight();
    if (disposition->hasHeightForWidth())
        hauteur = qMax(hauteur, disposition->totalHeightForWidth(largeur));
    dialogue.setMinimumSize(largeur, hauteur);
    dialogue.resize(dialogue.size().expandedTo(dialogue.minimumSize()));
}
