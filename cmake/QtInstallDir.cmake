# SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
# SPDX-License-Identifier: MIT

# The folders of the Qt installation the build uses, as Qt itself reports them.

# Sets OUT to the absolute folder that the Qt installation reports as
# QT_INSTALL_<WHAT> (PLUGINS, BINS, LIBEXECS, ...), for the Qt that QT names
# (Qt5 or Qt6, found already).
function(qt_install_dir out what)
  if(QT STREQUAL Qt5)
    get_target_property(qmake Qt5::qmake IMPORTED_LOCATION)
    execute_process(COMMAND ${qmake} -query QT_INSTALL_${what}
      OUTPUT_VARIABLE dir OUTPUT_STRIP_TRAILING_WHITESPACE)
  else()
    set(dir ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_${what}})
  endif()
  set(${out} ${dir} PARENT_SCOPE)
endfunction()
