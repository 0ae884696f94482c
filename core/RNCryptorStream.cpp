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

// Calling thread: read and encrypt chunk i. Worker: HMAC and write chunk i-1. CBC encryption is
// serial, so the MAC and the writes are what can move to the second core.
void encryptStream(int in, std::int64_t inputSize, int out, const SecureBytes& password, const StreamControl& control,
                   const std::optional<HeaderParameters>& header)
{
    if (inputSize < 0) {
        fail(Error::Kind::Read, "negative input size");
    }
    const HeaderParameters parameters = header ? *header : HeaderParameters::random();
    const Keys keys = Keys::derive(password, parameters);
    checkCancel(control);

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
        readExactly(in, data, size);
        done += static_cast<std::int64_t>(size);
        const bool last = done == inputSize;
        if (last) {
            expectEnd(in);
            const std::size_t padding = kBlockSize - size % kBlockSize;
            std::memset(data + size, static_cast<int>(padding), padding);
            slot->size = size + padding;
        } else {
            slot->size = size;
        }
        cipher.run(data, data, slot->size);
        slot->last = last;
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
    unsigned char head[kHeaderSize];
    readExactly(in, head, kHeaderSize);
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
        cipher.run(data, data, slot.size);
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
        Ring::Slot* slot = &worker.nextFree();
        const std::size_t size = static_cast<std::size_t>(std::min<std::int64_t>(kStreamChunkSize, cipherSize - done));
        readExactly(in, slot->data.get(), size);
        mac.update(slot->data.get(), size);
        done += static_cast<std::int64_t>(size);
        const bool last = done == cipherSize;
        slot->size = size;
        slot->last = last;
        ring.publish();
        if (last) {
            break;
        }
        report(control, static_cast<std::int64_t>(kHeaderSize) + done, inputSize);
    }
    MacTag received{};
    readExactly(in, received.data(), received.size());
    expectEnd(in);
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
