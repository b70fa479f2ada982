// Message days (the card rises with its text wrapped to it and goes back after
// 10 s or at a click, whatever the text holds), and the mark on days the visitor
// already opened.
'use strict';
const { describe, test } = require('node:test');
const assert = require('node:assert/strict');
const h = require('./helpers');

const commun = h.navigateurPartage();

const MESSAGE = 'Merry Christmas, Lou!\nThe sledge is in the garden shed.';
const HOSTILE = 'He said "hi" and \'bye\' \\ C:\\temp\r\nline\u2028two\u2029three </script><script>alert(1)</script>'
    + ' & < > é ß 雪 🎄🎁 \t end';
const MOTS = ['snow', 'candle', 'gingerbread', 'ribbon', 'mistletoe', 'evening', 'lanterns'];
// About 1 000 characters of words and one word wider than the card.
const LONG = Array.from({ length: 150 }, (_, i) => MOTS[i % MOTS.length]).join(' ') + ' ' + 'x'.repeat(120);

// A site with messages on the given days and the given options, open at `date`.
async function ouvrirMenu(options, date, jours = {}, contexte = {}) {
    const dossier = h.copierModele();
    if (options.apercu) {
        h.activerApercu(dossier);
    }
    for (const [jour, texte] of Object.entries(jours)) {
        h.ajouterJour(dossier, Number(jour), 'message', texte);
    }
    h.ecrireOptions(dossier, options);
    const serveur = await commun.servir(dossier);
    const ouverte = await h.ouvrirPage(commun.navigateur, serveur.url, date, contexte);
    await h.attendreMenu(ouverte.page);
    return ouverte;
}

// Past days stay open and the clock is on the 6th, so days 4 to 6 open.
const messages = (contexte) => ouvrirMenu({ rattrapage: true }, '2026-12-06T10:00:00Z',
    { 4: LONG, 5: MESSAGE, 6: HOSTILE }, contexte);
const bouton = (page, nom) => page.getByRole('button', { name: nom, exact: true });

const etat = (page) => page.evaluate(() => ({
    enCours: calendrier.projectionEnCours, texte: carte && carte.texte, annonce: document.querySelector('[role=status]').textContent,
}));

describe('message days', { concurrency: 2 }, () => {
    test('the card rises with the text, leaves after 10 s or at a click, and any text comes through whole', async () => {
        const { page, erreurs, fermer } = await messages();
        await page.mouse.click(h.MENU[4][0], h.MENU[4][1]);
        const ouverte = await h.maintenant(page);
        assert.deepEqual(await etat(page), { enCours: true, texte: MESSAGE, annonce: 'Day 5: ' + MESSAGE });
        const carte = await page.evaluate(() => ({ ...carte }));
        assert.deepEqual([carte.y, carte.yCible], [768, (768 - carte.hauteur) / 2], 'rises from below the bottom edge');
        assert.equal(carte.lignes.length, 2, 'one line per line of the text');
        await h.poserMouvements(page);
        const { x, y } = await page.evaluate(() => ({ x: carte.x, y: carte.y }));
        assert.ok(Math.abs(y - carte.yCible) < 0.01, `card in the centre (${y})`);
        assert.deepEqual((await h.pixel(page, Math.round(x + 30), Math.round(y + carte.hauteur / 2))).slice(0, 3),
            [0xff, 0xfa, 0xf0], 'the card is drawn');
        await h.capture(page, 'page-message.png');
        await h.avancerJusqua(page, ouverte + 10300);
        assert.equal((await etat(page)).enCours, false, 'back to the balls after 10 s');
        assert.equal(await page.evaluate(() => carte.yCible), 768);

        await page.mouse.click(h.MENU[4][0], h.MENU[4][1]);
        await h.images(page, 10);
        await page.mouse.click(780, 384);
        assert.equal((await etat(page)).enCours, false, 'a click puts the card away');

        // The written literal keeps no quote, backslash, angle bracket, line
        // break or non-ASCII character, and reads back as the same text.
        const litteral = h.litteralJS(HOSTILE);
        assert.match(litteral, /^"([\x20-\x21\x23-\x25\x28-\x3b\x3d\x3f-\x5b\x5d-\x7e]|\\u[0-9a-f]{4})*"$/);
        assert.equal(await page.evaluate(litteral), HOSTILE);
        await h.poserMouvements(page);
        await page.mouse.click(h.MENU[5][0], h.MENU[5][1]);
        assert.deepEqual(await etat(page), { enCours: true, texte: HOSTILE, annonce: 'Day 6: ' + HOSTILE });
        const lignes = await page.evaluate(() => carte.lignes);
        assert.ok(lignes[0] === 'He said "hi" and \'bye\' \\ C:\\temp' && lignes.includes('two'),
            `CR LF, U+2028 and U+2029 break lines: ${JSON.stringify(lignes)}`);

        // A long text wraps within the card, which stays inside the scene, and loses nothing.
        await page.keyboard.press('Escape');
        await h.poserMouvements(page);
        await page.mouse.click(h.MENU[3][0], h.MENU[3][1]);
        const long = await page.evaluate(() => {
            calendrier.oCtx.font = carte.police;
            return { ...carte, mesures: carte.lignes.map((ligne) => calendrier.oCtx.measureText(ligne).width) };
        });
        assert.ok(long.largeur <= 1560 - 80 && long.hauteur <= 768 - 80, `card ${long.largeur} x ${long.hauteur}`);
        assert.ok(long.mesures.every((l) => l <= long.largeur - 2 * 48), 'every line fits the card');
        assert.ok(parseInt(long.police, 10) >= 22, `text size ${long.police}`);
        assert.equal(long.lignes.join('').replace(/ /g, ''), LONG.replace(/ /g, ''));
        assert.deepEqual(erreurs, []);
        await fermer();
    });

    test('with reduced motion the card appears in place', async () => {
        const { page, erreurs, fermer } = await messages({ reducedMotion: 'reduce' });
        await bouton(page, 'Day 5').press('Enter');
        assert.equal(await page.evaluate(() => carte.y === carte.ySortie && carte.x === carte.xSortie), true);
        assert.deepEqual(erreurs, []);
        await fermer();
    });
});

test('a day opened once is marked after a reload; refused storage changes nothing else', async () => {
    const { page, erreurs, fermer } = await ouvrirMenu({}, '2026-12-05T10:00:00Z', { 5: 'Hello' });
    await bouton(page, 'Day 5').press('Enter');
    await page.keyboard.press('Escape');
    assert.equal(await bouton(page, 'Day 5').count(), 1, 'marked from the next visit');
    await page.reload();
    await h.attendreMenu(page);
    assert.deepEqual(await page.evaluate(() => calendrier.boules.filter((b) => b.marquee).map((b) => b.getNumero())), [5]);
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
