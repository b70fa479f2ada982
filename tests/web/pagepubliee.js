// Opens a published calendar in headless Chromium as a visitor would on DATE, and opens
// that day's ball, which must hold a picture:
//   node pagepubliee.js SOURCE DATE
// SOURCE is the folder a server keeps the site in (served here over HTTP on 127.0.0.1) or
// the https address of the page itself. Prints the colour at the middle of the day's
// picture as "r,g,b" and ends with 0; otherwise says what went wrong and ends with 1.
'use strict';
const path = require('node:path');
const h = require('./helpers');

async function ouvrir(source, date) {
    const jour = new Date(date).getUTCDate();
    const serveur = /^https?:\/\//.test(source) ? null : await h.servir(path.resolve(source));
    const navigateur = await h.lancerNavigateur();
    try {
        // A server at home has a certificate of its own: the test trusts it as its user would.
        const { page, erreurs, fermer } = await h.ouvrirPage(navigateur, serveur ? serveur.url : source, date,
            { ignoreHTTPSErrors: true });
        page.on('requestfailed', (requete) => erreurs.push(`${requete.url()}: ${requete.failure()?.errorText}`));
        page.on('response', (reponse) => {
            if (reponse.status() >= 400) {
                erreurs.push(`${reponse.url()}: HTTP ${reponse.status()}`);
            }
        });
        await h.attendreMenu(page);
        await page.mouse.click(h.MENU[jour - 1][0], h.MENU[jour - 1][1]);
        const ouverte = await page.evaluate(() => [calendrier.projectionEnCours, calendrier.numeroJour]);
        if (!ouverte[0] || ouverte[1] !== jour) {
            throw new Error(`the ball of day ${jour} did not open`);
        }
        await h.attendre(page, () => photo.chargementOk);
        await h.poserMouvements(page);
        const milieu = await page.evaluate(() => [photo.x + photo.largeur / 2, photo.y + photo.hauteur / 2]);
        const couleur = await h.pixel(page, Math.round(milieu[0]), Math.round(milieu[1]));
        if (erreurs.length > 0) {
            throw new Error(erreurs.join('\n'));
        }
        await fermer();
        return couleur.slice(0, 3).join(',');
    } finally {
        await navigateur.close();
        if (serveur) {
            await serveur.fermer();
        }
    }
}

ouvrir(process.argv[2], process.argv[3]).then((couleur) => {
    console.log(couleur);
}, (erreur) => {
    console.error(String(erreur.stack || erreur));
    process.exitCode = 1;
});
