#pragma once
// Quoted-printable encoding (RFC 2045) of text bytes read as lines ending at LF (a CR right
// before the LF is dropped). Output lines end with CR LF and hold at most 73 characters.
#include <QByteArray>

QByteArray CoderQuotedPrintable(const QByteArray& octets);
