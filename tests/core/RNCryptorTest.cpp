// SPDX-License-Identifier: GPL-3.0-or-later
#include "Posix.h"
#include "RNCryptor.h"

#include <gtest/gtest.h>
#include <openssl/evp.h>
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

HeaderParameters knownHeader()
{
    return {{0, 1, 2, 3, 4, 5, 6, 7}, {1, 2, 3, 4, 5, 6, 7, 8}, {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 0, 1}};
}

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

QByteArray encryptWith(Api api, const QByteArray& plain, const QString& password,
                       const std::optional<HeaderParameters>& header = std::nullopt)
{
    if (api == Api::Buffer) {
        return header ? Encryptor(password, *header).encrypt(plain) : Encryptor(password).encrypt(plain);
    }
    UniqueFd in = memfdWith(plain), out = memfdWith({});
    encryptStream(in.get(), plain.size(), out.get(), passwordBytes(password), {}, header);
    return contents(out.get());
}

QByteArray decryptWith(Api api, const QByteArray& message, const QString& password)
{
    if (api == Api::Buffer) {
        return Decryptor(password).decrypt(message);
    }
    UniqueFd in = memfdWith(message), out = memfdWith({});
    decryptStream(in.get(), message.size(), out.get(), passwordBytes(password));
    return contents(out.get());
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

Keys fixedKeys()
{
    return {SecureBytes(QByteArray(32, 'e').constData(), 32), SecureBytes(QByteArray(32, 'h').constData(), 32)};
}

// A message built with libcrypto directly: lets a test put any bytes under a valid MAC.
QByteArray buildMessage(QByteArray header, const QByteArray& paddedPlain, const Keys& keys)
{
    QByteArray cipher(paddedPlain.size(), Qt::Uninitialized);
    EVP_CIPHER_CTX* ctx = EVP_CIPHER_CTX_new();
    int written = 0;
    EVP_EncryptInit_ex(ctx, EVP_aes_256_cbc(), nullptr, keys.encryption.data(),
                       reinterpret_cast<const unsigned char*>(header.constData()) + 18);
    EVP_CIPHER_CTX_set_padding(ctx, 0);
    EVP_EncryptUpdate(ctx, reinterpret_cast<unsigned char*>(cipher.data()), &written,
                      reinterpret_cast<const unsigned char*>(paddedPlain.constData()), paddedPlain.size());
    EVP_CIPHER_CTX_free(ctx);
    QByteArray message = header + cipher;
    unsigned char mac[32];
    HMAC(EVP_sha256(), keys.hmac.data(), 32, reinterpret_cast<const unsigned char*>(message.constData()),
         message.size(), mac, nullptr);
    return message + QByteArray(reinterpret_cast<const char*>(mac), 32);
}

QByteArray knownHeaderBytes() { return kKnownMessage.left(kHeaderSize); }

} // namespace

class KnownAnswer : public ::testing::TestWithParam<Api>
{
};

TEST_P(KnownAnswer, encrypt_injectedSaltsAndIv_givesPublishedBytes)
{
    EXPECT_EQ(encryptWith(GetParam(), QByteArray(1, '\x01'), kPassword, knownHeader()).toHex(), kKnownMessage.toHex());
}

TEST_P(KnownAnswer, decrypt_publishedBytes_givesPlaintext)
{
    EXPECT_EQ(decryptWith(GetParam(), kKnownMessage, kPassword), QByteArray(1, '\x01'));
}

INSTANTIATE_TEST_SUITE_P(Apis, KnownAnswer, ::testing::Values(Api::Buffer, Api::Stream));

struct RoundTripCase
{
    std::int64_t size;
    Api encrypt;
    Api decrypt;
};

class RoundTrip : public ::testing::TestWithParam<RoundTripCase>
{
};

