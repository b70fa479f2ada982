// What a visitor pays to open a calendar of 31 photos of 1.5 MB, served over
// HTTP in headless Chromium:
// - the bytes requested on open, on a desktop screen and on a phone held
//   upright, against the template's own size;
// - on a connection throttled to 10 Mbit/s, the time from a click on today's
//   ball to its picture drawn, against fetching that picture alone.
//   node bench/web/open-cost.js
'use strict';
const fs = require('node:fs');
const path = require('node:path');
const h = require('../../tests/web/helpers');

const JOUR = 5;
const DATE = new Date('2026-12-05T10:00:00Z');
const DEBIT = 10e6 / 8;

function tailleDossier(dossier) {
    return fs.readdirSync(dossier, { withFileTypes: true }).reduce((somme, entree) => {
        const chemin = path.join(dossier, entree.name);
        return somme + (entree.isDirectory() ? tailleDossier(chemin) : fs.statSync(chemin).size);
    }, 0);
}

// Noise barely compresses: 665 x 665 RGBA makes a PNG of about 1.5 MB.
function photoBruitee() {
    let etat = 12345;
    const hasard = () => {
        etat = (Math.imul(etat, 1103515245) + 12345) >>> 0;
        return etat >>> 24;
    };
    return h.png(665, 665, () => [hasard(), hasard(), hasard(), 255]);
}

const BUREAU = { viewport: { width: 1560, height: 768 } };
const TELEPHONE = { viewport: { width: 390, height: 844 }, deviceScaleFactor: 3, isMobile: true, hasTouch: true };

async function ouvrir(navigateur, url, debit, calendrier = true, ecran = BUREAU) {
    const contexte = await navigateur.newContext({ ...ecran, timezoneId: 'UTC' });
    const page = await contexte.newPage();
    await page.clock.setFixedTime(DATE);
    const cdp = await contexte.newCDPSession(page);
    await cdp.send('Network.enable');
    await cdp.send('Network.setCacheDisabled', { cacheDisabled: true });
    if (debit) {
        await cdp.send('Network.emulateNetworkConditions',
            { offline: false, latency: 20, downloadThroughput: debit, uploadThroughput: debit });
    }
    const octets = { total: 0 };
    cdp.on('Network.loadingFinished', (e) => { octets.total += e.encodedDataLength; });
    await page.goto(url);
    if (calendrier) {
        await h.attendre(page, () => typeof calendrier !== 'undefined' && !!calendrier.collectionImages, undefined, 120000);
    }
    return { page, octets, fermer: () => contexte.close() };
}

(async () => {
    const site = h.copierModele();
    const modele = tailleDossier(site);
    const photo = photoBruitee();
    for (let jour = 1; jour <= 31; jour++) {
        h.ajouterJour(site, jour, 'photo', photo);
    }
    fs.writeFileSync(path.join(site, 'data', 'seule.txt'), photo);
    const serveur = await h.servir(site);
    const navigateur = await h.lancerNavigateur();

    // Bytes on open: what the page has fetched once the balls are in place,
    // on a desktop screen and on a phone held upright.
    const surOuverture = {};
    for (const [nom, ecran] of [['bureau', BUREAU], ['telephone', TELEPHONE]]) {
        const ouverture = await ouvrir(navigateur, serveur.url, 0, true, ecran);
        await ouverture.page.waitForLoadState('networkidle');
        await ouverture.page.waitForTimeout(7000);
        surOuverture[nom] = ouverture.octets.total;
        await ouverture.fermer();
    }

    // Throttled: the fetch of one picture alone from a page that is not the
    // calendar, then a click on today's ball once the balls are in place.
    const seule = await ouvrir(navigateur, serveur.url.replace('index.html', 'data/icone.png'), DEBIT, false);
    const fetchSeul = await seule.page.evaluate(async () => {
        const debut = performance.now();
        await (await fetch('/data/seule.txt', { cache: 'no-store' })).arrayBuffer();
        return performance.now() - debut;
    });
    await seule.fermer();

    const lente = await ouvrir(navigateur, serveur.url, DEBIT);
    await lente.page.waitForTimeout(7000);
    const [x, y] = h.MENU[JOUR - 1];
    const debut = Date.now();
    await lente.page.mouse.click(x, y);
    await h.attendre(lente.page, () => photo !== null && photo.chargementOk === true, undefined, 300000);
    const clicImage = Date.now() - debut;
    await lente.fermer();

    const mo = (octets) => (octets / 1e6).toFixed(2) + ' MB';
    const ko = (octets) => (octets / 1024).toFixed(1) + ' KB';
    console.log(`browser: Chromium ${navigateur.version()} (headless), 31 pictures of ${mo(photo.length)}`);
    console.log(`template: ${ko(modele)}; bytes requested on open: ${ko(surOuverture.bureau)} at 1560x768, `
        + `${ko(surOuverture.telephone)} at 390x844 (density 3)`);
    console.log(`ratio of the bytes on open to the template: ${(surOuverture.bureau / modele).toFixed(2)}x at 1560x768, `
        + `${(surOuverture.telephone / modele).toFixed(2)}x at 390x844`);
    console.log(`at 10 Mbit/s, one picture alone: ${fetchSeul.toFixed(0)} ms; click to picture drawn: ${clicImage} ms`);
    console.log(`ratio of click-to-picture to one picture alone: ${(clicImage / fetchSeul).toFixed(2)}x`);
    await navigateur.close();
    await serveur.fermer();
    fs.rmSync(site, { recursive: true, force: true });
})();
