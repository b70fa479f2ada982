// Shared by the page tests: a copy of the template with day lines written
// under its markers the way the site generator writes them, tiny media
// files, a local HTTP server and a headless Chromium.
'use strict';
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const http = require('node:http');
const zlib = require('node:zlib');
const crypto = require('node:crypto');
const vm = require('node:vm');
const { execFile } = require('node:child_process');
const { chromium } = require('playwright-core');

const RACINE = path.resolve(__dirname, '..', '..');
const MODELE = path.join(RACINE, 'core', 'site', 'ressources', 'tinselbox', 'js');
const FIXTURES = path.join(__dirname, 'fixtures');
const DUREE_IMAGE = 1000 / 24;

const MARQUEUR_SCENE = '// <GESTION DE LA SCENE>';
const MARQUEUR_COLLECTION = '// <GESTION DE LA COLLECTION>';
const MARQUEUR_INITIALISATION = '// <INITIALISATION>';

// Menu places and radii of balls 1 to 31, from the page's own table.
const MENU = (() => {
    const contexte = {};
    vm.runInNewContext(fs.readFileSync(path.join(MODELE, 'scripts', 'disposition.js'), 'utf8'), contexte);
    // As plain arrays of this realm, so that tests compare them deeply.
    return JSON.parse(JSON.stringify(contexte.calendrier.Disposition.MENU_31));
})();
// A private calendar's decryption script, as the site template holds it.
const VERROU = path.join(RACINE, 'core', 'site', 'ressources', 'tinselbox', 'prive', 'scripts', 'dechiffrement.js');

// The lock's format functions, as the decryption script adds them to the lock's object.
function chargerFormatVerrou() {
    const contexte = { crypto: crypto.webcrypto, TextEncoder, TextDecoder, atob, btoa, Uint8Array, calendrier: { verrou: {} } };
    vm.createContext(contexte);
    vm.runInContext(fs.readFileSync(VERROU, 'utf8'), contexte);
    return contexte.calendrier.verrou.format;
}

// What an encrypted content script hands to calendrier.verrou.recevoir.
function lireScriptChiffre(fichier) {
    let recu = null;
    vm.runInNewContext(fs.readFileSync(fichier, 'utf8'), {
        calendrier: { verrou: { recevoir: (identite, sel, morceaux) => { recu = { identite, sel, morceaux }; } } },
    });
    return recu;
}

// Runs the program to its end: its exit code (or signal) and everything it printed.
function executerProgramme(programme, arguments_, environnement = {}) {
    return new Promise((resolve) => {
        execFile(programme, arguments_, { timeout: 120000, env: { ...process.env, ...environnement } },
            (erreur, sortie, erreurs) => resolve({ code: erreur ? (erreur.code ?? erreur.signal) : 0, journal: sortie + erreurs }));
    });
}

const PALETTE = ['#f3cec6', '#cb4127', '#598181', '#e95f43', '#e8dfb4', '#7c6b51', '#b0b94e', '#64b2b2'];
const FOND = [0xa3, 0xd7, 0xd2];

function dossierArtefacts() {
    const dossier = process.env.TINSELBOX_ARTEFACTS || path.join(os.tmpdir(), 'tinselbox-web-artefacts');
    fs.mkdirSync(dossier, { recursive: true });
    return dossier;
}

// Temporary folders of this test file, removed when its process ends whatever the outcome.
const temporaires = [];
process.on('exit', () => {
    for (const dossier of temporaires) {
        fs.rmSync(dossier, { recursive: true, force: true });
    }
});

function dossierTemporaire(prefixe = 'tinselbox-') {
    const dossier = fs.mkdtempSync(path.join(os.tmpdir(), prefixe));
    temporaires.push(dossier);
    return dossier;
}

function copierModele() {
    const site = dossierTemporaire('tinselbox-site-');
    fs.cpSync(MODELE, site, { recursive: true });
    return site;
}

// Writes text on the lines that follow every line holding the marker; the
// text ends with a line feed and one more follows it, as the generator does.
function ecrireSousMarqueur(fichier, marqueur, texte) {
    const lignes = fs.readFileSync(fichier, 'utf8').split('\n');
    const sortie = [];
    for (const ligne of lignes) {
        sortie.push(ligne);
        if (ligne.includes(marqueur)) {
            sortie.push(texte);
        }
    }
    fs.writeFileSync(fichier, sortie.join('\n'));
}

