// A day's picture (or the cassette cover), fitted to the canvas, rising from
// below the bottom edge into the centre.
"use strict";
/* exported Photo */

function Photo(nom) {
    this.nom = nom;
    this.image = collectionPhotos.getImage(nom);
    this.chargementOk = false;
    this.largeur = 0;
    this.hauteur = 0;
    this.x = 0;
    this.y = 0;
    if (CollectionImages.imageChargee(this.image)) {
        this.initialiser();
    } else if (this.image) {
        // The collection started loading it with the page; it is not there yet.
        var moi = this;
        this.image.addEventListener("load", function () {
            moi.initialiser();
        });
    }
}

Photo.prototype = Object.create(ImageMobile.prototype);
Photo.prototype.constructor = Photo;

Photo.prototype.initialiser = function () {
    this.placerAuCentre(this.image.naturalWidth, this.image.naturalHeight);
    this.chargementOk = true;
};

Photo.prototype.avancer = function () {
    if (this.chargementOk) {
        ImageMobile.prototype.avancer.call(this);
    }
};

Photo.prototype.dessiner = function () {
    if (this.chargementOk) {
        oCtx.drawImage(this.image, this.x, this.y, this.largeur, this.hauteur);
    }
};
