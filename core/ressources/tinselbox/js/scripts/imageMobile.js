// A fixed picture of the scene that rises from below the bottom edge into
// the centre of the canvas.
function ImageMobile(nom) {
    this.nom = nom;
    this.image = collectionImages.getImage(nom);
    var largeur = imageChargee(this.image) ? this.image.naturalWidth : 0;
    var hauteur = imageChargee(this.image) ? this.image.naturalHeight : 0;
    this.xEntree = (oCanvas.width - largeur) / 2;
    this.yEntree = oCanvas.height;
    this.xSortie = (oCanvas.width - largeur) / 2;
    this.ySortie = (oCanvas.height - hauteur) / 2;
    this.x = this.xEntree;
    this.y = this.yEntree;
    this.deplacerVers(this.xSortie, this.ySortie);
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
