// What every visitor gets: one picture fetched per opened day, the days by
// keyboard and screen reader, reduced motion and a sharp canvas on dense screens.
'use strict';
const { describe, test } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const h = require('./helpers');

const commun = h.navigateurPartage();

const servir = commun.servir;

async function ouvrirMenu(url, date, options) {
    const ouverte = await h.ouvrirPage(commun.navigateur, url, date, options);
    await h.attendreMenu(ouverte.page);
    return ouverte;
}

const bouton = (page, nom) => page.getByRole('button', { name: nom, exact: true });
const etat = (page) => page.evaluate(() => [calendrier.projectionEnCours, calendrier.numeroJour, document.querySelector('[role=status]').textContent]);

// Days 5 (picture), 9 (music) and 7 (video); nothing on the other days.
function siteVarie({ apercu = false } = {}) {
    const dossier = h.copierModele();
    h.ajouterJour(dossier, 5, 'photo', h.png(40, 30, [200, 30, 30, 255]));
    h.ajouterJour(dossier, 9, 'son', h.wav(0.3));
    h.ajouterJour(dossier, 7, 'video', h.fixture('video.webm'));
    if (apercu) {
        h.activerApercu(dossier);
    }
    return dossier;
}

describe('the visitor', { concurrency: 3 }, () => {
    test('a 31-photo site fetches no picture on open, then only the opened day\'s, timed from its display', async () => {
        const dossier = h.copierModele();
        const ids = [];
        for (let jour = 1; jour <= 31; jour++) {
            ids.push(h.ajouterJour(dossier, jour, 'photo', h.png(20 + jour, 20, [10, 20, 30, 255])));
        }
        fs.writeFileSync(path.join(dossier, 'data', ids[12] + '.txt'), 'day 13 holds no picture');
        const serveur = await servir(dossier, (chemin) => chemin.includes(ids[11]));
        const { page, erreurs, fermer } = await h.ouvrirPage(commun.navigateur, serveur.url, '2026-12-12T10:00:00Z');
        const demandees = [];
        page.on('request', (requete) => {
            const nom = new URL(requete.url()).pathname;
            if (nom.endsWith('.txt')) {
                demandees.push(nom.slice('/data/'.length, -'.txt'.length));
            }
        });
        await h.attendreMenu(page);
        assert.deepEqual(demandees, [], 'no picture before a ball is opened');

        // The picture arrives 5 s after the click: its 10 s count from then.
        await bouton(page, 'Day 12').press('Enter');
        await page.clock.fastForward(5000);
        assert.deepEqual(await page.evaluate(() => [calendrier.projectionEnCours, photo.chargementOk]), [true, false]);
        serveur.liberer();
        await h.attendre(page, () => photo.chargementOk);
        const arrivee = await h.maintenant(page);
        await h.avancerJusqua(page, arrivee + 9700);
        assert.equal(await page.evaluate(() => calendrier.projectionEnCours), true, 'still shown 9.7 s after it arrived');
        await h.avancerJusqua(page, arrivee + 10100);
        assert.equal(await page.evaluate(() => calendrier.projectionEnCours), false);
        assert.deepEqual(demandees, [ids[11]], 'only the opened day\'s picture');
        assert.deepEqual(erreurs, []);
        await fermer();

        // A picture that cannot load brings the balls back.
        const autre = await ouvrirMenu(serveur.url, '2026-12-13T10:00:00Z');
        await bouton(autre.page, 'Day 13').press('Enter');
        await h.attendre(autre.page, () => photo.chargementImpossible);
        await h.images(autre.page, 2);
        assert.equal(await autre.page.evaluate(() => calendrier.projectionEnCours), false);
        await autre.fermer();
    });

    test('31 day buttons: Tab and Enter open today\'s day, a locked day stays shut, Escape comes back', async () => {
        const { page, erreurs, fermer } = await ouvrirMenu((await servir(siteVarie())).url, '2026-12-05T10:00:00Z');
        const noms = await page.getByRole('button').allTextContents();
        assert.deepEqual(noms, Array.from({ length: 31 }, (_, i) => i + 1).map((n) =>
            (n === 5 ? 'Day 5' : `Day ${n}, opens on ${n} ${n < 5 ? 'January' : 'December'}`)));
        assert.equal(await page.locator('html').getAttribute('lang'), 'en');

        for (let i = 0; i < 5; i++) {
            await page.keyboard.press('Tab');
        }
        assert.ok(await bouton(page, 'Day 5').evaluate((b) => document.activeElement === b), 'five Tabs reach day 5');
        // The focus ring: a dark circle 8 units outside the ball.
        await h.images(page, 1);
        const [x, y, r] = h.MENU[4];
        assert.ok((await h.pixel(page, x - r - 8, y)).slice(0, 3).every((c) => c < 60), 'focus ring drawn');
        await page.keyboard.press('Enter');
        assert.deepEqual(await etat(page), [true, 5, 'Day 5: picture']);
        await h.attendre(page, () => photo.chargementOk);
        await page.keyboard.press('Escape');
        await h.poserMouvements(page);
        const [enCours, yPhoto] = await page.evaluate(() => [calendrier.projectionEnCours, photo.y]);
        assert.ok(!enCours && Math.abs(yPhoto - 768) < 0.01, 'Escape sends the picture back with the balls');

        await bouton(page, 'Day 12, opens on 12 December').focus();
        await page.keyboard.press('Enter');
        await page.keyboard.press(' ');
        assert.equal(await page.evaluate(() => calendrier.projectionEnCours), false, 'a locked day does not open');
        await bouton(page, 'Day 5').focus();
        await page.keyboard.press(' ');
        assert.deepEqual((await etat(page)).slice(0, 2), [true, 5], 'Space opens as Enter does');
        assert.deepEqual(erreurs, []);
        await fermer();
    });

    test('the live region names what each day holds', async () => {
        const { page, erreurs, fermer } = await ouvrirMenu((await servir(siteVarie({ apercu: true }))).url,
            '2026-12-05T10:00:00Z');
        for (const [jour, annonce] of [[5, 'picture'], [9, 'music'], [7, 'video'], [4, 'nothing today']]) {
            await bouton(page, `Day ${jour}`).press('Enter');
            assert.equal((await etat(page))[2], `Day ${jour}: ${annonce}`);
            await page.keyboard.press('Escape');
            assert.equal(await page.evaluate(() => calendrier.projectionEnCours), false, `day ${jour} closed by Escape`);
        }
        assert.equal(await page.evaluate(() => son.paused), true, 'Escape stops the music');
        assert.deepEqual(erreurs, []);
        await fermer();
    });

    test('with reduced motion the balls stand in place at once and a picture appears in place', async () => {
        const { page, erreurs, fermer } = await h.ouvrirPage(commun.navigateur, (await servir(siteVarie())).url,
            '2026-12-05T10:00:00Z', { reducedMotion: 'reduce' });
        await h.images(page, 1);
        (await h.positionsBoules(page)).forEach((boule, i) => {
            assert.deepEqual([boule.x, boule.y], h.MENU[i].slice(0, 2), `ball ${i + 1}`);
        });
        await bouton(page, 'Day 5').press('Enter');
        await h.attendre(page, () => photo.chargementOk);
        assert.deepEqual(await page.evaluate(() => [photo.x, photo.y]), [760, 369]);
        assert.deepEqual(erreurs, []);
        await fermer();
    });

    test('on a screen of ratio 2 the backing store doubles, drawing and pointer unchanged', async () => {
        const { page, erreurs, fermer } = await ouvrirMenu((await servir(siteVarie())).url, '2026-12-05T10:00:00Z',
            { deviceScaleFactor: 2 });
        assert.deepEqual(await page.evaluate(() => [calendrier.oCanvas.width, calendrier.oCanvas.height, calendrier.oCanvas.style.width, calendrier.oCanvas.style.height]),
            [3120, 1536, '1560px', '768px']);
        // Ball 1's string, one unit wide on a whole unit: two fully dark device
        // pixels, where a stretched 1x canvas gives grey.
        const fil = await page.evaluate(([x]) => Array.from(calendrier.oCtx.getImageData(2 * x - 1, 20, 2, 1).data), h.MENU[0]);
        assert.ok([0, 1, 2, 4, 5, 6].every((i) => fil[i] < 40), `string pixels ${fil}`);
        await h.capture(page, 'page-menu-dpr2.png');
        await page.mouse.click(h.MENU[4][0], h.MENU[4][1]);
        assert.deepEqual(await page.evaluate(() => [calendrier.projectionEnCours, calendrier.numeroJour]), [true, 5]);
        assert.deepEqual(erreurs, []);
        await fermer();
    });
});
