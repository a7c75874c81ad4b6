// SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
// SPDX-License-Identifier: MIT

// Shared by the fuzz targets of both libraries (universe/fuzz, gyrelle/fuzz):
// their input bytes read as numbers, bytes and strings.
#ifndef TOOLS_FUZZ_INPUT_H
#define TOOLS_FUZZ_INPUT_H

#include <cstddef>
#include <cstdint>
#include <string>

// Reads a fuzzer's input bytes as the values the fuzz targets decode; past the
// end every read gives zeros.
class FuzzInput
{
public:
    FuzzInput(const uint8_t *data, size_t size)
        : data(data)
        , size(size)
    {
    }

    bool empty() const { return at >= size; }
    uint8_t byte() { return at < size ? data[at++] : 0; }

    // Four bytes, big-endian, as a signed number: negative values included.
    int number()
    {
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i)
            value = value << 8 | byte();
        return int(value);
    }

    // Up to maxLength bytes of any value, NULs included.
    std::string text(size_t maxLength)
    {
        std::string text;
        for (size_t length = byte() % (maxLength + 1); length > 0 && !empty(); --length)
            text += char(byte());
        return text;
    }

private:
    const uint8_t *data;
    size_t size;
    size_t at = 0;
};

#endif
