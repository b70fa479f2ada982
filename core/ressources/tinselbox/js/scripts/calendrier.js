// The calendar page: globals, set-up, frame loop, input and scene control.
// The site generator writes lines under the two marker comments of this file.
// Only the globals below belong to the page; its functions stay in the closure
// after them, where the written day lines of gererScene also find
// declencherTimer and detecterArret.
"use strict";
/* exported oCanvas, oCtx, imagesStatiques, imagesAnimees, imagesMobiles, videos, boules, mouseX, mouseY,
   mediaASurveiller, collectionImages, collectionPhotos, collectionSons, collectionVideos, projectionEnCours,
   souris, timer, numeroJour, photo, pochette, son, ecran, video, bypass */

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

    // A media the browser cannot decode (media.error) or refuses to play counts
    // as ended, so the balls still come back.
    function mediaTermine(media) {
        return media.ended === true || !!media.error || media.lectureImpossible === true;
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
        afficherMenu();
    }

    function redimensionnerCanvas() {
        var largeur = window.innerWidth;
        var hauteur = window.innerHeight;
        if (largeur / oCanvas.width < hauteur / oCanvas.height) {
            oCanvas.style.width = largeur + "px";
            oCanvas.style.height = (largeur * oCanvas.height / oCanvas.width) + "px";
        } else {
            oCanvas.style.height = hauteur + "px";
            oCanvas.style.width = (hauteur * oCanvas.width / oCanvas.height) + "px";
        }
    }

    window.addEventListener("load", function () {
        oCanvas = document.getElementById("tableau");
        oCanvas.style.width = oCanvas.width + "px";
        oCanvas.style.height = oCanvas.height + "px";
        oCtx = oCanvas.getContext("2d");
        souris = new Souris();
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
        oCtx.clearRect(0, 0, oCanvas.width, oCanvas.height);
        oCtx.fillStyle = "#a3d7d2";
        oCtx.fillRect(0, 0, oCanvas.width, oCanvas.height);
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
        if (bypass) {
            oCtx.font = "40pt Arial";
            oCtx.fillStyle = "#cb4127";
            oCtx.textAlign = "center";
            oCtx.textBaseline = "bottom";
            oCtx.fillText("This is a preview: you can click on all days to test it.", oCanvas.width / 2, oCanvas.height);
        }
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
        mouseX = (evenement.clientX - gauche + window.pageXOffset) * oCanvas.width / cadre.width;
        mouseY = (evenement.clientY - haut + window.pageYOffset) * oCanvas.height / cadre.height;
        souris.setPosition(mouseX, mouseY);
    }

    function estAujourdhui(boule) {
        return boule.getNumero() === new Date().getDate();
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
            } else if (estAujourdhui(boule)) {
                boule.eclaircir();
            } else {
                boule.assombrir();
            }
        });
    }

    function enfoncerSouris(evenement) {
        convertirPosition(evenement);
        souris.enfoncer();
        if (projectionEnCours) {
            return;
        }
        var choisie = premiereBouleTouchee(mouseX, mouseY, function (boule) {
            return bypass || estAujourdhui(boule);
        });
        if (choisie < 0) {
            return;
        }
        boules.forEach(function (boule, i) {
            if (i === choisie) {
                boule.deplacerVers(boule.taille + 10, boule.taille + 10);
            } else {
                boule.deplacerVers(boule.x, -100);
            }
        });
        gererScene(choisie);
        boules[choisie].retablirCouleurs();
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
        timer = setInterval(arreterMedia, duree);
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

    setInterval(mettreAJour, 1000 / 24);
}());
