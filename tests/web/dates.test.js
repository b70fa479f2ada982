// The page's date logic under Node, without a browser: which balls open at a
// moment by the calendar's options, when a locked ball opens, the line under the
// balls, the countdown and the mark of the current run. The visitor's clock is UTC.
'use strict';
process.env.TZ = 'UTC';
const test = require('node:test');
const assert = require('node:assert/strict');
const path = require('node:path');
const periode = require(path.join(__dirname, '..', '..', 'core', 'site', 'ressources', 'tinselbox', 'js', 'scripts', 'periode.js'));

const de = (a, b) => Array.from({ length: b - a + 1 }, (_, i) => a + i);
const ecrire = (d) => [d.annee, d.mois, d.jour].filter((x) => x !== undefined)
    .map((x, i) => String(x).padStart(i ? 2 : 4, '0')).join('-');
// Day `k` of a period starting on `date`, as the page marks its run.
const marquePeriode = (date) => 'j' + Date.parse(date + 'T00:00:00Z') / 86400000;

// options: as the written lines set them; ouverts: the balls that open; fermes: day ->
// "key date" of a locked ball; ligne: "key date"; compte: "n h:min"; nombre: balls.
const CAS = [
    { nom: 'days of the month, on the 5th', options: {}, moment: '2026-12-05T10:00:00Z', ouverts: [5], nombre: 31,
        fermes: { 24: 'ouvreLe 2026-12-24', 3: 'ouvreLe 2027-01-03', 4: 'ouvreLe 2027-01-04' }, ligne: null, compte: null,
        marque: '2026-12' },
    { nom: 'days of the month, a day 31 after a short month', options: {}, moment: '2027-02-10T10:00:00Z', ouverts: [10],
        fermes: { 31: 'ouvreLe 2027-03-31', 29: 'ouvreLe 2027-03-29', 1: 'ouvreLe 2027-03-01' } },
    { nom: 'days of the month, the 31st of December', options: {}, moment: '2026-12-31T23:59:59Z', ouverts: [31],
        fermes: { 1: 'ouvreLe 2027-01-01' } },
    { nom: 'past days, on the 5th', options: { rattrapage: true }, moment: '2026-12-05T10:00:00Z', ouverts: de(1, 5) },
    { nom: '24 days, on the 5th', options: { jours: 24 }, moment: '2026-12-05T10:00:00Z', ouverts: [5], nombre: 24,
        fermes: { 24: 'ouvreLe 2026-12-24' } },
    { nom: 'a number of days out of range counts 31', options: { jours: 40 }, moment: '2026-12-05T10:00:00Z', nombre: 31, ouverts: [5] },
    { nom: 'a number of days that is no number counts 31', options: { jours: 'x' }, moment: '2026-12-05T10:00:00Z', nombre: 31, ouverts: [5] },
    { nom: 'December only, in November', options: { mois: 12 }, moment: '2026-11-20T10:00:00Z', ouverts: [],
        ligne: 'ouvertureLe 2026-12-01', fermes: { 5: 'ouvreLe 2026-12-05' }, marque: '2026' },
    { nom: 'December only, on 5 December', options: { mois: 12 }, moment: '2026-12-05T10:00:00Z', ouverts: [5], ligne: null },
    { nom: 'November only, in December', options: { mois: 11 }, moment: '2026-12-05T10:00:00Z', ouverts: [],
        ligne: 'reouvertureLe 2026-11-01', fermes: { 31: 'resteFerme 2026-11 30' } },
    { nom: 'November only with past days, in December', options: { mois: 11, rattrapage: true }, moment: '2026-12-05T10:00:00Z',
        ouverts: de(1, 31), ligne: null },
    { nom: 'November only with past days, in October', options: { mois: 11, rattrapage: true }, moment: '2026-10-05T10:00:00Z',
        ouverts: [], ligne: 'ouvertureLe 2026-11-01', fermes: { 31: 'ouvreLe 2026-12-01' } },
    { nom: 'December only with past days: no month after it', options: { mois: 12, rattrapage: true }, moment: '2026-12-05T10:00:00Z',
        ouverts: de(1, 5), fermes: { 6: 'ouvreLe 2026-12-06' } },
    { nom: 'February only, day 30 stays shut', options: { mois: 2 }, moment: '2027-02-10T10:00:00Z', ouverts: [10],
        fermes: { 28: 'ouvreLe 2027-02-28', 29: 'resteFerme 2027-02 28', 30: 'resteFerme 2027-02 28' } },
    { nom: 'February only in a leap year, on the 29th', options: { mois: 2 }, moment: '2028-02-29T10:00:00Z', ouverts: [29],
        fermes: { 30: 'resteFerme 2028-02 29' } },
    { nom: '12 days from 3 May, before', options: { debut: '2026-05-03', jours: 12 }, moment: '2026-04-20T10:00:00Z',
        nombre: 12, ouverts: [], ligne: 'ouvertureLe 2026-05-03', compte: null, fermes: { 1: 'ouvreLe 2026-05-03' } },
    { nom: '12 days from 3 May, on 7 May', options: { debut: '2026-05-03', jours: 12 }, moment: '2026-05-07T10:00:30Z',
        ouverts: [5], ligne: null, compte: '6 13:59', fermes: { 8: 'ouvreLe 2026-05-10', 2: 'etaitOuvertLe 2026-05-04' },
        marque: marquePeriode('2026-05-03') },
    { nom: '12 days from 3 May, after', options: { debut: '2026-05-03', jours: 12 }, moment: '2026-06-20T10:00:00Z',
        ouverts: de(1, 12), ligne: null, compte: null },
    { nom: '12 days from 3 May with past days, 5 minutes before midnight', options: { debut: '2026-05-03', jours: 12, rattrapage: true },
        moment: '2026-05-07T23:55:00Z', ouverts: de(1, 5), compte: '6 0:05' },
    { nom: '10 days from 28 November, across the month', options: { debut: '2026-11-28', jours: 10 }, moment: '2026-12-02T10:00:00Z',
        ouverts: [5], compte: '6 14:00', fermes: { 6: 'ouvreLe 2026-12-03' } },
    { nom: '10 days from 28 November, on the last day: no countdown', options: { debut: '2026-11-28', jours: 10 },
        moment: '2026-12-07T10:00:00Z', ouverts: [10], compte: null },
    { nom: 'once from 28 December, across the year', options: { debut: '2026-12-28', jours: 7 }, moment: '2027-01-02T10:00:00Z',
        ouverts: [6], fermes: { 7: 'ouvreLe 2027-01-03' } },
    { nom: 'every year from 1 December, on 3 December 2027', options: { debut: '12-01', jours: 24 }, moment: '2027-12-03T10:00:00Z',
        ouverts: [3], compte: '4 14:00', marque: marquePeriode('2027-12-01') },
    { nom: 'every year from 1 December, in June: last year\'s days stay open', options: { debut: '12-01', jours: 24 },
        moment: '2027-06-15T10:00:00Z', ouverts: de(1, 24), ligne: null, marque: marquePeriode('2026-12-01') },
    { nom: 'every year from 20 December, on 5 January', options: { debut: '12-20', jours: 24 }, moment: '2027-01-05T10:00:00Z',
        ouverts: [17], fermes: { 18: 'ouvreLe 2027-01-06' } },
    { nom: 'every year from 29 February, on 1 March of a common year', options: { debut: '02-29', jours: 5 },
        moment: '2027-03-01T10:00:00Z', ouverts: [1], fermes: { 2: 'ouvreLe 2027-03-02' } },
    { nom: 'every year from 29 February, on 29 February of a leap year', options: { debut: '02-29', jours: 5 },
        moment: '2028-02-29T10:00:00Z', ouverts: [1], fermes: { 2: 'ouvreLe 2028-03-01' } },
    { nom: 'every year from 29 February, on 28 February of a leap year: last year\'s run is over',
        options: { debut: '02-29', jours: 5 }, moment: '2028-02-28T10:00:00Z', ouverts: de(1, 5) },
    { nom: 'once from 29 February 2028, on 2 March', options: { debut: '2028-02-29', jours: 5 }, moment: '2028-03-02T10:00:00Z',
        ouverts: [3], fermes: { 1: 'etaitOuvertLe 2028-02-29' } },
    { nom: 'a first day that is no date: days of the month', options: { debut: '2026-13-01', jours: 24 },
        moment: '2026-12-05T10:00:00Z', ouverts: [5], marque: '2026-12' },
    { nom: 'Kiritimati, a minute before its 1 December', options: { debut: '2026-12-01', jours: 24, fuseau: 'Pacific/Kiritimati' },
        moment: '2026-11-30T09:59:00Z', ouverts: [], ligne: 'ouvertureLe 2026-12-01' },
    { nom: 'Kiritimati, a minute after its midnight', options: { debut: '2026-12-01', jours: 24, fuseau: 'Pacific/Kiritimati' },
        moment: '2026-11-30T10:01:00Z', ouverts: [1], compte: '2 23:59' },
    { nom: 'New York, still the 4th', options: { fuseau: 'America/New_York' }, moment: '2026-12-05T03:00:00Z', ouverts: [4] },
    { nom: 'Auckland, already the 6th', options: { fuseau: 'Pacific/Auckland' }, moment: '2026-12-05T12:00:00Z', ouverts: [6] },
    { nom: 'Paris, the night summer time starts', options: { debut: '2026-03-29', jours: 5, fuseau: 'Europe/Paris' },
        moment: '2026-03-29T22:30:00Z', ouverts: [2], compte: '3 23:30' },
    { nom: 'an unknown zone: the visitor\'s clock', options: { fuseau: 'Mars/Olympus' }, moment: '2026-12-05T03:00:00Z', ouverts: [5] },
];

