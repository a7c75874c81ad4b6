// SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
// SPDX-License-Identifier: MIT

// libFuzzer target: input bytes become a sequence of operations on three trucks.
// After every step each truck must list exactly the flavors a simple model says
// it holds, write exactly the expected messages, and every flavor ever created
// must be owned by exactly one truck (none leaked, none deleted twice).
#include "fuzz_input.h"

#include <universe/truck.h>

#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

int liveFlavors = 0;

class CountedFlavor : public Icecream
{
public:
    explicit CountedFlavor(const std::string &name)
        : Icecream(name)
    {
        ++liveFlavors;
    }
    CountedFlavor(const CountedFlavor &other)
        : Icecream(other)
    {
        ++liveFlavors;
    }
    ~CountedFlavor() override { --liveFlavors; }
    Icecream *clone() override { return new CountedFlavor(*this); }
};

const std::string defaultArrival = "A new icecream truck has arrived!\n";
const std::string leaveText = "The truck left the neighborhood.\n";
const std::string deliveryText = "The truck started delivering icecream to all the kids in the neighborhood.\n";

// A truck and what it should hold.
struct Slot
{
    std::unique_ptr<Truck> truck = std::make_unique<Truck>(false);
    bool leaves = false;
    std::string arrival = defaultArrival;
    std::vector<std::string> names;

    std::string listing() const
    {
        std::string text = "It sells the following flavors: \n";
        for (const std::string &name : names)
            text += "  * " + name + "\n";
        return text + "\n";
    }
};

std::ostringstream output;

// What the truck code wrote since the last call.
std::string written()
{
    std::string text = output.str();
    output.str(std::string());
    return text;
}

void require(bool condition, const char *what)
{
    if (!condition) {
        std::cerr << "invariant broken: " << what << '\n';
        std::abort();
    }
}

void checkAll(Slot (&slots)[3])
{
    size_t held = 0;
    for (Slot &slot : slots) {
        slot.truck->printAvailableFlavors();
        require(written() == slot.listing(), "listing differs from the flavors given");
        held += slot.names.size();
    }
    require(held == size_t(liveFlavors), "a flavor is leaked or deleted twice");
}

void step(Slot (&slots)[3], FuzzInput &input)
{
    const uint8_t op = input.byte();
    Slot &slot = slots[(op >> 4) % 3];
    Slot &other = slots[input.byte() % 3];
    std::string expected;
    switch (op % 12) {
    case 0: {
        const std::string name = input.text(23);
        slot.truck->addIcecreamFlavor(new CountedFlavor(name));
        slot.names.push_back(name);
        break;
    }
    case 1:
        slot.truck->addIcecreamFlavor(nullptr);
        break;
    case 2:
        slot.truck->clearFlavors();
        slot.names.clear();
        break;
    case 3: // a copy replaces the truck: default message, no leave flag
        slot.truck = std::make_unique<Truck>(*other.truck);
        expected = slot.leaves ? leaveText : "";
        slot.leaves = false;
        slot.arrival = defaultArrival;
        slot.names = other.names;
        break;
    case 4: // assignment, to itself too: flag and message stay
        *slot.truck = *other.truck;
        slot.names = other.names;
        break;
    case 5:
        slot.truck->arrive();
        expected = slot.arrival;
        break;
    case 6:
        slot.arrival = input.text(23);
        slot.truck->setArrivalMessage(slot.arrival);
        break;
    case 7:
        slot.leaves = input.byte() & 1;
        slot.truck->setLeaveOnDestruction(slot.leaves);
        break;
    case 8:
        slot.truck->deliver();
        expected = deliveryText;
        break;
    case 9:
        slot.truck->leave();
        expected = leaveText;
        break;
    case 10: // destroy, and start a new truck in its place
        expected = slot.leaves ? leaveText : "";
        slot = Slot();
        break;
    default:
        slot.truck->printAvailableFlavors();
        expected = slot.listing();
        break;
    }
    require(written() == expected, "unexpected output");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static std::streambuf *const original = std::cout.rdbuf(output.rdbuf());
    (void)original;
    FuzzInput input(data, size);
    {
        Slot slots[3];
        while (!input.empty()) {
            step(slots, input);
            checkAll(slots);
        }
    }
    written();
    require(liveFlavors == 0, "a flavor outlived its truck");
    return 0;
}
