// A picture sequence played frame by frame, moving between an entry and an
// exit position like the other mobile objects (its prototype joins theirs in
// imageMobile.js, which the page loads after this file).
"use strict";

(function () {
    function ImageAnimee(noms, xEntree, yEntree, xSortie, ySortie) {
        this.noms = noms;
        this.images = noms.map(function (nom) {
            return calendrier.collectionImages.getImage(nom);
        });
        this.indice = 0;
        this.sens = 1;
        this.actif = false;
        this.raccordable = false;
        this.xEntree = xEntree;
        this.yEntree = yEntree;
        this.xSortie = xSortie;
        this.ySortie = ySortie;
        this.x = xEntree;
        this.y = yEntree;
        this.deplacerVers(xSortie, ySortie);
    }

    // Back and forth between the first and the last frame instead of stopping on the last.
    ImageAnimee.prototype.setRaccordable = function () {
        this.raccordable = true;
    };

    ImageAnimee.prototype.etapeSuivante = function () {
        var dernier = this.images.length - 1;
        if (dernier <= 0) {
            return;
        }
        if (this.raccordable) {
            if (this.indice + this.sens > dernier || this.indice + this.sens < 0) {
                this.sens = -this.sens;
            }
            this.indice += this.sens;
        } else {
            this.indice = (this.indice + 1) % this.images.length;
            if (this.indice === dernier) {
                this.actif = false;
            }
        }
    };

    ImageAnimee.prototype.animer = function () {
        if (this.actif) {
            this.etapeSuivante();
        }
    };

    ImageAnimee.prototype.avancerPasAPas = function () {
        if (!this.actif) {
            this.etapeSuivante();
        }
    };

    ImageAnimee.prototype.arreter = function () {
        this.actif = false;
    };

    ImageAnimee.prototype.jouer = function () {
        this.actif = true;
    };

    ImageAnimee.prototype.estActif = function () {
        return this.actif;
    };

    ImageAnimee.prototype.getNomImageCourante = function () {
        return this.noms[this.indice];
    };

    ImageAnimee.prototype.dessiner = function () {
        var image = this.images[this.indice];
        if (calendrier.CollectionImages.imageChargee(image)) {
            calendrier.oCtx.drawImage(image, this.x, this.y);
        }
    };

    calendrier.ImageAnimee = ImageAnimee;
}());
