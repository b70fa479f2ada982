// The page's layout. Where the balls hang: a wide screen gets the wide scene,
// a tall one (a phone held upright) a tall scene with the same trees and balls;
// each gives the places (centre and radius) of a calendar of 1 to 31 balls. And
// how the scene lies on the screen: the canvas fills the window, the scene is
// scaled to fit it.
// The page's scripts load this file first: it makes the one object they share.
"use strict";
/* exported calendrier */

// The page's shared object: each script hangs on it what the others use.
var calendrier = {};

(function () {
    var Disposition = {
        // Scene sizes in drawing units; the trees stand on the bottom edge. A
        // landscape screen of another shape stretches the wide scene to its own,
        // from square to 32:9, so that the balls and the day's picture spread over
        // the whole screen rather than a band of it.
        PAYSAGE: { largeur: 1560, hauteur: 768 },
        RAPPORT_PAYSAGE_MAX: 32 / 9,
        // 768 units across a 360 px phone keep a ball of radius 48 above 44 px;
        // the height follows the screen's, up to 2.4:1.
        PORTRAIT: { largeur: 768, hauteur: 1366 },
        RAPPORT_PORTRAIT_MAX: 2.4,
        HAUTEUR_FORET: 120,

        // The wide scene of 31 balls, the calendar's own drawing: centre and
        // radius of places 1 to 31.
        MENU_31: [
            [1018, 230, 50], [446, 506, 69], [1326, 586, 80], [860, 274, 64], [110, 156, 55],
            [1364, 268, 70], [734, 398, 71], [1268, 394, 72], [144, 618, 65], [200, 270, 60],
            [1226, 139, 90], [770, 566, 55], [600, 80, 60], [686, 228, 70], [236, 446, 68],
            [818, 120, 71], [954, 422, 70], [1048, 94, 57], [354, 122, 80], [368, 336, 56],
            [316, 570, 54], [1124, 308, 62], [930, 585, 80], [550, 370, 81], [58, 360, 55],
            [1485, 454, 50], [588, 624, 63], [1450, 95, 60], [1166, 510, 50], [1082, 630, 60],
            [478, 214, 53]
        ],

        // Radii of the laid-out balls: the drawing's smallest and largest, and
        // the smallest that stays a thumb's size on a 360 px phone upright.
        RAYON_DESSIN_MIN: 50,
        RAYON_DESSIN_MAX: 90,
        RAYON_MIN: 48,
        RAYON_MAX: 130,
        // Room kept between a ball and the edge of its cell, and above the top row.
        MARGE: 8,
        HAUT: 12,

        // The scene for a screen of largeur x hauteur CSS pixels.
        scene: function (largeur, hauteur) {
            var base = Disposition.PAYSAGE;
            var rapport;
            if (hauteur <= largeur) {
                rapport = Math.min(Disposition.RAPPORT_PAYSAGE_MAX, largeur / hauteur);
                return rapport < base.largeur / base.hauteur
                    ? { largeur: base.largeur, hauteur: Math.round(base.largeur / rapport) }
                    : { largeur: Math.round(base.hauteur * rapport), hauteur: base.hauteur };
            }
            base = Disposition.PORTRAIT;
            rapport = Math.min(Disposition.RAPPORT_PORTRAIT_MAX, hauteur / largeur);
            return { largeur: base.largeur, hauteur: Math.round(base.largeur * rapport) };
        },

        // Places of `nombre` balls: the drawing itself for 31 balls on a wide
        // screen, stretched to its shape, otherwise rows spread over the space
        // above the trees.
        places: function (nombre, scene) {
            var base = Disposition.PAYSAGE;
            if (scene.largeur >= scene.hauteur && nombre === Disposition.MENU_31.length) {
                return Disposition.MENU_31.map(function (place) {
                    return [Math.round(place[0] * scene.largeur / base.largeur),
                        Math.round(place[1] * scene.hauteur / base.hauteur), place[2]];
                });
            }
            return Disposition.enRangees(nombre, scene);
        },

        // The largest radius that fits cells of a grid of `colonnes` columns; the
        // attachment stands an eighth of the radius above the ball.
        rayonPour: function (nombre, colonnes, scene) {
            var rangees = Math.ceil(nombre / colonnes);
            var largeurCellule = scene.largeur / Math.ceil(nombre / rangees);
            var hauteurCellule = (scene.hauteur - Disposition.HAUTEUR_FORET / 2 - Disposition.HAUT) / rangees;
            return Math.min(Disposition.RAYON_MAX, largeurCellule / 2 - Disposition.MARGE,
                (hauteurCellule - Disposition.MARGE) / 2.125);
        },

        // Rows as even as they can be (the longer ones first), in a grid that
        // gives about the biggest balls, each row spread over the whole width; each ball
        // keeps the size rank it has in the drawing, and moves within its cell by
        // a fixed wobble, so no two cells, and no two balls' squares, overlap.
        enRangees: function (nombre, scene) {
            var rayons = [0];
            var meilleur = 0;
            for (var essai = 1; essai <= nombre; essai++) {
                rayons.push(Disposition.rayonPour(nombre, essai, scene));
                meilleur = Math.max(meilleur, rayons[essai]);
            }
            // Of grids giving balls of nearly the biggest size, the widest fills
            // the width best.
            var colonnes = 1;
            for (essai = 1; essai <= nombre; essai++) {
                colonnes = rayons[essai] >= 0.92 * meilleur ? essai : colonnes;
            }
            var rangees = Math.ceil(nombre / colonnes);
            var hauteurCellule = (scene.hauteur - Disposition.HAUTEUR_FORET / 2 - Disposition.HAUT) / rangees;
            var rayonMax = Disposition.rayonPour(nombre, colonnes, scene);
            var rayonMin = Math.min(rayonMax, Math.max(Disposition.RAYON_MIN, 0.6 * rayonMax));
            var places = [];
            var place = 0;
            for (var r = 0; r < rangees; r++) {
                var dansRangee = Math.floor(nombre / rangees) + (r < nombre % rangees ? 1 : 0);
                var largeur = scene.largeur / dansRangee;
                for (var c = 0; c < dansRangee; c++, place++) {
                    var base = Disposition.MENU_31[place % Disposition.MENU_31.length][2];
                    var part = (base - Disposition.RAYON_DESSIN_MIN) / (Disposition.RAYON_DESSIN_MAX - Disposition.RAYON_DESSIN_MIN);
                    var rayon = Math.round(rayonMin + part * (rayonMax - rayonMin));
                    // A few big cells would let a ball wander off: the wobble stays small.
                    var jeuX = Math.min(0.2 * largeur, rayon / 2, Math.max(0, largeur / 2 - rayon - Disposition.MARGE));
                    var jeuY = Math.min(0.2 * hauteurCellule, rayon / 2,
                        Math.max(0, (hauteurCellule - 2.125 * rayon - Disposition.MARGE) / 2));
                    var x = largeur * (c + 0.5) + jeuX * Disposition.oscillation(2 * place);
                    var y = Disposition.HAUT + hauteurCellule * (r + 0.5) + rayon / 16
                        + jeuY * Disposition.oscillation(2 * place + 1);
                    places.push([Math.round(x), Math.round(y), rayon]);
                }
            }
            return places;
        },

        // A fixed number in [-1, 1] for each index, the same on every machine.
        oscillation: function (indice) {
            var valeur = Math.sin(indice * 12.9898 + 78.233) * 43758.5453;
            return 2 * (valeur - Math.floor(valeur)) - 1;
        }
    };

    var ns = calendrier;

    // The scene's sizes and edges, which the moving objects share (imageMobile.js).
    function scene() {
        return ns.ImageMobile.scene;
    }

    // How the scene lies on the screen: scaled to fit (echelle), centred across
    // and standing on the bottom edge (decalageX, decalageY in CSS pixels); the
    // background, the trees and the strings reach the window's edges.
    var vue = { largeur: 0, hauteur: 0, echelle: 1, decalageX: 0, decalageY: 0, densite: 1 };
    // Smallest touch target, CSS pixels.
    var CIBLE_MIN = 44;
    // Backing store pixels kept per frame at most: past it the density drops,
    // so a 4K or dense screen still draws in time.
    var PIXELS_MAX = 8.5e6;

    // The day at each place: the written order when it deals each day once,
    // else 1, 2, 3...
    function joursParPlace(nombre) {
        var vus = {};
        var valide = Array.isArray(ordre) && ordre.length === nombre && ordre.every(function (jour) {
            var bon = jour === Math.floor(jour) && jour >= 1 && jour <= nombre && !vus[jour];
            vus[jour] = true;
            return bon;
        });
        var jours = [];
        for (var i = 0; i < nombre; i++) {
            jours.push(valide ? ordre[i] : i + 1);
        }
        return jours;
    }

    // Gives each ball its place (and size) for the screen's orientation.
    function disposer() {
        var boules = ns.boules;
        var places = Disposition.places(boules.length, Disposition.scene(vue.largeur, vue.hauteur));
        joursParPlace(boules.length).forEach(function (jour, place) {
            var boule = boules[jour - 1];
            boule.xMenu = places[place][0];
            boule.yMenu = places[place][1];
            boule.taille = places[place][2];
        });
        ns.imagesStatiques[0].setPosition(0, scene().hauteur - Disposition.HAUTEUR_FORET);
    }

    // Above the window's top edge, attachment and all.
    function horsDeVue(boule) {
        return scene().haut - 100 - Math.max(0, boule.taille - 90);
    }

    // Fits the canvas to the window, and lays the scene out again when its
    // size changes: the screen turned, or a tall one changed its height.
    function redimensionnerCanvas() {
        var largeur = Math.max(1, document.documentElement.clientWidth || window.innerWidth);
        var hauteur = Math.max(1, document.documentElement.clientHeight || window.innerHeight);
        var taille = Disposition.scene(largeur, hauteur);
        var s = scene();
        var tourne = s.largeur !== taille.largeur || s.hauteur !== taille.hauteur;
        vue.largeur = largeur;
        vue.hauteur = hauteur;
        s.largeur = taille.largeur;
        s.hauteur = taille.hauteur;
        vue.echelle = Math.min(largeur / s.largeur, hauteur / s.hauteur);
        vue.decalageX = (largeur - s.largeur * vue.echelle) / 2;
        vue.decalageY = hauteur - s.hauteur * vue.echelle;
        s.haut = -vue.decalageY / vue.echelle;
        s.gauche = -vue.decalageX / vue.echelle;
        s.droite = (largeur - vue.decalageX) / vue.echelle;
        ns.oCanvas.style.width = largeur + "px";
        ns.oCanvas.style.height = hauteur + "px";
        ajusterDensite();
        if (tourne && ns.boules.length) {
            disposer();
            replacerScene();
        }
        ns.placerBoutons();
    }

    // After a turn: the balls glide to their new places (or stay out of sight
    // while a day is shown) and the day's picture, video or card fits the new
    // scene where it stands.
    function replacerScene() {
        var s = scene();
        ns.boules.forEach(function (boule, i) {
            if (!ns.projectionEnCours) {
                boule.deplacerVers(boule.xMenu, boule.yMenu);
            } else if (i !== ns.numeroJour - 1) {
                boule.x = boule.xMenu;
                boule.y = horsDeVue(boule);
                boule.deplacerVers(boule.x, boule.y);
            } else {
                boule.x = boule.xCible = s.gauche + boule.taille + 10;
                boule.y = boule.yCible = s.haut + boule.taille + 10;
            }
        });
        imagesMobiles.concat(videos).forEach(function (objet) {
            objet.replacer();
        });
    }

    // On a dense screen the backing store gets one pixel per screen pixel, up
    // to a budget; the drawing coordinates stay the scene's. A zoom changes
    // the ratio and fires a resize, which comes back here.
    function ajusterDensite() {
        var densite = window.devicePixelRatio > 1 ? window.devicePixelRatio : 1;
        densite = Math.min(densite, Math.sqrt(PIXELS_MAX / (vue.largeur * vue.hauteur)));
        var largeur = Math.round(vue.largeur * densite);
        var hauteur = Math.round(vue.hauteur * densite);
        var canvas = ns.oCanvas;
        if (canvas.width !== largeur || canvas.height !== hauteur) {
            canvas.width = largeur;
            canvas.height = hauteur;
        }
        vue.densite = largeur / vue.largeur;
    }

    // Drawing units of the scene from here on.
    function transformerVersScene(contexte) {
        var d = vue.densite;
        contexte.setTransform(d * vue.echelle, 0, 0, d * vue.echelle, d * vue.decalageX, d * vue.decalageY);
    }

    ns.Disposition = Disposition;
    ns.vue = vue;
    ns.CIBLE_MIN = CIBLE_MIN;
    ns.disposer = disposer;
    ns.horsDeVue = horsDeVue;
    ns.redimensionnerCanvas = redimensionnerCanvas;
    ns.transformerVersScene = transformerVersScene;
}());
