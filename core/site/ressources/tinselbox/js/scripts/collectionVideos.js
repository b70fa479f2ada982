// Videos, loaded only when their day is opened. The page holds a single
// hidden video element at a time; the canvas draws its frames.
"use strict";
/* exported CollectionVideos */

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

CollectionVideos.prototype.chargerVideo = function (nomVideo, adresseVideo, ecran) {
    $("video").remove();
    var video = $("<video></video>").attr("id", "video").attr("preload", "auto");
    video.on("loadeddata", function () {
        ecran.initialiser();
    });
    video.attr("src", adresseVideo);
    $("body").append(video);
    this.videos.set(nomVideo, video.get(0));
};

CollectionVideos.prototype.jouerVideo = function (nomVideo, ecran) {
    this.chargerVideos(nomVideo, ecran);
    var video = this.videos.get(nomVideo);
    CollectionSons.lancerLecture(video);
    return video;
};

CollectionVideos.prototype.getVideo = function (nom) {
    return this.videos.get(nom);
};
