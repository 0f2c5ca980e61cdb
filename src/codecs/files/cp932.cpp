#include "codecs/files/cp932.h"

#include <QtGlobal>
#include <cerrno>
#include <iconv.h>
#include <memory>
#include <utility>

namespace tw::cp932 {
namespace {

// QString holds UTF-16 in the host's byte order; iconv must be told which one that is.
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
constexpr const char* kUtf16 = "UTF-16LE";
#else
constexpr const char* kUtf16 = "UTF-16BE";
#endif
constexpr const char* kCodePage = "CP932";

struct IconvCloser {
    void operator()(void* handle) const { iconv_close(static_cast<iconv_t>(handle)); }
};

// One converter per direction and thread: iconv_open is costly and a handle must not be shared
// between threads. Both directions are stateless, so a handle is reset before each use only to
// forget a conversion that stopped half-way.
class Converter {
public:
    Converter(const char* to, const char* from)
    {
        const iconv_t handle = iconv_open(to, from);
        if (handle == iconv_t(-1))
            qFatal("Code page 932 conversion is not available (iconv %s to %s); "
                   "the C library's gconv modules are missing", from, to);
        handle_.reset(handle);
    }

    iconv_t reset()
    {
        const auto handle = static_cast<iconv_t>(handle_.get());
        iconv(handle, nullptr, nullptr, nullptr, nullptr);
        return handle;
    }

private:
    std::unique_ptr<void, IconvCloser> handle_;
};

iconv_t decoder()
{
    static thread_local Converter converter(kUtf16, kCodePage);
    return converter.reset();
}

iconv_t encoder()
{
    static thread_local Converter converter(kCodePage, kUtf16);
    return converter.reset();
}

// Decodes as much of `bytes` as forms whole characters and returns the bytes of a character
// cut off at the end, for the caller to complete with the next piece.
QByteArray decodeInto(QByteArrayView bytes, QString& out)
{
    const iconv_t handle = decoder();
    char* in = const_cast<char*>(bytes.data());
    size_t inLeft = size_t(bytes.size());
    while (inLeft > 0) {
        // Every character of code page 932 lies in the Basic Multilingual Plane, so a byte
        // never yields more than one UTF-16 unit.
        const qsizetype used = out.size();
        out.resize(used + qsizetype(inLeft));
        char* const start = reinterpret_cast<char*>(out.data() + used);
        char* outPos = start;
        size_t outLeft = inLeft * sizeof(char16_t);
        const size_t rc = iconv(handle, &in, &inLeft, &outPos, &outLeft);
        const int err = errno;
        out.resize(used + qsizetype((outPos - start) / qsizetype(sizeof(char16_t))));
        if (rc != size_t(-1) || err == E2BIG)
            continue;
        if (err == EINVAL)
            return QByteArray(in, qsizetype(inLeft));
        out.append(QChar::ReplacementCharacter);
        ++in;
        --inLeft;
    }
    return {};
}

} // namespace

QString decode(QByteArrayView bytes)
{
    Decoder whole;
    // Two statements: the operands of + are evaluated in no fixed order, and finish() must
    // come last to see a lead byte left at the end.
    QString text = whole.decode(bytes);
    return text + whole.finish();
}

QString Decoder::decode(QByteArrayView piece)
{
    QString out;
    if (pending_.isEmpty()) {
        pending_ = decodeInto(piece, out);
    } else {
        QByteArray joined = std::exchange(pending_, {});
        joined.append(piece);
        pending_ = decodeInto(joined, out);
    }
    return out;
}

QString Decoder::finish()
{
    return QString(std::exchange(pending_, {}).size(), QChar::ReplacementCharacter);
}

QByteArray encode(QStringView text)
{
    const iconv_t handle = encoder();
    QByteArray out;
    char* in = reinterpret_cast<char*>(const_cast<QChar*>(text.data()));
    size_t inLeft = size_t(text.size()) * sizeof(char16_t);
    while (inLeft > 0) {
        // A UTF-16 unit never becomes more than two bytes.
        const qsizetype used = out.size();
        out.resize(used + qsizetype(inLeft));
        char* const start = out.data() + used;
        char* outPos = start;
        size_t outLeft = inLeft;
        const size_t rc = iconv(handle, &in, &inLeft, &outPos, &outLeft);
        const int err = errno;
        out.resize(used + qsizetype(outPos - start));
        if (rc != size_t(-1) || err == E2BIG)
            continue;
        // Not representable, or a lone surrogate: one "?" for the whole code point.
        const auto* unit = reinterpret_cast<const char16_t*>(in);
        const bool pair = inLeft >= 2 * sizeof(char16_t) && QChar::isHighSurrogate(unit[0])
            && QChar::isLowSurrogate(unit[1]);
        const size_t skip = (pair ? 2 : 1) * sizeof(char16_t);
        out.append('?');
        in += skip;
        inLeft -= skip;
    }
    return out;
}

int width(QStringView text)
{
    // Each code point becomes one or two bytes, and one that cannot be represented the single
    // "?", so the length of the encoding is the width.
    return int(encode(text).size());
}

} // namespace tw::cp932
