#include "recordings.h"
#include "codecs/transfer/transfer_decoder.h"
#include "codecs/transfer/wave_file.h"
#include "support/printers.h"

#include <QBuffer>
#include <gtest/gtest.h>

#include <cfloat>
#include <functional>
#include <limits>

namespace tw {
namespace {

using test::SampleFormat;

// Every key with every note length in turn, an empty row, every rest.
std::vector<RowCode> everyCodeMelody()
{
    std::vector<RowCode> rows;
    for (int key = kFirstKey; key <= kLastKey; ++key)
        rows.push_back(RowCode(key * 10 + key % kLengthCount));
    rows.push_back(kEmptyRow);
    for (int rest = 0; rest < kRestCount; ++rest)
        rows.push_back(RowCode(kRestBase + rest));
    return rows;
}

std::vector<RowCode> withoutEmptyRows(std::vector<RowCode> rows)
{
    std::erase(rows, kEmptyRow);
    return rows;
}

constexpr int kTempo150 = 110;

QByteArray transferWave(const SendTable& table, int tempoItemData)
{
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    EXPECT_TRUE(writeTransferWave(buffer, table, tempoItemData).has_value());
    return buffer.data();
}

Recording transferRecording(const std::vector<RowCode>& rows, int tempoItemData)
{
    return test::recordingOf(transferWave(*EncodeMelody(rows), tempoItemData));
}

Recording inverted(Recording recording)
{
    for (float& x : recording.samples)
        x = -x;
    return recording;
}

// Samples of the message at 24000 per second, for cutting it apart.
constexpr qsizetype kLeadIn = 1200;
constexpr qsizetype kPreamble = 3 * (60 + 25);
constexpr qsizetype kMarker = 36 + 25;

struct Variant {
    const char* name;
    std::function<Recording(const Recording&)> change;
    SampleFormat format;
};

void PrintTo(const Variant& variant, std::ostream* os) { *os << variant.name; }

// The transfer signal played and recorded again as 16 bit through a chain that
// changes it a little: a level, an offset, a speed error, noise, another rate.
struct Chain {
    double rate;
    double gain;
    double offset;  //!< in full scale
    double speed;   //!< 1.012 is 1.2 % fast
    double noise;   //!< the RMS level of the noise, in shares of the gain
};

Variant rerecorded(const char* name, Chain chain)
{
    const auto change = [chain](const Recording& clean) {
        Recording recording = test::resampled(clean, chain.rate, chain.speed);
        for (float& x : recording.samples)
            x = float(x * chain.gain + chain.offset);
        return test::withNoiseAt(std::move(recording), chain.noise * chain.gain);
    };
    return Variant{name, change, SampleFormat{16, false, 1}};
}

class DecodeVariantTest : public testing::TestWithParam<Variant> {};

TEST_P(DecodeVariantTest, GivesBackEveryRowAndTheTempo)
{
    const std::vector<RowCode> rows = everyCodeMelody();
    const Recording clean = transferRecording(rows, kTempo150);
    const Variant& variant = GetParam();
    const Recording recording =
        test::recordingOf(test::waveFileOf(variant.change(clean), variant.format));

    const auto decoded = decodeTransfer(recording);
    ASSERT_TRUE(decoded.has_value()) << decoded.error().reason.toStdString();
    EXPECT_EQ(decoded->rows, withoutEmptyRows(rows));
    EXPECT_EQ(decoded->tempoItemData, kTempo150);
}

const SampleFormat k8Bit{8, false, 1};
const SampleFormat k16Bit{16, false, 1};

INSTANTIATE_TEST_SUITE_P(Recordings, DecodeVariantTest, testing::Values(
    Variant{"as_written", std::identity(), k8Bit},
    Variant{"at_44100_16_bit", [](auto& r) { return test::resampled(r, 44100); }, k16Bit},
    Variant{"at_48000_16_bit", [](auto& r) { return test::resampled(r, 48000); }, k16Bit},
    Variant{"at_48000_float_stereo", [](auto& r) { return test::resampled(r, 48000); },
            SampleFormat{32, true, 2}},
    Variant{"at_22050_24_bit", [](auto& r) { return test::resampled(r, 22050); },
            SampleFormat{24, false, 1}},
    Variant{"at_8000", [](auto& r) { return test::resampled(r, 8000); }, k16Bit},
    Variant{"gain_minus_30_dB", [](auto& r) { return test::withGain(r, -30); }, k16Bit},
    Variant{"gain_minus_30_dB_at_44100",
            [](auto& r) { return test::withGain(test::resampled(r, 44100), -30); }, k16Bit},
    Variant{"gain_minus_10_dB", [](auto& r) { return test::withGain(r, -10); }, k16Bit},
    Variant{"clipped_by_12_dB", [](auto& r) { return test::withGain(r, 12); }, k16Bit},
    Variant{"clipped_by_24_dB_at_48000",
            [](auto& r) { return test::withGain(test::resampled(r, 48000), 24); }, k16Bit},
    Variant{"inverted", [](auto& r) { return inverted(r); }, k16Bit},
    Variant{"inverted_at_44100", [](auto& r) { return inverted(test::resampled(r, 44100)); }, k16Bit},
    Variant{"dc_offset_up", [](auto& r) { return test::withOffset(test::withGain(r, -6), 0.4); }, k16Bit},
    Variant{"dc_offset_down_at_48000",
            [](auto& r) { return test::withOffset(test::withGain(test::resampled(r, 48000), -6), -0.4); },
            k16Bit},
    Variant{"noise_20_dB_below", [](auto& r) { return test::withNoise(r, 20); }, k16Bit},
    Variant{"noise_20_dB_below_at_44100",
            [](auto& r) { return test::withNoise(test::resampled(r, 44100), 20); }, k16Bit},
    Variant{"3_percent_fast", [](auto& r) { return test::resampled(r, 48000, 1.03); }, k16Bit},
    Variant{"3_percent_slow", [](auto& r) { return test::resampled(r, 48000, 0.97); }, k16Bit},
    Variant{"3_percent_fast_at_24000", [](auto& r) { return test::resampled(r, 24000, 1.03); }, k16Bit},
    Variant{"3_percent_slow_at_8000", [](auto& r) { return test::resampled(r, 8000, 0.97); }, k16Bit},
    Variant{"faded_in_over_the_lead_in", [](auto& r) { return test::fadedIn(r, 0.05); }, k16Bit},
    Variant{"faded_in_over_the_preamble", [](auto& r) { return test::fadedIn(r, 0.06); }, k16Bit},
    Variant{"no_silence_around",
            [](auto& r) {
                return test::truncated(test::without(r, 0, kLeadIn), qsizetype(r.samples.size()) - 2 * kLeadIn);
            },
            k16Bit},
    Variant{"long_silence_around", [](auto& r) { return test::padded(r, 10, 5); }, k16Bit},
    // An offset of ten times the signal's peak, which some sound cards have.
    rerecorded("dc_offset_10_times_the_peak_up", {24000, 0.05, 0.5, 1, 0}),
    rerecorded("dc_offset_10_times_the_peak_down_at_8000", {8000, 0.05, -0.5, 1, 0.01}),
    rerecorded("dc_offset_10_times_the_peak_up_at_22050_fast", {22050, 0.05, 0.5, 1.012, 0.007}),
    rerecorded("dc_offset_10_times_the_peak_down_at_44100_fast", {44100, 0.05, -0.5, 1.03, 0.01}),
    rerecorded("dc_offset_10_times_the_peak_up_at_96000_slow", {96000, 0.05, 0.5, 0.97, 0.02}),
    // Mild distortions at every rate: the level from 0.05 to full scale, an offset
    // of up to three times it, a speed error of up to 3 %, noise up to 2 % of it.
    rerecorded("rerecorded_at_8000_1_2_percent_fast", {8000, 0.97, -0.027, 1.012, 0.007}),
    rerecorded("rerecorded_at_8000_quiet_and_slow", {8000, 0.05, 0.15, 0.97, 0.02}),
    rerecorded("rerecorded_at_11025_fast", {11025, 0.25, 0.75, 1.03, 0.02}),
    rerecorded("rerecorded_at_11025_slow", {11025, 0.8, 0.1, 0.97, 0.007}),
    rerecorded("rerecorded_at_16000_quiet_and_fast", {16000, 0.1, -0.3, 1.03, 0.02}),
    rerecorded("rerecorded_at_22050_slow", {22050, 1, 0, 0.97, 0.02}),
    rerecorded("rerecorded_at_24000_slow", {24000, 0.3, -0.9, 0.97, 0.01}),
    rerecorded("rerecorded_at_24000_quiet_and_3_percent_slow", {24000, 0.05, -0.15, 0.97, 0.02}),
    rerecorded("rerecorded_at_32000_fast", {32000, 0.6, 0.3, 1.03, 0.015}),
    rerecorded("rerecorded_at_44100_quiet_and_slow", {44100, 0.05, -0.15, 0.97, 0.02}),
    rerecorded("rerecorded_at_48000_slow", {48000, 0.97, -0.027, 0.988, 0.02}),
    rerecorded("rerecorded_at_88200_fast", {88200, 0.2, 0.6, 1.02, 0.01}),
    rerecorded("rerecorded_at_96000_fast", {96000, 1, 0, 1.03, 0.007}),
    Variant{"everything_at_once",
            [](auto& r) {
                auto changed = test::padded(test::resampled(r, 44100, 0.97), 3, 1);
                changed = test::withNoise(inverted(test::withGain(changed, -20)), 20);
                return test::withOffset(changed, 0.05);
            },
            k16Bit}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DecodeTransfer, EveryTempo)
{
    for (const TempoItem& tempo : TempoItems) {
        const auto decoded = decodeTransfer(transferRecording({53}, tempo.itemData));
        ASSERT_TRUE(decoded.has_value()) << decoded.error().reason.toStdString();
        EXPECT_EQ(*decoded, (DecodedTransfer{{53}, tempo.itemData}));
        EXPECT_EQ(tempoTextOf(decoded->tempoItemData), text(tempo.text));
    }
}

TEST(DecodeTransfer, SamplesAtTheLimitsOfFloatAreHeardAsClipped)
{
    // Every sample of the bursts at the largest float of its sign, and values
    // that are no number in the lead-in: heard as a signal clipped at full scale.
    Recording extreme = transferRecording({53}, 101);
    for (float& x : extreme.samples)
        x = x > 0 ? FLT_MAX : x < 0 ? -FLT_MAX : 0.0f;
    extreme.samples[100] = std::numeric_limits<float>::quiet_NaN();
    extreme.samples[200] = std::numeric_limits<float>::infinity();
    extreme.samples[300] = -std::numeric_limits<float>::infinity();

    const DecodedTransfer message{{53}, 101};
    for (const int channels : {1, 2}) {
        const auto decoded = decodeTransfer(test::recordingOf(test::waveFileOf(extreme, {32, true, channels})));
        ASSERT_TRUE(decoded.has_value()) << channels << " channels: " << decoded.error().reason.toStdString();
        EXPECT_EQ(*decoded, message) << channels << " channels";
    }
    const auto decoded = decodeTransfer(extreme);  // not through the reader
    ASSERT_TRUE(decoded.has_value()) << decoded.error().reason.toStdString();
    EXPECT_EQ(*decoded, message);
}

TEST(DecodeTransfer, AMessageWithoutRows)
{
    const auto decoded = decodeTransfer(transferRecording({}, 11));
    ASSERT_TRUE(decoded.has_value()) << decoded.error().reason.toStdString();
    EXPECT_EQ(*decoded, (DecodedTransfer{{}, 11}));
}

TEST(DecodeTransfer, AllRowsOfAFullSend)
{
    std::vector<RowCode> rows;
    for (int i = 0; i < kMaxSendRows; ++i)
        rows.push_back(RowCode((kFirstKey + i % 25) * 10 + i % 8));
    const auto decoded = decodeTransfer(test::resampled(transferRecording(rows, 101), 44100));
    ASSERT_TRUE(decoded.has_value()) << decoded.error().reason.toStdString();
    EXPECT_EQ(decoded->rows, rows);
}

SendTable tableOfWords(std::initializer_list<const char*> words)
{
    SendTable table;
    for (const char* word : words) {
        table.SendBits.push_back(RowWord(std::stoi(word, nullptr, 2)));
    }
    table.SendRowCount = int(table.SendBits.size());
    return table;
}

Recording wordsRecording(std::initializer_list<const char*> words, int tempoItemData = 101)
{
    return test::recordingOf(transferWave(tableOfWords(words), tempoItemData));
}

// Row 53 (00010 101) lasts 597 - 3 * 12 samples; the end frame with its pause 488.
constexpr qsizetype kRow53 = 561;
constexpr qsizetype kEndFrame = 488;

struct FailureCase {
    const char* name;
    std::function<Recording()> recording;
    DecodeProblem problem;
    const char* reason;
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }

class DecodeFailureTest : public testing::TestWithParam<FailureCase> {};

TEST_P(DecodeFailureTest, SaysWhy)
{
    const auto decoded = decodeTransfer(GetParam().recording());
    ASSERT_FALSE(decoded.has_value());
    EXPECT_EQ(decoded.error().problem, GetParam().problem);
    EXPECT_EQ(decoded.error().reason.toStdString(), GetParam().reason);
}

INSTANTIATE_TEST_SUITE_P(Recordings, DecodeFailureTest, testing::Values(
    FailureCase{"silence", [] { return Recording{48000, std::vector<float>(48000)}; },
                DecodeProblem::NoPreamble, "no preamble: the recording holds no tone bursts"},
    FailureCase{"empty", [] { return Recording{48000, {}}; },
                DecodeProblem::NoPreamble, "no preamble: the recording holds no tone bursts"},
    FailureCase{"cut_within_the_preamble",
                [] { return test::truncated(transferRecording({53}, 101), kLeadIn + 2 * 85); },
                DecodeProblem::NoPreamble, "no preamble: no three sync markers in a row among 2 tone bursts"},
    FailureCase{"at_one_kilohertz",
                [] { return test::resampled(transferRecording({53}, 101), 24000, 0.5); },
                DecodeProblem::WrongCarrier, "the tone bursts are at 1000 Hz, not 2000 Hz"},
    FailureCase{"no_row_marker",
                [] { return test::without(transferRecording({53}, 101), kLeadIn + kPreamble, kMarker); },
                DecodeProblem::UnexpectedSymbol,
                "a burst of 2 carrier cycles after the preamble, where a row marker belongs"},
    FailureCase{"a_bit_missing",
                [] { return test::without(transferRecording({53, 53}, 101), kLeadIn + kPreamble + kMarker, 49); },
                DecodeProblem::WrongBitCount, "row frame 1 has 7 bits instead of 8"},
    FailureCase{"a_row_marker_missing",
                [] {
                    return test::without(transferRecording({53, 53}, 101),
                                         kLeadIn + kPreamble + kRow53, kMarker);
                },
                DecodeProblem::WrongBitCount, "row frame 1 has 16 bits instead of 8"},
    FailureCase{"unknown_pitch_code", [] { return wordsRecording({"00010101", "01001101"}); },
                DecodeProblem::UnknownPitchCode, "row frame 2 carries the unknown pitch code 01001"},
    FailureCase{"silent_pitch_code", [] { return wordsRecording({"00000111"}); },
                DecodeProblem::UnknownPitchCode, "row frame 1 carries the unknown pitch code 00000"},
    FailureCase{"unknown_rest_length", [] { return wordsRecording({"00001110"}); },
                DecodeProblem::UnknownLengthCode, "row frame 1 carries the length code 110, which no rest has"},
    FailureCase{"no_end_frame",
                [] { return test::without(transferRecording({53}, 101), kLeadIn + kPreamble + kRow53, kEndFrame); },
                DecodeProblem::NoEndFrame, "a tempo frame comes after row frame 1, without an end frame"},
    FailureCase{"cut_within_the_rows",
                [] { return test::truncated(transferRecording({53, 53}, 101), kLeadIn + kPreamble + kRow53 + 200); },
                DecodeProblem::NoTempoFrame, "the signal ends within the frame that follows row frame 1"},
    FailureCase{"cut_after_a_row",
                [] { return test::truncated(transferRecording({53}, 101), kLeadIn + kPreamble + kRow53); },
                DecodeProblem::NoTempoFrame, "the signal ends after row frame 1, before the end frame"},
    FailureCase{"cut_after_the_end_frame",
                [] { return test::truncated(transferRecording({53}, 101), kLeadIn + kPreamble + kRow53 + kEndFrame); },
                DecodeProblem::NoTempoFrame, "the signal ends after the end frame, without a tempo frame"},
    FailureCase{"cut_within_the_tempo_frame",
                [] { return test::truncated(transferRecording({53}, 101), kLeadIn + kPreamble + kRow53 + kEndFrame + 150); },
                DecodeProblem::NoTempoFrame, "the signal ends within the tempo frame"},
    FailureCase{"unknown_tempo_code", [] { return wordsRecording({"00010101"}, 1); },
                DecodeProblem::UnknownTempoCode, "the tempo frame carries the unknown bits 11111001"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tw
