#!/bin/sh

# SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
# SPDX-License-Identifier: MIT

# build.sh SOURCE PROGRAM [GYRELLE_PACKAGE]
# Builds the consumer with nothing but pkg-config's flags. Qt requires
# position-independent code from whoever includes its headers.
set -eu
# pkg-config's answer is a list of flags, split into words on purpose.
# shellcheck disable=SC2046
c++ -std=c++17 -fPIC "$1" -o "$2" $(pkg-config --cflags --libs universe "${3:-gyrelle}")
