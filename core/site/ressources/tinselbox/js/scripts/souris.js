// Pointer state, in the canvas's drawing coordinates.
"use strict";

(function () {
    function Souris() {
        this.x = 0;
        this.y = 0;
        this.enfoncee = false;
    }

    Souris.prototype.setPosition = function (x, y) {
        this.x = x;
        this.y = y;
    };

    Souris.prototype.getX = function () {
        return this.x;
    };

    Souris.prototype.getY = function () {
        return this.y;
    };

    Souris.prototype.enfoncer = function () {
        this.enfoncee = true;
    };

    Souris.prototype.relacher = function () {
        this.enfoncee = false;
    };

    Souris.prototype.estEnfoncee = function () {
        return this.enfoncee;
    };

    calendrier.Souris = Souris;
}());