TEST_P(RoundTrip, decrypt_ofEncrypt_givesInputBack)
{
    const auto [size, encryptApi, decryptApi] = GetParam();
    const QByteArray plain = pattern(size);
    const QByteArray message = encryptWith(encryptApi, plain, kPassword);
    EXPECT_EQ(message.size(), 66 + (size / 16 + 1) * 16);
    EXPECT_TRUE(decryptWith(decryptApi, message, kPassword) == plain);
}

std::vector<RoundTripCase> roundTripCases()
{
    std::vector<RoundTripCase> cases;
    for (std::int64_t size : {std::int64_t{0}, std::int64_t{1}, std::int64_t{15}, std::int64_t{16}, std::int64_t{17},
                               kChunk - 1, kChunk, kChunk + 1, 3 * kChunk + 5}) {
        for (Api e : {Api::Buffer, Api::Stream}) {
            for (Api d : {Api::Buffer, Api::Stream}) {
                cases.push_back({size, e, d});
            }
        }
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Sizes, RoundTrip, ::testing::ValuesIn(roundTripCases()));

class Passwords : public ::testing::TestWithParam<QString>
{
};

TEST_P(Passwords, roundTrip_acceptsOnlyTheSamePassword)
{
    const QByteArray message = Encryptor(GetParam()).encrypt("secret");
    EXPECT_EQ(Decryptor(GetParam()).decrypt(message), "secret");
    EXPECT_EQ(failureOf([&] { Decryptor(GetParam() + QLatin1Char('x')).decrypt(message); }),
              Error::Kind::Authentication);
    EXPECT_EQ(failureOf([&] { decryptWith(Api::Stream, message, kPassword); }), Error::Kind::Authentication);
}

INSTANTIATE_TEST_SUITE_P(Texts, Passwords,
                         ::testing::Values(QStringLiteral(" "), QString::fromUtf8("pässwörd ✓ 🔑 пароль")));

TEST(PasswordBytes, areUtf8)
{
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(passwordBytes(QString::fromUtf8("é🔑")).data()), 6),
              QByteArray("\xc3\xa9\xf0\x9f\x94\x91"));
}

TEST(Damage, everyTruncationOfMinimalMessage_fails)
{
    const Keys keys = fixedKeys();
    const QByteArray message = buildMessage(knownHeaderBytes(), QByteArray(16, '\x10'), keys);
    ASSERT_EQ(message.size(), 82);
    ASSERT_EQ(decryptWithKeys(message, keys), QByteArray());
    for (int length = 0; length < message.size(); ++length) {
        EXPECT_FALSE(decryptWithKeys(message.left(length), keys)) << length;
    }
}

TEST(Damage, everyOtherVersionOrOptionsByte_failsEvenUnderValidMac)
{
    const Keys keys = fixedKeys();
    for (int index : {0, 1}) {
        for (int value = 0; value < 256; ++value) {
            QByteArray header = knownHeaderBytes();
            header[index] = static_cast<char>(value);
            const bool valid = value == (index == 0 ? 3 : 1);
            EXPECT_EQ(decryptWithKeys(buildMessage(header, QByteArray(16, '\x10'), keys), keys).has_value(), valid)
                << index << " " << value;
        }
    }
}

class BadPadding : public ::testing::TestWithParam<QByteArray>
{
};

TEST_P(BadPadding, underValidMac_fails)
{
    const Keys keys = Keys::derive(passwordBytes(kPassword), knownHeader());
    const QByteArray message = buildMessage(knownHeaderBytes(), QByteArray(16, 'p') + GetParam(), keys);
    const QByteArray control = buildMessage(knownHeaderBytes(), QByteArray(16, 'p') + QByteArray(16, '\x10'), keys);
    ASSERT_TRUE(decryptWithKeys(control, keys));
    EXPECT_FALSE(decryptWithKeys(message, keys));
    EXPECT_EQ(failureOf([&] { decryptWith(Api::Stream, message, kPassword); }), Error::Kind::Authentication);
    EXPECT_EQ(failureOf([&] { decryptWith(Api::Buffer, message, kPassword); }), Error::Kind::Authentication);
}

