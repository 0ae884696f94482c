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
using Pipeline::Relay;

// Worker: read chunk i+1, HMAC and write chunk i-1. Calling thread: encrypt chunk i. CBC encryption
// is serial, so everything else goes to the second core.
void encryptStream(int in, std::int64_t inputSize, int out, const SecureBytes& password, const RunControl& control,
                   const std::optional<HeaderParameters>& header)
{
    if (inputSize < 0 && inputSize != kUntilEnd) {
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

    std::int64_t read = 0;
    Relay relay(
        kStreamChunkSize + kBlockSize,
        [in, inputSize, &read](Relay::Slot& slot) {
            if (inputSize == kUntilEnd) {
                // A short read is the end: a pipe's writer has closed it.
                slot.size = readUpTo(in, slot.data.get(), kStreamChunkSize);
                slot.last = slot.size < kStreamChunkSize;
                read += static_cast<std::int64_t>(slot.size);
                return;
            }
            slot.size = static_cast<std::size_t>(std::min<std::int64_t>(kStreamChunkSize, inputSize - read));
            readExactly(in, slot.data.get(), slot.size);
            read += static_cast<std::int64_t>(slot.size);
            slot.last = read == inputSize;
            if (slot.last) {
                expectEnd(in);
            }
        },
        [&mac, &output](Relay::Slot& slot) {
            mac.update(slot.data.get(), slot.size);
            output.write(slot.data.get(), slot.size);
            output.startWriteback();
        });

    Cipher cipher(keys, parameters.iv.data(), true);
    std::int64_t done = 0;
    for (;;) {
        checkCancel(control);
        Relay::Slot& slot = relay.nextFilled();
        unsigned char* data = slot.data.get();
        done += static_cast<std::int64_t>(slot.size);
        if (slot.last) {
            slot.size += addPadding(data + slot.size, slot.size);
        }
        cipher.run(data, data, slot.size);
        const bool last = slot.last;
        relay.passOn();
        if (last) {
            break;
        }
        control.report(done, inputSize);
    }
    relay.finish();

    const MacTag tag = mac.final();
    output.write(tag.data(), tag.size());
    control.report(done, done);
}

namespace {

// The header of a message whose size is well formed; its bytes go into `head`, which the MAC covers.
HeaderParameters checkedHeader(int in, std::int64_t inputSize, unsigned char* head)
{
    if (inputSize < 0 || !wellFormedSize(static_cast<std::uint64_t>(inputSize))) {
        fail(Error::Kind::Authentication, kNotAuthentic);
    }
    readExactly(in, head, kHeaderSize);
    if (!headerAccepted(head)) {
        fail(Error::Kind::Authentication, kNotAuthentic);
    }
    return parseHeader(head);
}

// `keys` when given, otherwise derived from `password` and the message's salts.
void decryptTo(int in, std::int64_t inputSize, Output& output, const SecureBytes* password, const Keys* keys,
               const RunControl& control);

} // namespace

HeaderParameters readHeader(int in, std::int64_t inputSize)
{
    unsigned char head[kHeaderSize];
    return checkedHeader(in, inputSize, head);
}

void decryptStream(int in, std::int64_t inputSize, int out, const SecureBytes& password, const RunControl& control)
{
    Output output(out);
    decryptTo(in, inputSize, output, &password, nullptr, control);
}

void decryptStream(int in, std::int64_t inputSize, int out, const Keys& keys, const RunControl& control)
{
    Output output(out);
    decryptTo(in, inputSize, output, nullptr, &keys, control);
}

void decryptStream(int in, std::int64_t inputSize, const PlaintextSink& out, const SecureBytes& password,
                   const RunControl& control)
{
    Output output(out);
    decryptTo(in, inputSize, output, &password, nullptr, control);
}

void decryptStream(int in, std::int64_t inputSize, const PlaintextSink& out, const Keys& keys,
                   const RunControl& control)
{
    Output output(out);
    decryptTo(in, inputSize, output, nullptr, &keys, control);
}

namespace {

// Worker: read chunk i+1, write chunk i-1. Calling thread: HMAC and decrypt chunk i, holding back
// the last block, which is unpadded and written only once the MAC has matched. The HMAC is serial,
// so the calling thread takes the cheap decryption too and leaves the copies to the worker.
void decryptTo(int in, std::int64_t inputSize, Output& output, const SecureBytes* password, const Keys* givenKeys,
               const RunControl& control)
{
    unsigned char head[kHeaderSize];
    const HeaderParameters header = checkedHeader(in, inputSize, head);
    const Keys keys = givenKeys ? *givenKeys : Keys::derive(*password, header);
    checkCancel(control);

    Hmac mac(keys.hmac);
    mac.update(head, kHeaderSize);
    Cipher cipher(keys, head + kIvOffset, false);
    const std::int64_t cipherSize = inputSize - static_cast<std::int64_t>(kMinimumSize);
    std::int64_t read = 0;
    MacTag received{};
    Relay relay(
        kStreamChunkSize,
        [in, cipherSize, &read, &received](Relay::Slot& slot) {
            slot.size = static_cast<std::size_t>(std::min<std::int64_t>(kStreamChunkSize, cipherSize - read));
            readExactly(in, slot.data.get(), slot.size);
            read += static_cast<std::int64_t>(slot.size);
            slot.last = read == cipherSize;
            if (slot.last) {
                readExactly(in, received.data(), received.size());
                expectEnd(in);
            }
        },
        [&output](Relay::Slot& slot) {
            output.write(slot.data.get(), slot.size);
            output.startWriteback();
        });

    unsigned char held[kBlockSize] = {};
    std::int64_t done = 0;
    for (;;) {
        checkCancel(control);
        Relay::Slot& slot = relay.nextFilled();
        unsigned char* data = slot.data.get();
        mac.update(data, slot.size);
        cipher.run(data, data, slot.size);
        done += static_cast<std::int64_t>(slot.size);
        const bool last = slot.last;
        if (last) {
            slot.size -= kBlockSize;
            std::memcpy(held, data + slot.size, kBlockSize);
        }
        relay.passOn();
        if (last) {
            break;
        }
        control.report(static_cast<std::int64_t>(kHeaderSize) + done, inputSize);
    }
    const MacTag expected = mac.final();
    relay.finish();

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
    control.report(inputSize, inputSize);
}

} // namespace

} // namespace RNCryptor
