// The calendar page: the globals that the written lines use, set-up and scene
// control. The site generator writes lines under the two marker comments of
// this file. The other scripts share their state and functions on the object
// `calendrier` (disposition.js makes it); the functions below stay in the
// closure after the globals, where the written day lines of gererScene also
// find declencherTimer and detecterArret.
"use strict";
/* exported imagesMobiles, videos, collectionSons, collectionVideos, photo, pochette, son, ecran, video, carte,
   rattrapage, mois, fuseau, debut, jours, ordre, theme, fond, titre, bypass */

var imagesMobiles = [];
var videos = [];
var collectionSons = null;
var collectionVideos = null;
// Assigned by the written day lines.
var photo = null;
var pochette = null;
var son = null;
var ecran = null;
var video = null;
var carte = null;
// The calendar's options, written under the marker when not at their default:
// past days stay open; the only month (1 to 12) in which balls open, 0 for
// any; the time zone (IANA name) whose date counts, "" for the visitor's clock;
// the first day, "YYYY-MM-DD" once or "MM-DD" every year, "" for the days of
// the month; the number of days; the day drawn at each place, [] for 1, 2, 3...
var rattrapage = false;
var mois = 0;
var fuseau = "";
var debut = "";
var jours = 31;
var ordre = [];
// The page's look: the theme's colours (null for the fir trees), whether the site
// holds the family's background picture, whether the calendar's name is shown.
var theme = null;
var fond = false;
var titre = false;
var bypass = false;
// <INITIALISATION>