INSTANTIATE_TEST_SUITE_P(LastBlocks, BadPadding,
                         ::testing::Values(QByteArray(16, '\0'), QByteArray(16, '\x11'), QByteArray(16, '\xff'),
                                           QByteArray(14, 'a') + "\x03\x02", QByteArray(15, '\x10') + "\x0f",
                                           QByteArray("\x0f") + QByteArray(15, '\x10')));

struct DamageCase
{
    const char* name;
    qsizetype offset; // negative: from the end
    int extra;           // bytes appended or, when negative, cut off
};

class Damaged : public ::testing::TestWithParam<std::tuple<DamageCase, Api>>
{
};

TEST_P(Damaged, decrypt_failsAsAuthentication)
{
    const auto [damage, api] = GetParam();
    const QByteArray plain = pattern(100);
    QByteArray message = Encryptor(kPassword, knownHeader()).encrypt(plain);
    ASSERT_EQ(message.size(), 178);
    if (damage.extra > 0) {
        message += QByteArray(damage.extra, '\0');
    } else if (damage.extra < 0) {
        message.chop(-damage.extra);
    } else {
        const qsizetype at = damage.offset < 0 ? message.size() + damage.offset : damage.offset;
        message[at] = static_cast<char>(message[at] ^ 0x01);
    }
    EXPECT_EQ(failureOf([&] { decryptWith(api, message, kPassword); }), Error::Kind::Authentication);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, Damaged,
    ::testing::Combine(::testing::Values(DamageCase{"version", 0, 0}, DamageCase{"options", 1, 0},
                                         DamageCase{"encryptionSalt", 5, 0}, DamageCase{"hmacSalt", 12, 0},
                                         DamageCase{"iv", 20, 0}, DamageCase{"firstCipherBlock", 34, 0},
                                         DamageCase{"lastCipherBlock", -33, 0}, DamageCase{"macFirst", -32, 0},
                                         DamageCase{"macLast", -1, 0}, DamageCase{"extraByte", 0, 1},
                                         DamageCase{"extraBlock", 0, 16}, DamageCase{"cutByte", 0, -1},
                                         DamageCase{"cutBlock", 0, -16}, DamageCase{"cutMac", 0, -32},
                                         DamageCase{"cutMacAndByte", 0, -33}),
                       ::testing::Values(Api::Buffer, Api::Stream)),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).name) + (std::get<1>(info.param) == Api::Buffer ? "Buffer" : "Stream");
    });

TEST(Stream, progress_comesFromCallingThreadAndEndsAtTotal)
{
    const QByteArray plain = pattern(3 * kChunk);
    UniqueFd in = memfdWith(plain);
    std::vector<std::int64_t> seen;
    const auto caller = std::this_thread::get_id();
    StreamControl control;
    control.progress = [&](std::int64_t done, std::int64_t total) {
        EXPECT_EQ(std::this_thread::get_id(), caller);
        EXPECT_EQ(total, plain.size());
        seen.push_back(done);
    };
    encryptStream(in.get(), plain.size(), -1, passwordBytes(kPassword), control);
    ASSERT_GE(seen.size(), 2u);
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
    EXPECT_EQ(seen.back(), plain.size());
}

class Cancel : public ::testing::TestWithParam<bool>
{
};

TEST_P(Cancel, flagSeenBetweenChunks_throwsCancelled)
{
    const bool decrypt = GetParam();
    const QByteArray input = decrypt ? Encryptor(kPassword).encrypt(pattern(4 * kChunk)) : pattern(4 * kChunk);
    UniqueFd in = memfdWith(input);
    std::atomic<bool> cancel{false};
    StreamControl control{[&](std::int64_t, std::int64_t) { cancel = true; }, &cancel};
    const auto run = [&] {
        if (decrypt) {
            decryptStream(in.get(), input.size(), -1, passwordBytes(kPassword), control);
        } else {
            encryptStream(in.get(), input.size(), -1, passwordBytes(kPassword), control);
        }
    };
    EXPECT_EQ(failureOf(run), Error::Kind::Cancelled);
}