test('the calendar\'s dates by its options and the moment', async (t) => {
    for (const cas of CAS) {
        await t.test(cas.nom, () => {
            const etat = periode.etat(cas.options, Date.parse(cas.moment));
            const ouverts = etat.jours.flatMap((jour, i) => (jour.ouvrable ? [i + 1] : []));
            assert.deepEqual(ouverts, cas.ouverts);
            if (cas.nombre !== undefined) {
                assert.equal(etat.jours.length, cas.nombre);
            }
            for (const [jour, attendu] of Object.entries(cas.fermes || {})) {
                const ferme = etat.jours[jour - 1].ferme;
                assert.equal(ferme.cle + ' ' + (ferme.date ? ecrire(ferme.date) : ecrire(ferme.mois) + ' ' + ferme.n), attendu,
                    `day ${jour}`);
            }
            if (cas.ligne !== undefined) {
                assert.equal(etat.ligne && etat.ligne.cle + ' ' + ecrire(etat.ligne.date), cas.ligne);
            }
            if (cas.compte !== undefined) {
                assert.equal(etat.compte && `${etat.compte.n} ${etat.compte.h}:${String(etat.compte.min).padStart(2, '0')}`,
                    cas.compte);
            }
            if (cas.marque !== undefined) {
                assert.equal(etat.marque, cas.marque);
            }
        });
    }
});
