// SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
// SPDX-License-Identifier: MIT

#ifndef UNIVERSE_TESTS_OUTPUT_CAPTURE_H
#define UNIVERSE_TESTS_OUTPUT_CAPTURE_H

#include <iostream>
#include <sstream>
#include <string>

// A string buffer that also counts flushes: the truck must never flush.
class CountingBuffer : public std::stringbuf
{
public:
    int syncs = 0;

protected:
    int sync() override
    {
        ++syncs;
        return std::stringbuf::sync();
    }
};

// Swaps the buffers of std::cout and std::cerr for counting ones while in scope,
// and restores the streams' state afterwards.
class OutputCapture
{
public:
    OutputCapture()
        : savedOut(std::cout.rdbuf(&out))
        , savedErr(std::cerr.rdbuf(&err))
    {
    }

    ~OutputCapture()
    {
        std::cout.rdbuf(savedOut);
        std::cerr.rdbuf(savedErr);
        std::cout.clear();
        std::cout.exceptions(std::ios::goodbit);
        std::cout.width(0);
        std::cout.fill(' ');
    }

    OutputCapture(const OutputCapture &) = delete;
    OutputCapture &operator=(const OutputCapture &) = delete;

    std::string text() const { return out.str(); }
    std::string errorText() const { return err.str(); }
    int flushes() const { return out.syncs + err.syncs; }

private:
    CountingBuffer out;
    CountingBuffer err;
    std::streambuf *savedOut;
    std::streambuf *savedErr;
};

#endif
