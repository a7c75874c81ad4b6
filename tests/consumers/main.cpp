// SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
// SPDX-License-Identifier: MIT

// An application of both libraries, built against an installed copy of them.
#include <gyrelle/gyrelle.h>
#include <universe/truck.h>

#include <QApplication>

#include <iostream>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Gyrelle spinner;
    spinner.setProperty("delay", 55);
    spinner.startAnimation();
    std::cout << "spinner " << spinner.sizeHint().width() << 'x' << spinner.sizeHint().height() << " delay "
              << spinner.animationDelay() << (spinner.isAnimated() ? " animated\n" : "\n");

    Truck truck;
    truck.addIcecreamFlavor(new Icecream("Installed vanilla"));
    Truck copy(truck);
    copy.printAvailableFlavors();
    return 0;
}
