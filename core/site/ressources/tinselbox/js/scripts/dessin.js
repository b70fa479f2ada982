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
    // With a theme or the family's picture, the whole backdrop drawn once.
    var arrierePlan = null;
    var cleArrierePlan = "";
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

    // The backdrop of a themed page, or the family's picture: drawn again only
    // when the window, the density, the layout or the picture changes.
    function arrierePlanActuel() {
        var canvas = ns.oCanvas;
        var vue = ns.vue;
        var scene = ns.ImageMobile.scene;
        var photo = ns.photoDeFond;
        var cle = [canvas.width, canvas.height, vue.echelle, vue.decalageX, vue.decalageY, vue.densite,
            scene.gauche, scene.droite, photo ? photo.src : ""].join(" ");
        if (cle !== cleArrierePlan) {
            arrierePlan = arrierePlan || document.createElement("canvas");
            arrierePlan.width = canvas.width;
            arrierePlan.height = canvas.height;
            var contexte = arrierePlan.getContext("2d", { alpha: false });
            if (photo) {
                // The family's picture as it is, covering the window, with nothing over it.
                var echelle = Math.max(canvas.width / photo.naturalWidth, canvas.height / photo.naturalHeight);
                var largeur = photo.naturalWidth * echelle;
                var hauteur = photo.naturalHeight * echelle;
                contexte.drawImage(photo, (canvas.width - largeur) / 2, (canvas.height - hauteur) / 2, largeur, hauteur);
            } else {
                ns.decor.dessinerFond(contexte, canvas.width, canvas.height);
            }
            cleArrierePlan = cle;
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
        if (ns.photoDeFond || ns.decor) {
            ctx.drawImage(arrierePlanActuel(), 0, 0);
        } else {
            // The sky over the whole canvas lets the browser drop what the last frame drew.
            ctx.fillStyle = CIEL;
            ctx.fillRect(0, 0, ns.oCanvas.width, ns.oCanvas.height);
            var arbres = bandeActuelle();
            if (arbres) {
                ctx.drawImage(arbres, 0, hautBande);
            }
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
        // The strings: the theme's text colour, softened, on its own sky.
        ctx.fillStyle = theme && theme.texte ? theme.texte + "99" : FIL;
        ns.boules.forEach(function (boule) {
            boule.dessinerFil(ctx);
        });
        ns.boules.forEach(function (boule) {
            boule.dessiner();
        });
        ns.dessinerAnneauFocus(ctx);
        if (ns.decor) {
            ns.decor.dessinerEffets(ctx);
        }
        var couleurs = couleursTexte();
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

    // A line centred across the scene, its size (points) reduced so that it
    // fits the scene's width. An outline, when given, keeps it readable over any
    // sky or picture, with no band behind it.
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
    // a white outline once a picture or the calendar's name lies over the scene.
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
    window.addEventListener("load", function () {
        window.requestAnimationFrame(function () {
            window.requestAnimationFrame(chargerPhotoDeFond);
        });
    });

    ns.photoDeFond = null;
    // Steps drawn since the page opened.
    ns.etapes = 0;
    ns.image = image;
}());
