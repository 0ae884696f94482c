// SPDX-License-Identifier: GPL-3.0-or-later
#include "PasswordStrength.h"

#include "Password.h"

#include <zxcvbn.h>

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace PasswordStrength {

namespace {

// zxcvbn's matching grows fast with the length; past this many bytes the rest only adds strength,
// so the estimate of the start is a floor that stays quick to compute on every key press.
constexpr std::size_t kEstimatedBytes = 256;
// zxcvbn-c counts bytes, so a character outside ASCII weighs two to four times. No character is worth
// more than a choice among the few thousand in common use in a script.
constexpr double kMaxBitsPerCharacter = 12;

std::size_t characters(const unsigned char* bytes, std::size_t size)
{
    return static_cast<std::size_t>(std::count_if(bytes, bytes + size, [](unsigned char b) { return (b & 0xC0) != 0x80; }));
}

} // namespace

Estimate estimate(const SecureBytes& password)
{
    // zxcvbn takes a C string: a copy with its terminator, wiped like the password.
    const std::size_t size = std::min(password.size(), kEstimatedBytes);
    SecureBytes text(size + 1);
    if (size) {
        std::memcpy(text.data(), password.data(), size);
    }
    const double bits = std::min(ZxcvbnMatch(reinterpret_cast<const char*>(text.data()), nullptr, nullptr),
                                 kMaxBitsPerCharacter * static_cast<double>(characters(text.data(), size)));
    Estimate result;
    result.guesses = std::exp2(std::max(bits, 0.0));
    result.seconds = result.guesses / kGuessesPerSecond;
    result.level = levelFor(result.seconds);
    return result;
}

Estimate estimate(const QString& password)
{
    return estimate(Password::bytes(password));
}

Level levelFor(double seconds)
{
    if (seconds < kDay) {
        return Level::Weak;
    }
    if (seconds < kMonth) {
        return Level::Fair;
    }
    if (seconds < kCentury) {
        return Level::Good;
    }
    if (seconds < kMillionYears) {
        return Level::Strong;
    }
    return Level::VeryStrong;
}

QString levelName(Level level)
{
    switch (level) {
    case Level::Weak:
        return QStringLiteral("Weak");
    case Level::Fair:
        return QStringLiteral("Fair");
    case Level::Good:
        return QStringLiteral("Good");
    case Level::Strong:
        return QStringLiteral("Strong");
    case Level::VeryStrong:
        break;
    }
    return QStringLiteral("Very strong");
}

QString timeToGuess(double seconds)
{
    struct Unit
    {
        double seconds;
        const char* one;
        const char* many;
    };
    static const Unit units[] = {{kYear, "year", "years"},   {kMonth, "month", "months"}, {kDay, "day", "days"},
                                 {3600, "hour", "hours"},    {60, "minute", "minutes"},   {1, "second", "seconds"}};
    if (seconds < 1) {
        return QStringLiteral("less than a second");
    }
    if (seconds >= kMillionYears) {
        return QStringLiteral("more than a million years");
    }
    for (const Unit& unit : units) {
        if (seconds >= unit.seconds) {
            const auto count = std::max<long long>(1, std::llround(seconds / unit.seconds));
            QLocale numbers = QLocale::c();
            numbers.setNumberOptions(QLocale::DefaultNumberOptions); // "52,000"
            return QStringLiteral("about %1 %2")
                .arg(numbers.toString(count), QLatin1String(count == 1 ? unit.one : unit.many));
        }
    }
    return QString();
}

} // namespace PasswordStrength
