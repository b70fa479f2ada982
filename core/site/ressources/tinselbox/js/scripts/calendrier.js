// The calendar page: globals, set-up, frame loop, input and scene control.
// The site generator writes lines under the two marker comments of this file.
// Only the globals below belong to the page; its functions stay in the closure
// after them, where the written day lines of gererScene also find
// declencherTimer and detecterArret.
"use strict";
/* exported oCanvas, oCtx, imagesStatiques, imagesAnimees, imagesMobiles, videos, boules, mouseX, mouseY,
   mediaASurveiller, collectionImages, collectionPhotos, collectionSons, collectionVideos, projectionEnCours,
   souris, timer, numeroJour, photo, pochette, son, ecran, video, carte, rattrapage, mois, fuseau, debut, jours,
   ordre, bypass */

var oCanvas = null;
var oCtx = null;
var imagesStatiques = [];
var imagesAnimees = [];
var imagesMobiles = [];
var videos = [];
var boules = [];
var mouseX = 0;
var mouseY = 0;
var mediaASurveiller = null;
var collectionImages = null;
var collectionPhotos = null;
var collectionSons = null;
var collectionVideos = null;
var projectionEnCours = false;
var souris = null;
var timer = null;
var numeroJour = null;
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
var bypass = false;
// <INITIALISATION>

