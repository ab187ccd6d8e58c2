#pragma once
#include <QString>

namespace serial {

// Maps a port number to a device path. Port numbers count from 1 ("COM1"),
// device numbers from 0, so port n opens the device numbered n - 1:
// with the template "/dev/ttyS%d" port 1 is /dev/ttyS0 and port 7 /dev/ttyS6.
namespace DeviceName {

inline constexpr const char* DefaultTemplate = "/dev/ttyS%d";

long long DeviceNumber(int portNum);

// Formats the template: "%d" takes the device number, "%%" stands for "%";
// any other "%" is kept as it is, so a template read from the settings file
// can never act as a format string.
QString Format(const QString& nameTemplate, int portNum);

// A template that names exactly this path, whatever the port number ("%" doubled).
QString Literal(const QString& path);

} // namespace DeviceName

} // namespace serial
