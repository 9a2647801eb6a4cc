# Shared helpers for the subsystem libraries.

add_library(tagora_warnings INTERFACE)
target_compile_options(tagora_warnings INTERFACE -Wall -Wextra -Wpedantic
  $<$<BOOL:${TAGORA_WERROR}>:-Werror>)

add_library(tagora_paths INTERFACE)
target_compile_definitions(tagora_paths INTERFACE
  TAGORA_SOURCE_RESOURCES="${PROJECT_SOURCE_DIR}/resources"
  TAGORA_INSTALL_RESOURCES="${CMAKE_INSTALL_PREFIX}/share/tagora")

# Headers nearly every file parses; never the umbrella headers.
set(TAGORA_PCH_HEADERS
  <QtCore/QString> <QtCore/QStringList> <QtCore/QList> <QtCore/QByteArray> <QtCore/QObject>
  <QtGui/QImage> <QtGui/QColor> <QtGui/QFont>
  <vector> <string> <memory> <algorithm> <functional>)

# tagora_library(NAME [DIRS dirs...] [FILES paths...] [QT components...] [EXCLUDE paths...] [DEPS ...]
#                [PRIVATE_DEPS ...])
# One static library from the sources under src/<dir> for each dir, and the listed files (paths under
# src/). Sources are globbed so that each subsystem adds files without touching shared build files;
# FILES is for a part of a folder (a widget-free base).
function(tagora_library name)
  cmake_parse_arguments(ARG "" "" "DIRS;FILES;QT;EXCLUDE;DEPS;PRIVATE_DEPS" ${ARGN})
  if(NOT ARG_QT)
    set(ARG_QT Core Gui Widgets PrintSupport)
  endif()
  list(TRANSFORM ARG_QT PREPEND "Qt6::")
  set(srcs ${ARG_FILES})
  list(TRANSFORM srcs PREPEND "${PROJECT_SOURCE_DIR}/src/")
  foreach(dir ${ARG_DIRS})
    file(GLOB_RECURSE dir_srcs CONFIGURE_DEPENDS
      ${PROJECT_SOURCE_DIR}/src/${dir}/*.cpp ${PROJECT_SOURCE_DIR}/src/${dir}/*.h ${PROJECT_SOURCE_DIR}/src/${dir}/*.ui)
    list(APPEND srcs ${dir_srcs})
  endforeach()
  foreach(ex ${ARG_EXCLUDE})
    list(FILTER srcs EXCLUDE REGEX "/src/${ex}$")
  endforeach()
  add_library(${name} STATIC ${srcs})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_QT} ${ARG_DEPS}
    PRIVATE tagora_warnings ${ARG_PRIVATE_DEPS})
  if(TAGORA_PCH)
    target_precompile_headers(${name} PRIVATE ${TAGORA_PCH_HEADERS})
  endif()
endfunction()

