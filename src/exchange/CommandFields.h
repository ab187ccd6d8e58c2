#pragma once
#include <QString>
#include <optional>

namespace exchange {

// Command codes and objects of the eight-hex-digit command strings.
enum : int {
    kCodeRead = 0x02,
    kCodeWrite = 0x03,
    kCodeImport = 0x04,
    kCodeNothingToSend = 0xFE,
    kObjectWaveform = 0x01,
    kObjectPrTable = 0x02,
    kObjectHelpFile = 0x03,
    kObjectWaveformList = 0x04,
};

// The four two-digit fields of a command string: code, object, number, device type.
struct CommandFields {
    int code = 0;
    int object = 0;
    int number = 0;
    int devType = 0;

    // code × 256 + object, the executor's dispatch key.
    int key() const { return code * 256 + object; }

    // Exactly eight hexadecimal digits (either case); anything else gives nothing.
    static std::optional<CommandFields> parse(const QString& command);
    // Eight upper-case hexadecimal digits; each field is taken modulo 256.
    QString toString() const;
};

} // namespace exchange
