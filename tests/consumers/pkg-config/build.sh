#!/bin/sh
# Builds the consumer with nothing but pkg-config's flags. Qt 5 requires
# position-independent code from whoever includes its headers.
set -eu
c++ -std=c++17 -fPIC "$1" -o "$2" $(pkg-config --cflags --libs universe gyrelle)
