#include "sending/FormatJournal.h"

#include <QDateTime>
#include <algorithm>
#include <iterator>
#include <utility>

namespace FormatJournal {

namespace {
// Each character that would break a line or a field, and the letter that stands for it after a
// backslash.
constexpr std::pair<char16_t, char16_t> kEchappes[] = {
    {u'\\', u'\\'}, {u'\t', u't'}, {u'\n', u'n'}, {u'\r', u'r'}};

QString Echapper(const QString& champ) {
    QString s;
    s.reserve(champ.size());
    for (const QChar c : champ) {
        const auto e = std::find_if(std::begin(kEchappes), std::end(kEchappes),
                                    [&](const auto& p) { return p.first == c.unicode(); });
        if (e != std::end(kEchappes)) {
            s += QChar(u'\\');
            s += QChar(e->second);
        } else {
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
        const char16_t lettre = champ[++i].unicode();
        const auto e = std::find_if(std::begin(kEchappes), std::end(kEchappes),
                                    [&](const auto& p) { return p.second == lettre; });
        s += QChar(e != std::end(kEchappes) ? e->first : lettre);
    }
    return s;
}
} // namespace

QString TexteDate(qint64 date) {
    return QDateTime::fromMSecsSinceEpoch(date, Qt::UTC).toString(Qt::ISODateWithMs);
}

qint64 LireDate(const QString& texte) {
    const QDateTime d = QDateTime::fromString(texte, Qt::ISODateWithMs);
    return d.isValid() ? d.toMSecsSinceEpoch() : 0;
}

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
