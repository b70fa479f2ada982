// A day's written message: a card that rises from below the bottom edge into
// the centre, like a picture, with the text wrapped to it.
"use strict";
/* exported Carte */

function Carte(texte) {
    this.texte = texte;
    this.ajusterAScene();
}

Carte.prototype = Object.create(calendrier.ImageMobile.prototype);
Carte.prototype.constructor = Carte;

// The text laid out for the scene's size.
Carte.prototype.ajusterAScene = function () {
    var mise = Carte.mettreEnPage(this.texte);
    this.lignes = mise.lignes;
    this.police = mise.taille + "px " + Carte.FAMILLE;
    this.interligne = Math.round(mise.taille * Carte.INTERLIGNE);
    this.largeur = Math.max(Carte.LARGEUR_MIN, Math.ceil(mise.largeur) + 2 * Carte.MARGE);
    this.hauteur = this.lignes.length * this.interligne + 2 * Carte.MARGE;
    this.placerEntreeSortie(this.largeur, this.hauteur);
};

Carte.FAMILLE = "Georgia, \"DejaVu Serif\", serif";
// Text sizes tried, largest first, in scene units: the smallest stays readable
// on a canvas shown at its own size.
Carte.TAILLE_MAX = 52;
Carte.TAILLE_MIN = 22;
Carte.INTERLIGNE = 1.3;
Carte.MARGE = 48;
Carte.LARGEUR_MIN = 560;
// Room left around the card in the scene.
Carte.BORD_SCENE = 40;
Carte.FOND = "#fffaf0";
Carte.CADRE = "#cb4127";
Carte.FILET = "#e8dfb4";
Carte.OMBRE = "rgba(27, 27, 27, 0.25)";
Carte.ENCRE = "#2b2320";

// Lines of the text at the largest size whose lines fit the card's room; at
// the smallest size the lines that do not fit are dropped and the last one
// ends with an ellipsis.
Carte.mettreEnPage = function (texte) {
    var scene = calendrier.ImageMobile.scene;
    var largeurUtile = Math.min(1300, scene.largeur - 2 * Carte.BORD_SCENE) - 2 * Carte.MARGE;
    var hauteurUtile = scene.hauteur - 2 * Carte.BORD_SCENE - 2 * Carte.MARGE;
    var paragraphes = String(texte).replace(/\r\n|[\r\u2028\u2029]/g, "\n").replace(/\t/g, " ").split("\n");
    var taille = Carte.TAILLE_MAX;
    var lignes;
    for (;;) {
        calendrier.oCtx.font = taille + "px " + Carte.FAMILLE;
        lignes = Carte.couper(paragraphes, largeurUtile);
        var place = Math.floor(hauteurUtile / Math.round(taille * Carte.INTERLIGNE));
        if (lignes.length <= place) {
            break;
        }
        if (taille <= Carte.TAILLE_MIN) {
            lignes = lignes.slice(0, place);
            lignes[place - 1] = Carte.tronquer(lignes[place - 1], largeurUtile);
            break;
        }
        taille -= 2;
    }
    var largeur = lignes.reduce(function (plusLarge, ligne) {
        return Math.max(plusLarge, calendrier.oCtx.measureText(ligne).width);
    }, 0);
    return { lignes: lignes, taille: taille, largeur: largeur };
};

// Wraps each paragraph at spaces to the width, in the context's current font;
// a word wider than the width is cut between characters (never inside a
// surrogate pair).
Carte.couper = function (paragraphes, largeur) {
    var lignes = [];
    var mesurer = function (morceau) {
        return calendrier.oCtx.measureText(morceau).width;
    };
    paragraphes.forEach(function (paragraphe) {
        var ligne = "";
        paragraphe.split(" ").forEach(function (mot) {
            var essai = ligne ? ligne + " " + mot : mot;
            if (mesurer(essai) <= largeur) {
                ligne = essai;
                return;
            }
            if (ligne) {
                lignes.push(ligne);
            }
            ligne = "";
            Array.from(mot).forEach(function (caractere) {
                if (ligne && mesurer(ligne + caractere) > largeur) {
                    lignes.push(ligne);
                    ligne = "";
                }
                ligne += caractere;
            });
        });
        lignes.push(ligne);
    });
    return lignes;
};

Carte.tronquer = function (ligne, largeur) {
    var caracteres = Array.from(ligne);
    while (caracteres.length && calendrier.oCtx.measureText(caracteres.join("") + "\u2026").width > largeur) {
        caracteres.pop();
    }
    return caracteres.join("") + "\u2026";
};

Carte.prototype.dessiner = function () {
    if (this.y >= calendrier.ImageMobile.scene.hauteur) {
        return;
    }
    var x = this.x;
    var y = this.y;
    calendrier.oCtx.save();
    calendrier.oCtx.fillStyle = Carte.OMBRE;
    Carte.rectangleArrondi(x + 6, y + 8, this.largeur, this.hauteur, 22);
    calendrier.oCtx.fill();
    calendrier.oCtx.fillStyle = Carte.FOND;
    Carte.rectangleArrondi(x, y, this.largeur, this.hauteur, 22);
    calendrier.oCtx.fill();
    calendrier.oCtx.lineWidth = 6;
    calendrier.oCtx.strokeStyle = Carte.CADRE;
    calendrier.oCtx.stroke();
    calendrier.oCtx.lineWidth = 2;
    calendrier.oCtx.strokeStyle = Carte.FILET;
    Carte.rectangleArrondi(x + 14, y + 14, this.largeur - 28, this.hauteur - 28, 12);
    calendrier.oCtx.stroke();
    calendrier.oCtx.font = this.police;
    calendrier.oCtx.fillStyle = Carte.ENCRE;
    calendrier.oCtx.textAlign = "center";
    calendrier.oCtx.textBaseline = "middle";
    var haut = y + Carte.MARGE + this.interligne / 2;
    for (var i = 0; i < this.lignes.length; i++) {
        calendrier.oCtx.fillText(this.lignes[i], x + this.largeur / 2, haut + i * this.interligne);
    }
    calendrier.oCtx.restore();
};

Carte.rectangleArrondi = function (x, y, largeur, hauteur, rayon) {
    calendrier.oCtx.beginPath();
    calendrier.oCtx.moveTo(x + rayon, y);
    calendrier.oCtx.arcTo(x + largeur, y, x + largeur, y + hauteur, rayon);
    calendrier.oCtx.arcTo(x + largeur, y + hauteur, x, y + hauteur, rayon);
    calendrier.oCtx.arcTo(x, y + hauteur, x, y, rayon);
    calendrier.oCtx.arcTo(x, y, x + largeur, y, rayon);
    calendrier.oCtx.closePath();
};
