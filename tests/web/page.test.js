// The calendar page in headless Chromium: the balls, who may open what, the
// hover colours, preview mode, touch and window fitting.
'use strict';
const { describe, test } = require('node:test');
const assert = require('node:assert/strict');
const h = require('./helpers');

const commun = h.navigateurPartage();

// A site with a picture on day 5, a sound on day 9 and nothing on day 4 or 17.
async function site({ apercu = false } = {}) {
    const dossier = h.copierModele();
    h.ajouterJour(dossier, 5, 'photo', h.png(40, 30, [200, 30, 30, 255]));
    h.ajouterJour(dossier, 9, 'son', h.wav(0.3));
    if (apercu) {
        h.activerApercu(dossier);
    }
    const serveur = await commun.servir(dossier);
    return serveur.url;
}

async function modeleVierge() {
    const serveur = await commun.servir(h.copierModele());
    return serveur.url;
}

// Day 3 holds a "sound" the browser cannot decode.
async function siteIllisible() {
    const dossier = h.copierModele();
    h.ajouterJour(dossier, 3, 'son', Buffer.from('not a sound at all\n'.repeat(50)));
    const serveur = await commun.servir(dossier);
    return serveur.url;
}

async function ouvrirMenu(url, date, options) {
    const ouverte = await h.ouvrirPage(commun.navigateur, url, date, options);
    await h.attendreMenu(ouverte.page);
    return ouverte;
}

const decaler = (couleur, delta) => '#' + (parseInt(couleur.slice(1), 16) + delta).toString(16).padStart(6, '0');
const rgb = (couleur) => [1, 3, 5].map((i) => parseInt(couleur.slice(i, i + 2), 16));
const centre = (jour) => ({ x: h.MENU[jour - 1][0], y: h.MENU[jour - 1][1] });
// A point of the ball's disc clear of its number and of the key.
const surLeDisque = (jour) => ({ x: h.MENU[jour - 1][0] - Math.round(h.MENU[jour - 1][2] * 0.8), y: h.MENU[jour - 1][1] });

