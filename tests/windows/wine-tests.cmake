# SPDX-License-Identifier: LGPL-2.1-or-later
# The unit tests of a Windows build run under Wine (CTest's emulator, cmake/TarnWine.cmake), most
# twice: on the offscreen platform (label "offscreen"), and on the windows platform plugin, which
# drives real Win32 windows inside Wine (label "windows", the test's name with a "_windows"
# suffix). Both on a private virtual display: without one Wine makes no window, not even Qt's
# hidden message window.

# The frame's test, which holds the top-most test, runs on the windows platform only: the Win32
# calls take winId(), which is no window handle on the offscreen platform, so that test skips
# there, and CI counts a skip as a failure. Its other tests run offscreen in the Linux build.
set(TARN_WINE_WINDOWS_ONLY tst_tarnbasedialog)

# tarn_add_wine_tests(<name>): the QtTest program <name>.
function(tarn_add_wine_tests name)
  add_test(NAME ${name}_windows COMMAND ${name})
  set_tests_properties(${name}_windows PROPERTIES TIMEOUT 180 ${TARN_SKIP_PROPERTIES})
  if(NOT name IN_LIST TARN_WINE_WINDOWS_ONLY)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
      TIMEOUT 180
      ${TARN_SKIP_PROPERTIES}
      LABELS "wine;offscreen"
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TARN_WINE_QTEST=1")
  endif()
  set_tests_properties(${name}_windows PROPERTIES
    LABELS "wine;windows"
    ENVIRONMENT "QT_QPA_PLATFORM=windows;TARN_WINE_QTEST=1")
endfunction()
