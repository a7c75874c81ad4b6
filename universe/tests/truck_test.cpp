// SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
// SPDX-License-Identifier: MIT

#include "output_capture.h"

#include <universe/truck.h>

#include <gtest/gtest.h>

#include <functional>
#include <iomanip>
#include <memory>
#include <string>
#include <vector>

using namespace std::string_literals;

namespace {

const std::string arrivalText = "A new icecream truck has arrived!\n";
const std::string leaveText = "The truck left the neighborhood.\n";
const std::string headerText = "It sells the following flavors: \n";
const std::string deliveryText = "The truck started delivering icecream to all the kids in the neighborhood.\n";

using Journal = std::vector<std::string>;

// A derived flavor that names itself and writes its clones and deletions to a journal.
class TracedFlavor : public Icecream
{
public:
    TracedFlavor(const std::string &name, Journal &journal)
        : Icecream(name)
        , journal(journal)
    {
    }
    TracedFlavor(const TracedFlavor &) = default;

    Icecream *clone() override
    {
        journal.push_back("clone " + Icecream::getFlavor());
        return new TracedFlavor(*this);
    }
    ~TracedFlavor() override { journal.push_back("delete " + Icecream::getFlavor()); }
    std::string getFlavor() override { return "traced " + Icecream::getFlavor(); }

private:
    Journal &journal;
};

std::string listingOf(const std::vector<std::string> &names)
{
    std::string listing = headerText;
    for (const std::string &name : names)
        listing += "  * " + name + "\n";
    return listing + "\n";
}

// What a truck writes when it is listed.
std::string listed(const Truck &truck)
{
    OutputCapture capture;
    truck.printAvailableFlavors();
    return capture.text();
}

struct OutputCase
{
    const char *name;
    std::function<void()> act;
    std::string expected;
};

void PrintTo(const OutputCase &c, std::ostream *os)
{
    *os << c.name;
}

class TruckOutput : public testing::TestWithParam<OutputCase>
{
};

} // namespace

INSTANTIATE_TEST_SUITE_P(
    truck, TruckOutput,
    testing::Values(OutputCase{"arrive_default", [] { Truck().arrive(); }, arrivalText},
                    OutputCase{"arrive_custom_without_line_feed",
                               [] {
                                   Truck truck;
                                   truck.setArrivalMessage("Ding ding");
                                   truck.arrive();
                               },
                               "Ding ding"},
                    OutputCase{"arrive_custom_with_nul_byte",
                               [] {
                                   Truck truck;
                                   truck.setArrivalMessage("Ding\0ding\n"s);
                                   truck.arrive();
                               },
                               "Ding\0ding\n"s},
                    OutputCase{"leave", [] { Truck().leave(); }, leaveText},
                    OutputCase{"list_empty", [] { Truck().printAvailableFlavors(); }, headerText + "\n"},
                    OutputCase{"list_in_insertion_order",
                               [] {
                                   Journal journal;
                                   Truck truck;
                                   truck.addIcecreamFlavor(new Icecream("Vanilla"));
                                   truck.addIcecreamFlavor(new Icecream(""));
                                   truck.addIcecreamFlavor(new TracedFlavor("Mint", journal));
                                   truck.addIcecreamFlavor(new Icecream("nul\0byte"s));
                                   truck.addIcecreamFlavor(new Icecream("Chocolate"));
                                   truck.printAvailableFlavors();
                               },
                               listingOf({"Vanilla", "", "traced Mint", "nul\0byte"s, "Chocolate"})},
                    OutputCase{"destroyed_with_leave_flag", [] { Truck truck(true); }, leaveText},
                    OutputCase{"destroyed_without_leave_flag", [] { Truck truck(false); }, ""},
                    OutputCase{"flag_set_later",
                               [] {
                                   Truck truck;
                                   truck.setLeaveOnDestruction(true);
                               },
                               leaveText},
                    OutputCase{"flag_cleared_later",
                               [] {
                                   Truck truck(true);
                                   truck.setLeaveOnDestruction(false);
                               },
                               ""},
                    OutputCase{"deliver", [] { Truck().deliver(); }, deliveryText}),
    [](const testing::TestParamInfo<OutputCase> &info) { return info.param.name; });

