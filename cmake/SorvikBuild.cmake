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

# sorvik_test_suite(NAME SOURCES ... LIBS ...)
# One GoogleTest executable per suite. cmake/TestEnvironment.cpp sets the environment the
# tests expect (offscreen Qt, SORVIK_SOURCE_DIR, SORVIK_BINARY_DIR).
function(sorvik_test_suite name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;PROPERTIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES} ${PROJECT_SOURCE_DIR}/cmake/TestEnvironment.cpp)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
  set_source_files_properties(${PROJECT_SOURCE_DIR}/cmake/TestEnvironment.cpp TARGET_DIRECTORY ${name}
    PROPERTIES COMPILE_DEFINITIONS
    "SORVIK_TEST_SOURCE_DIR=\"${PROJECT_SOURCE_DIR}\";SORVIK_TEST_BINARY_DIR=\"${PROJECT_BINARY_DIR}\"")
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES TIMEOUT 600 ${ARG_PROPERTIES})
endfunction()
