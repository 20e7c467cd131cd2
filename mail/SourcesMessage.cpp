#include "mail/SourcesMessage.h"

#include <QRandomGenerator>
#include <ctime>

SourcesMessage SourcesMessage::Systeme() {
    // localtime_r follows daylight saving without reading the zone file again at every
    // message, as QDateTime::currentDateTime does.
    return {[] {
                timespec maintenant{};
                ::clock_gettime(CLOCK_REALTIME, &maintenant);
                tm local{};
                ::localtime_r(&maintenant.tv_sec, &local);
                return QDateTime(QDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday),
                                 QTime(local.tm_hour, local.tm_min, local.tm_sec,
                                       static_cast<int>(maintenant.tv_nsec / 1000000)),
                                 Qt::OffsetFromUTC, static_cast<int>(local.tm_gmtoff));
            },
            // Seeded once per thread from the system's source: a draw then costs no system
            // call.
            [] {
                thread_local QRandomGenerator generateur = QRandomGenerator::securelySeeded();
                return generateur.generate();
            }};
}
