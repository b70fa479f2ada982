// What a private calendar costs, against the same calendar without a password, in
// headless Chromium and through the program's own command line:
// - unlocking: the password's key derivation at the chosen iteration count;
// - opening a day of 20 MB: decoding and decrypting its content;
// - the bytes requested on open, against the plain page;
// - generating a calendar of 31 photos, against generating it plain.
//   node bench/web/verrou.js   (TINSELBOX_BUILD_DIR names the build, build/ by default)
'use strict';
const fs = require('node:fs');
const path = require('node:path');
const crypto = require('node:crypto');
const { execFileSync } = require('node:child_process');
const h = require('../../tests/web/helpers');

const CONSTRUCTION = process.env.TINSELBOX_BUILD_DIR || path.join(h.RACINE, 'build');
const PROGRAMME = path.join(CONSTRUCTION, 'gui', 'tinselbox');
const MOT_DE_PASSE = 'un long mot de passe de sapin';

function projet(dossier, nom, jours, prive) {
    const fichier = path.join(dossier, nom + '.xml');
    const sel = crypto.randomBytes(16).toString('base64');
    fs.writeFileSync(fichier, `<tinselbox nom="${nom}" version="1" rattrapage="1"`
        + (prive ? ` prive="1" cle="pbkdf2-sha256:600000:${sel}"` : '') + '>\n'
        + jours.map(([jour, chemin]) => ` <jour numero="${jour}">\n  <image url="${chemin}"/>\n </jour>\n`).join('')
        + '</tinselbox>\n');
    return fichier;
}

function generer(dossier, fichier, site) {
    const debut = process.hrtime.bigint();
    execFileSync(PROGRAMME, ['--generate', '--quiet', '--force', '--password-file', path.join(dossier, 'mot'),
        fichier, site], { env: { ...process.env, XDG_DATA_HOME: path.join(dossier, 'donnees'),
        XDG_CACHE_HOME: path.join(dossier, 'cache') } });
    return Number(process.hrtime.bigint() - debut) / 1e6;
}

// Bytes the browser requests until the page is ready (the form for a private one).
async function octetsALOuverture(navigateur, url, pret) {
    const contexte = await navigateur.newContext({ viewport: { width: 1560, height: 768 } });
    const page = await contexte.newPage();
    const cdp = await contexte.newCDPSession(page);
    await cdp.send('Network.enable');
    await cdp.send('Network.setCacheDisabled', { cacheDisabled: true });
    let total = 0;
    cdp.on('Network.loadingFinished', (e) => { total += e.encodedDataLength; });
    await page.goto(url);
    await h.attendre(page, pret, undefined, 60000);
    await page.waitForTimeout(500);
    await contexte.close();
    return total;
}

function photoBruitee(graine) {
    let etat = graine;
    const hasard = () => {
        etat = (Math.imul(etat, 1103515245) + 12345) >>> 0;
        return etat >>> 24;
    };
    return h.png(665, 665, () => [hasard(), hasard(), hasard(), 255]);
}

