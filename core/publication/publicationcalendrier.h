#pragma once

#include "format/resultat.h"
#include "publication/publieur.h"

#include <QCoreApplication>

#include <functional>

class Calendrier;

/// Publishing a calendar as the window and the command line do it: its media converted,
/// its site generated into a staging folder of its own, then published to the calendar's
/// publishing address.
class PublicationCalendrier
{
    Q_DECLARE_TR_FUNCTIONS(PublicationCalendrier)

public:
    PublicationCalendrier() = delete;

    struct Demande {
        TransfertCurl::Reglages reglages;
        bool simulation = false;
        bool accepterEtranger = false;
        /// Called as each day's conversion is ready (day, rank, total); false stops.
        std::function<bool(int, int, int)> conversion;
        Publieur::Suivi suivi;
        /// The password a private calendar's site is encrypted under.
        QString motDePasse;
    };

    /// The name, in the program's data folder, of the certificate authorities a publish
    /// trusts besides the system's: for a server at home with a certificate of its own.
    static inline const QString NOM_AUTORITES = QStringLiteral("certificate-authorities.pem");

    /// Where a publish finds the user's SSH keys, the host keys accepted earlier and the
    /// certificate authorities of NOM_AUTORITES, when that file exists.
    static void lieuxUtilisateur(TransfertCurl::Reglages *reglages);

    /// Publishes `calendrier`; `*empreinteInconnue` gets the SFTP host key that stopped it,
    /// if that is what did.
    static Resultat publier(Calendrier const &calendrier, Demande const &demande, Publieur::Bilan *bilan,
        QString *empreinteInconnue);
};
