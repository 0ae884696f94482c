// SPDX-License-Identifier: GPL-3.0-or-later
#include "RNCryptor.h"

#include <openssl/core_names.h>
#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/params.h>
#include <openssl/rand.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <condition_variable>
#include <cstring>
#include <exception>
#include <memory>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>

namespace RNCryptor {
namespace {

using Bytes = const unsigned char*;
using MacTag = std::array<unsigned char, kHmacSize>;

constexpr std::size_t kVersionOffset = 0;
constexpr std::size_t kOptionsOffset = 1;
constexpr std::size_t kEncryptionSaltOffset = 2;
constexpr std::size_t kHmacSaltOffset = kEncryptionSaltOffset + kSaltSize;
constexpr std::size_t kIvOffset = kHmacSaltOffset + kSaltSize;
// Largest piece handed to libcrypto at once: its lengths are ints.
constexpr std::size_t kMaxPiece = std::size_t{1} << 30;

static_assert(kStreamChunkSize % kBlockSize == 0 && kStreamChunkSize <= kMaxPiece);

const char* const kNotAuthentic = "wrong password or damaged data";

[[noreturn]] void fail(Error::Kind kind, const char* what)
{
    throw Error(kind, what);
}

[[noreturn]] void failWithErrno(Error::Kind kind, const char* what, int error)
{
    const std::string message = std::string(what) + ": " + std::strerror(error);
    throw Error(kind, message.c_str());
}

// The one place MACs are compared: constant time, so a forger learns nothing from timing.
bool macMatches(const unsigned char* expected, const unsigned char* received)
{
    return CRYPTO_memcmp(expected, received, kHmacSize) == 0;
}

// PKCS#7 padding of the last plaintext block: its length, or 0 when it is not valid padding.
std::size_t paddingLength(const unsigned char* lastBlock)
{
    const unsigned char padding = lastBlock[kBlockSize - 1];
    if (padding == 0 || padding > kBlockSize) {
        return 0;
    }
    for (std::size_t i = kBlockSize - padding; i < kBlockSize; ++i) {
        if (lastBlock[i] != padding) {
            return 0;
        }
    }
    return padding;
}

bool headerAccepted(const unsigned char* header)
{
    return header[kVersionOffset] == kVersion && header[kOptionsOffset] == kOptionsPassword;
}

// Version, options and a ciphertext of whole blocks, at least one.
bool wellFormed(const unsigned char* data, std::size_t size)
{
    return size >= kMinimumSize + kBlockSize && (size - kMinimumSize) % kBlockSize == 0 && headerAccepted(data);
}

std::array<unsigned char, kHeaderSize> headerBytes(const HeaderParameters& header)
{
    std::array<unsigned char, kHeaderSize> bytes{};
    bytes[kVersionOffset] = kVersion;
    bytes[kOptionsOffset] = kOptionsPassword;
    std::copy(header.encryptionSalt.begin(), header.encryptionSalt.end(), bytes.begin() + kEncryptionSaltOffset);
    std::copy(header.hmacSalt.begin(), header.hmacSalt.end(), bytes.begin() + kHmacSaltOffset);
    std::copy(header.iv.begin(), header.iv.end(), bytes.begin() + kIvOffset);
    return bytes;
}

HeaderParameters parseHeader(const unsigned char* bytes)
{
    HeaderParameters header;
    std::copy_n(bytes + kEncryptionSaltOffset, kSaltSize, header.encryptionSalt.begin());
    std::copy_n(bytes + kHmacSaltOffset, kSaltSize, header.hmacSalt.begin());
    std::copy_n(bytes + kIvOffset, kIvSize, header.iv.begin());
    return header;
}

void checkKeys(const Keys& keys)
{
    if (keys.encryption.size() != kKeySize || keys.hmac.size() != kKeySize) {
        fail(Error::Kind::Crypto, "keys of the wrong size");
    }
}

// AES-256-CBC without padding; callers pad and unpad themselves so both directions share one rule.
class Cipher
{
public:
    Cipher(const Keys& keys, const unsigned char* iv, bool encrypt) : m_ctx(EVP_CIPHER_CTX_new())
    {
        checkKeys(keys);
        if (!m_ctx ||
            EVP_CipherInit_ex(m_ctx.get(), EVP_aes_256_cbc(), nullptr, keys.encryption.data(), iv, encrypt ? 1 : 0) != 1 ||
            EVP_CIPHER_CTX_set_padding(m_ctx.get(), 0) != 1) {
            fail(Error::Kind::Crypto, "cannot set up AES-256-CBC");
        }
    }

