#pragma once
// The fixed tables of the score: row codes, names and durations.
// Each table exists once here; the list, the files, playback and transfer read them.

#include <QString>
#include <QStringView>
#include <array>
#include <cstdint>

namespace tw {

//! A row of the score: 0 empty, key*10+length a note, 990+rest a rest, 999 pending.
using RowCode = std::int16_t;

inline constexpr int kMaxRows = 500;        //!< the score holds at most this many rows
inline constexpr int kScoreSize = 502;      //!< entries 0 to 501 of ScoreData
inline constexpr RowCode kEmptyRow = 0;
inline constexpr RowCode kRestBase = 990;
inline constexpr RowCode kPendingRow = 999;
inline constexpr int kNoKey = 99;           //!< CurKey when no key is chosen; also the key of rests
inline constexpr int kNoLength = 9;         //!< CurLength when no length is chosen
inline constexpr int kFirstKey = 5;
inline constexpr int kLastKey = 29;
inline constexpr int kLengthCount = 8;      //!< note length buttons 0 to 7
inline constexpr int kRestCount = 5;        //!< rest buttons 0 to 4

inline constexpr int keyOf(int code) { return code / 10; }
inline constexpr int lengthOf(int code) { return code % 10; }
inline constexpr bool isRestCode(int code) { return code >= kRestBase; }
inline constexpr RowCode noteCode(int key, int length) { return RowCode(key * 10 + length); }
inline constexpr RowCode restCode(int index) { return RowCode(kRestBase + index); }
inline constexpr bool isBlackKey(int key)
{
    const int pitch = key % 12;
    return pitch == 1 || pitch == 3 || pitch == 6 || pitch == 8 || pitch == 10;
}

// Name tables keep their spare empty slots: a lookup there gives an empty text.
// Blanks inside the names are part of the row layout (full-width blank U+3000, "＃" U+FF03).
inline constexpr std::array<std::u16string_view, 14> PitchNames{
    u"ド　　", u"ド＃　", u"レ　　", u"レ＃　", u"ミ　　", u"ファ　",
    u"ファ＃", u"ソ　　", u"ソ＃　", u"ラ　　", u"ラ＃　", u"シ　　", u"", u""};

inline constexpr std::array<std::u16string_view, 3> OctaveMarks{u"↓", u"　", u"↑"};

inline constexpr std::array<std::u16string_view, 9> NoteLengthNames{
    u"   16分音符", u"    8分音符", u"付点8分音符", u"    4分音符",
    u"付点4分音符", u"    2分音符", u"付点2分音符", u"     全音符", u""};

//! Durations in sixteenths by note length index (0 in the spare slot).
inline constexpr std::array<int, 9> NoteDurations{1, 2, 3, 4, 6, 8, 12, 16, 0};

inline constexpr std::array<std::u16string_view, 9> RestNames{
    u"16分休符", u" 8分休符", u" 4分休符", u" 2分休符", u"  全休符", u"", u"", u"", u""};

//! Durations in sixteenths by rest index (0 in the spare slots).
inline constexpr std::array<int, 9> RestDurations{1, 2, 4, 8, 16, 0, 0, 0, 0};

//! Tooltips of the length and rest buttons.
inline constexpr std::array<std::u16string_view, kLengthCount> LengthTooltips{
    u"16分音符", u"8分音符", u"付点8分音符", u"4分音符",
    u"付点4分音符", u"2分音符", u"付点2分音符", u"全音符"};
inline constexpr std::array<std::u16string_view, kRestCount> RestTooltips{
    u"16分休符", u"8分休符", u"4分休符", u"2分休符", u"全休符"};

//! The tone menu's six tones as the menu names them, the start-up tone first.
inline constexpr std::array<std::u16string_view, 6> ToneNames{
    u"ビープ", u"オルゴール", u"ピアノ", u"ギター", u"トランペット", u"オルガン"};
//! Their General MIDI programs, in the same order.
inline constexpr std::array<int, 6> TonePrograms{67, 12, 0, 36, 56, 19};

//! The tempo list: the text shown, the beats per minute it stands for and the item data (the
//! tempo's transfer code).
struct TempoItem {
    std::u16string_view text;
    int bpm;
    int itemData;
};
inline constexpr std::array<TempoItem, 5> TempoItems{{
    {u"60", 60, 11}, {u"90", 90, 100}, {u"120", 120, 101}, {u"150", 150, 110}, {u"180", 180, 111}}};
inline constexpr int kDefaultTempoIndex = 2;  //!< "120"

//! Index of the tempo item of this many beats per minute, or -1.
int tempoIndexOf(int bpm);

//! A table entry by index; an index past the table (the digit 9 of the pending code) gives "".
template <std::size_t N>
QString lookup(const std::array<std::u16string_view, N>& table, int index)
{
    if (index < 0 || index >= int(N))
        return {};
    const auto v = table[std::size_t(index)];
    return QString::fromUtf16(v.data(), qsizetype(v.size()));
}

inline QString text(std::u16string_view v) { return QString::fromUtf16(v.data(), qsizetype(v.size())); }

} // namespace tw
