// The drawing loop: on the display's frames the scene moves on by steps of
// 1/24 s, and each step is drawn. The sky and the trees, which do not move,
// are drawn once into a picture of their own that each frame copies.
"use strict";

(function () {
    var ns = calendrier;
    // Steps per second of every movement of the scene.
    var PAS = 1000 / 24;
    var CIEL = "#a3d7d2";

    var arrierePlan = null;
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
        var photo = ns.photoDeFond;
        var cle = [canvas.width, canvas.height, vue.echelle, vue.decalageX, vue.decalageY, vue.densite,
            scene.gauche, scene.droite, foret ? foret.y : "", chargee, photo ? photo.src : ""].join(" ");
        if (cle !== cleFond) {
            if (!arrierePlan) {
                arrierePlan = document.createElement("canvas");
            }
            arrierePlan.width = canvas.width;
            arrierePlan.height = canvas.height;
            var contexte = arrierePlan.getContext("2d");
            if (photo) {
                // The family's picture as it is, covering the window, with nothing over it.
                var echelle = Math.max(arrierePlan.width / photo.naturalWidth, arrierePlan.height / photo.naturalHeight);
                var largeur = photo.naturalWidth * echelle;
                var hauteur = photo.naturalHeight * echelle;
                contexte.drawImage(photo, (arrierePlan.width - largeur) / 2, (arrierePlan.height - hauteur) / 2, largeur, hauteur);
            } else if (ns.decor) {
                ns.decor.dessinerFond(contexte, arrierePlan.width, arrierePlan.height);
            } else {
                contexte.fillStyle = CIEL;
                contexte.fillRect(0, 0, arrierePlan.width, arrierePlan.height);
                ns.transformerVersScene(contexte);
                if (chargee) {
                    dessinerForet(contexte, foret);
                }
            }
            cleFond = cle;
        }
        return arrierePlan;
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
        if (ns.decor) {
            ns.decor.avancer();
        }
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
        // The strings: dark on the fir trees' sky, the theme's text colour, softened, on its own.
        ctx.strokeStyle = theme && theme.texte ? theme.texte + "99" : "#000000";
        ns.boules.forEach(function (boule) {
            boule.dessinerFil();
        });
        ns.boules.forEach(function (boule) {
            boule.dessiner();
        });
        ns.dessinerAnneauFocus(ctx);
        if (ns.decor) {
            ns.decor.dessinerEffets(ctx);
        }
        var couleurs = ns.couleursTexte();
        if (titre && !ns.projectionEnCours) {
            ecrireLigne(ctx, document.title, "bold", 34, couleurs.texte, 62, couleurs.contour);
        }
        var ligne = ns.ligneCalendrier || ns.ligneCompte;
        if (ligne && !ns.projectionEnCours) {
            ecrireLigne(ctx, ligne, "bold", 30, couleurs.texte, scene.hauteur - 12, couleurs.contour);
        }
        if (bypass) {
            ecrireLigne(ctx, ns.textes.apercu, "", 40, "#cb4127", scene.hauteur);
        }
    }

    // A line centred on the scene's bottom, its size (points) reduced so that
    // it fits the scene's width.
    // An outline, when given, keeps the text readable over any sky or picture,
    // with no band behind it.
    function ecrireLigne(ctx, texte, graisse, taille, couleur, y, contour) {
        var scene = ns.ImageMobile.scene;
        ctx.font = graisse + " " + taille + "pt Arial";
        var largeur = ctx.measureText(texte).width;
        if (largeur > scene.largeur - 20) {
            taille = Math.max(8, Math.floor(taille * (scene.largeur - 20) / largeur));
            ctx.font = graisse + " " + taille + "pt Arial";
        }
        ctx.textAlign = "center";
        ctx.textBaseline = "bottom";
        if (contour) {
            ctx.save();
            ctx.lineJoin = "round";
            ctx.lineWidth = Math.max(3, taille / 5);
            ctx.strokeStyle = contour;
            ctx.strokeText(texte, scene.largeur / 2, y);
            ctx.restore();
        }
        ctx.fillStyle = couleur;
        ctx.fillText(texte, scene.largeur / 2, y);
    }

    // The page's own texts: the theme's colours; over the fir trees, as always, with
    // a white outline once a picture lies behind them.
    function couleursTexte() {
        if (theme && theme.texte) {
            return { texte: theme.texte, contour: theme.contour };
        }
        return { texte: "#1b1b1b", contour: ns.photoDeFond || titre ? "#ffffff" : null };
    }

    // The family's picture, for the window's shape, once the balls are drawn: the
    // page opens as fast as without it.
    function chargerPhotoDeFond() {
        if (!fond) {
            return;
        }
        var photo = new Image();
        photo.addEventListener("load", function () {
            ns.photoDeFond = photo;
        });
        var portrait = window.innerHeight > window.innerWidth;
        photo.src = "data/" + (portrait ? "fond-portrait.jpg" : "fond-paysage.jpg");
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
    window.addEventListener("load", function () {
        window.requestAnimationFrame(function () {
            window.requestAnimationFrame(chargerPhotoDeFond);
        });
    });

    ns.photoDeFond = null;
    ns.couleursTexte = couleursTexte;
    ns.image = image;
}());