TEST_P(TruckOutput, writes_exact_bytes_to_cout_only_and_never_flushes)
{
    OutputCapture capture;
    GetParam().act();
    EXPECT_EQ(capture.text(), GetParam().expected);
    EXPECT_EQ(capture.errorText(), "");
    EXPECT_EQ(capture.flushes(), 0);
}

TEST(truck, pending_field_width_pads_only_the_next_insertion)
{
    Truck truck;
    truck.addIcecreamFlavor(new Icecream("Lemon"));
    OutputCapture capture;
    std::cout << std::setfill('.') << std::setw(headerText.size() + 3);
    truck.printAvailableFlavors();
    std::cout << std::setw(leaveText.size() + 2);
    truck.leave();
    truck.setArrivalMessage(""); // even an empty message takes the width
    std::cout << std::setw(3);
    truck.arrive();
    EXPECT_EQ(capture.text(), "..." + headerText + "  * Lemon\n\n" + ".." + leaveText + "...");
}

TEST(truck, writes_nothing_while_cout_has_failed)
{
    Truck truck(true);
    truck.addIcecreamFlavor(new Icecream("Lemon"));
    OutputCapture capture;
    std::cout.setstate(std::ios::failbit);
    truck.arrive();
    truck.printAvailableFlavors();
    truck.deliver();
    truck.leave();
    EXPECT_EQ(capture.text(), "");
}

TEST(truck, copy_gets_clones_default_message_and_no_leave_flag)
{
    Journal journal;
    auto source = std::make_unique<Truck>(true);
    source->setArrivalMessage("changed");
    source->addIcecreamFlavor(new TracedFlavor("A", journal));
    source->addIcecreamFlavor(new TracedFlavor("B", journal));

    auto copy = std::make_unique<Truck>(*source);
    EXPECT_EQ(journal, (Journal{"clone A", "clone B"}));

    OutputCapture capture;
    source.reset();
    EXPECT_EQ(listed(*copy), listingOf({"traced A", "traced B"}));
    copy->arrive();
    copy.reset();
    EXPECT_EQ(capture.text(), leaveText + arrivalText);
    EXPECT_EQ(journal, (Journal{"clone A", "clone B", "delete A", "delete B", "delete A", "delete B"}));
}

TEST(truck, assignment_deletes_own_flavors_then_clones_and_keeps_flag_and_message)
{
    Journal journal;
    Truck source;
    source.addIcecreamFlavor(new TracedFlavor("A", journal));
    source.addIcecreamFlavor(new TracedFlavor("B", journal));
    auto target = std::make_unique<Truck>(true);
    target->setArrivalMessage("kept\n");
    target->addIcecreamFlavor(new TracedFlavor("old", journal));

    *target = source;
    EXPECT_EQ(journal, (Journal{"delete old", "clone A", "clone B"}));
    EXPECT_EQ(listed(*target), listingOf({"traced A", "traced B"}));

    OutputCapture capture;
    target->arrive();
    target.reset();
    EXPECT_EQ(capture.text(), "kept\n" + leaveText);
    EXPECT_EQ(journal, (Journal{"delete old", "clone A", "clone B", "delete A", "delete B"}));
    EXPECT_EQ(listed(source), listingOf({"traced A", "traced B"}));
}

TEST(truck, self_assignment_neither_deletes_nor_clones)
{
    Journal journal;
    Truck truck;
    truck.addIcecreamFlavor(new TracedFlavor("A", journal));
    Truck &same = truck;
    truck = same;
    EXPECT_TRUE(journal.empty());
    EXPECT_EQ(listed(truck), listingOf({"traced A"}));
}

