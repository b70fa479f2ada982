// The page in Firefox ESR, driven over WebDriver BiDi: balls, keyboard, a picture,
// a video and a message, without a page error; and a private calendar opened with its
// password.
'use strict';
const { test } = require('node:test');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { spawn } = require('node:child_process');
const puppeteer = require('puppeteer-core');
const { preparerSite, parcourir, servir, preparerSitePrive, parcourirPrive, SANS_PROGRAMME } = require('./commun');

const FIREFOX = process.env.FIREFOX || '/usr/bin/firefox-esr';

// Firefox fails any sound at once without an audio output: a null sink of a
// PulseAudio of the test's own, in a runtime folder of its own.
async function lancerSon() {
    const dossier = fs.mkdtempSync(path.join(os.tmpdir(), 'tinselbox-pulse-'));
    fs.chmodSync(dossier, 0o700);
    const serveur = spawn('pulseaudio', ['--daemonize=no', '--exit-idle-time=-1', '-n', '--use-pid-file=no',
        '--load=module-null-sink sink_name=nul', '--load=module-native-protocol-unix'],
    { env: { ...process.env, XDG_RUNTIME_DIR: dossier, HOME: dossier }, stdio: 'ignore' });
    const prise = path.join(dossier, 'pulse', 'native');
    const fin = Date.now() + 10000;
    while (!fs.existsSync(prise) && Date.now() < fin && serveur.exitCode === null) {
        await new Promise((resolve) => setTimeout(resolve, 50));
    }
    return {
        environnement: fs.existsSync(prise) ? { PULSE_SERVER: 'unix:' + prise } : {},
        arreter: () => {
            serveur.kill();
            fs.rmSync(dossier, { recursive: true, force: true });
        },
    };
}

// Firefox on `url`, with an audio output of its own.
async function ouvrir(url) {
    const son = await lancerSon();
    const navigateur = await puppeteer.launch({
        browser: 'firefox',
        executablePath: FIREFOX,
        headless: true,
        defaultViewport: { width: 1280, height: 720 },
        env: { ...process.env, ...son.environnement },
        extraPrefsFirefox: { 'media.autoplay.default': 0, 'media.autoplay.blocking_policy': 0 },
    });
    const page = await navigateur.newPage();
    await page.goto(url);
    return {
        moteur: {
            nom: 'Firefox',
            evaluer: (fonction, ...arguments_) => page.evaluate(fonction, ...arguments_),
            touche: (nom) => page.keyboard.press(nom),
        },
        fermer: async () => {
            await navigateur.close();
            son.arreter();
        },
    };
}

const ABSENT = !fs.existsSync(FIREFOX) && `${FIREFOX} is not installed`;

test('Firefox ESR: balls, keyboard, picture, video and message', { skip: ABSENT }, async (t) => {
    const debut = Date.now();
    const donnees = preparerSite();
    const serveur = await servir(donnees.site);
    const { moteur, fermer } = await ouvrir(serveur.url);
    try {
        await parcourir(moteur, donnees);
    } finally {
        await fermer();
        await serveur.fermer();
        fs.rmSync(donnees.site, { recursive: true, force: true });
    }
    t.diagnostic(`Firefox ESR smoke run: ${((Date.now() - debut) / 1000).toFixed(1)} s`);
});

test('Firefox ESR: a private calendar, a wrong then the right password, a day opened',
    { skip: ABSENT || SANS_PROGRAMME }, async (t) => {
        const debut = Date.now();
        const donnees = preparerSitePrive();
        const serveur = await servir(donnees.site);
        const { moteur, fermer } = await ouvrir(serveur.url);
        try {
            await parcourirPrive(moteur, donnees);
        } finally {
            await fermer();
            await serveur.fermer();
        }
        t.diagnostic(`Firefox ESR private smoke run: ${((Date.now() - debut) / 1000).toFixed(1)} s`);
    });
