// The calendar's dates: at a given moment, by the calendar's options, which
// balls open, when a locked one opens, what the line under the balls and the
// countdown say, and the mark of the current run. One pure function of the
// options and the moment: no page state, no DOM, so Node loads it as well.
"use strict";

(function () {
    var JOUR_MS = 86400000;
    // The zones' date formats, made once each; false for a zone the engine does not know.
    var formatsFuseaux = {};

    // The options as the written lines may leave them, made safe: a number
    // of days from 1 to 31, a month from 0 (any) to 12.
    function normaliser(options) {
        var mois = Math.floor(Number(options.mois));
        return {
            rattrapage: options.rattrapage === true,
            mois: mois >= 1 && mois <= 12 ? mois : 0,
            fuseau: typeof options.fuseau === "string" ? options.fuseau : "",
            debut: typeof options.debut === "string" ? options.debut : "",
            jours: nombreJours(options.jours)
        };
    }

    function nombreJours(jours) {
        return Math.min(31, Math.max(1, Math.floor(Number(jours)) || 31));
    }

    function formatDe(fuseau) {
        if (!Object.prototype.hasOwnProperty.call(formatsFuseaux, fuseau)) {
            try {
                formatsFuseaux[fuseau] = new Intl.DateTimeFormat("en-US-u-ca-gregory-nu-latn", {
                    timeZone: fuseau, year: "numeric", month: "numeric", day: "numeric",
                    hour: "numeric", minute: "numeric", second: "numeric", hourCycle: "h23"
                });
            } catch (erreur) {
                formatsFuseaux[fuseau] = false;
            }
        }
        return formatsFuseaux[fuseau];
    }

    // The date { annee, mois, jour } at `moment` and the seconds since its
    // midnight: in the calendar's zone when the engine knows it, else by the
    // visitor's clock.
    function dateDans(fuseau, moment) {
        var instant = new Date(moment);
        var format = fuseau ? formatDe(fuseau) : false;
        if (format) {
            var parties = {};
            format.formatToParts(instant).forEach(function (partie) {
                parties[partie.type] = parseInt(partie.value, 10);
            });
            if (parties.year > 0 && parties.month > 0 && parties.day > 0) {
                return { annee: parties.year, mois: parties.month, jour: parties.day,
                    secondes: (parties.hour % 24) * 3600 + parties.minute * 60 + parties.second };
            }
        }
        return { annee: instant.getFullYear(), mois: instant.getMonth() + 1, jour: instant.getDate(),
            secondes: instant.getHours() * 3600 + instant.getMinutes() * 60 + instant.getSeconds() };
    }

    // Days since 1 January 1970 of a calendar date, and back.
    function indiceJour(annee, mois, jour) {
        return Math.round(Date.UTC(annee, mois - 1, jour) / JOUR_MS);
    }

    function dateDIndice(indice) {
        var date = new Date(indice * JOUR_MS);
        return { annee: date.getUTCFullYear(), mois: date.getUTCMonth() + 1, jour: date.getUTCDate() };
    }

    function joursDuMois(annee, mois) {
        return new Date(Date.UTC(annee, mois, 0)).getUTCDate();
    }

    // The period of a calendar with a first day, as seen on `date`: the index
    // of its first day and today's rank in it (1 on the first day, below 1
    // before, above the number of days after); null for a calendar of the days
    // of the month. A yearly start counts from this year's date once it has
    // come, else from last year's; a 29 February start falls on 1 March in
    // other years.
    function periodeDu(debut, date) {
        var unique = /^(\d{4})-(\d{2})-(\d{2})$/.exec(debut);
        var annuel = /^(\d{2})-(\d{2})$/.exec(debut);
        var parties = unique ? unique.slice(2) : annuel ? annuel.slice(1) : null;
        if (!parties || +parties[0] < 1 || +parties[0] > 12 || +parties[1] < 1 || +parties[1] > 31) {
            return null;
        }
        var ce = indiceJour(date.annee, date.mois, date.jour);
        var premier = indiceJour(unique ? +unique[1] : date.annee, +parties[0], +parties[1]);
        if (annuel && premier > ce) {
            premier = indiceJour(date.annee - 1, +parties[0], +parties[1]);
        }
        return { premier: premier, rang: ce - premier + 1 };
    }

    // Whether ball `numero` opens: today's ball (and the earlier ones when past
    // days stay open), in the period or in the chosen month if there is one;
    // after the period every ball, after that month every ball when past days
    // stay open.
    function ouvrable(o, date, periode, numero) {
        if (periode) {
            return periode.rang > o.jours || numero === periode.rang || (o.rattrapage && numero <= periode.rang);
        }
        if (o.mois === 0 || date.mois === o.mois) {
            return numero === date.jour || (o.rattrapage && numero <= date.jour);
        }
        return o.rattrapage && date.mois > o.mois;
    }

    // When a locked ball opens, or why it never does: a text key and its dates.
    function ferme(o, date, periode, numero) {
        if (periode) {
            return { cle: numero < periode.rang ? "etaitOuvertLe" : "ouvreLe", date: dateDIndice(periode.premier + numero - 1) };
        }
        if (o.mois === 0) {
            // The next month, this one included, that has this day.
            var annee = date.annee;
            var m = date.mois;
            while ((numero < date.jour && m === date.mois && annee === date.annee) || numero > joursDuMois(annee, m)) {
                m = m === 12 ? 1 : m + 1;
                annee += m === 1 ? 1 : 0;
            }
            return { cle: "ouvreLe", date: { annee: annee, mois: m, jour: numero } };
        }
        var longueur = joursDuMois(date.annee, o.mois);
        if (numero <= longueur) {
            return { cle: "ouvreLe", date: { annee: date.annee, mois: o.mois, jour: numero } };
        }
        if (o.rattrapage && o.mois < 12) {
            return { cle: "ouvreLe", date: { annee: date.annee, mois: o.mois + 1, jour: 1 } };
        }
        return { cle: "resteFerme", mois: { annee: date.annee, mois: o.mois }, n: longueur };
    }

    // The line under the balls when none may open yet or any more.
    function ligne(o, date, periode) {
        if (periode) {
            return periode.rang < 1 ? { cle: "ouvertureLe", date: dateDIndice(periode.premier) } : null;
        }
        if (o.mois === 0 || date.mois === o.mois || (o.rattrapage && date.mois > o.mois)) {
            return null;
        }
        return { cle: date.mois < o.mois ? "ouvertureLe" : "reouvertureLe", date: { annee: date.annee, mois: o.mois, jour: 1 } };
    }

    // While the period runs: when the next day opens, at midnight by the calendar's clock.
    function compte(o, date, periode) {
        if (!periode || periode.rang < 1 || periode.rang >= o.jours) {
            return null;
        }
        var minutes = Math.floor((86400 - date.secondes) / 60);
        return { n: periode.rang + 1, h: Math.floor(minutes / 60), min: minutes % 60 };
    }

    // A day opened is remembered for the calendar's current run: its period
    // when it has a first day, the year when it has a month of its own, else
    // the month.
    function marque(o, date, periode) {
        if (periode) {
            return "j" + periode.premier;
        }
        return o.mois === 0 ? date.annee + "-" + date.mois : String(date.annee);
    }

    // Everything the page shows of the calendar's dates at `moment` (a Date or
    // milliseconds), for the options { rattrapage, mois, fuseau, debut, jours }.
    // jours[k - 1] tells of ball k: ouvrable, and when locked, ferme.
    function etatCalendrier(options, moment) {
        var o = normaliser(options);
        var date = dateDans(o.fuseau, moment);
        var periode = periodeDu(o.debut, date);
        var jours = [];
        for (var numero = 1; numero <= o.jours; numero++) {
            var ouvert = ouvrable(o, date, periode, numero);
            jours.push({ ouvrable: ouvert, ferme: ouvert ? null : ferme(o, date, periode, numero) });
        }
        return {
            date: date,
            jours: jours,
            ligne: ligne(o, date, periode),
            compte: compte(o, date, periode),
            marque: marque(o, date, periode)
        };
    }

    var periode = { etat: etatCalendrier, nombreJours: nombreJours };
    if (typeof module !== "undefined" && module.exports) {
        module.exports = periode;
    } else {
        calendrier.periode = periode;
    }
}());
