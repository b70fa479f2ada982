#include "modele/calendrier.h"

#include "format/format.h"
#include "modele/media.h"

#include <QDate>
#include <QRegularExpression>
#include <QUrl>

Calendrier::Calendrier() = default;

Calendrier::Calendrier(QString nomCalendrier) : nom(std::move(nomCalendrier)) {}

Calendrier::~Calendrier()
{
    qDeleteAll(contenu);
}

QString Calendrier::getNom() const
{
    return nom;
}

void Calendrier::setNom(QString const &nouveauNom)
{
    nom = nouveauNom;
}

bool Calendrier::getRattrapage() const
{
    return rattrapage;
}

void Calendrier::setRattrapage(bool nouveauRattrapage)
{
    rattrapage = nouveauRattrapage;
}

int Calendrier::getMois() const
{
    return mois;
}

void Calendrier::setMois(int nouveauMois)
{
    mois = nouveauMois >= 1 && nouveauMois <= 12 ? nouveauMois : 0;
}

QString Calendrier::getFuseau() const
{
    return fuseau;
}

void Calendrier::setFuseau(QString const &nouveauFuseau)
{
    fuseau = nouveauFuseau;
}

QString Calendrier::getDebut() const
{
    return debut;
}

void Calendrier::setDebut(QString const &nouveauDebut)
{
    debut = debutValide(nouveauDebut) ? nouveauDebut : QString();
}

bool Calendrier::debutValide(QString const &texte)
{
    if (texte.isEmpty())
        return true;
    if (texte.size() == 10)
        return QDate::fromString(texte, QStringLiteral("yyyy-MM-dd")).isValid()
            && texte.at(4) == QLatin1Char('-');
    // Every year: 29 February is a day of the leap years, so checked against one.
    return texte.size() == 5
        && QDate::fromString(QStringLiteral("2024-") + texte, QStringLiteral("yyyy-MM-dd")).isValid();
}

int Calendrier::getJours() const
{
    return jours;
}

void Calendrier::setJours(int nouveauxJours)
{
    jours = nouveauxJours >= Format::PREMIER_JOUR && nouveauxJours <= Format::DERNIER_JOUR
        ? nouveauxJours
        : Format::DERNIER_JOUR;
}

bool Calendrier::getMelange() const
{
    return melange;
}

void Calendrier::setMelange(bool nouveauMelange)
{
    melange = nouveauMelange;
}

QString Calendrier::getLangue() const
{
    return langue;
}

void Calendrier::setLangue(QString const &nouvelleLangue)
{
    static const QRegularExpression code(QStringLiteral("^[a-z]{2}$"));
    langue = code.match(nouvelleLangue).hasMatch() ? nouvelleLangue : QString();
}

QString Calendrier::getAdresse() const
{
    return adresse;
}

void Calendrier::setAdresse(QString const &nouvelleAdresse)
{
    adresse = adresseValide(nouvelleAdresse) ? nouvelleAdresse : QString();
}

bool Calendrier::adresseValide(QString const &texte)
{
    if (texte.isEmpty())
        return true;
    const QUrl url(texte, QUrl::StrictMode);
    return url.isValid() && (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"))
        && !url.host().isEmpty() && !texte.contains(QRegularExpression(QStringLiteral("\\s")));
}

bool Calendrier::getOriginaux() const
{
    return originaux;
}

void Calendrier::setOriginaux(bool nouveauxOriginaux)
{
    originaux = nouveauxOriginaux;
}

bool Calendrier::getPrive() const
{
    return prive;
}

void Calendrier::setPrive(bool nouveauPrive)
{
    prive = nouveauPrive;
}

QString Calendrier::getCle() const
{
    return cle;
}

void Calendrier::setCle(QString const &nouvelleCle)
{
    cle = nouvelleCle;
}

bool Calendrier::optionsParDefaut() const
{
    return !rattrapage && mois == 0 && fuseau.isEmpty() && debut.isEmpty() && jours == Format::DERNIER_JOUR
        && !melange && langue.isEmpty() && adresse.isEmpty() && !originaux && !prive && cle.isEmpty();
}

void Calendrier::copierOptions(Calendrier const &autre)
{
    rattrapage = autre.rattrapage;
    mois = autre.mois;
    fuseau = autre.fuseau;
    debut = autre.debut;
    jours = autre.jours;
    melange = autre.melange;
    langue = autre.langue;
    adresse = autre.adresse;
    originaux = autre.originaux;
    prive = autre.prive;
    cle = autre.cle;
}

QList<int> Calendrier::joursHorsLongueur() const
{
    QList<int> horsLongueur;
    for (auto it = contenu.constBegin(); it != contenu.constEnd(); ++it) {
        if (it.key() < Format::PREMIER_JOUR || it.key() > jours)
            horsLongueur << it.key();
    }
    return horsLongueur;
}

bool Calendrier::memesOptions(Calendrier const &autre) const
{
    return rattrapage == autre.rattrapage && mois == autre.mois && fuseau == autre.fuseau
        && debut == autre.debut && jours == autre.jours && melange == autre.melange && langue == autre.langue
        && adresse == autre.adresse && originaux == autre.originaux && prive == autre.prive
        && cle == autre.cle;
}

int Calendrier::ajouterMedia(int jour, Media *media)
{
    if (media == nullptr)
        return contenu.contains(jour) ? 0 : 1;

    auto it = contenu.find(jour);
    if (it != contenu.end()) {
        if (it.value() != media) {
            delete it.value();
            it.value() = media;
        }
    } else {
        contenu.insert(jour, media);
    }
    return 0;
}

int Calendrier::supprimerMedia(int jour)
{
    return contenu.remove(jour) > 0 ? 0 : 3;
}

Media *Calendrier::getMedia(int jour) const
{
    return contenu.value(jour, nullptr);
}

QMap<int, Media *> &Calendrier::getContenu()
{
    return contenu;
}

QMap<int, Media *> const &Calendrier::getContenuConstant() const
{
    return contenu;
}

void Calendrier::setContenu(QMap<int, Media *> const &nouveauContenu)
{
    contenu = nouveauContenu;
}
