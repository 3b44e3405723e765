# SPDX-License-Identifier: LGPL-2.1-or-later
# Installs BUILD_DIR (COMPONENT, when given, alone; several build folders one after the other)
# into PREFIX emptied first: a file an older build installed there, such as a header since moved,
# must not stand in for this build's.
file(REMOVE_RECURSE ${PREFIX})
set(component)
if(COMPONENT)
  set(component --component ${COMPONENT})
endif()
foreach(build IN LISTS BUILD_DIR)
  execute_process(COMMAND ${CMAKE_COMMAND} --install ${build} --prefix ${PREFIX}
    --config ${BUILD_TYPE} ${component} RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "installing ${build} into ${PREFIX} failed")
  endif()
endforeach()
