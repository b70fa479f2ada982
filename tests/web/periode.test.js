// Calendars of any length from any start: which balls exist and open on a
// given date, what the line under them says, the countdown, the shuffle.
'use strict';
const { describe, test } = require('node:test');
const assert = require('node:assert/strict');
const path = require('node:path');
const h = require('./helpers');

const commun = h.navigateurPartage();

// The option lines as the generator writes them under the marker.
function siteAvec(lignes) {
    const dossier = h.copierModele();
    if (lignes) {
        h.ecrireSousMarqueur(path.join(dossier, 'scripts', 'calendrier.js'), h.MARQUEUR_INITIALISATION, lignes + '\n');
    }
    return dossier;
}

const de = (a, b) => Array.from({ length: b - a + 1 }, (_, i) => a + i);

// Which balls open on a date, by every option, is the date logic's own table
// (dates.test.js); here each kind of option line and of text reaches the page.
const CAS = [
    { nom: '12 days from 3 May, on 7 May', lignes: 'debut = "2026-05-03";\njours = 12;', date: '2026-05-07T10:00:30Z',
        jours: 12, ouverts: [5], compte: 'Day 6 opens in 13 h 59 min', bouton: 'Day 8, opens on 10 May',
        passe: 'Day 2, was open on 4 May' },
    { nom: '12 days from 3 May, on 20 April', lignes: 'debut = "2026-05-03";\njours = 12;', date: '2026-04-20T10:00:00Z',
        jours: 12, ouverts: [], ligne: 'This calendar opens on 3 May.', bouton: 'Day 1, opens on 3 May' },
    { nom: '12 days from 3 May, with past days, on 7 May', lignes: 'debut = "2026-05-03";\njours = 12;\nrattrapage = true;',
        date: '2026-05-07T23:55:00Z', jours: 12, ouverts: de(1, 5), compte: 'Day 6 opens in 5 min' },
    { nom: 'Kiritimati, a minute after its midnight', lignes: 'debut = "2026-12-01";\njours = 24;\nfuseau = "Pacific/Kiritimati";',
        date: '2026-11-30T10:01:00Z', jours: 24, ouverts: [1], compte: 'Day 2 opens in 23 h 59 min' },
    { nom: 'preview before the period', lignes: 'debut = "2026-05-03";\njours = 12;\nbypass = true;',
        date: '2026-04-20T10:00:00Z', jours: 12, ouverts: de(1, 12) },
    { nom: 'December only, on 5 November', lignes: 'mois = 12;', date: '2026-11-05T10:00:00Z', jours: 31, ouverts: [],
        ligne: 'This calendar opens on 1 December.', bouton: 'Day 12, opens on 12 December' },
    { nom: 'November, on 30 November', lignes: 'mois = 11;', date: '2026-11-30T10:00:00Z', jours: 31, ouverts: [30],
        bouton: 'Day 31, stays shut: November has 30 days' },
];

// Dark pixels in the band under the balls, where the line is written.
const pixelsSombres = (page) => page.evaluate(() => {
    const donnees = calendrier.oCtx.getImageData(300, 700, 960, 60).data;
    let sombres = 0;
    for (let i = 0; i < donnees.length; i += 4) {
        sombres += donnees[i] < 60 && donnees[i + 1] < 60 && donnees[i + 2] < 60 ? 1 : 0;
    }
    return sombres;
});

describe('calendar periods', { concurrency: 4 }, () => {
    for (const cas of CAS) {
        test(cas.nom, async () => {
            const serveur = await commun.servir(siteAvec(cas.lignes));
            const { page, erreurs, fermer } = await h.ouvrirPage(commun.navigateur, serveur.url, cas.date);
            await h.attendreMenu(page);
            const etat = await page.evaluate(() => ({
                boules: calendrier.boules.length,
                noms: Array.from(document.querySelectorAll('.bouton-jour'), (b) => b.textContent),
                ouverts: Array.from(document.querySelectorAll('.bouton-jour'), (b, i) =>
                    (b.getAttribute('aria-disabled') === 'false' ? i + 1 : 0)).filter(Boolean),
                ligne: document.querySelector('p.accessible').textContent,
                compte: document.querySelector('[role=timer]').textContent,
            }));
            assert.equal(etat.boules, cas.jours, 'balls drawn');
            assert.deepEqual(etat.noms.map((nom) => nom.replace(/,.*/, '')), de(1, cas.jours).map((n) => `Day ${n}`));
            assert.deepEqual(etat.ouverts, cas.ouverts);
            assert.equal(etat.ligne, cas.ligne || '');
            assert.equal(etat.compte, cas.compte || '');
            assert.equal(await pixelsSombres(page) > 100, Boolean(cas.ligne || cas.compte), 'the line is drawn under the balls');
            for (const nom of [cas.bouton, cas.passe].filter(Boolean)) {
                assert.ok(etat.noms.includes(nom), `${nom} in ${etat.noms}`);
            }
            // The first open ball opens at a click; a shut one does not.
            const ferme = de(1, cas.jours).find((n) => !cas.ouverts.includes(n));
            for (const jour of [ferme, cas.ouverts[0]].filter(Boolean)) {
                const { x, y } = await page.evaluate((n) => ({ x: calendrier.boules[n - 1].x, y: calendrier.boules[n - 1].y }), jour);
                await page.mouse.click(x, y);
                assert.equal(await page.evaluate(() => calendrier.numeroJour), jour === ferme ? null : jour, `click on ${jour}`);
            }
            assert.deepEqual(erreurs, []);
            await fermer();
        });
    }
});

test('fewer balls spread over the scene, and a written order deals the days over the places', async () => {
    const ordre = [7, 2, 9, 1, 12, 4, 11, 3, 10, 6, 8, 5];
    const serveur = await commun.servir(siteAvec(`jours = 12;\nordre = [${ordre}];`));
    for (const viewport of [{ width: 1560, height: 768 }, { width: 390, height: 844 }]) {
        const { page, erreurs, fermer } = await h.ouvrirPage(commun.navigateur, serveur.url, '2026-12-07T10:00:00Z', { viewport });
        await h.attendreMenu(page);
        const { places, boules, scene } = await page.evaluate(() => ({
            places: calendrier.Disposition.places(calendrier.boules.length, calendrier.ImageMobile.scene),
            boules: calendrier.boules.map((b) => [b.x, b.y, b.taille]),
            scene: { ...calendrier.ImageMobile.scene },
        }));
        ordre.forEach((jour, place) => {
            assert.deepEqual(boules[jour - 1].map(Math.round), places[place], `day ${jour} at place ${place + 1}`);
        });
        // Balanced: the balls reach across the width and down to the trees.
        const xs = boules.map((b) => b[0]);
        const ys = boules.map((b) => b[1]);
        assert.ok(Math.min(...xs) < 0.2 * scene.largeur && Math.max(...xs) > 0.8 * scene.largeur, `across ${xs}`);
        assert.ok(Math.min(...ys) < 0.3 * scene.hauteur && Math.max(...ys) > 0.7 * scene.hauteur, `down ${ys}`);
        await h.capture(page, `page-12-jours-${viewport.width}x${viewport.height}.png`);
        assert.deepEqual(erreurs, []);
        await fermer();
    }
});
