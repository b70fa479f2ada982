// The page on phones (touch, density 3), upright and turned: it fills the
// screen without scrolling, each ball is a thumb-sized target lying over its
// drawing, a tap opens today, a locked ball says when it opens.
'use strict';
const { test } = require('node:test');
const assert = require('node:assert/strict');
const h = require('./helpers');

const commun = h.navigateurPartage();

const TELEPHONE = { deviceScaleFactor: 3, isMobile: true, hasTouch: true };
const rgb = (couleur) => [1, 3, 5].map((i) => parseInt(couleur.slice(i, i + 2), 16));

async function site() {
    const dossier = h.copierModele();
    h.ajouterJour(dossier, 5, 'photo', h.png(40, 30, [200, 30, 30, 255]));
    return (await commun.servir(dossier)).url;
}

// The layout as the visitor meets it: the window, the page's extent, the
// scene's drawn rectangle, each ball (CSS pixels) and its button.
const mesurer = (page) => page.evaluate(() => {
    const scene = calendrier.ImageMobile.scene;
    const fenetre = { largeur: innerWidth, hauteur: innerHeight };
    const echelle = Math.min(innerWidth / scene.largeur, innerHeight / scene.hauteur);
    const cadre = calendrier.oCanvas.getBoundingClientRect();
    return {
        fenetre,
        defilement: [document.documentElement.scrollWidth, document.documentElement.scrollHeight],
        canvas: [cadre.width, cadre.height],
        scene: [scene.largeur * echelle, scene.hauteur * echelle],
        densite: calendrier.oCanvas.width / innerWidth,
        balles: calendrier.boules.map((b) => ({ taille: b.taille * echelle, couleur: b.couleurBase })),
        boutons: Array.from(document.querySelectorAll('.bouton-jour'), (bouton) => {
            const r = bouton.getBoundingClientRect();
            return { x: r.left + r.width / 2, y: r.top + r.height / 2, largeur: r.width, hauteur: r.height };
        }),
    };
});

// Reads the canvas under a CSS point.
const couleurSous = (page, x, y, densite) => page.evaluate(([x, y]) =>
    Array.from(calendrier.oCtx.getImageData(x, y, 1, 1).data).slice(0, 3), [Math.round(x * densite), Math.round(y * densite)]);

async function verifierEcran(page, nom) {
    const m = await mesurer(page);
    const { largeur, hauteur } = m.fenetre;
    assert.ok(m.defilement[0] <= largeur && m.defilement[1] <= hauteur, `${nom}: no scroll (${m.defilement})`);
    assert.deepEqual(m.canvas, [largeur, hauteur], `${nom}: the canvas fills the screen`);
    assert.ok(m.scene[0] * m.scene[1] >= 0.85 * largeur * hauteur, `${nom}: scene ${m.scene} covers 85 %`);
    assert.equal(m.densite, 3, `${nom}: one backing pixel per device pixel`);
    assert.equal(m.boutons.length, 31);
    for (let i = 0; i < 31; i++) {
        const bouton = m.boutons[i];
        const balle = m.balles[i];
        const tour = `${nom}, day ${i + 1}`;
        assert.ok(2 * balle.taille >= 44, `${tour}: ball of ${2 * balle.taille} px`);
        assert.ok(bouton.largeur >= 2 * balle.taille - 0.5 && bouton.largeur >= 44 && bouton.hauteur === bouton.largeur,
            `${tour}: target of ${bouton.largeur} px`);
        // The ball's colour left of the centre, clear of the number.
        assert.deepEqual(await couleurSous(page, bouton.x - 0.8 * balle.taille, bouton.y, m.densite), rgb(balle.couleur),
            `${tour}: the button lies over its ball`);
        for (let j = 0; j < i; j++) {
            const autre = m.boutons[j];
            assert.ok(Math.hypot(bouton.x - autre.x, bouton.y - autre.y) >= (bouton.largeur + autre.largeur) / 2,
                `${tour}: round target clear of day ${j + 1}'s`);
        }
    }
    return m;
}

