#pragma once
// The text of a campaign journal, shared by its writer and its reader: UTF-8 lines ending with
// LF, fields separated by a tab. A journal holds any address or subject the user typed, so it
// is not written in the 8-bit code page of the other files, which would lose characters.
#include <QString>
#include <QStringList>

namespace FormatJournal {

// The first line, then one "key<TAB>value" line for each header field, in this order.
inline constexpr char kPremiereLigne[] = "Lettrova journal de campagne 1";
inline constexpr char kSujet[] = "sujet";
inline constexpr char kPage[] = "page";
inline constexpr char kListe[] = "liste";
inline constexpr char kDebut[] = "debut";

// The record kinds: a try about to start, the outcomes, a resume, the end.
inline constexpr char kEssai[] = "essai";
inline constexpr char kAccepte[] = "accepte";
inline constexpr char kTemporaire[] = "temporaire";
inline constexpr char kRefuse[] = "refuse";
inline constexpr char kInconnue[] = "inconnue";
inline constexpr char kReprise[] = "reprise";
inline constexpr char kFin[] = "fin";
inline constexpr char kTerminee[] = "terminee";
inline constexpr char kAbandonnee[] = "abandonnee";

// One line, without its LF; a tab, a line break or a backslash inside a field is escaped.
QByteArray Ligne(const QStringList& champs);
// The fields of one line (without its LF).
QStringList Champs(const QByteArray& ligne);

} // namespace FormatJournal
