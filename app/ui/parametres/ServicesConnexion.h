#pragma once
// What finding the server and testing the connection on "Paramètres" work with: the page's
// fields, their two buttons, and the window's services.
class Dialogues;
class Gestionnaires;
class LigneStatut;
struct ControlesConnexion;
struct ControlesParametres;

struct ServicesConnexion {
    ControlesParametres& c;
    ControlesConnexion& connexion;
    Gestionnaires& gestionnaires;
    LigneStatut& statut;
    Dialogues& dialogues;
};
