#pragma once

#include <QCoreApplication>
#include <QString>

class Calendrier;
class QWidget;

/// A private calendar's password when the editor needs it (to generate, or to put the key in
/// a shared link): from the keyring, else asked in a dialog.
class MotDePassePrive
{
    Q_DECLARE_TR_FUNCTIONS(MotDePassePrive)

public:
    MotDePassePrive() = delete;

    /// False when the user gives none.
    static bool obtenir(QWidget *parent, Calendrier const &calendrier, QString *motDePasse);
};
