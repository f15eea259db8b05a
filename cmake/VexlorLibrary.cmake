# vexlor_library(<target> PUBLIC_HEADERS <header>... [LINK <target>...] [EXCLUDE <file>...])
#
# A static library of every *.cpp (and *.h) of the current folder but main.cpp
# and the files named by EXCLUDE. Its own sources
# include its headers as "<folder>/<header>"; the libraries and programs that
# link it see only the headers listed as PUBLIC_HEADERS, so the others stay
# internal. Both views are folders of links to the sources, made at configure
# time in the build tree: <build>/include/<folder>/{public,private}/<folder>/.
function(vexlor_library target)
  cmake_parse_arguments(ARG "" "" "PUBLIC_HEADERS;LINK;EXCLUDE" ${ARGN})
  get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  list(REMOVE_ITEM sources ${CMAKE_CURRENT_SOURCE_DIR}/main.cpp)
  foreach(file IN LISTS ARG_EXCLUDE)
    list(REMOVE_ITEM sources ${CMAKE_CURRENT_SOURCE_DIR}/${file})
  endforeach()
  add_library(${target} STATIC ${sources})

  set(views ${CMAKE_BINARY_DIR}/include/${folder})
  file(REMOVE_RECURSE ${views})
  file(MAKE_DIRECTORY ${views}/public/${folder} ${views}/private)
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${views}/private/${folder} SYMBOLIC)
  foreach(header IN LISTS ARG_PUBLIC_HEADERS)
    if(NOT EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${header})
      message(FATAL_ERROR "${folder}: public header ${header} does not exist")
    endif()
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR}/${header} ${views}/public/${folder}/${header} SYMBOLIC)
  endforeach()
  target_include_directories(${target} PUBLIC ${views}/public PRIVATE ${views}/private)
  target_link_libraries(${target} PUBLIC ${ARG_LINK})
endfunction()
