// Sounds, loaded only when their day is opened.
function CollectionSons() {
    this.sons = new Map();
}

CollectionSons.prototype.chargerSons = function (identifiant) {
    switch (identifiant) {
        // <GESTION DE LA COLLECTION>
    }
};

CollectionSons.prototype.chargerSon = function (nomSon, adresseSon) {
    var son = document.createElement("audio");
    son.preload = "auto";
    son.src = adresseSon;
    this.sons.set(nomSon, son);
};

CollectionSons.prototype.jouerSon = function (nomSon) {
    this.chargerSons(nomSon);
    var son = this.sons.get(nomSon);
    lancerLecture(son);
    return son;
};
