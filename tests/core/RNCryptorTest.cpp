// SPDX-License-Identifier: GPL-3.0-or-later
// The engine on its own. Exhaustive truncation, byte and bit damage run through the whole decrypt
// workflow in tests/faults; here one case per field is enough.
#include "Posix.h"
#include "Password.h"
#include "RNCryptor.h"

#include <gtest/gtest.h>
#include <openssl/hmac.h>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <thread>
#include <vector>

using namespace RNCryptor;

namespace {

constexpr std::int64_t kChunk = static_cast<std::int64_t>(kStreamChunkSize);
const QString kPassword = QStringLiteral("thepassword");
const HeaderParameters kHeader{
    {0, 1, 2, 3, 4, 5, 6, 7}, {1, 2, 3, 4, 5, 6, 7, 8}, {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 0, 1}};
// Published test vector: one byte 0x01 under kPassword with kHeader.
const QByteArray kKnownMessage = QByteArray::fromHex(
    "03010001020304050607010203040506070802030405060708090a0b0c0d0e0f0001a1f8730e0bf480eb7b70f690abf21e02"
    "9514164ad3c474a51b30c7eaa1ca545b7de3de5b010acbad0a9a13857df696a8");

QByteArray pattern(std::int64_t size)
{
    QByteArray data(size, Qt::Uninitialized);
    std::uint32_t x = 2463534242u;
    for (char& c : data) {
        x ^= x << 13, x ^= x >> 17, x ^= x << 5;
        c = static_cast<char>(x);
    }
    return data;
}

UniqueFd memfdWith(const QByteArray& bytes)
{
    UniqueFd fd(::memfd_create("rncryptor-test", 0));
    EXPECT_EQ(::write(fd.get(), bytes.constData(), bytes.size()), bytes.size());
    ::lseek(fd.get(), 0, SEEK_SET);
    return fd;
}

QByteArray contents(int fd)
{
    QByteArray all(::lseek(fd, 0, SEEK_END), Qt::Uninitialized);
    EXPECT_EQ(::pread(fd, all.data(), all.size(), 0), all.size());
    return all;
}

enum class Api { Buffer, Stream };
constexpr bool kEncrypt = false, kDecrypt = true;

// One direction through either entry point; the streaming one between memfds.
QByteArray run(Api api, bool decrypt, const QByteArray& input, const std::optional<HeaderParameters>& header = {})
{
    if (api == Api::Buffer && decrypt) {
        return Decryptor(kPassword).decrypt(input);
    }
    if (api == Api::Buffer) {
        return header ? Encryptor(kPassword, *header).encrypt(input) : Encryptor(kPassword).encrypt(input);
    }
    UniqueFd in = memfdWith(input), out = memfdWith({});
    decrypt ? decryptStream(in.get(), input.size(), out.get(), Password::bytes(kPassword))
            : encryptStream(in.get(), input.size(), out.get(), Password::bytes(kPassword), {}, header);
    return contents(out.get());
}

// Streams `size` declared bytes from `in`.
void runStream(bool decrypt, int in, std::int64_t size, int out, const StreamControl& control = {})
{
    decrypt ? decryptStream(in, size, out, Password::bytes(kPassword), control)
            : encryptStream(in, size, out, Password::bytes(kPassword), control);
}

QByteArray streamInput(bool decrypt, std::int64_t plainSize)
{
    return decrypt ? Encryptor(kPassword).encrypt(pattern(plainSize)) : pattern(plainSize);
}

template <typename F>
std::optional<Error::Kind> failureOf(F run)
{
    try {
        run();
    } catch (const Error& error) {
        return error.kind();
    }
    return std::nullopt;
}

// A valid MAC over a last block of our choosing: in CBC the real padding block can simply be cut off.
QByteArray underValidMac(const QByteArray& lastBlock)
{
    const QByteArray body = Encryptor(kPassword, kHeader)
                                .encrypt(QByteArray(16, 'p') + lastBlock)
                                .chopped(kHmacSize + kBlockSize);
    const Keys keys = Keys::derive(Password::bytes(kPassword), kHeader);
    unsigned char mac[kHmacSize];
    HMAC(EVP_sha256(), keys.hmac.data(), kKeySize, reinterpret_cast<const unsigned char*>(body.constData()),
         body.size(), mac, nullptr);
    return body + QByteArray(reinterpret_cast<const char*>(mac), kHmacSize);
}

using PerApi = ::testing::TestWithParam<Api>;

TEST_P(PerApi, knownAnswerBothWays)
{
    EXPECT_EQ(run(GetParam(), kEncrypt, QByteArray(1, '\x01'), kHeader).toHex(), kKnownMessage.toHex());
    EXPECT_EQ(run(GetParam(), kDecrypt, kKnownMessage), QByteArray(1, '\x01'));
}

TEST_P(PerApi, everyMessageGetsFreshSaltsAndIv)
{
    const QByteArray first = run(GetParam(), kEncrypt, "same");
    const QByteArray second = run(GetParam(), kEncrypt, "same");
    for (const auto& [at, size] : {std::pair{2, 8}, std::pair{10, 8}, std::pair{18, 16}}) {
        EXPECT_NE(first.mid(at, size), second.mid(at, size)) << "field at " << at;
    }
}

INSTANTIATE_TEST_SUITE_P(Apis, PerApi, ::testing::Values(Api::Buffer, Api::Stream));

using RoundTrip = ::testing::TestWithParam<std::tuple<std::int64_t, Api, Api>>;

TEST_P(RoundTrip, decryptOfEncryptGivesTheInputBack)
{
    const auto [size, encryptApi, decryptApi] = GetParam();
    const QByteArray plain = pattern(size);
    const QByteArray message = run(encryptApi, kEncrypt, plain);
    EXPECT_EQ(message.size(), 66 + (size / 16 + 1) * 16);
    EXPECT_TRUE(run(decryptApi, kDecrypt, message) == plain);
}

INSTANTIATE_TEST_SUITE_P(Sizes, RoundTrip,
                         ::testing::Combine(::testing::Values(0, 1, 15, 16, 17, kChunk - 1, kChunk, kChunk + 1,
                                                              3 * kChunk + 5),
                                            ::testing::Values(Api::Buffer, Api::Stream),
                                            ::testing::Values(Api::Buffer, Api::Stream)));

using Passwords = ::testing::TestWithParam<QString>;

TEST_P(Passwords, onlyTheSamePasswordDecrypts)
{
    const QByteArray message = Encryptor(GetParam()).encrypt("secret");
    EXPECT_EQ(Decryptor(GetParam()).decrypt(message), "secret");
    EXPECT_EQ(failureOf([&] { Decryptor(GetParam() + QLatin1Char('x')).decrypt(message); }),
              Error::Kind::Authentication);
    EXPECT_EQ(failureOf([&] { run(Api::Stream, kDecrypt, message); }), Error::Kind::Authentication);
}

INSTANTIATE_TEST_SUITE_P(Texts, Passwords,
                         ::testing::Values(QStringLiteral(" "), QString::fromUtf8("pässwörd ✓ 🔑 пароль")));

// Other implementations derive keys from the UTF-8 bytes; a round trip alone would not notice.
TEST(PasswordBytes, areUtf8)
{
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(Password::bytes(QString::fromUtf8("é🔑")).data()), 6),
              QByteArray("\xc3\xa9\xf0\x9f\x94\x91"));
}

