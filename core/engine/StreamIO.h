// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The engine's file I/O: exact reads of a given size, and output to a file with writeback started as
// it goes, to nowhere, or to a caller's sink. Failures are the engine's Read and Write errors.

#include "RNCryptor.h"

#include <sys/types.h>

namespace RNCryptor::StreamIO {

// Fills `buffer`; a Read error when the input ends first.
void readExactly(int fd, unsigned char* buffer, std::size_t size);
// Fills `buffer` unless the input ends first; the bytes read.
std::size_t readUpTo(int fd, unsigned char* buffer, std::size_t size);
// The size was given by the caller; anything beyond it means the input changed under us.
void expectEnd(int fd);

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

void checkCancel(const RunControl& control);

} // namespace RNCryptor::StreamIO
