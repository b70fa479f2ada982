// Sounds, loaded only when their day is opened.
"use strict";

(function () {
    function CollectionSons() {
        this.sons = new Map();
    }

    // Starts a sound or a video. A media the browser refuses to play counts as
    // ended (see the page's watch), so the balls still come back; an interrupted
    // start is no refusal.
    CollectionSons.lancerLecture = function (media) {
        var promesse = media.play();
        if (promesse && promesse.catch) {
            promesse.catch(function (erreur) {
                if (erreur && erreur.name === "NotAllowedError") {
                    media.lectureImpossible = true;
                }
            });
        }
    };

    CollectionSons.prototype.chargerSons = function (identifiant) {
        switch (identifiant) {
            // <GESTION DE LA COLLECTION>
        }
    };

    CollectionSons.prototype.chargerSon = function (nomSon, adresseSon) {
        var son = document.createElement("audio");
        son.preload = "auto";
        son.src = adresseSon;
        this.sons.set(nomSon, son);
    };

    CollectionSons.prototype.jouerSon = function (nomSon) {
        this.chargerSons(nomSon);
        var son = this.sons.get(nomSon);
        CollectionSons.lancerLecture(son);
        return son;
    };

    calendrier.CollectionSons = CollectionSons;
}());
