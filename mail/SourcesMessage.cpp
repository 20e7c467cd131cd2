#include "mail/SourcesMessage.h"

#include <QRandomGenerator>

SourcesMessage SourcesMessage::Systeme() {
    // Seeded once per thread from the system's source: a draw then costs no system call.
    return {[] { return QDateTime::currentDateTime(); },
            [] {
                thread_local QRandomGenerator generateur = QRandomGenerator::securelySeeded();
                return generateur.generate();
            }};
}
