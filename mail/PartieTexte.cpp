#include "mail/PartieTexte.h"

#include "mail/QuotedPrintable.h"
#include "mail/TexteMessage.h"

const QByteArray& PartieTexte::CorpsCode() const {
    if (!calcule_ || !source_.isSharedWith(Corps)) {
        source_ = Corps;
        QByteArray octets;
        for (const QString& ligne : TexteMessage::LignesSimples(Corps)) {
            octets += ligne.toUtf8();
            octets += "\r\n";
        }
        code_ = CoderQuotedPrintable(octets);
        calcule_ = true;
    }
    return code_;
}
