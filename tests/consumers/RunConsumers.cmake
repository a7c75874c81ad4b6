# cmake -DPREFIX=... -DWORK_DIR=... -DLIBDIR=lib -DGYRELLE_PACKAGE=gyrelle -P RunConsumers.cmake
# Builds and runs one consumer of the project installed in PREFIX through
# find_package() and one through pkg-config, checking what they print.
set(prefix ${PREFIX})
if(IS_ABSOLUTE "${LIBDIR}")
  message(FATAL_ERROR "needs a libdir relative to the prefix, not ${LIBDIR}")
endif()
set(libdir ${prefix}/${LIBDIR})
set(expected "spinner 20x20 delay 55 animated
It sells the following flavors: 
  * Installed vanilla

")

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "failed: ${ARGN}")
  endif()
endfunction()

function(check_consumer program)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env LD_LIBRARY_PATH=${libdir} QT_QPA_PLATFORM=offscreen ${program}
    OUTPUT_VARIABLE output RESULT_VARIABLE failed)
  if(failed OR NOT output STREQUAL expected)
    message(FATAL_ERROR "${program} printed:\n${output}\nexpected:\n${expected}")
  endif()
  message(STATUS "${program}: output as expected")
endfunction()

file(REMOVE_RECURSE ${WORK_DIR})

set(here ${CMAKE_CURRENT_LIST_DIR})
run(${CMAKE_COMMAND} -S ${here}/find-package -B ${WORK_DIR}/find-package
    -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_BUILD_TYPE=Release -DGYRELLE_PACKAGE=${GYRELLE_PACKAGE})
run(${CMAKE_COMMAND} --build ${WORK_DIR}/find-package)
check_consumer(${WORK_DIR}/find-package/consumer)

run(${CMAKE_COMMAND} -E env PKG_CONFIG_PATH=${libdir}/pkgconfig
    ${here}/pkg-config/build.sh ${here}/main.cpp ${WORK_DIR}/pkg-config-consumer ${GYRELLE_PACKAGE})
check_consumer(${WORK_DIR}/pkg-config-consumer)