    // Whole blocks only; `in` and `out` may be the same buffer.
    void run(unsigned char* out, const unsigned char* in, std::size_t size)
    {
        while (size > 0) {
            const std::size_t piece = std::min(size, kMaxPiece);
            int written = 0;
            if (EVP_CipherUpdate(m_ctx.get(), out, &written, in, static_cast<int>(piece)) != 1 ||
                static_cast<std::size_t>(written) != piece) {
                fail(Error::Kind::Crypto, "AES-256-CBC failed");
            }
            out += piece;
            in += piece;
            size -= piece;
        }
    }

private:
    struct Free
    {
        void operator()(EVP_CIPHER_CTX* ctx) const { EVP_CIPHER_CTX_free(ctx); }
    };
    std::unique_ptr<EVP_CIPHER_CTX, Free> m_ctx;
};

class Hmac
{
public:
    explicit Hmac(const SecureBytes& key)
    {
        EVP_MAC* mac = EVP_MAC_fetch(nullptr, "HMAC", nullptr);
        m_ctx.reset(mac ? EVP_MAC_CTX_new(mac) : nullptr);
        EVP_MAC_free(mac); // the context keeps its own reference
        char digest[] = "SHA256";
        const OSSL_PARAM params[] = {OSSL_PARAM_construct_utf8_string(OSSL_MAC_PARAM_DIGEST, digest, 0),
                                     OSSL_PARAM_construct_end()};
        if (!m_ctx || key.size() != kKeySize || EVP_MAC_init(m_ctx.get(), key.data(), key.size(), params) != 1) {
            fail(Error::Kind::Crypto, "cannot set up HMAC-SHA256");
        }
    }

    void update(const unsigned char* data, std::size_t size)
    {
        if (size > 0 && EVP_MAC_update(m_ctx.get(), data, size) != 1) {
            fail(Error::Kind::Crypto, "HMAC-SHA256 failed");
        }
    }

    MacTag final()
    {
        MacTag tag{};
        std::size_t length = 0;
        if (EVP_MAC_final(m_ctx.get(), tag.data(), &length, tag.size()) != 1 || length != kHmacSize) {
            fail(Error::Kind::Crypto, "HMAC-SHA256 failed");
        }
        return tag;
    }

private:
    struct Free
    {
        void operator()(EVP_MAC_CTX* ctx) const { EVP_MAC_CTX_free(ctx); }
    };
    std::unique_ptr<EVP_MAC_CTX, Free> m_ctx;
};

// ---- whole buffers ----

const unsigned char* bytesOf(const QByteArray& data)
{
    return reinterpret_cast<const unsigned char*>(data.constData());
}

QByteArray encryptWithKeys(const QByteArray& data, const Keys& keys, const HeaderParameters& header)
{
    const std::size_t plainSize = static_cast<std::size_t>(data.size());
    const std::size_t wholeBlocks = plainSize - plainSize % kBlockSize;
    const std::size_t cipherSize = wholeBlocks + kBlockSize;
    QByteArray message(static_cast<qsizetype>(kHeaderSize + cipherSize + kHmacSize), Qt::Uninitialized);
    auto* out = reinterpret_cast<unsigned char*>(message.data());

    const auto head = headerBytes(header);
    std::copy(head.begin(), head.end(), out);

    Cipher cipher(keys, header.iv.data(), true);
    cipher.run(out + kHeaderSize, bytesOf(data), wholeBlocks);
    unsigned char last[kBlockSize];
    const std::size_t tail = plainSize - wholeBlocks;
    std::memcpy(last, bytesOf(data) + wholeBlocks, tail);
    std::memset(last + tail, static_cast<int>(kBlockSize - tail), kBlockSize - tail);
    cipher.run(out + kHeaderSize + wholeBlocks, last, kBlockSize);
    OPENSSL_cleanse(last, sizeof last);

    Hmac mac(keys.hmac);
    mac.update(out, kHeaderSize + cipherSize);
    const MacTag tag = mac.final();
    std::copy(tag.begin(), tag.end(), out + kHeaderSize + cipherSize);
    return message;
}

// ---- streams ----

// Fills `buffer` unless the input ends first; returns the bytes read.
std::size_t readUpTo(int fd, unsigned char* buffer, std::size_t size)
{
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd, buffer + done, size - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
        } else if (n == 0) {
            break;
        } else if (errno != EINTR) {
            failWithErrno(Error::Kind::Read, "cannot read the input", errno);
        }
    }
    return done;
}

