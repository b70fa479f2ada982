// The accessible layer: one button per ball, in day order, named by what the
// ball does today; the line under the balls and the countdown as text; a live
// region that says what happens. The canvas draws the keyboard focus.
"use strict";

(function () {
    var ns = calendrier;

    // What the live region says when a day opens, for each kind of media, known
    // by the media that the day's written lines watch; a message is announced
    // by its own text.
    var NATURES = [
        { annonce: "annonceMessage", reconnaitre: function (media) { return media instanceof Carte; } },
        { annonce: "annonceImage", reconnaitre: function (media) { return media instanceof Photo; } },
        { annonce: "annonceMusique", reconnaitre: function (media) { return media instanceof HTMLAudioElement; } },
        { annonce: "annonceVideo", reconnaitre: function (media) { return media instanceof HTMLVideoElement; } }
    ];

    var boutonsJours = [];
    var regionAnnonces = null;
    var paragrapheCalendrier = null;
    var elementCompte = null;
    // Index of the ball whose button has the keyboard focus, or -1.
    var bouleFocalisee = -1;
    // The days opened on earlier visits, read once: a day opened during this
    // visit is marked from the next one.
    var souvenirsVisite = null;

    // The line under the balls when none may open ("" for none), and the
    // countdown to the next day in its place while the period runs.
    ns.ligneCalendrier = "";
    ns.ligneCompte = "";

    function creerCoucheAccessible() {
        var canvas = ns.oCanvas;
        canvas.setAttribute("role", "img");
        canvas.setAttribute("aria-label", ns.formaterTexte("scene", { n: ns.boules.length }));
        canvas.textContent = ns.textes.repli;
        // The buttons lie over their balls, for screen readers that explore
        // by touch; taps and clicks pass through them to the canvas.
        var couche = document.createElement("div");
        couche.className = "couche-jours";
        boutonsJours = ns.boules.map(function (boule, i) {
            var bouton = document.createElement("button");
            bouton.type = "button";
            bouton.className = "bouton-jour";
            bouton.addEventListener("click", function () {
                if (ns.projectionEnCours) {
                    return;
                }
                if (ns.peutOuvrir(boule)) {
                    ns.ouvrirBoule(i);
                } else {
                    ns.refuserBoule(i);
                }
            });
            bouton.addEventListener("focus", function () {
                bouleFocalisee = i;
                if (!ns.projectionEnCours) {
                    ns.signalerBoule(boule);
                }
            });
            bouton.addEventListener("blur", function () {
                bouleFocalisee = -1;
                if (!ns.projectionEnCours) {
                    boule.retablirCouleurs();
                }
            });
            couche.appendChild(bouton);
            return bouton;
        });
        paragrapheCalendrier = document.createElement("p");
        paragrapheCalendrier.className = "accessible";
        document.body.appendChild(paragrapheCalendrier);
        // A timer is not read out as it changes: found when looked for.
        elementCompte = document.createElement("div");
        elementCompte.className = "accessible";
        elementCompte.setAttribute("role", "timer");
        document.body.appendChild(elementCompte);
        regionAnnonces = document.createElement("div");
        regionAnnonces.className = "accessible";
        regionAnnonces.setAttribute("role", "status");
        regionAnnonces.setAttribute("aria-live", "polite");
        document.body.appendChild(couche);
        document.body.appendChild(regionAnnonces);
    }

    function ecrireDate(date) {
        return ns.formaterDate(date.annee, date.mois, date.jour);
    }

    // The name of a locked ball: when it opens next, or why it never does.
    function nomFerme(jour, ferme) {
        if (ferme.cle === "resteFerme") {
            return ns.formaterTexte(ferme.cle, { jour: jour, mois: ns.formaterDate(ferme.mois.annee, ferme.mois.mois), n: ferme.n });
        }
        return ns.formaterTexte(ferme.cle, { jour: jour, date: ecrireDate(ferme.date) });
    }

    // Named again, and the marks and the line under the balls redone, at every
    // return to the menu and every few seconds: the date may have changed.
    function nommerBoutons() {
        var etat = ns.etatDuJour();
        if (!souvenirsVisite) {
            souvenirsVisite = ns.lireSouvenirs();
        }
        ns.ligneCalendrier = !bypass && etat.ligne ? ns.formaterTexte(etat.ligne.cle, { date: ecrireDate(etat.ligne.date) }) : "";
        if (paragrapheCalendrier && paragrapheCalendrier.textContent !== ns.ligneCalendrier) {
            paragrapheCalendrier.textContent = ns.ligneCalendrier;
        }
        var compte = bypass ? null : etat.compte;
        ns.ligneCompte = compte ? ns.formaterTexte(compte.h > 0 ? "compteHeures" : "compteMinutes", compte) : "";
        if (elementCompte && elementCompte.textContent !== ns.ligneCompte) {
            elementCompte.textContent = ns.ligneCompte;
        }
        boutonsJours.forEach(function (bouton, i) {
            var numero = i + 1;
            var ouvrable = bypass || etat.jours[i].ouvrable;
            var ouverte = souvenirsVisite[numero] === etat.marque;
            ns.boules[i].marquer(ouverte);
            var jour = ns.formaterTexte(ouverte ? "dejaOuvert" : "jour", { n: numero });
            var nom = ouvrable ? jour : nomFerme(jour, etat.jours[i].ferme);
            if (bouton.textContent !== nom) {
                bouton.textContent = nom;
                bouton.setAttribute("aria-disabled", String(!ouvrable));
            }
        });
    }

    // Each day's button over its ball's place: the same centre, round, the
    // ball's size and at least a thumb's.
    function placerBoutons() {
        var vue = ns.vue;
        boutonsJours.forEach(function (bouton, i) {
            var boule = ns.boules[i];
            var cote = Math.max(2 * boule.taille * vue.echelle, ns.CIBLE_MIN);
            var style = bouton.style;
            style.left = (vue.decalageX + boule.xMenu * vue.echelle - cote / 2) + "px";
            style.top = (vue.decalageY + boule.yMenu * vue.echelle - cote / 2) + "px";
            style.width = cote + "px";
            style.height = cote + "px";
        });
    }

    // The keyboard focus, drawn around its ball: a dark ring and a white one,
    // seen on every ball colour and on the background.
    function dessinerAnneauFocus(ctx) {
        var boule = ns.boules[bouleFocalisee];
        if (!boule || ns.projectionEnCours || !boule.estVisible()) {
            return;
        }
        ctx.save();
        ctx.lineWidth = 4;
        ctx.strokeStyle = "#1b1b1b";
        ctx.beginPath();
        ctx.arc(boule.x, boule.y, boule.taille + 8, 0, 2 * Math.PI);
        ctx.stroke();
        ctx.lineWidth = 2;
        ctx.strokeStyle = "#ffffff";
        ctx.beginPath();
        ctx.arc(boule.x, boule.y, boule.taille + 5, 0, 2 * Math.PI);
        ctx.stroke();
        ctx.restore();
    }

    // What the live region says as day `numero` opens: the kind of its media,
    // or a message's own text.
    function natureDuJour(numero) {
        var media = ns.mediaASurveiller;
        if (ns.projectionEnCours && media) {
            for (var i = 0; i < NATURES.length; i++) {
                if (NATURES[i].reconnaitre(media)) {
                    return ns.formaterTexte(NATURES[i].annonce, { n: numero, texte: media.texte });
                }
            }
        }
        return ns.formaterTexte("annonceVide", { n: numero });
    }

    function annoncer(texte) {
        if (regionAnnonces) {
            regionAnnonces.textContent = texte;
        }
    }

    // A locked ball's button says when it opens.
    function nomBouton(indice) {
        return boutonsJours[indice].textContent;
    }

    ns.creerCoucheAccessible = creerCoucheAccessible;
    ns.nommerBoutons = nommerBoutons;
    ns.placerBoutons = placerBoutons;
    ns.dessinerAnneauFocus = dessinerAnneauFocus;
    ns.natureDuJour = natureDuJour;
    ns.annoncer = annoncer;
    ns.nomBouton = nomBouton;
}());
