// The calendar page: globals, set-up, frame loop, input and scene control.
// The site generator writes lines under the two marker comments of this file.
// Only the globals below belong to the page; its functions stay in the closure
// after them, where the written day lines of gererScene also find
// declencherTimer and detecterArret.
"use strict";
/* exported oCanvas, oCtx, imagesStatiques, imagesAnimees, imagesMobiles, videos, boules, mouseX, mouseY,
   mediaASurveiller, collectionImages, collectionPhotos, collectionSons, collectionVideos, projectionEnCours,
   souris, timer, numeroJour, photo, pochette, son, ecran, video, carte, rattrapage, mois, fuseau, debut, jours,
   ordre, bypass */

var oCanvas = null;
var oCtx = null;
var imagesStatiques = [];
var imagesAnimees = [];
var imagesMobiles = [];
var videos = [];
var boules = [];
var mouseX = 0;
var mouseY = 0;
var mediaASurveiller = null;
var collectionImages = null;
var collectionPhotos = null;
var collectionSons = null;
var collectionVideos = null;
var projectionEnCours = false;
var souris = null;
var timer = null;
var numeroJour = null;
// Assigned by the written day lines.
var photo = null;
var pochette = null;
var son = null;
var ecran = null;
var video = null;
var carte = null;
// The calendar's options, written under the marker when not at their default:
// past days stay open; the only month (1 to 12) in which balls open, 0 for
// any; the time zone (IANA name) whose date counts, "" for the visitor's clock;
// the first day, "YYYY-MM-DD" once or "MM-DD" every year, "" for the days of
// the month; the number of days; the day drawn at each place, [] for 1, 2, 3...
var rattrapage = false;
var mois = 0;
var fuseau = "";
var debut = "";
var jours = 31;
var ordre = [];
var bypass = false;
// <INITIALISATION>

