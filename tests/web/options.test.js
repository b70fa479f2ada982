// The calendar's options on chosen dates (past days, a month of its own, a time
// zone) and the mark on days the visitor already opened.
'use strict';
const { describe, test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const h = require('./helpers');

let navigateur;
const serveurs = [];

before(async () => {
    navigateur = await h.lancerNavigateur();
});

after(async () => {
    await navigateur.close();
    await Promise.all(serveurs.map((s) => s.fermer()));
});

async function ouvrirMenu(options, date, jours = {}) {
    const dossier = h.copierModele();
    for (const [jour, texte] of Object.entries(jours)) {
        h.ajouterJour(dossier, Number(jour), 'message', texte);
    }
    h.ecrireOptions(dossier, options);
    const serveur = await h.servir(dossier);
    serveurs.push(serveur);
    const ouverte = await h.ouvrirPage(navigateur, serveur.url, date);
    await h.attendreMenu(ouverte.page);
    return ouverte;
}

const jusqua = (n) => Array.from({ length: n }, (_, i) => i + 1);
const bouton = (page, nom) => page.getByRole('button', { name: nom, exact: true });

// Dark pixels in the band under the balls, where the line is written.
const pixelsSombres = (page) => page.evaluate(() => {
    const donnees = oCtx.getImageData(300, 700, 960, 60).data;
    let sombres = 0;
    for (let i = 0; i < donnees.length; i += 4) {
        sombres += donnees[i] < 60 && donnees[i + 1] < 60 && donnees[i + 2] < 60 ? 1 : 0;
    }
    return sombres;
});

const CAS = [
    { nom: 'past days on the 10th', options: { rattrapage: true }, date: '2026-12-10T10:00:00Z', ouvertes: jusqua(10) },
    { nom: 'December only, on 5 November', options: { mois: 12 }, date: '2026-11-05T10:00:00Z', ouvertes: [],
        ligne: 'This calendar opens on 1 December.', bouton: 'Day 12, opens on 12 December' },
    { nom: 'December only, on 5 December', options: { mois: 12 }, date: '2026-12-05T10:00:00Z', ouvertes: [5] },
    { nom: 'November with past days, in December', options: { mois: 11, rattrapage: true }, date: '2026-12-20T10:00:00Z',
        ouvertes: jusqua(31) },
    { nom: 'November, on 30 November', options: { mois: 11 }, date: '2026-11-30T10:00:00Z', ouvertes: [30],
        bouton: 'Day 31, stays shut: November has 30 days' },
    { nom: 'Kiritimati, at noon UTC on the 4th', options: { fuseau: 'Pacific/Kiritimati' }, date: '2026-12-04T12:00:00Z',
        ouvertes: [5] },
    { nom: 'an unknown zone falls back on the visitor\'s clock', options: { fuseau: 'Nowhere/Atlantis' },
        date: '2026-12-04T12:00:00Z', ouvertes: [4] },
];

describe('calendar options', { concurrency: 3 }, () => {
    for (const cas of CAS) {
        test(cas.nom, async () => {
            const { page, erreurs, fermer } = await ouvrirMenu(cas.options, cas.date);
            const ouvertes = await page.getByRole('button').evaluateAll((boutons) =>
                boutons.map((b, i) => (b.getAttribute('aria-disabled') === 'false' ? i + 1 : 0)).filter(Boolean));
            assert.deepEqual(ouvertes, cas.ouvertes);
            if (cas.bouton) {
                assert.equal(await bouton(page, cas.bouton).count(), 1, cas.bouton);
            }
            assert.equal(await page.locator('p.accessible').textContent(), cas.ligne || '');
            assert.equal(await pixelsSombres(page) > 100, Boolean(cas.ligne), 'the line is drawn under the balls');

            // A click on a shut ball does nothing; on an open one it opens its day.
            const fermee = jusqua(31).find((n) => !cas.ouvertes.includes(n));
            for (const jour of [fermee, cas.ouvertes[0]].filter(Boolean)) {
                await page.mouse.click(h.MENU[jour - 1][0], h.MENU[jour - 1][1]);
                assert.equal(await page.evaluate(() => numeroJour), jour === fermee ? null : jour, `click on ${jour}`);
            }
            assert.deepEqual(erreurs, []);
            await fermer();
        });
    }
});

test('a day opened once is marked after a reload; refused storage changes nothing else', async () => {
    const { page, erreurs, fermer } = await ouvrirMenu({}, '2026-12-05T10:00:00Z', { 5: 'Hello' });
    await bouton(page, 'Day 5').press('Enter');
    await page.keyboard.press('Escape');
    assert.equal(await bouton(page, 'Day 5').count(), 1, 'marked from the next visit');
    await page.reload();
    await h.attendreMenu(page);
    assert.deepEqual(await page.evaluate(() => boules.filter((b) => b.marquee).map((b) => b.getNumero())), [5]);
    assert.equal(await bouton(page, 'Day 5, already opened').count(), 1);
    const [x, y, r] = h.MENU[4];
    assert.deepEqual((await h.pixel(page, Math.round(x + 0.68 * r), Math.round(y + 0.68 * r))).slice(0, 3), [0xff, 0xd3, 0x4d],
        'a gold star on the ball');

    await page.addInitScript(() => {
        Storage.prototype.getItem = () => '{not json';
        Storage.prototype.setItem = () => {
            throw new DOMException('full', 'QuotaExceededError');
        };
    });
    await page.reload();
    await h.attendreMenu(page);
    await bouton(page, 'Day 5').press('Enter');
    assert.equal(await page.evaluate(() => carte.texte), 'Hello', 'unreadable storage: no mark, the day opens');
    assert.deepEqual(erreurs, []);
    await fermer();
});
