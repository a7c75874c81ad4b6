# SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
# SPDX-License-Identifier: MIT

# libFuzzer targets, built only on request (the fuzz preset).

option(UNIVERSE_GYRELLE_BUILD_FUZZERS "Build the libFuzzer targets (clang; set UNIVERSE_GYRELLE_SANITIZERS to include fuzzer-no-link)" OFF)

# A libFuzzer target NAME from SOURCE, linked with the given libraries.
function(add_fuzzer name source)
  add_executable(${name} ${source})
  project_target_defaults(${name})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tools)
  target_link_libraries(${name} PRIVATE ${ARGN})
endfunction()