void readExactly(int fd, unsigned char* buffer, std::size_t size)
{
    if (readUpTo(fd, buffer, size) != size) {
        fail(Error::Kind::Read, "the input is shorter than expected");
    }
}

// The size was given by the caller; anything beyond it means the input changed under us.
void expectEnd(int fd)
{
    unsigned char probe = 0;
    if (readUpTo(fd, &probe, 1) != 0) {
        fail(Error::Kind::Read, "the input is longer than expected");
    }
}

class Output
{
public:
    explicit Output(int fd) : m_fd(fd)
    {
        struct stat st {};
        m_regular = fd != -1 && ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    }
    explicit Output(const PlaintextSink& sink) : m_fd(-1), m_sink(&sink) {}

    void write(const unsigned char* data, std::size_t size)
    {
        if (m_sink) {
            (*m_sink)(data, size);
            return;
        }
        if (m_fd == -1) {
            return;
        }
        while (size > 0) {
            const ssize_t n = ::write(m_fd, data, size);
            if (n > 0) {
                data += n;
                size -= static_cast<std::size_t>(n);
            } else if (n == 0) {
                fail(Error::Kind::Write, "cannot write the output");
            } else if (errno != EINTR) {
                failWithErrno(Error::Kind::Write, "cannot write the output", errno);
            }
        }
    }

    // Starts writeback of what was just written, so the caller's fsync at the end finds the disk
    // already busy instead of a gigabyte of dirty pages. Only whole pages: a page under writeback
    // that the next write touches again would make that write wait for the disk. Only a hint:
    // failures show in the caller's fsync.
    void startWriteback(std::size_t)
    {
        if (!m_regular) {
            return;
        }
        constexpr off_t kPage = 4096;
        const off_t end = ::lseek(m_fd, 0, SEEK_CUR);
        const off_t wholePages = end - end % kPage;
        if (end >= 0 && wholePages > m_writebackFrom) {
            ::sync_file_range(m_fd, m_writebackFrom, wholePages - m_writebackFrom, SYNC_FILE_RANGE_WRITE);
            m_writebackFrom = wholePages;
        }
    }

private:
    int m_fd;
    const PlaintextSink* m_sink = nullptr;
    bool m_regular = false;
    off_t m_writebackFrom = 0;
};

void checkCancel(const StreamControl& control)
{
    if (control.cancel && control.cancel->load(std::memory_order_relaxed)) {
        fail(Error::Kind::Cancelled, "cancelled");
    }
}

void report(const StreamControl& control, std::int64_t done, std::int64_t total)
{
    if (control.progress) {
        control.progress(done, total);
    }
}

// A few chunk buffers, allocated once and passed round between the calling thread (producer) and
// one worker (consumer); reusing them keeps the data in cache and the memory flat.
class Ring
{
public:
    struct Slot
    {
        std::unique_ptr<unsigned char[]> data;
        std::size_t size = 0;
        std::size_t touched = 0;
        bool last = false;
    };

    explicit Ring(std::size_t capacity)
    {
        for (Slot& slot : m_slots) {
            slot.data.reset(new unsigned char[capacity]); // left untouched: first touch is slow
        }
    }
    ~Ring()
    {
        for (Slot& slot : m_slots) {
            OPENSSL_cleanse(slot.data.get(), slot.touched);
        }
    }
    Ring(const Ring&) = delete;
    Ring& operator=(const Ring&) = delete;