struct DamageCase
{
    const char* name;
    qsizetype flipAt; // negative: from the end
    int resize;       // bytes appended or, when negative, cut off; then nothing is flipped
};

using Damaged = ::testing::TestWithParam<std::tuple<DamageCase, Api>>;

TEST_P(Damaged, failsAsAuthentication)
{
    const auto [damage, api] = GetParam();
    QByteArray message = Encryptor(kPassword, kHeader).encrypt(pattern(100));
    if (damage.resize != 0) {
        message = damage.resize > 0 ? message + QByteArray(damage.resize, '\0') : message.chopped(-damage.resize);
    } else {
        const qsizetype at = (damage.flipAt + message.size()) % message.size();
        message[at] = static_cast<char>(message[at] ^ 0x01);
    }
    EXPECT_EQ(failureOf([&] { run(api, kDecrypt, message); }), Error::Kind::Authentication) << damage.name;
}

INSTANTIATE_TEST_SUITE_P(
    Fields, Damaged,
    ::testing::Combine(::testing::Values(DamageCase{"version", 0, 0}, DamageCase{"options", 1, 0},
                                         DamageCase{"encryptionSalt", 5, 0}, DamageCase{"hmacSalt", 12, 0},
                                         DamageCase{"iv", 20, 0}, DamageCase{"ciphertext", 40, 0},
                                         DamageCase{"mac", -1, 0}, DamageCase{"extraBlock", 0, 16},
                                         DamageCase{"cutByte", 0, -1}),
                       ::testing::Values(Api::Buffer, Api::Stream)));

