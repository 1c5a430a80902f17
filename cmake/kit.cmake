# Helpers shared by the deliverables' CMake files.

set(KIT_RES_DIR ${CMAKE_CURRENT_LIST_DIR}/../res)

# kit_resources(target DESCRIPTION text [NAME file-name-without-extension])
# Adds the version resource and the application manifest to a Windows program or library;
# NAME when the file is not named after the target.
function(kit_resources target)
  cmake_parse_arguments(ARG "" "DESCRIPTION;NAME" "" ${ARGN})
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "SHARED_LIBRARY")
    set(KIT_FILE_TYPE "0x2L")
    set(KIT_FILE_EXT ".dll")
  else()
    set(KIT_FILE_TYPE "0x1L")
    set(KIT_FILE_EXT ".exe")
  endif()
  set(KIT_NAME ${target})
  if(ARG_NAME)
    set(KIT_NAME ${ARG_NAME})
  endif()
  set(KIT_DESCRIPTION "${ARG_DESCRIPTION}")
  set(KIT_VERSION_COMMA "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${PROJECT_VERSION_PATCH},0")
  set(KIT_VERSION_TEXT "${PROJECT_VERSION}")
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_res.rc)
  configure_file(${KIT_RES_DIR}/version.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
  set_property(SOURCE ${rc} APPEND PROPERTY OBJECT_DEPENDS ${KIT_RES_DIR}/app.manifest)
  target_include_directories(${target} PRIVATE ${KIT_RES_DIR})
endfunction()

# kit_deliverable(target): copies the built file into dist/ after each build.
function(kit_deliverable target)
  set_property(GLOBAL APPEND PROPERTY KIT_DELIVERABLES ${target})
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E make_directory ${KIT_DIST_DIR}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:${target}> ${KIT_DIST_DIR}/)
endfunction()

# kit_unit_lib(target): a library whose logic the native unit tests link.
function(kit_unit_lib target)
  set_property(GLOBAL APPEND PROPERTY KIT_UNIT_LIBS ${target})
endfunction()

# kit_test_program(target): a win32 program that only the end-to-end tests run.
function(kit_test_program target)
  set_property(GLOBAL APPEND PROPERTY KIT_TEST_PROGRAMS ${target})
endfunction()

# kit_program(target LIBRARY lib DESCRIPTION text SOURCES file...): a window program's logic
# as the library `lib`, which the native unit tests drive headless, and in the Windows builds
# the shipped program `target` around it, made of main.cpp.
function(kit_program target)
  cmake_parse_arguments(ARG "" "LIBRARY;DESCRIPTION" "SOURCES" ${ARGN})
  add_library(${ARG_LIBRARY} STATIC ${ARG_SOURCES})
  target_link_libraries(${ARG_LIBRARY} PUBLIC kit_common kit_ui)
  kit_unit_lib(${ARG_LIBRARY})
  if(WIN32)
    add_executable(${target} WIN32 main.cpp)
    target_link_libraries(${target} PRIVATE ${ARG_LIBRARY})
    kit_resources(${target} DESCRIPTION "${ARG_DESCRIPTION}")
    kit_deliverable(${target})
  endif()
endfunction()
