// The calendar page: globals, set-up, frame loop, input and scene control.
// The site generator writes lines under the two marker comments of this file.

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
var bypass = false;
// <INITIALISATION>

// ---- Movement shared by every moving object (balls, photos, screens, pictures).

function demarrerDeplacement(objet, x, y) {
    objet.xOrigine = objet.x;
    objet.yOrigine = objet.y;
    objet.xCible = x;
    objet.yCible = y;
    objet.enMouvement = true;
}

// One step along one axis: slow at the start, D/15 half way, easing into the
// target. The 2 keeps the first step above zero.
function avancerAxe(origine, position, cible) {
    var D = Math.abs(cible - origine);
    var d = Math.abs(cible - position);
    if (d <= 0.001) {
        return position;
    }
    if (D < d) {
        // Placed beyond its origin since the move began: restart the law from here.
        D = d;
    }
    var k = (D / 15) / ((D / 2) * (D / 2) - (D + 2) * (D / 2));
    var v = k * d * d - k * (D + 2) * d;
    return position < cible ? position + v : position - v;
}

// arretAuVoisinage: stop once both axes are within 0.01 of the target
// (a video screen keeps moving until it is exactly there).
function avancerObjet(objet, arretAuVoisinage) {
    if (!objet.enMouvement) {
        return;
    }
    objet.x = avancerAxe(objet.xOrigine, objet.x, objet.xCible);
    objet.y = avancerAxe(objet.yOrigine, objet.y, objet.yCible);
    var dx = Math.abs(objet.xCible - objet.x);
    var dy = Math.abs(objet.yCible - objet.y);
    if (arretAuVoisinage ? (dx <= 0.01 && dy <= 0.01) : (dx <= 0.001 && dy <= 0.001)) {
        objet.enMouvement = false;
    }
}

// Fits a w x h picture into the canvas keeping its ratio (a smaller one keeps
// its size), then starts it just below the bottom edge, rising to the centre.
function placerAuCentre(objet, w, h) {
    var largeur = w;
    var hauteur = h;
    if (w > oCanvas.width || h > oCanvas.height) {
        if (oCanvas.width / w < oCanvas.height / h) {
            largeur = oCanvas.width;
            hauteur = h * oCanvas.width / w;
        } else {
            hauteur = oCanvas.height;
            largeur = w * oCanvas.height / h;
        }
    }
    objet.largeur = largeur;
    objet.hauteur = hauteur;
    placerEntreeSortie(objet, largeur, hauteur);
}

// Entry just below the bottom edge, exit in the centre, for an object of the given
// size; the object starts at the entry, rising to the exit.
function placerEntreeSortie(objet, largeur, hauteur) {
    objet.xEntree = (oCanvas.width - largeur) / 2;
    objet.yEntree = oCanvas.height;
    objet.xSortie = (oCanvas.width - largeur) / 2;
    objet.ySortie = (oCanvas.height - hauteur) / 2;
    objet.x = objet.xEntree;
    objet.y = objet.yEntree;
    objet.deplacerVers(objet.xSortie, objet.ySortie);
}

function imageChargee(image) {
    return !!image && image.complete && image.naturalWidth > 0;
}

// A media the browser refuses to play, or cannot decode (media.error), counts
// as ended, so the balls still come back. An interrupted start is no refusal.
function lancerLecture(media) {
    var promesse = media.play();
    if (promesse && promesse.catch) {
        promesse.catch(function (erreur) {
            if (erreur && erreur.name === "NotAllowedError") {
                media.lectureImpossible = true;
            }
        });
    }
}

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

function detecterArret(media) {
    mediaASurveiller = media;
}

setInterval(mettreAJour, 1000 / 24);
