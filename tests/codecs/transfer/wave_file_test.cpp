#include "codecs/transfer/wave_file.h"

#include <QBuffer>
#include <QtEndian>
#include <gtest/gtest.h>

#include <bit>

#include <random>
#include <string>
#include <vector>

namespace tw {
namespace {

SendTable tableOf(std::vector<RowCode> rows)
{
    const auto table = EncodeMelody(rows);
    EXPECT_TRUE(table.has_value());
    return table.value_or(SendTable{});
}

QByteArray waveOf(const SendTable& table, int tempoItemData)
{
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    EXPECT_TRUE(writeTransferWave(buffer, table, tempoItemData).has_value());
    return buffer.data();
}

quint32 le32At(const QByteArray& bytes, qsizetype offset)
{
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

TEST(MakeWaveHeader, FieldsFromRateChannelsAndBits)
{
    EXPECT_EQ(MakeWaveHeader(24000, 1, 8), (WaveHeader{0, 1, 1, 24000, 24000, 1, 8, 0}));
    EXPECT_EQ(MakeWaveHeader(44100, 2, 16), (WaveHeader{0, 1, 2, 44100, 176400, 4, 16, 0}));
}

TEST(WaveHeaderBytes, TheTransferHeaderAsWritten)
{
    const QByteArray expected = QByteArray::fromHex(
        "52494646" "00000000" "57415645"          // RIFF, size 0, WAVE
        "666d7420" "10000000" "0100" "0100"      // "fmt ", 16, PCM, mono
        "c05d0000" "c05d0000" "0100" "0800"      // 24000, 24000 bytes/s, block 1, 8 bits
        "64617461" "00000000");                   // data, size 0
    EXPECT_EQ(waveHeaderBytes(MakeWaveHeader(24000, 1, 8)).toHex(), expected.toHex());
}

struct SizeCase {
    std::vector<RowCode> rows;
    int tempoItemData;
    quint32 samples;
};

void PrintTo(const SizeCase& c, std::ostream* os)
{
    *os << c.rows.size() << " rows, tempo item " << c.tempoItemData;
}

class WaveSizeTest : public testing::TestWithParam<SizeCase> {};

TEST_P(WaveSizeTest, BothSizeFieldsAndTheFileLength)
{
    const auto& [rows, tempo, samples] = GetParam();
    const QByteArray file = waveOf(tableOf(rows), tempo);
    EXPECT_EQ(file.size(), qsizetype(44 + samples));
    EXPECT_EQ(le32At(file, 4), samples + 36);
    EXPECT_EQ(le32At(file, 40), samples);
}

INSTANTIATE_TEST_SUITE_P(Messages, WaveSizeTest, testing::Values(
    SizeCase{{53}, 101, 4085},          // 4129 bytes, 4121 at offset 4
    SizeCase{{}, 101, 3524},            // no row frame
    SizeCase{{0, 0}, 101, 3524},        // only empty rows
    SizeCase{{297}, 111, 3608 - 96 + 597 - 48},
    SizeCase{{991, 0, 120}, 11, 3608 - 84 + 597 - 48 + 597 - 36}));

// The sample stream as a list of runs: "b<cycles>" for a burst of whole base
// cycles, "s<count>" for silence.
std::vector<std::string> runsOf(const QByteArray& samples)
{
    const QByteArray cycle = QByteArray::fromHex("c0ffffffffc0400000000040");
    std::vector<std::string> runs;
    qsizetype i = 0;
    while (i < samples.size()) {
        qsizetype j = i;
        if (samples[i] == char(128)) {
            while (j < samples.size() && samples[j] == char(128))
                ++j;
            runs.push_back("s" + std::to_string(j - i));
        } else {
            int cycles = 0;
            while (samples.mid(j, 12) == cycle) {
                j += 12;
                ++cycles;
            }
            if (cycles == 0)
                return {"a sample outside any base cycle at " + std::to_string(i)};
            runs.push_back("b" + std::to_string(cycles));
        }
        i = j;
    }
    return runs;
}

TEST(TransferSamples, EverySymbolAndSilenceInOrder)
{
    // Row 53 is 00010 101, rest 994 is 00001 000; tempo 60 sends 11111 011.
    const std::vector<std::string> expected{
        "s1200",
        "b5", "s25", "b5", "s25", "b5", "s25",
        "b3", "s25", "b2", "s25", "b2", "s25", "b2", "s25", "b1", "s25", "b2", "s25",
        "b1", "s25", "b2", "s25", "b1", "s169",  // 25 + row pause 144
        "b3", "s25", "b2", "s25", "b2", "s25", "b2", "s25", "b2", "s25", "b1", "s25",
        "b2", "s25", "b2", "s25", "b2", "s169",
        "b3", "s25", "b1", "s25", "b1", "s25", "b1", "s25", "b1", "s25", "b1", "s25", "b1",
        "s25", "b1", "s193",  // 25 + end pause 168
        "b4", "s25", "b1", "s25", "b1", "s25", "b1", "s25", "b1", "s25", "b1", "s25",
        "b2", "s25", "b1", "s25", "b1", "s1225"};  // 25 + lead-out 1200
    const QByteArray samples = transferSamples(tableOf({53, 994}), 11);
    EXPECT_EQ(runsOf(samples), expected);
    EXPECT_EQ(samples.size(), 3608 - 84 + (597 - 36) + (597 - 12));
}

TEST(TransferSamples, LeadInThenTheFirstSyncMarker)
{
    const QByteArray file = waveOf(tableOf({53}), 101);
    EXPECT_EQ(file.mid(44, 1200), QByteArray(1200, char(128)));
    EXPECT_EQ(quint8(file[1244]), 192);
}

int ones(unsigned code) { return std::popcount(code); }

TEST(TransferSamples, SampleCountFormulaHoldsForEveryMessage)
{
    std::mt19937 generator(7);
    std::uniform_int_distribution<int> key(kFirstKey, kLastKey);
    std::uniform_int_distribution<int> length(0, 7);
    std::uniform_int_distribution<int> rest(0, 4);
    for (const int rowCount : {0, 1, 2, 17, 126, 127}) {
        std::vector<RowCode> rows;
        for (int r = 0; r < rowCount; ++r)
            rows.push_back(RowCode(r % 3 == 2 ? kRestBase + rest(generator)
                                              : key(generator) * 10 + length(generator)));
        const SendTable table = tableOf(rows);
        for (const TempoItem& tempo : TempoItems) {
            qsizetype n = 3608 - 12 * ones(tempoFrameWord(tempo.itemData));
            for (int r = 0; r < table.SendRowCount; ++r)
                n += 597 - 12 * ones(table.SendBits[std::size_t(r)]);
            EXPECT_EQ(transferSamples(table, tempo.itemData).size(), n)
                << rowCount << " rows, tempo item " << tempo.itemData;
        }
    }
}

// A device that takes `room` bytes and fails every write after that.
class FullDevice : public QIODevice {
public:
    explicit FullDevice(qint64 room) : room_(room) { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 size) override
    {
        if (written_ + size > room_)
            return -1;
        written_ += size;
        return size;
    }

private:
    qint64 room_;
    qint64 written_ = 0;
};

TEST(WriteTransferWave, AFailingWriteIsReported)
{
    for (const qint64 room : {0, 44, 1000}) {
        FullDevice device(room);
        const auto written = writeTransferWave(device, tableOf({53}), 101);
        ASSERT_FALSE(written.has_value()) << room;
        EXPECT_EQ(written.error().kind, WriteErrorKind::Other);
        EXPECT_EQ(written.error().code, EIO);
    }
}

} // namespace
} // namespace tw
