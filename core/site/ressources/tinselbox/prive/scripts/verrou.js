// A private calendar's lock: the page asks for the password once, then shows a
// day's content when its ball opens. Loaded only by a private calendar's page, or
// one whose doors open only on their day.
//
// What decrypts (scripts/dechiffrement.js) comes once a key is at hand: a phone
// that opens the page downloads only the form.
"use strict";

(function () {
    var ns = calendrier;
    // Written by the generator under the marker: the password's salt and
    // iteration count, the wrapped master key, a picture's time on screen (ms).
    var parametres = { sel: "", iterations: 0, enveloppe: "", duree: 10000 };
    // Doors that open only on their day: the day whose key the site holds (0
    // before the run) and that key, or with a password, that key wrapped under
    // the master key. Null without the option.
    var chaine = null;
    // <PARAMETRES DU VERROU>

    // In the calendar's language: the generator translates each line.
    var textesVerrou = {
        verrouTitre: "This calendar is private.",
        verrouMotDePasse: "Password",
        verrouSouvenir: "Remember on this device",
        verrouOuvrir: "Open",
        verrouEnCours: "Opening…",
        verrouFaux: "Wrong password. Please try again.",
        verrouEndommage: "This day's content is damaged and cannot be shown.",
        verrouPasEncore: "This door opens on its day.",
        verrouReseau: "The calendar cannot be opened right now: check the connection and try again.",
        verrouHttps: "This calendar needs an https:// address: ask for its link beginning with https://."
    };

    var subtle = window.crypto && window.crypto.subtle;
    var CLE_STOCKAGE = "tinselbox.verrou:" + window.location.pathname;
    // Whether a key opened the calendar, and the trying of the keys known on open.
    var ouvert = false;
    var essai = Promise.resolve();
    var chargement = null;
    var panneau = null;
    var champ = null;
    var souvenir = null;
    var bouton = null;
    var ligneEtat = null;
    var avis = null;

    function el(nom, attributs, enfants) {
        var element = document.createElement(nom);
        Object.keys(attributs || {}).forEach(function (cle) {
            element.setAttribute(cle, attributs[cle]);
        });
        (enfants || []).forEach(function (enfant) {
            element.appendChild(typeof enfant === "string" ? document.createTextNode(enfant) : enfant);
        });
        return element;
    }

    function stockage(nom) {
        try {
            return window[nom];
        } catch (erreur) {
            return null;
        }
    }

    // The rest of the page is out of reach of the keyboard and of screen
    // readers while the password is asked.
    function mettreHorsDePortee(horsDePortee) {
        Array.prototype.forEach.call(document.body.children, function (enfant) {
            if (enfant !== panneau && enfant !== avis) {
                if (horsDePortee) {
                    enfant.setAttribute("inert", "");
                } else {
                    enfant.removeAttribute("inert");
                }
            }
        });
    }

    function creerPanneau() {
        panneau = el("div", { id: "verrou", role: "dialog", "aria-modal": "true", "aria-labelledby": "verrou-titre" });
        if (!window.isSecureContext || !subtle) {
            // Plain http:// to another host: browsers give such a page no WebCrypto.
            panneau.appendChild(el("p", { id: "verrou-titre", role: "alert" }, [textesVerrou.verrouHttps]));
            return;
        }
        champ = el("input", { id: "verrou-mot", type: "password", name: "password", autocomplete: "current-password",
            required: "" });
        souvenir = el("input", { id: "verrou-souvenir", type: "checkbox" });
        bouton = el("button", { type: "submit" }, [textesVerrou.verrouOuvrir]);
        ligneEtat = el("p", { id: "verrou-etat", role: "status", "aria-live": "assertive" });
        var formulaire = el("form", { "aria-labelledby": "verrou-titre" }, [
            el("p", { id: "verrou-titre" }, [textesVerrou.verrouTitre]),
            el("label", { for: "verrou-mot" }, [textesVerrou.verrouMotDePasse]),
            champ,
            el("label", { for: "verrou-souvenir" }, [souvenir, " " + textesVerrou.verrouSouvenir]),
            bouton,
            ligneEtat
        ]);
        // The decryption arrives while the password is typed rather than after.
        champ.addEventListener("input", function () {
            chargerDechiffrement().catch(function () {
                // Submitting tries again, and says why it fails.
            });
        }, { once: true });
        formulaire.addEventListener("submit", function (evenement) {
            evenement.preventDefault();
            essayerMotDePasse();
        });
        panneau.appendChild(formulaire);
    }

    function styler() {
        var style = el("style", {}, ["#verrou{position:fixed;inset:0;display:flex;align-items:center;"
            + "justify-content:center;background:#0008;z-index:10}#verrou,#verrou-avis{font:18px Georgia,serif}"
            + "#verrou form,#verrou>p{background:#fffaf0;border:3px solid #cb4127;border-radius:12px;"
            + "padding:24px;display:flex;flex-direction:column;gap:10px;max-width:22em;margin:12px}"
            + "#verrou input,#verrou button{font:inherit;padding:6px}"
            + "#verrou-avis{position:fixed;left:0;right:0;bottom:12px;text-align:center;z-index:9;"
            + "color:#cb4127;pointer-events:none}"]);
        document.head.appendChild(style);
    }

    function montrerPanneau() {
        if (!panneau.parentNode) {
            document.body.appendChild(panneau);
        }
        mettreHorsDePortee(true);
        if (champ) {
            champ.focus();
        }
    }

    function fermerPanneau() {
        if (panneau.parentNode) {
            panneau.parentNode.removeChild(panneau);
        }
        mettreHorsDePortee(false);
    }

    function dire(texte) {
        avis.textContent = texte;
    }

    // The decryption script, loaded once; a failed load is tried again at the next need.
    function chargerDechiffrement() {
        if (!chargement) {
            chargement = new Promise(function (resoudre, rejeter) {
                var script = el("script", { src: "scripts/dechiffrement.js" });
                script.addEventListener("load", resoudre);
                script.addEventListener("error", function () {
                    chargement = null;
                    script.parentNode.removeChild(script);
                    rejeter(new Error("reseau"));
                });
                document.head.appendChild(script);
            });
        }
        return chargement;
    }

    // What the visitor is told of a failure: `parDefaut` unless it is the network's
    // or a door's that opens on its day.
    function texteErreur(erreur, parDefaut) {
        var message = erreur && erreur.message;
        return message === "reseau" ? textesVerrou.verrouReseau
            : message === "pasEncore" ? textesVerrou.verrouPasEncore : parDefaut;
    }

    function essayerMotDePasse() {
        var motDePasse = champ.value;
        bouton.disabled = true;
        ligneEtat.textContent = textesVerrou.verrouEnCours;
        chargerDechiffrement()
            .then(function () {
                return ns.verrou.essayerMotDePasse(motDePasse);
            })
            .then(function (cle) {
                bouton.disabled = false;
                if (!cle) {
                    ligneEtat.textContent = textesVerrou.verrouFaux;
                    champ.select();
                    champ.focus();
                    return;
                }
                ouvert = true;
                // The key lasts for the session unless the visitor asks to be remembered.
                var garde = stockage(souvenir.checked ? "localStorage" : "sessionStorage");
                if (garde) {
                    garde.setItem(CLE_STOCKAGE, cle);
                }
                champ.value = "";
                fermerPanneau();
            })
            .catch(function (erreur) {
                bouton.disabled = false;
                ligneEtat.textContent = texteErreur(erreur, textesVerrou.verrouFaux);
            });
    }

    // The key from the address (#k=..., as a shared card carries it), then the
    // one kept by this browser; the form when none opens the calendar.
    function clesConnues() {
        var cles = [];
        var fragment = window.location.hash.replace(/^#/, "").split("&");
        fragment.forEach(function (partie) {
            if (partie.indexOf("k=") === 0) {
                cles.push(partie.slice(2));
            }
        });
        ["sessionStorage", "localStorage"].forEach(function (nom) {
            var garde = stockage(nom);
            var valeur = garde && garde.getItem(CLE_STOCKAGE);
            if (valeur) {
                cles.push(valeur);
            }
        });
        return cles;
    }

    // Doors that open only on their day need no password when the calendar is not private.
    function estPrive() {
        return parametres.enveloppe !== "";
    }

    function demarrer() {
        styler();
        avis = el("p", { id: "verrou-avis", role: "alert" });
        document.body.appendChild(avis);
        if (!estPrive() && subtle && window.isSecureContext) {
            // The site holds its chain's key: nothing to wait for.
            chargerDechiffrement().catch(function () {
                // A day asks for it again when its ball opens.
            });
            return;
        }
        creerPanneau();
        if (!champ) {
            montrerPanneau();
            return;
        }
        var cles = clesConnues();
        if (!cles.length) {
            montrerPanneau();
            return;
        }
        essai = chargerDechiffrement().then(function () {
            return ns.verrou.essayerCles(cles);
        }).catch(function () {
            return false;
        }).then(function (ok) {
            ouvert = ok;
            if (!ok) {
                montrerPanneau();
            }
        });
    }

    // Called by a day's written lines: decrypts the day's content, then shows it
    // as a plain site would. `fonctions` are the page's declencherTimer,
    // detecterArret and afficherMenu, in this order.
    function ouvrir(identite, fonctions) {
        var scene = { declencherTimer: fonctions[0], detecterArret: fonctions[1], afficherMenu: fonctions[2] };
        var jour = ns.numeroJour;
        dire("");
        // A key known on open may still be on its way.
        essai.then(function () {
            if (!subtle || (estPrive() && !ouvert)) {
                scene.afficherMenu();
                if (panneau) {
                    montrerPanneau();
                }
                return null;
            }
            return chargerDechiffrement().then(function () {
                return ns.verrou.montrerJour(identite, jour, scene);
            });
        }).catch(function (erreur) {
            dire(texteErreur(erreur, textesVerrou.verrouEndommage));
            if (ns.projectionEnCours && ns.numeroJour === jour) {
                scene.afficherMenu();
            }
        });
    }

    ns.verrou = { parametres: parametres, chaine: chaine, ouvrir: ouvrir, chargerDechiffrement: chargerDechiffrement };

    if (document.readyState === "loading") {
        document.addEventListener("DOMContentLoaded", demarrer);
    } else {
        demarrer();
    }
}());
