# The Qt part of the program. Included by src/CMakeLists.txt when BELT_GUI is
# ON, before the batch tool, which paints pages with the libraries below.
find_package(Qt6 REQUIRED COMPONENTS Gui Widgets Svg PrintSupport)
find_package(PkgConfig REQUIRED)
pkg_check_modules(FLUIDSYNTH REQUIRED IMPORTED_TARGET fluidsynth)
# ALSA only to keep its messages about a missing sound card off stderr.
pkg_check_modules(ALSA REQUIRED IMPORTED_TARGET alsa)

# Painters and printed pages need Qt Gui only (no widgets), so the headless
# batch tool can paint the same pages.
belt_layer(belt_drawing drawing beltcore Qt6::Gui)
file(GLOB print_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/print/*.cpp
     ${CMAKE_CURRENT_SOURCE_DIR}/export/svg*.cpp)
add_library(belt_print STATIC ${print_sources})
target_include_directories(belt_print PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_compile_options(belt_print PRIVATE ${BELT_WARNINGS})
target_link_libraries(belt_print PUBLIC belt_drawing belt_export Qt6::Gui Qt6::Svg)

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
target_link_libraries(beltgui PUBLIC belt_print Qt6::Widgets Qt6::Svg Qt6::PrintSupport ${CMAKE_DL_LIBS})
target_include_directories(beltgui PRIVATE $<TARGET_PROPERTY:PkgConfig::FLUIDSYNTH,INTERFACE_INCLUDE_DIRECTORIES>
                           $<TARGET_PROPERTY:PkgConfig::ALSA,INTERFACE_INCLUDE_DIRECTORIES>)

add_executable(beltcalc ${CMAKE_CURRENT_SOURCE_DIR}/app/main.cpp)
set_target_properties(beltcalc PROPERTIES AUTOMOC ON
                      RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
target_compile_options(beltcalc PRIVATE ${BELT_WARNINGS})
target_compile_definitions(beltcalc PRIVATE BELT_APP_ID="${BELT_APP_ID}")
target_link_libraries(beltcalc PRIVATE beltgui)
belt_copy_assets(beltcalc)

# The authoring tools draw with the program's painters.
add_subdirectory(${PROJECT_SOURCE_DIR}/tools ${PROJECT_BINARY_DIR}/tools)
