# Shared build settings: compiler cache, warnings, Qt precompiled header, test suites.

find_program(SORVIK_CCACHE ccache)
if(SORVIK_CCACHE)
  # Precompiled headers defeat ccache unless it is told to trust their defines and times.
  set(_launcher ${CMAKE_COMMAND} -E env
      CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
      ${SORVIK_CCACHE})
  set(CMAKE_C_COMPILER_LAUNCHER ${_launcher})
  set(CMAKE_CXX_COMPILER_LAUNCHER ${_launcher})
endif()

add_compile_options(-Wall -Wextra -Wno-unused-parameter)

# Qt targets share one precompiled header list.
function(sorvik_qt_pch target)
  target_precompile_headers(${target} PRIVATE
    <QtCore/QString> <QtCore/QStringList> <QtCore/QList> <QtCore/QHash>
    <QtCore/QMap> <QtCore/QVariant> <QtCore/QDate> <QtCore/QDir> <QtCore/QFile>
    <QtCore/QObject> <memory> <vector> <string> <functional>)
endfunction()

function(sorvik_qt_widgets_pch target)
  target_precompile_headers(${target} PRIVATE
    <QtWidgets/QWidget> <QtWidgets/QLabel> <QtWidgets/QPushButton> <QtGui/QPainter>
    <QtCore/QString> <QtCore/QStringList> <QtCore/QList> <QtCore/QVariant>
    <QtCore/QDate> <memory> <vector> <functional>)
endfunction()

# sorvik_check_sources(TARGET...)
# Fails the configure when a .h or .cpp file under the targets' folder (subfolders with a
# CMakeLists.txt of their own aside) is in none of their source lists, so that a file or a
# whole subfolder can never drop out of the build unnoticed.
function(sorvik_check_sources)
  get_target_property(dir ${ARGV0} SOURCE_DIR)
  set(listed)
  foreach(target ${ARGN})
    get_target_property(sources ${target} SOURCES)
    foreach(source ${sources})
      get_filename_component(source ${source} ABSOLUTE BASE_DIR ${dir})
      list(APPEND listed ${source})
    endforeach()
  endforeach()
  file(GLOB_RECURSE found ${dir}/*.h ${dir}/*.cpp)
  file(GLOB_RECURSE own_builds ${dir}/*/CMakeLists.txt)
  foreach(build ${own_builds})
    get_filename_component(sub ${build} DIRECTORY)
    list(FILTER found EXCLUDE REGEX "^${sub}/")
  endforeach()
  list(REMOVE_ITEM found ${listed})
  if(found)
    list(JOIN found "\n  " missing)
    message(FATAL_ERROR "Files that no target of ${dir} builds:\n  ${missing}")
  endif()
endfunction()

# Test programs parse GoogleTest (and most of them Qt) in every file; a precompiled header
# built once by a carrier target saves that. The compiler takes a precompiled header only
# when the flags and macros it was made with match: the carriers link Qt Core (whose
# interface adds -fPIC and its macros) as every suite does, and both are compiled alike
# by sorvik_test_compile_settings. Qt Test stays out of the header: its headers read a
# macro that Qt defines differently for every test folder.
set(SORVIK_TEST_PCH <gtest/gtest.h> <QtCore/QString> <QtCore/QStringList> <QtCore/QList>
  <memory> <functional> <string> <vector>)
set(SORVIK_TEST_QT_PCH ${SORVIK_TEST_PCH}
  <QtCore/QVariant> <QtCore/QDate> <QtCore/QDir> <QtCore/QFile> <QtCore/QTemporaryDir>
  <QtCore/QTimer> <QtGui/QImage> <QtGui/QKeyEvent> <QtGui/QMouseEvent> <QtGui/QAction>
  <QtWidgets/QApplication> <QtWidgets/QWidget> <QtWidgets/QDialog> <QtWidgets/QLabel>
  <QtWidgets/QLineEdit> <QtWidgets/QPushButton> <QtWidgets/QCheckBox> <QtWidgets/QComboBox>
  <QtWidgets/QTabWidget> <QtWidgets/QTreeView> <QtWidgets/QMenu>)

# Test code is compiled for debugging rather than speed (-Og: about half the time of -O2;
# the code under test keeps its own optimisation), without position-independent code of
# its own and without moc, which no test needs.
function(sorvik_test_compile_settings target)
  set_target_properties(${target} PROPERTIES POSITION_INDEPENDENT_CODE OFF AUTOMOC OFF)
  target_compile_options(${target} PRIVATE -Og)
endfunction()

# sorvik_test_environment(TARGET)
# Gives a test program cmake/TestEnvironment.cpp, which sets the environment the tests
# expect (offscreen Qt, SORVIK_SOURCE_DIR, SORVIK_BINARY_DIR) when the caller did not.
function(sorvik_test_environment target)
  target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/cmake/TestEnvironment.cpp)
  set_source_files_properties(${PROJECT_SOURCE_DIR}/cmake/TestEnvironment.cpp TARGET_DIRECTORY ${target}
    PROPERTIES SKIP_PRECOMPILE_HEADERS ON COMPILE_DEFINITIONS
    "SORVIK_TEST_SOURCE_DIR=\"${PROJECT_SOURCE_DIR}\";SORVIK_TEST_BINARY_DIR=\"${PROJECT_BINARY_DIR}\"")
endfunction()

# sorvik_test_suite(NAME SOURCES ... LIBS ... [GUI] [PROPERTIES ...])
# One GoogleTest executable per suite. cmake/TestEnvironment.cpp sets the environment the
# tests expect (offscreen Qt, SORVIK_SOURCE_DIR, SORVIK_BINARY_DIR, the database engine's
# private lock folder). GUI suites get the one
# application object of the test support library before their first test.
function(sorvik_test_suite name)
  cmake_parse_arguments(ARG "GUI" "" "SOURCES;LIBS;PROPERTIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  sorvik_test_environment(${name})
  if(ARG_GUI)
    target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support/GuiTestMain.cpp)
    list(APPEND ARG_LIBS sorvik-test-support)
  endif()
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} sorvik-common Qt6::Core GTest::gtest GTest::gtest_main GTest::gmock)
  sorvik_test_compile_settings(${name})
  if(sorvik-test-support IN_LIST ARG_LIBS)
    target_precompile_headers(${name} REUSE_FROM sorvik-test-support)
  else()
    target_precompile_headers(${name} REUSE_FROM sorvik-test-pch)
  endif()
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES TIMEOUT 600 ${ARG_PROPERTIES})
endfunction()
