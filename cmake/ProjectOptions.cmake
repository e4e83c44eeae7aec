# Options shared by every target of the project; link `project_options`
# instead of repeating flags per target.
add_library(project_options INTERFACE)
target_compile_features(project_options INTERFACE cxx_std_20)
target_compile_options(project_options INTERFACE
  $<$<CXX_COMPILER_ID:GNU,Clang>:-Wall -Wextra>)
target_compile_definitions(project_options INTERFACE
  QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_KEYWORDS)
target_include_directories(project_options INTERFACE ${PROJECT_SOURCE_DIR})

if(VOLARO_SANITIZE)
  target_compile_options(project_options INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(project_options INTERFACE -fsanitize=address,undefined)
endif()

# Fuzzing instruments every library for libFuzzer (clang only).
if(VOLARO_FUZZ)
  target_compile_options(project_options INTERFACE
    -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  target_link_options(project_options INTERFACE -fsanitize=address,undefined)
endif()

# A static library of one subsystem folder.
function(volaro_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_link_libraries(${name} PUBLIC project_options ${ARG_LIBS})
endfunction()

# One GoogleTest executable per subsystem, each case registered with CTest.
# Paths of the build machine as the tests see them: a cross-built Windows
# test under Wine reaches them through drive Z:.
# Wine hands no QT_* variable on to a Windows program, so the fonts of the
# offscreen drawing there are named by the test programs themselves.
set(VOLARO_TEST_FONT_DIR "")
if(WIN32 AND CMAKE_CROSSCOMPILING)
  set(VOLARO_TEST_PATH_PREFIX "Z:")
  set(VOLARO_TEST_FONT_DIR "Z:/usr/share/fonts/truetype/dejavu")
endif()

# POSIX_SOURCES and WINDOWS_SOURCES hold the few tests that only make sense
# on one kind of system. APPLICATION widgets|gui: the program's main makes
# that application object once for all its tests (tests/support).
function(volaro_test name)
  cmake_parse_arguments(ARG "" "APPLICATION" "SOURCES;POSIX_SOURCES;WINDOWS_SOURCES;LIBS" ${ARGN})
  # Every test program keeps the backups of the files it writes in the build
  # folder, run by ctest or by hand, never in the user's data folder.
  set(backups ${PROJECT_SOURCE_DIR}/tests/support/testbackups.cpp)
  if(WIN32)
    add_executable(${name} ${ARG_SOURCES} ${ARG_WINDOWS_SOURCES} ${backups})
  else()
    add_executable(${name} ${ARG_SOURCES} ${ARG_POSIX_SOURCES} ${backups})
  endif()
  if(ARG_APPLICATION STREQUAL "widgets")
    target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support/testmain_widgets.cpp
      ${PROJECT_SOURCE_DIR}/tests/support/testfonts.cpp)
    target_link_libraries(${name} PRIVATE Qt6::Widgets)
  elseif(ARG_APPLICATION STREQUAL "gui")
    target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support/testmain_gui.cpp
      ${PROJECT_SOURCE_DIR}/tests/support/testfonts.cpp)
    target_link_libraries(${name} PRIVATE Qt6::Gui)
  else()
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  target_link_libraries(${name} PRIVATE project_options test_support GTest::gtest GTest::gmock ${ARG_LIBS})
  target_compile_definitions(${name} PRIVATE
    VOLARO_TEST_PATH_PREFIX="${VOLARO_TEST_PATH_PREFIX}"
    VOLARO_TEST_DATA_DIR="${VOLARO_TEST_PATH_PREFIX}${CMAKE_CURRENT_SOURCE_DIR}"
    VOLARO_TEST_BACKUP_DIR="${VOLARO_TEST_PATH_PREFIX}${PROJECT_BINARY_DIR}/test-backups"
    VOLARO_TEST_FONT_DIR="${VOLARO_TEST_FONT_DIR}")
  gtest_discover_tests(${name}
    DISCOVERY_TIMEOUT 60
    # A test that hangs fails in minutes instead of holding the run.
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 180)
endfunction()
