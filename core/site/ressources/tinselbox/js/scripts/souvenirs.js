// The days the visitor has opened, kept in the browser under a key of this
// page's own address, so two calendars on one site keep their own. Storage
// may be refused or hold anything: then nothing is remembered.
"use strict";

(function () {
    var CLE = "tinselbox.joursOuverts:" + window.location.pathname;

    // Day number to the mark of the run in which it was opened.
    function lireSouvenirs() {
        try {
            var souvenirs = JSON.parse(window.localStorage.getItem(CLE) || "{}");
            return souvenirs && typeof souvenirs === "object" && !Array.isArray(souvenirs) ? souvenirs : {};
        } catch (erreur) {
            return {};
        }
    }

    function retenirJour(numero, marque) {
        var souvenirs = lireSouvenirs();
        souvenirs[numero] = marque;
        try {
            window.localStorage.setItem(CLE, JSON.stringify(souvenirs));
        } catch (erreur) {
            // Full or refused: the day simply goes unmarked.
        }
    }

    calendrier.lireSouvenirs = lireSouvenirs;
    calendrier.retenirJour = retenirJour;
}());
