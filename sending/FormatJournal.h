#pragma once
// The text of a campaign journal, shared by its writer and its reader: UTF-8 lines ending with
// LF, fields separated by a tab. A journal holds any address or subject the user typed, so it
// is not written in the 8-bit code page of the other files, which would lose characters.
#include <QString>
#include <QStringList>

namespace FormatJournal {

// The first line, then one "key<TAB>value" line for each header field, in this order. From
// version 2 on, every record line starts with its date (UTC, ISO 8601 with milliseconds): the
// hourly and daily quotas count the messages of the last hour and day from them. Journals of
// version 1 are still read and resumed, in their own version.
inline constexpr char kPremiereLigne[] = "Lettrova journal de campagne 2";
inline constexpr char kPremiereLigneV1[] = "Lettrova journal de campagne 1";
inline constexpr char kSujet[] = "sujet";
inline constexpr char kPage[] = "page";
inline constexpr char kListe[] = "liste";
inline constexpr char kDebut[] = "debut";

// The record kinds: a try about to start, the outcomes, a resume, the end. An accepted
// message's record may carry its Message-ID after the address.
inline constexpr char kEssai[] = "essai";
inline constexpr char kAccepte[] = "accepte";
inline constexpr char kTemporaire[] = "temporaire";
inline constexpr char kRefuse[] = "refuse";
inline constexpr char kInconnue[] = "inconnue";
inline constexpr char kReprise[] = "reprise";
// The pace learnt from the server (messages per minute), and a quota's pause until a date.
inline constexpr char kAllure[] = "allure";
inline constexpr char kPause[] = "pause";
inline constexpr char kFin[] = "fin";
inline constexpr char kTerminee[] = "terminee";
inline constexpr char kAbandonnee[] = "abandonnee";

// A date (milliseconds since 1970) as the records write it, and back; 0 for a text that is
// none.
QString TexteDate(qint64 date);
qint64 LireDate(const QString& texte);

// One line, without its LF; a tab, a line break or a backslash inside a field is escaped.
QByteArray Ligne(const QStringList& champs);
// The fields of one line (without its LF).
QStringList Champs(const QByteArray& ligne);

} // namespace FormatJournal
