// A fixed picture of the scene that rises from below the bottom edge into
// the centre of the canvas.
function ImageMobile(nom) {
    this.nom = nom;
    this.image = collectionImages.getImage(nom);
    var largeur = imageChargee(this.image) ? this.image.naturalWidth : 0;
    var hauteur = imageChargee(this.image) ? this.image.naturalHeight : 0;
    placerEntreeSortie(this, largeur, hauteur);
}

ImageMobile.prototype.deplacerVers = function (x, y) {
    demarrerDeplacement(this, x, y);
};

ImageMobile.prototype.sortir = function () {
    this.deplacerVers(this.xSortie, this.ySortie);
};

ImageMobile.prototype.rentrer = function () {
    this.deplacerVers(this.xEntree, this.yEntree);
};

ImageMobile.prototype.avancer = function () {
    avancerObjet(this, true);
};

ImageMobile.prototype.dessiner = function () {
    if (imageChargee(this.image)) {
        oCtx.drawImage(this.image, this.x, this.y);
    }
};
