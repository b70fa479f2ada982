// Every text the page shows or announces, in the calendar's language, and the
// one way it writes a date. {n}, {date}, {h}, {min} and {texte} stand for what
// the page puts in their place.
"use strict";
/* exported langue */

// The calendar's language (ISO 639-1), written under the options marker of
// calendrier.js when the calendar has one.
var langue = "en";

(function () {
    var textes = {
        // In index.html too, for a browser without canvas.
        repli: "Your browser cannot show this calendar.",
        scene: "{n} numbered balls hanging above fir trees",
        apercu: "This is a preview: you can click on all days to test it.",
        jour: "Day {n}",
        dejaOuvert: "Day {n}, already opened",
        ouvreLe: "{jour}, opens on {date}",
        etaitOuvertLe: "{jour}, was open on {date}",
        resteFerme: "{jour}, stays shut: {mois} has {n} days",
        ouvertureLe: "This calendar opens on {date}.",
        reouvertureLe: "This calendar opens again on {date}.",
        compteHeures: "Day {n} opens in {h} h {min} min",
        compteMinutes: "Day {n} opens in {min} min",
        annonceImage: "Day {n}: picture",
        annonceMusique: "Day {n}: music",
        annonceVideo: "Day {n}: video",
        annonceMessage: "Day {n}: {texte}",
        annonceVide: "Day {n}: nothing today",
        neige: "Snow",
        rappel: "Remind me"
    };

    // The text `cle` with each {name} replaced by valeurs[name].
    function formaterTexte(cle, valeurs) {
        return textes[cle].replace(/\{(\w+)\}/g, function (tout, nom) {
            return valeurs && Object.prototype.hasOwnProperty.call(valeurs, nom) ? String(valeurs[nom]) : tout;
        });
    }

    // A calendar date (month 1 to 12) as the language writes a day and its month:
    // "8 December", "8 décembre", "8. Dezember"; the month alone without a day.
    // The date is taken in UTC so no time zone moves it to another day.
    function formaterDate(annee, mois, jour) {
        var formats = formaterDate.formats;
        var cle = jour ? "jour" : "mois";
        if (!formats[cle]) {
            var options = jour ? { day: "numeric", month: "long", timeZone: "UTC" } : { month: "long", timeZone: "UTC" };
            try {
                formats[cle] = new Intl.DateTimeFormat(langue === "en" ? "en-GB" : langue, options);
            } catch (erreur) {
                formats[cle] = new Intl.DateTimeFormat("en-GB", options);
            }
        }
        return formats[cle].format(new Date(Date.UTC(annee, mois - 1, jour || 1)));
    }

    formaterDate.formats = {};

    calendrier.textes = textes;
    calendrier.formaterTexte = formaterTexte;
    calendrier.formaterDate = formaterDate;
}());
