// A smoke run shared by the engines other than Chromium: a site with today's
// picture, a video and a message, in a theme with snow over the family's own
// background picture, served on 127.0.0.1; the page's errors are collected by a
// listener put first in its head.
'use strict';
const fs = require('node:fs');
const path = require('node:path');
const h = require('../web/helpers');

const COLLECTEUR = '<script>window.erreursPage = [];'
    + 'addEventListener("error", function (e) { erreursPage.push(String(e.message || e.type)); });'
    + 'addEventListener("unhandledrejection", function (e) { erreursPage.push(String(e.reason)); });</script>';

// Today's day of the month holds the picture (the browser and this process share the
// clock and the zone); the video and the message take two other days.
function preparerSite() {
    const aujourdhui = new Date().getDate();
    const autres = [1, 2, 3].filter((jour) => jour !== aujourdhui);
    const site = h.copierModele();
    h.ajouterJour(site, aujourdhui, 'photo', h.png(120, 80, [200, 30, 30, 255]));
    h.ajouterJour(site, autres[0], 'video', h.fixture('video.mp4'));
    h.ajouterJour(site, autres[1], 'message', 'Merry Christmas');
    // A theme's colours as the generator writes them, and the background's two crops.
    const theme = { nom: 'nuit', ciel: ['#0b1a33', '#2a4470'], sol: '#e8eef6', decor: '#123324',
        palette: ['#e8c547', '#d1495b', '#66a6d9', '#f2f2f2', '#8fc57a', '#c78fd6', '#f08a4b', '#5cc8c0'],
        texte: '#ffffff', contour: '#0b1a33', neige: true };
    h.ecrireSousMarqueur(path.join(site, 'scripts', 'calendrier.js'), h.MARQUEUR_INITIALISATION,
        `theme = ${JSON.stringify(theme)};\nfond = true;\n`);
    for (const [nom, largeur, hauteur] of [['fond-portrait.jpg', 90, 195], ['fond-paysage.jpg', 192, 108]]) {
        fs.writeFileSync(path.join(site, 'data', nom), h.png(largeur, hauteur, [30, 110, 60, 255]));
    }
    const page = path.join(site, 'index.html');
    fs.writeFileSync(page, fs.readFileSync(page, 'utf8').replace('<head>', '<head>\n' + COLLECTEUR)
        .replace('<script src="scripts/calendrier.js"></script>',
            '<script src="scripts/calendrier.js"></script>\n        <script src="scripts/theme.js"></script>'));
    return { site, aujourdhui, jourVideo: autres[0], jourMessage: autres[1] };
}

// Run in the page: whether the balls hang still in their places and one of them is drawn.
function etatBoules() {
    if (typeof calendrier === 'undefined' || !calendrier.boules || calendrier.boules.length === 0 || !calendrier.oCtx) {
        return null;
    }
    const echelle = calendrier.oCanvas.width / calendrier.ImageMobile.scene.largeur;
    const b = calendrier.boules[10];
    const p = calendrier.oCtx.getImageData(Math.round(b.x * echelle), Math.round((b.y - b.taille / 2) * echelle), 1, 1).data;
    return { places: calendrier.boules.map((x) => Math.round(x.y)).join(','), pixel: Array.from(p.slice(0, 3)) };
}

// Run in the page: what is shown now.
function etatScene() {
    return {
        projection: calendrier.projectionEnCours,
        jour: calendrier.numeroJour,
        annonce: document.querySelector('[role=status]').textContent,
        photo: photo !== null && photo.chargementOk === true,
        video: video !== null && video.currentTime > 0 && !video.error,
        carte: carte !== null,
        fond: calendrier.photoDeFond !== null,
        neige: document.querySelector('.interrupteur-neige')?.getAttribute('aria-pressed') ?? null,
        erreurs: window.erreursPage,
    };
}

// Run in the page: gives the keyboard focus to the button of day `jour`.
function focaliser(jour) {
    const motif = new RegExp('^Day ' + jour + '(,|$)');
    const bouton = Array.from(document.querySelectorAll('button')).find((b) => motif.test(b.textContent));
    bouton.focus();
    return document.activeElement === bouton;
}

async function attendre(moteur, fonction, condition, quoi, delai = 20000) {
    const fin = Date.now() + delai;
    let dernier;
    for (;;) {
        dernier = await moteur.evaluer(fonction);
        if (condition(dernier)) {
            return dernier;
        }
        if (Date.now() > fin) {
            throw new Error(`${moteur.nom}: timed out waiting for ${quoi}; last seen ${JSON.stringify(dernier)}`);
        }
        await new Promise((resolve) => setTimeout(resolve, 100));
    }
}

const CIEL = [0xa3, 0xd7, 0xd2];

