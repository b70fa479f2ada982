// A preview on a date shows the page as a visitor sees it at that moment: the same balls
// open as on the published page whose clock reads that moment, in the calendar's zone.
'use strict';
const { test } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { execFile } = require('node:child_process');
const h = require('./helpers');

const { chemin: PROGRAMME, sauter: SAUTER } = h.programmeConstruit(path.join('gui', 'tinselbox'));

const commun = h.navigateurPartage();

function lancer(arguments_, env = process.env) {
    return new Promise((resolve) => {
        execFile(PROGRAMME, arguments_, { timeout: 120000, env }, (erreur, sortie, erreurs) => {
            resolve({ code: erreur ? (erreur.code ?? erreur.signal) : 0, journal: sortie + erreurs });
        });
    });
}

// Which balls a visitor may open, in day order, once the page has set its buttons.
async function ouvrables(page) {
    await h.attendre(page, () => document.querySelectorAll('button[aria-disabled]').length === calendrier.boules.length);
    return page.evaluate(() => Array.from(document.querySelectorAll('button[aria-disabled]'),
        (bouton) => bouton.getAttribute('aria-disabled') === 'false'));
}

test('a preview on 5 December at 23:30 in Berlin opens days 1 to 5, as the page does then', { skip: SAUTER }, async () => {
    const dossier = fs.mkdtempSync(path.join(os.tmpdir(), 'tinselbox-apercu-date-'));
    try {
        const projet = path.join(dossier, 'Avent.xml');
        fs.writeFileSync(projet, '<tinselbox nom="Avent" version="1" rattrapage="true" fuseau="Europe/Berlin" '
            + 'debut="2026-12-01" jours="24">\n <jour numero="5">\n  <message>Fifth day</message>\n </jour>\n</tinselbox>\n');
        // An opener that takes the page, as a desktop's would.
        const outils = path.join(dossier, 'outils');
        fs.mkdirSync(outils);
        fs.writeFileSync(path.join(outils, 'xdg-open'), '#!/bin/sh\necho "$1" > "$(dirname "$0")/ouvert"\n', { mode: 0o755 });
        const env = { ...process.env, PATH: outils + path.delimiter + process.env.PATH };

        const apercu = await lancer(['--preview', projet, '--date', '2026-12-05T23:30'], env);
        assert.equal(apercu.code, 0, apercu.journal);
        assert.match(fs.readFileSync(path.join(outils, 'ouvert'), 'utf8'), /^file:\/\/.*\/tmp\/index\.html$/m);
        const site = path.join(dossier, 'site');
        const generation = await lancer(['--generate', '--quiet', projet, site]);
        assert.equal(generation.code, 0, generation.journal);
        // The published page carries no moment of its own.
        assert.doesNotMatch(fs.readFileSync(path.join(site, 'scripts', 'calendrier.js'), 'utf8'), /DateApercu/);

        // The preview, on this machine's real clock: its scripts move it to the moment.
        const contexte = await commun.navigateur.newContext({ viewport: { width: 1560, height: 768 }, timezoneId: 'UTC' });
        const page = await contexte.newPage();
        const erreurs = [];
        page.on('pageerror', (erreur) => erreurs.push(String(erreur)));
        await page.goto(h.urlFichier(path.join(dossier, 'tmp')));
        const vu = await ouvrables(page);
        await contexte.close();

        // The published page with its clock at that moment: 22:30 UTC is 23:30 in Berlin.
        const publie = await h.ouvrirPage(commun.navigateur, h.urlFichier(site), '2026-12-05T22:30:00Z');
        const attendu = await ouvrables(publie.page);
        await publie.fermer();

        assert.deepEqual(vu, attendu);
        assert.deepEqual(vu, Array.from({ length: 24 }, (_, i) => i < 5));
        assert.deepEqual(erreurs, []);
    } finally {
        fs.rmSync(dossier, { recursive: true, force: true });
    }
});
