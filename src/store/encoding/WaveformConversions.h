#pragma once
#include "store/encoding/ConversionResult.h"

#include <QByteArray>

namespace store {

// Layout facts of the instrument blocks that other layers share.
inline constexpr int kType0BlockSize = 385;   // short-frame waveform block, checksum last
inline constexpr int kType0DataSize = 384;    // bytes the checksum covers
inline constexpr int kType0MinSize = 319;     // up to the end of the name: all a conversion reads
inline constexpr int kType0ScaleOffset = 270; // scale code; 0xFF marks an empty bank
inline constexpr unsigned char kEmptyBank = 0xFF;
inline constexpr int kPacketBlockMinSize = 138; // up to the seconds byte of a type-3/4 header

inline const QString kModelType0 = QStringLiteral("KM-41A1 ver.5");
inline const QString kModelType3 = QStringLiteral("KM-52A ver.1");
inline const QString kModelType4 = QStringLiteral("KM-52A1 ver.2");

// Sum of the first `count` bytes modulo 256 (the short-frame checksum).
unsigned char ByteSum(const QByteArray& bytes, int count);

// The conversions of an instrument block into the columns of a `master` row.
// They never read outside the block or a lookup table: a block too short, a code
// outside its table or a type-0 propagation code of 0 gives a rejected result.
// REC_ID (and BANK_NUM for type 0) are the caller's.
ConversionResult ConvertType0(const QByteArray& block);
ConversionResult ConvertType3(const QByteArray& block);
ConversionResult ConvertType4(const QByteArray& block);

// The columns of a `list_ref_dev` row from a type-0 block: MEMO, SCALE, DATE and
// PICTURE, by the rules of ConvertType0.
ConversionResult ConvertListEntry(const QByteArray& block);

} // namespace store
