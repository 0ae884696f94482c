// SPDX-License-Identifier: GPL-3.0-or-later
#include "Text.h"

#include <QStringDecoder>

#include <cstdio>
#include <unistd.h>

namespace Text {

namespace {

// The length of the UTF-8 sequence starting at `at`, or 0 when it is not one.
std::size_t sequenceLength(std::string_view bytes, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(bytes[at]);
    const std::size_t length = lead < 0x80 ? 1 : (lead & 0xE0) == 0xC0 ? 2 : (lead & 0xF0) == 0xE0 ? 3 : (lead & 0xF8) == 0xF0 ? 4 : 0;
    if (length == 0 || at + length > bytes.size()) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((static_cast<unsigned char>(bytes[at + i]) & 0xC0) != 0x80) {
            return 0;
        }
    }
    return decodeUtf8(QByteArray(bytes.data() + at, static_cast<qsizetype>(length))) ? length : 0;
}

void appendEscape(std::string& out, const char* format, unsigned value)
{
    char escape[8];
    std::snprintf(escape, sizeof escape, format, value);
    out += escape;
}

} // namespace

std::optional<QString> decodeUtf8(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError()) {
        return std::nullopt;
    }
    return text;
}

std::string visible(std::string_view bytes)
{
    static const char* const named[0x20] = {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "\\a",
                                            "\\b",   "\\t",   "\\n",   "\\v",   "\\f",   "\\r",   nullptr, nullptr,
                                            nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                            nullptr, nullptr, nullptr, "\\e",   nullptr, nullptr, nullptr, nullptr};
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t at = 0; at < bytes.size();) {
        const auto byte = static_cast<unsigned char>(bytes[at]);
        const std::size_t length = sequenceLength(bytes, at);
        if (byte < 0x20 && named[byte]) {
            out += named[byte];
        } else if (byte < 0x20 || byte == 0x7F || length == 0) {
            appendEscape(out, "\\x%02x", byte);
        } else if (length == 2 && byte == 0xC2 && static_cast<unsigned char>(bytes[at + 1]) < 0xA0) {
            appendEscape(out, "\\u%04x", static_cast<unsigned char>(bytes[at + 1])); // C1: U+0080 to U+009F
        } else {
            out.append(bytes.substr(at, length));
        }
        at += length == 0 ? 1 : length;
    }
    return out;
}

void write(std::FILE* stream, std::string_view bytes)
{
    if (::isatty(::fileno(stream))) {
        const std::string shown = visible(bytes);
        std::fwrite(shown.data(), 1, shown.size(), stream);
    } else {
        std::fwrite(bytes.data(), 1, bytes.size(), stream);
    }
}

} // namespace Text
