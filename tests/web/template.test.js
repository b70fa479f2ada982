// The template as files: markers, script order, the published jQuery, the
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
    assert.ok(calendrier.findIndex((l) => l.startsWith('function ')) > marqueur);
    const globales = ['oCanvas', 'oCtx', 'imagesStatiques', 'imagesAnimees', 'imagesMobiles', 'videos', 'boules',
        'mouseX', 'mouseY', 'mediaASurveiller', 'collectionImages', 'collectionPhotos', 'collectionSons',
        'collectionVideos', 'projectionEnCours', 'carte', 'rattrapage', 'mois', 'fuseau', 'bypass'];
    for (const nom of globales) {
        const ligne = calendrier.findIndex((l) => l.startsWith(`var ${nom} =`));
        assert.ok(ligne >= 0 && ligne < marqueur, `${nom} declared before the marker`);
    }
});

test('index.html loads the stylesheet, the favicon and the sixteen scripts in order around the canvas', () => {
    const html = lire('index.html');
    assert.match(html, /^<!DOCTYPE html>/i);
    assert.match(html, /<title>TINSELBOX<\/title>/);
    assert.match(html, /<link rel="icon" type="image\/png" href="data\/icone.png">/);
    assert.match(html, /<link rel="stylesheet" href="styles\/style.css">/);
    const scripts = [...html.matchAll(/<script src="([^"]+)"><\/script>/g)].map((m) => m[1]);
    assert.deepEqual(scripts, ['jquery-1.11.3.min.js', 'souris.js', 'collectionImages.js', 'collectionPhotos.js',
        'collectionSons.js', 'collectionVideos.js', 'imageStatique.js', 'imageAnimee.js', 'imageMobile.js',
        'photo.js', 'video.js', 'carte.js', 'boule.js', 'disposition.js', 'textes.js', 'calendrier.js'].map((s) => 'scripts/' + s));
    assert.match(html, /<canvas id="tableau" width="1560" height="768">Your browser cannot show this calendar.<\/canvas>/);
    for (const adresse of scripts) {
        assert.ok(fs.existsSync(path.join(h.MODELE, adresse)), adresse);
    }
});

test('the jQuery file is the published 1.11.3 minified file, byte for byte', () => {
    const paquet = path.join(h.RACINE, 'node_modules', 'jquery');
    assert.equal(JSON.parse(fs.readFileSync(path.join(paquet, 'package.json'), 'utf8')).version, '1.11.3');
    const publie = fs.readFileSync(path.join(paquet, 'dist', 'jquery.min.js'));
    assert.ok(publie.equals(fs.readFileSync(path.join(h.MODELE, 'scripts', 'jquery-1.11.3.min.js'))));
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
    assert.equal(sections.length, 2);
    const listes = (section) => [...section.matchAll(/<file[^>]*>([^<]+)<\/file>/g)].map((m) => m[1]);
    assert.deepEqual(listes(sections[0]), ['xsd/tinselbox.xsd']);
    assert.deepEqual(listes(sections[1]).sort(), fichiersModele().map((f) => 'tinselbox/js/' + f.split(path.sep).join('/')).sort());
});

test('the template stays light: at most 300 KB in all', () => {
    const total = fichiersModele().reduce((somme, f) => somme + fs.statSync(path.join(h.MODELE, f)).size, 0);
    assert.ok(total <= 300000, `${total} bytes`);
});
