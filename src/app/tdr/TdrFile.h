#pragma once
#include "app/tdr/TdrHeader.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace app::tdr {

// One waveform file, read as far as the import needs it: the image that goes
// into POINTS, its decoded header, the name and the creation time.
struct TdrFile {
    // A file larger than this is not a waveform file; it is passed over
    // without reading it.
    static constexpr qint64 kMaxFileSize = 1 << 20;

    QString path;
    QByteArray image; // the first TdrHeader::kImageSize bytes
    TdrHeader header;
    QString memo; // MEMO: the file name without its last extension
    QString date; // DATE: creation time, "d.m.yyyy h:m:s"

    // Reads at most kImageSize bytes of the file. Throws TdrError when the file
    // cannot be opened, is too short or too large, or its header is invalid.
    static TdrFile read(const QString& path);

    // The name without the last "." and what follows it ("a.b.tdr" gives "a.b").
    static QString memoFromFileName(const QString& fileName);

    // Day, month and year joined by ".", a blank, hour, minute and second
    // joined by ":", no leading zeros (5.3.2012 9:7:3).
    static QString formatDate(const QDateTime& time);
};

} // namespace app::tdr