// The script lines each media kind writes, word for word.
const FRAGMENTS = {
    photo: {
        scene: (id) => `photo = new Photo("${id}");\nimagesMobiles.push(photo);\ndeclencherTimer(photo, 10000);\nbreak;\n`,
        collection: (id) => `this.fichiers.set("${id}", "./data/${id}.txt");\n`,
        fichier: 'collectionPhotos.js',
    },
    son: {
        scene: (id) => `pochette = new Photo("pochette");\nimagesMobiles.push(pochette);\npochette.sortir()\n`
            + `son = collectionSons.jouerSon("${id}");\ndetecterArret(son);\nbreak;\n`,
        collection: (id) => `case "${id}":\nthis.chargerSon("${id}", "data/${id}.txt");\nbreak;\n`,
        fichier: 'collectionSons.js',
    },
    video: {
        scene: (id) => `ecran = new Video("${id}");\nvideo = collectionVideos.jouerVideo("${id}", ecran);\n`
            + `videos.push(ecran);\ndetecterArret(video);\nbreak;\n`,
        collection: (id) => `case "${id}":\nthis.chargerVideo("${id}", "data/${id}.txt", ecran);\nbreak;\n`,
        fichier: 'collectionVideos.js',
    },
};

// A text as the generator writes it in a script: a string literal keeping
// printable ASCII but for " ' \ < > &, every other UTF-16 unit as \uXXXX.
function litteralJS(texte) {
    let sortie = '"';
    for (let i = 0; i < texte.length; i++) {
        const unite = texte.charCodeAt(i);
        sortie += unite >= 0x20 && unite <= 0x7e && !'"\'\\<>&'.includes(texte[i])
            ? texte[i] : '\\u' + unite.toString(16).padStart(4, '0');
    }
    return sortie + '"';
}

// A message has scene lines only: its text is in them.
FRAGMENTS.message = {
    scene: (texte) => `carte = new Carte(${litteralJS(texte)});\nimagesMobiles.push(carte);\ndeclencherTimer(carte, 10000);\nbreak;\n`,
};

function identifiant(jour, nomCalendrier) {
    return crypto.createHash('md5').update(String(jour) + nomCalendrier).digest('hex');
}

// Gives a day its media: the file under data/ and the lines under the markers
// (for a message, contenu is its text and only the scene lines are written).
function ajouterJour(site, jour, type, contenu, nomCalendrier = 'Avent') {
    if (type === 'message') {
        ecrireSousMarqueur(path.join(site, 'scripts', 'calendrier.js'), MARQUEUR_SCENE,
            `case ${jour}:\n` + FRAGMENTS.message.scene(contenu));
        return null;
    }
    const id = identifiant(jour, nomCalendrier);
    const fragment = FRAGMENTS[type];
    fs.writeFileSync(path.join(site, 'data', id + '.txt'), contenu);
    ecrireSousMarqueur(path.join(site, 'scripts', fragment.fichier), MARQUEUR_COLLECTION, fragment.collection(id));
    ecrireSousMarqueur(path.join(site, 'scripts', 'calendrier.js'), MARQUEUR_SCENE, `case ${jour}:\n` + fragment.scene(id));
    return id;
}

function activerApercu(site) {
    ecrireSousMarqueur(path.join(site, 'scripts', 'calendrier.js'), MARQUEUR_INITIALISATION, 'bypass = true;\n');
}

// The calendar's options, a line each for those not at their default.
function ecrireOptions(site, { rattrapage = false, mois = 0, fuseau = '' }) {
    const lignes = (rattrapage ? 'rattrapage = true;\n' : '') + (mois ? `mois = ${mois};\n` : '')
        + (fuseau ? `fuseau = ${litteralJS(fuseau)};\n` : '');
    if (lignes) {
        ecrireSousMarqueur(path.join(site, 'scripts', 'calendrier.js'), MARQUEUR_INITIALISATION, lignes);
    }
}

// ---- Tiny media.

function crc32(octets) {
    let crc = 0xffffffff;
    for (const octet of octets) {
        crc ^= octet;
        for (let i = 0; i < 8; i++) {
            crc = (crc >>> 1) ^ (0xedb88320 & -(crc & 1));
        }
    }
    return (crc ^ 0xffffffff) >>> 0;
}

