#pragma once
// Text files the program reads (lists, the page, import files) are decoded by their
// byte-order mark: UTF-8, UTF-16 little- or big-endian. Without one, a file that is valid
// UTF-8 and holds at least one multi-byte sequence is UTF-8 (what today's editors, address
// books and spreadsheets write); any other file is Windows-1252.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

QString DecoderTexteFichier(const QByteArray& octets);

// Valid UTF-8 (no overlong form, no surrogate, nothing past U+10FFFF) holding at least one
// character beyond ASCII.
bool EstUtf8MultiOctets(QByteArrayView octets);
