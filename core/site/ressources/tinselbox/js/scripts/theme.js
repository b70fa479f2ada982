// A chosen theme's scene: its sky, its ground and trees, and snow in the themes
// that have it, with the visitor's switch. The page loads this script only for
// a calendar with a theme; the colours come from the generator's `theme` line.
"use strict";

(function () {
    var ns = calendrier;
    var MEMOIRE = "tinselbox-neige";
    var NOMBRE_FLOCONS = 90;

    var flocons = [];
    var neigeActive = false;
    var interrupteur = null;

    // Where the ground begins, in the scene's units.
    function hautDuSol(scene) {
        return scene.hauteur * 0.84;
    }

    function dessinerFond(ctx, largeur, hauteur) {
        var degrade = ctx.createLinearGradient(0, 0, 0, hauteur);
        degrade.addColorStop(0, theme.ciel[0]);
        degrade.addColorStop(1, theme.ciel[1]);
        ctx.fillStyle = degrade;
        ctx.fillRect(0, 0, largeur, hauteur);
        ns.transformerVersScene(ctx);
        var scene = ns.ImageMobile.scene;
        var sol = hautDuSol(scene);
        ctx.fillStyle = theme.sol;
        ctx.fillRect(scene.gauche - 10, sol, scene.droite - scene.gauche + 20, scene.hauteur);
        // A row of fir trees standing on the ground, from edge to edge.
        ctx.fillStyle = theme.decor;
        var pas = 120;
        for (var x = Math.floor(scene.gauche / pas) * pas; x < scene.droite + pas; x += pas) {
            var grand = Math.round(x / pas) % 2 === 0;
            var haut = grand ? 210 : 160;
            for (var etage = 0; etage < 3; etage++) {
                var base = sol + 4 - etage * haut / 4;
                var demi = (55 - etage * 12) * (grand ? 1 : 0.85);
                ctx.beginPath();
                ctx.moveTo(x, base - haut / 2);
                ctx.lineTo(x + demi, base);
                ctx.lineTo(x - demi, base);
                ctx.closePath();
                ctx.fill();
            }
        }
    }

    // ---- Snow.

    // A fixed scatter, the same at every visit.
    function creerFlocons() {
        var graine = 7;
        function hasard() {
            graine = (graine * 16807) % 2147483647;
            return graine / 2147483647;
        }
        flocons = [];
        for (var i = 0; i < NOMBRE_FLOCONS; i++) {
            flocons.push({ x: hasard(), y: hasard(), vitesse: 0.0015 + hasard() * 0.002, phase: hasard() * 6.28, r: 1.5 + hasard() * 2.5 });
        }
    }

    function avancer() {
        if (!neigeActive || document.hidden) {
            return;
        }
        flocons.forEach(function (flocon) {
            flocon.y += flocon.vitesse;
            flocon.phase += 0.05;
            if (flocon.y > 1) {
                flocon.y -= 1;
            }
        });
    }

    function dessinerEffets(ctx) {
        if (!neigeActive || ns.projectionEnCours) {
            return;
        }
        var scene = ns.ImageMobile.scene;
        var largeur = scene.droite - scene.gauche;
        ctx.save();
        ctx.fillStyle = "rgba(255, 255, 255, 0.85)";
        ctx.beginPath();
        flocons.forEach(function (flocon) {
            var x = scene.gauche + flocon.x * largeur + Math.sin(flocon.phase) * 6;
            var y = scene.haut + flocon.y * (scene.hauteur - scene.haut);
            ctx.moveTo(x + flocon.r, y);
            ctx.arc(x, y, flocon.r, 0, 2 * Math.PI);
        });
        ctx.fill();
        ctx.restore();
    }

    function retenir(active) {
        try {
            window.localStorage.setItem(MEMOIRE, active ? "1" : "0");
        } catch (erreur) {
            // Storage refused: the choice lasts for this visit.
        }
    }

    function souvenir() {
        try {
            return window.localStorage.getItem(MEMOIRE);
        } catch (erreur) {
            return null;
        }
    }

    function activerNeige(active) {
        neigeActive = active;
        if (interrupteur) {
            interrupteur.setAttribute("aria-pressed", String(active));
        }
    }

    // A visible switch the keyboard reaches; off for a visitor who asks for less
    // motion, else as the visitor left it, else on.
    function creerInterrupteur() {
        interrupteur = document.createElement("button");
        interrupteur.type = "button";
        interrupteur.className = "interrupteur-neige";
        interrupteur.textContent = ns.textes.neige;
        var style = interrupteur.style;
        style.position = "fixed";
        style.top = "8px";
        style.right = "8px";
        style.minWidth = "44px";
        style.minHeight = "44px";
        style.padding = "0 14px";
        style.font = "bold 16px Arial, sans-serif";
        style.color = theme.texte;
        style.background = theme.contour;
        style.border = "2px solid " + theme.texte;
        style.borderRadius = "22px";
        style.zIndex = "3";
        interrupteur.addEventListener("click", function () {
            activerNeige(!neigeActive);
            retenir(neigeActive);
        });
        document.body.appendChild(interrupteur);
        var calme = window.matchMedia && window.matchMedia("(prefers-reduced-motion: reduce)").matches;
        activerNeige(!calme && souvenir() !== "0");
    }

    ns.decor = {
        dessinerFond: dessinerFond,
        dessinerEffets: dessinerEffets,
        avancer: avancer
    };

    if (theme.neige) {
        creerFlocons();
        window.addEventListener("load", creerInterrupteur);
    }
}());
