// Pictures shown when a day opens. Only the cassette cover loads with the
// page; a day's picture loads when its day asks for it, so a visitor fetches
// one picture per opened day and the others stay unseen.
"use strict";

(function () {
    function CollectionPhotos() {
        this.fichiers = new Map();
        this.images = new Map();
        this.fichiers.set("pochette", "./data/pochette.png");
        // <GESTION DE LA COLLECTION>
        this.getImage("pochette");
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
