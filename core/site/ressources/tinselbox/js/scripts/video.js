// The screen that draws a day's video on the canvas. Nothing is drawn until
// the video element has its first frame ("loadeddata" calls initialiser).
"use strict";
/* exported Video */

function Video(nom) {
    this.nom = nom;
    this.chargementOk = false;
    this.largeur = 0;
    this.hauteur = 0;
    this.x = 0;
    this.y = 0;
}

Video.prototype = Object.create(calendrier.ImageMobile.prototype);
Video.prototype.constructor = Video;

// A screen keeps moving until it is on its target (the step law stops an axis
// within 0.001 of it).
Video.prototype.seuilArret = 0.001;

Video.prototype.getElement = function () {
    return collectionVideos.getVideo(this.nom);
};

Video.prototype.initialiser = function () {
    var element = this.getElement();
    this.placerAuCentre(element.videoWidth, element.videoHeight);
    this.chargementOk = true;
};

Video.prototype.ajusterAScene = function () {
    if (this.chargementOk) {
        var element = this.getElement();
        this.placerAuCentre(element.videoWidth, element.videoHeight);
    }
};

Video.prototype.dessiner = function () {
    if (this.chargementOk) {
        calendrier.oCtx.drawImage(this.getElement(), this.x, this.y, this.largeur, this.hauteur);
    }
};