    // nullptr once aborted.
    Slot* waitFree()
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_aborted || m_produced - m_consumed < kSlots; });
        return m_aborted ? nullptr : &m_slots[m_produced % kSlots];
    }
    void publish()
    {
        {
            std::lock_guard lock(m_mutex);
            Slot& slot = m_slots[m_produced % kSlots];
            slot.touched = std::max(slot.touched, slot.size);
            ++m_produced;
        }
        m_changed.notify_all();
    }
    Slot* waitFilled()
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_aborted || m_consumed < m_produced; });
        return m_aborted ? nullptr : &m_slots[m_consumed % kSlots];
    }
    void release()
    {
        {
            std::lock_guard lock(m_mutex);
            ++m_consumed;
        }
        m_changed.notify_all();
    }
    void abort()
    {
        {
            std::lock_guard lock(m_mutex);
            m_aborted = true;
        }
        m_changed.notify_all();
    }

private:
    static constexpr std::size_t kSlots = 4; // slack for a stage that misses a time slice
    std::array<Slot, kSlots> m_slots;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::uint64_t m_produced = 0;
    std::uint64_t m_consumed = 0;
    bool m_aborted = false;
};

// The second half of a pipeline: a worker that runs `consume` on each published slot up to the last.
// Its failure aborts the ring and is rethrown on the calling thread; it is joined on every path.
class Worker
{
public:
    template <typename Consume>
    Worker(Ring& ring, Consume consume) : m_ring(ring)
    {
        try {
            m_thread = std::thread([this, consume]() mutable { run(consume); });
        } catch (const std::system_error&) {
            fail(Error::Kind::Crypto, "cannot start a worker thread");
        }
    }
    ~Worker()
    {
        if (m_thread.joinable()) {
            m_ring.abort();
            m_thread.join();
        }
    }
    Worker(const Worker&) = delete;
    Worker& operator=(const Worker&) = delete;

    // Waits until every published slot is consumed; rethrows the worker's failure.
    void finish()
    {
        m_thread.join();
        if (m_error) {
            std::rethrow_exception(m_error);
        }
    }

    // The ring was aborted under the producer: the worker failed, so its reason is the one to report.
    [[noreturn]] void rethrowFailure()
    {
        finish();
        fail(Error::Kind::Crypto, "the pipeline stopped");
    }

private:
    template <typename Consume>
    void run(Consume& consume)
    {
        try {
            for (;;) {
                Ring::Slot* slot = m_ring.waitFilled();
                if (!slot) {
                    return;
                }
                const bool last = slot->last;
                consume(*slot);
                m_ring.release();
                if (last) {
                    return;
                }
            }
        } catch (...) {
            m_error = std::current_exception();
            m_ring.abort();
        }
    }

    Ring& m_ring;
    std::exception_ptr m_error;
    std::thread m_thread;
};

} // namespace

HeaderParameters HeaderParameters::random()
{
    HeaderParameters header;
    if (RAND_bytes(header.encryptionSalt.data(), static_cast<int>(header.encryptionSalt.size())) != 1 ||
        RAND_bytes(header.hmacSalt.data(), static_cast<int>(header.hmacSalt.size())) != 1 ||
        RAND_bytes(header.iv.data(), static_cast<int>(header.iv.size())) != 1) {
        fail(Error::Kind::Crypto, "the random generator failed");
    }
    return header;
}

Keys Keys::derive(const SecureBytes& password, const HeaderParameters& header)
{
    if (password.size() > INT_MAX) {
        fail(Error::Kind::Crypto, "password too long");
    }
    Keys keys{SecureBytes(kKeySize), SecureBytes(kKeySize)};
    const auto pbkdf2 = [&password](const std::array<std::uint8_t, kSaltSize>& salt, SecureBytes& key) {
        return PKCS5_PBKDF2_HMAC(reinterpret_cast<const char*>(password.data()), static_cast<int>(password.size()),
                                 salt.data(), static_cast<int>(salt.size()), kIterations, EVP_sha1(),
                                 static_cast<int>(key.size()), key.data()) == 1;
    };

    // Two independent derivations: on two cores a message costs one PBKDF2 time instead of two.
    bool hmacDerived = false;
    std::thread second;
    try {
        second = std::thread([&] { hmacDerived = pbkdf2(header.hmacSalt, keys.hmac); });
    } catch (const std::system_error&) {
        hmacDerived = pbkdf2(header.hmacSalt, keys.hmac);
    }
    const bool encryptionDerived = pbkdf2(header.encryptionSalt, keys.encryption);
    if (second.joinable()) {
        second.join();
    }
    if (!encryptionDerived || !hmacDerived) {
        fail(Error::Kind::Crypto, "key derivation failed");
    }
    return keys;
}

