// The format of a private site, across its two sides: the generator's own writer
// (through a small tool built with the tests) encrypts, the page's scripts/dechiffrement.js
// decrypts with WebCrypto under Node. One table: sizes around the chunk boundary, an
// empty message, and chunks changed, dropped, swapped or taken from another file.
'use strict';
const { test } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const crypto = require('node:crypto');
const { execFileSync } = require('node:child_process');
const h = require('./helpers');

const { chemin: OUTIL, sauter: SAUTER } = h.programmeConstruit(path.join('tests', 'outil_chiffrement'));
const MORCEAU = 4 * 1024 * 1024;

function chiffrer(dossier, cleMaitre, identite, contenu, entete) {
    const source = contenu === null ? '-' : path.join(dossier, identite + '.bin');
    if (contenu !== null) {
        fs.writeFileSync(source, contenu);
    }
    const sortie = path.join(dossier, identite + '.js');
    execFileSync(OUTIL, [cleMaitre.toString('base64'), identite, source, sortie, ...(entete ? [entete] : [])]);
    return h.lireScriptChiffre(sortie);
}

const IDENTITE = 'a'.repeat(32);
const AUTRE = 'b'.repeat(32);
const CAS = [
    { nom: 'one byte', taille: 1 },
    { nom: 'one byte short of a chunk', taille: MORCEAU - 1 },
    { nom: 'exactly one chunk', taille: MORCEAU, morceaux: 1 },
    { nom: 'one byte past a chunk', taille: MORCEAU + 1, morceaux: 2 },
    { nom: 'two chunks and a bit', taille: 2 * MORCEAU + 7, morceaux: 3 },
    { nom: 'an empty file', taille: 0, morceaux: 1 },
    { nom: 'an empty message', message: '' },
    { nom: 'a message', message: 'Joyeux Noël, « mamie » 🎄' },
    { nom: 'a changed byte in the last chunk', taille: MORCEAU + 10, alterer: (m) => { m[1] = inverser(m[1], 5); } },
    { nom: 'a changed byte in the first chunk', taille: MORCEAU + 10, alterer: (m) => { m[0] = inverser(m[0], 0); } },
    { nom: 'the last chunk dropped', taille: MORCEAU + 10, alterer: (m) => { m.pop(); } },
    { nom: 'the only chunk dropped', taille: 10, alterer: (m) => { m.pop(); } },
    { nom: 'two chunks swapped', taille: 2 * MORCEAU, alterer: (m) => { [m[0], m[1]] = [m[1], m[0]]; } },
    { nom: 'a chunk added at the end', taille: 10, alterer: (m) => { m.push(m[0]); } },
    { nom: 'the chunks of another file', taille: 10, autreFichier: true },
    { nom: 'another master key', taille: 10, autreCle: true },
];

function inverser(base64, position) {
    const octets = Buffer.from(base64, 'base64');
    octets[position] ^= 1;
    return octets.toString('base64');
}

test('what the generator encrypts, the page decrypts, and nothing else', { skip: SAUTER }, async () => {
    const format = h.chargerFormatVerrou();
    const dossier = h.dossierTemporaire('tinselbox-chiffre-');
    const cleMaitre = crypto.randomBytes(32);
    const subtle = crypto.webcrypto.subtle;
    const importer = (cle) => subtle.importKey('raw', cle, 'HKDF', false, ['deriveKey']);
    for (const cas of CAS) {
        const contenu = cas.message === undefined ? crypto.randomBytes(cas.taille) : null;
        const entete = cas.message === undefined ? '' : JSON.stringify({ genre: 'message', texte: cas.message });
        const recu = chiffrer(dossier, cleMaitre, IDENTITE, contenu, entete);
        assert.equal(recu.identite, IDENTITE, cas.nom);
        if (cas.morceaux) {
            assert.equal(recu.morceaux.length, cas.morceaux, cas.nom);
        }
        const morceaux = recu.morceaux.slice();
        let identite = IDENTITE;
        if (cas.alterer) {
            cas.alterer(morceaux);
        }
        if (cas.autreFichier) {
            // Another file's script handed over under this identity.
            identite = AUTRE;
        }
        const cle = await importer(cas.autreCle ? crypto.randomBytes(32) : cleMaitre);
        const dechiffrement = format.dechiffrerFichier(subtle, cle, identite, format.base64EnOctets(recu.sel),
            morceaux.map(format.base64EnOctets));
        if (cas.alterer || cas.autreFichier || cas.autreCle) {
            await assert.rejects(dechiffrement, undefined, cas.nom);
            continue;
        }
        const clair = Buffer.from(await dechiffrement);
        if (contenu) {
            assert.ok(clair.equals(contenu), cas.nom);
        } else {
            // Made in the script's own realm: compared by value.
            const entete = JSON.stringify(format.lireContenu(new Uint8Array(clair)).entete);
            assert.deepEqual(JSON.parse(entete), { genre: 'message', texte: cas.message }, cas.nom);
        }
    }

    // Unchanged content encrypts to the same bytes, so a second publish sends nothing.
    const contenu = crypto.randomBytes(1000);
    const fois = [1, 2].map(() => JSON.stringify(chiffrer(dossier, cleMaitre, IDENTITE, contenu)));
    assert.equal(fois[0], fois[1]);
});

test('the page derives the password key and unwraps the master key the generator wrapped', { skip: SAUTER },
    async () => {
        const format = h.chargerFormatVerrou();
        const subtle = crypto.webcrypto.subtle;
        const sel = crypto.randomBytes(16);
        const cleMaitre = crypto.randomBytes(32);
        // Composed and decomposed forms of one password are one password.
        const motDePasse = 'Cre\u0300me bru\u0302le\u0301e';
        const enveloppe = execFileSync(OUTIL, ['--wrap', motDePasse.normalize('NFC'), sel.toString('base64'), '1000',
            cleMaitre.toString('base64')]).toString().trim();
        const cle = await format.deriverMotDePasse(subtle, motDePasse, sel, 1000);
        const maitre = await format.desenvelopper(subtle, cle, format.base64EnOctets(enveloppe));
        // The unwrapped key derives what the generator's master key derives.
        const dossier = h.dossierTemporaire('tinselbox-chiffre-');
        const recu = chiffrer(dossier, cleMaitre, IDENTITE, Buffer.from('bonjour'));
        const clair = await format.dechiffrerFichier(subtle, maitre, IDENTITE, format.base64EnOctets(recu.sel),
            recu.morceaux.map(format.base64EnOctets));
        assert.equal(Buffer.from(clair).toString(), 'bonjour');
        const faux = await format.deriverMotDePasse(subtle, 'creme brulee', sel, 1000);
        await assert.rejects(format.desenvelopper(subtle, faux, format.base64EnOctets(enveloppe)));
    });
