# SPDX-License-Identifier: LGPL-2.1-or-later
# Installs BUILD_DIR (COMPONENT, when given, alone) into PREFIX emptied first: a file an older
# build installed there, such as a header since moved, must not stand in for this build's.
file(REMOVE_RECURSE ${PREFIX})
set(component)
if(COMPONENT)
  set(component --component ${COMPONENT})
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
  --config ${BUILD_TYPE} ${component} RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "installing into ${PREFIX} failed")
endif()
