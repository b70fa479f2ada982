// Lint of the calendar page's scripts. They are classic browser scripts sharing
// one global scope: every global a script defines is named in its "exported"
// comment, every name it uses from another script is listed below.
"use strict";
const js = require("@eslint/js");

// The page's own globals, defined by its scripts (calendrier.js and the classes).
const globalesPage = [
    "oCanvas", "oCtx", "imagesStatiques", "imagesAnimees", "imagesMobiles", "videos", "boules",
    "mouseX", "mouseY", "mediaASurveiller", "collectionImages", "collectionPhotos", "collectionSons",
    "collectionVideos", "projectionEnCours", "souris", "timer", "numeroJour",
    "photo", "pochette", "son", "ecran", "video", "carte", "rattrapage", "mois", "fuseau", "debut", "jours", "ordre", "bypass",
    "langue", "textes", "formaterTexte", "formaterDate", "verrou",
    "Souris", "CollectionImages", "CollectionPhotos", "CollectionSons", "CollectionVideos",
    "ImageStatique", "ImageAnimee", "ImageMobile", "Photo", "Video", "Carte", "Boule", "Disposition",
];
const globalesNavigateur = [
    "window", "document", "Image", "HTMLAudioElement", "HTMLVideoElement", "MouseEvent", "KeyboardEvent", "setInterval", "clearInterval",
    "setTimeout", "clearTimeout", "requestAnimationFrame", "matchMedia", "Intl", "$",
    // A private calendar's lock.
    "TextEncoder", "TextDecoder", "atob", "btoa", "URL", "Blob",
];

// Node's own globals, for the page tests and the benchmarks that drive the browser.
const globalesNode = [
    "require", "module", "exports", "__dirname", "__filename", "process", "Buffer", "console", "URL",
    "setTimeout", "clearTimeout", "setInterval", "clearInterval", "setImmediate", "performance",
    "TextEncoder", "TextDecoder", "atob", "btoa",
];
// What the functions a test hands to the browser (page.evaluate) may name there.
const globalesDansLaPage = [
    ...globalesNavigateur, "Storage", "DOMException", "fetch", "Blob", "MediaRecorder", "crossOriginIsolated",
    "innerWidth", "innerHeight",
];

module.exports = [
    {
        files: ["core/site/ressources/tinselbox/js/scripts/**/*.js", "core/site/ressources/tinselbox/prive/scripts/**/*.js"],
        ignores: ["**/jquery-*.min.js"],
        languageOptions: {
            ecmaVersion: 2017,
            sourceType: "script",
            globals: Object.fromEntries([
                ...globalesNavigateur.map((nom) => [nom, "readonly"]),
                ...globalesPage.map((nom) => [nom, "writable"]),
            ]),
        },
        rules: {
            ...js.configs.recommended.rules,
            strict: ["error", "global"],
            "no-implicit-globals": "error",
            "no-redeclare": ["error", { builtinGlobals: false }],
            "no-unused-vars": ["error", { vars: "local", args: "none", caughtErrors: "none" }],
            "no-var": "off",
            eqeqeq: "error",
        },
    },
    {
        files: ["tests/web/**/*.js", "tests/moteurs/**/*.js", "bench/web/**/*.js", "eslint.config.js"],
        languageOptions: {
            ecmaVersion: 2024,
            sourceType: "commonjs",
            globals: Object.fromEntries([
                ...globalesDansLaPage.map((nom) => [nom, "readonly"]),
                // A test may set the page's own variables from inside the page.
                ...globalesPage.map((nom) => [nom, "writable"]),
                ...globalesNode.map((nom) => [nom, "readonly"]),
            ]),
        },
        rules: {
            ...js.configs.recommended.rules,
            strict: ["error", "global"],
            "no-unused-vars": ["error", { args: "none", caughtErrors: "none" }],
            eqeqeq: "error",
        },
    },
];