// The smoke run itself; `moteur` gives nom, evaluer(fonction, ...arguments) and
// touche(nom) ('Enter' or 'Escape') sent to the focused element.
async function parcourir(moteur, { aujourdhui, jourVideo, jourMessage }) {
    const assert = require('node:assert/strict');
    let precedent = null;
    await attendre(moteur, etatBoules, (etat) => {
        const immobiles = etat !== null && precedent !== null && etat.places === precedent.places;
        precedent = etat;
        return immobiles && etat.pixel.some((c, i) => Math.abs(c - CIEL[i]) > 8);
    }, 'the balls drawn in their places');

    const ouvrir = async (jour) => {
        assert.equal(await moteur.evaluer(focaliser, jour), true, `${moteur.nom}: day ${jour} focused`);
        await moteur.touche('Enter');
    };
    const fermer = async () => {
        await moteur.touche('Escape');
        await attendre(moteur, etatScene, (etat) => !etat.projection, 'the balls back');
    };

    const fond = await attendre(moteur, etatScene, (etat) => etat.fond, 'the background picture');
    assert.equal(fond.neige, 'true', `${moteur.nom}: the snow switch shows it falling`);

    await ouvrir(aujourdhui);
    const photo = await attendre(moteur, etatScene, (etat) => etat.photo, "today's picture");
    assert.deepEqual([photo.projection, photo.jour, photo.annonce], [true, aujourdhui, `Day ${aujourdhui}: picture`]);
    await fermer();

    // The other days open as in a preview.
    await moteur.evaluer(() => {
        window.bypass = true;
    });
    await ouvrir(jourVideo);
    const video = await attendre(moteur, etatScene, (etat) => etat.video, 'the video playing');
    assert.equal(video.annonce, `Day ${jourVideo}: video`);
    await fermer();

    await ouvrir(jourMessage);
    const message = await attendre(moteur, etatScene, (etat) => etat.carte, 'the message');
    assert.equal(message.annonce, `Day ${jourMessage}: Merry Christmas`);
    assert.deepEqual(message.erreurs, [], `${moteur.nom}: no page error`);
}

// ---- A private calendar, generated by the program: its password asked, then today's
// picture decrypted when its ball opens.

const MOT_DE_PASSE = 'étoile du berger';
const { chemin: PROGRAMME, sauter: SANS_PROGRAMME } = h.programmeConstruit(path.join('gui', 'tinselbox'));

function preparerSitePrive() {
    const { execFileSync } = require('node:child_process');
    const aujourdhui = new Date().getDate();
    const dossier = h.dossierTemporaire('tinselbox-moteur-prive-');
    const photo = path.join(dossier, 'photo.png');
    fs.writeFileSync(photo, h.png(120, 80, [200, 30, 30, 255]));
    const sel = require('node:crypto').randomBytes(16).toString('base64');
    const projet = path.join(dossier, 'Avent.xml');
    fs.writeFileSync(projet, `<tinselbox nom="Avent" version="1" prive="1" cle="pbkdf2-sha256:600000:${sel}">\n`
        + ` <jour numero="${aujourdhui}">\n  <image url="${photo}"/>\n </jour>\n</tinselbox>\n`);
    fs.writeFileSync(path.join(dossier, 'mot'), MOT_DE_PASSE, { mode: 0o600 });
    const site = path.join(dossier, 'site');
    execFileSync(PROGRAMME, ['--generate', '--quiet', '--password-file', path.join(dossier, 'mot'), projet, site],
        { env: { ...process.env, XDG_DATA_HOME: path.join(dossier, 'donnees') }, timeout: 120000 });
    const page = path.join(site, 'index.html');
    fs.writeFileSync(page, fs.readFileSync(page, 'utf8').replace('<head>', '<head>\n' + COLLECTEUR));
    return { site, aujourdhui };
}

// Run in the page: the lock's form and what it says, and the picture shown.
function etatVerrou() {
    const etat = document.getElementById('verrou-etat');
    return {
        formulaire: !!document.getElementById('verrou-mot'),
        etat: etat ? etat.textContent : null,
        photo: typeof photo !== 'undefined' && photo !== null && photo.chargementOk === true
            && photo.image.src.startsWith('blob:'),
        erreurs: window.erreursPage,
    };
}

// Run in the page: types `motDePasse` into the lock's field and leaves the focus there.
function remplir(motDePasse) {
    const champ = document.getElementById('verrou-mot');
    champ.value = motDePasse;
    champ.focus();
    return document.activeElement === champ;
}

async function parcourirPrive(moteur, { aujourdhui }) {
    const assert = require('node:assert/strict');
    await attendre(moteur, etatVerrou, (etat) => etat.formulaire, 'the password form');
    assert.equal(await moteur.evaluer(remplir, 'etoile du berger'), true);
    await moteur.touche('Enter');
    const faux = await attendre(moteur, etatVerrou, (etat) => etat.etat === 'Wrong password. Please try again.',
        'the wrong password said', 60000);
    assert.equal(faux.formulaire, true);
    assert.equal(await moteur.evaluer(remplir, MOT_DE_PASSE), true);
    await moteur.touche('Enter');
    await attendre(moteur, etatVerrou, (etat) => !etat.formulaire, 'the calendar opened', 60000);

    assert.equal(await moteur.evaluer(focaliser, aujourdhui), true, `${moteur.nom}: day ${aujourdhui} focused`);
    await moteur.touche('Enter');
    const ouvert = await attendre(moteur, etatVerrou, (etat) => etat.photo, "today's picture, decrypted");
    assert.deepEqual(ouvert.erreurs, [], `${moteur.nom}: no page error`);
}

module.exports = {
    preparerSite, parcourir, servir: h.servir, preparerSitePrive, parcourirPrive, SANS_PROGRAMME,
};
