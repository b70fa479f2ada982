// The scene's fixed pictures, all loaded with the page.
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

CollectionImages.prototype.getImage = function (nom) {
    return this.images.get(nom);
};
