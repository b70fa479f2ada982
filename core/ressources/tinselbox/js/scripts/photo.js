// A day's picture (or the cassette cover), fitted to the canvas, rising from
// below the bottom edge into the centre.
function Photo(nom) {
    this.nom = nom;
    this.image = collectionPhotos.getImage(nom);
    this.chargementOk = false;
    this.largeur = 0;
    this.hauteur = 0;
    this.x = 0;
    this.y = 0;
    if (imageChargee(this.image)) {
        this.initialiser();
    } else if (this.image) {
        // The collection started loading it with the page; it is not there yet.
        var photo = this;
        this.image.addEventListener("load", function () {
            photo.initialiser();
        });
    }
}

Photo.prototype.initialiser = function () {
    placerAuCentre(this, this.image.naturalWidth, this.image.naturalHeight);
    this.chargementOk = true;
};

Photo.prototype.deplacerVers = function (x, y) {
    demarrerDeplacement(this, x, y);
};

Photo.prototype.sortir = function () {
    this.deplacerVers(this.xSortie, this.ySortie);
};

Photo.prototype.rentrer = function () {
    this.deplacerVers(this.xEntree, this.yEntree);
};

Photo.prototype.avancer = function () {
    if (this.chargementOk) {
        avancerObjet(this, true);
    }
};

Photo.prototype.dessiner = function () {
    if (this.chargementOk) {
        oCtx.drawImage(this.image, this.x, this.y, this.largeur, this.hauteur);
    }
};
