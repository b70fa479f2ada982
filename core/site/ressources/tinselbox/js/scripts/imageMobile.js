// The movement every moving object of the scene shares (balls, photos, video
// screens, mobile and animated pictures inherit this prototype), and a fixed
// picture of the scene that rises from below the bottom edge into the centre.
"use strict";

(function () {
    function ImageMobile(nom) {
        this.nom = nom;
        this.image = calendrier.collectionImages.getImage(nom);
        var chargee = calendrier.CollectionImages.imageChargee(this.image);
        this.placerEntreeSortie(chargee ? this.image.naturalWidth : 0, chargee ? this.image.naturalHeight : 0);
    }

    // Distance to the target on both axes below which an object stops.
    ImageMobile.prototype.seuilArret = 0.01;

    // The scene's drawing size for the screen's orientation, whatever the size of
    // the canvas's backing store; and the window's top, left and right edges in
    // the scene's units (the scene stands on the bottom edge, centred across).
    ImageMobile.scene = { largeur: 0, hauteur: 0, haut: 0, gauche: 0, droite: 0 };

    // When the visitor's system asks for reduced motion, every object stands at
    // once where it is sent.
    ImageMobile.mouvementReduit = false;
    if (window.matchMedia) {
        (function () {
            var requete = window.matchMedia("(prefers-reduced-motion: reduce)");
            ImageMobile.mouvementReduit = requete.matches;
            if (requete.addEventListener) {
                requete.addEventListener("change", function () {
                    ImageMobile.mouvementReduit = requete.matches;
                });
            }
        }());
    }

    // One step along one axis: slow at the start, D/15 half way, easing into the
    // target. The 2 keeps the first step above zero.
    ImageMobile.avancerAxe = function (origine, position, cible) {
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
    };

    ImageMobile.prototype.deplacerVers = function (x, y) {
        this.xOrigine = this.x;
        this.yOrigine = this.y;
        this.xCible = x;
        this.yCible = y;
        this.enMouvement = true;
        if (ImageMobile.mouvementReduit) {
            this.x = x;
            this.y = y;
            this.enMouvement = false;
        }
    };

    ImageMobile.prototype.sortir = function () {
        this.deplacerVers(this.xSortie, this.ySortie);
    };

    ImageMobile.prototype.rentrer = function () {
        this.deplacerVers(this.xEntree, this.yEntree);
    };

    ImageMobile.prototype.avancer = function () {
        if (!this.enMouvement) {
            return;
        }
        this.x = ImageMobile.avancerAxe(this.xOrigine, this.x, this.xCible);
        this.y = ImageMobile.avancerAxe(this.yOrigine, this.y, this.yCible);
        if (Math.abs(this.xCible - this.x) <= this.seuilArret && Math.abs(this.yCible - this.y) <= this.seuilArret) {
            this.enMouvement = false;
        }
    };

    // Fits a w x h picture into the canvas keeping its ratio (a smaller one keeps
    // its size), then starts it just below the bottom edge, rising to the centre.
    ImageMobile.prototype.placerAuCentre = function (w, h) {
        var scene = ImageMobile.scene;
        var largeur = w;
        var hauteur = h;
        if (w > scene.largeur || h > scene.hauteur) {
            if (scene.largeur / w < scene.hauteur / h) {
                largeur = scene.largeur;
                hauteur = h * scene.largeur / w;
            } else {
                hauteur = scene.hauteur;
                largeur = w * scene.hauteur / h;
            }
        }
        this.largeur = largeur;
        this.hauteur = hauteur;
        this.placerEntreeSortie(largeur, hauteur);
    };

    // Entry just below the bottom edge, exit in the centre, for an object of the
    // given size; the object starts at the entry, rising to the exit.
    ImageMobile.prototype.placerEntreeSortie = function (largeur, hauteur) {
        var scene = ImageMobile.scene;
        this.xEntree = (scene.largeur - largeur) / 2;
        this.yEntree = scene.hauteur;
        this.xSortie = (scene.largeur - largeur) / 2;
        this.ySortie = (scene.hauteur - hauteur) / 2;
        this.x = this.xEntree;
        this.y = this.yEntree;
        this.deplacerVers(this.xSortie, this.ySortie);
    };

    // Sizes the object for the scene as it is now (after the screen turned).
    ImageMobile.prototype.ajusterAScene = function () {
        var chargee = calendrier.CollectionImages.imageChargee(this.image);
        this.placerEntreeSortie(chargee ? this.image.naturalWidth : 0, chargee ? this.image.naturalHeight : 0);
    };

    // Fits the object to a new scene and stands it where it was going: in the
    // centre, or out of sight below.
    ImageMobile.prototype.replacer = function () {
        var versSortie = this.xCible === this.xSortie && this.yCible === this.ySortie;
        this.ajusterAScene();
        this.x = versSortie ? this.xSortie : this.xEntree;
        this.y = versSortie ? this.ySortie : this.yEntree;
        this.deplacerVers(this.x, this.y);
        this.enMouvement = false;
    };

    ImageMobile.prototype.dessiner = function () {
        if (calendrier.CollectionImages.imageChargee(this.image)) {
            calendrier.oCtx.drawImage(this.image, this.x, this.y);
        }
    };

    // The page loads imageAnimee.js before this file.
    Object.setPrototypeOf(calendrier.ImageAnimee.prototype, ImageMobile.prototype);

    calendrier.ImageMobile = ImageMobile;
}());
