#pragma once
// The controls of "Paramètres" that find the sender's server and test the connection.
class QPushButton;

struct ControlesConnexion {
    // Beside "Serveur:".
    QPushButton* SpeedButTrouverServeur = nullptr;
    // Beside "Port:"; reads "Arrêter le test" while a test runs.
    QPushButton* SpeedButTesterConnexion = nullptr;
};
