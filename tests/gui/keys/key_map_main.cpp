// Draws the computer keys of the entry buttons as a picture of the keyboard's
// four rows, for the README: tunewright-key-map OUTPUT.png
// Each keycap shows its letter and what it plays; a strip at the bottom shows
// what it plays with Shift (the Q row: black keys) or Alt (the digits: rests).

#include "codecs/score/tables.h"
#include "gui/computer_keys.h"

#include <QApplication>
#include <QImage>
#include <QKeySequence>
#include <QPainter>
#include <array>

namespace {

using tw::gui::ComputerKey;
using tw::gui::EntryGroup;

constexpr int kCap = 54;
constexpr int kGap = 4;

struct KeyRow {
    const char* keys;
    double indent;  //!< in keycaps, as the rows of a keyboard are staggered
};

constexpr std::array<KeyRow, 4> Rows{{{"12345678", 0.5}, {"QWERTYUI", 1.0}, {"ASDFGHJ", 1.25}, {"ZXCVBNM", 1.75}}};

QString meaning(const ComputerKey& key)
{
    switch (key.group) {
    case EntryGroup::Key: return tw::lookup(tw::PitchNames, key.index % 12).trimmed();
    case EntryGroup::Length: return tw::lookup(tw::LengthTooltips, key.index).remove(QStringLiteral("音符"));
    case EntryGroup::Rest: return tw::lookup(tw::RestTooltips, key.index).remove(QStringLiteral("休符")) + u'休';
    }
    return {};
}

const ComputerKey* find(QKeyCombination keys)
{
    for (const ComputerKey& key : tw::gui::computerKeys())
        if (key.keys == keys)
            return &key;
    return nullptr;
}

bool isBlack(const ComputerKey* key) { return key && key->group == EntryGroup::Key && tw::isBlackKey(key->index); }

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 2)
        qFatal("usage: tunewright-key-map OUTPUT.png");
    QImage image(int((8 + 1.75) * (kCap + kGap)) + kGap, int(Rows.size()) * (kCap + kGap) + kGap,
                 QImage::Format_ARGB32);
    image.fill(QColor(0x6e, 0x45, 0x28));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont small = painter.font();
    small.setPixelSize(10);
    QFont large = small;
    large.setPixelSize(14);
    large.setBold(true);

    for (std::size_t r = 0; r < Rows.size(); ++r) {
        const KeyRow& row = Rows[r];
        for (int i = 0; row.keys[i]; ++i) {
            const auto code = Qt::Key(row.keys[i]);
            const ComputerKey* plain = find(QKeyCombination(code));
            const ComputerKey* extra = find(Qt::SHIFT | code);
            if (!extra)
                extra = find(Qt::ALT | code);
            const QRectF cap(kGap + (row.indent + i) * (kCap + kGap), kGap + int(r) * (kCap + kGap), kCap, kCap);
            const bool black = isBlack(plain);
            painter.setPen(QPen(QColor(0x2a, 0x16, 0x08), 1.5));
            painter.setBrush(black ? QColor(0x3a, 0x26, 0x1a) : QColor(0xf7, 0xef, 0xdc));
            painter.drawRoundedRect(cap, 5, 5);
            painter.setPen(black ? QColor(0xf7, 0xef, 0xdc) : QColor(0x2a, 0x16, 0x08));
            painter.setFont(large);
            painter.drawText(cap.adjusted(4, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop, QString(QChar(row.keys[i])));
            painter.setFont(small);
            if (plain)
                painter.drawText(cap.adjusted(2, 0, -2, extra ? -14 : -3), Qt::AlignRight | Qt::AlignBottom, meaning(*plain));
            if (extra) {
                const QRectF strip(cap.left() + 2, cap.bottom() - 14, cap.width() - 4, 12);
                painter.setPen(Qt::NoPen);
                painter.setBrush(QColor(0x3a, 0x26, 0x1a));
                painter.drawRoundedRect(strip, 3, 3);
                painter.setPen(QColor(0xff, 0xbf, 0x2f));
                const QString with = extra->keys.keyboardModifiers() & Qt::ShiftModifier ? QStringLiteral("⇧") : QStringLiteral("⌥");
                painter.drawText(strip, Qt::AlignCenter, with + meaning(*extra));
            }
        }
    }
    painter.end();
    return image.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
