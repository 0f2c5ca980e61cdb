#include "codecs/files/title.h"

#include "codecs/files/cp932.h"

namespace tw {
namespace {

bool isSurrogatePairAt(QStringView text, qsizetype i)
{
    return i + 1 < text.size() && text[i].isHighSurrogate() && text[i + 1].isLowSurrogate();
}

QStringView withoutLastCharacter(QStringView title)
{
    if (title.isEmpty())
        return title;
    return title.chopped(isSurrogatePairAt(title, title.size() - 2) ? 2 : 1);
}

QStringView firstCodePoints(QStringView text, int count)
{
    qsizetype end = 0;
    for (int i = 0; i < count && end < text.size(); ++i)
        end += isSurrogatePairAt(text, end) ? 2 : 1;
    return text.first(end);
}

} // namespace

bool titleTooWide(QStringView title)
{
    // Every code point is at least 1 wide and takes at most two UTF-16 units, so a longer text
    // is too wide without measuring; a pasted megabyte costs nothing.
    if (title.size() > 2 * kTitleWidthLimit)
        return true;
    return cp932::width(title) > kTitleWidthLimit;
}

QString titleAsStored(QStringView title)
{
    return cp932::decode(cp932::encode(title));
}

QString dropLastCharacter(QStringView title)
{
    return withoutLastCharacter(title).toString();
}

QString cutTitleToLimit(QStringView title)
{
    // Dropping from the end passes through the first kTitleWidthLimit + 1 code points, which are
    // always too wide; starting there gives the same title and spares a huge one the walk.
    QStringView cut = firstCodePoints(title, kTitleWidthLimit + 1);
    while (titleTooWide(cut))
        cut = withoutLastCharacter(cut);
    return cut.toString();
}

QString MakeFileName(QStringView title)
{
    constexpr QStringView kReplaced = u"\\/:;*\"<>|+=,.";
    QString name = title.toString();
    for (QChar& c : name)
        if (kReplaced.contains(c))
            c = u'-';
    return name;
}

} // namespace tw
