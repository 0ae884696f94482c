// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The engine's file I/O: exact reads of a given size, and output to a file with writeback started as
// it goes, to nowhere, or to a caller's sink. Failures are the engine's Read and Write errors.

#include "RNCryptor.h"

#include <sys/types.h>

namespace RNCryptor::StreamIO {

// Fills `buffer`; a Read error when the input ends first.
void readExactly(int fd, unsigned char* buffer, std::size_t size);
// The size was given by the caller; anything beyond it means the input changed under us.
void expectEnd(int fd);

// The input of a run, from its current offset: mapped from the page cache where it can be, so that
// no thread spends its time copying it, and read into the caller's buffer where it can't (a pipe).
// The pieces handed out stay valid while the next `kStreamChunkSize * kMappedChunks` bytes are
// taken, so a second thread may still read the last few.
class Input
{
public:
    static constexpr std::size_t kMappedChunks = 4;

    Input(int fd, std::int64_t size);
    ~Input();
    Input(const Input&) = delete;
    Input& operator=(const Input&) = delete;

    // The next `size` bytes, in the mapping or in `buffer`. A Read error when the input ends first.
    const unsigned char* next(unsigned char* buffer, std::size_t size);
    // Nothing after the given size; also that a mapped file has not grown or shrunk meanwhile.
    void expectEnd();

private:
    void mapWindowAt(std::int64_t position);

    int m_fd;
    std::int64_t m_start;    // file offset of the first byte
    std::int64_t m_size;
    std::int64_t m_taken = 0;
    bool m_mapped = false;
    // Two windows: the one being taken and the one before it, which a second thread may still read.
    struct Window
    {
        unsigned char* base = nullptr;
        std::size_t length = 0;
        std::int64_t from = 0; // file offset of base
    };
    Window m_current;
    Window m_previous;
};

// Runs `work(context)`, which reads mapped input: false when the file shrank under it (SIGBUS),
// instead of the process going down.
bool readingMapped(void (*work)(void*), void* context);
template <typename Work> bool readingMapped(Work&& work)
{
    return readingMapped([](void* context) { (*static_cast<Work*>(context))(); }, &work);
}

class Output
{
public:
    explicit Output(int fd); // -1: nowhere
    explicit Output(const PlaintextSink& sink);

    void write(const unsigned char* data, std::size_t size);
    // Starts writeback of what was just written, so the caller's fsync at the end finds the disk
    // already busy instead of a gigabyte of dirty pages. Only whole pages: a page under writeback
    // that the next write touches again would make that write wait for the disk. Only a hint:
    // failures show in the caller's fsync.
    void startWriteback();

private:
    int m_fd;
    const PlaintextSink* m_sink = nullptr;
    bool m_regular = false;
    off_t m_writebackFrom = 0;
};

void checkCancel(const StreamControl& control);
void report(const StreamControl& control, std::int64_t done, std::int64_t total);

} // namespace RNCryptor::StreamIO