INSTANTIATE_TEST_SUITE_P(Directions, Cancel, ::testing::Bool());

TEST(Stream, inputShorterOrLongerThanSize_throwsRead)
{
    const QByteArray message = Encryptor(kPassword).encrypt(pattern(2 * kChunk));
    UniqueFd plain = memfdWith(pattern(100)), encrypted = memfdWith(message);
    EXPECT_EQ(failureOf([&] { encryptStream(plain.get(), 101, -1, passwordBytes(kPassword)); }), Error::Kind::Read);
    ::lseek(plain.get(), 0, SEEK_SET);
    EXPECT_EQ(failureOf([&] { encryptStream(plain.get(), 99, -1, passwordBytes(kPassword)); }), Error::Kind::Read);
    EXPECT_EQ(failureOf([&] { decryptStream(encrypted.get(), message.size() + 16, -1, passwordBytes(kPassword)); }),
              Error::Kind::Read);
    ::lseek(encrypted.get(), 0, SEEK_SET);
    EXPECT_EQ(failureOf([&] { decryptStream(encrypted.get(), message.size() - 16, -1, passwordBytes(kPassword)); }),
              Error::Kind::Read);
}

// Each sink fails on write: read-only descriptor, pipe without reader, file size limit in a child.
enum class Sink { ReadOnly, ClosedPipe, SizeLimit };

class WriteFailure : public ::testing::TestWithParam<std::tuple<Sink, bool>>
{
};

TEST_P(WriteFailure, throwsWrite)
{
    const auto [sink, decrypt] = GetParam();
    const QByteArray input = decrypt ? Encryptor(kPassword).encrypt(pattern(3 * kChunk)) : pattern(3 * kChunk);
    UniqueFd in = memfdWith(input); // before any size limit
    const auto run = [&, decrypt = decrypt](int out) {
        return failureOf([&] {
            decrypt ? decryptStream(in.get(), input.size(), out, passwordBytes(kPassword))
                    : encryptStream(in.get(), input.size(), out, passwordBytes(kPassword));
        });
    };
    if (sink == Sink::ReadOnly) {
        UniqueFd out(::open("/dev/null", O_RDONLY));
        EXPECT_EQ(run(out.get()), Error::Kind::Write);
    } else if (sink == Sink::ClosedPipe) {
        int ends[2];
        ASSERT_EQ(::pipe(ends), 0);
        ::close(ends[0]);
        const auto previous = std::signal(SIGPIPE, SIG_IGN);
        EXPECT_EQ(run(ends[1]), Error::Kind::Write);
        std::signal(SIGPIPE, previous);
        ::close(ends[1]);
    } else {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{kChunk, kChunk};
            ::setrlimit(RLIMIT_FSIZE, &limit);
            UniqueFd out(::memfd_create("limited", 0));
            ::_exit(run(out.get()) == Error::Kind::Write ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Sinks, WriteFailure,
                         ::testing::Combine(::testing::Values(Sink::ReadOnly, Sink::ClosedPipe, Sink::SizeLimit),
                                            ::testing::Bool()));

TEST(Stream, decryptToNoOutput_checksWithoutWriting)
{
    const QByteArray message = Encryptor(kPassword).encrypt(pattern(kChunk + 3));
    UniqueFd in = memfdWith(message);
    EXPECT_EQ(failureOf([&] { decryptStream(in.get(), message.size(), -1, passwordBytes(kPassword)); }),
              std::nullopt);
}

TEST(Encryptor, twoMessagesOfSameInput_differInSaltsAndIv)
{
    const Encryptor encryptor(kPassword);
    EXPECT_NE(encryptor.encrypt("same").left(kHeaderSize), encryptor.encrypt("same").left(kHeaderSize));
}
