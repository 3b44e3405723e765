# SPDX-License-Identifier: LGPL-2.1-or-later
# Configures, builds and installs the UI library alone against the core library in CORE_PREFIX.
file(REMOVE_RECURSE ${BUILD_DIR} ${PREFIX})
execute_process(
  COMMAND ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${BUILD_DIR} -G ${GENERATOR}
    -DTARN_USE_SYSTEM_TARNLIB=ON -DCMAKE_PREFIX_PATH=${CORE_PREFIX} -DCMAKE_BUILD_TYPE=${BUILD_TYPE}
    -DCMAKE_CXX_COMPILER_LAUNCHER=${LAUNCHER} -DTARN_BUILD_DESIGNER_PLUGIN=OFF
    -DQT_MAJOR_VERSION=${QT_MAJOR_VERSION}
  RESULT_VARIABLE result)
if(result)
  message(FATAL_ERROR "configuring the UI library against the installed core library failed")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} --parallel 2 RESULT_VARIABLE result)
if(result)
  message(FATAL_ERROR "building the UI library against the installed core library failed")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
  RESULT_VARIABLE result)
if(result)
  message(FATAL_ERROR "installing the UI library failed")
endif()
# What the UI library's package installs must not include a core library of its own.
file(GLOB_RECURSE stray ${PREFIX}/*TarnLib*)
list(FILTER stray EXCLUDE REGEX "/TarnUILib[^/]*$")
if(stray)
  message(FATAL_ERROR "the UI library's package installed a core library: ${stray}")
endif()
