# Windows build: the resident program, its Windows-side tests and the test driver.
enable_language(RC)
include(CTest)
find_package(Python3 REQUIRED COMPONENTS Interpreter)

# The Windows program is optimised at -O2: -O3's extra inlining and unrolling
# make our code about 15% larger, and the installer must stay small.
string(REPLACE "-O3" "-O2" CMAKE_CXX_FLAGS_RELEASE "${CMAKE_CXX_FLAGS_RELEASE}")

# Each function and object in a section of its own, so that the linker drops
# what the program never calls (the static runtime's and our own).
target_compile_options(wxcore PUBLIC $<$<CONFIG:Release>:-ffunction-sections -fdata-sections>)
target_compile_definitions(wxcore PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
target_link_libraries(wxcore PUBLIC comctl32 shell32 ole32 uuid user32 gdi32 advapi32 comdlg32 shlwapi version uxtheme)

# Icons are drawn by a script at build time: the program icon and 16 tray frames.
set(WX_ICON_DIR ${CMAKE_BINARY_DIR}/icons)
set(WX_ICON_NAMES ZONE ZTWO ZTHREE ZFOUR ZFIVE ZSIX ZSEVEN ZEIGHT ZNINE ZTEN ZELEVEN
    ZTWELVE ZTHIRTEEN ZFOURTEEN ZFIFTEEN ZSIXTEEN)
set(WX_ICON_FILES ${WX_ICON_DIR}/MAINICON.ico)
foreach(n IN LISTS WX_ICON_NAMES)
  list(APPEND WX_ICON_FILES ${WX_ICON_DIR}/${n}.ico)
endforeach()
add_custom_command(OUTPUT ${WX_ICON_FILES}
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/resources/make_icons.py ${WX_ICON_DIR}
  DEPENDS ${CMAKE_SOURCE_DIR}/resources/make_icons.py
  COMMENT "Drawing the program icon and tray animation frames")
# The Smart Bar's button images, drawn by a second script with the same icon writer.
set(WX_SMARTBAR_ICON_FILES)
foreach(n IN ITEMS SBSPELL SBTHES SBDEFS SBEDITOR SBOPTIONS SBHELP)
  list(APPEND WX_SMARTBAR_ICON_FILES ${WX_ICON_DIR}/${n}.ico)
endforeach()
add_custom_command(OUTPUT ${WX_SMARTBAR_ICON_FILES}
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/resources/make_smartbar_icons.py ${WX_ICON_DIR}
  DEPENDS ${CMAKE_SOURCE_DIR}/resources/make_smartbar_icons.py ${CMAKE_SOURCE_DIR}/resources/make_icons.py
  COMMENT "Drawing the Smart Bar's button images")
list(APPEND WX_ICON_FILES ${WX_SMARTBAR_ICON_FILES})
add_custom_target(wx_icons DEPENDS ${WX_ICON_FILES})

file(GLOB WX_RC_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/*.rc)
set_source_files_properties(${WX_RC_FILES} PROPERTIES
  OBJECT_DEPENDS "${WX_ICON_FILES};${CMAKE_SOURCE_DIR}/resources/WendrixTray.manifest")
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${WX_ICON_DIR} -I${CMAKE_SOURCE_DIR}/resources")

# The program is built as the thesaurus edition (5); the other five editions
# are built too (not installed) so that every edition keeps compiling.
foreach(edition RANGE 0 5)
  if(edition EQUAL 5)
    set(target WendrixTray)
  else()
    set(target WendrixTray-edition${edition})
  endif()
  add_executable(${target} WIN32 ${CMAKE_SOURCE_DIR}/app/WinMain_win.cpp ${CMAKE_SOURCE_DIR}/app/BuildEdition.cpp
                 ${WX_RC_FILES})
  add_dependencies(${target} wx_icons)
  target_link_libraries(${target} PRIVATE wxcore)
  target_compile_options(${target} PRIVATE ${WX_WARNINGS})
  target_compile_definitions(${target} PRIVATE WX_BUILD_EDITION=${edition})
  # The release program carries no symbols (the static runtime brings debug
  # sections of its own, about 0.4 MB the installer would ship).
  target_link_options(${target} PRIVATE -municode $<$<CONFIG:Release>:-s -Wl,--gc-sections>)
endforeach()
install(TARGETS WendrixTray RUNTIME DESTINATION .)
# Our HTML help, opened at the topic of each help context (app/HelpTopics.h),
# written for the edition installed (5) so that it describes what the program
# offers; the writer also checks the page's links.
set(WX_HELP_FILE ${CMAKE_BINARY_DIR}/help/WendrixHelp.html)
add_custom_command(OUTPUT ${WX_HELP_FILE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/help
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/resources/help/make_help.py 5
          ${CMAKE_SOURCE_DIR}/resources/help/WendrixHelp.html ${WX_HELP_FILE}
  DEPENDS ${CMAKE_SOURCE_DIR}/resources/help/make_help.py ${CMAKE_SOURCE_DIR}/resources/help/WendrixHelp.html
  COMMENT "Writing the help page of the thesaurus edition")
add_custom_target(wx_help ALL DEPENDS ${WX_HELP_FILE})
install(FILES ${WX_HELP_FILE} DESTINATION .)

# Windows-side benchmarks: bench/win/NAME.cpp, each a program that prints
# figures under Wine (scripts/live-typing-figures.sh runs live_typing).
file(GLOB win_bench_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/win/*.cpp)
foreach(src IN LISTS win_bench_sources)
  get_filename_component(name ${src} NAME_WE)
  add_executable(bench-${name} ${src})
  target_link_libraries(bench-${name} PRIVATE wxcore psapi)
  target_compile_options(bench-${name} PRIVATE ${WX_WARNINGS})
  target_link_options(bench-${name} PRIVATE -municode)
endforeach()

# Windows-side unit tests (GoogleTest built from Debian's sources), run under Wine.
if(BUILD_TESTING AND EXISTS /usr/src/googletest/CMakeLists.txt)
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  file(GLOB win_test_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win/*.cpp)
  if(win_test_sources)
    add_executable(win_tests ${win_test_sources})
    target_link_libraries(win_tests PRIVATE wxcore gtest gtest_main)
    target_include_directories(win_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    # The window texts in every language run from tests/e2e/test_window_texts.sh
    # at two DPIs, with the data files; the plain run leaves them out.
    add_test(NAME win_tests COMMAND ${CMAKE_SOURCE_DIR}/tests/e2e/with-wine.sh $<TARGET_FILE:win_tests>
             --gtest_filter=-WindowTexts.*)
    set_tests_properties(win_tests PROPERTIES LABELS second-build)
    # A library named riched20.dll and a program that starts and creates the
    # rich edit as ours does: the test puts them side by side.
    add_library(planted_riched20 SHARED ${CMAKE_SOURCE_DIR}/tests/win/planted/PlantedLibrary.cpp)
    set_target_properties(planted_riched20 PROPERTIES OUTPUT_NAME riched20 PREFIX "")
    target_link_options(planted_riched20 PRIVATE -static)
    add_executable(richedit_loader ${CMAKE_SOURCE_DIR}/tests/win/planted/RichEditLoader.cpp)
    target_link_libraries(richedit_loader PRIVATE wxcore)
    add_dependencies(win_tests planted_riched20 richedit_loader)
    target_compile_definitions(win_tests PRIVATE WX_PLANTED_LIBRARY="$<TARGET_FILE:planted_riched20>"
                               WX_RICHEDIT_LOADER="$<TARGET_FILE:richedit_loader>")
    # The tests' own files at -O1 (the core library they test keeps the
    # program's -O2): they compile a third faster.
    foreach(t IN ITEMS win_tests planted_riched20 richedit_loader)
      target_compile_options(${t} PRIVATE $<$<CONFIG:Release>:-O1>)
    endforeach()
  endif()
endif()

# The end-to-end test driver: a console program run inside Wine that finds
# windows, types keys, reads dialog texts and the clipboard.
file(GLOB driver_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/driver/*.cpp)
if(driver_sources)
  add_executable(wxdriver ${driver_sources})
  target_link_libraries(wxdriver PRIVATE user32 gdi32 advapi32 psapi ole32 uuid)
  # Test machinery, not shipped: -O1 compiles a third faster than the program's -O2.
  target_compile_options(wxdriver PRIVATE ${WX_WARNINGS} $<$<CONFIG:Release>:-O1>)
  target_link_options(wxdriver PRIVATE -municode)
endif()

# The installer (NSIS) and the portable zip of the program and its data files,
# in build/mingw/release. They are built with everything when makensis is
# present and the data files lie in WX_DATA_DIR at configure time (the data
# builders run before this build in scripts/build.sh); otherwise the target
# `release` builds them on request.
set(WX_DATA_DIR ${CMAKE_SOURCE_DIR}/dist/windows CACHE PATH "Folder holding the data files the installer ships")
set(WX_DATA_FILES ${WX_DATA_DIR}/Thesaurus.qxt ${WX_DATA_DIR}/Definitions.ydd ${WX_DATA_DIR}/american.qxm)
set(WX_RELEASE_DIR ${CMAKE_BINARY_DIR}/release)
file(STRINGS ${CMAKE_SOURCE_DIR}/resources/WendrixTray.rc wx_file_version REGEX "^FILEVERSION ")
string(REGEX REPLACE "^FILEVERSION ([0-9]+),([0-9]+),([0-9]+),([0-9]+).*" "\\1.\\2.\\3.\\4" WX_VERSION "${wx_file_version}")
# The other interface languages' main dictionaries: components of the
# installer (WendrixSetup) and part of the portable zip, when the data build
# made them. WendrixSetup-...-English leaves them out (a smaller download).
set(WX_LANGUAGE_FILES)
foreach(name british danish dutch french german italian brazilian portuguese spanish swedish)
  list(APPEND WX_LANGUAGE_FILES ${WX_DATA_DIR}/${name}.qxm)
endforeach()
# wx_all_exist(VAR FILE...): VAR is ON when every FILE exists.
function(wx_all_exist var)
  set(all ON)
  foreach(f IN LISTS ARGN)
    if(NOT EXISTS ${f})
      set(all OFF)
    endif()
  endforeach()
  set(${var} ${all} PARENT_SCOPE)
endfunction()
wx_all_exist(wx_languages ${WX_LANGUAGE_FILES})
if(wx_languages)
  set(wx_language_define -DLANGUAGE_DIR=${WX_DATA_DIR})
  list(APPEND WX_DATA_FILES ${WX_LANGUAGE_FILES})
else()
  message(STATUS "Language dictionaries missing in ${WX_DATA_DIR}: the installer offers English only")
  set(wx_language_define)
endif()
set(WX_INSTALLER ${WX_RELEASE_DIR}/WendrixSetup-${WX_VERSION}.exe)
set(WX_INSTALLER_ENGLISH ${WX_RELEASE_DIR}/WendrixSetup-${WX_VERSION}-English.exe)
set(WX_PORTABLE_ZIP ${WX_RELEASE_DIR}/Wendrix-${WX_VERSION}-portable.zip)
find_program(WX_MAKENSIS makensis)
if(WX_MAKENSIS)
  set(wx_nsis_args -V2 -DEXE_DIR=$<TARGET_FILE_DIR:WendrixTray> -DDATA_DIR=${WX_DATA_DIR}
      -DICON_FILE=${WX_ICON_DIR}/MAINICON.ico -DAPP_VERSION=${WX_VERSION} -DHELP_FILE=${WX_HELP_FILE})
  add_custom_command(OUTPUT ${WX_INSTALLER}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${WX_RELEASE_DIR}
    COMMAND ${WX_MAKENSIS} ${wx_nsis_args} ${wx_language_define} -DOUT_FILE=${WX_INSTALLER}
            ${CMAKE_SOURCE_DIR}/installer/Wendrix.nsi
    DEPENDS WendrixTray ${CMAKE_SOURCE_DIR}/installer/Wendrix.nsi ${WX_DATA_FILES} ${WX_ICON_DIR}/MAINICON.ico
            ${WX_HELP_FILE}
    COMMENT "Building the installer ${WX_INSTALLER}")
  add_custom_command(OUTPUT ${WX_INSTALLER_ENGLISH}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${WX_RELEASE_DIR}
    COMMAND ${WX_MAKENSIS} ${wx_nsis_args} -DOUT_FILE=${WX_INSTALLER_ENGLISH} ${CMAKE_SOURCE_DIR}/installer/Wendrix.nsi
    DEPENDS WendrixTray ${CMAKE_SOURCE_DIR}/installer/Wendrix.nsi ${WX_DATA_FILES} ${WX_ICON_DIR}/MAINICON.ico
            ${WX_HELP_FILE}
    COMMENT "Building the English-only installer ${WX_INSTALLER_ENGLISH}")
  add_custom_command(OUTPUT ${WX_PORTABLE_ZIP}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${WX_RELEASE_DIR}/Wendrix ${WX_PORTABLE_ZIP}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${WX_RELEASE_DIR}/Wendrix
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:WendrixTray> ${WX_DATA_FILES} ${WX_HELP_FILE}
            ${WX_RELEASE_DIR}/Wendrix/
    COMMAND ${CMAKE_COMMAND} -E chdir ${WX_RELEASE_DIR} zip -q -9 -r ${WX_PORTABLE_ZIP} Wendrix
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${WX_RELEASE_DIR}/Wendrix
    DEPENDS WendrixTray ${WX_DATA_FILES} ${WX_HELP_FILE}
    COMMENT "Packing the portable zip ${WX_PORTABLE_ZIP}")
  wx_all_exist(wx_data_present ${WX_DATA_FILES})
  if(NOT wx_data_present)
    message(STATUS "Data files missing in ${WX_DATA_DIR}: the installer is built only by the target `release`")
    add_custom_target(release DEPENDS ${WX_INSTALLER} ${WX_INSTALLER_ENGLISH} ${WX_PORTABLE_ZIP})
  else()
    add_custom_target(release ALL DEPENDS ${WX_INSTALLER} ${WX_INSTALLER_ENGLISH} ${WX_PORTABLE_ZIP})
  endif()
  install(FILES ${WX_INSTALLER} ${WX_INSTALLER_ENGLISH} ${WX_PORTABLE_ZIP} DESTINATION ../windows-release OPTIONAL)
else()
  message(STATUS "makensis not found: no installer (scripts/deps.sh installs it)")
endif()

# End-to-end tests: tests/e2e/test_*.sh, each run with the installed program.
# Each has a virtual display, a Wine prefix and a temporary folder of its own
# (tests/e2e/lib.sh), but they run one at a time: some measure how the
# program keeps up with a user's keys, which a second test beside them, on a
# machine as busy as the test command keeps it, made miss (a selection read
# one letter long).
#
# The label second-build marks the Windows tests that need more than the
# program, the test driver and the thesaurus, definitions and American English
# dictionary: win_tests.exe, the installer, the zip or the other languages'
# dictionaries. scripts/test.sh builds those while the other tests run, and
# runs these after them.
set(wx_e2e_second_build test_high_dpi test_installer test_languages test_window_texts)
if(BUILD_TESTING AND TARGET wxdriver)
  file(GLOB e2e_scripts CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/test_*.sh)
  foreach(script IN LISTS e2e_scripts)
    get_filename_component(name ${script} NAME_WE)
    add_test(NAME e2e_${name} COMMAND bash ${script})
    if(name IN_LIST wx_e2e_second_build)
      set_tests_properties(e2e_${name} PROPERTIES LABELS second-build)
    endif()
    set_tests_properties(e2e_${name} PROPERTIES
      ENVIRONMENT "WX_EXE=$<TARGET_FILE:WendrixTray>;WX_DRIVER=$<TARGET_FILE:wxdriver>;WX_SOURCE_DIR=${CMAKE_SOURCE_DIR};WX_BINARY_DIR=${CMAKE_BINARY_DIR};WX_DATA_DIR=${WX_DATA_DIR};WX_INSTALLER=${WX_INSTALLER};WX_INSTALLER_ENGLISH=${WX_INSTALLER_ENGLISH};WX_PORTABLE_ZIP=${WX_PORTABLE_ZIP}"
      TIMEOUT 300 RUN_SERIAL TRUE)
  endforeach()
endif()

# The target `test_programs` builds what the end-to-end tests run: the
# program, its help page, edition 0 (every service: some tests start it) and
# the test driver. scripts/build.sh compiles it while the data files are built;
# the Windows tests, the installer and the zip come after, and the other
# editions and the benchmarks last.
add_custom_target(test_programs)
add_dependencies(test_programs WendrixTray WendrixTray-edition0 wx_help)
if(TARGET wxdriver)
  add_dependencies(test_programs wxdriver)
endif()
