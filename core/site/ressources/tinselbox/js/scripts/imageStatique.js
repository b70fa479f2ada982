// A picture of the scene drawn at a fixed place and at its natural size.
"use strict";

(function () {
    function ImageStatique(nom) {
        this.nom = nom;
        this.image = calendrier.collectionImages.getImage(nom);
        this.x = 0;
        this.y = 0;
    }

    ImageStatique.prototype.setPosition = function (x, y) {
        this.x = x;
        this.y = y;
    };

    ImageStatique.prototype.dessiner = function () {
        if (calendrier.CollectionImages.imageChargee(this.image)) {
            calendrier.oCtx.drawImage(this.image, this.x, this.y);
        }
    };

    calendrier.ImageStatique = ImageStatique;
}());
