// The template as files: markers, the scripts and the globals they may share, the
// artwork sizes and the resource list the editor copies from.
'use strict';
const test = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const h = require('./helpers');

const lire = (relatif) => fs.readFileSync(path.join(h.MODELE, relatif), 'utf8');

function fichiersModele(dossier = h.MODELE) {
    return fs.readdirSync(dossier, { withFileTypes: true }).flatMap((entree) => {
        const chemin = path.join(dossier, entree.name);
        return entree.isDirectory() ? fichiersModele(chemin) : [path.relative(h.MODELE, chemin)];
    });
}

test('each marker stands on exactly one line of the files that receive it and nowhere else', () => {
    const attendus = {
        [h.MARQUEUR_SCENE]: ['scripts/calendrier.js'],
        [h.MARQUEUR_INITIALISATION]: ['scripts/calendrier.js'],
        [h.MARQUEUR_COLLECTION]: ['scripts/collectionPhotos.js', 'scripts/collectionSons.js', 'scripts/collectionVideos.js'],
    };
    const textes = fichiersModele().filter((f) => /\.(js|html|css)$/.test(f)).map((f) => [f, lire(f)]);
    for (const [marqueur, fichiers] of Object.entries(attendus)) {
        const trouves = textes.filter(([, texte]) => texte.includes(marqueur)).map(([f]) => f).sort();
        assert.deepEqual(trouves, fichiers, marqueur);
        for (const [fichier, texte] of textes.filter(([f]) => fichiers.includes(f))) {
            const lignes = texte.split('\n').filter((ligne) => ligne.includes(marqueur));
            assert.equal(lignes.length, 1, `${marqueur} in ${fichier}`);
            assert.equal(lignes[0].trim(), marqueur, `${marqueur} in ${fichier} is a line of its own`);
        }
    }
});

