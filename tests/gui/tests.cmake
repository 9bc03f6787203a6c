# QtTest programs for the desktop program, one per tests/gui/test_*.cpp, run
# offscreen. They read assets straight from the source tree.
file(GLOB gui_test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/gui/test_*.cpp)
find_package(Qt6 REQUIRED COMPONENTS Test Svg PrintSupport)
foreach(src ${gui_test_sources})
  get_filename_component(name ${src} NAME_WE)
  add_executable(${name} ${src} ${CMAKE_CURRENT_SOURCE_DIR}/gui/guitestsupport.h)
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  target_link_libraries(${name} PRIVATE beltgui Qt6::Test Qt6::Svg)
  target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/gui)
  target_compile_definitions(${name} PRIVATE BELT_TEST_DATA_DIR="${BELT_TEST_DATA_DIR}"
                             BELT_ASSETS_DIR="${CMAKE_SOURCE_DIR}/assets"
                             BELT_OUTPUT_MODULE_DIR="$<TARGET_FILE_DIR:beltcalc-output>")
  add_dependencies(${name} beltcalc-output)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 120)
endforeach()
# It looks into the print preview of the output module.
target_link_libraries(test_printing PRIVATE Qt6::PrintSupport)

# The desktop program itself started offscreen, as scripts/bench starts it:
# it must quit by itself once its window is shown, with and without a project.
add_test(NAME beltcalc_quit_when_shown COMMAND beltcalc --quit-when-shown)
add_test(NAME beltcalc_quit_when_shown_with_project COMMAND beltcalc ${BELT_TEST_DATA_DIR}/demo-design.dat)
set_tests_properties(beltcalc_quit_when_shown beltcalc_quit_when_shown_with_project PROPERTIES
                     ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 60)
set_tests_properties(beltcalc_quit_when_shown_with_project PROPERTIES
                     ENVIRONMENT "QT_QPA_PLATFORM=offscreen;BELT_QUIT_WHEN_SHOWN=1")

# The program starts without the libraries it needs only later: Qt SVG and
# print support come with its output module, fluidsynth with the tune.
add_test(NAME beltcalc_links_no_late_library
         COMMAND sh -c "! readelf -d \"$1\" | grep -E 'NEEDED.*(Qt6Svg|Qt6PrintSupport|fluidsynth)'"
                 sh $<TARGET_FILE:beltcalc>)