// couleur: [r, g, b, a] for a plain picture, or a function of (x, y) giving one.
function png(largeur, hauteur, couleur) {
    const bloc = (type, donnees) => {
        const longueur = Buffer.alloc(4);
        longueur.writeUInt32BE(donnees.length);
        const corps = Buffer.concat([Buffer.from(type, 'latin1'), donnees]);
        const somme = Buffer.alloc(4);
        somme.writeUInt32BE(crc32(corps));
        return Buffer.concat([longueur, corps, somme]);
    };
    const entete = Buffer.alloc(13);
    entete.writeUInt32BE(largeur, 0);
    entete.writeUInt32BE(hauteur, 4);
    entete.set([8, 6, 0, 0, 0], 8);
    const teinte = typeof couleur === 'function' ? couleur : () => couleur;
    const brut = Buffer.alloc(hauteur * (1 + 4 * largeur));
    for (let y = 0; y < hauteur; y++) {
        for (let x = 0; x < largeur; x++) {
            brut.set(teinte(x, y), y * (1 + 4 * largeur) + 1 + 4 * x);
        }
    }
    return Buffer.concat([
        Buffer.from([0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a]),
        bloc('IHDR', entete), bloc('IDAT', zlib.deflateSync(brut)), bloc('IEND', Buffer.alloc(0)),
    ]);
}

function wav(secondes, frequence = 8000) {
    const echantillons = Math.round(secondes * frequence);
    const tampon = Buffer.alloc(44 + echantillons);
    tampon.write('RIFF', 0, 'latin1');
    tampon.writeUInt32LE(36 + echantillons, 4);
    tampon.write('WAVEfmt ', 8, 'latin1');
    tampon.writeUInt32LE(16, 16);
    tampon.writeUInt16LE(1, 20);
    tampon.writeUInt16LE(1, 22);
    tampon.writeUInt32LE(frequence, 24);
    tampon.writeUInt32LE(frequence, 28);
    tampon.writeUInt16LE(1, 32);
    tampon.writeUInt16LE(8, 34);
    tampon.write('data', 36, 'latin1');
    tampon.writeUInt32LE(echantillons, 40);
    for (let i = 0; i < echantillons; i++) {
        tampon[44 + i] = 128 + Math.round(40 * Math.sin(2 * Math.PI * 440 * i / frequence));
    }
    return tampon;
}

// Silent MPEG-1 layer III frames, 128 kbit/s at 44.1 kHz (417 bytes, 1152 samples each).
function mp3(secondes) {
    const trame = Buffer.alloc(417);
    trame.set([0xff, 0xfb, 0x90, 0xc4]);
    return Buffer.concat(Array(Math.ceil(secondes * 44100 / 1152)).fill(trame));
}

function crcOgg(octets) {
    let crc = 0;
    for (const octet of octets) {
        crc ^= octet << 24;
        for (let i = 0; i < 8; i++) {
            crc = (crc & 0x80000000) ? ((crc << 1) ^ 0x04c11db7) : (crc << 1);
        }
    }
    return crc >>> 0;
}

function pageOgg(paquets, drapeaux, granule, sequence) {
    const segments = [];
    for (const paquet of paquets) {
        let reste = paquet.length;
        while (reste >= 255) {
            segments.push(255);
            reste -= 255;
        }
        segments.push(reste);
    }
    const entete = Buffer.alloc(27);
    entete.write('OggS', 0, 'latin1');
    entete[5] = drapeaux;
    entete.writeBigUInt64LE(BigInt(granule), 6);
    entete.writeUInt32LE(0x7411, 14);
    entete.writeUInt32LE(sequence, 18);
    entete[26] = segments.length;
    const page = Buffer.concat([entete, Buffer.from(segments), ...paquets]);
    page.writeUInt32LE(crcOgg(page), 22);
    return page;
}

// Ogg Opus of 20 ms silence packets.
function ogg(secondes) {
    const tete = Buffer.alloc(19);
    tete.write('OpusHead', 0, 'latin1');
    tete[8] = 1;
    tete[9] = 1;
    tete.writeUInt16LE(312, 10);
    tete.writeUInt32LE(48000, 12);
    const vendeur = Buffer.from('tinselbox', 'latin1');
    const etiquettes = Buffer.concat([Buffer.from('OpusTags', 'latin1'), Buffer.from([vendeur.length, 0, 0, 0]), vendeur, Buffer.alloc(4)]);
    const nombre = Math.min(250, Math.round(secondes * 50));
    const silence = Buffer.from([0xf8, 0xff, 0xfe]);
    return Buffer.concat([
        pageOgg([tete], 0x02, 0, 0),
        pageOgg([etiquettes], 0x00, 0, 1),
        pageOgg(Array(nombre).fill(silence), 0x04, 312 + 960 * nombre, 2),
    ]);
}

function fixture(nom) {
    return fs.readFileSync(path.join(FIXTURES, nom));
}

// ---- Serving a site on 127.0.0.1 (pixels of a file:// page cannot be read).

