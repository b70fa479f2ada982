// The drawing loop: on the display's frames the scene moves on by steps of
// 1/24 s, and each step is drawn. The trees, which do not move, are drawn once
// with their strip of sky into a picture of their own that each frame copies.
"use strict";

(function () {
    var ns = calendrier;
    // Steps per second of every movement of the scene.
    var PAS = 1000 / 24;
    var CIEL = "#a3d7d2";
    var FIL = "#000000";

    // The strip of the canvas from the top of the trees down, sky and trees
    // drawn once for the window's size and density, and where it goes.
    var bande = null;
    var hautBande = 0;
    var cleBande = "";
    // The loop's first frame, and the steps taken since (its own the first).
    var origine = null;
    var pas = -1;

    // The strip as it stands for the window: drawn again only when the size,
    // the density or the layout changes, or when the trees load. It begins on
    // a whole pixel row, so its trees fall on the same pixels as drawn in place.
    function bandeActuelle() {
        var canvas = ns.oCanvas;
        var vue = ns.vue;
        var scene = ns.ImageMobile.scene;
        var foret = ns.imagesStatiques[0];
        if (!foret || !ns.CollectionImages.imageChargee(foret.image)) {
            return null;
        }
        var cle = [canvas.width, canvas.height, vue.echelle, vue.decalageX, vue.decalageY, vue.densite,
            scene.gauche, scene.droite, foret.y].join(" ");
        if (cle !== cleBande) {
            var echelle = vue.densite * vue.echelle;
            hautBande = Math.max(0, Math.min(canvas.height - 1, Math.floor(echelle * foret.y + vue.densite * vue.decalageY)));
            bande = bande || document.createElement("canvas");
            bande.width = canvas.width;
            bande.height = canvas.height - hautBande;
            var contexte = bande.getContext("2d", { alpha: false });
            contexte.fillStyle = CIEL;
            contexte.fillRect(0, 0, bande.width, bande.height);
            contexte.setTransform(echelle, 0, 0, echelle, vue.densite * vue.decalageX, vue.densite * vue.decalageY - hautBande);
            dessinerForet(contexte, foret);
            cleBande = cle;
        }
        return bande;
    }

    // The row of trees, repeated to both edges of the window.
    function dessinerForet(contexte, foret) {
        var scene = ns.ImageMobile.scene;
        var largeur = ns.Disposition.PAYSAGE.largeur;
        var premier = Math.floor((scene.gauche - foret.x) / largeur);
        for (var x = foret.x + premier * largeur; x < scene.droite; x += largeur) {
            contexte.drawImage(foret.image, x, foret.y);
        }
    }

    // Every moving object one step on, once the collections exist.
    function avancer() {
        if (ns.collectionImages && ns.collectionPhotos && collectionSons && collectionVideos) {
            ns.boules.forEach(function (boule) {
                boule.avancer();
            });
            imagesMobiles.forEach(function (image) {
                image.avancer();
            });
            ns.imagesAnimees.forEach(function (image) {
                image.avancer();
            });
            videos.forEach(function (ecran) {
                if (ecran.chargementOk) {
                    ecran.avancer();
                }
            });
        }
    }

    function dessiner() {
        var ctx = ns.oCtx;
        if (!ctx) {
            return;
        }
        var scene = ns.ImageMobile.scene;
        // The sky over the whole canvas lets the browser drop what the last frame drew.
        ctx.setTransform(1, 0, 0, 1, 0, 0);
        ctx.fillStyle = CIEL;
        ctx.fillRect(0, 0, ns.oCanvas.width, ns.oCanvas.height);
        var arbres = bandeActuelle();
        if (arbres) {
            ctx.drawImage(arbres, 0, hautBande);
        }
        ns.transformerVersScene(ctx);
        ns.imagesStatiques.slice(1).forEach(function (image) {
            image.dessiner();
        });
        ns.imagesAnimees.forEach(function (image) {
            image.animer();
            image.dessiner();
        });
        videos.forEach(function (ecran) {
            ecran.dessiner();
        });
        imagesMobiles.forEach(function (image) {
            image.dessiner();
        });
        ctx.fillStyle = FIL;
        ns.boules.forEach(function (boule) {
            boule.dessinerFil(ctx);
        });
        ns.boules.forEach(function (boule) {
            boule.dessiner();
        });
        ns.dessinerAnneauFocus(ctx);
        var ligne = ns.ligneCalendrier || ns.ligneCompte;
        if (ligne && !ns.projectionEnCours) {
            ecrireLigne(ctx, ligne, "bold", 30, "#1b1b1b", scene.hauteur - 12);
        }
        if (bypass) {
            ecrireLigne(ctx, ns.textes.apercu, "", 40, "#cb4127", scene.hauteur);
        }
    }

    // A line centred on the scene's bottom, its size (points) reduced so that
    // it fits the scene's width.
    function ecrireLigne(ctx, texte, graisse, taille, couleur, y) {
        var scene = ns.ImageMobile.scene;
        ctx.font = graisse + " " + taille + "pt Arial";
        var largeur = ctx.measureText(texte).width;
        if (largeur > scene.largeur - 20) {
            taille = Math.max(8, Math.floor(taille * (scene.largeur - 20) / largeur));
            ctx.font = graisse + " " + taille + "pt Arial";
        }
        ctx.fillStyle = couleur;
        ctx.textAlign = "center";
        ctx.textBaseline = "bottom";
        ctx.fillText(texte, scene.largeur / 2, y);
    }

    // One step of the scene, drawn; then the watched media may bring the balls back.
    function image() {
        ns.etapes++;
        avancer();
        dessiner();
        ns.surveillerRetourAuMenu();
    }

    // At most one step per display frame: a slow or sleeping machine skips
    // steps rather than racing through them afterwards.
    function boucle(instant) {
        window.requestAnimationFrame(boucle);
        if (origine === null) {
            origine = instant;
        }
        var attendus = Math.floor((instant - origine) / PAS);
        if (attendus > pas) {
            pas = attendus;
            image();
        }
    }

    window.requestAnimationFrame(boucle);

    // Steps drawn since the page opened.
    ns.etapes = 0;
    ns.image = image;
}());
