#pragma once
#include <QByteArray>
#include <QString>

namespace store {

// The two single-byte character sets the instruments use for names. Bytes below
// 0x80 are ASCII in both; each upper half is one 128-entry table.
//
// Code page 866 (DOS): the waveform names of the short-frame instrument.
// Code page 1251 (Windows): the names the packet instruments send unconverted
// (waveform names and PR table names), which the earlier program showed as they
// stood in its Windows character set.

// Decodes at most `size` bytes from `data`, stopping at the first zero byte.
QString fromCp866(const char* data, int size);
QString fromCp1251(const char* data, int size);

// Encodes text; characters the code page lacks become '?'.
QByteArray toCp866(const QString& text);
QByteArray toCp1251(const QString& text);

} // namespace store
