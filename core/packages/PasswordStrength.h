// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How long one GPU would need to guess a password, from zxcvbn's estimate of the guesses it takes.
// Nothing here logs or keeps the password or its estimate.

#include "RNCryptor.h"
#include "SecureBytes.h"

#include <QString>

namespace PasswordStrength {

// A guess costs one 32-byte PBKDF2-HMAC-SHA1 key at the format's 10,000 iterations: two output
// blocks, each iteration one HMAC of two SHA-1 compressions, so 40,000 compressions. A current high-end GPU runs
// about 5e10 SHA-1 compressions a second, which makes about 1.25 million guesses a second.
inline constexpr double kCompressionsPerGuess = 2.0 * RNCryptor::kIterations * 2;
inline constexpr double kGpuCompressionsPerSecond = 5e10;
inline constexpr double kGuessesPerSecond = kGpuCompressionsPerSecond / kCompressionsPerGuess;

inline constexpr double kDay = 24 * 3600.0;
inline constexpr double kMonth = 30 * kDay;
inline constexpr double kYear = 365.25 * kDay;
inline constexpr double kCentury = 100 * kYear;
inline constexpr double kMillionYears = 1e6 * kYear;

// By the time to guess: under a day, a month, a century, a million years, and beyond.
enum class Level { Weak, Fair, Good, Strong, VeryStrong };

struct Estimate
{
    double guesses = 1;
    double seconds = 0; // on one GPU
    Level level = Level::Weak;
};

// The password as UTF-8 bytes, as it is encrypted with.
Estimate estimate(const SecureBytes& password);
Estimate estimate(const QString& password);

Level levelFor(double seconds);
inline constexpr char kContext[] = "PasswordStrength";

// "Weak", "Fair", "Good", "Strong", "Very strong"; English, marked for the window to translate.
const char* levelName(Level level);
// "less than a second", "about 3 hours", "about 1 month", "more than a million years": lockfern-cli's.
QString timeToGuess(double seconds);

// The line under the password field, whole, so that it translates as one sentence: its pattern, marked
// for translation ("%1" the level's name, "%Ln" the count with its unit's plural), and the count.
struct Line
{
    const char* pattern;
    int count = 0;
};
Line line(double seconds);
// The line in English: the pattern with the count and `level` put in and its plural spelled.
QString english(const Line& line, const QString& level);

} // namespace PasswordStrength
