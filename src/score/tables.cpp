#include "score/tables.h"

namespace tw {

int tempoIndexOf(QStringView text)
{
    for (std::size_t i = 0; i < TempoItems.size(); ++i)
        if (text == QStringView(TempoItems[i].text.data(), qsizetype(TempoItems[i].text.size())))
            return int(i);
    return -1;
}

} // namespace tw
