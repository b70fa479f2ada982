// Lint of the calendar page's scripts. They are classic browser scripts sharing
// one global scope: every global a script defines is named in its "exported"
// comment, every name it uses from another script is listed below.
"use strict";
const js = require("@eslint/js");

// The only globals of the page: the names that the lines the site generator writes
// into its scripts use (the options, the day lines' media and what they call),
// and the one object on which the scripts share everything else.
const globalesEcrites = [
    "rattrapage", "mois", "fuseau", "debut", "jours", "ordre", "langue", "theme", "fond", "titre", "bypass",
    "photo", "pochette", "son", "ecran", "video", "carte", "Photo", "Video", "Carte",
    "imagesMobiles", "videos", "collectionSons", "collectionVideos",
];
const ESPACE = "calendrier";
const globalesPage = [...globalesEcrites, ESPACE];
const globalesNavigateur = [
    "window", "document", "Image", "HTMLAudioElement", "HTMLVideoElement", "MouseEvent", "KeyboardEvent",
    "setTimeout", "clearTimeout", "requestAnimationFrame", "matchMedia", "Intl",
    // A private calendar's lock.
    "TextEncoder", "TextDecoder", "atob", "btoa", "URL", "Blob", "crypto",
];
// A top-level declaration of a classic script is a global.
const nomsPermis = `/^(${globalesPage.join("|")})$/`;
const SANS_INTERVALLE = "The page draws on requestAnimationFrame and waits with setTimeout.";

// Node's own globals, for the page tests and the benchmarks that drive the browser.
const globalesNode = [
    "require", "module", "exports", "__dirname", "__filename", "process", "Buffer", "console", "URL",
    "setTimeout", "clearTimeout", "setInterval", "clearInterval", "setImmediate", "performance",
    "TextEncoder", "TextDecoder", "atob", "btoa",
];
// What the functions a test hands to the browser (page.evaluate) may name there.
const globalesDansLaPage = [
    ...globalesNavigateur, "HTMLCanvasElement", "getComputedStyle", "setInterval", "clearInterval", "Storage", "DOMException", "fetch", "Blob", "MediaRecorder", "crossOriginIsolated",
    "innerWidth", "innerHeight",
];

module.exports = Object.assign([
    {
        files: ["core/site/ressources/tinselbox/js/scripts/**/*.js", "core/site/ressources/tinselbox/prive/scripts/**/*.js"],
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
            "no-restricted-globals": ["error",
                { name: "setInterval", message: SANS_INTERVALLE }, { name: "clearInterval", message: SANS_INTERVALLE }],
            "no-restricted-properties": ["error",
                { object: "window", property: "setInterval", message: SANS_INTERVALLE }],
            "no-restricted-syntax": ["error",
                {
                    selector: `Program > VariableDeclaration > VariableDeclarator > Identifier.id:not([name=${nomsPermis}])`,
                    message: `A global of the page is a name the written lines use; share the rest on ${ESPACE}.`,
                },
                {
                    selector: `Program > :matches(FunctionDeclaration, ClassDeclaration) > Identifier.id:not([name=${nomsPermis}])`,
                    message: `A global of the page is a name the written lines use; share the rest on ${ESPACE}.`,
                },
                {
                    selector: "AssignmentExpression > MemberExpression.left[object.name=/^(window|globalThis|self)$/]",
                    message: `No global through window: share it on ${ESPACE}.`,
                }],
        },
    },
    {
        // The date logic loads under Node too, for its tests.
        files: ["core/site/ressources/tinselbox/js/scripts/periode.js"],
        languageOptions: { globals: { module: "readonly" } },
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
], { globalesEcrites, ESPACE });
