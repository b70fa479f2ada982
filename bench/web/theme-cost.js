// What a theme costs a visitor, against the plain page measured in the same run, in
// headless Chromium over HTTP, for sites the program generates:
// - the bytes requested on open, on a phone held upright and on a desktop screen;
// - the script time of one frame on a phone of density 3, with the snow falling.
//   node bench/web/theme-cost.js [frames]
'use strict';
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { execFileSync } = require('node:child_process');
const h = require('../../tests/web/helpers');

const FRAMES = Number(process.argv[2]) || 300;
const DATE = new Date('2026-12-05T10:00:00Z');
const BUREAU = { viewport: { width: 1560, height: 768 } };
const TELEPHONE = { viewport: { width: 390, height: 844 }, deviceScaleFactor: 3, isMobile: true, hasTouch: true };
const PROGRAMME = path.join(process.env.TINSELBOX_BUILD_DIR || path.resolve('build'), 'gui', 'tinselbox');

function generer(dossier, nom, attributs) {
    const projet = path.join(dossier, `${nom}.xml`);
    fs.writeFileSync(projet, `<tinselbox nom="Avent" version="1" mois="12" ${attributs}/>`);
    const site = path.join(dossier, nom);
    execFileSync(PROGRAMME, ['--generate', '--quiet', projet, site], { env: { ...process.env, HOME: dossier } });
    return site;
}

function mediane(valeurs) {
    const tri = [...valeurs].sort((a, b) => a - b);
    return tri[Math.floor(tri.length / 2)];
}

async function octetsALOuverture(navigateur, url, ecran) {
    const contexte = await navigateur.newContext({ ...ecran, timezoneId: 'UTC' });
    const page = await contexte.newPage();
    await page.clock.setFixedTime(DATE);
    const cdp = await contexte.newCDPSession(page);
    await cdp.send('Network.enable');
    await cdp.send('Network.setCacheDisabled', { cacheDisabled: true });
    let total = 0;
    cdp.on('Network.loadingFinished', (e) => { total += e.encodedDataLength; });
    await page.goto(url);
    await page.waitForLoadState('networkidle');
    await page.waitForTimeout(2000);
    await contexte.close();
    return total;
}

// The median script time of one step of the scene and its drawing, the page's own
// loop held back while it is measured.
async function tempsImage(navigateur, url) {
    const contexte = await navigateur.newContext(TELEPHONE);
    const page = await contexte.newPage();
    await page.addInitScript(() => {
        const demander = window.requestAnimationFrame.bind(window);
        window.mesureEnCours = false;
        window.requestAnimationFrame = (rappel) => (window.mesureEnCours ? 0 : demander(rappel));
    });
    await page.goto(url);
    await h.attendre(page, () => calendrier.collectionImages !== null
        && ['foret', 'clef'].every((nom) => calendrier.collectionImages.getImage(nom).complete));
    await page.waitForTimeout(1000);
    const temps = await page.evaluate((nombre) => {
        window.mesureEnCours = true;
        const mesures = [];
        for (let i = 0; i < nombre; i++) {
            const debut = performance.now();
            calendrier.image();
            mesures.push(performance.now() - debut);
        }
        return mesures;
    }, FRAMES);
    await contexte.close();
    return mediane(temps);
}

(async () => {
    const dossier = fs.mkdtempSync(path.join(os.tmpdir(), 'tinselbox-bench-themes-'));
    const simple = generer(dossier, 'simple', '');
    const nuit = generer(dossier, 'nuit', 'theme="nuit" titre="1"');
    const serveurs = [await h.servir(simple), await h.servir(nuit)];
    const navigateur = await h.lancerNavigateur();
    const ko = (octets) => (octets / 1024).toFixed(1) + ' KB';
    for (const [nom, ecran] of [['390x844', TELEPHONE], ['1560x768', BUREAU]]) {
        const sans = await octetsALOuverture(navigateur, serveurs[0].url, ecran);
        const avec = await octetsALOuverture(navigateur, serveurs[1].url, ecran);
        console.log(`bytes on open at ${nom}: plain page ${ko(sans)}, theme "nuit" ${ko(avec)}; ratio ${(avec / sans).toFixed(3)}x`);
    }
    const sans = await tempsImage(navigateur, serveurs[0].url);
    const avec = await tempsImage(navigateur, serveurs[1].url);
    console.log(`median frame at 390x844, density 3: plain page ${sans.toFixed(2)} ms, theme "nuit" with snow `
        + `${avec.toFixed(2)} ms; ratio ${(avec / sans).toFixed(2)}x`);
    await navigateur.close();
    await Promise.all(serveurs.map((s) => s.fermer()));
    fs.rmSync(dossier, { recursive: true, force: true });
})();
