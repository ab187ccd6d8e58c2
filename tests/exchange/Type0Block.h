#pragma once
#include <QByteArray>
#include <QString>

// A type-0 block of bank `bank` (0..999) as the instrument sends it: scale code
// `scale` (0xFF is an empty bank), PR 1.5, the name "Линия <bank>".
//
// Its checksum is a constant worked out by hand, not summed here as the program
// does: every byte that varies with the arguments has a partner past the name
// (offsets 330..340, which nothing reads) so that each pair sums to a fixed
// value, and the samples are whole rounds of -20..19. Bytes 0..383 add up to
//   samples 0..239, six rounds of EC..FF 00..13:  6 × (4910 + 190) = 30600
//   date 05 03 12 and PR code 100:                 5 + 3 + 18 + 100 =   126
//   scale code + partner:                                       0xFF =   255
//   "Линия " in code page 866, 8B A8 AD A8 EF 20:                    =   919
//   three digit places + partners:                          3 × 0x69 =   315
//                                                                      32215
// and 32215 = 125 × 256 + 215, so the checksum byte is 215 = 0xD7.
inline QByteArray type0Block(int bank, int scale = 1) {
    QByteArray b(385, '\0');
    for (int i = 0; i < 240; ++i) b[i] = char((i + bank) % 40 - 20);
    b[266] = 0x05;
    b[267] = 0x03;
    b[268] = 0x12;
    b[270] = char(scale);
    b[340] = char(0xFF - scale);
    b[272] = 100;
    b.replace(281, 6, QByteArray("\x8B\xA8\xAD\xA8\xEF\x20", 6)); // "Линия "
    const QByteArray digits = QByteArray::number(bank).left(3);
    b.replace(287, digits.size(), digits);
    for (int i = 0; i < 3; ++i) b[330 + i] = char(0x69 - b[287 + i]);
    b[384] = char(0xD7);
    return b;
}
