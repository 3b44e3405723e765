# SPDX-License-Identifier: LGPL-2.1-or-later
# A Windows build cross-compiled on Linux runs its tests under Wine: scripts/wine-run.sh is
# CTest's emulator, so every add_test(COMMAND <target>) runs the .exe there. Qt for MinGW is the
# folder whose lib/cmake holds the Qt5 package found.
set(TARN_WINE ON)
get_filename_component(TARN_WINE_QT ${Qt5_DIR}/../../.. ABSOLUTE)
set(TARN_WINE_RUN ${PROJECT_SOURCE_DIR}/scripts/wine-run.sh
  --prefix ${PROJECT_BINARY_DIR}/wine/template --qt ${TARN_WINE_QT})
set(CMAKE_CROSSCOMPILING_EMULATOR ${TARN_WINE_RUN})
