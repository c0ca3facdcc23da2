# What makes a build quick: a compiler cache, a fast linker and the Qt headers
# parsed once per kind of target instead of once per source file.

# ccache, where it is installed, serves rebuilds of the same sources (other
# presets, other checkouts, CI's next run in a fresh clone). The precompiled
# headers need two sloppinesses: ccache cannot see the macros a header was
# precompiled with, nor tell a fresh .gch from a stale one by its time; CMake
# rebuilds the .gch whenever what it includes changes, so both are safe here.
# Paths inside the checkout count relative to it, and the folder a compiler
# runs in is not compared (it only names the build in the debug information),
# so that another clone hits the same entries; QtTest's folder macros name
# absolute paths, and the tests undefine them (below), so they are left out of
# what ccache compares. A unity group names its files by absolute path, so
# only a clone in the same folder hits those. In depend mode ccache reads the
# headers a compile used from the compiler's own dependency file instead of
# running the preprocessor first, so a miss (every compile of a cold build)
# costs 1 to 3 % more than no cache rather than 5 to 20 %.
find_program(VANTOR_CCACHE ccache)
if(VANTOR_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
  set(CMAKE_CXX_COMPILER_LAUNCHER
      env CCACHE_DEPEND=1 CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
      CCACHE_BASEDIR=${PROJECT_SOURCE_DIR} CCACHE_NOHASHDIR=1
      "CCACHE_IGNOREOPTIONS=-DQT_TESTCASE_BUILDDIR=* -DQT_TESTCASE_SOURCEDIR=*"
      ${VANTOR_CCACHE})
endif()

# mold links a test program in a tenth of the time of GNU ld; lld is next
# best, and the one of the two that links Windows programs. Both come from
# Debian's packages.
option(VANTOR_FAST_LINKER "Link with mold or lld where installed" ON)
if(VANTOR_FAST_LINKER AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  find_program(VANTOR_MOLD mold)
  find_program(VANTOR_LLD ld.lld)
  if(VANTOR_MOLD AND NOT WIN32)
    add_link_options(-fuse-ld=mold)
  elseif(VANTOR_LLD)
    add_link_options(-fuse-ld=lld)
  endif()
endif()

# Precompiled headers, one per kind of target, each built once and reused by
# every target of its kind: the subsystems (QtCore and QtGui), the window
# layer (QtWidgets) and the tests (QtTest and QtWidgets). A kind
# is defined by the Qt modules its targets link, as those set the macros the
# Qt headers read; GCC refuses a header precompiled under other macros, and
# -Winvalid-pch says so instead of silently parsing everything again.
option(VANTOR_PRECOMPILE "Precompile the Qt headers" ON)
set(VANTOR_PCH_gui
  <QString> <QStringList> <QList> <QHash> <QObject> <QFile> <QDir> <QColor> <QImage>
  <QPainter> <QPixmap> <QFont>
  <algorithm> <array> <functional> <optional> <string_view> <vector>)
set(VANTOR_PCH_widgets ${VANTOR_PCH_gui}
  <QApplication> <QWidget> <QLabel> <QComboBox> <QPushButton> <QLineEdit> <QGroupBox>
  <QPlainTextEdit> <QTableView> <QHeaderView> <QAbstractItemView> <QAction> <QMenu>
  <QScreen> <QAccessible>)
set(VANTOR_PCH_test ${VANTOR_PCH_widgets} <QTest> <QSignalSpy>)
set(VANTOR_PCH_LIBS_gui Qt6::Core Qt6::Gui)
set(VANTOR_PCH_LIBS_widgets Qt6::Core Qt6::Gui Qt6::Widgets)
set(VANTOR_PCH_LIBS_test Qt6::Core Qt6::Gui Qt6::Widgets Qt6::Test)
if(VANTOR_PRECOMPILE)
  add_compile_options($<$<COMPILE_LANGUAGE:CXX>:-Winvalid-pch>)
endif()

# Test code is compiled without optimisation: it is half of what the build
# compiles and its own speed hardly matters, as the code it tests is built as
# the program is. QtTest also defines where each test's folders are, a macro
# that differs between test folders and that qtest.h reads; the tests find
# their data through the working directory, never through QFINDTESTDATA, so
# the macro goes and one precompiled header serves every test.
set(VANTOR_TEST_COMPILE_OPTIONS -O0 -UQT_TESTCASE_BUILDDIR -UQT_TESTCASE_SOURCEDIR)
# Under the sanitizers, they watch the program: the tests' own code is built
# without them, which takes a quarter off compiling it and lets the tests'
# own loops (the finder's complete enumeration, the round trips) run at full
# speed; the program's code they call stays sanitized.
if(CMAKE_CXX_FLAGS MATCHES "-fsanitize=")
  list(APPEND VANTOR_TEST_COMPILE_OPTIONS -fno-sanitize=all)
endif()

# vantor_precompile(<target> <kind>): <target> reuses the precompiled header
# of <kind> (gui, widgets, test), made on first use.
function(vantor_precompile target kind)
  if(NOT VANTOR_PRECOMPILE)
    return()
  endif()
  set(host vantor_pch_${kind})
  if(NOT TARGET ${host})
    set(source ${CMAKE_BINARY_DIR}/pch/${kind}.cpp)
    file(CONFIGURE OUTPUT ${source} CONTENT "// Holds the precompiled header of its kind.\n")
    add_library(${host} STATIC ${source})
    target_link_libraries(${host} PRIVATE ${VANTOR_PCH_LIBS_${kind}})
    set_target_properties(${host} PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
    target_precompile_headers(${host} PRIVATE ${VANTOR_PCH_${kind}})
  endif()
  if(kind STREQUAL "test")
    target_compile_options(${host} PRIVATE ${VANTOR_TEST_COMPILE_OPTIONS})
  endif()
  target_precompile_headers(${target} REUSE_FROM ${host})
  # A test's moc file is included by its source, which leaves the target's
  # own moc unit empty: loading the header there would cost a second for
  # nothing.
  get_target_property(binary_dir ${target} BINARY_DIR)
  if(kind STREQUAL "test")
    set_source_files_properties(${binary_dir}/${target}_autogen/mocs_compilation.cpp
                                PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
  endif()
endfunction()

# Unity builds: a library's sources compile in groups of up to eight, one
# compiler run each, which saves a quarter of the build; a one-file edit
# recompiles its group, a few seconds. A group joins its files' anonymous
# namespaces, where a helper of one file could quietly overload another's:
# the tests run on the program as it is built, in groups. The asan preset
# builds every file on its own, for a developer who wants to see that each
# file includes what it uses; CI builds in groups both times, to save time.
option(VANTOR_UNITY_BUILD "Compile the libraries' sources in groups" ON)
function(vantor_unity target)
  if(VANTOR_UNITY_BUILD)
    set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 8)
  endif()
endfunction()
