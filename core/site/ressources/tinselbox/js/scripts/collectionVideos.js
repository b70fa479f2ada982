// Videos, loaded only when their day is opened. The page holds a single
// hidden video element at a time; the canvas draws its frames.
"use strict";

(function () {
    function CollectionVideos() {
        this.videos = new Map();
    }

    // The second parameter keeps the name "ecran": the lines written under the
    // marker refer to it.
    CollectionVideos.prototype.chargerVideos = function (identifiant, ecran) {
        switch (identifiant) {
            // <GESTION DE LA COLLECTION>
        }
    };

    // The page holds one video element at a time, hidden (styles/style.css).
    CollectionVideos.prototype.chargerVideo = function (nomVideo, adresseVideo, ecran) {
        Array.prototype.slice.call(document.getElementsByTagName("video")).forEach(function (ancienne) {
            ancienne.parentNode.removeChild(ancienne);
        });
        var video = document.createElement("video");
        video.id = "video";
        video.preload = "auto";
        video.addEventListener("loadeddata", function () {
            ecran.initialiser();
        });
        video.src = adresseVideo;
        document.body.appendChild(video);
        this.videos.set(nomVideo, video);
    };

    CollectionVideos.prototype.jouerVideo = function (nomVideo, ecran) {
        this.chargerVideos(nomVideo, ecran);
        var video = this.videos.get(nomVideo);
        calendrier.CollectionSons.lancerLecture(video);
        return video;
    };

    CollectionVideos.prototype.getVideo = function (nom) {
        return this.videos.get(nom);
    };

    calendrier.CollectionVideos = CollectionVideos;
}());
