# SPDX-License-Identifier: LGPL-2.1-or-later
# The core library is the host's choice. With TARN_USE_SYSTEM_TARNLIB the UI library links the
# installed package TarnLib (imported target TarnLib::TarnLib, found on CMAKE_PREFIX_PATH; TarnLib6
# and TarnLib6::TarnLib on Qt 6): the product's own, or the stand-in installed on its own.
# Otherwise the stand-in in corelib/ is built.
option(TARN_USE_SYSTEM_TARNLIB "Link an installed core library (find_package(TarnLib))" OFF)

# The core library's headers that the UI library includes, and that its umbrella header brings
# in: what any core library has to offer under these names.
set(TARN_CORE_HEADERS tarnlib.h tarninterface.h shortcutsmanager.h)

# TARN_CORE_RPATH: the core library's folder when the installed UI library has to be told it.
set(TARN_CORE_RPATH "")
if(TARN_USE_SYSTEM_TARNLIB)
  find_package(${TARNLIB_PACKAGE} CONFIG REQUIRED)
  # Outside the system folders the loader finds it only by the UI library's run path.
  get_target_property(core_location ${TARNLIB_PACKAGE}::TarnLib LOCATION)
  get_filename_component(core_dir "${core_location}" DIRECTORY)
  if(NOT core_dir IN_LIST CMAKE_CXX_IMPLICIT_LINK_DIRECTORIES
     AND NOT core_dir IN_LIST CMAKE_PLATFORM_IMPLICIT_LINK_DIRECTORIES)
    set(TARN_CORE_RPATH ${core_dir})
  endif()
  # They build the stand-in's sources for themselves.
  foreach(part BUILD_TESTING TARN_BUILD_GALLERY TARN_BUILD_BENCH TARN_BUILD_FUZZERS)
    if(${part})
      message(STATUS "${part} is off: it needs the stand-in core library")
      set(${part} OFF)
    endif()
  endforeach()
else()
  add_subdirectory(corelib)
endif()
