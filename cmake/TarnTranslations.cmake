# SPDX-License-Identifier: LGPL-2.1-or-later
# The .ts files are sources kept in git; the build only compiles them (lrelease) and embeds the
# .qm files. Included by each folder that embeds translations: Linguist's targets are visible
# in the including folder only.
if(CMAKE_CROSSCOMPILING)
  include(${CMAKE_CURRENT_LIST_DIR}/TarnHostLinguist.cmake)
else()
  find_package(${TARN_QT} ${TARN_QT_MINIMUM} REQUIRED COMPONENTS LinguistTools)
endif()

# tarn_embed_translations(<variable> <prefix> <.ts file>...): compiles the .ts files and sets
# <variable> to the sources that embed the .qm files under :/<prefix>/. Qt 5 has no helper
# that embeds translations, so the built .qm files are listed in a generated resource file.
function(tarn_embed_translations out prefix)
  qt_add_translation(qm_files ${ARGN})
  set(entries "")
  foreach(qm IN LISTS qm_files)
    get_filename_component(name ${qm} NAME)
    string(APPEND entries "    <file alias=\"${name}\">${qm}</file>\n")
  endforeach()
  string(REPLACE "/" "_" stem ${prefix})
  set(qrc ${CMAKE_CURRENT_BINARY_DIR}/${stem}.qrc)
  file(CONFIGURE OUTPUT ${qrc} CONTENT
    "<RCC>\n  <qresource prefix=\"/${prefix}\">\n${entries}  </qresource>\n</RCC>\n")
  set_source_files_properties(${qrc} PROPERTIES SKIP_AUTORCC ON)
  qt_add_resources(sources ${qrc})
  set(${out} ${sources} PARENT_SCOPE)
endfunction()