const TYPES = {
    '.html': 'text/html', '.css': 'text/css', '.js': 'text/javascript', '.png': 'image/png',
    '.otf': 'font/otf', '.txt': 'text/plain', '.jpg': 'image/jpeg', '.gif': 'image/gif',
    '.mp4': 'video/mp4', '.m4a': 'audio/mp4', '.mp3': 'audio/mpeg',
};

// retenir(chemin) true holds that file's answer until liberer() is called;
// entetes are added to every answer.
async function servir(site, retenir = () => false, entetes = {}) {
    let liberer;
    const libere = new Promise((resolve) => { liberer = resolve; });
    const serveur = http.createServer(async (requete, reponse) => {
        const chemin = decodeURIComponent(new URL(requete.url, 'http://localhost').pathname);
        const fichier = path.join(site, path.normalize(chemin));
        if (!fichier.startsWith(site) || !fs.existsSync(fichier) || fs.statSync(fichier).isDirectory()) {
            reponse.writeHead(404);
            reponse.end();
            return;
        }
        if (retenir(chemin)) {
            await libere;
        }
        const contenu = fs.readFileSync(fichier);
        const type = TYPES[path.extname(fichier)] || 'application/octet-stream';
        const plage = /bytes=(\d*)-(\d*)/.exec(requete.headers.range || '');
        if (plage) {
            const debut = plage[1] ? Number(plage[1]) : 0;
            const fin = plage[2] ? Number(plage[2]) : contenu.length - 1;
            reponse.writeHead(206, {
                ...entetes, 'Content-Type': type, 'Accept-Ranges': 'bytes',
                'Content-Range': `bytes ${debut}-${fin}/${contenu.length}`, 'Content-Length': fin - debut + 1,
            });
            reponse.end(contenu.subarray(debut, fin + 1));
        } else {
            reponse.writeHead(200, { ...entetes, 'Content-Type': type, 'Accept-Ranges': 'bytes', 'Content-Length': contenu.length });
            reponse.end(contenu);
        }
    });
    await new Promise((resolve) => serveur.listen(0, '127.0.0.1', resolve));
    return {
        url: `http://127.0.0.1:${serveur.address().port}/index.html`,
        liberer: () => liberer(),
        fermer: () => {
            liberer();
            serveur.closeAllConnections();
            return new Promise((resolve) => serveur.close(resolve));
        },
    };
}

// A program of the build tree that ctest names in TINSELBOX_BUILD_DIR: its path, and why a
// test that needs it is skipped (false when it is built).
function programmeConstruit(relatif) {
    const construction = process.env.TINSELBOX_BUILD_DIR;
    const chemin = construction ? path.join(construction, relatif) : '';
    const sauter = !construction ? 'TINSELBOX_BUILD_DIR is not set: run it through ctest, or set it to a build directory'
        : !fs.existsSync(chemin) ? `${chemin} is not built` : false;
    return { construction, chemin, sauter };
}

// ---- Browser.

// The headless shell: the same engine without the browser's own interface, whose
// windows cost each new context a second renderer and about three times the CPU.
function lancerNavigateur() {
    return chromium.launch({
        executablePath: process.env.CHROMIUM || '/usr/bin/chromium-headless-shell',
        headless: true,
        args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update',
            '--disable-sync', '--no-first-run', '--disable-quic', '--autoplay-policy=no-user-gesture-required'],
    });
}

// Opens the page with its clock stopped at `date` (UTC); every console error
// and uncaught exception lands in `erreurs`.
async function ouvrirPage(navigateur, url, date, options = {}) {
    const contexte = await navigateur.newContext({ viewport: { width: 1560, height: 768 }, timezoneId: 'UTC', ...options });
    const page = await contexte.newPage();
    const erreurs = [];
    page.on('console', (message) => {
        if (message.type() === 'error') {
            erreurs.push(message.text());
        }
    });
    page.on('pageerror', (erreur) => erreurs.push(String(erreur)));
    // Paused: frames run only when a test advances the clock. The clock runs
    // until the pause, which may not lie in its past: hence the minute's margin.
    await page.clock.install({ time: new Date(date).getTime() - 60000 });
    await page.clock.pauseAt(new Date(date));
    await page.goto(url);
    await attendre(page, () => typeof calendrier !== 'undefined' && !!calendrier.collectionImages);
    return { page, erreurs, fermer: () => contexte.close() };
}

function urlFichier(site) {
    return 'file://' + path.join(site, 'index.html');
}

