# Every library of the project is Quavix::<Name>. Its headers are reached as
# "<folder>/<header>.h", the folder as seen from the source root (e.g. "platform/sound/..."), and
# only by the library itself and what links it: each library has an include root of its own in
# the build tree, holding a link to its folder alone, instead of the whole source tree.

# quavix_library(<Name> <STATIC|OBJECT|INTERFACE> [sources...]): the library of the folder being
# configured, as Quavix::<Name>; its own target_*() commands name it quavix_<name> (MidiInput:
# quavix_midi_input).
function(quavix_library name type)
  string(REGEX REPLACE "([a-z])([A-Z])" "\\1_\\2" target "${name}")
  string(TOLOWER "quavix_${target}" target)
  add_library(${target} ${type} ${ARGN})
  add_library(Quavix::${name} ALIAS ${target})
  set(scope PUBLIC)
  if(type STREQUAL INTERFACE)
    set(scope INTERFACE)
  endif()
  quavix_expose_folder(${target} ${scope} ${CMAKE_CURRENT_SOURCE_DIR})
endfunction()

# quavix_expose_folder(<target> <scope> <folder>): lets <target> (and, with PUBLIC or INTERFACE,
# what links it) include the headers of <folder> by their path from the source root.
function(quavix_expose_folder target scope folder)
  file(RELATIVE_PATH relative ${PROJECT_SOURCE_DIR} ${folder})
  set(root ${PROJECT_BINARY_DIR}/include/${target})
  set(link ${root}/${relative})
  if(IS_SYMLINK ${link})
    file(READ_SYMLINK ${link} old)
    if(NOT old STREQUAL folder)
      file(REMOVE ${link})
    endif()
  endif()
  if(NOT IS_SYMLINK ${link})
    get_filename_component(parent ${link} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${folder} ${link} SYMBOLIC)
  endif()
  target_include_directories(${target} ${scope} ${root})
endfunction()