(function () {
    var scene = ImageMobile.scene;

    // How the scene lies on the screen: the canvas fills the window; the scene
    // is scaled to fit (echelle), centred across and standing on the bottom
    // edge (decalageX, decalageY in CSS pixels); the background, the trees
    // and the strings reach the window's edges.
    var vue = { largeur: 0, hauteur: 0, echelle: 1, decalageX: 0, decalageY: 0, densite: 1 };
    // Smallest touch target, CSS pixels.
    var CIBLE_MIN = 44;
    // Backing store pixels kept per frame at most: past it the density drops,
    // so a 4K or dense screen still draws in time.
    var PIXELS_MAX = 8.5e6;

    // What the live region says when a day opens, for each kind of media, known
    // by the media that the day's written lines watch; a message is announced
    // by its own text.
    var NATURES = [
        { annonce: "annonceMessage", reconnaitre: function (media) { return media instanceof Carte; } },
        { annonce: "annonceImage", reconnaitre: function (media) { return media instanceof Photo; } },
        { annonce: "annonceMusique", reconnaitre: function (media) { return media instanceof HTMLAudioElement; } },
        { annonce: "annonceVideo", reconnaitre: function (media) { return media instanceof HTMLVideoElement; } }
    ];

    // Days the visitor has opened, kept in the browser under a key of this
    // page's own address, so two calendars on one site keep their own.
    var CLE_SOUVENIRS = "tinselbox.joursOuverts:" + window.location.pathname;

    // The line under the balls when none may open this month ("" for none).
    var ligneCalendrier = "";
    var paragrapheCalendrier = null;
    // The countdown to the next day, in its place while the period runs.
    var ligneCompte = "";
    var elementCompte = null;
    // The days opened on earlier visits, read once: a day opened during this
    // visit is marked from the next one.
    var souvenirsVisite = null;

    // The accessible layer: one button per ball, in day order, and the live region.
    var boutonsJours = [];
    var regionAnnonces = null;
    // Index of the ball whose button has the keyboard focus, or -1.
    var bouleFocalisee = -1;

    // A media that cannot load (a picture), cannot be decoded (media.error) or
    // that the browser refuses to play counts as ended, so the balls still come back.
    function mediaTermine(media) {
        return media.ended === true || !!media.error || media.lectureImpossible === true
            || media.chargementImpossible === true;
    }

    // ---- Set-up.

    function initialiser() {
        collectionImages = new CollectionImages();
        collectionPhotos = new CollectionPhotos();
        collectionSons = new CollectionSons();
        collectionVideos = new CollectionVideos();
        jours = Math.min(31, Math.max(1, Math.floor(Number(jours)) || 31));
        for (var i = 0; i < jours; i++) {
            boules.push(new Boule(0, -1000, Disposition.RAYON_DESSIN_MIN, String(i + 1)));
        }
        var foret = new ImageStatique("foret");
        imagesStatiques.push(foret);
        creerCoucheAccessible();
        disposer();
        placerBoutons();
        boules.forEach(function (boule) {
            boule.x = boule.xMenu;
            boule.y = horsDeVue(boule);
        });
        afficherMenu();
    }

    // The day at each place: the written order when it deals each day once,
    // else 1, 2, 3...
    function joursParPlace() {
        var vus = {};
        var valide = Array.isArray(ordre) && ordre.length === boules.length && ordre.every(function (jour) {
            var bon = jour === Math.floor(jour) && jour >= 1 && jour <= boules.length && !vus[jour];
            vus[jour] = true;
            return bon;
        });
        return boules.map(function (boule, i) {
            return valide ? ordre[i] : i + 1;
        });
    }

    // Gives each ball its place (and size) for the screen's orientation.
    function disposer() {
        var places = Disposition.places(boules.length, Disposition.scene(vue.largeur, vue.hauteur));
        joursParPlace().forEach(function (jour, place) {
            var boule = boules[jour - 1];
            boule.xMenu = places[place][0];
            boule.yMenu = places[place][1];
            boule.taille = places[place][2];
        });
        imagesStatiques[0].setPosition(0, scene.hauteur - Disposition.HAUTEUR_FORET);
    }

    // Above the window's top edge, attachment and all.
    function horsDeVue(boule) {
        return scene.haut - 100 - Math.max(0, boule.taille - 90);
    }

    // Fits the canvas to the window, and lays the scene out again when its
    // size changes: the screen turned, or a tall one changed its height.
    function redimensionnerCanvas() {
        var largeur = Math.max(1, document.documentElement.clientWidth || window.innerWidth);
        var hauteur = Math.max(1, document.documentElement.clientHeight || window.innerHeight);
        var taille = Disposition.scene(largeur, hauteur);
        var tourne = scene.largeur !== taille.largeur || scene.hauteur !== taille.hauteur;
        vue.largeur = largeur;
        vue.hauteur = hauteur;
        scene.largeur = taille.largeur;
        scene.hauteur = taille.hauteur;
        vue.echelle = Math.min(largeur / scene.largeur, hauteur / scene.hauteur);
        vue.decalageX = (largeur - scene.largeur * vue.echelle) / 2;
        vue.decalageY = hauteur - scene.hauteur * vue.echelle;
        scene.haut = -vue.decalageY / vue.echelle;
        scene.gauche = -vue.decalageX / vue.echelle;
        scene.droite = (largeur - vue.decalageX) / vue.echelle;
        oCanvas.style.width = largeur + "px";
        oCanvas.style.height = hauteur + "px";
        ajusterDensite();
        if (tourne && boules.length) {
            disposer();
            replacerScene();
        }
        placerBoutons();
    }

    // After a turn: the balls glide to their new places (or stay out of sight
    // while a day is shown) and the day's picture, video or card fits the new
    // scene where it stands.
    function replacerScene() {
        boules.forEach(function (boule, i) {
            if (!projectionEnCours) {
                boule.deplacerVers(boule.xMenu, boule.yMenu);
            } else if (i !== numeroJour - 1) {
                boule.x = boule.xMenu;
                boule.y = horsDeVue(boule);
                boule.deplacerVers(boule.x, boule.y);
            } else {
                boule.x = boule.xCible = scene.gauche + boule.taille + 10;
                boule.y = boule.yCible = scene.haut + boule.taille + 10;
            }
        });
        imagesMobiles.concat(videos).forEach(function (objet) {
            objet.replacer();
        });
    }

    // On a dense screen the backing store gets one pixel per screen pixel, up
    // to a budget; the drawing coordinates stay the scene's. A zoom changes
    // the ratio and fires a resize, which comes back here.
    function ajusterDensite() {
        var densite = window.devicePixelRatio > 1 ? window.devicePixelRatio : 1;
        densite = Math.min(densite, Math.sqrt(PIXELS_MAX / (vue.largeur * vue.hauteur)));
        var largeur = Math.round(vue.largeur * densite);
        var hauteur = Math.round(vue.hauteur * densite);
        if (oCanvas.width !== largeur || oCanvas.height !== hauteur) {
            oCanvas.width = largeur;
            oCanvas.height = hauteur;
        }
        vue.densite = largeur / vue.largeur;
    }

    // Drawing units of the scene from here on.
    function transformerVersScene() {
        var d = vue.densite;
        oCtx.setTransform(d * vue.echelle, 0, 0, d * vue.echelle, d * vue.decalageX, d * vue.decalageY);
    }

    window.addEventListener("load", function () {
        oCanvas = document.getElementById("tableau");
        oCtx = oCanvas.getContext("2d");
        souris = new Souris();
        document.addEventListener("keydown", appuyerTouche);
        window.addEventListener("resize", redimensionnerCanvas);
        oCanvas.addEventListener("mousedown", enfoncerSouris);
        oCanvas.addEventListener("mouseup", relacherSouris);
        oCanvas.addEventListener("mousemove", deplacerSouris);
        oCanvas.addEventListener("touchstart", toucher, true);
        oCanvas.addEventListener("touchmove", toucher, true);
        oCanvas.addEventListener("touchend", toucher, true);
        oCanvas.addEventListener("touchcancel", annulerToucher, true);
        redimensionnerCanvas();
        initialiser();
    });

    // ---- Frame loop.

    function mettreAJour() {
        if (collectionImages && collectionPhotos && collectionSons && collectionVideos) {
            boules.forEach(function (boule) {
                boule.avancer();
            });
            imagesMobiles.forEach(function (image) {
                image.avancer();
            });
            imagesAnimees.forEach(function (image) {
                image.avancer();
            });
            videos.forEach(function (ecran) {
                if (ecran.chargementOk) {
                    ecran.avancer();
                }
            });
        }
        dessiner();
        surveillerRetourAuMenu();
    }

    function dessiner() {
        if (!oCtx) {
            return;
        }
        oCtx.setTransform(1, 0, 0, 1, 0, 0);
        oCtx.clearRect(0, 0, oCanvas.width, oCanvas.height);
        oCtx.fillStyle = "#a3d7d2";
        oCtx.fillRect(0, 0, oCanvas.width, oCanvas.height);
        transformerVersScene();
        dessinerForet();
        imagesAnimees.forEach(function (image) {
            image.animer();
            image.dessiner();
        });
        videos.forEach(function (ecran) {
            ecran.dessiner();
        });
        imagesMobiles.forEach(function (image) {
            image.dessiner();
        });
        boules.forEach(function (boule) {
            boule.dessinerFil();
        });
        boules.forEach(function (boule) {
            boule.dessiner();
        });
        dessinerAnneauFocus();
        if ((ligneCalendrier || ligneCompte) && !projectionEnCours) {
            ecrireLigne(ligneCalendrier || ligneCompte, "bold", 30, "#1b1b1b", scene.hauteur - 12);
        }
        if (bypass) {
            ecrireLigne(textes.apercu, "", 40, "#cb4127", scene.hauteur);
        }
    }

    // A line centred on the scene's bottom, its size (points) reduced so that
    // it fits the scene's width.
    function ecrireLigne(texte, graisse, taille, couleur, y) {
        oCtx.font = graisse + " " + taille + "pt Arial";
        var largeur = oCtx.measureText(texte).width;
        if (largeur > scene.largeur - 20) {
            taille = Math.max(8, Math.floor(taille * (scene.largeur - 20) / largeur));
            oCtx.font = graisse + " " + taille + "pt Arial";
        }
        oCtx.fillStyle = couleur;
        oCtx.textAlign = "center";
        oCtx.textBaseline = "bottom";
        oCtx.fillText(texte, scene.largeur / 2, y);
    }

    // The row of trees, repeated to both edges of the window.
    function dessinerForet() {
        var foret = imagesStatiques[0];
        var largeur = Disposition.PAYSAGE.largeur;
        var premier = Math.floor((scene.gauche - foret.x) / largeur);
        for (var x = foret.x + premier * largeur; x < scene.droite; x += largeur) {
            foret.setPosition(x, foret.y);
            foret.dessiner();
        }
        foret.setPosition(0, foret.y);
        imagesStatiques.slice(1).forEach(function (image) {
            image.dessiner();
        });
    }

    // The keyboard focus, drawn around its ball: a dark ring and a white one,
    // seen on every ball colour and on the background.
    function dessinerAnneauFocus() {
        var boule = boules[bouleFocalisee];
        if (!boule || projectionEnCours || !boule.estVisible()) {
            return;
        }
        oCtx.save();
        oCtx.lineWidth = 4;
        oCtx.strokeStyle = "#1b1b1b";
        oCtx.beginPath();
        oCtx.arc(boule.x, boule.y, boule.taille + 8, 0, 2 * Math.PI);
        oCtx.stroke();
        oCtx.lineWidth = 2;
        oCtx.strokeStyle = "#ffffff";
        oCtx.beginPath();
        oCtx.arc(boule.x, boule.y, boule.taille + 5, 0, 2 * Math.PI);
        oCtx.stroke();
        oCtx.restore();
    }

    function surveillerRetourAuMenu() {
        if (mediaASurveiller && mediaTermine(mediaASurveiller)) {
            mediaASurveiller = null;
            afficherMenu();
        }
    }

    // ---- Input.

    function convertirPosition(evenement) {
        var cadre = oCanvas.getBoundingClientRect();
        mouseX = (evenement.clientX - cadre.left - vue.decalageX) / vue.echelle;
        mouseY = (evenement.clientY - cadre.top - vue.decalageY) / vue.echelle;
        souris.setPosition(mouseX, mouseY);
    }

    // ---- The calendar's date and rules.

    var formatFuseau = null;
    var fuseauInconnu = false;

    // Today as { annee, mois, jour } and the seconds since its midnight: the
    // date in the calendar's zone when it has one the browser knows, else by
    // the visitor's clock.
    function aujourdhui() {
        var maintenant = new Date();
        if (fuseau && !fuseauInconnu) {
            try {
                if (!formatFuseau) {
                    formatFuseau = new Intl.DateTimeFormat("en-US-u-ca-gregory-nu-latn", {
                        timeZone: fuseau, year: "numeric", month: "numeric", day: "numeric",
                        hour: "numeric", minute: "numeric", second: "numeric", hourCycle: "h23"
                    });
                }
                var parties = {};
                formatFuseau.formatToParts(maintenant).forEach(function (partie) {
                    parties[partie.type] = parseInt(partie.value, 10);
                });
                if (parties.year > 0 && parties.month > 0 && parties.day > 0) {
                    return { annee: parties.year, mois: parties.month, jour: parties.day,
                        secondes: (parties.hour % 24) * 3600 + parties.minute * 60 + parties.second };
                }
            } catch (erreur) {
                fuseauInconnu = true;
            }
        }
        return { annee: maintenant.getFullYear(), mois: maintenant.getMonth() + 1, jour: maintenant.getDate(),
            secondes: maintenant.getHours() * 3600 + maintenant.getMinutes() * 60 + maintenant.getSeconds() };
    }

    var JOUR_MS = 86400000;

    // Days since 1 January 1970 of a calendar date, and back.
    function indiceJour(annee, numeroMois, jour) {
        return Math.round(Date.UTC(annee, numeroMois - 1, jour) / JOUR_MS);
    }

    function dateDIndice(indice) {
        var date = new Date(indice * JOUR_MS);
        return { annee: date.getUTCFullYear(), mois: date.getUTCMonth() + 1, jour: date.getUTCDate() };
    }

    function ecrireIndice(indice) {
        var date = dateDIndice(indice);
        return formaterDate(date.annee, date.mois, date.jour);
    }

    // The calendar's period as seen on `date`: the index of its first day and
    // today's rank in it (1 on the first day, below 1 before, above the number
    // of days after); null for a calendar of the days of the month. A yearly
    // start counts from this year's date once it has come, else from last
    // year's; a 29 February start falls on 1 March in other years.
    function periodeDu(date) {
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

    function joursDuMois(annee, numeroMois) {
        return new Date(annee, numeroMois, 0).getDate();
    }

    // Whether ball `numero` opens on `date` by the calendar's options: today's
    // ball (and the earlier ones when past days stay open), in the period or
    // in the chosen month if there is one; after the period every ball, after
    // that month every ball when past days stay open.
    function ouvrableLe(numero, date) {
        var periode = periodeDu(date);
        if (periode) {
            return periode.rang > jours || numero === periode.rang || (rattrapage && numero <= periode.rang);
        }
        if (mois === 0 || date.mois === mois) {
            return numero === date.jour || (rattrapage && numero <= date.jour);
        }
        return rattrapage && date.mois > mois;
    }

    function estOuvrable(boule) {
        return ouvrableLe(boule.getNumero(), aujourdhui());
    }

    function peutOuvrir(boule) {
        return bypass || estOuvrable(boule);
    }

    // The name of a locked ball: when it opens next, by the calendar's options.
    function nomFerme(jour, numero, date) {
        var periode = periodeDu(date);
        if (periode) {
            return formaterTexte(numero < periode.rang ? "etaitOuvertLe" : "ouvreLe",
                { jour: jour, date: ecrireIndice(periode.premier + numero - 1) });
        }
        if (mois === 0) {
            // The next month, this one included, that has this day.
            var annee = date.annee;
            var m = date.mois;
            while ((numero < date.jour && m === date.mois && annee === date.annee) || numero > joursDuMois(annee, m)) {
                m = m === 12 ? 1 : m + 1;
                annee += m === 1 ? 1 : 0;
            }
            return formaterTexte("ouvreLe", { jour: jour, date: formaterDate(annee, m, numero) });
        }
        var longueur = joursDuMois(date.annee, mois);
        if (numero <= longueur) {
            return formaterTexte("ouvreLe", { jour: jour, date: formaterDate(date.annee, mois, numero) });
        }
        if (rattrapage && mois < 12) {
            return formaterTexte("ouvreLe", { jour: jour, date: formaterDate(date.annee, mois + 1, 1) });
        }
        return formaterTexte("resteFerme", { jour: jour, mois: formaterDate(date.annee, mois), n: longueur });
    }

    function texteLigneCalendrier(date) {
        var periode = periodeDu(date);
        if (periode) {
            return !bypass && periode.rang < 1 ? formaterTexte("ouvertureLe", { date: ecrireIndice(periode.premier) }) : "";
        }
        if (bypass || mois === 0 || date.mois === mois || (rattrapage && date.mois > mois)) {
            return "";
        }
        return formaterTexte(date.mois < mois ? "ouvertureLe" : "reouvertureLe", { date: formaterDate(date.annee, mois, 1) });
    }

    // ---- Remembered days. Storage may be refused or hold anything: then
    // nothing is remembered.

    // A mark counts for the calendar's current run: the year when it has a
    // month of its own, else the month.
    function periode(date) {
        var enCours = periodeDu(date);
        if (enCours) {
            return "j" + enCours.premier;
        }
        return mois === 0 ? date.annee + "-" + date.mois : String(date.annee);
    }

    // While the period runs: when the next day opens, at midnight by the
    // calendar's clock.
    function texteCompte(date) {
        var periode = periodeDu(date);
        if (bypass || !periode || periode.rang < 1 || periode.rang >= jours) {
            return "";
        }
        var minutes = Math.floor((86400 - date.secondes) / 60);
        var valeurs = { n: periode.rang + 1, h: Math.floor(minutes / 60), min: minutes % 60 };
        return formaterTexte(valeurs.h > 0 ? "compteHeures" : "compteMinutes", valeurs);
    }

    function lireSouvenirs() {
        try {
            var souvenirs = JSON.parse(window.localStorage.getItem(CLE_SOUVENIRS) || "{}");
            return souvenirs && typeof souvenirs === "object" && !Array.isArray(souvenirs) ? souvenirs : {};
        } catch (erreur) {
            return {};
        }
    }

    function retenirJour(numero) {
        var souvenirs = lireSouvenirs();
        souvenirs[numero] = periode(aujourdhui());
        try {
            window.localStorage.setItem(CLE_SOUVENIRS, JSON.stringify(souvenirs));
        } catch (erreur) {
            // Full or refused: the day simply goes unmarked.
        }
    }

    // Hovered (or focused): a ball that opens lightens, another darkens and shows its key.
    function signalerBoule(boule) {
        if (estOuvrable(boule)) {
            boule.eclaircir();
        } else {
            boule.assombrir();
        }
    }

    // The ball under (x, y) that `accepter` takes: first by the disc of its
    // target (the ball, or a thumb's size on a small screen), where no two
    // balls meet; else by the square around the ball. In day order.
    function premiereBouleTouchee(x, y, accepter) {
        var rayonMin = CIBLE_MIN / 2 / vue.echelle;
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
        if (projectionEnCours) {
            return;
        }
        var touchee = premiereBouleTouchee(mouseX, mouseY, function () {
            return true;
        });
        boules.forEach(function (boule, i) {
            if (i !== touchee) {
                boule.retablirCouleurs();
            } else {
                signalerBoule(boule);
            }
        });
    }

    function enfoncerSouris(evenement) {
        convertirPosition(evenement);
        souris.enfoncer();
        if (projectionEnCours) {
            // A message is read at the visitor's pace: a click puts it away.
            if (mediaASurveiller instanceof Carte) {
                interrompreJour();
            }
            return;
        }
        var choisie = premiereBouleTouchee(mouseX, mouseY, peutOuvrir);
        if (choisie >= 0) {
            ouvrirBoule(choisie);
            return;
        }
        var fermee = premiereBouleTouchee(mouseX, mouseY, function () {
            return true;
        });
        if (fermee >= 0) {
            refuserBoule(fermee);
        }
    }

    // A locked ball shows its key and says when it opens.
    function refuserBoule(indice) {
        boules[indice].assombrir();
        annoncer(boutonsJours[indice].textContent);
    }

    // The chosen ball goes to the top-left corner, the others out of sight above,
    // and the day's scene starts.
    function ouvrirBoule(choisie) {
        boules.forEach(function (boule, i) {
            if (i === choisie) {
                boule.deplacerVers(scene.gauche + boule.taille + 10, scene.haut + boule.taille + 10);
            } else {
                boule.deplacerVers(boule.x, horsDeVue(boule));
            }
        });
        if (!bypass) {
            retenirJour(choisie + 1);
        }
        gererScene(choisie);
        boules[choisie].retablirCouleurs();
        annoncer(natureDuJour(choisie + 1));
    }

    function relacherSouris(evenement) {
        convertirPosition(evenement);
        souris.relacher();
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
        if (evenement.key === "Escape" && projectionEnCours) {
            interrompreJour();
        }
    }

    // ---- Accessible layer.

    function creerCoucheAccessible() {
        oCanvas.setAttribute("role", "img");
        oCanvas.setAttribute("aria-label", formaterTexte("scene", { n: boules.length }));
        oCanvas.textContent = textes.repli;
        // The buttons lie over their balls, for screen readers that explore
        // by touch; taps and clicks pass through them to the canvas.
        var couche = document.createElement("div");
        couche.className = "couche-jours";
        boutonsJours = boules.map(function (boule, i) {
            var bouton = document.createElement("button");
            bouton.type = "button";
            bouton.className = "bouton-jour";
            bouton.addEventListener("click", function () {
                if (projectionEnCours) {
                    return;
                }
                if (peutOuvrir(boule)) {
                    ouvrirBoule(i);
                } else {
                    refuserBoule(i);
                }
            });
            bouton.addEventListener("focus", function () {
                bouleFocalisee = i;
                if (!projectionEnCours) {
                    signalerBoule(boule);
                }
            });
            bouton.addEventListener("blur", function () {
                bouleFocalisee = -1;
                if (!projectionEnCours) {
                    boule.retablirCouleurs();
                }
            });
            couche.appendChild(bouton);
            return bouton;
        });
        paragrapheCalendrier = document.createElement("p");
        paragrapheCalendrier.className = "accessible";
        document.body.appendChild(paragrapheCalendrier);
        // A timer is not read out as it changes: found when looked for.
        elementCompte = document.createElement("div");
        elementCompte.className = "accessible";
        elementCompte.setAttribute("role", "timer");
        document.body.appendChild(elementCompte);
        regionAnnonces = document.createElement("div");
        regionAnnonces.className = "accessible";
        regionAnnonces.setAttribute("role", "status");
        regionAnnonces.setAttribute("aria-live", "polite");
        document.body.appendChild(couche);
        document.body.appendChild(regionAnnonces);
    }

    // Named again, and the marks and the line under the balls redone, at every
    // return to the menu and every minute: the date may have changed.
    function nommerBoutons() {
        var date = aujourdhui();
        if (!souvenirsVisite) {
            souvenirsVisite = lireSouvenirs();
        }
        var enCours = periode(date);
        ligneCalendrier = texteLigneCalendrier(date);
        if (paragrapheCalendrier && paragrapheCalendrier.textContent !== ligneCalendrier) {
            paragrapheCalendrier.textContent = ligneCalendrier;
        }
        ligneCompte = texteCompte(date);
        if (elementCompte && elementCompte.textContent !== ligneCompte) {
            elementCompte.textContent = ligneCompte;
        }
        boutonsJours.forEach(function (bouton, i) {
            var numero = i + 1;
            var ouvrable = bypass || ouvrableLe(numero, date);
            var ouverte = souvenirsVisite[numero] === enCours;
            boules[i].marquer(ouverte);
            var jour = formaterTexte(ouverte ? "dejaOuvert" : "jour", { n: numero });
            var nom = ouvrable ? jour : nomFerme(jour, numero, date);
            if (bouton.textContent !== nom) {
                bouton.textContent = nom;
                bouton.setAttribute("aria-disabled", String(!ouvrable));
            }
        });
    }

    // What the live region says as day `numero` opens: the kind of its media,
    // or a message's own text.
    function natureDuJour(numero) {
        if (projectionEnCours && mediaASurveiller) {
            for (var i = 0; i < NATURES.length; i++) {
                if (NATURES[i].reconnaitre(mediaASurveiller)) {
                    return formaterTexte(NATURES[i].annonce, { n: numero, texte: mediaASurveiller.texte });
                }
            }
        }
        return formaterTexte("annonceVide", { n: numero });
    }

    function annoncer(texte) {
        if (regionAnnonces) {
            regionAnnonces.textContent = texte;
        }
    }

    // ---- Scene control.

    function gererScene(numeroBoule) {
        projectionEnCours = true;
        numeroJour = numeroBoule + 1;
        switch (numeroJour) {
            // <GESTION DE LA SCENE>
            default:
                // A day without media: nothing to show, back to the balls at once.
                afficherMenu();
        }
    }

    // Each day's button over its ball's place: the same centre, round, the
    // ball's size and at least a thumb's.
    function placerBoutons() {
        boutonsJours.forEach(function (bouton, i) {
            var boule = boules[i];
            var cote = Math.max(2 * boule.taille * vue.echelle, CIBLE_MIN);
            var style = bouton.style;
            style.left = (vue.decalageX + boule.xMenu * vue.echelle - cote / 2) + "px";
            style.top = (vue.decalageY + boule.yMenu * vue.echelle - cote / 2) + "px";
            style.width = cote + "px";
            style.height = cote + "px";
        });
    }

    function afficherMenu() {
        projectionEnCours = false;
        nommerBoutons();
        boules.forEach(function (boule) {
            boule.deplacerVers(boule.xMenu, boule.yMenu);
        });
        imagesMobiles.forEach(function (image) {
            image.rentrer();
        });
        videos.forEach(function (ecran) {
            ecran.rentrer();
        });
    }

    // eslint-disable-next-line no-unused-vars -- called by the written day lines
    function declencherTimer(media, duree) {
        mediaASurveiller = media;
        // A picture's time counts from the moment it is shown, however slowly it loads.
        var demarrer = function () {
            if (mediaASurveiller === media) {
                timer = setInterval(arreterMedia, duree);
            }
        };
        if (media.quandAffichee) {
            media.quandAffichee(demarrer);
        } else {
            demarrer();
        }
    }

    function arreterMedia() {
        if (mediaASurveiller) {
            mediaASurveiller.rentrer();
            afficherMenu();
            mediaASurveiller = null;
        }
        clearInterval(timer);
    }

    // eslint-disable-next-line no-unused-vars -- called by the written day lines
    function detecterArret(media) {
        mediaASurveiller = media;
    }

    function interrompreJour() {
        var media = mediaASurveiller;
        mediaASurveiller = null;
        clearInterval(timer);
        if (media && typeof media.pause === "function") {
            media.pause();
        }
        afficherMenu();
    }

    setInterval(mettreAJour, 1000 / 24);
    // The date may change, and the countdown with it.
    setInterval(function () {
        if (!projectionEnCours) {
            nommerBoutons();
        }
    }, 10000);
}());
