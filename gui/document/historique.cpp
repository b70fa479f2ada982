#include "document/historique.h"

#include "fenetres/fenetreprincipale.h"
#include "gestionnairefichiers.h"
#include "modele/calendrier.h"

#include <QUndoCommand>

#include <utility>

namespace {
QDomDocument versDocument(const Calendrier &calendrier)
{
    QDomDocument document;
    GestionnaireFichiers().creerDomDepuisCalendrier(calendrier, document);
    return document;
}

/// One change of the calendar: showing one state or the other.
class Etape : public QUndoCommand
{
public:
    Etape(FenetrePrincipale &fenetre, QDomDocument avant, QDomDocument apres, const QString &libelle)
        : QUndoCommand(libelle), fenetre(fenetre), avant(std::move(avant)), apres(std::move(apres))
    {}

    void undo() override
    {
        afficher(avant);
    }

    void redo() override
    {
        // Pushed once the change is made: the first redo has nothing to do.
        if (std::exchange(premiere, false))
            return;
        afficher(apres);
    }

private:
    void afficher(const QDomDocument &etat)
    {
        // A new calendar rather than the old one changed in place: a day dialog or a
        // worker never holds it while a step runs, since both keep the window modal.
        auto *calendrier = new Calendrier();
        GestionnaireFichiers().creerCalendrierDepuisDom(etat, *calendrier);
        fenetre.afficherCalendrier(calendrier);
    }

    FenetrePrincipale &fenetre;
    const QDomDocument avant;
    const QDomDocument apres;
    bool premiere = true;
};
} // namespace

Historique::Historique(FenetrePrincipale &fenetre) : fenetre(fenetre)
{
    pile.setObjectName(QStringLiteral("historique"));
}

QUndoStack &Historique::getPile()
{
    return pile;
}

QDomDocument Historique::instantane() const
{
    return fenetre.getCalendrier() != nullptr ? versDocument(*fenetre.getCalendrier()) : QDomDocument();
}

void Historique::noter(const QDomDocument &avant, const QString &libelle)
{
    if (fenetre.getCalendrier() == nullptr || avant.documentElement().isNull())
        return;
    QDomDocument apres = versDocument(*fenetre.getCalendrier());
    if (apres.toByteArray() == avant.toByteArray())
        return;
    pile.push(new Etape(fenetre, avant, std::move(apres), libelle));
}

void Historique::vider()
{
    pile.clear();
}
