// Pictures shown when a day opens. Each loads when its day asks for it, the
// cassette cover with the first sound: a visitor fetches what the days opened
// show, and the page opens light.
"use strict";

(function () {
    function CollectionPhotos() {
        this.fichiers = new Map();
        this.images = new Map();
        this.fichiers.set("pochette", "./data/pochette.png");
        // <GESTION DE LA COLLECTION>
    }

    // Starts loading the picture the first time it is asked for.
    CollectionPhotos.prototype.getImage = function (nom) {
        if (!this.images.has(nom) && this.fichiers.has(nom)) {
            var image = new Image();
            image.src = this.fichiers.get(nom);
            this.images.set(nom, image);
        }
        return this.images.get(nom);
    };

    calendrier.CollectionPhotos = CollectionPhotos;
}());
