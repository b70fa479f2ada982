// A numbered ball hanging on its string. (x, y) is its centre.
"use strict";

(function () {
    function Boule(x, y, taille, texte) {
        this.x = x;
        this.y = y;
        this.taille = taille;
        this.texte = texte;
        this.visible = true;
        this.verrouillee = false;
        // The visitor opened this day before.
        this.marquee = false;
        this.numero = parseInt(texte, 10);
        var palette = Boule.palette();
        this.couleurBase = palette[this.numero % 8];
        // The attachment reads the ball's digits followed by a 1 (ball 3 reads 31).
        this.couleurAttache = palette[parseInt(texte + "1", 10) % 8];
        this.couleur = this.couleurBase;
        this.couleurNumero = Boule.couleurNumero(this.couleurBase);
        this.couleurTexte = this.couleurNumero;
        this.deplacerVers(x, y);
    }

    Boule.prototype = Object.create(calendrier.ImageMobile.prototype);
    Boule.prototype.constructor = Boule;

    Boule.PALETTE = ["#f3cec6", "#cb4127", "#598181", "#e95f43", "#e8dfb4", "#7c6b51", "#b0b94e", "#64b2b2"];
    Boule.COULEUR_TEXTE = "#ffffff";
    Boule.COULEUR_TEXTE_SOMBRE = "#3a2418";
    // Numbers keep this contrast with their ball, lit or not.
    Boule.CONTRASTE_MIN = 3;

    // The theme's palette, or the fir trees' own.
    Boule.palette = function () {
        return theme && theme.palette && theme.palette.length === 8 ? theme.palette : Boule.PALETTE;
    };

    function luminance(couleur) {
        var valeur = parseInt(couleur.substring(1), 16);
        return [valeur >> 16, (valeur >> 8) & 0xff, valeur & 0xff].reduce(function (somme, canal, i) {
            var c = canal / 255;
            c = c <= 0.03928 ? c / 12.92 : Math.pow((c + 0.055) / 1.055, 2.4);
            return somme + c * [0.2126, 0.7152, 0.0722][i];
        }, 0);
    }

    // Contrast ratio of two "#rrggbb" colours, as accessibility guidelines measure it.
    Boule.contraste = function (a, b) {
        var la = luminance(a);
        var lb = luminance(b);
        return (Math.max(la, lb) + 0.05) / (Math.min(la, lb) + 0.05);
    };

    // White numbers where they stand out from the ball, lit too; dark ones elsewhere.
    Boule.couleurNumero = function (couleur) {
        var eclairee = Boule.decalerCouleur(couleur, Boule.ECLAIRCISSEMENT);
        return Math.min(Boule.contraste(couleur, Boule.COULEUR_TEXTE), Boule.contraste(eclairee, Boule.COULEUR_TEXTE))
            >= Boule.CONTRASTE_MIN ? Boule.COULEUR_TEXTE : Boule.COULEUR_TEXTE_SOMBRE;
    };
    Boule.ECLAIRCISSEMENT = 0x090909;
    Boule.ASSOMBRISSEMENT = 0x191919;

    // Adds delta to a "#rrggbb" colour taken as one number; no palette entry
    // carries over from one channel into the next.
    Boule.decalerCouleur = function (couleur, delta) {
        var valeur = parseInt(couleur.substring(1), 16) + delta;
        return "#" + ("000000" + valeur.toString(16)).slice(-6);
    };

    Boule.prototype.getNumero = function () {
        return this.numero;
    };

    Boule.prototype.estVisible = function () {
        return this.visible;
    };

    Boule.prototype.setVisible = function (visible) {
        this.visible = visible;
    };

    Boule.prototype.estVerrouillee = function () {
        return this.verrouillee;
    };

    // The hit area is the square around the ball, not the disc.
    Boule.prototype.marquer = function (marquee) {
        this.marquee = marquee;
    };

    Boule.prototype.estTouchee = function (x, y) {
        return this.visible && Math.abs(x - this.x) <= this.taille && Math.abs(y - this.y) <= this.taille;
    };

    Boule.prototype.eclaircir = function () {
        this.couleur = Boule.decalerCouleur(this.couleurBase, Boule.ECLAIRCISSEMENT);
        this.couleurTexte = this.couleurNumero;
        this.verrouillee = false;
    };

    // A ball that may not be opened loses its number and shows the key.
    Boule.prototype.assombrir = function () {
        this.couleur = Boule.decalerCouleur(this.couleurBase, -Boule.ASSOMBRISSEMENT);
        this.couleurTexte = this.couleur;
        this.verrouillee = true;
    };

    Boule.prototype.retablirCouleurs = function () {
        this.couleur = this.couleurBase;
        this.couleurTexte = this.couleurNumero;
        this.verrouillee = false;
    };

    // The string, one unit wide from the window's top edge down to the centre:
    // a rectangle, which the browser fills far faster than it strokes a line.
    Boule.prototype.dessinerFil = function (contexte) {
        var haut = calendrier.ImageMobile.scene.haut;
        if (this.visible && this.y > haut) {
            contexte.fillRect(this.x - 0.5, haut, 1, this.y - haut);
        }
    };

    Boule.prototype.dessiner = function () {
        if (!this.visible) {
            return;
        }
        this.dessinerCorps(calendrier.oCtx);

        if (this.marquee) {
            this.dessinerMarque();
        }

        if (this.verrouillee) {
            var clef = calendrier.collectionImages.getImage("clef");
            if (calendrier.CollectionImages.imageChargee(clef)) {
                calendrier.oCtx.drawImage(clef, this.x - 40, this.y - 19);
            }
        }
    };

    // The fonts loaded so far: a ball drawn before its font came is drawn again.
    Boule.policesChargees = 0;
    if (document.fonts && document.fonts.addEventListener) {
        document.fonts.addEventListener("loadingdone", function () {
            Boule.policesChargees++;
        });
    }

    // The attachment, the disc and the number centred 10 units below the
    // centre. A dense screen has many pixels to fill and large glyphs, whose
    // outlines the browser would trace every frame: the ball is drawn once for
    // its size, colours and the screen's scale into a picture of its own,
    // copied to the nearest pixel.
    Boule.prototype.dessinerCorps = function (ctx) {
        var vue = calendrier.vue;
        var echelle = vue.densite * vue.echelle;
        var cle = [this.taille, this.couleur, this.couleurTexte, echelle, Boule.policesChargees,
            !!calendrier.photoDeFond].join(" ");
        if (this.cleCorps !== cle) {
            this.corps = this.peindreCorps(echelle);
            this.cleCorps = cle;
        }
        ctx.save();
        ctx.setTransform(1, 0, 0, 1, 0, 0);
        ctx.drawImage(this.corps.image,
            Math.round(vue.densite * (vue.echelle * this.x + vue.decalageX)) - this.corps.x,
            Math.round(vue.densite * (vue.echelle * this.y + vue.decalageY)) - this.corps.y);
        ctx.restore();
    };

    // The ball in a picture just large enough, at `echelle` pixels per unit; its
    // centre falls on pixel (x, y) of the picture.
    Boule.prototype.peindreCorps = function (echelle) {
        var image = this.corps ? this.corps.image : document.createElement("canvas");
        var r = this.taille;
        // Room for the rims drawn over a background picture.
        var x = Math.ceil((r + 5) * echelle) + 2;
        var y = Math.ceil(r * 9 / 8 * echelle) + 2;
        image.width = 2 * x;
        image.height = y + x;
        var contexte = image.getContext("2d");
        contexte.setTransform(echelle, 0, 0, echelle, x, y);
        contexte.fillStyle = this.couleurAttache;
        contexte.beginPath();
        contexte.arc(0, -r, r / 8, 0, 2 * Math.PI);
        contexte.fill();
        contexte.fillStyle = this.couleur;
        contexte.beginPath();
        contexte.arc(0, 0, r, 0, 2 * Math.PI);
        contexte.fill();
        if (calendrier.photoDeFond) {
            // Over the family's picture, a dark rim and a light one keep the ball apart from it.
            contexte.lineWidth = 3;
            contexte.strokeStyle = "#1b1b1b";
            contexte.stroke();
            contexte.lineWidth = 2;
            contexte.strokeStyle = "#ffffff";
            contexte.beginPath();
            contexte.arc(0, 0, r + 2.5, 0, 2 * Math.PI);
            contexte.stroke();
        }
        contexte.font = "bold " + r + "pt boule";
        contexte.fillStyle = this.couleurTexte;
        contexte.textAlign = "center";
        contexte.textBaseline = "middle";
        contexte.fillText(this.texte, 0, 10);
        return { image: image, x: x, y: y };
    };

    Boule.COULEUR_MARQUE = "#ffd34d";
    Boule.CONTOUR_MARQUE = "#3b2f2a";

    // The mark of a day already opened: a small gold star on the lower right of the rim.
    Boule.prototype.dessinerMarque = function () {
        var cx = this.x + this.taille * 0.68;
        var cy = this.y + this.taille * 0.68;
        var rayon = Math.max(10, this.taille / 5);
        calendrier.oCtx.save();
        calendrier.oCtx.beginPath();
        for (var i = 0; i < 10; i++) {
            var r = i % 2 === 0 ? rayon : rayon * 0.45;
            var angle = -Math.PI / 2 + i * Math.PI / 5;
            calendrier.oCtx.lineTo(cx + r * Math.cos(angle), cy + r * Math.sin(angle));
        }
        calendrier.oCtx.closePath();
        calendrier.oCtx.fillStyle = Boule.COULEUR_MARQUE;
        calendrier.oCtx.fill();
        calendrier.oCtx.lineWidth = 2;
        calendrier.oCtx.strokeStyle = Boule.CONTOUR_MARQUE;
        calendrier.oCtx.stroke();
        calendrier.oCtx.restore();
    };

    calendrier.Boule = Boule;
}());
