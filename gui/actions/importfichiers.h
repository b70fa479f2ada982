#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class DocumentCalendrier;
struct GenreMedia;
class Media;
class QDragEnterEvent;
class QDropEvent;
class QMimeData;
class QWidget;

/// Files that reach the main window's calendar from outside the day dialog: a file dropped
/// on a tile, many files or folders dropped at once or imported with "Import a folder...",
/// and a project file dropped anywhere, which the document is asked to open. A drop or an
/// import is one step of the document's history.
class ImportFichiers
{
    Q_DECLARE_TR_FUNCTIONS(ImportFichiers)

public:
    /// Acts on `document`; the drops land on `fenetre`, which also owns the messages.
    ImportFichiers(DocumentCalendrier &document, QWidget &fenetre);

    /// Gives day `jour` the file `chemin`, its kind taken from its content; a file of no
    /// known kind is refused with a message. Returns whether the day changed.
    bool donnerFichierAuJour(int jour, const QString &chemin);
    /// Gives many days their media at once from files and folders (a folder's own files,
    /// not its subfolders): numbered names go to their day, the others fill empty days in
    /// name order. Replacing days that hold a media is asked once, No by default.
    void importerFichiers(const QStringList &chemins);
    /// Asks for a folder and imports its files.
    void importerDossier();

    void accepterGlisser(QDragEnterEvent *event) const;
    void deposer(QDropEvent *event);

private:
    /// The local files and folders a drag carries.
    static QStringList cheminsDeposes(const QMimeData *donnees);
    /// Whether a dropped file is to be opened as a project file rather than used as a media.
    static bool estFichierProjet(const QString &chemin);
    /// The one place where a file becomes a day's media; nullptr, after saying why, when it cannot.
    Media *creerMedia(const GenreMedia &genre, const QString &chemin);

    DocumentCalendrier &document;
    QWidget &fenetre;
};
