#include "mail/MessageCourriel.h"

#include "mail/TexteMessage.h"

const QByteArray& MessageCourriel::PreambuleCode() const {
    if (!calcule_ || !source_.isSharedWith(Corps)) {
        source_ = Corps;
        code_.clear();
        for (const QString& ligne : TexteMessage::LignesSimples(Corps)) {
            if (ligne.startsWith(QLatin1Char('.')))
                code_ += '.';
            code_ += ligne.toUtf8();
            code_ += "\r\n";
        }
        calcule_ = true;
    }
    return code_;
}
