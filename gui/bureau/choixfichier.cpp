#include "bureau/choixfichier.h"

#include <QQueue>

namespace {
// GUI thread only, like the choosers themselves.
QQueue<QString> choix;
QList<ChoixFichier::Montre> montres;
bool silencieux = false;
} // namespace

QString ChoixFichier::choisir(QFileDialog &selecteur)
{
    if (!choix.isEmpty() || silencieux) {
        montres.append({selecteur.windowTitle(), selecteur.fileMode(), selecteur.mimeTypeFilters(),
            selecteur.selectedMimeTypeFilter(), selecteur.parentWidget()});
        return choix.isEmpty() ? QString() : choix.dequeue();
    }
    if (selecteur.exec() != QDialog::Accepted)
        return QString();
    const QStringList fichiers = selecteur.selectedFiles();
    return fichiers.isEmpty() ? QString() : fichiers.constFirst();
}

QString ChoixFichier::choisirDossier(QWidget *parent, const QString &titre, Parametres::Dossier genre)
{
    QFileDialog dialogue(parent, titre);
    dialogue.setFileMode(QFileDialog::Directory);
    dialogue.setDirectory(Parametres::getDernierDossier(genre));
    const QString dossier = choisir(dialogue);
    if (!dossier.isEmpty())
        Parametres::setDernierDossier(genre, dossier);
    return dossier;
}

void ChoixFichier::prevoirChoix(const QString &chemin)
{
    choix.enqueue(chemin);
}

void ChoixFichier::setSilencieux(bool actif)
{
    silencieux = actif;
}

int ChoixFichier::choixEnAttente()
{
    return choix.size();
}

QList<ChoixFichier::Montre> ChoixFichier::prendreMontres()
{
    QList<Montre> resultat;
    resultat.swap(montres);
    return resultat;
}

void ChoixFichier::reinitialiser()
{
    choix.clear();
    montres.clear();
}
