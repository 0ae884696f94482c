// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the decoders: the streaming one the product runs and the whole-buffer one.
//
// Every input is first handed to both as it is; they must agree on the verdict and the plaintext. Its first byte then picks one of two
// deeper checks, which build messages that carry a correct MAC (random mutation alone never gets
// past the MAC):
//   mode 1  bytes 1-2 position, 3 kind, 4 value, rest plaintext: a valid message of that plaintext
//           must round-trip, and one mutation of it must be refused.
//   mode 2  bytes 1-34 header as is, rest ciphertext body (CBC-encrypted first when whole blocks):
//           the MAC is made correct, and the verdict and plaintext must match a reference decoder.
// Messages are built here with libcrypto directly, not with the engine's encoder, so the two are
// checked against each other.

#include "RNCryptorBuffer.h"

#include <openssl/evp.h>
#include <openssl/hmac.h>

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <sys/mman.h>
#include <unistd.h>

namespace {

using namespace RNCryptor;

constexpr unsigned char kEncryptionKey[kKeySize] = {
    0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0a, 0x0b, 0x0c, 0x0d, 0x0e, 0x0f,
    0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x18, 0x19, 0x1a, 0x1b, 0x1c, 0x1d, 0x1e, 0x1f};
constexpr unsigned char kHmacKey[kKeySize] = {
    0x20, 0x21, 0x22, 0x23, 0x24, 0x25, 0x26, 0x27, 0x28, 0x29, 0x2a, 0x2b, 0x2c, 0x2d, 0x2e, 0x2f,
    0x30, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x37, 0x38, 0x39, 0x3a, 0x3b, 0x3c, 0x3d, 0x3e, 0x3f};
constexpr std::size_t kIvOffset = 2 + 2 * kSaltSize;
// Header of the messages mode 1 builds: version 3, options 1, encryption salt, HMAC salt, IV.
constexpr unsigned char kHeader[kHeaderSize] = {
    0x03, 0x01,                                                                                     //
    0xa0, 0xa1, 0xa2, 0xa3, 0xa4, 0xa5, 0xa6, 0xa7,                                                 //
    0xb0, 0xb1, 0xb2, 0xb3, 0xb4, 0xb5, 0xb6, 0xb7,                                                 //
    0xc0, 0xc1, 0xc2, 0xc3, 0xc4, 0xc5, 0xc6, 0xc7, 0xc8, 0xc9, 0xca, 0xcb, 0xcc, 0xcd, 0xce, 0xcf};

// Built once: deriving keys per input would spend the run in PBKDF2.
const Keys& fixedKeys()
{
    static const Keys keys{SecureBytes(kEncryptionKey, kKeySize), SecureBytes(kHmacKey, kKeySize)};
    return keys;
}

[[noreturn]] void violation(const char* what, const QByteArray& message)
{
    std::fprintf(stderr, "DecryptFuzzer: %s\nmessage (%lld bytes): %s\n", what, static_cast<long long>(message.size()),
                 message.toHex().constData());
    std::abort();
}

const unsigned char* bytesOf(const QByteArray& data)
{
    return reinterpret_cast<const unsigned char*>(data.constData());
}

// AES-256-CBC over whole blocks, no padding, with the fixed key.
QByteArray cbc(const QByteArray& in, const unsigned char* iv, bool encrypt)
{
    QByteArray out(in.size(), '\0');
    EVP_CIPHER_CTX* ctx = EVP_CIPHER_CTX_new();
    int written = 0;
    const bool ok = ctx && EVP_CipherInit_ex(ctx, EVP_aes_256_cbc(), nullptr, kEncryptionKey, iv, encrypt ? 1 : 0) == 1 &&
                    EVP_CIPHER_CTX_set_padding(ctx, 0) == 1 &&
                    EVP_CipherUpdate(ctx, reinterpret_cast<unsigned char*>(out.data()), &written, bytesOf(in),
                                     static_cast<int>(in.size())) == 1 &&
                    written == in.size();
    EVP_CIPHER_CTX_free(ctx);
    if (!ok) {
        std::fprintf(stderr, "DecryptFuzzer: libcrypto failed in the harness\n");
        std::abort();
    }
    return out;
}

// Appends HMAC-SHA256 over everything so far.
void appendMac(QByteArray& message)
{
    unsigned char tag[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (!HMAC(EVP_sha256(), kHmacKey, kKeySize, bytesOf(message), static_cast<std::size_t>(message.size()), tag,
              &length) ||
        length != kHmacSize) {
        std::fprintf(stderr, "DecryptFuzzer: HMAC failed in the harness\n");
        std::abort();
    }
    message.append(reinterpret_cast<const char*>(tag), static_cast<qsizetype>(length));
}

QByteArray validMessage(const QByteArray& plain)
{
    QByteArray padded = plain;
    const qsizetype padding = static_cast<qsizetype>(kBlockSize) - plain.size() % static_cast<qsizetype>(kBlockSize);
    padded.append(padding, static_cast<char>(padding));
    QByteArray message(reinterpret_cast<const char*>(kHeader), kHeaderSize);
    message.append(cbc(padded, kHeader + kIvOffset, true));
    appendMac(message);
    return message;
}

// The streaming decoder over a memory file; nullopt when it refuses the message.
std::optional<QByteArray> decryptStreamed(const QByteArray& input)
{
    const int fd = ::memfd_create("fuzz", MFD_CLOEXEC);
    if (fd < 0 || ::write(fd, input.constData(), static_cast<std::size_t>(input.size())) != input.size() ||
        ::lseek(fd, 0, SEEK_SET) != 0) {
        std::fprintf(stderr, "DecryptFuzzer: no memory file in the harness\n");
        std::abort();
    }
    QByteArray plain;
    std::optional<QByteArray> result;
    try {
        const PlaintextSink sink = [&plain](const unsigned char* data, std::size_t size) {
            plain.append(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
        };
        decryptStream(fd, input.size(), sink, fixedKeys());
        result = plain;
    } catch (const Error& error) {
        if (error.kind() != Error::Kind::Authentication) {
            violation("the streaming decoder failed other than as not authentic", input);
        }
    }
    ::close(fd);
    return result;
}

// Whatever the input, no crash, and both decoders give the same answer; anything accepted must
// re-encode to exactly the input (the format is deterministic given header and keys, so a second
// accepted encoding would be a malleability hole).
void checkRaw(const QByteArray& input)
{
    const std::optional<QByteArray> plain = decryptWithKeys(input, fixedKeys());
    if (decryptStreamed(input) != plain) {
        violation("the streaming and the whole-buffer decoders disagree", input);
    }
    if (!plain) {
        return;
    }
    if (input.size() < static_cast<qsizetype>(kHeaderSize) || bytesOf(input)[0] != kVersion ||
        bytesOf(input)[1] != kOptionsPassword) {
        violation("accepted a message without version 3 / options 1", input);
    }
    QByteArray padded = *plain;
    const qsizetype padding = static_cast<qsizetype>(kBlockSize) - plain->size() % static_cast<qsizetype>(kBlockSize);
    padded.append(padding, static_cast<char>(padding));
    QByteArray again = input.left(kHeaderSize);
    again.append(cbc(padded, bytesOf(input) + kIvOffset, true));
    appendMac(again);
    if (again != input) {
        violation("accepted a message that is not the encoding of its plaintext", input);
    }
}

void checkMutation(const std::uint8_t* data, std::size_t size)
{
    if (size < 5) {
        return;
    }
    const std::size_t position = data[1] | (std::size_t{data[2]} << 8);
    const std::uint8_t kind = data[3];
    const std::uint8_t value = data[4];
    const QByteArray plain(reinterpret_cast<const char*>(data + 5), static_cast<qsizetype>(size - 5));

    const QByteArray valid = validMessage(plain);
    const std::optional<QByteArray> decoded = decryptWithKeys(valid, fixedKeys());
    if (!decoded || *decoded != plain || decryptStreamed(valid) != decoded) {
        violation("a valid message did not round-trip", valid);
    }

    QByteArray mutated = valid;
    const auto length = static_cast<std::size_t>(valid.size());
    switch (kind % 5) {
    case 0: // flip bits of one byte
        mutated[static_cast<qsizetype>(position % length)] ^= static_cast<char>(value ? value : 0x80);
        break;
    case 1: // truncate
        mutated.truncate(static_cast<qsizetype>(position % length));
        break;
    case 2: // append
        mutated.append(static_cast<qsizetype>(1 + position % 64), static_cast<char>(value));
        break;
    case 3: // drop one byte
        mutated.remove(static_cast<qsizetype>(position % length), 1);
        break;
    default: // insert one byte
        mutated.insert(static_cast<qsizetype>(position % (length + 1)), static_cast<char>(value));
        break;
    }
    if (mutated == valid) {
        return;
    }
    if (decryptWithKeys(mutated, fixedKeys()) || decryptStreamed(mutated)) {
        violation("accepted a mutated message", mutated);
    }
}

// A message with a correct MAC around an arbitrary header and body, against a reference verdict.
void checkAuthenticFrame(const std::uint8_t* data, std::size_t size)
{
    if (size < 1 + kHeaderSize) {
        return;
    }
    const unsigned char* header = data + 1;
    const QByteArray body(reinterpret_cast<const char*>(data + 1 + kHeaderSize),
                          static_cast<qsizetype>(size - 1 - kHeaderSize));
    const bool wholeBlocks = !body.isEmpty() && body.size() % static_cast<qsizetype>(kBlockSize) == 0;
    // Whole blocks are taken as plaintext, so the fuzzer steers the padding the decoder will see.
    const unsigned char* iv = header + kIvOffset;
    QByteArray message(reinterpret_cast<const char*>(header), kHeaderSize);
    message.append(wholeBlocks ? cbc(body, iv, true) : body);
    appendMac(message);

    std::optional<QByteArray> expected;
    if (wholeBlocks && header[0] == kVersion && header[1] == kOptionsPassword) {
        const auto last = static_cast<std::uint8_t>(body.back());
        bool padded = last >= 1 && last <= kBlockSize;
        for (std::size_t i = 1; padded && i <= last; ++i) {
            padded = static_cast<std::uint8_t>(body[body.size() - static_cast<qsizetype>(i)]) == last;
        }
        if (padded) {
            expected = body.left(body.size() - last);
        }
    }
    const std::optional<QByteArray> got = decryptWithKeys(message, fixedKeys());
    if (decryptStreamed(message) != got) {
        violation("the streaming and the whole-buffer decoders disagree", message);
    }
    if (expected.has_value() != got.has_value()) {
        violation(expected ? "refused an authentic, well-padded message" : "accepted a message the reference refuses",
                  message);
    }
    if (got && *got != *expected) {
        violation("wrong plaintext for an authentic message", message);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    checkRaw(input);
    if (size > 0) {
        switch (data[0] % 3) {
        case 1:
            checkMutation(data, size);
            break;
        case 2:
            checkAuthenticFrame(data, size);
            break;
        default:
            break;
        }
    }
    return 0;
}
