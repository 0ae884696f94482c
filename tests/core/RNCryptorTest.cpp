// SPDX-License-Identifier: GPL-3.0-or-later
// The engine on its own. Round trips of every size, progress, damage, write failures and wrong
// passwords run through the whole workflows in tests/core, tests/faults and the screens' tests, where
// packages are made and checked with the whole-buffer API; here what only the engine shows.
#include "Posix.h"
#include "Password.h"
#include "RNCryptorBuffer.h"
#include "TestEnvironment.h"

#include <gtest/gtest.h>
#include <openssl/hmac.h>

#include <sys/mman.h>
#include <unistd.h>


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
    return QByteArray::fromStdString(patternBytes(static_cast<std::size_t>(size)));
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

enum class Api { Buffer, Stream, UntilEnd }; // UntilEnd: the stream's size not given, as from a pipe
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
    const std::int64_t size = api == Api::UntilEnd ? kUntilEnd : input.size();
    decrypt ? decryptStream(in.get(), input.size(), out.get(), Password::bytes(kPassword))
            : encryptStream(in.get(), size, out.get(), Password::bytes(kPassword), {}, header);
    return contents(out.get());
}

// Streams `size` declared bytes from `in`.
void runStream(bool decrypt, int in, std::int64_t size, int out, const RunControl& control = {})
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

// The published vector both ways; otherwise every message gets fresh salts and IV.
TEST_P(PerApi, knownAnswerBothWays)
{
    EXPECT_EQ(run(GetParam(), kEncrypt, QByteArray(1, '\x01'), kHeader).toHex(), kKnownMessage.toHex());
    EXPECT_EQ(run(GetParam(), kDecrypt, kKnownMessage), QByteArray(1, '\x01'));
    const QByteArray first = run(GetParam(), kEncrypt, "same");
    const QByteArray second = run(GetParam(), kEncrypt, "same");
    for (const auto& [at, size] : {std::pair{2, 8}, std::pair{10, 8}, std::pair{18, 16}}) {
        EXPECT_NE(first.mid(at, size), second.mid(at, size)) << "field at " << at;
    }
}

// Whole chunks, and none at all, end with a block of padding alone.
TEST_P(PerApi, roundTripsOnBothSidesOfAChunk)
{
    for (const std::int64_t size : {std::int64_t{0}, std::int64_t{15}, kChunk, kChunk + 1}) {
        const QByteArray encrypted = run(GetParam(), kEncrypt, pattern(size));
        EXPECT_EQ(encrypted.size(), encryptedSize(size)) << size;
        EXPECT_EQ(run(Api::Buffer, kDecrypt, encrypted), pattern(size)) << size;
    }
}

INSTANTIATE_TEST_SUITE_P(Apis, PerApi, ::testing::Values(Api::Buffer, Api::Stream, Api::UntilEnd));

// Other implementations derive keys from the UTF-8 bytes; a round trip alone would not notice.
TEST(PasswordBytes, areUtf8)
{
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(Password::bytes(QString::fromUtf8("é🔑")).data()), 6),
              QByteArray("\xc3\xa9\xf0\x9f\x94\x91"));
}

using BadPadding = ::testing::TestWithParam<QByteArray>;

TEST_P(BadPadding, underAValidMacFails)
{
    ASSERT_EQ(run(Api::Buffer, kDecrypt, underValidMac(QByteArray(16, '\x10'))), QByteArray(16, 'p'));
    for (Api api : {Api::Buffer, Api::Stream}) {
        EXPECT_EQ(failureOf([&] { run(api, kDecrypt, underValidMac(GetParam())); }), Error::Kind::Authentication);
    }
}

// Pad length zero, longer than a block, and a full-block pad whose first byte disagrees.
INSTANTIATE_TEST_SUITE_P(LastBlocks, BadPadding,
                         ::testing::Values(QByteArray(16, '\0'), QByteArray(16, '\x11'),
                                           QByteArray("\x0f") + QByteArray(15, '\x10')));

using Directions = ::testing::TestWithParam<bool>;

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

} // namespace
