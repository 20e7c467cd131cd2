#pragma once
// Text files the program reads (lists, the page, import files) are decoded by their
// byte-order mark: UTF-8, UTF-16 little- or big-endian; without one, as Windows-1252.
#include <QByteArray>
#include <QString>

QString DecoderTexteFichier(const QByteArray& octets);
