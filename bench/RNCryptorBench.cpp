// SPDX-License-Identifier: GPL-3.0-or-later
// A small message should cost about one PBKDF2 run: the two key derivations run side by side.
#include "RNCryptorBuffer.h"

#include <benchmark/benchmark.h>
#include <openssl/evp.h>

#include <array>

namespace {

const QString kPassword = QStringLiteral("bench password");

void encrypt1KiB(benchmark::State& state)
{
    const RNCryptor::Encryptor encryptor(kPassword);
    const QByteArray data(1024, 'x');
    for (auto _ : state) {
        benchmark::DoNotOptimize(encryptor.encrypt(data));
    }
}

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
}

} // namespace

// Wall time: the encryptor's work is spread over two threads.
BENCHMARK(encrypt1KiB)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(pbkdf2Once)->Unit(benchmark::kMillisecond)->UseRealTime();
