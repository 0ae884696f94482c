// SPDX-License-Identifier: GPL-3.0-or-later
// How strong a password is taken to be, and how its time to guess is said.
#include "PasswordStrength.h"

#include <gtest/gtest.h>

namespace {

using PasswordStrength::Level;

struct Row
{
    const char* label;
    const char* password; // UTF-8
    Level level;
};

using Passwords = ::testing::TestWithParam<Row>;

TEST_P(Passwords, mapToTheirLevel)
{
    const PasswordStrength::Estimate estimate = PasswordStrength::estimate(QString::fromUtf8(GetParam().password));
    EXPECT_EQ(estimate.level, GetParam().level) << estimate.seconds << " s";
    EXPECT_DOUBLE_EQ(estimate.seconds, estimate.guesses / 1.25e6) << "one GPU guesses 1.25 million a second";
}

INSTANTIATE_TEST_SUITE_P(
    Table, Passwords,
    ::testing::Values(Row{"empty", "", Level::Weak}, Row{"password", "password", Level::Weak},
                      Row{"troubadour", "Tr0ub4dor&3", Level::Good},
                      Row{"fiveWordPassphrase", "orbit lantern cactus velvet harbor", Level::VeryStrong},
                      Row{"twentyRandomCharacters", "q7#Vx9!mZ2$kLp4@Rt8w", Level::VeryStrong},
                      Row{"chinese", "中文密码", Level::Good},
                      // zxcvbn reads only the start of a very long one; repeating it adds nothing.
                      Row{"longRepetition", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", Level::Weak}),
    [](const auto& row) { return std::string(row.param.label); });

// In seconds: a day, 30 days, a century and a million years of 365.25 days.
constexpr double kDay = 86'400, kMonth = 2'592'000, kYear = 31'557'600, kMillionYears = 31'557'600'000'000;

TEST(Levels, changeAtADayAMonthACenturyAndAMillionYears)
{
    for (const auto& [seconds, below, from] :
         {std::tuple{kDay, Level::Weak, Level::Fair}, std::tuple{kMonth, Level::Fair, Level::Good},
          std::tuple{3'155'760'000.0, Level::Good, Level::Strong},
          std::tuple{kMillionYears, Level::Strong, Level::VeryStrong}}) {
        EXPECT_EQ(PasswordStrength::levelFor(std::nextafter(seconds, 0.0)), below) << seconds;
        EXPECT_EQ(PasswordStrength::levelFor(seconds), from) << seconds;
    }
}

TEST(TimeToGuess, isSaidInTheLargestWholeUnit)
{
    for (const auto& [seconds, text] :
         {std::pair{0.5, "less than a second"}, std::pair{1.0, "about 1 second"}, std::pair{45.0, "about 45 seconds"},
          std::pair{3 * 3600 + 100.0, "about 3 hours"}, std::pair{kMonth, "about 1 month"},
          std::pair{52'000 * kYear, "about 52,000 years"}, std::pair{kMillionYears, "more than a million years"}}) {
        EXPECT_EQ(PasswordStrength::timeToGuess(seconds).toStdString(), text) << seconds;
    }
}

} // namespace
