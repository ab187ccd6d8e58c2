#pragma once
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtEndian>

// Builds waveform-file images for the import tests: a valid header (range 250 m,
// pulse 10, averaging 1) with the 32-bit words set as asked, then the samples.
class TdrTestImage {
public:
    TdrTestImage() : bytes_(8512, '\0') {
        set(8, 2).set(24, 1500);
        for (int i = 512; i < bytes_.size(); ++i) bytes_[i] = char(i % 251);
    }
    TdrTestImage& set(int offset, qint32 value) {
        qToLittleEndian<qint32>(value, bytes_.data() + offset);
        return *this;
    }
    TdrTestImage& resize(int size) {
        bytes_.resize(size, '\x5a');
        return *this;
    }
    const QByteArray& bytes() const { return bytes_; }

    bool writeTo(const QString& path) const {
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write(bytes_) == bytes_.size();
    }

private:
    QByteArray bytes_;
};
