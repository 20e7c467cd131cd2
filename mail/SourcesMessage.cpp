#include "mail/SourcesMessage.h"

#include <QRandomGenerator>

SourcesMessage SourcesMessage::Systeme() {
    return {[] { return QDateTime::currentDateTime(); },
            [] { return QRandomGenerator::system()->generate(); }};
}