SecureBytes passwordBytes(const QString& password)
{
    QByteArray utf8 = password.toUtf8();
    SecureBytes bytes(utf8.constData(), static_cast<std::size_t>(utf8.size()));
    OPENSSL_cleanse(utf8.data(), static_cast<std::size_t>(utf8.size()));
    return bytes;
}

Encryptor::Encryptor(const QString& password) : m_password(passwordBytes(password)) {}

Encryptor::Encryptor(const QString& password, const HeaderParameters& header)
    : m_password(passwordBytes(password)), m_header(header)
{
}

QByteArray Encryptor::encrypt(const QByteArray& data) const
{
    const HeaderParameters header = m_header ? *m_header : HeaderParameters::random();
    return encryptWithKeys(data, Keys::derive(m_password, header), header);
}

Decryptor::Decryptor(const QString& password) : m_password(passwordBytes(password)) {}

QByteArray Decryptor::decrypt(const QByteArray& data) const
{
    // Shape first: no PBKDF2 for data that cannot be a message.
    if (!wellFormed(bytesOf(data), static_cast<std::size_t>(data.size()))) {
        fail(Error::Kind::Authentication, kNotAuthentic);
    }
    std::optional<QByteArray> plain = decryptWithKeys(data, Keys::derive(m_password, parseHeader(bytesOf(data))));
    if (!plain) {
        fail(Error::Kind::Authentication, kNotAuthentic);
    }
    return std::move(*plain);
}

std::optional<QByteArray> decryptWithKeys(const QByteArray& data, const Keys& keys)
{
    const unsigned char* in = bytesOf(data);
    const std::size_t size = static_cast<std::size_t>(data.size());
    if (!wellFormed(in, size)) {
        return std::nullopt;
    }
    const std::size_t cipherSize = size - kMinimumSize;

    Hmac mac(keys.hmac);
    mac.update(in, size - kHmacSize);
    if (!macMatches(mac.final().data(), in + size - kHmacSize)) {
        return std::nullopt;
    }

    QByteArray plain(static_cast<qsizetype>(cipherSize), Qt::Uninitialized);
    auto* out = reinterpret_cast<unsigned char*>(plain.data());
    Cipher(keys, in + kIvOffset, false).run(out, in + kHeaderSize, cipherSize);
    const std::size_t padding = paddingLength(out + cipherSize - kBlockSize);
    if (padding == 0) {
        OPENSSL_cleanse(out, cipherSize);
        return std::nullopt;
    }
    plain.truncate(static_cast<qsizetype>(cipherSize - padding));
    return plain;
}

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
        output.startWriteback(slot.size);
    });

    std::int64_t done = 0;
    for (;;) {
        checkCancel(control);
        Ring::Slot* slot = ring.waitFree();
        if (!slot) {
            worker.rethrowFailure();
        }
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

void decryptTo(int in, std::int64_t inputSize, Output& output, const SecureBytes& password,
               const StreamControl& control);

} // namespace

void decryptStream(int in, std::int64_t inputSize, int out, const SecureBytes& password, const StreamControl& control)
{
    Output output(out);
    decryptTo(in, inputSize, output, password, control);
}

void decryptStream(int in, std::int64_t inputSize, const PlaintextSink& out, const SecureBytes& password,
                   const StreamControl& control)
{
    Output output(out);
    decryptTo(in, inputSize, output, password, control);
}

namespace {

// Calling thread: read and HMAC chunk i. Worker: decrypt and write chunk i-1, holding back the last
// block, which is unpadded and written only once the MAC has matched.
void decryptTo(int in, std::int64_t inputSize, Output& output, const SecureBytes& password, const StreamControl& control)
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
    const Keys keys = Keys::derive(password, parseHeader(head));
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
        output.startWriteback(ready);
    });

    const std::int64_t cipherSize = inputSize - static_cast<std::int64_t>(kMinimumSize);
    std::int64_t done = 0;
    for (;;) {
        checkCancel(control);
        Ring::Slot* slot = ring.waitFree();
        if (!slot) {
            worker.rethrowFailure();
        }
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
