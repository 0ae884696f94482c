// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace Text {

// Strict UTF-8: nullopt on any invalid byte, where QString::fromUtf8 would put U+FFFD in its place.
// One leading byte order mark is not part of the text and is dropped.
std::optional<QString> decodeUtf8(const QByteArray& bytes);

// For a terminal: control characters (C0, DEL, C1) and bytes that are not UTF-8 shown as escapes
// such as \e, \x9b or \u009b, so that a hostile name or hint can't retitle, clear or rewrite the
// screen. Everything else stays as it is.
std::string visible(std::string_view bytes);

// The bytes as they are for a pipe or a file, visible() for a terminal.
void write(std::FILE* stream, std::string_view bytes);

} // namespace Text
