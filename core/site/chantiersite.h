#pragma once

#include <QCoreApplication>

#include "format/resultat.h"

#include <QString>
#include <QStringList>

#include <functional>

/// The folder a new site is built in before it takes the place of the output directory's
/// contents, so that a generation that fails or is stopped leaves that directory exactly
/// as it was.
///
/// The output directory is created first if need be, opened once and held by its
/// descriptor, and locked (an advisory lock) for the whole run, so that a second
/// generation into it fails at once instead of mixing two sites; a directory created for
/// a run that fails is removed again. Every later step (the check of its contents, the
/// emptying, the moves) goes through the held descriptors, never through the path again:
/// a directory swapped for a link while the site is built cannot send a removal or a move
/// anywhere else, and the run fails saying so.
///
/// The folder is a hidden sibling of the output directory, on the same file system so
/// that the final move is made of renames; when the parent cannot be written it is a
/// hidden folder inside the output directory itself. It is held by its descriptor too and
/// the site is built through it. It is removed when the object dies, whatever happened,
/// and a folder left by a run that crashed is removed by the next run into the same
/// directory.
///
/// Failures give the system's reason (an errno value) and the path concerned.
class ChantierSite
{
    Q_DECLARE_TR_FUNCTIONS(ChantierSite)

public:
    /// Checks the directory actually held (its real path), before anything is written.
    using Controle = std::function<Resultat(QString const &)>;

    explicit ChantierSite(QString const &repertoireSortie);
    ~ChantierSite();

    ChantierSite(const ChantierSite &) = delete;
    ChantierSite &operator=(const ChantierSite &) = delete;

    /// Opens and locks the output directory, runs `controle` on it, and creates the
    /// folder; a failure says why.
    Resultat ouvrir(Controle const &controle = Controle());
    /// The directory in which to build the new site, reached through its descriptor.
    QString repertoireConstruction() const;
    /// The folder itself, as a path (empty before ouvrir() or once it is gone).
    QString racine() const;

    /// Whether the output directory's current contents can all be removed afterwards:
    /// nothing on another file system, nothing that cannot be written. Checked before
    /// anything moves, so that a removal never fails half-way. A failure names the culprit.
    Resultat contenuAmovible() const;

    /// Whether the output directory's path still names the directory held since
    /// ouvrir(), and the folder's path the folder.
    bool toujoursEnPlace() const;

    /// Moves the old contents aside, the new site in, then removes the old contents.
    /// On failure of a move everything is moved back; when the directory was swapped since
    /// it was opened, nothing moves.
    Resultat remplacer();

    /// Removes `chemin` and everything below it, never entering another file system and
    /// never following a link. False when something stays.
    static bool supprimerSansFranchir(QString const &chemin);
    /// Whether a file system is mounted anywhere strictly below `repertoire`.
    static bool contientPointDeMontage(QString const &repertoire);
    /// Whether `nom`, an entry of an output directory, is such a folder of a run.
    static bool estDossierChantier(QString const &nom);

    /// Called once the site is built and checked, just before it replaces the directory's
    /// contents: the moment a swap of the directory would do the most harm. Tests set it.
    static std::function<void(QString const &repertoire)> crochetAvantRemplacement;

private:
    Resultat verrouiller();
    void retirerChantiersAbandonnes() const;

    QString sortie;
    /// The path as the caller gave it, links included.
    QString sortieDonnee;
    /// The directories this run created on the way to the output directory, outermost first.
    QStringList crees;
    int parent = -1;
    QString nomSortie;
    int verrou = -1;
    /// Where the folder was made (the parent or the output directory), its name, itself.
    int baseChantier = -1;
    QString nomChantier;
    int chantier = -1;
    int construction = -1;
    bool remplace = false;
    QString dossier;
};
