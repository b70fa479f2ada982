// Opening a day that has a media: the picture, the sound with its cassette
// and the video, each back to the balls when it is over; every stored format
// loads from its ".txt" name, from disk and from a server.
'use strict';
const { describe, test } = require('node:test');
const assert = require('node:assert/strict');
const h = require('./helpers');

const commun = h.navigateurPartage();

const servir = commun.servir;

async function ouvrirMenu(url, date = '2026-12-05T10:00:00Z') {
    const ouverte = await h.ouvrirPage(commun.navigateur, url, date);
    await h.attendreMenu(ouverte.page);
    return ouverte;
}

// A day's picture loads when its day opens: wait for it before counting frames.
async function ouvrirJour(page, jour) {
    await page.mouse.click(h.MENU[jour - 1][0], h.MENU[jour - 1][1]);
    assert.deepEqual(await page.evaluate(() => [calendrier.projectionEnCours, calendrier.numeroJour]), [true, jour]);
    await h.attendre(page, () => !(calendrier.mediaASurveiller instanceof Photo) || photo.chargementOk);
}

async function verifierRetourAuMenu(page) {
    assert.equal(await page.evaluate(() => calendrier.projectionEnCours), false);
    await h.poserMouvements(page);
    (await h.positionsBoules(page)).forEach((boule, i) => {
        assert.ok(Math.abs(boule.x - h.MENU[i][0]) <= 0.01 && Math.abs(boule.y - h.MENU[i][1]) <= 0.01, `ball ${i + 1}`);
    });
}

const proche = (pixel, rgb, ecart = 40) => rgb.every((canal, i) => Math.abs(pixel[i] - canal) <= ecart);

// A warm gradient with a pale disc: a stand-in for a visitor's photo.
function tableau(x, y) {
    const t = y / 320;
    const dans = (x - 330) ** 2 + (y - 110) ** 2 < 45 ** 2;
    return dans ? [0xf3, 0xce, 0xc6, 255] : [Math.round(0xcb + (0xe8 - 0xcb) * t), Math.round(0x41 + (0xdf - 0x41) * t),
        Math.round(0x27 + (0xb4 - 0x27) * t), 255];
}

