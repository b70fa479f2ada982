// Pictures shown when a day opens. Every entry loads with the page, so a
// day's picture is ready by the time its ball is opened.
"use strict";
/* exported CollectionPhotos */

function CollectionPhotos() {
    this.fichiers = new Map();
    this.images = new Map();
    this.fichiers.set("pochette", "./data/pochette.png");
    // <GESTION DE LA COLLECTION>
    var images = this.images;
    this.fichiers.forEach(function (adresse, nom) {
        var image = new Image();
        image.src = adresse;
        images.set(nom, image);
    });
}

CollectionPhotos.prototype.getImage = function (nom) {
    return this.images.get(nom);
};
