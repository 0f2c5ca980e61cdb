#pragma once
// The walk through a RIFF/WAVE file up to its samples, shared by the reader of
// recordings and the reader of the files the player sends. It checks only the
// file's structure; which formats a reader takes is that reader's own choice,
// and so is what it tells about a fault.

#include <QIODevice>
#include <QtGlobal>
#include <expected>
#include <functional>

namespace tw {

//! The "fmt " chunk's fields, the sub-format of the extensible form resolved.
struct WaveFormat {
    quint16 tag = 0;    //!< 1 integer PCM, 3 float
    int channels = 0;
    quint32 rate = 0;
    int bits = 0;
    int blockAlign = 0;
};

struct WaveHeader {
    WaveFormat format;
    qint64 dataSize = 0;   //!< as the data chunk's header gives it, whatever follows
};

enum class WaveHeaderFault {
    NotRiffWave,
    FormatTooShort,     //!< a format chunk of fewer than 16 bytes
    FormatTooLong,      //!< a format chunk of more than 1 KiB, which no format needs
    EndsInChunk,        //!< the file ends inside a chunk before the data chunk
    NoFormat,
    NoData,
    DataBeforeFormat,
    FormatRefused,      //!< the reader does not take the format
};

struct WaveHeaderError {
    WaveHeaderFault fault;
    WaveFormat format{};   //!< the format refused, for FormatRefused
};

//! Whether a reader takes a format; asked as soon as the format chunk is read.
using FormatCheck = std::function<bool(const WaveFormat&)>;

//! Reads the header chunks of the file in `device`, skipping chunks other than
//! "fmt " and "data", and leaves the device at the first sample.
std::expected<WaveHeader, WaveHeaderError> readWaveHeader(QIODevice& device, const FormatCheck& accepts);

} // namespace tw
