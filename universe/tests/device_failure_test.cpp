#include "output_capture.h"

#include <universe/truck.h>

#include <gtest/gtest.h>

#include <random>
#include <system_error>

// The random device cannot be made to fail from outside, so this program
// replaces the libstdc++ member that reads it (as the allocation test replaces
// operator new); the library's call binds to this definition.
unsigned int std::random_device::_M_getval()
{
    throw std::system_error(std::make_error_code(std::errc::io_error), "random device failed");
}

TEST(truck, deliver_writes_nothing_when_the_random_device_fails)
{
    const Truck truck;
    OutputCapture capture;
    EXPECT_THROW(truck.deliver(), std::system_error);
    EXPECT_EQ(capture.text(), "");
}
