// Script time of one frame of the calendar page in headless Chromium, with
// all 31 balls moving, against an empty frame measured in the same run.
//   node bench/web/frame-time.js [frames]
'use strict';
const h = require('../../tests/web/helpers');

const FRAMES = Number(process.argv[2]) || 400;
const BUDGET = 1000 / 24;

function mediane(valeurs) {
    const tri = [...valeurs].sort((a, b) => a - b);
    return tri[Math.floor(tri.length / 2)];
}

(async () => {
    const site = h.copierModele();
    // A cross-origin isolated page gets a fine-grained performance.now().
    const serveur = await h.servir(site, () => false, {
        'Cross-Origin-Opener-Policy': 'same-origin', 'Cross-Origin-Embedder-Policy': 'require-corp',
    });
    const navigateur = await h.lancerNavigateur();
    const page = await navigateur.newPage({ viewport: { width: 1560, height: 768 } });
    // Keep the page's own frame timer from running between the measured frames,
    // and keep its frame function (the one it repeats every 1000/24 ms) to call it.
    await page.addInitScript(() => {
        const origine = window.setInterval;
        window.intervallesDeLaPage = [];
        window.setInterval = function (fonction, delai) {
            const id = origine.apply(this, arguments);
            window.intervallesDeLaPage.push(id);
            if (delai === 1000 / 24) {
                window.imageDeLaPage = fonction;
            }
            return id;
        };
    });
    await page.goto(serveur.url);
    await h.attendre(page, () => collectionImages !== null
        && ['foret', 'clef'].every((nom) => collectionImages.getImage(nom).complete));
    await page.evaluate(() => document.fonts.load('bold 50pt boule'));

    const mesures = await page.evaluate(([nombre, menu]) => new Promise((resolve) => {
        window.intervallesDeLaPage.forEach((id) => clearInterval(id));
        const vide = () => {
            oCtx.clearRect(0, 0, oCanvas.width, oCanvas.height);
            oCtx.fillStyle = '#a3d7d2';
            oCtx.fillRect(0, 0, oCanvas.width, oCanvas.height);
        };
        const temps = { page: [], vide: [], immobiles: 0 };
        let i = 0;
        // An empty frame, then the page's frame, in each display frame.
        (function image() {
            // Every 40 frames the balls drop in again, so all 31 keep moving.
            if (i % 40 === 0) {
                boules.forEach((boule, j) => {
                    boule.y = -100;
                    boule.deplacerVers(menu[j][0], menu[j][1]);
                });
            }
            temps.immobiles += boules.filter((boule) => !boule.enMouvement).length;
            let debut = performance.now();
            vide();
            temps.vide.push(performance.now() - debut);
            debut = performance.now();
            window.imageDeLaPage();
            temps.page.push(performance.now() - debut);
            if (++i < nombre) {
                requestAnimationFrame(image);
            } else {
                resolve(temps);
            }
        })();
    }), [FRAMES, h.MENU]);

    const page_ = mediane(mesures.page);
    const vide = mediane(mesures.vide);
    const isolee = await page.evaluate(() => crossOriginIsolated);
    console.log(`browser: Chromium ${navigateur.version()} (headless, software canvas, fine timer: ${isolee})`);
    console.log(`frames measured: ${FRAMES}, balls at rest during them: ${mesures.immobiles}`);
    console.log(`median frame (page frame, 31 moving balls): ${page_.toFixed(3)} ms`);
    console.log(`median empty frame (clearRect + fillRect):   ${vide.toFixed(3)} ms`);
    console.log(`ratio to the empty frame: ${(page_ / vide).toFixed(1)}x`);
    console.log(`share of the ${BUDGET.toFixed(1)} ms frame budget: ${(100 * page_ / BUDGET).toFixed(2)} %`);
    await navigateur.close();
    await serveur.fermer();
})();