(function () {
    // Menu place and radius of the balls of days 1 to 31, in day order.
    var MENU_BOULES = [
        [1018, 230, 50], [446, 506, 69], [1326, 586, 80], [860, 274, 64], [110, 156, 55],
        [1364, 268, 70], [734, 398, 71], [1268, 394, 72], [144, 618, 65], [200, 270, 60],
        [1226, 139, 90], [770, 566, 55], [600, 80, 60], [686, 228, 70], [236, 446, 68],
        [818, 120, 71], [954, 422, 70], [1048, 94, 57], [354, 122, 80], [368, 336, 56],
        [316, 570, 54], [1124, 308, 62], [930, 585, 80], [550, 370, 81], [58, 360, 55],
        [1485, 454, 50], [588, 624, 63], [1450, 95, 60], [1166, 510, 50], [1082, 630, 60],
        [478, 214, 53]
    ];

    var scene = ImageMobile.scene;

    // What the live region says when a day opens, for each kind of media, known
    // by the media that the day's written lines watch; a message is announced
    // by its own text.
    var NATURES = [
        { annonce: "annonceMessage", reconnaitre: function (media) { return media instanceof Carte; } },
        { annonce: "annonceImage", reconnaitre: function (media) { return media instanceof Photo; } },
        { annonce: "annonceMusique", reconnaitre: function (media) { return media instanceof HTMLAudioElement; } },
        { annonce: "annonceVideo", reconnaitre: function (media) { return media instanceof HTMLVideoElement; } }
    ];

    // Days the visitor has opened, kept in the browser under a key of this
    // page's own address, so two calendars on one site keep their own.
    var CLE_SOUVENIRS = "tinselbox.joursOuverts:" + window.location.pathname;

    // The line under the balls when none may open this month ("" for none).
    var ligneCalendrier = "";
    var paragrapheCalendrier = null;
    // The days opened on earlier visits, read once: a day opened during this
    // visit is marked from the next one.
    var souvenirsVisite = null;

    // The accessible layer: one button per ball, in day order, and the live region.
    var boutonsJours = [];
    var regionAnnonces = null;
    // Index of the ball whose button has the keyboard focus, or -1.
    var bouleFocalisee = -1;

    // A media that cannot load (a picture), cannot be decoded (media.error) or
    // that the browser refuses to play counts as ended, so the balls still come back.
    function mediaTermine(media) {
        return media.ended === true || !!media.error || media.lectureImpossible === true
            || media.chargementImpossible === true;
    }

    // ---- Set-up.

    function initialiser() {
        collectionImages = new CollectionImages();
        collectionPhotos = new CollectionPhotos();
        collectionSons = new CollectionSons();
        collectionVideos = new CollectionVideos();
        for (var i = 0; i < MENU_BOULES.length; i++) {
            boules.push(new Boule(MENU_BOULES[i][0], -100, MENU_BOULES[i][2], String(i + 1)));
        }
        var foret = new ImageStatique("foret");
        foret.setPosition(0, 648);
        imagesStatiques.push(foret);
        creerCoucheAccessible();
        afficherMenu();
    }

    function redimensionnerCanvas() {
        var largeur = window.innerWidth;
        var hauteur = window.innerHeight;
        if (largeur / scene.largeur < hauteur / scene.hauteur) {
            oCanvas.style.width = largeur + "px";
            oCanvas.style.height = (largeur * scene.hauteur / scene.largeur) + "px";
        } else {
            oCanvas.style.height = hauteur + "px";
            oCanvas.style.width = (hauteur * scene.largeur / scene.hauteur) + "px";
        }
        ajusterDensite();
    }

    // On a dense screen the backing store gets one pixel per screen pixel; the
    // drawing coordinates stay the scene's. A zoom changes the ratio and
    // fires a resize, which comes back here.
    function ajusterDensite() {
        var densite = window.devicePixelRatio > 1 ? window.devicePixelRatio : 1;
        var largeur = Math.round(scene.largeur * densite);
        var hauteur = Math.round(scene.hauteur * densite);
        if (oCanvas.width !== largeur || oCanvas.height !== hauteur) {
            oCanvas.width = largeur;
            oCanvas.height = hauteur;
        }
        oCtx.setTransform(largeur / scene.largeur, 0, 0, hauteur / scene.hauteur, 0, 0);
    }

    window.addEventListener("load", function () {
        oCanvas = document.getElementById("tableau");
        scene.largeur = oCanvas.width;
        scene.hauteur = oCanvas.height;
        oCanvas.style.width = scene.largeur + "px";
        oCanvas.style.height = scene.hauteur + "px";
        oCtx = oCanvas.getContext("2d");
        souris = new Souris();
        document.addEventListener("keydown", appuyerTouche);
        window.addEventListener("resize", redimensionnerCanvas);
        oCanvas.addEventListener("mousedown", enfoncerSouris);
        oCanvas.addEventListener("mouseup", relacherSouris);
        oCanvas.addEventListener("mousemove", deplacerSouris);
        oCanvas.addEventListener("touchstart", toucher, true);
        oCanvas.addEventListener("touchmove", toucher, true);
        oCanvas.addEventListener("touchend", toucher, true);
        oCanvas.addEventListener("touchcancel", annulerToucher, true);
        redimensionnerCanvas();
        initialiser();
    });

    // ---- Frame loop.

    function mettreAJour() {
        if (collectionImages && collectionPhotos && collectionSons && collectionVideos) {
            boules.forEach(function (boule) {
                boule.avancer();
            });
            imagesMobiles.forEach(function (image) {
                image.avancer();
            });
            imagesAnimees.forEach(function (image) {
                image.avancer();
            });
            videos.forEach(function (ecran) {
                if (ecran.chargementOk) {
                    ecran.avancer();
                }
            });
        }
        dessiner();
        surveillerRetourAuMenu();
    }

    function dessiner() {
        if (!oCtx) {
            return;
        }
        oCtx.clearRect(0, 0, scene.largeur, scene.hauteur);
        oCtx.fillStyle = "#a3d7d2";
        oCtx.fillRect(0, 0, scene.largeur, scene.hauteur);
        imagesStatiques.forEach(function (image) {
            image.dessiner();
        });
        imagesAnimees.forEach(function (image) {
            image.animer();
            image.dessiner();
        });
        videos.forEach(function (ecran) {
            ecran.dessiner();
        });
        imagesMobiles.forEach(function (image) {
            image.dessiner();
        });
        boules.forEach(function (boule) {
            boule.dessinerFil();
        });
        boules.forEach(function (boule) {
            boule.dessiner();
        });
        dessinerAnneauFocus();
        if (ligneCalendrier && !projectionEnCours) {
            oCtx.font = "bold 30pt Arial";
            oCtx.fillStyle = "#1b1b1b";
            oCtx.textAlign = "center";
            oCtx.textBaseline = "bottom";
            oCtx.fillText(ligneCalendrier, scene.largeur / 2, scene.hauteur - 12);
        }
        if (bypass) {
            oCtx.font = "40pt Arial";
            oCtx.fillStyle = "#cb4127";
            oCtx.textAlign = "center";
            oCtx.textBaseline = "bottom";
            oCtx.fillText(textes.apercu, scene.largeur / 2, scene.hauteur);
        }
    }

    // The keyboard focus, drawn around its ball: a dark ring and a white one,
    // seen on every ball colour and on the background.
    function dessinerAnneauFocus() {
        var boule = boules[bouleFocalisee];
        if (!boule || projectionEnCours || !boule.estVisible()) {
            return;
        }
        oCtx.save();
        oCtx.lineWidth = 4;
        oCtx.strokeStyle = "#1b1b1b";
        oCtx.beginPath();
        oCtx.arc(boule.x, boule.y, boule.taille + 8, 0, 2 * Math.PI);
        oCtx.stroke();
        oCtx.lineWidth = 2;
        oCtx.strokeStyle = "#ffffff";
        oCtx.beginPath();
        oCtx.arc(boule.x, boule.y, boule.taille + 5, 0, 2 * Math.PI);
        oCtx.stroke();
        oCtx.restore();
    }

    function surveillerRetourAuMenu() {
        if (mediaASurveiller && mediaTermine(mediaASurveiller)) {
            mediaASurveiller = null;
            afficherMenu();
        }
    }

    // ---- Input.

    function convertirPosition(evenement) {
        var cadre = oCanvas.getBoundingClientRect();
        var gauche = cadre.left + window.pageXOffset;
        var haut = cadre.top + window.pageYOffset;
        mouseX = (evenement.clientX - gauche + window.pageXOffset) * scene.largeur / cadre.width;
        mouseY = (evenement.clientY - haut + window.pageYOffset) * scene.hauteur / cadre.height;
        souris.setPosition(mouseX, mouseY);
    }

    // ---- The calendar's date and rules.

    var formatFuseau = null;
    var fuseauInconnu = false;

    // Today as { annee, mois, jour }: the date in the calendar's zone when it
    // has one the browser knows, else by the visitor's clock.
    function aujourdhui() {
        var maintenant = new Date();
        if (fuseau && !fuseauInconnu) {
            try {
                if (!formatFuseau) {
                    formatFuseau = new Intl.DateTimeFormat("en-US-u-ca-gregory-nu-latn",
                        { timeZone: fuseau, year: "numeric", month: "numeric", day: "numeric" });
                }
                var parties = {};
                formatFuseau.formatToParts(maintenant).forEach(function (partie) {
                    parties[partie.type] = parseInt(partie.value, 10);
                });
                if (parties.year > 0 && parties.month > 0 && parties.day > 0) {
                    return { annee: parties.year, mois: parties.month, jour: parties.day };
                }
            } catch (erreur) {
                fuseauInconnu = true;
            }
        }
        return { annee: maintenant.getFullYear(), mois: maintenant.getMonth() + 1, jour: maintenant.getDate() };
    }

    function joursDuMois(annee, numeroMois) {
        return new Date(annee, numeroMois, 0).getDate();
    }

    // Whether ball `numero` opens on `date` by the calendar's options: today's
    // ball (and the earlier ones when past days stay open), in the chosen month
    // if there is one; after that month, every ball when past days stay open.
    function ouvrableLe(numero, date) {
        if (mois === 0 || date.mois === mois) {
            return numero === date.jour || (rattrapage && numero <= date.jour);
        }
        return rattrapage && date.mois > mois;
    }

    function estOuvrable(boule) {
        return ouvrableLe(boule.getNumero(), aujourdhui());
    }

    function peutOuvrir(boule) {
        return bypass || estOuvrable(boule);
    }

    // The name of a locked ball: when it opens next, by the calendar's options.
    function nomFerme(jour, numero, date) {
        if (mois === 0) {
            // The next month, this one included, that has this day.
            var annee = date.annee;
            var m = date.mois;
            while ((numero < date.jour && m === date.mois && annee === date.annee) || numero > joursDuMois(annee, m)) {
                m = m === 12 ? 1 : m + 1;
                annee += m === 1 ? 1 : 0;
            }
            return formaterTexte("ouvreLe", { jour: jour, date: formaterDate(annee, m, numero) });
        }
        var longueur = joursDuMois(date.annee, mois);
        if (numero <= longueur) {
            return formaterTexte("ouvreLe", { jour: jour, date: formaterDate(date.annee, mois, numero) });
        }
        if (rattrapage && mois < 12) {
            return formaterTexte("ouvreLe", { jour: jour, date: formaterDate(date.annee, mois + 1, 1) });
        }
        return formaterTexte("resteFerme", { jour: jour, mois: formaterDate(date.annee, mois), n: longueur });
    }

    function texteLigneCalendrier(date) {
        if (bypass || mois === 0 || date.mois === mois || (rattrapage && date.mois > mois)) {
            return "";
        }
        return formaterTexte(date.mois < mois ? "ouvertureLe" : "reouvertureLe", { date: formaterDate(date.annee, mois, 1) });
    }

    // ---- Remembered days. Storage may be refused or hold anything: then
    // nothing is remembered.

    // A mark counts for the calendar's current run: the year when it has a
    // month of its own, else the month.
    function periode(date) {
        return mois === 0 ? date.annee + "-" + date.mois : String(date.annee);
    }

    function lireSouvenirs() {
        try {
            var souvenirs = JSON.parse(window.localStorage.getItem(CLE_SOUVENIRS) || "{}");
            return souvenirs && typeof souvenirs === "object" && !Array.isArray(souvenirs) ? souvenirs : {};
        } catch (erreur) {
            return {};
        }
    }

    function retenirJour(numero) {
        var souvenirs = lireSouvenirs();
        souvenirs[numero] = periode(aujourdhui());
        try {
            window.localStorage.setItem(CLE_SOUVENIRS, JSON.stringify(souvenirs));
        } catch (erreur) {
            // Full or refused: the day simply goes unmarked.
        }
    }

    // Hovered (or focused): a ball that opens lightens, another darkens and shows its key.
    function signalerBoule(boule) {
        if (estOuvrable(boule)) {
            boule.eclaircir();
        } else {
            boule.assombrir();
        }
    }

    function premiereBouleTouchee(x, y, accepter) {
        for (var i = 0; i < boules.length; i++) {
            if (boules[i].estTouchee(x, y) && accepter(boules[i])) {
                return i;
            }
        }
        return -1;
    }

    function deplacerSouris(evenement) {
        convertirPosition(evenement);
        if (projectionEnCours) {
            return;
        }
        var touchee = premiereBouleTouchee(mouseX, mouseY, function () {
            return true;
        });
        boules.forEach(function (boule, i) {
            if (i !== touchee) {
                boule.retablirCouleurs();
            } else {
                signalerBoule(boule);
            }
        });
    }

    function enfoncerSouris(evenement) {
        convertirPosition(evenement);
        souris.enfoncer();
        if (projectionEnCours) {
            // A message is read at the visitor's pace: a click puts it away.
            if (mediaASurveiller instanceof Carte) {
                interrompreJour();
            }
            return;
        }
        var choisie = premiereBouleTouchee(mouseX, mouseY, peutOuvrir);
        if (choisie >= 0) {
            ouvrirBoule(choisie);
        }
    }

    // The chosen ball goes to the top-left corner, the others out of sight above,
    // and the day's scene starts.
    function ouvrirBoule(choisie) {
        boules.forEach(function (boule, i) {
            if (i === choisie) {
                boule.deplacerVers(boule.taille + 10, boule.taille + 10);
            } else {
                boule.deplacerVers(boule.x, -100);
            }
        });
        if (!bypass) {
            retenirJour(choisie + 1);
        }
        gererScene(choisie);
        boules[choisie].retablirCouleurs();
        annoncer(natureDuJour(choisie + 1));
    }

    function relacherSouris(evenement) {
        convertirPosition(evenement);
        souris.relacher();
    }

    // A touch becomes the matching mouse event at the first changed touch.
    function toucher(evenement) {
        var types = { touchstart: "mousedown", touchmove: "mousemove", touchend: "mouseup" };
        var contact = evenement.changedTouches[0];
        evenement.preventDefault();
        if (!contact) {
            return;
        }
        var imitation = new MouseEvent(types[evenement.type], {
            bubbles: true,
            cancelable: true,
            view: window,
            screenX: contact.screenX,
            screenY: contact.screenY,
            clientX: contact.clientX,
            clientY: contact.clientY
        });
        contact.target.dispatchEvent(imitation);
    }

    function annulerToucher() {
    }

    // Escape while a day is shown brings the balls back.
    function appuyerTouche(evenement) {
        if (evenement.key === "Escape" && projectionEnCours) {
            interrompreJour();
        }
    }

    // ---- Accessible layer.

    function creerCoucheAccessible() {
        oCanvas.setAttribute("role", "img");
        oCanvas.setAttribute("aria-label", formaterTexte("scene", { n: boules.length }));
        oCanvas.textContent = textes.repli;
        var couche = document.createElement("div");
        couche.className = "accessible";
        boutonsJours = boules.map(function (boule, i) {
            var bouton = document.createElement("button");
            bouton.type = "button";
            bouton.addEventListener("click", function () {
                if (!projectionEnCours && peutOuvrir(boule)) {
                    ouvrirBoule(i);
                }
            });
            bouton.addEventListener("focus", function () {
                bouleFocalisee = i;
                if (!projectionEnCours) {
                    signalerBoule(boule);
                }
            });
            bouton.addEventListener("blur", function () {
                bouleFocalisee = -1;
                if (!projectionEnCours) {
                    boule.retablirCouleurs();
                }
            });
            couche.appendChild(bouton);
            return bouton;
        });
        paragrapheCalendrier = document.createElement("p");
        paragrapheCalendrier.className = "accessible";
        document.body.appendChild(paragrapheCalendrier);
        regionAnnonces = document.createElement("div");
        regionAnnonces.className = "accessible";
        regionAnnonces.setAttribute("role", "status");
        regionAnnonces.setAttribute("aria-live", "polite");
        document.body.appendChild(couche);
        document.body.appendChild(regionAnnonces);
    }

    // Named again, and the marks and the line under the balls redone, at every
    // return to the menu and every minute: the date may have changed.
    function nommerBoutons() {
        var date = aujourdhui();
        if (!souvenirsVisite) {
            souvenirsVisite = lireSouvenirs();
        }
        var enCours = periode(date);
        ligneCalendrier = texteLigneCalendrier(date);
        if (paragrapheCalendrier && paragrapheCalendrier.textContent !== ligneCalendrier) {
            paragrapheCalendrier.textContent = ligneCalendrier;
        }
        boutonsJours.forEach(function (bouton, i) {
            var numero = i + 1;
            var ouvrable = bypass || ouvrableLe(numero, date);
            var ouverte = souvenirsVisite[numero] === enCours;
            boules[i].marquer(ouverte);
            var jour = formaterTexte(ouverte ? "dejaOuvert" : "jour", { n: numero });
            var nom = ouvrable ? jour : nomFerme(jour, numero, date);
            if (bouton.textContent !== nom) {
                bouton.textContent = nom;
                bouton.setAttribute("aria-disabled", String(!ouvrable));
            }
        });
    }

    // What the live region says as day `numero` opens: the kind of its media,
    // or a message's own text.
    function natureDuJour(numero) {
        if (projectionEnCours && mediaASurveiller) {
            for (var i = 0; i < NATURES.length; i++) {
                if (NATURES[i].reconnaitre(mediaASurveiller)) {
                    return formaterTexte(NATURES[i].annonce, { n: numero, texte: mediaASurveiller.texte });
                }
            }
        }
        return formaterTexte("annonceVide", { n: numero });
    }

    function annoncer(texte) {
        if (regionAnnonces) {
            regionAnnonces.textContent = texte;
        }
    }

    // ---- Scene control.

    function gererScene(numeroBoule) {
        projectionEnCours = true;
        numeroJour = numeroBoule + 1;
        switch (numeroJour) {
            // <GESTION DE LA SCENE>
            default:
                // A day without media: nothing to show, back to the balls at once.
                afficherMenu();
        }
    }

    function afficherMenu() {
        projectionEnCours = false;
        nommerBoutons();
        boules.forEach(function (boule, i) {
            boule.deplacerVers(MENU_BOULES[i][0], MENU_BOULES[i][1]);
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
        mediaASurveiller = media;
        // A picture's time counts from the moment it is shown, however slowly it loads.
        var demarrer = function () {
            if (mediaASurveiller === media) {
                timer = setInterval(arreterMedia, duree);
            }
        };
        if (media.quandAffichee) {
            media.quandAffichee(demarrer);
        } else {
            demarrer();
        }
    }

    function arreterMedia() {
        if (mediaASurveiller) {
            mediaASurveiller.rentrer();
            afficherMenu();
            mediaASurveiller = null;
        }
        clearInterval(timer);
    }

    // eslint-disable-next-line no-unused-vars -- called by the written day lines
    function detecterArret(media) {
        mediaASurveiller = media;
    }

    function interrompreJour() {
        var media = mediaASurveiller;
        mediaASurveiller = null;
        clearInterval(timer);
        if (media && typeof media.pause === "function") {
            media.pause();
        }
        afficherMenu();
    }

    setInterval(mettreAJour, 1000 / 24);
    setInterval(function () {
        if (!projectionEnCours) {
            nommerBoutons();
        }
    }, 60000);
}());