test('upright, turned and small: the scene fills the screen, targets over the balls, a tap opens today', async () => {
    const url = await site();
    const { page, erreurs, fermer } = await h.ouvrirPage(commun.navigateur, url, '2026-12-05T10:00:00Z',
        { ...TELEPHONE, viewport: { width: 390, height: 844 } });
    await h.attendreMenu(page);
    assert.equal(await page.evaluate(() => document.documentElement.clientWidth), 390, 'laid out at the phone\'s width');
    await verifierEcran(page, '390x844');
    await h.capture(page, 'page-telephone-390x844.png');

    // Turned: laid out again as the wide scene.
    await page.setViewportSize({ width: 844, height: 390 });
    await h.attendre(page, () => calendrier.ImageMobile.scene.largeur > calendrier.ImageMobile.scene.hauteur);
    await h.images(page, 150);
    const tournee = await verifierEcran(page, '844x390');
    await h.capture(page, 'page-telephone-844x390.png');
    await page.touchscreen.tap(tournee.boutons[4].x, tournee.boutons[4].y);
    assert.deepEqual(await page.evaluate(() => [calendrier.projectionEnCours, calendrier.numeroJour]), [true, 5], 'a tap opens today');
    assert.deepEqual(erreurs, []);
    await fermer();

    const petit = await h.ouvrirPage(commun.navigateur, url, '2026-12-05T10:00:00Z', { ...TELEPHONE, viewport: { width: 360, height: 640 } });
    await h.attendreMenu(petit.page);
    const m = await verifierEcran(petit.page, '360x640');
    await petit.page.touchscreen.tap(m.boutons[3].x, m.boutons[3].y);
    assert.equal(await petit.page.evaluate(() => calendrier.projectionEnCours), false, 'a locked ball stays shut');
    await petit.page.touchscreen.tap(m.boutons[4].x, m.boutons[4].y);
    assert.deepEqual(await petit.page.evaluate(() => [calendrier.projectionEnCours, calendrier.numeroJour]), [true, 5]);
    await h.attendre(petit.page, () => photo.chargementOk);
    assert.ok(await petit.page.evaluate(() => photo.largeur <= calendrier.ImageMobile.scene.largeur), 'the picture fits the tall scene');
    // Turned while the picture is shown: it stands in the centre of the wide scene.
    await petit.page.setViewportSize({ width: 640, height: 360 });
    await h.attendre(petit.page, () => calendrier.ImageMobile.scene.largeur > calendrier.ImageMobile.scene.hauteur);
    await h.images(petit.page, 2);
    assert.deepEqual(await petit.page.evaluate(() => [calendrier.projectionEnCours, photo.x, photo.y]),
        [true, (1560 - 40) / 2, (Math.round(1560 * 360 / 640) - 30) / 2]);
    assert.deepEqual(petit.erreurs, []);
    await petit.fermer();
});

test('a locked ball, tapped or entered, says when it opens in place of the last announcement and shows its key', async () => {
    const { page, erreurs, fermer } = await h.ouvrirPage(commun.navigateur, await site(), '2026-12-05T10:00:00Z',
        { ...TELEPHONE, viewport: { width: 390, height: 844 } });
    await h.attendreMenu(page);
    const annonce = () => page.evaluate(() => document.querySelector('[role=status]').textContent);
    await page.getByRole('button', { name: 'Day 5', exact: true }).press('Enter');
    assert.equal(await annonce(), 'Day 5: picture');
    await page.keyboard.press('Escape');

    const { boutons } = await mesurer(page);
    await page.touchscreen.tap(boutons[7].x, boutons[7].y);
    assert.equal(await annonce(), 'Day 8, opens on 8 December');
    assert.deepEqual(await page.evaluate(() => [calendrier.projectionEnCours, calendrier.boules[7].verrouillee]), [false, true], 'the key, no day');

    const douze = page.getByRole('button', { name: 'Day 12, opens on 12 December', exact: true });
    await douze.focus();
    await page.keyboard.press('Enter');
    assert.equal(await annonce(), 'Day 12, opens on 12 December');
    assert.deepEqual(await page.evaluate(() => [calendrier.projectionEnCours, calendrier.boules[11].verrouillee]), [false, true]);
    assert.deepEqual(erreurs, []);
    await fermer();
});

test('from a small phone to 4K, upright or not, the scene covers the screen without scrolling', async () => {
    const { page, erreurs, fermer } = await h.ouvrirPage(commun.navigateur, await site(), '2026-12-05T10:00:00Z');
    await h.attendreMenu(page);
    const ecrans = [[360, 640], [768, 1024], [1024, 768], [1280, 800], [1366, 768], [1920, 1080], [2560, 1080], [3840, 2160]];
    for (const [largeur, hauteur] of ecrans) {
        await page.setViewportSize({ width: largeur, height: hauteur });
        await h.attendre(page, ([l, ht]) => {
            const attendue = calendrier.Disposition.scene(l, ht);
            return innerWidth === l && calendrier.ImageMobile.scene.largeur === attendue.largeur && calendrier.ImageMobile.scene.hauteur === attendue.hauteur;
        }, [largeur, hauteur]);
        const m = await mesurer(page);
        const nom = `${largeur}x${hauteur}`;
        assert.ok(m.defilement[0] <= largeur && m.defilement[1] <= hauteur, `${nom}: no scroll (${m.defilement})`);
        assert.ok(m.scene[0] * m.scene[1] >= 0.85 * largeur * hauteur, `${nom}: scene ${m.scene} covers 85 %`);
        assert.ok(m.balles.every((balle) => 2 * balle.taille >= 44), `${nom}: balls of 44 px`);
    }
    assert.deepEqual(erreurs, []);
    await fermer();
});
