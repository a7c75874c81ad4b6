// SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
// SPDX-License-Identifier: MIT

#ifndef UNIVERSE_TRUCK_H
#define UNIVERSE_TRUCK_H

#include <universe/icecream.h>
#include <universe/universe_export.h>

#include <string>
#include <vector>

/// An ice-cream truck: owns an ordered list of flavors and announces itself.
///
/// Every message is inserted into std::cout with <<. The truck never flushes the
/// stream; a field width left pending on it pads the next insertion, and nothing
/// is written while it is in a failed state.
///
/// The fields are the class's binary layout: do not reorder or retype them.
class UNIVERSE_EXPORT Truck
{
public:
    /// A truck with no flavors and the default arrival message,
    /// "A new icecream truck has arrived!\n".
    explicit Truck(bool leaveOnDestruction = false);

    /// Clones every flavor of @p other, in order. The flag and the message are not
    /// copied: the copy has leaveOnDestruction false and the default message.
    Truck(const Truck &other);

    /// Deletes this truck's flavors, then clones @p other's. Keeps this truck's flag
    /// and message. Assigning a truck to itself changes nothing.
    Truck &operator=(const Truck &other);

    /// Writes the leave message first if leaveOnDestruction is set, then deletes
    /// every flavor. Lets no exception out.
    ~Truck();

    /// Appends @p icecream (allocated with new) and takes ownership of it, also when
    /// appending throws: the flavor is then deleted. A null pointer is ignored.
    void addIcecreamFlavor(Icecream *icecream);

    /// Writes "It sells the following flavors: \n", a line "  * <name>\n" for each
    /// flavor in insertion order, then one empty line.
    void printAvailableFlavors() const;

    /// Writes the arrival message exactly as stored; no line feed is added.
    void arrive() const;

    /// Writes "The truck left the neighborhood.\n".
    void leave() const;

    /// Whether destroying the truck writes the leave message.
    void setLeaveOnDestruction(bool leaveOnDestruction);

    /// Replaces the text that arrive() writes.
    void setArrivalMessage(const std::string &arrivalMessage);

    /// Deletes every flavor and empties the list; its capacity is kept for reuse.
    void clearFlavors();

    /// Writes "The truck started delivering icecream to all the kids in the
    /// neighborhood.\n" and returns an even-odds random outcome, freshly drawn from
    /// std::random_device on every call. Throws what the random device throws.
    bool deliver() const;

private:
    bool leaveOnDestruction;
    std::string arrivalMessage;
    std::vector<Icecream *> flavors;
};

#endif
