// The screen that draws a day's video on the canvas. Nothing is drawn until
// the video element has its first frame ("loadeddata" calls initialiser).
function Video(nom) {
    this.nom = nom;
    this.chargementOk = false;
    this.largeur = 0;
    this.hauteur = 0;
    this.x = 0;
    this.y = 0;
}

Video.prototype.getElement = function () {
    return collectionVideos.getVideo(this.nom);
};

Video.prototype.initialiser = function () {
    var element = this.getElement();
    placerAuCentre(this, element.videoWidth, element.videoHeight);
    this.chargementOk = true;
};

Video.prototype.deplacerVers = function (x, y) {
    demarrerDeplacement(this, x, y);
};

Video.prototype.sortir = function () {
    this.deplacerVers(this.xSortie, this.ySortie);
};

Video.prototype.rentrer = function () {
    this.deplacerVers(this.xEntree, this.yEntree);
};

// A screen keeps moving as long as it is not exactly on its target.
Video.prototype.avancer = function () {
    avancerObjet(this, false);
};

Video.prototype.dessiner = function () {
    if (this.chargementOk) {
        oCtx.drawImage(this.getElement(), this.x, this.y, this.largeur, this.hauteur);
    }
};