// Polls from this side: the page's own timers belong to the fake clock.
async function attendre(page, condition, argument, delai = 30000) {
    const fin = Date.now() + delai;
    for (;;) {
        if (await page.evaluate(condition, argument)) {
            return;
        }
        if (Date.now() > fin) {
            throw new Error('timed out waiting for ' + condition.toString());
        }
        await new Promise((resolve) => setTimeout(resolve, 25));
    }
}

// Runs the page's clock until it has drawn `nombre` more steps: the display's frames,
// on which the steps fall, do not keep time with them.
async function images(page, nombre) {
    const etapes = () => page.evaluate(() => calendrier.etapes);
    const cible = await etapes() + nombre;
    // Short of the last step by more than a display frame, so it cannot overshoot.
    await page.clock.runFor(Math.max(0, Math.floor(nombre * DUREE_IMAGE) - 17));
    while (await etapes() < cible) {
        await page.clock.runFor(8);
    }
}

// The scene's pictures and the ball font loaded; the clock has not moved.
async function attendreChargement(page) {
    await attendre(page, () => ['foret', 'clef'].every((nom) => calendrier.collectionImages.getImage(nom).complete));
    await page.evaluate(() => document.fonts.load('bold 50pt boule'));
}

// Takes every moving object of the scene to where it is going, by the page's own steps
// but without drawing them, then draws one frame. For tests that look at where things
// end up, not at the frames on the way: each frame drawn costs a headless browser dearly.
async function poserMouvements(page) {
    await page.evaluate(() => {
        const objets = [...calendrier.boules, ...imagesMobiles, ...calendrier.imagesAnimees, ...videos.filter((ecran) => ecran.chargementOk)];
        for (let pas = 0; pas < 10000; pas++) {
            let bouge = false;
            for (const objet of objets.filter((o) => o.enMouvement)) {
                const [x, y] = [objet.x, objet.y];
                objet.avancer();
                bouge = bouge || objet.x !== x || objet.y !== y || !objet.enMouvement;
            }
            if (!bouge) {
                return;
            }
        }
    });
    await images(page, 1);
}

// The balls in their places, with the font and the pictures loaded.
async function attendreMenu(page) {
    await attendreChargement(page);
    await poserMouvements(page);
}

// The page's clock, in milliseconds.
function maintenant(page) {
    return page.evaluate(() => Date.now());
}

// Moves the page's clock on to `instant` (from maintenant()), running each timer due on
// the way once, as after a machine's sleep: no frame is drawn in between.
async function avancerJusqua(page, instant) {
    await page.clock.fastForward(Math.max(0, instant - await maintenant(page)));
}

function pixel(page, x, y) {
    return page.evaluate(([x, y]) => Array.from(calendrier.oCtx.getImageData(x, y, 1, 1).data), [x, y]);
}

function positionsBoules(page) {
    return page.evaluate(() => calendrier.boules.map((b) => ({
        x: b.x, y: b.y, couleur: b.couleur, couleurTexte: b.couleurTexte, verrouillee: b.verrouillee,
    })));
}

async function capture(page, nom) {
    const fichier = path.join(dossierArtefacts(), nom);
    await page.screenshot({ path: fichier });
    return fichier;
}

// One browser for a test file, and the servers its tests start, all closed after its
// last test. Registers the file's `before` and `after`.
function navigateurPartage() {
    const { before, after } = require('node:test');
    const serveurs = [];
    const commun = {
        navigateur: null,
        async servir(dossier, retenir) {
            const serveur = await servir(dossier, retenir);
            serveurs.push(serveur);
            return serveur;
        },
    };
    before(async () => {
        commun.navigateur = await lancerNavigateur();
    });
    after(async () => {
        await commun.navigateur?.close();
        await Promise.all(serveurs.map((s) => s.fermer()));
    });
    return commun;
}

module.exports = {
    RACINE, MODELE, MENU, PALETTE, FOND, DUREE_IMAGE,
    MARQUEUR_SCENE, MARQUEUR_COLLECTION, MARQUEUR_INITIALISATION, FRAGMENTS,
    dossierArtefacts, dossierTemporaire, copierModele, ecrireSousMarqueur, litteralJS, identifiant, ajouterJour, activerApercu, ecrireOptions,
    png, wav, mp3, ogg, fixture, servir, programmeConstruit, lancerNavigateur, ouvrirPage, urlFichier, attendre, images,
    attendreChargement, poserMouvements, attendreMenu, maintenant, avancerJusqua, pixel, positionsBoules, capture,
    navigateurPartage, VERROU, chargerFormatVerrou, lireScriptChiffre, executerProgramme,
};
