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

const char* levelName(Level level)
{
    switch (level) {
    case Level::Weak:
        //: A password's strength, shown as "Weak: about 3 hours to guess on one GPU".
        return QT_TRANSLATE_NOOP("PasswordStrength", "Weak");
    case Level::Fair:
        return QT_TRANSLATE_NOOP("PasswordStrength", "Fair");
    case Level::Good:
        return QT_TRANSLATE_NOOP("PasswordStrength", "Good");
    case Level::Strong:
        return QT_TRANSLATE_NOOP("PasswordStrength", "Strong");
    case Level::VeryStrong:
        break;
    }
    return QT_TRANSLATE_NOOP("PasswordStrength", "Very strong");
}

namespace {

struct Unit
{
    double seconds;
    const char* one;
    const char* many;
    const char* pattern;
};

// Longest first.
const Unit kUnits[] = {
    //: The line under the password field. %1 is the strength ("Weak"), %Ln the count; GPU is one
    //: graphics card.
    {kYear, "year", "years", QT_TRANSLATE_N_NOOP("PasswordStrength", "%1: about %Ln year(s) to guess on one GPU")},
    {kMonth, "month", "months", QT_TRANSLATE_N_NOOP("PasswordStrength", "%1: about %Ln month(s) to guess on one GPU")},
    {kDay, "day", "days", QT_TRANSLATE_N_NOOP("PasswordStrength", "%1: about %Ln day(s) to guess on one GPU")},
    {3600, "hour", "hours", QT_TRANSLATE_N_NOOP("PasswordStrength", "%1: about %Ln hour(s) to guess on one GPU")},
    {60, "minute", "minutes", QT_TRANSLATE_N_NOOP("PasswordStrength", "%1: about %Ln minute(s) to guess on one GPU")},
    {1, "second", "seconds", QT_TRANSLATE_N_NOOP("PasswordStrength", "%1: about %Ln second(s) to guess on one GPU")},
};

// "52,000" whatever the locale, as it has always read in English.
QString grouped(long long count)
{
    QLocale numbers = QLocale::c();
    numbers.setNumberOptions(QLocale::DefaultNumberOptions);
    return numbers.toString(count);
}

// The unit and its count, or none below a second and from a million years on.
const Unit* unitOf(double seconds, long long& count)
{
    if (seconds < 1 || seconds >= kMillionYears) {
        return nullptr;
    }
    for (const Unit& unit : kUnits) {
        if (seconds >= unit.seconds) {
            count = std::max<long long>(1, std::llround(seconds / unit.seconds));
            return &unit;
        }
    }
    return nullptr;
}

} // namespace

QString timeToGuess(double seconds)
{
    if (seconds < 1) {
        return QStringLiteral("less than a second");
    }
    long long count = 0;
    const Unit* unit = unitOf(seconds, count);
    if (!unit) {
        return QStringLiteral("more than a million years");
    }
    return QStringLiteral("about %1 %2").arg(grouped(count), QLatin1String(count == 1 ? unit->one : unit->many));
}

Line line(double seconds)
{
    long long count = 0;
    if (const Unit* unit = unitOf(seconds, count)) {
        return {unit->pattern, static_cast<int>(count)};
    }
    if (seconds < 1) {
        //: %1 is the strength ("Weak"); GPU is one graphics card.
        return {QT_TRANSLATE_NOOP("PasswordStrength", "%1: less than a second to guess on one GPU"), 0};
    }
    return {QT_TRANSLATE_NOOP("PasswordStrength", "%1: more than a million years to guess on one GPU"), 0};
}

QString english(const Line& line, const QString& level)
{
    return QString::fromUtf8(line.pattern)
        .replace(QStringLiteral("(s)"), line.count == 1 ? QString() : QStringLiteral("s"))
        .replace(QStringLiteral("%Ln"), grouped(line.count))
        .arg(level);
}

} // namespace PasswordStrength
