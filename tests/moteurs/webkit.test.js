// The page in WebKitGTK, driven by WebKitWebDriver on a virtual X display: balls,
// keyboard, a picture, a video and a message, without a page error; and a private
// calendar opened with its password.
'use strict';
const { test } = require('node:test');
const fs = require('node:fs');
const net = require('node:net');
const { spawn } = require('node:child_process');
const { Builder, Key } = require('selenium-webdriver');
const { preparerSite, parcourir, servir, preparerSitePrive, parcourirPrive, SANS_PROGRAMME } = require('./commun');

const PILOTE = process.env.WEBKIT_WEBDRIVER || '/usr/bin/WebKitWebDriver';
const MINIBROWSER = process.env.WEBKIT_MINIBROWSER || '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';
const absent = [PILOTE, MINIBROWSER, '/usr/bin/Xvfb'].find((f) => !fs.existsSync(f));

// A display of its own: Xvfb picks a free number and writes it on descriptor 3.
function lancerXvfb() {
    const serveur = spawn('Xvfb', ['-displayfd', '3', '-screen', '0', '1280x720x24', '-nolisten', 'tcp'],
        { stdio: ['ignore', 'ignore', 'ignore', 'pipe'] });
    return new Promise((resolve, reject) => {
        let lu = '';
        serveur.stdio[3].on('data', (morceau) => {
            lu += morceau;
            if (lu.includes('\n')) {
                resolve({ affichage: ':' + lu.trim(), arreter: () => serveur.kill() });
            }
        });
        serveur.on('exit', () => reject(new Error('Xvfb ended before giving its display')));
    });
}

function portLibre() {
    return new Promise((resolve) => {
        const essai = net.createServer();
        essai.listen(0, '127.0.0.1', () => {
            const { port } = essai.address();
            essai.close(() => resolve(port));
        });
    });
}

async function attendrePort(port, delai = 15000) {
    const fin = Date.now() + delai;
    for (;;) {
        const ouvert = await new Promise((resolve) => {
            const prise = net.connect(port, '127.0.0.1', () => {
                prise.end();
                resolve(true);
            });
            prise.on('error', () => resolve(false));
        });
        if (ouvert) {
            return;
        }
        if (Date.now() > fin) {
            throw new Error('WebKitWebDriver did not listen');
        }
        await new Promise((resolve) => setTimeout(resolve, 50));
    }
}

// MiniBrowser on `url`, on a display of its own, driven by WebKitWebDriver.
async function ouvrir(url) {
    const xvfb = await lancerXvfb();
    const port = await portLibre();
    const pilote = spawn(PILOTE, [`--port=${port}`], { env: { ...process.env, DISPLAY: xvfb.affichage }, stdio: 'ignore' });
    let session = null;
    const fermer = async () => {
        if (session) {
            await session.quit();
        }
        pilote.kill();
        xvfb.arreter();
    };
    try {
        await attendrePort(port);
        session = await new Builder().usingServer(`http://127.0.0.1:${port}`).withCapabilities({
            browserName: 'MiniBrowser',
            'webkitgtk:browserOptions': { binary: MINIBROWSER, args: ['--automation'] },
        }).build();
        await session.manage().window().setRect({ width: 1280, height: 720 });
        await session.get(url);
    } catch (erreur) {
        await fermer();
        throw erreur;
    }
    const touches = { Enter: Key.ENTER, Escape: Key.ESCAPE };
    return {
        moteur: {
            nom: 'WebKitGTK',
            evaluer: (fonction, ...arguments_) =>
                session.executeScript(`return (${fonction}).apply(null, arguments);`, ...arguments_),
            touche: async (nom) => (await session.switchTo().activeElement()).sendKeys(touches[nom]),
        },
        fermer,
    };
}

test('WebKitGTK: balls, keyboard, picture, video and message', { skip: absent && `${absent} is not installed` }, async (t) => {
    const debut = Date.now();
    const donnees = preparerSite();
    const serveur = await servir(donnees.site);
    try {
        const { moteur, fermer } = await ouvrir(serveur.url);
        try {
            await parcourir(moteur, donnees);
        } finally {
            await fermer();
        }
    } finally {
        await serveur.fermer();
        fs.rmSync(donnees.site, { recursive: true, force: true });
    }
    t.diagnostic(`WebKitGTK smoke run: ${((Date.now() - debut) / 1000).toFixed(1)} s`);
});

test('WebKitGTK: a private calendar, a wrong then the right password, a day opened',
    { skip: (absent && `${absent} is not installed`) || SANS_PROGRAMME }, async (t) => {
        const debut = Date.now();
        const donnees = preparerSitePrive();
        const serveur = await servir(donnees.site);
        try {
            const { moteur, fermer } = await ouvrir(serveur.url);
            try {
                await parcourirPrive(moteur, donnees);
            } finally {
                await fermer();
            }
        } finally {
            await serveur.fermer();
        }
        t.diagnostic(`WebKitGTK private smoke run: ${((Date.now() - debut) / 1000).toFixed(1)} s`);
    });
