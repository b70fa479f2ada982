#include "fenetres/tuilesjours.h"

#include "bureau/formatdates.h"
#include "conversion/fabriquevignettes.h"
#include "fenetres/boutonjour.h"
#include "generation/serviceconversions.h"
#include "modele/calendrier.h"
#include "modele/datesjours.h"
#include "modele/genremedia.h"
#include "modele/media.h"

TuilesJours::TuilesJours(QObject *parent, QVector<QPointer<BoutonJour>> tuilesFenetre)
    : QObject(parent), tuiles(std::move(tuilesFenetre)), fabrique(new FabriqueVignettes(this))
{
    connect(fabrique, &FabriqueVignettes::prete, this, [this](const QString &chemin) {
        for (auto it = fichiers.constBegin(); it != fichiers.constEnd(); ++it) {
            if (it.value() == chemin)
                afficherVignette(it.key(), chemin, it.key()->getType());
        }
    });
}

TuilesJours::~TuilesJours() = default;

FabriqueVignettes &TuilesJours::getFabrique() const
{
    return *fabrique;
}

QString TuilesJours::description(int jour, QString const &date, QString const &contenu)
{
    QString texte = tr("Day %1").arg(jour);
    if (!date.isEmpty())
        texte += QStringLiteral(", ") + date;
    return texte + QStringLiteral(": ") + (contenu.isEmpty() ? tr("empty") : contenu);
}

void TuilesJours::afficherVignette(BoutonJour *tuile, QString const &chemin, int type)
{
    const Vignette vignette = fabrique->vignette(chemin, Media::TypeMedia(type));
    tuile->setVignette(vignette.image);
    tuile->setDuree(vignette.dureeMs);
}

void TuilesJours::remplir(Calendrier const *calendrier, QMap<int, QString> const &introuvables)
{
    fichiers.clear();
    QDate premier;
    int jourAujourdhui = 0;
    if (calendrier != nullptr) {
        const QDate aujourdhui = DatesJours::aujourdhui(*calendrier);
        premier = DatesJours::premierJour(
            calendrier->getOptions().debut, calendrier->getOptions().jours, aujourdhui);
        jourAujourdhui = DatesJours::jourDu(*calendrier, aujourdhui);
    }
    for (BoutonJour *tuile : qAsConst(tuiles)) {
        if (tuile == nullptr)
            continue;
        const int jour = tuile->getNumeroJour();
        // Every tile is reset first so that a day missing from this calendar shows empty.
        tuile->init();
        const QDate date = premier.isValid() ? premier.addDays(jour - 1) : QDate();
        tuile->setDate(date.isValid() ? FormatDates::court(date) : QString());
        tuile->setAujourdhui(calendrier != nullptr && jour == jourAujourdhui);
        const Media *media = calendrier != nullptr ? calendrier->getMedia(jour) : nullptr;
        QString contenu;
        QString details;
        if (media != nullptr) {
            tuile->setType(media->getType());
            const QString texte = GenreMedia::texteTuile(*media);
            if (!texte.isEmpty())
                tuile->setNomMedia(texte);
            tuile->setIntrouvable(introuvables.contains(jour));
            const GenreMedia *genre = GenreMedia::pour(media->getType());
            contenu = (genre != nullptr && genre->avecFichier ? media->getUrl().section(QLatin1Char('/'), -1)
                                                              : texte)
                + (genre != nullptr ? QStringLiteral(" (%1)").arg(genre->libelleTraduit().toLower())
                                    : QString());
            if (tuile->estIntrouvable())
                contenu += QStringLiteral(", ") + tr("file missing");
            if (genre != nullptr && genre->avecFichier) {
                details = media->getUrl();
                if (!tuile->estIntrouvable()) {
                    fichiers.insert(tuile, media->getUrl());
                    afficherVignette(tuile, media->getUrl(), media->getType());
                }
            }
            const QString avertissement =
                ServiceConversions::avertissement(media->getUrl(), media->getType());
            if (!avertissement.isEmpty())
                details += QLatin1Char('\n') + avertissement;
        }
        const QString resume =
            description(jour, date.isValid() ? FormatDates::long_(date) : QString(), contenu);
        tuile->setAccessibleName(resume);
        tuile->setToolTip(details.isEmpty() ? resume : resume + QLatin1Char('\n') + details.trimmed());
    }
}
