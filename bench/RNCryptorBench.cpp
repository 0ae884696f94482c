// SPDX-License-Identifier: GPL-3.0-or-later
// A small message should cost about one PBKDF2 run: the two key derivations run side by side.
// Beside it, two limits of this machine that bench/run.sh holds lockfern-cli against.
#include "RNCryptorBuffer.h"

#include <benchmark/benchmark.h>
#include <openssl/evp.h>
#include <openssl/params.h>

#include <sched.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

const QString kPassword = QStringLiteral("bench password");

// As the engine's pipeline passes them: 1 MiB chunks over a ring of four buffers per thread.
constexpr std::size_t kChunk = RNCryptor::kStreamChunkSize;
constexpr std::size_t kRing = 4;
constexpr std::int64_t kChunksPerRun = 256;

// The cores this process may run on, as nproc counts them.
int usableCores()
{
    cpu_set_t set;
    CPU_ZERO(&set);
    if (::sched_getaffinity(0, sizeof(set), &set) != 0) {
        return static_cast<int>(std::max(1U, std::thread::hardware_concurrency()));
    }
    return CPU_COUNT(&set);
}

using Ring = std::vector<std::unique_ptr<unsigned char[]>>;

Ring ring()
{
    Ring buffers;
    for (std::size_t i = 0; i < kRing; ++i) {
        buffers.emplace_back(new unsigned char[kChunk]);
        std::fill_n(buffers.back().get(), kChunk, static_cast<unsigned char>(i + 1)); // touched before timing
    }
    return buffers;
}

struct FreeMac
{
    void operator()(EVP_MAC_CTX* ctx) const { EVP_MAC_CTX_free(ctx); }
};
struct FreeCipher
{
    void operator()(EVP_CIPHER_CTX* ctx) const { EVP_CIPHER_CTX_free(ctx); }
};

bool hmacChunks(const unsigned char* key, std::size_t keySize, const Ring& buffers)
{
    EVP_MAC* mac = EVP_MAC_fetch(nullptr, "HMAC", nullptr);
    const std::unique_ptr<EVP_MAC_CTX, FreeMac> ctx(mac ? EVP_MAC_CTX_new(mac) : nullptr);
    EVP_MAC_free(mac);
    char digest[] = "SHA256";
    const OSSL_PARAM params[] = {OSSL_PARAM_construct_utf8_string("digest", digest, 0), OSSL_PARAM_construct_end()};
    if (!ctx || EVP_MAC_init(ctx.get(), key, keySize, params) != 1) {
        return false;
    }
    for (std::int64_t i = 0; i < kChunksPerRun; ++i) {
        if (EVP_MAC_update(ctx.get(), buffers[static_cast<std::size_t>(i) % kRing].get(), kChunk) != 1) {
            return false;
        }
    }
    std::array<unsigned char, 32> tag{};
    std::size_t length = 0;
    const bool done = EVP_MAC_final(ctx.get(), tag.data(), &length, tag.size()) == 1;
    benchmark::DoNotOptimize(tag);
    return done;
}

bool encryptChunks(const unsigned char* key, const unsigned char* iv, const Ring& buffers)
{
    const std::unique_ptr<EVP_CIPHER_CTX, FreeCipher> ctx(EVP_CIPHER_CTX_new());
    if (!ctx || EVP_EncryptInit_ex(ctx.get(), EVP_aes_256_cbc(), nullptr, key, iv) != 1) {
        return false;
    }
    EVP_CIPHER_CTX_set_padding(ctx.get(), 0);
    for (std::int64_t i = 0; i < kChunksPerRun; ++i) {
        unsigned char* data = buffers[static_cast<std::size_t>(i) % kRing].get();
        int written = 0;
        if (EVP_EncryptUpdate(ctx.get(), data, &written, data, static_cast<int>(kChunk)) != 1) {
            return false;
        }
    }
    benchmark::ClobberMemory();
    return true;
}

void encrypt1KiB(benchmark::State& state)
{
    const RNCryptor::Encryptor encryptor(kPassword);
    const QByteArray data(1024, 'x');
    for (auto _ : state) {
        benchmark::DoNotOptimize(encryptor.encrypt(data));
    }
}

// One derivation on one core in real_time; items_per_second is that rate times the cores, the
// machine's rate when each core derives on its own, as a batch of items does.
void pbkdf2Once(benchmark::State& state)
{
    const QByteArray password = kPassword.toUtf8();
    const std::array<unsigned char, RNCryptor::kSaltSize> salt{1, 2, 3, 4, 5, 6, 7, 8};
    std::array<unsigned char, RNCryptor::kKeySize> key{};
    for (auto _ : state) {
        PKCS5_PBKDF2_HMAC(password.constData(), static_cast<int>(password.size()), salt.data(),
                          static_cast<int>(salt.size()), RNCryptor::kIterations, EVP_sha1(),
                          static_cast<int>(key.size()), key.data());
        benchmark::DoNotOptimize(key);
    }
    const int cores = usableCores();
    state.SetItemsProcessed(state.iterations() * cores);
    state.SetLabel(std::to_string(cores) + " cores");
}

// The two-core limit of one file's encryption: CBC encryption is serial, so one thread encrypts while
// the other computes the HMAC, at the same time, with no reads or writes. A run ends when the slower
// of the two does, so its bytes per second are that limit.
void aesBesideHmac(benchmark::State& state)
{
    const std::array<unsigned char, 32> key{7};
    const std::array<unsigned char, 16> iv{9};
    const Ring aesRing = ring();
    const Ring hmacRing = ring();
    for (auto _ : state) {
        bool hmacDone = false;
        std::thread second([&] { hmacDone = hmacChunks(key.data(), key.size(), hmacRing); });
        const bool aesDone = encryptChunks(key.data(), iv.data(), aesRing);
        second.join();
        if (!aesDone || !hmacDone) {
            state.SkipWithError("libcrypto failed");
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * kChunksPerRun * static_cast<std::int64_t>(kChunk));
}

} // namespace

// Wall time: the encryptor's work is spread over two threads.
BENCHMARK(encrypt1KiB)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(pbkdf2Once)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(aesBesideHmac)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);
