// Code page 932 through the C library's iconv.
#include "platform/TextEncoding.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace zarvelo::platform {

namespace {

// Converts all of input; returns false when a character cannot be converted and skip is false.
bool Convert(const char* to, const char* from, const QByteArray& input, QByteArray& output,
             bool skipInvalid, const QByteArray& replacement) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return false;
    std::vector<char> buffer(static_cast<size_t>(input.size()) * 4 + 16);
    char* in = const_cast<char*>(input.constData());
    size_t inLeft = static_cast<size_t>(input.size());
    output.clear();
    bool ok = true;
    while (inLeft > 0) {
        char* out = buffer.data();
        size_t outLeft = buffer.size();
        const size_t result = iconv(cd, &in, &inLeft, &out, &outLeft);
        output.append(buffer.data(), static_cast<qsizetype>(buffer.size() - outLeft));
        if (result != static_cast<size_t>(-1)) continue;
        if (errno == E2BIG) continue;
        if (!skipInvalid) {
            ok = false;
            break;
        }
        // An invalid or truncated sequence: replace one byte and go on.
        output.append(replacement);
        ++in;
        --inLeft;
    }
    iconv_close(cd);
    return ok;
}

}  // namespace

std::optional<QByteArray> EncodeCp932(const QString& text) {
    QByteArray output;
    if (!Convert("CP932", "UTF-8", text.toUtf8(), output, false, {})) return std::nullopt;
    return output;
}

QByteArray EncodeCp932Lossy(const QString& text) {
    if (auto whole = EncodeCp932(text)) return *whole;
    QByteArray output;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const auto one = EncodeCp932(text.mid(i, length));
        output += one ? *one : QByteArray("?");
        i += length;
    }
    return output;
}

QString DecodeCp932(const QByteArray& bytes) {
    QByteArray output;
    Convert("UTF-8", "CP932", bytes, output, true, QByteArray("\xEF\xBF\xBD"));
    return QString::fromUtf8(output);
}

}  // namespace zarvelo::platform
