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
        this.couleurBase = Boule.PALETTE[this.numero % 8];
        // The attachment reads the ball's digits followed by a 1 (ball 3 reads 31).
        this.couleurAttache = Boule.PALETTE[parseInt(texte + "1", 10) % 8];
        this.couleur = this.couleurBase;
        this.couleurTexte = Boule.COULEUR_TEXTE;
        this.deplacerVers(x, y);
    }

    Boule.prototype = Object.create(calendrier.ImageMobile.prototype);
    Boule.prototype.constructor = Boule;

    Boule.PALETTE = ["#f3cec6", "#cb4127", "#598181", "#e95f43", "#e8dfb4", "#7c6b51", "#b0b94e", "#64b2b2"];
    Boule.COULEUR_TEXTE = "#ffffff";
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
        this.couleurTexte = Boule.COULEUR_TEXTE;
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
        this.couleurTexte = Boule.COULEUR_TEXTE;
        this.verrouillee = false;
    };

    Boule.prototype.dessinerFil = function () {
        if (this.visible) {
            calendrier.oCtx.beginPath();
            calendrier.oCtx.moveTo(this.x, calendrier.ImageMobile.scene.haut);
            calendrier.oCtx.lineTo(this.x, this.y);
            calendrier.oCtx.stroke();
        }
    };

    Boule.prototype.dessiner = function () {
        if (!this.visible) {
            return;
        }
        calendrier.oCtx.fillStyle = this.couleurAttache;
        calendrier.oCtx.beginPath();
        calendrier.oCtx.arc(this.x, this.y - this.taille, this.taille / 8, 0, 2 * Math.PI);
        calendrier.oCtx.fill();

        calendrier.oCtx.fillStyle = this.couleur;
        calendrier.oCtx.beginPath();
        calendrier.oCtx.arc(this.x, this.y, this.taille, 0, 2 * Math.PI);
        calendrier.oCtx.fill();

        calendrier.oCtx.font = "bold " + this.taille + "pt boule";
        calendrier.oCtx.fillStyle = this.couleurTexte;
        calendrier.oCtx.textAlign = "center";
        calendrier.oCtx.textBaseline = "middle";
        calendrier.oCtx.fillText(this.texte, this.x, this.y + 10);

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
