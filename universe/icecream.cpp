#include <universe/icecream.h>

Icecream::Icecream(const std::string &flavor)
    : flavor(flavor)
{
}

Icecream *Icecream::clone()
{
    return new Icecream(*this);
}

Icecream::~Icecream() = default;

std::string Icecream::getFlavor()
{
    return flavor;
}
