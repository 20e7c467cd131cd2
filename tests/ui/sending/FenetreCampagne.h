#pragma once
// The real window, offscreen, ready to send: saved settings that point at a test server, a
// favourite list loaded at the first display and the page loaded at start-up.
#include "app/ui/TForm1.h"
#include "tests/support/FenetreDeTest.h"

#include <QPushButton>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

// The files of a program directory ready to send: settings pointing at a test server, the
// favourite list and the page loaded at start-up.
void EcrireFichiersCampagne(const RepertoireTemporaire& rep, quint16 port,
                            const QStringList& adresses, bool tls = false,
                            const QString& sujet = QStringLiteral("Nouvelles de l'été"));

class FenetreCampagne : public testing::Test, protected FenetreDeTest {
public:
    static constexpr const char* kPage =
        "<html><head><title>Lettre</title></head>\r\n<body><p>Été à Noël : 10 € l’unité</p>\r\n"
        ".point en début de ligne\r\n</body></html>\r\n";

protected:
    // `adresses`: the list file's lines; `tls`: the saved option.
    void Preparer(quint16 port, const QStringList& adresses, bool tls = false,
                  const QString& sujet = QStringLiteral("Nouvelles de l'été"));
    struct Scenario {
        // How the question is answered; by default a click on "Oui".
        std::function<void()> question = {};
        // Runs once, when the status line first shows `quand`.
        std::function<void()> pendant = {};
        QString quand = QStringLiteral("Envois en cours...");
    };
    // Presses "Envoyer" once the readiness indicator allows it, then plays the scenario from
    // the event loop, as the user's clicks come. Returns when the campaign handler returns.
    void Envoyer(Scenario scenario);
    void Envoyer();
    void Repondre(bool oui);
    QString Statut() const;
    QColor CouleurStatut() const;
    QStringList Erreurs() const;
};

// Accepts connections (the system does it for the listening socket) and never says a word.
class ServeurMuet {
public:
    ServeurMuet();
    ~ServeurMuet();
    quint16 Port() const { return port_; }

private:
    int fd_ = -1;
    quint16 port_ = 0;
};
