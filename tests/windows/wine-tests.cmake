# SPDX-License-Identifier: LGPL-2.1-or-later
# The unit tests of a Windows build run under Wine (CTest's emulator, cmake/TarnWine.cmake), each
# twice: on the offscreen platform (label "offscreen"), and on the windows platform plugin, which
# drives real Win32 windows inside Wine (label "windows", the test's name with a "_windows"
# suffix). Both on a private virtual display: without one Wine makes no window, not even Qt's
# hidden message window.

# tarn_add_wine_tests(<name>): the QtTest program <name>.
function(tarn_add_wine_tests name)
  add_test(NAME ${name} COMMAND ${name})
  add_test(NAME ${name}_windows COMMAND ${name})
  set_tests_properties(${name} ${name}_windows PROPERTIES TIMEOUT 180 ${TARN_SKIP_PROPERTIES})
  set_tests_properties(${name} PROPERTIES
    LABELS "wine;offscreen"
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TARN_WINE_QTEST=1")
  set_tests_properties(${name}_windows PROPERTIES
    LABELS "wine;windows"
    ENVIRONMENT "QT_QPA_PLATFORM=windows;TARN_WINE_QTEST=1")
endfunction()