// The pages are independent: they share the browser, each in its own context.
describe('days with a media', { concurrency: 3 }, () => {
    test('a picture rises into the centre and goes back with the balls after 10 seconds', async () => {
        const dossier = h.copierModele();
        h.ajouterJour(dossier, 5, 'photo', h.png(480, 320, tableau));
        const { page, erreurs, fermer } = await ouvrirMenu((await servir(dossier)).url);
        await ouvrirJour(page, 5);
        // Shown from now: its 10 s count from here.
        const affichee = await h.maintenant(page);
        assert.deepEqual(await page.evaluate(() => [photo.x, photo.y, photo.xCible, photo.yCible]), [540, 768, 540, 224],
            'starts just below the bottom edge, bound for the centre');
        await h.poserMouvements(page);
        const photo = await page.evaluate(() => ({ x: photo.x, y: photo.y, l: photo.largeur, h: photo.hauteur }));
        assert.ok(Math.abs(photo.x - 540) <= 0.01 && Math.abs(photo.y - 224) <= 0.01, `photo at ${photo.x}, ${photo.y}`);
        assert.deepEqual([photo.l, photo.h], [480, 320], 'a smaller picture keeps its size');
        assert.deepEqual(await h.pixel(page, 540 + 10, 224 + 5), tableau(10, 5));
        await h.capture(page, 'page-photo.png');

        await h.avancerJusqua(page, affichee + 9700);
        assert.equal(await page.evaluate(() => calendrier.projectionEnCours), true, 'still shown just before 10 s');
        await h.avancerJusqua(page, affichee + 10100);
        assert.equal(await page.evaluate(() => photo.yCible), 768);
        await verifierRetourAuMenu(page);
        assert.ok(Math.abs(await page.evaluate(() => photo.y) - 768) <= 0.01);
        // A point the picture covered and no ball covers.
        assert.ok(proche(await h.pixel(page, 650, 300), h.FOND, 0));
        // The timer ran once and is gone: nothing moves the balls again.
        await page.clock.fastForward(20000);
        assert.equal(await page.evaluate(() => calendrier.projectionEnCours), false);
        assert.deepEqual(erreurs, []);
        await fermer();
    });

    test('a picture larger than the canvas is fitted keeping its ratio', async (t) => {
        const cas = [
            // [width, height, fitted width, fitted height]
            [3120, 1000, 1560, 500],
            [800, 1536, 400, 768],
            [1560, 768, 1560, 768],
            [1600, 200, 1560, 195],
        ];
        const dossier = h.copierModele();
        cas.forEach(([l, ht], i) => h.ajouterJour(dossier, i + 1, 'photo', h.png(l, ht, [30, 60, 200, 255])));
        h.activerApercu(dossier);
        const { page, erreurs, fermer } = await ouvrirMenu((await servir(dossier)).url);
        for (const [i, [l, ht, largeur, hauteur]] of cas.entries()) {
            await t.test(`${l} x ${ht}`, async () => {
                await ouvrirJour(page, i + 1);
                await h.poserMouvements(page);
                const photo = await page.evaluate(() => [photo.largeur, photo.hauteur, photo.x, photo.y]);
                assert.deepEqual(photo, [largeur, hauteur, (1560 - largeur) / 2, (768 - hauteur) / 2].map((v, j) =>
                    j < 2 ? v : photo[j] - v <= 0.01 && v - photo[j] <= 0.01 ? photo[j] : v));
                assert.ok(proche(await h.pixel(page, 780, Math.ceil((768 - hauteur) / 2) + 1), [30, 60, 200], 0));
                if (hauteur < 768) {
                    assert.ok(proche(await h.pixel(page, 780, Math.floor((768 - hauteur) / 2) - 2), h.FOND, 0));
                }
                await page.clock.fastForward(10000);
                await verifierRetourAuMenu(page);
            });
        }
        assert.deepEqual(erreurs, []);
        await fermer();
    });

    test('a sound shows the cassette while it plays and brings the balls back when it ends', async () => {
        const dossier = h.copierModele();
        const id = h.ajouterJour(dossier, 9, 'son', h.wav(1));
        const { page, erreurs, fermer } = await ouvrirMenu((await servir(dossier)).url, '2026-12-09T10:00:00Z');
        await ouvrirJour(page, 9);
        assert.equal(await page.evaluate(() => { const enCours = !son.paused; son.pause(); return enCours; }), true);
        await h.attendre(page, () => pochette.chargementOk);
        await h.poserMouvements(page);
        const etat = await page.evaluate(() => ({
            x: pochette.x, y: pochette.y, adresse: son.getAttribute('src'), surveille: calendrier.mediaASurveiller === son,
        }));
        assert.ok(Math.abs(etat.x - 380) <= 0.01 && Math.abs(etat.y - 135) <= 0.01, `cassette at ${etat.x}, ${etat.y}`);
        assert.deepEqual([etat.adresse, etat.surveille], [`data/${id}.txt`, true]);
        // The red band of the cassette's label.
        assert.ok(proche(await h.pixel(page, 780, 135 + 80), [0xcb, 0x41, 0x27], 0));
        assert.equal(await page.evaluate(() => calendrier.projectionEnCours), true);
        await h.capture(page, 'page-sound.png');

        await page.evaluate(() => son.play());
        await h.attendre(page, () => son.ended);
        await h.images(page, 1);
        assert.deepEqual(await page.evaluate(() => [calendrier.mediaASurveiller, pochette.yCible]), [null, 768]);
        await verifierRetourAuMenu(page);
        assert.deepEqual(erreurs, []);
        await fermer();
    });

    test('a video draws nothing until its data has loaded, then rises and returns when it ends', async () => {
        const dossier = h.copierModele();
        const id = h.ajouterJour(dossier, 7, 'video', h.fixture('video.webm'));
        const serveur = await servir(dossier, (chemin) => chemin.endsWith(id + '.txt'));
        const { page, erreurs, fermer } = await ouvrirMenu(serveur.url, '2026-12-07T10:00:00Z');
        await ouvrirJour(page, 7);
        await h.poserMouvements(page);
        assert.deepEqual(await page.evaluate(() => [ecran.chargementOk, videos.length, document.querySelectorAll('video').length,
            getComputedStyle(document.querySelector('video')).display]),
            [false, 1, 1, 'none']);
        assert.ok(proche(await h.pixel(page, 780, 384), h.FOND, 0), 'nothing drawn before the data');

        serveur.liberer();
        await h.attendre(page, () => ecran.chargementOk);
        // Held on its first frames while the screen rises, so the machine's speed cannot end it early.
        await page.evaluate(() => video.pause());
        await h.poserMouvements(page);
        const ecran = await page.evaluate(() => [ecran.largeur, ecran.hauteur, ecran.x, ecran.y]);
        assert.deepEqual(ecran.slice(0, 2), [160, 90]);
        assert.ok(Math.abs(ecran[2] - 700) <= 0.01 && Math.abs(ecran[3] - 339) <= 0.01, `screen at ${ecran}`);
        const magenta = [];
        for (const [x, y] of [[702, 341], [858, 341], [702, 427], [858, 427], [780, 384]]) {
            magenta.push(proche(await h.pixel(page, x, y), [255, 0, 255], 60));
        }
        assert.ok(magenta.filter(Boolean).length >= 3, `video frame drawn: ${magenta}`);
        await h.capture(page, 'page-video.png');

        await page.evaluate(() => video.play());
        await h.attendre(page, () => video.ended);
        await h.images(page, 1);
        assert.deepEqual(await page.evaluate(() => [calendrier.mediaASurveiller, ecran.yCible]), [null, 768]);
        await verifierRetourAuMenu(page);
        assert.ok(Math.abs(await page.evaluate(() => ecran.y) - 768) <= 0.001);
        assert.deepEqual(erreurs, []);
        await fermer();
    });

    test('every media format plays from its ".txt" name, from disk and from a server', { concurrency: true }, async (t) => {
        const medias = [
            ['PNG', 'photo', () => h.png(64, 48, [0, 0, 255, 255])],
            ['JPEG', 'photo', () => h.fixture('photo.jpg')],
            ['WAV', 'son', () => h.wav(0.3)],
            ['Ogg Opus', 'son', () => h.ogg(0.3)],
            ['MP3', 'son', () => h.mp3(0.3)],
            ['WebM', 'video', () => h.fixture('video.webm')],
            ['MP4', 'video', () => h.fixture('video.mp4')],
        ];
        const dossier = h.copierModele();
        medias.forEach(([, type, contenu], i) => h.ajouterJour(dossier, i + 1, type, contenu()));
        h.activerApercu(dossier);
        const protocoles = [['file', h.urlFichier(dossier)], ['http', (await servir(dossier)).url]];
        await Promise.all(protocoles.map(([protocole, url]) => t.test(protocole, async (t) => {
                const { page, erreurs, fermer } = await ouvrirMenu(url);
                for (const [i, [format, type]] of medias.entries()) {
                    await t.test(format, async () => {
                        await ouvrirJour(page, i + 1);
                        if (type === 'photo') {
                            await h.attendre(page, () => photo.chargementOk);
                            assert.ok(await page.evaluate(() => photo.image.naturalWidth) > 0);
                            await page.clock.fastForward(10000);
                        } else if (type === 'son') {
                            await h.attendre(page, () => son.ended || son.error);
                            assert.deepEqual(await page.evaluate(() => [son.error, son.duration > 0.2]), [null, true]);
                            await h.images(page, 1);
                        } else {
                            await h.attendre(page, () => video.ended || video.error);
                            assert.deepEqual(await page.evaluate(() => [video.error, ecran.chargementOk, video.videoWidth]), [null, true, 160]);
                            await h.images(page, 1);
                        }
                        await verifierRetourAuMenu(page);
                    });
                }
                assert.deepEqual(erreurs, []);
                await fermer();
            })));
    });
});