TEST(truck, assigning_an_empty_truck_empties_the_target)
{
    Journal journal;
    Truck target;
    target.addIcecreamFlavor(new TracedFlavor("A", journal));
    target = Truck();
    EXPECT_EQ(journal, Journal{"delete A"});
    EXPECT_EQ(listed(target), listingOf({}));
}

TEST(truck, clear_deletes_each_flavor_once)
{
    Journal journal;
    Truck truck;
    truck.clearFlavors();
    truck.addIcecreamFlavor(new TracedFlavor("A", journal));
    truck.addIcecreamFlavor(new TracedFlavor("B", journal));
    truck.clearFlavors();
    truck.clearFlavors();
    EXPECT_EQ(journal, (Journal{"delete A", "delete B"}));
    EXPECT_EQ(listed(truck), listingOf({}));
}

TEST(truck, destruction_writes_leave_message_before_deleting_any_flavor)
{
    // Each flavor notes what had been written when it was deleted.
    class Witness : public Icecream
    {
    public:
        Witness(const OutputCapture &capture, Journal &seen)
            : Icecream("witness")
            , capture(capture)
            , seen(seen)
        {
        }
        ~Witness() override { seen.push_back(capture.text()); }

    private:
        const OutputCapture &capture;
        Journal &seen;
    };

    OutputCapture capture;
    Journal seen;
    {
        Truck truck(true);
        truck.addIcecreamFlavor(new Witness(capture, seen));
        truck.addIcecreamFlavor(new Witness(capture, seen));
    }
    EXPECT_EQ(seen, (Journal{leaveText, leaveText}));
    EXPECT_EQ(capture.text(), leaveText);
}

TEST(truck, null_flavor_is_ignored)
{
    Truck truck;
    truck.addIcecreamFlavor(new Icecream("A"));
    truck.addIcecreamFlavor(nullptr);
    Truck copy(truck);
    Truck assigned;
    assigned = truck;
    for (const Truck *t : {&truck, &copy, &assigned})
        EXPECT_EQ(listed(*t), listingOf({"A"}));
}

TEST(truck, destructor_swallows_any_stream_exception_and_still_deletes_flavors)
{
    struct RefusingBuffer : std::streambuf
    {
    };
    struct NotAnException
    {
    };
    struct ThrowingBuffer : std::streambuf
    {
        int overflow(int) override { throw NotAnException(); }
    };
    RefusingBuffer refusing; // std::cout throws std::ios_base::failure
    ThrowingBuffer throwing; // std::cout passes NotAnException on
    for (std::streambuf *buffer : std::initializer_list<std::streambuf *>{&refusing, &throwing}) {
        Journal journal;
        OutputCapture capture;
        std::cout.rdbuf(buffer);
        std::cout.exceptions(std::ios::badbit);
        EXPECT_ANY_THROW(Truck().leave());
        std::cout.clear();

        auto truck = std::make_unique<Truck>(true);
        truck->addIcecreamFlavor(new TracedFlavor("A", journal));
        truck->addIcecreamFlavor(new TracedFlavor("B", journal));
        EXPECT_NO_THROW(truck.reset());
        EXPECT_EQ(journal, (Journal{"delete A", "delete B"}));
        EXPECT_TRUE(std::cout.bad());
    }
}

TEST(truck, deliver_writes_its_message_every_call_and_splits_evenly)
{
    constexpr int calls = 4000;
    const Truck truck;
    int twos = 0;
    OutputCapture capture;
    for (int i = 0; i < calls; ++i)
        twos += truck.deliver();

    std::string expected;
    for (int i = 0; i < calls; ++i)
        expected += deliveryText;
    EXPECT_EQ(capture.text(), expected);
    EXPECT_EQ(capture.flushes(), 0);
    // Binomial(4000, 1/2) has a standard deviation of about 32: this is over 6 of them.
    EXPECT_NEAR(twos, calls / 2, 200);
}
