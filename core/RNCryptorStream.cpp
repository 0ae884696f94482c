// SPDX-License-Identifier: GPL-3.0-or-later
// The streaming entry points the product uses: file descriptor to file descriptor in fixed-size
// chunks, the work of each direction split over two threads.
#include "Pipeline.h"
#include "RNCryptorFormat.h"
#include "StreamIO.h"

#include <openssl/crypto.h>

#include <cstring>
#include <system_error>

namespace RNCryptor {

using namespace Format;
using namespace StreamIO;
using Pipeline::Ring;
using Pipeline::Worker;

// Calling thread: AES of chunk i, straight from the page cache where the input is mapped. Worker:
// HMAC and write of chunk i-1. CBC encryption is serial, so everything else moves to the second core.
void encryptStream(int in, std::int64_t inputSize, int out, const SecureBytes& password, const StreamControl& control,
                   const std::optional<HeaderParameters>& header)
{
    if (inputSize < 0) {
        fail(Error::Kind::Read, "negative input size");
    }
    const HeaderParameters parameters = header ? *header : HeaderParameters::random();
    const Keys keys = Keys::derive(password, parameters);
    checkCancel(control);

    Input input(in, inputSize);
    Output output(out);
    Hmac mac(keys.hmac);
    const auto head = headerBytes(parameters);
    mac.update(head.data(), head.size());
    output.write(head.data(), head.size());

    Cipher cipher(keys, parameters.iv.data(), true);
    Ring ring(kStreamChunkSize + kBlockSize);
    Worker worker(ring, [&mac, &output](Ring::Slot& slot) {
        mac.update(slot.data.get(), slot.size);
        output.write(slot.data.get(), slot.size);
        output.startWriteback();
    });

    std::int64_t done = 0;
    for (;;) {
        checkCancel(control);
        Ring::Slot* slot = &worker.nextFree();
        unsigned char* data = slot->data.get();
        const std::size_t size = static_cast<std::size_t>(std::min<std::int64_t>(kStreamChunkSize, inputSize - done));
        const unsigned char* plain = input.next(data, size);
        done += static_cast<std::int64_t>(size);
        const bool last = done == inputSize;
        const std::size_t whole = last ? size - size % kBlockSize : size;
        const bool read = readingMapped([&] {
            cipher.run(data, plain, whole);
            if (last) {
                // The padded last block, out of the input, which may end anywhere in a block.
                unsigned char block[kBlockSize];
                const std::size_t rest = size - whole;
                std::memcpy(block, plain + whole, rest);
                std::memset(block + rest, static_cast<int>(kBlockSize - rest), kBlockSize - rest);
                cipher.run(data + whole, block, kBlockSize);
                OPENSSL_cleanse(block, sizeof block);
            }
        });
        if (!read) {
            fail(Error::Kind::Read, "the input shrank while it was read");
        }
        slot->size = last ? whole + kBlockSize : size;
        slot->last = last;
        if (last) {
            input.expectEnd();
        }
        ring.publish();
        if (last) {
            break;
        }
        report(control, done, inputSize);
    }
    worker.finish();

    const MacTag tag = mac.final();
    output.write(tag.data(), tag.size());
    report(control, inputSize, inputSize);
}

namespace {

// `keys` when given, otherwise derived from `password` and the message's salts.
void decryptTo(int in, std::int64_t inputSize, Output& output, const SecureBytes* password, const Keys* keys,
               const StreamControl& control);

} // namespace

void decryptStream(int in, std::int64_t inputSize, int out, const SecureBytes& password, const StreamControl& control)
{
    Output output(out);
    decryptTo(in, inputSize, output, &password, nullptr, control);
}

void decryptStream(int in, std::int64_t inputSize, const PlaintextSink& out, const SecureBytes& password,
                   const StreamControl& control)
{
    Output output(out);
    decryptTo(in, inputSize, output, &password, nullptr, control);
}

void decryptStreamWithKeys(int in, std::int64_t inputSize, const PlaintextSink& out, const Keys& keys)
{
    Output output(out);
    decryptTo(in, inputSize, output, nullptr, &keys, {});
}

namespace {

// Calling thread: read and HMAC chunk i. Worker: decrypt and write chunk i-1, holding back the last
// block, which is unpadded and written only once the MAC has matched.
void decryptTo(int in, std::int64_t inputSize, Output& output, const SecureBytes* password, const Keys* givenKeys,
               const StreamControl& control)
{
    const auto minimum = static_cast<std::int64_t>(kMinimumSize + kBlockSize);
    if (inputSize < minimum || (inputSize - static_cast<std::int64_t>(kMinimumSize)) % kBlockSize != 0) {
        fail(Error::Kind::Authentication, kNotAuthentic);
    }
    Input input(in, inputSize);
    // Copies out of mapped input, which fail as a read when the file shrinks meanwhile.
    const auto copy = [](void* to, const unsigned char* from, std::size_t size) {
        if (!readingMapped([&] { std::memcpy(to, from, size); })) {
            fail(Error::Kind::Read, "the input shrank while it was read");
        }
    };
    unsigned char head[kHeaderSize];
    copy(head, input.next(head, kHeaderSize), kHeaderSize);
    if (!headerAccepted(head)) {
        fail(Error::Kind::Authentication, kNotAuthentic);
    }
    const Keys keys = givenKeys ? *givenKeys : Keys::derive(*password, parseHeader(head));
    checkCancel(control);

    Hmac mac(keys.hmac);
    mac.update(head, kHeaderSize);
    Cipher cipher(keys, head + kIvOffset, false);
    unsigned char held[kBlockSize] = {};
    Ring ring(kStreamChunkSize);
    Worker worker(ring, [&cipher, &output, &held](Ring::Slot& slot) {
        unsigned char* data = slot.data.get();
        if (!readingMapped([&] { cipher.run(data, slot.source, slot.size); })) {
            fail(Error::Kind::Read, "the input shrank while it was read");
        }
        const std::size_t ready = slot.last ? slot.size - kBlockSize : slot.size;
        if (slot.last) {
            std::memcpy(held, data + ready, kBlockSize);
        }
        output.write(data, ready);
        output.startWriteback();
    });

    const std::int64_t cipherSize = inputSize - static_cast<std::int64_t>(kMinimumSize);
    std::int64_t done = 0;
    for (;;) {
        checkCancel(control);
        // A free slot first: then the worker is past the chunks a new input window may unmap.
        Ring::Slot* slot = &worker.nextFree();
        const std::size_t size = static_cast<std::size_t>(std::min<std::int64_t>(kStreamChunkSize, cipherSize - done));
        const unsigned char* cipherText = input.next(slot->data.get(), size);
        if (!readingMapped([&] { mac.update(cipherText, size); })) {
            fail(Error::Kind::Read, "the input shrank while it was read");
        }
        done += static_cast<std::int64_t>(size);
        const bool last = done == cipherSize;
        slot->source = cipherText;
        slot->size = size;
        slot->last = last;
        ring.publish();
        if (last) {
            break;
        }
        report(control, static_cast<std::int64_t>(kHeaderSize) + done, inputSize);
    }
    MacTag received{};
    copy(received.data(), input.next(received.data(), received.size()), received.size());
    input.expectEnd();
    const MacTag expected = mac.final();
    worker.finish();

    if (!macMatches(expected.data(), received.data())) {
        OPENSSL_cleanse(held, sizeof held);
        fail(Error::Kind::Authentication, kNotAuthentic);
    }
    const std::size_t padding = paddingLength(held);
    if (padding == 0) {
        OPENSSL_cleanse(held, sizeof held);
        fail(Error::Kind::Authentication, kNotAuthentic);
    }
    output.write(held, kBlockSize - padding);
    OPENSSL_cleanse(held, sizeof held);
    report(control, inputSize, inputSize);
}

} // namespace

} // namespace RNCryptor