using BadPadding = ::testing::TestWithParam<QByteArray>;

TEST_P(BadPadding, underAValidMacFails)
{
    ASSERT_EQ(run(Api::Buffer, kDecrypt, underValidMac(QByteArray(16, '\x10'))), QByteArray(16, 'p'));
    for (Api api : {Api::Buffer, Api::Stream}) {
        EXPECT_EQ(failureOf([&] { run(api, kDecrypt, underValidMac(GetParam())); }), Error::Kind::Authentication);
    }
}

// Pad length zero, and a full-block pad whose first byte disagrees.
INSTANTIATE_TEST_SUITE_P(LastBlocks, BadPadding,
                         ::testing::Values(QByteArray(16, '\0'), QByteArray("\x0f") + QByteArray(15, '\x10')));

using Directions = ::testing::TestWithParam<bool>;

// Output -1 discards: decryption then only checks the message.
TEST_P(Directions, progressComesFromTheCallingThreadAndEndsAtTheTotal)
{
    const QByteArray input = streamInput(GetParam(), 3 * kChunk);
    UniqueFd in = memfdWith(input);
    std::vector<std::int64_t> seen;
    const auto caller = std::this_thread::get_id();
    const StreamControl control{[&](std::int64_t done, std::int64_t total) {
        EXPECT_EQ(std::this_thread::get_id(), caller);
        EXPECT_EQ(total, input.size());
        seen.push_back(done);
    }};
    EXPECT_EQ(failureOf([&] { runStream(GetParam(), in.get(), input.size(), -1, control); }), std::nullopt);
    ASSERT_GE(seen.size(), 2u);
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
    EXPECT_EQ(seen.back(), input.size());
}

TEST_P(Directions, cancelSeenBetweenChunksThrowsCancelled)
{
    const QByteArray input = streamInput(GetParam(), 4 * kChunk);
    UniqueFd in = memfdWith(input);
    std::atomic<bool> cancel{false};
    const StreamControl control{[&](std::int64_t, std::int64_t) { cancel = true; }, &cancel};
    EXPECT_EQ(failureOf([&] { runStream(GetParam(), in.get(), input.size(), -1, control); }),
              Error::Kind::Cancelled);
}

// The declared size is one block more, then one block less, than the descriptor holds.
TEST_P(Directions, inputShorterOrLongerThanDeclaredThrowsRead)
{
    const QByteArray input = streamInput(GetParam(), 2 * kChunk);
    for (int delta : {16, -16}) {
        UniqueFd in = memfdWith(input);
        EXPECT_EQ(failureOf([&] { runStream(GetParam(), in.get(), input.size() + delta, -1); }), Error::Kind::Read)
            << delta;
    }
}

INSTANTIATE_TEST_SUITE_P(EncryptDecrypt, Directions, ::testing::Bool());

enum class Sink { ReadOnly, ClosedPipe, SizeLimit };

using WriteFailure = ::testing::TestWithParam<std::tuple<Sink, bool>>;

TEST_P(WriteFailure, throwsWrite)
{
    const auto [sink, decrypt] = GetParam();
    const QByteArray input = streamInput(decrypt, 3 * kChunk);
    UniqueFd in = memfdWith(input); // before any size limit
    const auto attempt = [&, decrypt = decrypt](int out) {
        return failureOf([&] { runStream(decrypt, in.get(), input.size(), out); });
    };
    if (sink == Sink::ReadOnly) {
        UniqueFd out(::open("/dev/null", O_RDONLY));
        EXPECT_EQ(attempt(out.get()), Error::Kind::Write);
    } else if (sink == Sink::ClosedPipe) {
        int ends[2];
        ASSERT_EQ(::pipe(ends), 0);
        ::close(ends[0]);
        const auto previous = std::signal(SIGPIPE, SIG_IGN);
        EXPECT_EQ(attempt(ends[1]), Error::Kind::Write);
        std::signal(SIGPIPE, previous);
        ::close(ends[1]);
    } else {
        // In a child: the limit would outlive the test otherwise.
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{kChunk, kChunk};
            ::setrlimit(RLIMIT_FSIZE, &limit);
            UniqueFd out(::memfd_create("limited", 0));
            ::_exit(attempt(out.get()) == Error::Kind::Write ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Sinks, WriteFailure,
                         ::testing::Combine(::testing::Values(Sink::ReadOnly, Sink::ClosedPipe, Sink::SizeLimit),
                                            ::testing::Bool()));

} // namespace
