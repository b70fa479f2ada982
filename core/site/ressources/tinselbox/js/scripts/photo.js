// A day's picture (or the cassette cover), fitted to the canvas, rising from
// below the bottom edge into the centre once it has loaded.
"use strict";
/* exported Photo */

function Photo(nom) {
    this.nom = nom;
    this.image = calendrier.collectionPhotos.getImage(nom);
    this.chargementOk = false;
    // A picture that cannot load counts as ended, like a broken sound.
    this.chargementImpossible = !this.image;
    this.rappelsAffichage = [];
    this.largeur = 0;
    this.hauteur = 0;
    this.x = 0;
    this.y = 0;
    if (calendrier.CollectionImages.imageChargee(this.image)) {
        this.initialiser();
    } else if (this.image && this.image.complete && this.image.currentSrc) {
        this.chargementImpossible = true;
    } else if (this.image) {
        var moi = this;
        this.image.addEventListener("load", function () {
            moi.initialiser();
        });
        this.image.addEventListener("error", function () {
            moi.chargementImpossible = true;
        });
    }
}

Photo.prototype = Object.create(calendrier.ImageMobile.prototype);
Photo.prototype.constructor = Photo;

Photo.prototype.initialiser = function () {
    var rappels = this.rappelsAffichage;
    this.placerAuCentre(this.image.naturalWidth, this.image.naturalHeight);
    if (this.abandonnee) {
        // Sent back before it arrived: it stays out of sight.
        this.x = this.xEntree;
        this.y = this.yEntree;
        this.enMouvement = false;
    }
    this.chargementOk = true;
    this.rappelsAffichage = [];
    rappels.forEach(function (rappel) {
        rappel();
    });
};

// Runs rappel once the picture is shown (at once if it already is).
Photo.prototype.quandAffichee = function (rappel) {
    if (this.chargementOk) {
        rappel();
    } else {
        this.rappelsAffichage.push(rappel);
    }
};

Photo.prototype.ajusterAScene = function () {
    if (this.chargementOk) {
        this.placerAuCentre(this.image.naturalWidth, this.image.naturalHeight);
    }
};

Photo.prototype.rentrer = function () {
    if (!this.chargementOk) {
        this.abandonnee = true;
    }
    calendrier.ImageMobile.prototype.rentrer.call(this);
};

Photo.prototype.sortir = function () {
    this.abandonnee = false;
    calendrier.ImageMobile.prototype.sortir.call(this);
};

Photo.prototype.avancer = function () {
    if (this.chargementOk) {
        calendrier.ImageMobile.prototype.avancer.call(this);
    }
};

Photo.prototype.dessiner = function () {
    if (this.chargementOk) {
        calendrier.oCtx.drawImage(this.image, this.x, this.y, this.largeur, this.hauteur);
    }
};
