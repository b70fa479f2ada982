#pragma once

#include "bureau/parametres.h"

#include <QFileDialog>
#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>

/// Runs the windows' file and directory choosers.
///
/// Tests answer them without showing anything: a path queued with prevoirChoix() is taken
/// by the next chooser instead of running it (an empty path cancels it). In silent mode a
/// chooser without a queued path is not shown either and counts as cancelled. Otherwise
/// the chooser is shown as usual.
class ChoixFichier
{
public:
    /// What a chooser offered, noted for tests when it was answered without being shown.
    struct Montre {
        QString titre;
        QFileDialog::FileMode mode = QFileDialog::AnyFile;
        QStringList filtresMime;
        QString filtreSelectionne;
        QPointer<QWidget> parent;
    };

    ChoixFichier() = delete;

    /// Runs `selecteur` modally; the first path chosen, or an empty string when cancelled.
    static QString choisir(QFileDialog &selecteur);
    /// A directory chooser opening in the last directory of its kind, which the chosen one
    /// becomes; an empty string when cancelled.
    static QString choisirDossier(QWidget *parent, const QString &titre, Parametres::Dossier genre);

    /// Queues the path the next chooser returns; an empty path cancels it.
    static void prevoirChoix(const QString &chemin);
    static void setSilencieux(bool silencieux);
    /// Queued paths that no chooser has taken yet.
    static int choixEnAttente();
    /// The choosers answered without being shown since the last call, oldest first.
    static QList<Montre> prendreMontres();
    /// Drops the queued paths and the noted choosers.
    static void reinitialiser();
};
