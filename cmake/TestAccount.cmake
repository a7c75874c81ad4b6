# SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
# SPDX-License-Identifier: MIT

# The tests run in an account of their own (build/test-account: home, settings,
# caches, runtime folder), made anew whenever ctest reads the tests, before it
# runs any: no test reads or writes the user's settings, caches or shell history
# (fontconfig, fish, dconf...), and every run is a first one, as on a new
# machine. ctest reads the script from every folder with tests, so that
# ctest --test-dir <build>/<folder> uses it too.
function(project_test_account)
  set(script ${PROJECT_BINARY_DIR}/TestAccount.cmake)
  set(account ${PROJECT_BINARY_DIR}/test-account)
  file(CONFIGURE OUTPUT ${script} CONTENT [[
file(REMOVE_RECURSE "@account@")
file(MAKE_DIRECTORY "@account@/runtime")
file(CHMOD "@account@/runtime" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
set(ENV{HOME} "@account@")
set(ENV{XDG_CONFIG_HOME} "@account@/.config")
set(ENV{XDG_CACHE_HOME} "@account@/.cache")
set(ENV{XDG_DATA_HOME} "@account@/.local/share")
set(ENV{XDG_STATE_HOME} "@account@/.local/state")
set(ENV{XDG_RUNTIME_DIR} "@account@/runtime")
]] @ONLY)
  set(folders ${PROJECT_SOURCE_DIR})
  while(folders)
    list(POP_FRONT folders folder)
    set_property(DIRECTORY ${folder} APPEND PROPERTY TEST_INCLUDE_FILES ${script})
    get_property(subfolders DIRECTORY ${folder} PROPERTY SUBDIRECTORIES)
    list(APPEND folders ${subfolders})
  endwhile()
endfunction()
