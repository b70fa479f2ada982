// The visitor's input: the mouse and touches on the canvas, the Escape key.
// A touch becomes the matching mouse event; a ball is found under the pointer
// by its disc, at least a thumb's size, or else by the square around it.
"use strict";

(function () {
    var ns = calendrier;

    function convertirPosition(evenement) {
        var vue = ns.vue;
        var cadre = ns.oCanvas.getBoundingClientRect();
        ns.mouseX = (evenement.clientX - cadre.left - vue.decalageX) / vue.echelle;
        ns.mouseY = (evenement.clientY - cadre.top - vue.decalageY) / vue.echelle;
        ns.souris.setPosition(ns.mouseX, ns.mouseY);
    }

    function toutes() {
        return true;
    }

    // The ball under (x, y) that `accepter` takes: first by the disc of its
    // target (the ball, or a thumb's size on a small screen), where no two
    // balls meet; else by the square around the ball. In day order.
    function premiereBouleTouchee(x, y, accepter) {
        var boules = ns.boules;
        var rayonMin = ns.CIBLE_MIN / 2 / ns.vue.echelle;
        for (var i = 0; i < boules.length; i++) {
            var boule = boules[i];
            var rayon = Math.max(boule.taille, rayonMin);
            if (boule.estVisible() && Math.pow(x - boule.x, 2) + Math.pow(y - boule.y, 2) <= rayon * rayon && accepter(boule)) {
                return i;
            }
        }
        for (i = 0; i < boules.length; i++) {
            if (boules[i].estTouchee(x, y) && accepter(boules[i])) {
                return i;
            }
        }
        return -1;
    }

    function deplacerSouris(evenement) {
        convertirPosition(evenement);
        if (ns.projectionEnCours) {
            return;
        }
        var touchee = premiereBouleTouchee(ns.mouseX, ns.mouseY, toutes);
        ns.boules.forEach(function (boule, i) {
            if (i !== touchee) {
                boule.retablirCouleurs();
            } else {
                ns.signalerBoule(boule);
            }
        });
    }

    function enfoncerSouris(evenement) {
        convertirPosition(evenement);
        ns.souris.enfoncer();
        if (ns.projectionEnCours) {
            // A message is read at the visitor's pace: a click puts it away.
            if (ns.mediaASurveiller instanceof Carte) {
                ns.interrompreJour();
            }
            return;
        }
        var choisie = premiereBouleTouchee(ns.mouseX, ns.mouseY, ns.peutOuvrir);
        if (choisie >= 0) {
            ns.ouvrirBoule(choisie);
            return;
        }
        var fermee = premiereBouleTouchee(ns.mouseX, ns.mouseY, toutes);
        if (fermee >= 0) {
            ns.refuserBoule(fermee);
        }
    }

    function relacherSouris(evenement) {
        convertirPosition(evenement);
        ns.souris.relacher();
    }

    // A touch becomes the matching mouse event at the first changed touch.
    function toucher(evenement) {
        var types = { touchstart: "mousedown", touchmove: "mousemove", touchend: "mouseup" };
        var contact = evenement.changedTouches[0];
        evenement.preventDefault();
        if (!contact) {
            return;
        }
        var imitation = new MouseEvent(types[evenement.type], {
            bubbles: true,
            cancelable: true,
            view: window,
            screenX: contact.screenX,
            screenY: contact.screenY,
            clientX: contact.clientX,
            clientY: contact.clientY
        });
        contact.target.dispatchEvent(imitation);
    }

    function annulerToucher() {
    }

    // Escape while a day is shown brings the balls back.
    function appuyerTouche(evenement) {
        if (evenement.key === "Escape" && ns.projectionEnCours) {
            ns.interrompreJour();
        }
    }

    function ecouter() {
        var canvas = ns.oCanvas;
        document.addEventListener("keydown", appuyerTouche);
        canvas.addEventListener("mousedown", enfoncerSouris);
        canvas.addEventListener("mouseup", relacherSouris);
        canvas.addEventListener("mousemove", deplacerSouris);
        canvas.addEventListener("touchstart", toucher, true);
        canvas.addEventListener("touchmove", toucher, true);
        canvas.addEventListener("touchend", toucher, true);
        canvas.addEventListener("touchcancel", annulerToucher, true);
    }

    ns.ecouterSaisie = ecouter;
}());
