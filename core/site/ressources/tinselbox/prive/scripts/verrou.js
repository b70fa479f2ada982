// A private calendar: the page asks for the password once, then decrypts a
// day's content when its ball opens. Loaded only by a private calendar's page.
//
// Each day's content is a classic script data/IDENTITE.js that hands its
// encrypted chunks to calendrier.verrou.recevoir (a page opened from disk may not fetch()
// its own files, but it may load scripts). The master key is wrapped under the
// key derived from the password (PBKDF2-SHA256); each file's key comes from the
// master key by HKDF; each chunk is sealed with AES-256-GCM, its identity, index
// and last-chunk flag bound as associated data.
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
        verrouHttps: "This calendar needs an https:// address: ask for its link beginning with https://."
    };

    var TAILLE_NONCE = 12;
    var ETIQUETTE_FICHIER = "tinselbox/fichier/1";
    var ETIQUETTE_ENVELOPPE = "tinselbox/enveloppe/1";
    var ETIQUETTE_CONTENU = "tinselbox/jour/1";
    var ETIQUETTE_ENVELOPPE_CHAINE = "tinselbox/enveloppe-chaine/1";
    var encodeur = new TextEncoder();

    // ---- The format, with no DOM: the page and the tests under Node share it.

    function base64EnOctets(texte) {
        var normal = texte.replace(/-/g, "+").replace(/_/g, "/");
        while (normal.length % 4 !== 0) {
            normal += "=";
        }
        if (typeof Uint8Array.fromBase64 === "function") {
            return Uint8Array.fromBase64(normal);
        }
        var binaire = atob(normal);
        var octets = new Uint8Array(binaire.length);
        for (var i = 0; i < binaire.length; i++) {
            octets[i] = binaire.charCodeAt(i);
        }
        return octets;
    }

    function octetsEnBase64(octets) {
        var vue = new Uint8Array(octets);
        var binaire = "";
        for (var i = 0; i < vue.length; i++) {
            binaire += String.fromCharCode(vue[i]);
        }
        return btoa(binaire).replace(/\+/g, "-").replace(/\//g, "_").replace(/=+$/, "");
    }

    function joindre(parties) {
        var total = 0;
        parties.forEach(function (partie) {
            total += partie.length;
        });
        var resultat = new Uint8Array(total);
        var position = 0;
        parties.forEach(function (partie) {
            resultat.set(partie, position);
            position += partie.length;
        });
        return resultat;
    }

    function grosBout(valeur) {
        return new Uint8Array([(valeur >>> 24) & 255, (valeur >>> 16) & 255, (valeur >>> 8) & 255, valeur & 255]);
    }

    function nonceMorceau(index) {
        var nonce = new Uint8Array(TAILLE_NONCE);
        nonce.set(grosBout(index), TAILLE_NONCE - 4);
        return nonce;
    }

    function donneesAssociees(identite, index, dernier) {
        return joindre([encodeur.encode(identite), grosBout(index), new Uint8Array([dernier ? 1 : 0])]);
    }

    // The password's key (32 raw bytes), as the generator derives it.
    function deriverMotDePasse(subtle, motDePasse, sel, iterations) {
        return subtle.importKey("raw", encodeur.encode(motDePasse.normalize("NFC")), "PBKDF2", false, ["deriveBits"])
            .then(function (base) {
                return subtle.deriveBits({ name: "PBKDF2", hash: "SHA-256", salt: sel, iterations: iterations },
                    base, 256);
            })
            .then(function (bits) {
                return new Uint8Array(bits);
            });
    }

    // The master key, ready for HKDF, from the password's key; rejects on a
    // wrong password.
    function desenvelopper(subtle, cleMotDePasse, enveloppe) {
        return subtle.importKey("raw", cleMotDePasse, "AES-GCM", false, ["decrypt"])
            .then(function (cle) {
                return subtle.decrypt({
                    name: "AES-GCM",
                    iv: enveloppe.subarray(0, TAILLE_NONCE),
                    additionalData: encodeur.encode(ETIQUETTE_ENVELOPPE)
                }, cle, enveloppe.subarray(TAILLE_NONCE));
            })
            .then(function (cleMaitre) {
                return subtle.importKey("raw", cleMaitre, "HKDF", false, ["deriveKey"]);
            });
    }

    // The content of one file, its chunks in order; rejects when any chunk is
    // changed, missing, added or out of place.
    function dechiffrerFichier(subtle, cleMaitre, identite, sel, morceaux) {
        if (!morceaux.length) {
            return Promise.reject(new Error("endommage"));
        }
        return subtle.deriveKey({
            name: "HKDF",
            hash: "SHA-256",
            salt: sel,
            info: joindre([encodeur.encode(ETIQUETTE_FICHIER), new Uint8Array([0]), encodeur.encode(identite)])
        }, cleMaitre, { name: "AES-GCM", length: 256 }, false, ["decrypt"]).then(function (cle) {
            return Promise.all(morceaux.map(function (morceau, i) {
                return subtle.decrypt({
                    name: "AES-GCM",
                    iv: nonceMorceau(i),
                    additionalData: donneesAssociees(identite, i, i === morceaux.length - 1)
                }, cle, morceau).then(function (clair) {
                    return new Uint8Array(clair);
                });
            }));
        }).then(joindre);
    }

    // A decrypted file: a line of JSON that says what it is, then the media's bytes.
    function lireContenu(clair) {
        var fin = clair.indexOf(10);
        if (fin < 0) {
            throw new Error("endommage");
        }
        return { entete: JSON.parse(new TextDecoder().decode(clair.subarray(0, fin))), octets: clair.subarray(fin + 1) };
    }

    // ---- The chain of days' keys.

    var format = {
        base64EnOctets: base64EnOctets,
        octetsEnBase64: octetsEnBase64,
        deriverMotDePasse: deriverMotDePasse,
        desenvelopper: desenvelopper,
        dechiffrerFichier: dechiffrerFichier,
        lireContenu: lireContenu
    };

    // <CHAINE> Doors that open only on their day: the generator leaves this out of a
    // calendar without them, which never reaches it (`chaine` stays null).
    // Day `jour`'s key (32 raw bytes) from the key of day `depuis`, a later day or
    // the same: one SHA-256 per day between. No later day can be reached.
    format.cleJour = function (subtle, cle, depuis, jour) {
        if (jour > depuis || jour < 1) {
            return Promise.reject(new Error("pasEncore"));
        }
        var suite = Promise.resolve(cle);
        for (var d = depuis; d > jour; d--) {
            suite = suite.then(function (octets) {
                return subtle.digest("SHA-256", octets);
            }).then(function (empreinte) {
                return new Uint8Array(empreinte);
            });
        }
        return suite;
    };

    // What a day's content is encrypted from, ready for HKDF, from the day's key.
    format.cleContenu = function (subtle, cleDuJour) {
        return subtle.importKey("raw", cleDuJour, "HKDF", false, ["deriveBits"]).then(function (base) {
            return subtle.deriveBits({ name: "HKDF", hash: "SHA-256", salt: new Uint8Array(0),
                info: encodeur.encode(ETIQUETTE_CONTENU) }, base, 256);
        }).then(function (bits) {
            return subtle.importKey("raw", bits, "HKDF", false, ["deriveKey"]);
        });
    };

    // The chain's key a private site holds, from its master key (as desenvelopper
    // gives it).
    format.desenvelopperCleChaine = function (subtle, cleMaitre, enveloppe) {
        return subtle.deriveKey({ name: "HKDF", hash: "SHA-256", salt: new Uint8Array(0),
            info: encodeur.encode(ETIQUETTE_ENVELOPPE_CHAINE) }, cleMaitre, { name: "AES-GCM", length: 256 }, false,
        ["decrypt"]).then(function (cle) {
            return subtle.decrypt({ name: "AES-GCM", iv: enveloppe.subarray(0, TAILLE_NONCE),
                additionalData: encodeur.encode(ETIQUETTE_ENVELOPPE_CHAINE) }, cle, enveloppe.subarray(TAILLE_NONCE));
        }).then(function (cle) {
            return new Uint8Array(cle);
        });
    };
    // </CHAINE>

    if (typeof document === "undefined") {
        ns.verrou = { format: format };
        return;
    }

    // ---- The page.

    var subtle = window.crypto && window.crypto.subtle;
    var CLE_STOCKAGE = "tinselbox.verrou:" + window.location.pathname;
    // The master key once the password is known, or null.
    var cleMaitre = null;
    // What each data/IDENTITE.js script handed over, until it is decrypted.
    var recus = new Map();
    var attentes = new Map();
    var panneau = null;
    var champ = null;
    var souvenir = null;
    var bouton = null;
    var ligneEtat = null;
    var avis = null;
    // Addresses of the content shown, revoked when the balls come back.
    var adresses = [];

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

    // Opens the calendar with the password's key; false when it is not the one.
    function essayerCle(cleMotDePasse) {
        return desenvelopper(subtle, cleMotDePasse, base64EnOctets(parametres.enveloppe)).then(function (cle) {
            cleMaitre = cle;
            montrerFond();
            return true;
        }, function () {
            return false;
        });
    }

    function essayerMotDePasse() {
        var motDePasse = champ.value;
        bouton.disabled = true;
        ligneEtat.textContent = textesVerrou.verrouEnCours;
        var derivee = null;
        deriverMotDePasse(subtle, motDePasse, base64EnOctets(parametres.sel), parametres.iterations)
            .then(function (cle) {
                derivee = cle;
                return essayerCle(cle);
            })
            .then(function (ouvert) {
                bouton.disabled = false;
                if (!ouvert) {
                    ligneEtat.textContent = textesVerrou.verrouFaux;
                    champ.select();
                    champ.focus();
                    return;
                }
                // The key lasts for the session unless the visitor asks to be remembered.
                var garde = stockage(souvenir.checked ? "localStorage" : "sessionStorage");
                if (garde) {
                    garde.setItem(CLE_STOCKAGE, octetsEnBase64(derivee));
                }
                champ.value = "";
                fermerPanneau();
            })
            .catch(function () {
                bouton.disabled = false;
                ligneEtat.textContent = textesVerrou.verrouFaux;
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

    function ouvrirAvecClesConnues(cles) {
        if (!cles.length) {
            return Promise.resolve(false);
        }
        var cle;
        try {
            cle = base64EnOctets(cles[0]);
        } catch (erreur) {
            return ouvrirAvecClesConnues(cles.slice(1));
        }
        return essayerCle(cle).then(function (ouvert) {
            return ouvert || ouvrirAvecClesConnues(cles.slice(1));
        });
    }

    // Doors that open only on their day need no password when the calendar is not private.
    function estPrive() {
        return parametres.enveloppe !== "";
    }

    // The key day `jour`'s content is encrypted from: the master key, or the day's
    // own from the chain; rejects with "pasEncore" for a day this site holds no key of.
    function cleDuContenu(jour) {
        if (!chaine) {
            return Promise.resolve(cleMaitre);
        }
        if (!chaine.jour || jour > chaine.jour) {
            return Promise.reject(new Error("pasEncore"));
        }
        var cle = chaine.cle ? Promise.resolve(base64EnOctets(chaine.cle))
            : format.desenvelopperCleChaine(subtle, cleMaitre, base64EnOctets(chaine.enveloppe));
        return cle.then(function (octets) {
            return format.cleJour(subtle, octets, chaine.jour, jour);
        }).then(function (octets) {
            return format.cleContenu(subtle, octets);
        });
    }

    function demarrer() {
        styler();
        avis = el("p", { id: "verrou-avis", role: "alert" });
        document.body.appendChild(avis);
        if (!estPrive() && subtle && window.isSecureContext) {
            return;
        }
        creerPanneau();
        if (!champ) {
            montrerPanneau();
            return;
        }
        ouvrirAvecClesConnues(clesConnues()).then(function (ouvert) {
            if (!ouvert) {
                montrerPanneau();
            }
        });
    }

    // The family's picture, for the window's shape, drawn behind the balls once
    // it is decrypted; it stays for the visit.
    function montrerFond() {
        if (!parametres.fond || ns.photoDeFond) {
            return;
        }
        var identite = parametres.fond[window.innerHeight > window.innerWidth ? 0 : 1];
        charger(identite).then(function (donnees) {
            return dechiffrerFichier(subtle, cleMaitre, identite, base64EnOctets(donnees.sel),
                donnees.morceaux.map(base64EnOctets));
        }).then(function (clair) {
            var photo = new Image();
            photo.addEventListener("load", function () {
                ns.photoDeFond = photo;
            });
            photo.src = URL.createObjectURL(new Blob([lireContenu(clair).octets], { type: "image/jpeg" }));
        }).catch(function () {
            // The page stays usable on its own sky.
        });
    }

    // Loads data/IDENTITE.js, which calls recevoir.
    function charger(identite) {
        return new Promise(function (resoudre, rejeter) {
            attentes.set(identite, { resoudre: resoudre, rejeter: rejeter });
            var script = el("script", { src: "data/" + identite + ".js" });
            var finir = function () {
                script.parentNode.removeChild(script);
                var attente = attentes.get(identite);
                if (attente) {
                    attentes.delete(identite);
                    attente.rejeter(new Error("endommage"));
                }
            };
            script.addEventListener("load", finir);
            script.addEventListener("error", finir);
            document.head.appendChild(script);
        });
    }

    function recevoir(identite, sel, morceaux) {
        var attente = attentes.get(identite);
        if (attente) {
            attentes.delete(identite);
            attente.resoudre({ sel: sel, morceaux: morceaux });
        } else {
            recus.set(identite, { sel: sel, morceaux: morceaux });
        }
    }

    function revoquer() {
        adresses.forEach(function (adresse) {
            URL.revokeObjectURL(adresse);
        });
        adresses = [];
    }

    // The content is let go as soon as the balls are back.
    function surveillerFermeture() {
        if (ns.projectionEnCours) {
            setTimeout(surveillerFermeture, 250);
        } else {
            revoquer();
        }
    }

    // What the day's written lines of a plain site do, with the decrypted content.
    function montrer(identite, contenu, scene) {
        var entete = contenu.entete;
        if (entete.genre === "message") {
            carte = new Carte(entete.texte);
            imagesMobiles.push(carte);
            scene.declencherTimer(carte, parametres.duree);
            return;
        }
        var adresse = URL.createObjectURL(new Blob([contenu.octets], { type: entete.type || "" }));
        adresses.push(adresse);
        if (entete.genre === "photo") {
            ns.collectionPhotos.fichiers.set(identite, adresse);
            ns.collectionPhotos.images.delete(identite);
            photo = new Photo(identite);
            imagesMobiles.push(photo);
            scene.declencherTimer(photo, parametres.duree);
        } else if (entete.genre === "musique") {
            pochette = new Photo("pochette");
            imagesMobiles.push(pochette);
            pochette.sortir();
            collectionSons.chargerSon(identite, adresse);
            son = collectionSons.jouerSon(identite);
            scene.detecterArret(son);
        } else {
            ecran = new Video(identite);
            collectionVideos.chargerVideo(identite, adresse, ecran);
            video = collectionVideos.jouerVideo(identite, ecran);
            videos.push(ecran);
            scene.detecterArret(video);
        }
    }

    // Called by a day's written lines: decrypts the day's content, then shows it
    // as a plain site would. `fonctions` are the page's declencherTimer,
    // detecterArret and afficherMenu, in this order.
    function ouvrir(identite, fonctions) {
        var scene = { declencherTimer: fonctions[0], detecterArret: fonctions[1], afficherMenu: fonctions[2] };
        var jour = ns.numeroJour;
        dire("");
        if (!subtle || (estPrive() && !cleMaitre)) {
            scene.afficherMenu();
            if (panneau) {
                montrerPanneau();
            }
            return;
        }
        var recu = recus.get(identite);
        recus.delete(identite);
        var cleFichiers = null;
        cleDuContenu(jour)
            .then(function (cle) {
                cleFichiers = cle;
                return recu || charger(identite);
            })
            .then(function (donnees) {
                return dechiffrerFichier(subtle, cleFichiers, identite, base64EnOctets(donnees.sel),
                    donnees.morceaux.map(base64EnOctets));
            })
            .then(function (clair) {
                // The visitor may have gone back to the balls meanwhile.
                if (!ns.projectionEnCours || ns.numeroJour !== jour) {
                    return;
                }
                revoquer();
                montrer(identite, lireContenu(clair), scene);
                ns.annoncer(ns.natureDuJour(jour));
                surveillerFermeture();
            })
            .catch(function (erreur) {
                dire(erreur && erreur.message === "pasEncore" ? textesVerrou.verrouPasEncore
                    : textesVerrou.verrouEndommage);
                if (ns.projectionEnCours && ns.numeroJour === jour) {
                    scene.afficherMenu();
                }
            });
    }

    if (document.readyState === "loading") {
        document.addEventListener("DOMContentLoaded", demarrer);
    } else {
        demarrer();
    }

    ns.verrou = { format: format, ouvrir: ouvrir, recevoir: recevoir };
}());
