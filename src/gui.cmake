# The Qt part of the program. Included by src/CMakeLists.txt when BELT_GUI is
# ON, before the batch tool, which paints pages with the libraries below.
find_package(Qt6 REQUIRED COMPONENTS Gui Widgets Svg PrintSupport)
find_package(PkgConfig REQUIRED)
pkg_check_modules(FLUIDSYNTH REQUIRED IMPORTED_TARGET fluidsynth)
# ALSA only to keep its messages about a missing sound card off stderr.
pkg_check_modules(ALSA REQUIRED IMPORTED_TARGET alsa)

include(GNUInstallDirs)

# Painters and printed pages need Qt Gui only (no widgets), so the headless
# batch tool can paint the same pages.
belt_layer(belt_drawing drawing beltcore Qt6::Gui)
file(GLOB print_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/print/*.cpp)
add_library(belt_print STATIC ${print_sources} ${CMAKE_CURRENT_SOURCE_DIR}/export/svglayout.cpp)
target_include_directories(belt_print PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_compile_options(belt_print PRIVATE ${BELT_WARNINGS})
target_link_libraries(belt_print PUBLIC belt_drawing belt_export Qt6::Gui)

# The SVG writer, the one user of Qt SVG: linked by the batch tool, and built
# into the desktop program's output module.
add_library(belt_svg STATIC ${CMAKE_CURRENT_SOURCE_DIR}/export/svgfile.cpp)
target_include_directories(belt_svg PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_compile_options(belt_svg PRIVATE ${BELT_WARNINGS})
target_link_libraries(belt_svg PUBLIC Qt6::Gui Qt6::Svg)

# The output module (output/outputdevices.h): the print preview and the SVG
# writer, with Qt's print support and SVG libraries, loaded by the desktop
# program when first used, so that it starts without them. Built beside
# beltcalc, installed in a folder of the program's own under the library
# folder; beltcalc finds it there relative to its own folder.
add_library(beltcalc-output MODULE ${CMAKE_CURRENT_SOURCE_DIR}/output/outputmodule.cpp
            ${CMAKE_CURRENT_SOURCE_DIR}/export/svgfile.cpp)
set_target_properties(beltcalc-output PROPERTIES PREFIX "" LIBRARY_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
                      CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
target_include_directories(beltcalc-output PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_compile_options(beltcalc-output PRIVATE ${BELT_WARNINGS})
target_link_libraries(beltcalc-output PRIVATE Qt6::Widgets Qt6::PrintSupport Qt6::Svg)
file(RELATIVE_PATH output_module_from_bin ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_LIBDIR}/beltcalc)

# Headers are globbed too: AUTOMOC only finds a Q_OBJECT header that has no
# source file of the same name when the header is part of the target.
file(GLOB beltgui_sources CONFIGURE_DEPENDS
  ${CMAKE_CURRENT_SOURCE_DIR}/app/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/app/*.h
  ${CMAKE_CURRENT_SOURCE_DIR}/screens/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/screens/*.h)
list(REMOVE_ITEM beltgui_sources ${CMAKE_CURRENT_SOURCE_DIR}/app/main.cpp)

add_library(beltgui STATIC ${beltgui_sources})
set_target_properties(beltgui PROPERTIES AUTOMOC ON)
target_include_directories(beltgui PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_compile_options(beltgui PRIVATE ${BELT_WARNINGS})
# fluidsynth (and ALSA through it) is loaded by the tune's thread with
# dlopen: only its headers here, so the program starts without its libraries.
# Neither Qt SVG nor Qt print support: the output module brings them.
target_link_libraries(beltgui PUBLIC belt_print Qt6::Widgets ${CMAKE_DL_LIBS})
target_compile_definitions(beltgui PRIVATE BELT_OUTPUT_MODULE_FROM_BIN="${output_module_from_bin}")
target_include_directories(beltgui PRIVATE $<TARGET_PROPERTY:PkgConfig::FLUIDSYNTH,INTERFACE_INCLUDE_DIRECTORIES>
                           $<TARGET_PROPERTY:PkgConfig::ALSA,INTERFACE_INCLUDE_DIRECTORIES>)

add_executable(beltcalc ${CMAKE_CURRENT_SOURCE_DIR}/app/main.cpp)
set_target_properties(beltcalc PROPERTIES AUTOMOC ON
                      RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
target_compile_options(beltcalc PRIVATE ${BELT_WARNINGS})
target_compile_definitions(beltcalc PRIVATE BELT_APP_ID="${BELT_APP_ID}")
target_link_libraries(beltcalc PRIVATE beltgui)
add_dependencies(beltcalc beltcalc-output)
belt_copy_assets(beltcalc)

# The authoring tools draw with the program's painters.
add_subdirectory(${PROJECT_SOURCE_DIR}/tools ${PROJECT_BINARY_DIR}/tools)
