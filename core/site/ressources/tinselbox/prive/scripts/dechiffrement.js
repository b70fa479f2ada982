// A private calendar's decryption, loaded by its lock (scripts/verrou.js) once a key
// is at hand: after the password is typed, or at once with a remembered key, a key in
// the address, or doors that open on their day without a password. A phone that opens
// the page downloads none of it.
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
    // The lock's parameters and chain (see verrou.js), and what this script adds.
    var verrou = ns.verrou;

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

    // ---- The page. Only functions from here: the tests under Node load the format.

    var subtle = crypto.subtle;
    // The master key once a key opened the calendar, or null.
    var cleMaitre = null;
    // What each data/IDENTITE.js script handed over, until it is decrypted.
    var recus = new Map();
    var attentes = new Map();
    // Addresses of the content shown, revoked when the balls come back.
    var adresses = [];

    // Opens the calendar with the password's key; false when it is not the one.
    function essayerCle(cleMotDePasse) {
        return desenvelopper(subtle, cleMotDePasse, base64EnOctets(verrou.parametres.enveloppe))
            .then(function (cle) {
                cleMaitre = cle;
                montrerFond();
                return true;
            }, function () {
                return false;
            });
    }

    // The password's key, in base64 for the browser to keep, when it opens the calendar;
    // null when it does not.
    function essayerMotDePasse(motDePasse) {
        var parametres = verrou.parametres;
        return deriverMotDePasse(subtle, motDePasse, base64EnOctets(parametres.sel), parametres.iterations)
            .then(function (cle) {
                return essayerCle(cle).then(function (ouvert) {
                    return ouvert ? octetsEnBase64(cle) : null;
                });
            });
    }

    // The keys known without the form (in base64), in order; true once one opens the calendar.
    function essayerCles(cles) {
        if (!cles.length) {
            return Promise.resolve(false);
        }
        var cle;
        try {
            cle = base64EnOctets(cles[0]);
        } catch (erreur) {
            return essayerCles(cles.slice(1));
        }
        return essayerCle(cle).then(function (ouvert) {
            return ouvert || essayerCles(cles.slice(1));
        });
    }

    // The key day `jour`'s content is encrypted from: the master key, or the day's
    // own from the chain; rejects with "pasEncore" for a day this site holds no key of.
    function cleDuContenu(jour) {
        var chaine = verrou.chaine;
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

    // The content of the file `identite`, decrypted with `cle`.
    function dechiffrer(identite, cle, donnees) {
        return (donnees ? Promise.resolve(donnees) : charger(identite)).then(function (recu) {
            return dechiffrerFichier(subtle, cle, identite, base64EnOctets(recu.sel),
                recu.morceaux.map(base64EnOctets));
        }).then(lireContenu);
    }

    // The family's picture, for the window's shape, drawn behind the balls once
    // it is decrypted; it stays for the visit.
    function montrerFond() {
        var fond = verrou.parametres.fond;
        if (!fond || ns.photoDeFond) {
            return;
        }
        dechiffrer(fond[window.innerHeight > window.innerWidth ? 0 : 1], cleMaitre).then(function (contenu) {
            var photo = new Image();
            photo.addEventListener("load", function () {
                ns.photoDeFond = photo;
            });
            photo.src = URL.createObjectURL(new Blob([contenu.octets], { type: "image/jpeg" }));
        }).catch(function () {
            // The page stays usable on its own sky.
        });
    }

    // Loads data/IDENTITE.js, which calls recevoir.
    function charger(identite) {
        return new Promise(function (resoudre, rejeter) {
            attentes.set(identite, { resoudre: resoudre, rejeter: rejeter });
            var script = document.createElement("script");
            script.src = "data/" + identite + ".js";
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
        var duree = verrou.parametres.duree;
        if (entete.genre === "message") {
            carte = new Carte(entete.texte);
            imagesMobiles.push(carte);
            scene.declencherTimer(carte, duree);
            return;
        }
        var adresse = URL.createObjectURL(new Blob([contenu.octets], { type: entete.type || "" }));
        adresses.push(adresse);
        if (entete.genre === "photo") {
            ns.collectionPhotos.fichiers.set(identite, adresse);
            ns.collectionPhotos.images.delete(identite);
            photo = new Photo(identite);
            imagesMobiles.push(photo);
            scene.declencherTimer(photo, duree);
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

    // Decrypts day `jour`'s content and shows it as a plain site would, unless the
    // visitor went back to the balls meanwhile; rejects with "pasEncore" or "endommage".
    function montrerJour(identite, jour, scene) {
        var recu = recus.get(identite);
        recus.delete(identite);
        return cleDuContenu(jour).then(function (cle) {
            return dechiffrer(identite, cle, recu);
        }).then(function (contenu) {
            if (!ns.projectionEnCours || ns.numeroJour !== jour) {
                return;
            }
            revoquer();
            montrer(identite, contenu, scene);
            ns.annoncer(ns.natureDuJour(jour));
            surveillerFermeture();
        });
    }

    verrou.format = format;
    verrou.recevoir = recevoir;
    verrou.essayerMotDePasse = essayerMotDePasse;
    verrou.essayerCles = essayerCles;
    verrou.montrerJour = montrerJour;
}());
