// The drawing loop: on the display's frames the scene moves on by steps of
// 1/24 s, and each step is drawn. The sky and the trees, which do not move,
// are drawn once into a picture of their own that each frame copies.
"use strict";

(function () {
    var ns = calendrier;
    // Steps per second of every movement of the scene.
    var PAS = 1000 / 24;
    var CIEL = "#a3d7d2";

    var fond = null;
    var cleFond = "";
    // The loop's first frame, and the steps taken since (its own the first).
    var origine = null;
    var pas = -1;

    // The sky and the trees as they stand for the window's size and density:
    // drawn again only when one of these changes, or when the trees load.
    function fondActuel() {
        var canvas = ns.oCanvas;
        var vue = ns.vue;
        var scene = ns.ImageMobile.scene;
        var foret = ns.imagesStatiques[0];
        var chargee = !!foret && ns.CollectionImages.imageChargee(foret.image);
        var cle = [canvas.width, canvas.height, vue.echelle, vue.decalageX, vue.decalageY, vue.densite,
            scene.gauche, scene.droite, foret ? foret.y : "", chargee].join(" ");
        if (cle !== cleFond) {
            if (!fond) {
                fond = document.createElement("canvas");
            }
            fond.width = canvas.width;
            fond.height = canvas.height;
            var contexte = fond.getContext("2d");
            contexte.fillStyle = CIEL;
            contexte.fillRect(0, 0, fond.width, fond.height);
            ns.transformerVersScene(contexte);
            if (chargee) {
                dessinerForet(contexte, foret);
            }
            cleFond = cle;
        }
        return fond;
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
        ctx.setTransform(1, 0, 0, 1, 0, 0);
        ctx.drawImage(fondActuel(), 0, 0);
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
        ns.boules.forEach(function (boule) {
            boule.dessinerFil();
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

    ns.image = image;
}());
