// SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
// SPDX-License-Identifier: MIT

// Every operation that allocates must leave nothing behind when an allocation
// fails. The global operator new of this test program can be told to throw on
// its Nth call; each scenario is run with N = 1, 2, ... until it completes.
#include "output_capture.h"

#include <universe/truck.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <new>
#include <string>
#include <vector>

namespace {

long liveAllocations = 0;
long allocationsBeforeFailure = -1; // -1: never fail

// Makes the Nth allocation from now on throw std::bad_alloc, once, while in scope.
class AllocationFailure
{
public:
    explicit AllocationFailure(int n) { allocationsBeforeFailure = n - 1; }
    ~AllocationFailure() { disarm(); }
    AllocationFailure(const AllocationFailure &) = delete;
    AllocationFailure &operator=(const AllocationFailure &) = delete;
    void disarm() { allocationsBeforeFailure = -1; }
};

// Runs scenario(n) for n = 1, 2, ... until it completes without std::bad_alloc and
// checks after every run that no allocation outlived it. Returns the failed runs.
template <class Scenario>
int failEachAllocationInTurn(Scenario scenario)
{
    for (int n = 1;; ++n) {
        const long before = liveAllocations;
        bool completed = false;
        try {
            scenario(n);
            completed = true;
        } catch (const std::bad_alloc &) {
        }
        EXPECT_EQ(liveAllocations, before) << "leak when allocation " << n << " failed";
        if (completed)
            return n - 1;
    }
}

// Long names, so that every copy of a name allocates too.
const std::vector<std::string> names = {"Vanilla bean from far away", "Dark chocolate with sea salt",
                                        "Strawberry swirl and cream"};

void fill(Truck &truck)
{
    for (const std::string &name : names)
        truck.addIcecreamFlavor(new Icecream(name));
}

std::vector<std::string> bulletLines(const Truck &truck)
{
    OutputCapture capture;
    truck.printAvailableFlavors();
    std::vector<std::string> lines;
    std::string text = capture.text();
    for (std::size_t at = text.find("  * "); at != std::string::npos; at = text.find("  * ", at + 1))
        lines.push_back(text.substr(at + 4, text.find('\n', at) - at - 4));
    return lines;
}

} // namespace

void *operator new(std::size_t size)
{
    if (allocationsBeforeFailure == 0) {
        allocationsBeforeFailure = -1;
        throw std::bad_alloc();
    }
    if (allocationsBeforeFailure > 0)
        --allocationsBeforeFailure;
    void *memory = std::malloc(size ? size : 1);
    if (!memory)
        throw std::bad_alloc();
    ++liveAllocations;
    return memory;
}

void operator delete(void *memory) noexcept
{
    if (!memory)
        return;
    --liveAllocations;
    std::free(memory);
}

void operator delete(void *memory, std::size_t) noexcept
{
    operator delete(memory);
}

TEST(allocation_failure, clone_releases_its_object)
{
    Icecream original(names[0]);
    const int failures = failEachAllocationInTurn([&](int n) {
        AllocationFailure failure(n);
        std::unique_ptr<Icecream> copy(original.clone());
    });
    EXPECT_EQ(failures, 2); // the object, then its name
}

TEST(allocation_failure, add_deletes_the_flavor_when_the_list_cannot_grow)
{
    const int failures = failEachAllocationInTurn([](int n) {
        Truck truck;
        auto *flavor = new Icecream(names[0]);
        try {
            AllocationFailure failure(n);
            truck.addIcecreamFlavor(flavor);
        } catch (const std::bad_alloc &) {
            EXPECT_TRUE(bulletLines(truck).empty());
            throw;
        }
    });
    EXPECT_EQ(failures, 1);
}

TEST(allocation_failure, copy_construction_deletes_the_clones_it_took)
{
    Truck source;
    fill(source);
    const int failures = failEachAllocationInTurn([&](int n) {
        AllocationFailure failure(n);
        Truck copy(source);
        failure.disarm();
        EXPECT_EQ(bulletLines(copy), names);
    });
    EXPECT_GE(failures, 2 * int(names.size()));
}

TEST(allocation_failure, assignment_keeps_the_clones_taken_before_the_failure)
{
    Truck source;
    fill(source);
    const int failures = failEachAllocationInTurn([&](int n) {
        Truck target;
        target.addIcecreamFlavor(new Icecream("replaced by the assignment"));
        try {
            AllocationFailure failure(n);
            target = source;
        } catch (const std::bad_alloc &) {
            const std::vector<std::string> kept = bulletLines(target);
            ASSERT_LT(kept.size(), names.size());
            EXPECT_TRUE(std::equal(kept.begin(), kept.end(), names.begin()));
            throw;
        }
        EXPECT_EQ(bulletLines(target), names);
    });
    EXPECT_GE(failures, 2 * int(names.size()));
}

TEST(allocation_failure, cleared_list_keeps_its_capacity)
{
    Truck truck;
    fill(truck);
    truck.clearFlavors();
    std::vector<Icecream *> again;
    for (const std::string &name : names)
        again.push_back(new Icecream(name));

    AllocationFailure failure(1);
    for (Icecream *flavor : again)
        EXPECT_NO_THROW(truck.addIcecreamFlavor(flavor));
}
