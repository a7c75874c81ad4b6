// SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
// SPDX-License-Identifier: MIT

#include <universe/icecream.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <typeinfo>

using namespace std::string_literals;

class IcecreamNames : public testing::TestWithParam<std::string>
{
};

INSTANTIATE_TEST_SUITE_P(icecream, IcecreamNames,
                         testing::Values(""s, "Vanilla"s, "Rocky road with extra marshmallow"s, "nul\0inside"s,
                                         "\xff\xfe not UTF-8"s));

TEST_P(IcecreamNames, name_passes_unchanged_through_constructor_and_clone)
{
    auto original = std::make_unique<Icecream>(GetParam());
    std::unique_ptr<Icecream> copy(original->clone());
    EXPECT_EQ(original->getFlavor(), GetParam());
    EXPECT_EQ(copy->getFlavor(), GetParam());
}

TEST(icecream, clone_is_an_independent_icecream)
{
    auto original = std::make_unique<Icecream>("Pistachio and a long tail of text");
    std::unique_ptr<Icecream> copy(original->clone());
    ASSERT_NE(copy.get(), original.get());
    EXPECT_EQ(typeid(*copy), typeid(Icecream));

    original.reset();
    EXPECT_EQ(copy->getFlavor(), "Pistachio and a long tail of text");
}