// The pages are independent: they share the browser, each in its own context.
describe('the menu', { concurrency: 3 }, () => {
    test('the 31 balls drop into their menu places above the forest, in their palette colours', async () => {
        // The drop itself is checked here: 150 frames, 6.25 s.
        const { page, erreurs, fermer } = await h.ouvrirPage(commun.navigateur, await site(), '2026-12-05T10:00:00Z');
        await h.attendreChargement(page);
        await h.images(page, 150);
        const boules = await h.positionsBoules(page);
        assert.equal(boules.length, 31);
        boules.forEach((boule, i) => {
            assert.ok(Math.abs(boule.x - h.MENU[i][0]) <= 0.01 && Math.abs(boule.y - h.MENU[i][1]) <= 0.01,
                `ball ${i + 1} at ${boule.x}, ${boule.y}`);
            assert.equal(boule.couleur, h.PALETTE[(i + 1) % 8]);
        });
        for (const jour of [1, 3, 12, 23, 31]) {
            const { x, y } = surLeDisque(jour);
            assert.deepEqual((await h.pixel(page, x, y)).slice(0, 3), rgb(h.PALETTE[jour % 8]), `disc of ball ${jour}`);
            // The attachment reads the number followed by a 1.
            const attache = h.MENU[jour - 1];
            assert.deepEqual((await h.pixel(page, attache[0], attache[1] - attache[2] - 4)).slice(0, 3),
                rgb(h.PALETTE[(10 * jour + 1) % 8]), `attachment of ball ${jour}`);
        }
        // Strings hang from the top edge; the forest strip is white on the background.
        const fil = await h.pixel(page, h.MENU[0][0], 2);
        assert.ok(fil.slice(0, 3).every((canal, i) => canal < h.FOND[i] - 40), `string pixel ${fil}`);
        const blancs = await page.evaluate(() => {
            const donnees = calendrier.oCtx.getImageData(0, 648, 1560, 120).data;
            let n = 0;
            for (let i = 0; i < donnees.length; i += 4) {
                n += donnees[i] === 255 && donnees[i + 1] === 255 && donnees[i + 2] === 255 ? 1 : 0;
            }
            return n / (1560 * 120);
        });
        assert.ok(blancs > 0.2, `forest covers ${blancs}`);
        assert.deepEqual((await h.pixel(page, 780, 640)).slice(0, 3), h.FOND);
        await h.capture(page, 'page-menu.png');
        assert.deepEqual(erreurs, []);
        await fermer();
    });

    test('only the ball of the day of the month opens, whatever the month', { concurrency: true }, async (t) => {
        const url = await site();
        const dates = ['2026-12-05T10:00:00Z', '2027-03-05T23:30:00Z', '2026-07-05T00:10:00Z'];
        await Promise.all(dates.map((date) => t.test(date, async () => {
                const { page, erreurs, fermer } = await ouvrirMenu(url, date);
                for (const jour of [4, 6, 25, 9]) {
                    await page.mouse.click(centre(jour).x, centre(jour).y);
                    assert.equal(await page.evaluate(() => calendrier.projectionEnCours), false, `ball ${jour} stays shut`);
                }
                await page.mouse.click(centre(5).x, centre(5).y);
                assert.deepEqual(await page.evaluate(() => [calendrier.projectionEnCours, calendrier.numeroJour]), [true, 5]);
                await h.poserMouvements(page);
                const boules = await h.positionsBoules(page);
                assert.ok(Math.abs(boules[4].x - 65) < 0.01 && Math.abs(boules[4].y - 65) < 0.01, 'ball 5 in the corner');
                boules.forEach((boule, i) => {
                    if (i !== 4) {
                        assert.ok(Math.abs(boule.y + 100) < 0.01 && Math.abs(boule.x - h.MENU[i][0]) < 0.01, `ball ${i + 1} above`);
                    }
                });
                // Input is ignored while the day is shown.
                await page.mouse.click(centre(9).x, centre(9).y);
                assert.equal(await page.evaluate(() => calendrier.numeroJour), 5);
                assert.deepEqual(erreurs, []);
                await fermer();
            })));
    });

    test('hovering another day darkens its ball, hides its number and shows the key; today is lightened', async () => {
        const { page, erreurs, fermer } = await ouvrirMenu(await site(), '2026-12-05T10:00:00Z');
        await page.mouse.move(centre(2).x + 60, centre(2).y - 60);   // in the hit square, outside the disc
        await h.images(page, 1);
        let boules = await h.positionsBoules(page);
        const sombre = decaler(h.PALETTE[2], -0x191919);
        assert.deepEqual([boules[1].couleur, boules[1].couleurTexte, boules[1].verrouillee], [sombre, sombre, true]);
        assert.deepEqual((await h.pixel(page, surLeDisque(2).x, surLeDisque(2).y)).slice(0, 3), rgb(sombre));
        assert.deepEqual(await h.pixel(page, centre(2).x - 35, centre(2).y), [255, 255, 255, 255], 'key bow');
        await h.capture(page, 'page-hover-locked.png');

        await page.mouse.move(centre(5).x, centre(5).y);
        await h.images(page, 1);
        boules = await h.positionsBoules(page);
        assert.deepEqual([boules[1].couleur, boules[1].couleurTexte, boules[1].verrouillee], [h.PALETTE[2], '#ffffff', false]);
        const clair = decaler(h.PALETTE[5], 0x090909);
        assert.deepEqual([boules[4].couleur, boules[4].verrouillee], [clair, false]);
        assert.deepEqual((await h.pixel(page, surLeDisque(5).x, surLeDisque(5).y)).slice(0, 3), rgb(clair));

        // Outside every hit square all balls get their own colours back.
        await page.mouse.move(780, 20);
        await h.images(page, 1);
        boules = await h.positionsBoules(page);
        boules.forEach((boule, i) => assert.equal(boule.couleur, h.PALETTE[(i + 1) % 8]));
        assert.deepEqual(erreurs, []);
        await fermer();
    });

    test('preview mode opens every ball, still darkens other days on hover and draws the banner', async () => {
        const { page, erreurs, fermer } = await ouvrirMenu(await site({ apercu: true }), '2026-12-05T10:00:00Z');
        assert.equal(await page.evaluate(() => bypass), true);
        const banniere = await page.evaluate(() => {
            const donnees = calendrier.oCtx.getImageData(0, 700, 1560, 68).data;
            let n = 0;
            for (let i = 0; i < donnees.length; i += 4) {
                n += donnees[i] === 0xcb && donnees[i + 1] === 0x41 && donnees[i + 2] === 0x27 ? 1 : 0;
            }
            return n;
        });
        assert.ok(banniere > 2000, `banner pixels: ${banniere}`);
        await page.mouse.move(centre(12).x, centre(12).y);
        await h.images(page, 1);
        assert.equal((await h.positionsBoules(page))[11].verrouillee, true);
        await h.capture(page, 'page-preview.png');
        // Day 9 has a sound: opening it starts a projection.
        await page.mouse.click(centre(9).x, centre(9).y);
        assert.deepEqual(await page.evaluate(() => [calendrier.projectionEnCours, calendrier.numeroJour]), [true, 9]);
        assert.deepEqual(erreurs, []);
        await fermer();
    });

    test('a day without media, or whose media cannot be played, brings the balls back', async (t) => {
        for (const [nom, url, date, jour] of [
            ['today in a template without any written line', () => modeleVierge(), '2026-12-17T10:00:00Z', 17],
            ['preview of an empty day', () => site({ apercu: true }), '2026-12-05T10:00:00Z', 4],
            ['a sound file that is not a sound', () => siteIllisible(), '2026-12-03T10:00:00Z', 3],
        ]) {
            await t.test(nom, async () => {
                const { page, erreurs, fermer } = await ouvrirMenu(await url(), date);
                await page.mouse.click(centre(jour).x, centre(jour).y);
                assert.equal(await page.evaluate(() => calendrier.numeroJour), jour);
                await h.attendre(page, () => calendrier.mediaASurveiller === null || !!calendrier.mediaASurveiller.error);
                await h.images(page, 1);
                assert.equal(await page.evaluate(() => calendrier.projectionEnCours), false);
                await h.poserMouvements(page);
                (await h.positionsBoules(page)).forEach((boule, i) => {
                    assert.ok(Math.abs(boule.x - h.MENU[i][0]) <= 0.01 && Math.abs(boule.y - h.MENU[i][1]) <= 0.01);
                });
                // And the menu still answers.
                await page.mouse.click(centre(jour).x, centre(jour).y);
                assert.equal(await page.evaluate(() => calendrier.numeroJour), jour);
                assert.deepEqual(erreurs, []);
                await fermer();
            });
        }
    });

    test('touch opens a ball like the mouse, and pointer positions follow the fitted canvas', async (t) => {
        const url = await site();
        await t.test('touch', async () => {
            const ouverte = await h.ouvrirPage(commun.navigateur, url, '2026-12-05T10:00:00Z', { hasTouch: true });
            await h.attendreMenu(ouverte.page);
            await ouverte.page.touchscreen.tap(centre(4).x, centre(4).y);
            assert.equal(await ouverte.page.evaluate(() => calendrier.projectionEnCours), false);
            await ouverte.page.touchscreen.tap(centre(5).x, centre(5).y);
            assert.deepEqual(await ouverte.page.evaluate(() => [calendrier.projectionEnCours, calendrier.numeroJour]), [true, 5]);
            assert.deepEqual(ouverte.erreurs, []);
            await ouverte.fermer();
        });
        await t.test('half-size window', async () => {
            const { page, erreurs, fermer } = await ouvrirMenu(url, '2026-12-05T10:00:00Z');
            await page.setViewportSize({ width: 780, height: 700 });
            // A loaded machine may deliver the resize event a little later.
            await h.attendre(page, () => calendrier.oCanvas.style.width === '780px');
            await h.poserMouvements(page);
            const taille = await page.evaluate(() => [calendrier.oCanvas.style.width, calendrier.oCanvas.style.height]);
            assert.deepEqual(taille, ['780px', '700px']);
            // The canvas fills the window; the scene takes the window's shape at half
            // size, 1560 x 1400, the drawing's heights stretched by 1400 / 768: ball 5
            // (110, 156) hangs at (110, 284), so at (55, 142) on the screen.
            assert.deepEqual(await page.evaluate(() => [calendrier.ImageMobile.scene.largeur, calendrier.ImageMobile.scene.hauteur]), [1560, 1400]);
            await page.mouse.click(55, 142);
            assert.deepEqual(await page.evaluate(() => [calendrier.projectionEnCours, calendrier.numeroJour, calendrier.mouseX, calendrier.mouseY]), [true, 5, 110, 284]);
            assert.deepEqual(erreurs, []);
            await fermer();
        });
    });

    test('objects move by the easing law at 24 frames per second', async () => {
        const { page, erreurs, fermer } = await ouvrirMenu(await site(), '2026-12-05T10:00:00Z');
        const pas = await page.evaluate(() => {
            const D = 1000;
            return {
                debut: calendrier.ImageMobile.avancerAxe(0, 0, D),
                milieu: calendrier.ImageMobile.avancerAxe(0, D / 2, D) - D / 2,
                fin: D - calendrier.ImageMobile.avancerAxe(0, D - 0.5, D),
                arrive: calendrier.ImageMobile.avancerAxe(0, D - 0.001, D),
                recul: calendrier.ImageMobile.avancerAxe(D, D / 2, 0),
            };
        });
        assert.ok(pas.debut > 0 && pas.debut < 1, `first step ${pas.debut}`);
        assert.ok(Math.abs(pas.milieu - 1000 / 15) < 1e-9, `half-way step ${pas.milieu}`);
        assert.ok(pas.fin > 0 && pas.fin < 0.5, 'eases into the target without passing it');
        assert.equal(pas.arrive, 1000 - 0.001, 'an axis within 0.001 of its target stays');
        assert.ok(Math.abs(pas.recul - (500 - 1000 / 15)) < 1e-9, 'the law is the same in both directions');

        // Each frame lays the sky over the whole canvas once.
        await page.evaluate(() => {
            window.imagesDessinees = 0;
            const original = calendrier.oCtx.fillRect;
            calendrier.oCtx.fillRect = function (x, y, largeur, hauteur) {
                window.imagesDessinees += largeur === calendrier.oCanvas.width && hauteur === calendrier.oCanvas.height ? 1 : 0;
                return original.apply(this, arguments);
            };
        });
        await page.clock.runFor(3000);
        const dessinees = await page.evaluate(() => window.imagesDessinees);
        assert.ok(dessinees >= 71 && dessinees <= 73, `${dessinees} frames in 3 s`);
        assert.deepEqual(erreurs, []);
        await fermer();
    });

    test('frame animations step linearly to their last frame or back and forth', async () => {
        const { page, erreurs, fermer } = await ouvrirMenu(await site(), '2026-12-05T10:00:00Z');
        const suites = await page.evaluate(() => {
            const noms = ['foret', 'clef', 'foret', 'clef'];
            const lineaire = new calendrier.ImageAnimee(noms, 0, 768, 0, 0);
            const allerRetour = new calendrier.ImageAnimee(noms, 0, 768, 0, 0);
            allerRetour.setRaccordable();
            const suivre = (animation) => {
                const indices = [];
                animation.jouer();
                for (let i = 0; i < 8; i++) {
                    animation.animer();
                    indices.push(animation.indice);
                }
                return indices;
            };
            const resultat = { lineaire: suivre(lineaire), actif: lineaire.estActif(), allerRetour: suivre(allerRetour) };
            lineaire.avancerPasAPas();
            resultat.pasAPas = lineaire.indice;
            resultat.nom = lineaire.getNomImageCourante();
            return resultat;
        });
        assert.deepEqual(suites.lineaire, [1, 2, 3, 3, 3, 3, 3, 3]);
        assert.equal(suites.actif, false);
        assert.deepEqual(suites.allerRetour, [1, 2, 3, 2, 1, 0, 1, 2]);
        assert.deepEqual([suites.pasAPas, suites.nom], [0, 'foret']);
        assert.deepEqual(erreurs, []);
        await fermer();
    });
});
