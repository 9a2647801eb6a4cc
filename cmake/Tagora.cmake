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

# tagora_assert_no_widgets(target)
# Fails the configuration when Qt Widgets (or a library that needs it) is in the target's link
# closure: its own link libraries, theirs, and so on, private dependencies of static libraries and
# objects linked through $<TARGET_OBJECTS> included. Call it once every target is defined.
function(tagora_assert_no_widgets target)
  set(queue ${target})
  set(seen "")
  set(path_${target} ${target})
  while(queue)
    list(POP_FRONT queue current)
    if(current IN_LIST seen)
      continue()
    endif()
    list(APPEND seen ${current})
    set(items "")
    if(TARGET ${current})
      get_target_property(aliased ${current} ALIASED_TARGET)
      if(aliased)
        set(items ${aliased})
      else()
        get_target_property(interface ${current} INTERFACE_LINK_LIBRARIES)
        if(interface)
          list(APPEND items ${interface})
        endif()
        get_target_property(imported ${current} IMPORTED)
        if(current STREQUAL target AND NOT imported)
          get_target_property(own ${current} LINK_LIBRARIES)
          if(own)
            list(APPEND items ${own})
          endif()
        endif()
        get_target_property(type ${current} TYPE)
        if(type STREQUAL "OBJECT_LIBRARY")
          get_target_property(own ${current} LINK_LIBRARIES)
          if(own)
            list(APPEND items ${own})
          endif()
        endif()
      endif()
    endif()
    foreach(item ${items})
      # $<LINK_ONLY:x> and $<TARGET_OBJECTS:x> name a target; other expressions are walked as text.
      string(REGEX REPLACE "^\\$<(LINK_ONLY|TARGET_OBJECTS):(.*)>$" "\\2" name "${item}")
      if(name MATCHES "Widgets|PrintSupport")
        message(FATAL_ERROR "${target} must link no Qt Widgets, but links ${name} through ${path_${current}}")
      endif()
      if(TARGET ${name} AND NOT name IN_LIST seen)
        set(path_${name} "${path_${current}} -> ${name}")
        list(APPEND queue ${name})
      endif()
    endforeach()
  endwhile()
endfunction()
