# SPDX-License-Identifier: LGPL-2.1-or-later
# Cross-compiling: a Qt built for the target has no Linguist of its own, and lrelease writes
# the same .qm bytes for every platform, so the build machine's Qt5LinguistTools are taken,
# from outside the target's find root (Debian: /usr/lib/<multiarch>/cmake; or give
# -DQt5LinguistTools_DIR).
file(GLOB host_linguist_dirs LIST_DIRECTORIES true
  /usr/lib/*/cmake/Qt5LinguistTools /usr/lib64/cmake/Qt5LinguistTools /usr/lib/cmake/Qt5LinguistTools)
find_package(Qt5LinguistTools 5.15 CONFIG REQUIRED NO_CMAKE_FIND_ROOT_PATH
  PATHS ${host_linguist_dirs} NO_DEFAULT_PATH)