test('markers stand where the written lines expect them', () => {
    const lignes = (fichier) => lire(fichier).split('\n').map((l) => l.trim());
    const suivante = (fichier, avant) => lignes(fichier)[lignes(fichier).indexOf(avant) + 1];
    assert.equal(suivante('scripts/calendrier.js', 'switch (numeroJour) {'), h.MARQUEUR_SCENE);
    assert.equal(suivante('scripts/collectionSons.js', 'switch (identifiant) {'), h.MARQUEUR_COLLECTION);
    assert.equal(suivante('scripts/collectionVideos.js', 'switch (identifiant) {'), h.MARQUEUR_COLLECTION);
    assert.equal(suivante('scripts/collectionPhotos.js', 'this.fichiers.set("pochette", "./data/pochette.png");'),
        h.MARQUEUR_COLLECTION);
    assert.match(lire('scripts/collectionSons.js'), /chargerSons = function \(identifiant\)/);
    assert.match(lire('scripts/collectionVideos.js'), /chargerVideos = function \(identifiant, ecran\)/);

    // The preview line must override bypass before any function runs.
    const calendrier = lignes('scripts/calendrier.js');
    const marqueur = calendrier.indexOf(h.MARQUEUR_INITIALISATION);
    assert.equal(calendrier[marqueur - 1], 'var bypass = false;');
    assert.ok(calendrier.findIndex((l) => /^\(?function\b/.test(l)) > marqueur);
});

// The globals the lint rule lets the scripts have are the names the written lines use:
// each one declared once, and those the option lines set declared in calendrier.js before
// the marker, so that the written values override them.
test('every global the written lines use is declared once, at the top of one script', () => {
    const { globalesEcrites, ESPACE } = require('../../eslint.config.js');
    const scripts = scriptsDeLaPage();
    const declarations = (nom) => scripts.flatMap((fichier) => lire(fichier).split('\n')
        .map((ligne, numero) => ({ fichier, numero, ligne }))
        .filter(({ ligne }) => new RegExp(`^(var ${nom} =|function ${nom} ?\\()`).test(ligne)));
    const calendrier = lire('scripts/calendrier.js').split('\n');
    const marqueur = calendrier.findIndex((l) => l.trim() === h.MARQUEUR_INITIALISATION);
    for (const nom of [...globalesEcrites, ESPACE]) {
        const trouvees = declarations(nom);
        assert.equal(trouvees.length, 1, `${nom}: ${JSON.stringify(trouvees)}`);
        if (trouvees[0].fichier === 'scripts/calendrier.js') {
            assert.ok(trouvees[0].numero < marqueur, `${nom} declared before the marker`);
        }
    }
    // The option lines, as the generator writes them.
    for (const nom of ['rattrapage', 'mois', 'fuseau', 'debut', 'jours', 'ordre', 'langue', 'bypass']) {
        assert.ok(globalesEcrites.includes(nom), nom);
    }
    assert.equal(declarations(ESPACE)[0].fichier, scripts[0], 'the first script makes the shared object');
});

function scriptsDeLaPage() {
    return [...lire('index.html').matchAll(/<script src="([^"]+)"><\/script>/g)].map((m) => m[1]);
}

test('index.html loads the stylesheet, the favicon and every script once around the canvas, calendrier.js last', () => {
    const html = lire('index.html');
    assert.match(html, /^<!DOCTYPE html>/i);
    assert.match(html, /<title>TINSELBOX<\/title>/);
    assert.match(html, /<link rel="icon" type="image\/png" href="data\/icone.png">/);
    assert.match(html, /<link rel="stylesheet" href="styles\/style.css">/);
    assert.doesNotMatch(html, /type="module"/, 'a page opened from disk refuses modules');
    const scripts = scriptsDeLaPage();
    // All but a theme's drawing, which the generator adds to the pages of a themed calendar.
    assert.deepEqual([...scripts].sort(), fichiersModele().filter((f) => f.endsWith('.js'))
        .map((f) => f.split(path.sep).join('/')).filter((f) => f !== 'scripts/theme.js').sort());
    // Its option lines set globals that the other scripts declare (langue) or read.
    assert.equal(scripts.at(-1), 'scripts/calendrier.js');
    assert.match(html, /<canvas id="tableau" width="1560" height="768">Your browser cannot show this calendar.<\/canvas>/);
});

test('the artwork has its pixel sizes and the font is OpenType', async (t) => {
    const tailles = { 'foret.png': [1560, 120], 'clef.png': [80, 38], 'pochette.png': [800, 498], 'icone.png': [4, 4] };
    for (const [nom, [largeur, hauteur]] of Object.entries(tailles)) {
        await t.test(nom, () => {
            const octets = fs.readFileSync(path.join(h.MODELE, 'data', nom));
            assert.equal(octets.toString('latin1', 1, 4), 'PNG');
            assert.deepEqual([octets.readUInt32BE(16), octets.readUInt32BE(20)], [largeur, hauteur]);
            assert.equal(octets[25], 6, 'RGBA, so the forest and the key can be transparent');
        });
    }
    const police = fs.readFileSync(path.join(h.MODELE, 'data', 'boule.otf'));
    assert.equal(police.toString('latin1', 0, 4), 'OTTO');
});

test('the resource list names every template file once, in the template section', () => {
    const qrc = fs.readFileSync(path.join(h.RACINE, 'core', 'site', 'ressources', 'ressources.qrc'), 'utf8');
    const sections = [...qrc.matchAll(/<qresource prefix="\/">([\s\S]*?)<\/qresource>/g)].map((m) => m[1]);
    assert.equal(sections.length, 3);
    const listes = (section) => [...section.matchAll(/<file[^>]*>([^<]+)<\/file>/g)].map((m) => m[1]);
    assert.deepEqual(listes(sections[0]), ['xsd/tinselbox.xsd']);
    assert.deepEqual(listes(sections[1]).sort(), fichiersModele().map((f) => 'tinselbox/js/' + f.split(path.sep).join('/')).sort());
    // The lock and its decryption, added to a private calendar's site only.
    assert.deepEqual(listes(sections[2]), ['tinselbox/prive/scripts/verrou.js', 'tinselbox/prive/scripts/dechiffrement.js']);
});

test('the template stays light: at most 300 KB in all', () => {
    const total = fichiersModele().reduce((somme, f) => somme + fs.statSync(path.join(h.MODELE, f)).size, 0);
    assert.ok(total <= 300000, `${total} bytes`);
});
