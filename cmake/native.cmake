# Native (Linux) build: command-line tools, unit tests, benchmarks, fuzz targets.
include(CTest)
find_package(Threads REQUIRED)

# Fuzz targets: fuzz/NAME_fuzz.cpp, each one libFuzzer program (clang only);
# the target `fuzz_targets` builds them all. With WENDRIX_SANITIZE as well (the
# asan preset) they are built with the unit tests, on the one sanitized core
# library: everything is compiled with the fuzzers' coverage instrumentation
# (which costs the unit tests little), and the core library is not compiled a
# second time for the fuzz targets.
if(WENDRIX_FUZZ)
  file(GLOB fuzz_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/fuzz/*_fuzz.cpp)
  if(NOT WENDRIX_SANITIZE)
    # The fuzz targets alone: the core library is built only from what they
    # use, not the whole of it: the engines' folders, and the files named below
    # of the others (the dialogs' models and texts, tray and capture code are
    # not fuzzed). A target that comes to need another file of those fails to
    # link with an undefined reference, and the file goes in this list.
    set(wx_fuzz_other_sources
      app/AppDir_posix.cpp app/AppErrors.cpp app/AppTexts.cpp app/Commands.cpp app/DefinitionsGeometry.cpp
      app/DontShowAgain.cpp app/Edition.cpp app/HotKeys.cpp app/MacroValues_posix.cpp app/MainOptions.cpp
      app/ObjectManager.cpp
      ui/WindowPlacement.cpp
      windows/InstantSpellModel.cpp windows/LiveLayout.cpp windows/LiveSpelling.cpp
      windows/LiveSpellingTexts.cpp windows/SmartBarModel.cpp windows/SmartBarTexts.cpp
      windows/SpellViewerModel.cpp)
    set(wx_fuzz_core_sources)
    foreach(src IN LISTS WX_PORTABLE_SOURCES)
      file(RELATIVE_PATH rel ${CMAKE_SOURCE_DIR} ${src})
      if(rel MATCHES "^(common|spelling|definitions|thesaurus)/" OR rel IN_LIST wx_fuzz_other_sources)
        list(APPEND wx_fuzz_core_sources ${src})
      endif()
    endforeach()
    set_property(TARGET wxcore PROPERTY SOURCES ${wx_fuzz_core_sources})
    target_compile_options(wxcore PUBLIC -fsanitize=fuzzer-no-link,address,undefined)
  else()
    add_compile_options(-fsanitize=fuzzer-no-link)
    target_compile_options(wxcore PUBLIC -fsanitize=fuzzer-no-link)
  endif()
  add_custom_target(fuzz_targets)
  foreach(src IN LISTS fuzz_sources)
    get_filename_component(name ${src} NAME_WE)
    add_executable(${name} ${src})
    target_link_libraries(${name} PRIVATE wxcore)
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    add_dependencies(fuzz_targets ${name})
  endforeach()
  if(NOT WENDRIX_SANITIZE)
    return()
  endif()
endif()

# The engines (common, spelling, definitions, thesaurus) are compiled once, as
# objects that go into the core library and also make a library of their own,
# wxengines, which is all the data builders link: the builders, and the data
# files after them, need not wait for the rest of the core library (the
# application, the dialogs' and Windows-side models: 37 of its 91 files here).
# A builder that comes to need one of those fails to link with an undefined
# reference.
set(wx_engine_sources)
foreach(src IN LISTS WX_PORTABLE_SOURCES)
  file(RELATIVE_PATH rel ${CMAKE_SOURCE_DIR} ${src})
  if(rel MATCHES "^(common|spelling|definitions|thesaurus)/")
    list(APPEND wx_engine_sources ${src})
  endif()
endforeach()
add_library(wxengine_objects OBJECT ${wx_engine_sources})
target_include_directories(wxengine_objects PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(wxengine_objects PRIVATE ${WX_WARNINGS})
get_target_property(wx_core_sources wxcore SOURCES)
list(REMOVE_ITEM wx_core_sources ${wx_engine_sources})
set_property(TARGET wxcore PROPERTY SOURCES ${wx_core_sources} $<TARGET_OBJECTS:wxengine_objects>)
add_library(wxengines STATIC $<TARGET_OBJECTS:wxengine_objects>)
target_include_directories(wxengines PUBLIC ${CMAKE_SOURCE_DIR})

# tools/lib: code shared by the builder tools (readers of the open data they
# build from); it never goes into the program.
file(GLOB tools_lib_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/lib/*.cpp)
add_library(wxtools STATIC ${tools_lib_sources} ${CMAKE_SOURCE_DIR}/tools/lib/Progress.h)
# Its users name the core library they link beside it (the builders
# wxengines, the rest wxcore): no program links both, since an object in two
# archives of one link may be taken from the later one, whose references the
# earlier archive no longer resolves.
target_include_directories(wxtools PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(wxtools PRIVATE ${WX_WARNINGS})

# Each folder tools/NAME (but lib) holds one program called NAME. The target
# `tools` builds them all. The data builders (build-*) are also the target
# `builders` and the install component `builders`: what the data files need,
# without the other tools, the tests and the benchmarks.
add_custom_target(tools)
add_custom_target(builders)
file(GLOB tool_dirs LIST_DIRECTORIES true CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/*)
foreach(dir IN LISTS tool_dirs)
  get_filename_component(tool ${dir} NAME)
  if(IS_DIRECTORY ${dir} AND NOT tool STREQUAL "lib")
    file(GLOB tool_sources CONFIGURE_DEPENDS ${dir}/*.cpp)
    if(tool_sources)
      add_executable(${tool} ${tool_sources})
      if(tool MATCHES "^build-")
        target_link_libraries(${tool} PRIVATE wxtools wxengines Threads::Threads)
      else()
        target_link_libraries(${tool} PRIVATE wxtools wxcore Threads::Threads)
      endif()
      target_compile_options(${tool} PRIVATE ${WX_WARNINGS})
      add_dependencies(tools ${tool})
      if(tool MATCHES "^build-")
        install(TARGETS ${tool} RUNTIME DESTINATION bin COMPONENT builders)
        add_dependencies(builders ${tool})
      else()
        install(TARGETS ${tool} RUNTIME DESTINATION bin COMPONENT tools)
      endif()
    endif()
  endif()
endforeach()

# Unit tests: tests/SUBSYSTEM/*.cpp become one GoogleTest program per subsystem.
# The target `unit_tests` builds them all, with the tools they run.
#
# The test programs' own files are compiled with less optimisation than the
# code they test, which keeps the build's: they are the larger part of the
# build's work, and how fast they run matters little. The optimised build
# compiles them at -O1 (GCC still warns of uninitialised values there), the
# sanitizer build at -O0 (those warnings come from the other build).
if(WENDRIX_SANITIZE)
  set(wx_test_code_options -O0)
else()
  set(wx_test_code_options $<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-O1>)
endif()
if(BUILD_TESTING)
  find_package(GTest REQUIRED)
  include(GoogleTest)
  add_custom_target(unit_tests)
  foreach(sub IN LISTS WENDRIX_SUBSYSTEMS ITEMS tools)
    file(GLOB test_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/${sub}/*.cpp)
    if(test_sources)
      add_executable(${sub}_tests ${test_sources})
      target_link_libraries(${sub}_tests PRIVATE wxtools wxcore GTest::gtest GTest::gtest_main Threads::Threads)
      target_include_directories(${sub}_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
      target_compile_options(${sub}_tests PRIVATE ${WX_WARNINGS} ${wx_test_code_options})
      target_compile_definitions(${sub}_tests PRIVATE
        WX_SOURCE_DIR="${CMAKE_SOURCE_DIR}" WX_BINARY_DIR="${CMAKE_BINARY_DIR}")
      gtest_discover_tests(${sub}_tests DISCOVERY_MODE PRE_TEST
        PROPERTIES ENVIRONMENT "WX_BIN=${CMAKE_BINARY_DIR}")
      add_dependencies(unit_tests ${sub}_tests)
    endif()
  endforeach()
  # Tests that run a tool from the build folder (the builders on small inputs,
  # wendrix-cli on what they wrote) have it built with them.
  add_dependencies(tools_tests build-maindict build-thesaurus wendrix-cli)
  add_dependencies(spelling_tests wendrix-cli)
endif()

# Benchmarks: bench/NAME.cpp, each a program that prints figures. A benchmark
# that needs a peer library names it in a first-line comment "// peer: pkg-config-name".
find_package(PkgConfig)
file(GLOB bench_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*.cpp)
if(WENDRIX_SANITIZE)
  set(bench_sources)  # figures come from the optimised build only
endif()
foreach(src IN LISTS bench_sources)
  get_filename_component(name ${src} NAME_WE)
  file(STRINGS ${src} peer_line LIMIT_COUNT 1 REGEX "^// peer:")
  set(peer_ok TRUE)
  set(peer_libs)
  if(peer_line)
    string(REGEX REPLACE "^// peer:[ ]*" "" peers "${peer_line}")
    separate_arguments(peers)
    foreach(p IN LISTS peers)
      string(MAKE_C_IDENTIFIER ${p} pid)
      if(p MATCHES "^-l")
        list(APPEND peer_libs ${p})
      elseif(PkgConfig_FOUND)
        pkg_check_modules(PEER_${pid} QUIET IMPORTED_TARGET ${p})
        if(PEER_${pid}_FOUND)
          list(APPEND peer_libs PkgConfig::PEER_${pid})
        else()
          set(peer_ok FALSE)
        endif()
      else()
        set(peer_ok FALSE)
      endif()
    endforeach()
  endif()
  if(peer_ok)
    add_executable(bench-${name} ${src})
    target_link_libraries(bench-${name} PRIVATE wxtools wxcore ${peer_libs} Threads::Threads)
    install(TARGETS bench-${name} RUNTIME DESTINATION bin COMPONENT benchmarks)
  else()
    message(STATUS "benchmark ${name} skipped: peer library missing")
  endif()
endforeach()

