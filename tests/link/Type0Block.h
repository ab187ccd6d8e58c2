#pragma once
#include "store/encoding/CodePage.h"

#include <QByteArray>
#include <QString>

// A type-0 block of bank `bank` as the instrument sends it: scale code
// `scale` (0xFF is an empty bank), PR 1.5, a name and a valid checksum.
inline QByteArray type0Block(int bank, int scale = 1) {
    QByteArray b(385, '\0');
    for (int i = 0; i < 250; ++i) b[i] = char((i + bank) % 40 - 20);
    b[266] = 0x05;
    b[267] = 0x03;
    b[268] = 0x12;
    b[270] = char(scale);
    b[272] = 100;
    const QByteArray name = store::toCp866(QStringLiteral("Линия %1").arg(bank));
    b.replace(281, name.size(), name);
    unsigned sum = 0;
    for (int i = 0; i < 384; ++i) sum += static_cast<unsigned char>(b[i]);
    b[384] = char(sum & 0xFF);
    return b;
}