(function () {
    var ns = calendrier;

    ns.oCanvas = null;
    ns.oCtx = null;
    ns.imagesStatiques = [];
    ns.imagesAnimees = [];
    ns.boules = [];
    ns.mouseX = 0;
    ns.mouseY = 0;
    ns.souris = null;
    // The media whose end brings the balls back, null when none.
    ns.mediaASurveiller = null;
    ns.collectionImages = null;
    ns.collectionPhotos = null;
    // A day's media is being shown, and which day.
    ns.projectionEnCours = false;
    ns.numeroJour = null;
    var timer = null;

    // A media that cannot load (a picture), cannot be decoded (media.error) or
    // that the browser refuses to play counts as ended, so the balls still come back.
    function mediaTermine(media) {
        return media.ended === true || !!media.error || media.lectureImpossible === true
            || media.chargementImpossible === true;
    }

    // ---- Set-up.

    function initialiser() {
        ns.collectionImages = new ns.CollectionImages();
        ns.collectionPhotos = new ns.CollectionPhotos();
        collectionSons = new ns.CollectionSons();
        collectionVideos = new ns.CollectionVideos();
        jours = ns.periode.nombreJours(jours);
        for (var i = 0; i < jours; i++) {
            ns.boules.push(new ns.Boule(0, -1000, ns.Disposition.RAYON_DESSIN_MIN, String(i + 1)));
        }
        ns.imagesStatiques.push(new ns.ImageStatique("foret"));
        ns.creerCoucheAccessible();
        ns.disposer();
        ns.placerBoutons();
        ns.boules.forEach(function (boule) {
            boule.x = boule.xMenu;
            boule.y = ns.horsDeVue(boule);
        });
        afficherMenu();
        creerLienRappels();
        ouvrirJourDuLien();
        window.addEventListener("hashchange", ouvrirJourDuLien);
    }

    // The reminders a visitor imports once into a phone's calendar.
    function creerLienRappels() {
        var lien = document.createElement("a");
        lien.className = "lien-rappels";
        lien.href = "rappels.ics";
        lien.textContent = ns.textes.rappel;
        document.body.appendChild(lien);
    }

    // A shared day's link (#jour=5, or #k=...&jour=5): the day opens at once when it
    // may; a locked one says when it opens.
    function ouvrirJourDuLien() {
        var trouve = /(?:^#|&)jour=(\d+)(?:&|$)/.exec(window.location.hash);
        var indice = trouve ? parseInt(trouve[1], 10) - 1 : -1;
        if (indice < 0 || indice >= ns.boules.length || ns.projectionEnCours) {
            return;
        }
        if (peutOuvrir(ns.boules[indice])) {
            ouvrirBoule(indice);
        } else {
            refuserBoule(indice);
            ns.ligneCalendrier = ns.nomBouton(indice);
        }
    }

    window.addEventListener("load", function () {
        ns.oCanvas = document.getElementById("tableau");
        ns.oCtx = ns.oCanvas.getContext("2d");
        ns.souris = new ns.Souris();
        ns.ecouterSaisie();
        window.addEventListener("resize", ns.redimensionnerCanvas);
        ns.redimensionnerCanvas();
        initialiser();
    });

    // ---- The calendar's dates.

    // What the calendar's options make of this moment.
    function etatDuJour() {
        return ns.periode.etat({ rattrapage: rattrapage, mois: mois, fuseau: fuseau, debut: debut, jours: jours }, Date.now());
    }

    function estOuvrable(boule) {
        var jour = etatDuJour().jours[boule.getNumero() - 1];
        return !!jour && jour.ouvrable;
    }

    function peutOuvrir(boule) {
        return bypass || estOuvrable(boule);
    }

    // Hovered (or focused): a ball that opens lightens, another darkens and shows its key.
    function signalerBoule(boule) {
        if (estOuvrable(boule)) {
            boule.eclaircir();
        } else {
            boule.assombrir();
        }
    }

    // ---- Scene control.

    // A locked ball shows its key and says when it opens.
    function refuserBoule(indice) {
        ns.boules[indice].assombrir();
        ns.annoncer(ns.nomBouton(indice));
    }

    // The chosen ball goes to the top-left corner, the others out of sight above,
    // and the day's scene starts.
    function ouvrirBoule(choisie) {
        var scene = ns.ImageMobile.scene;
        ns.boules.forEach(function (boule, i) {
            if (i === choisie) {
                boule.deplacerVers(scene.gauche + boule.taille + 10, scene.haut + boule.taille + 10);
            } else {
                boule.deplacerVers(boule.x, ns.horsDeVue(boule));
            }
        });
        if (!bypass) {
            ns.retenirJour(choisie + 1, etatDuJour().marque);
        }
        gererScene(choisie);
        ns.boules[choisie].retablirCouleurs();
        ns.annoncer(ns.natureDuJour(choisie + 1));
    }

    function gererScene(numeroBoule) {
        ns.projectionEnCours = true;
        var numeroJour = ns.numeroJour = numeroBoule + 1;
        switch (numeroJour) {
            // <GESTION DE LA SCENE>
            default:
                // A day without media: nothing to show, back to the balls at once.
                afficherMenu();
        }
    }

    function afficherMenu() {
        ns.projectionEnCours = false;
        ns.nommerBoutons();
        ns.boules.forEach(function (boule) {
            boule.deplacerVers(boule.xMenu, boule.yMenu);
        });
        imagesMobiles.forEach(function (image) {
            image.rentrer();
        });
        videos.forEach(function (ecran) {
            ecran.rentrer();
        });
    }

    // eslint-disable-next-line no-unused-vars -- called by the written day lines
    function declencherTimer(media, duree) {
        ns.mediaASurveiller = media;
        // A picture's time counts from the moment it is shown, however slowly it loads.
        var demarrer = function () {
            if (ns.mediaASurveiller === media) {
                timer = setTimeout(arreterMedia, duree);
            }
        };
        if (media.quandAffichee) {
            media.quandAffichee(demarrer);
        } else {
            demarrer();
        }
    }

    function arreterMedia() {
        timer = null;
        if (ns.mediaASurveiller) {
            ns.mediaASurveiller.rentrer();
            afficherMenu();
            ns.mediaASurveiller = null;
        }
    }

    // eslint-disable-next-line no-unused-vars -- called by the written day lines
    function detecterArret(media) {
        ns.mediaASurveiller = media;
    }

    // After each drawn step: a watched media that has ended brings the balls back.
    function surveillerRetourAuMenu() {
        if (ns.mediaASurveiller && mediaTermine(ns.mediaASurveiller)) {
            ns.mediaASurveiller = null;
            afficherMenu();
        }
    }

    function interrompreJour() {
        var media = ns.mediaASurveiller;
        ns.mediaASurveiller = null;
        clearTimeout(timer);
        timer = null;
        if (media && typeof media.pause === "function") {
            media.pause();
        }
        afficherMenu();
    }

    // The date may change, and the countdown with it.
    (function surveillerDate() {
        setTimeout(function () {
            if (!ns.projectionEnCours) {
                ns.nommerBoutons();
            }
            surveillerDate();
        }, 10000);
    }());

    ns.etatDuJour = etatDuJour;
    ns.peutOuvrir = peutOuvrir;
    ns.signalerBoule = signalerBoule;
    ns.refuserBoule = refuserBoule;
    ns.ouvrirBoule = ouvrirBoule;
    ns.interrompreJour = interrompreJour;
    ns.surveillerRetourAuMenu = surveillerRetourAuMenu;
}());
