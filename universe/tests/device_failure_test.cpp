// SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
// SPDX-License-Identifier: MIT

#include "output_capture.h"

#include <universe/truck.h>

#include <gtest/gtest.h>

#include <random>
#include <system_error>

// The random device cannot be watched or made to fail from outside, so this
// program replaces the member of libstdc++'s std::random_device that reads it,
// _M_getval (as the allocation test replaces operator new); the library's call
// binds to this definition. Other standard libraries read it under other names.
#if !defined(__GLIBCXX__)
#error "replaces libstdc++'s std::random_device::_M_getval"
#endif
namespace {
int deviceReads = 0;
bool deviceFails = false;
} // namespace

unsigned int std::random_device::_M_getval()
{
    ++deviceReads;
    if (deviceFails)
        throw std::system_error(std::make_error_code(std::errc::io_error), "random device failed");
    return static_cast<unsigned int>(deviceReads);
}

TEST(truck, deliver_writes_nothing_when_the_random_device_fails)
{
    const Truck truck;
    OutputCapture capture;
    deviceFails = true;
    EXPECT_THROW(truck.deliver(), std::system_error);
    deviceFails = false;
    EXPECT_EQ(capture.text(), "");
}

// A fresh engine per call, seeded from one read: an engine kept between calls
// would be shared by every thread delivering at once.
TEST(truck, deliver_reads_the_random_device_once_per_call)
{
    const Truck truck;
    OutputCapture capture;
    deviceReads = 0;
    for (int call = 0; call < 3; ++call)
        static_cast<void>(truck.deliver());
    EXPECT_EQ(deviceReads, 3);
}
