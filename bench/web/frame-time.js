// Script time of one frame of the calendar page in headless Chromium, with
// all 31 balls moving, against an empty frame measured in the same run: on a
// desktop screen and on a phone of density 3.
//   node bench/web/frame-time.js [frames]
'use strict';
const h = require('../../tests/web/helpers');

const FRAMES = Number(process.argv[2]) || 400;
const BUDGET = 1000 / 24;

function mediane(valeurs) {
    const tri = [...valeurs].sort((a, b) => a - b);
    return tri[Math.floor(tri.length / 2)];
}

// The median script time of the page's frame and of an empty frame, on a
// screen of the given context options.
async function mesurer(navigateur, url, options) {
    const contexte = await navigateur.newContext(options);
    const page = await contexte.newPage();
    // Keep the page's own drawing loop from running between the measured frames:
    // once the measure starts, the frames the page asks for are not given.
    await page.addInitScript(() => {
        const demander = window.requestAnimationFrame.bind(window);
        window.demanderImage = demander;
        window.mesureEnCours = false;
        window.requestAnimationFrame = (rappel) => (window.mesureEnCours ? 0 : demander(rappel));
    });
    await page.goto(url);
    await h.attendre(page, () => typeof calendrier !== 'undefined' && !!calendrier.collectionImages
        && ['foret', 'clef'].every((nom) => calendrier.collectionImages.getImage(nom).complete));
    await page.evaluate(() => document.fonts.load('bold 50pt boule'));

    const mesures = await page.evaluate((nombre) => new Promise((resolve) => {
        window.mesureEnCours = true;
        const vide = () => {
            calendrier.oCtx.setTransform(1, 0, 0, 1, 0, 0);
            calendrier.oCtx.clearRect(0, 0, calendrier.oCanvas.width, calendrier.oCanvas.height);
            calendrier.oCtx.fillStyle = '#a3d7d2';
            calendrier.oCtx.fillRect(0, 0, calendrier.oCanvas.width, calendrier.oCanvas.height);
        };
        const temps = { page: [], vide: [], rendu: [], immobiles: 0 };
        let i = 0;
        // An empty frame, then the page's frame (one step and its drawing), in each display frame.
        (function image() {
            // Every 40 frames the balls drop in again, so all 31 keep moving.
            if (i % 40 === 0) {
                calendrier.boules.forEach((boule) => {
                    boule.y = -100;
                    boule.deplacerVers(boule.xMenu, boule.yMenu);
                });
            }
            temps.immobiles += calendrier.boules.filter((boule) => !boule.enMouvement).length;
            let debut = performance.now();
            vide();
            temps.vide.push(performance.now() - debut);
            debut = performance.now();
            calendrier.image();
            temps.page.push(performance.now() - debut);
            // Reading one pixel makes the canvas draw what it was asked: the
            // frame's whole cost, pixels included.
            calendrier.oCtx.getImageData(0, 0, 1, 1);
            temps.rendu.push(performance.now() - debut);
            if (++i < nombre) {
                window.demanderImage(image);
            } else {
                resolve(temps);
            }
        })();
    }), FRAMES);
    const resultat = {
        page: mediane(mesures.page), vide: mediane(mesures.vide), rendu: mediane(mesures.rendu),
        renduMin: Math.min(...mesures.rendu), immobiles: mesures.immobiles,
        isolee: await page.evaluate(() => crossOriginIsolated),
        pixels: await page.evaluate(() => [calendrier.oCanvas.width, calendrier.oCanvas.height]),
    };
    await contexte.close();
    return resultat;
}

(async () => {
    const site = h.copierModele();
    // A cross-origin isolated page gets a fine-grained performance.now().
    const serveur = await h.servir(site, () => false, {
        'Cross-Origin-Opener-Policy': 'same-origin', 'Cross-Origin-Embedder-Policy': 'require-corp',
    });
    const navigateur = await h.lancerNavigateur();
    const ecrans = [
        { nom: 'desktop 1560x768, ratio 1', options: { viewport: { width: 1560, height: 768 } } },
        { nom: 'phone 390x844, ratio 3', options: { viewport: { width: 390, height: 844 }, deviceScaleFactor: 3, isMobile: true, hasTouch: true } },
    ];
    const resultats = [];
    for (const ecran of ecrans) {
        resultats.push(await mesurer(navigateur, serveur.url, ecran.options));
    }
    console.log(`browser: Chromium ${navigateur.version()} (headless, software canvas, fine timer: ${resultats[0].isolee})`);
    ecrans.forEach((ecran, i) => {
        const r = resultats[i];
        console.log(`${ecran.nom} (backing store ${r.pixels.join('x')}), frames measured: ${FRAMES}, balls at rest during them: ${r.immobiles}`);
        console.log(`  median frame (page frame, 31 moving balls): ${r.page.toFixed(3)} ms`);
        console.log(`  median empty frame (clearRect + fillRect):   ${r.vide.toFixed(3)} ms`);
        console.log(`  ratio to the empty frame: ${(r.page / r.vide).toFixed(1)}x`);
        console.log(`  share of the ${BUDGET.toFixed(1)} ms frame budget: ${(100 * r.page / BUDGET).toFixed(2)} %`);
        // On a busy machine the best frame says more of the work than the median.
        console.log(`  frame with its pixels drawn: median ${r.rendu.toFixed(3)} ms (${(100 * r.rendu / BUDGET).toFixed(1)} % `
            + `of the budget), best ${r.renduMin.toFixed(3)} ms`);
    });
    console.log(`phone frame to desktop frame: ${(resultats[1].page / resultats[0].page).toFixed(2)}x, `
        + `pixels drawn: median ${(resultats[1].rendu / resultats[0].rendu).toFixed(2)}x, `
        + `best ${(resultats[1].renduMin / resultats[0].renduMin).toFixed(2)}x`);
    await navigateur.close();
    await serveur.fermer();
})();
