#include "codecs/score/row_text.h"

namespace tw {

RowFields fieldsForCode(RowCode code)
{
    if (code == kEmptyRow)
        return {};
    if (!isRestCode(code)) {
        const int key = keyOf(code);
        return {lookup(OctaveMarks, key / 12), lookup(PitchNames, key % 12),
                lookup(NoteLengthNames, lengthOf(code))};
    }
    return {QStringLiteral("   "), QString(), lookup(RestNames, lengthOf(code))};
}

QString composeRowText(int row, const RowFields& fields)
{
    const QString pitch = fields.pitch.isEmpty() ? QStringLiteral("        ") : fields.pitch;
    return QStringLiteral(" %1  ").arg(row, 3, 10, QLatin1Char('0')) + fields.mark + u' ' + pitch
        + u' ' + fields.length + QStringLiteral("\r\n");
}

} // namespace tw
