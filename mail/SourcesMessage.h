#pragma once
// What makes two transfers of one message differ: the clock, and the random draws of the
// boundary and the message identifier; and the charset of header words, which follows the
// user's language. Tests give fixed ones to compare whole messages.
#include "mail/CodageEntete.h"

#include <QDateTime>
#include <functional>

struct SourcesMessage {
    // The current local time, with its offset from UTC.
    std::function<QDateTime()> Horloge;
    // Uniform 32-bit draws.
    std::function<quint32()> Aleatoire;
    JeuEntete Jeu = JeuEntete::DuSysteme();

    static SourcesMessage Systeme();
};
