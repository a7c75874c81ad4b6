// SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
// SPDX-License-Identifier: MIT

#include <universe/truck.h>

#include <iostream>
#include <memory>
#include <random>

Truck::Truck(bool leaveOnDestruction)
    : leaveOnDestruction(leaveOnDestruction)
    , arrivalMessage("A new icecream truck has arrived!\n")
{
}

// Delegating first makes this a constructed truck, so if cloning throws part-way
// the destructor runs and deletes the clones already taken (its flag is false,
// so it writes nothing).
Truck::Truck(const Truck &other)
    : Truck(false)
{
    *this = other;
}

Truck &Truck::operator=(const Truck &other)
{
    if (this == &other)
        return *this;
    clearFlavors();
    for (Icecream *icecream : other.flavors)
        addIcecreamFlavor(icecream->clone());
    return *this;
}

Truck::~Truck()
{
    if (leaveOnDestruction) {
        // The application may have enabled exceptions on std::cout; one escaping a
        // destructor would terminate the process. The stream's state keeps the error.
        try {
            leave();
        } catch (...) {
        }
    }
    clearFlavors();
}

void Truck::addIcecreamFlavor(Icecream *icecream)
{
    if (!icecream)
        return;
    // Owned from here on: if the list cannot grow, the flavor is deleted, not leaked.
    std::unique_ptr<Icecream> owned(icecream);
    flavors.push_back(owned.get());
    owned.release();
}

void Truck::printAvailableFlavors() const
{
    std::cout << "It sells the following flavors: \n";
    for (Icecream *icecream : flavors)
        std::cout << "  * " << icecream->getFlavor() << '\n';
    std::cout << '\n';
}

void Truck::arrive() const
{
    std::cout << arrivalMessage;
}

void Truck::leave() const
{
    std::cout << "The truck left the neighborhood.\n";
}

void Truck::setLeaveOnDestruction(bool leaveOnDestruction)
{
    this->leaveOnDestruction = leaveOnDestruction;
}

void Truck::setArrivalMessage(const std::string &arrivalMessage)
{
    this->arrivalMessage = arrivalMessage;
}

void Truck::clearFlavors()
{
    for (Icecream *icecream : flavors)
        delete icecream;
    flavors.clear();
}

bool Truck::deliver() const
{
    std::random_device device("default");
    std::mt19937 engine(device());
    std::uniform_int_distribution<int> oneOrTwo(1, 2);
    std::cout << "The truck started delivering icecream to all the kids in the neighborhood.\n";
    return oneOrTwo(engine) == 2;
}
