// The scene's fixed pictures, all loaded with the page.
"use strict";

(function () {
    function CollectionImages() {
        this.fichiers = new Map();
        this.images = new Map();
        this.fichiers.set("foret", "./data/foret.png");
        this.fichiers.set("clef", "./data/clef.png");
        var images = this.images;
        this.fichiers.forEach(function (adresse, nom) {
            var image = new Image();
            image.src = adresse;
            images.set(nom, image);
        });
    }

    // A picture can be drawn once it has loaded with a size; a broken one never can.
    CollectionImages.imageChargee = function (image) {
        return !!image && image.complete && image.naturalWidth > 0;
    };

    CollectionImages.prototype.getImage = function (nom) {
        return this.images.get(nom);
    };

    calendrier.CollectionImages = CollectionImages;
}());
