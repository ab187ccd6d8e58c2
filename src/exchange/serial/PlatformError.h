#pragma once
#include "exchange/serial/ERsCommError.h"

#include <QString>

namespace serial {

// Texts for the platform's error codes (errno values) in the layer's messages.
namespace PlatformError {

// The system's text for an error code.
QString Text(int code);

// The text for a failed open of a device that exists; a refused one gives the
// exact command that grants the user the port.
QString OpenText(int code);

// The login name of the user running the program (for the dialout hint).
QString UserName();

// What a failed open means for the user: no such device, held by another, refused.
ERsCommError::Kind OpenFailure(int code);

// Fills a message of the layer: the first "%d" takes the code and the first
// "%s" the text; a message without placeholders comes out unchanged.
QString Format(const QString& format, int code, const QString& text);

} // namespace PlatformError

} // namespace serial
