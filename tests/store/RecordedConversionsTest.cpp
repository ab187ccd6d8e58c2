// The conversions of the blocks the program read from the simulated instrument
// (tests/data/*.rec) into library records. The expected values were read off
// the recorded bytes by hand, e.g. for the first row: date bytes 266..268 =
// 15 03 20 and 256..258 = 28 29 10 (BCD), scale code 0 (250 m), pulse code
// 01 00 → (1 + 1) × 10 = 20 ns, amplitude 202 × 156 / 256 = 123, PR code 100
// → 150 / 100 = 1.5, byte 265 = 52 → 52 / 4 = 13, name 8A A0 A1 A5 AB EC 20 31
// in code page 866, and bytes 0..383 summing to 0x1C as byte 384 says.
#include "store/Numbers.h"
#include "store/encoding/WaveformConversions.h"
#include "support/Recording.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

using namespace store;

namespace {

struct Row {
    const char* file;
    int command;
    ConversionResult (*convert)(const QByteArray&);
    std::vector<std::pair<const char*, const char*>> columns; // as text
    double speed = 0;                                         // SPEED, when checked
    const char* problem = "";                                 // start of the expected refusal
};

const Row kRows[] = {
    {"short-list.rec",
     0,
     ConvertType0,
     {{"DATE", "15.03.20 10:29:28"},
      {"SCALE", "250"},
      {"DLIT", "20"},
      {"NAKOPL", "64"},
      {"AMPL", "123"},
      {"SOGLAS", "13"},
      {"ZOOM_L", "1"},
      {"MEMO", "Кабель 1"},
      {"DEVICE_TYPE", "KM-41A1 ver.5"},
      {"START_PLAN", "0"}},
     1.5},
    // Scale code 2, pulse code 0x13, amplitude 54, PR code 68 (150 / 68 = 2.2058...), byte 265 = 32.
    {"short-list.rec",
     2,
     ConvertType0,
     {{"DATE", "06.03.20 12:31:43"},
      {"SCALE", "1000"},
      {"DLIT", "200"},
      {"NAKOPL", "16"},
      {"AMPL", "32"},
      {"SOGLAS", "8"},
      {"MEMO", "Линия связи 51"}},
     2.206},
    // Bank 50's block written to bank 7 and read back whole.
    {"short-write-read.rec",
     2,
     ConvertType0,
     {{"DATE", "06.03.20 12:31:43"}, {"MEMO", "Линия связи 51"}},
     2.206},
    {"short-list.rec", 1, ConvertType0, {}, 0, "ячейка памяти прибора пуста"},
    {"short-list.rec",
     0,
     ConvertListEntry,
     {{"MEMO", "Кабель 1"}, {"SCALE", "250"}, {"DATE", "15.03.20 10:29:28"}, {"PICTURE", "false"}}},
    {"short-list.rec", 1, ConvertListEntry, {}, 0, "ячейка памяти прибора пуста"},
    // Bank 00 00, pulse code 5, scale code 0, averaging code 7, gain B3 01, byte 120 = 28,
    // PR 150 (hundredths), date bytes 4 4 24 3 14 5, name "Линия 1" in the Windows code page.
    {"packet-52a-waveform.rec",
     0,
     ConvertType3,
     {{"BANK_NUM", "0"},
      {"DATE", "4.4.24 3:14:5"},
      {"SCALE", "60"},
      {"DLIT", "500"},
      {"NAKOPL", "128"},
      {"AMPL", "435"},
      {"SOGLAS", "28"},
      {"MEMO", "Линия 1"},
      {"DEVICE_TYPE", "KM-52A ver.1"}},
     1.5},
    // Bank 0A 00, pulse code 10, averaging code 4, gain FC 01, PR 1769 (thousandths).
    {"packet-52a1-waveform.rec",
     1,
     ConvertType4,
     {{"BANK_NUM", "10"},
      {"DATE", "1.1.13 6:40:59"},
      {"SCALE", "60"},
      {"DLIT", "20000"},
      {"NAKOPL", "16"},
      {"AMPL", "508"},
      {"SOGLAS", "5"},
      {"MEMO", "Линия 11"},
      {"DEVICE_TYPE", "KM-52A1 ver.2"}},
     1.769},
    // The list entry of the same bank: its 256-byte header alone.
    {"packet-52a1-list.rec",
     2,
     ConvertType4,
     {{"BANK_NUM", "10"}, {"DATE", "1.1.13 6:40:59"}, {"DLIT", "20000"}, {"MEMO", "Линия 11"}},
     1.769},
};

} // namespace

TEST(RecordedConversions, blocksReadFromTheInstrumentGiveTheRecordsReadOffTheirBytes) {
    for (const Row& row : kRows) {
        SCOPED_TRACE(std::string(row.file) + " command " + std::to_string(row.command));
        QString error;
        const auto recording = Recording::load(row.file, error);
        ASSERT_TRUE(recording) << error.toStdString();
        ASSERT_TRUE(recording->answers.contains(row.command));
        const QByteArray block = recording->answers.value(row.command);
        const ConversionResult r = row.convert(block);

        const QString problem = QString::fromUtf8(row.problem);
        if (!problem.isEmpty()) {
            EXPECT_TRUE(!r.converted() && r.problem.startsWith(problem)) << r.problem.toStdString();
            continue;
        }
        ASSERT_TRUE(r.converted()) << r.problem.toStdString();
        EXPECT_TRUE(r.warning.isEmpty()) << r.warning.toStdString();
        for (const auto& [name, text] : row.columns)
            EXPECT_EQ(r.value(name).toString(), QString::fromUtf8(text)) << name;
        if (row.speed > 0) {
            EXPECT_EQ(parseNumber(r.value("SPEED").toString()), row.speed);
        }
        if (r.has("POINTS")) {
            EXPECT_EQ(r.value("POINTS").toByteArray(), block);
        }
    }
}
