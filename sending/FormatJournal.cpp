#include "sending/FormatJournal.h"

namespace FormatJournal {

namespace {
QString Echapper(const QString& champ) {
    QString s;
    s.reserve(champ.size());
    for (const QChar c : champ) {
        switch (c.unicode()) {
        case u'\\':
            s += QStringLiteral("\\\\");
            break;
        case u'\t':
            s += QStringLiteral("\\t");
            break;
        case u'\n':
            s += QStringLiteral("\\n");
            break;
        case u'\r':
            s += QStringLiteral("\\r");
            break;
        default:
            s += c;
        }
    }
    return s;
}

QString Desechapper(const QString& champ) {
    QString s;
    s.reserve(champ.size());
    for (qsizetype i = 0; i < champ.size(); ++i) {
        if (champ[i] != u'\\' || i + 1 == champ.size()) {
            s += champ[i];
            continue;
        }
        const QChar c = champ[++i];
        s += c == u't' ? QChar(u'\t') : c == u'n' ? QChar(u'\n') : c == u'r' ? QChar(u'\r') : c;
    }
    return s;
}
} // namespace

QByteArray Ligne(const QStringList& champs) {
    QStringList echappes;
    echappes.reserve(champs.size());
    for (const QString& c : champs)
        echappes << Echapper(c);
    return echappes.join(u'\t').toUtf8();
}

QStringList Champs(const QByteArray& ligne) {
    QStringList champs = QString::fromUtf8(ligne).split(u'\t');
    for (QString& c : champs)
        c = Desechapper(c);
    return champs;
}

} // namespace FormatJournal
