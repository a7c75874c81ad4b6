// SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
// SPDX-License-Identifier: MIT

// A truck's day: it arrives, lists what it sells, makes a delivery and leaves.
#include <universe/truck.h>

#include <iostream>
#include <string>
#include <vector>

namespace {

void printUsage(const char *program)
{
    std::cout << "Usage: " << program << " [FLAVOR...]\n"
              << "Sends an ice-cream truck selling FLAVOR... (Vanilla and Chocolate when\n"
              << "none are given) through the neighborhood: it arrives, lists its flavors,\n"
              << "makes one delivery with a random outcome and leaves.\n";
}

} // namespace

int main(int argc, char *argv[])
{
    std::vector<std::string> flavors(argv + 1, argv + argc);
    if (flavors.size() == 1 && (flavors[0] == "--help" || flavors[0] == "-h")) {
        printUsage(argv[0]);
        return 0;
    }
    if (flavors.empty())
        flavors = {"Vanilla", "Chocolate"};

    Truck truck(true);
    for (const std::string &flavor : flavors)
        truck.addIcecreamFlavor(new Icecream(flavor));

    truck.arrive();
    truck.printAvailableFlavors();
    if (truck.deliver())
        std::cout << "Every kid got a cone today.\n";
    else
        std::cout << "The kids will have to wait for tomorrow.\n";
    return 0;
}
