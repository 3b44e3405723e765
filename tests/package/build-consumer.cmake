# SPDX-License-Identifier: LGPL-2.1-or-later
file(REMOVE_RECURSE ${BUILD_DIR})
# A cross build's consumer takes its toolchain, which finds packages only below the roots given.
set(cross_args "")
if(TOOLCHAIN_FILE)
  set(cross_cache ${BUILD_DIR}-cross.cmake)
  file(WRITE ${cross_cache}
    "set(CMAKE_TOOLCHAIN_FILE \"${TOOLCHAIN_FILE}\" CACHE FILEPATH \"\")\n"
    "set(CMAKE_FIND_ROOT_PATH \"${PREFIX};${TARGET_QT}\" CACHE STRING \"\")\n")
  set(cross_args -C ${cross_cache})
endif()
execute_process(
  COMMAND ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${BUILD_DIR}
    "-DCMAKE_PREFIX_PATH=${PREFIX}" "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}" -DTARN_README=${README}
    -DQT_MAJOR_VERSION=${QT_MAJOR_VERSION}
    ${cross_args}
  RESULT_VARIABLE result)
if(result)
  message(FATAL_ERROR "configuring the consumer failed")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} RESULT_VARIABLE result)
if(result)
  message(FATAL_ERROR "building the consumer failed")
endif()
