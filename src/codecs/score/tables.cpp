#include "codecs/score/tables.h"

namespace tw {

int tempoIndexOf(int bpm)
{
    for (std::size_t i = 0; i < TempoItems.size(); ++i)
        if (TempoItems[i].bpm == bpm)
            return int(i);
    return -1;
}

} // namespace tw
