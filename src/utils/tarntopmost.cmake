# SPDX-License-Identifier: LGPL-2.1-or-later
# The Win32 calls live in one file, compiled only where they exist. The cross-compiled Win32
# test (tests/win32) includes this file too, so that it builds them as the library does.
if(WIN32)
  target_sources(TarnUILib PRIVATE ${CMAKE_CURRENT_LIST_DIR}/tarntopmost_win.cpp)
  target_link_libraries(TarnUILib PRIVATE user32)
else()
  target_sources(TarnUILib PRIVATE ${CMAKE_CURRENT_LIST_DIR}/tarntopmost_qt.cpp)
endif()