(async () => {
    const dossier = h.dossierTemporaire('tinselbox-bench-verrou-');
    fs.writeFileSync(path.join(dossier, 'mot'), MOT_DE_PASSE, { mode: 0o600 });

    // Generation: 31 photos of about 1.5 MB, converted once beforehand so that both runs
    // find them in the cache and only the copying (or encrypting) differs.
    const jours = [];
    for (let jour = 1; jour <= 31; jour++) {
        const chemin = path.join(dossier, `photo-${jour}.png`);
        fs.writeFileSync(chemin, photoBruitee(jour));
        jours.push([jour, chemin]);
    }
    const simple = projet(dossier, 'Simple', jours, false);
    const prive = projet(dossier, 'Prive', jours, true);
    generer(dossier, simple, path.join(dossier, 'chauffe'));
    // The first generation into an empty folder, then generating again over it; each run
    // is a process of its own, which derives the password's key once.
    const premierSimple = generer(dossier, simple, path.join(dossier, 'site-simple'));
    const premierPrive = generer(dossier, prive, path.join(dossier, 'site-prive'));
    const tours = 3;
    let tempsSimple = 0;
    let tempsPrive = 0;
    for (let i = 0; i < tours; i++) {
        tempsSimple += generer(dossier, simple, path.join(dossier, 'site-simple'));
        tempsPrive += generer(dossier, prive, path.join(dossier, 'site-prive'));
    }
    console.log(`generating 31 photos from the command line, first time: plain ${premierSimple.toFixed(0)} ms, `
        + `private ${premierPrive.toFixed(0)} ms, ratio ${(premierPrive / premierSimple).toFixed(2)}`);
    console.log(`generating them again: plain ${(tempsSimple / tours).toFixed(0)} ms, private `
        + `${(tempsPrive / tours).toFixed(0)} ms, ratio ${(tempsPrive / tempsSimple).toFixed(2)} (at most 1.30)`);

    const navigateur = await h.lancerNavigateur();
    try {
        const serveurSimple = await h.servir(path.join(dossier, 'site-simple'));
        const serveurPrive = await h.servir(path.join(dossier, 'site-prive'));
        const plain = await octetsALOuverture(navigateur, serveurSimple.url, () => typeof calendrier !== 'undefined'
            && !!calendrier.collectionImages);
        const verrouille = await octetsALOuverture(navigateur, serveurPrive.url, () => !!document.getElementById('verrou-mot'));
        console.log(`bytes on open: plain ${plain}, private ${verrouille}, `
            + `${((verrouille - plain) / 1024).toFixed(1)} KB more (at most 10 KB)`);

        // A day of 20 MB, decrypted by the page's own functions once its script is loaded.
        const gros = path.join(dossier, 'gros.bin');
        // A video's header, so that it is taken for one, then noise.
        fs.writeFileSync(gros, Buffer.concat([h.fixture('video.webm').subarray(0, 64),
            crypto.randomBytes(20 * 1024 * 1024 - 64)]));
        const grosProjet = path.join(dossier, 'Gros.xml');
        fs.writeFileSync(grosProjet, '<tinselbox nom="Gros" version="1" originaux="1" prive="1" cle="pbkdf2-sha256:600000:'
            + crypto.randomBytes(16).toString('base64') + `">\n <jour numero="1">\n  <video url="${gros}"/>\n </jour>\n</tinselbox>\n`);
        const siteGros = path.join(dossier, 'site-gros');
        generer(dossier, grosProjet, siteGros);
        const serveurGros = await h.servir(siteGros);
        const page = await (await navigateur.newContext()).newPage();
        await page.goto(serveurGros.url);
        await h.attendre(page, () => !!document.getElementById('verrou-mot'));
        const identite = fs.readdirSync(path.join(siteGros, 'data')).find((nom) => /^[0-9a-f]{32}\.js$/.test(nom))
            .slice(0, 32);
        const figures = await page.evaluate(async ({ identite, motDePasse }) => {
            const texte = await (await fetch('scripts/verrou.js')).text();
            const parametres = JSON.parse(texte.match(/^parametres = (\{.*\});$/m)[1]
                .replace(/(\w+):/g, '"$1":'));
            // What the page loads once a key is at hand.
            await calendrier.verrou.chargerDechiffrement();
            const format = calendrier.verrou.format;
            const subtle = crypto.subtle;
            let debut = performance.now();
            const cle = await format.deriverMotDePasse(subtle, motDePasse, format.base64EnOctets(parametres.sel),
                parametres.iterations);
            const deverrouillage = performance.now() - debut;
            const maitre = await format.desenvelopper(subtle, cle, format.base64EnOctets(parametres.enveloppe));
            const recu = await new Promise((resoudre) => {
                calendrier.verrou.recevoir = (i, sel, morceaux) => resoudre({ sel, morceaux });
                const script = document.createElement('script');
                script.src = `data/${identite}.js`;
                document.head.appendChild(script);
            });
            debut = performance.now();
            const morceaux = recu.morceaux.map(format.base64EnOctets);
            const decodage = performance.now() - debut;
            const clair = await format.dechiffrerFichier(subtle, maitre, identite, format.base64EnOctets(recu.sel), morceaux);
            const dechiffrement = performance.now() - debut - decodage;
            const adresse = URL.createObjectURL(new Blob([clair]));
            URL.revokeObjectURL(adresse);
            return { deverrouillage, decodage, dechiffrement, taille: clair.length };
        }, { identite, motDePasse: MOT_DE_PASSE });
        console.log(`unlocking (PBKDF2-SHA256, 600 000 iterations): ${figures.deverrouillage.toFixed(0)} ms (at most 1000)`);
        console.log(`opening ${(figures.taille / 1048576).toFixed(0)} MB: base64 ${figures.decodage.toFixed(0)} ms + `
            + `AES-GCM ${figures.dechiffrement.toFixed(0)} ms = ${(figures.decodage + figures.dechiffrement).toFixed(0)} ms `
            + '(at most 300)');
        for (const serveur of [serveurSimple, serveurPrive, serveurGros]) {
            await serveur.fermer();
        }
    } finally {
        await navigateur.close();
    }
})().catch((erreur) => {
    console.error(erreur);
    process.exit(1);
});
