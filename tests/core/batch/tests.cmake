# Command-line tests of beltcalc-batch: each runs the tool on a file of
# tests/data and checks the exit status and what it printed.
if(NOT TARGET beltcalc-batch)
  return()
endif()

function(belt_batch_test name)
  cmake_parse_arguments(T "" "EXIT;ARGS;STDOUT;STDERR" "" ${ARGN})
  add_test(NAME batch_${name}
           COMMAND ${CMAKE_COMMAND} -DBATCH=$<TARGET_FILE:beltcalc-batch> "-DARGS=${T_ARGS}" -DEXIT=${T_EXIT}
                   "-DSTDOUT=${T_STDOUT}" "-DSTDERR=${T_STDERR}" -P ${CMAKE_CURRENT_LIST_DIR}/check_batch.cmake)
endfunction()

set(data ${BELT_TEST_DATA_DIR})

belt_batch_test(info_bundled_example EXIT 0
  ARGS "info|${CMAKE_SOURCE_DIR}/assets/examples/demo.dat"
  STDOUT "Belt +ORVANTO T10@@Drive +4 pulleys@@Belt code")

# Values in the start-up units, as the Unit menu starts.
belt_batch_test(info_default_units EXIT 0
  ARGS "info|${data}/oldstyle.dat"
  STDOUT "Profile group +ORVANTO T\n@@Power +3.40 .kW.\n@@Torque +27.06 .N m.\n@@Peripheral force +739.13 .N.\n@@Dp .mm. +n .rpm. +z +i +X .mm. +Y .mm.\n@@  2 idler +20.00 +200.5 +22 +0.50 +200.00 +-100.00\n@@  4 driven +40.00 +401.1 +44 +1.00 +400.00 +-200.00\n@@Belt length +2190.00 .mm.\n@@Belt width +85.00 .mm. .required 81.02 .mm..\n@@Belt code +85 T10-2190DL\n@@Service factor +1.60\n@@Power rating +5.71 .kW.\n@@Teeth in mesh +5\n@@Conveyor 3, hall B")

belt_batch_test(info_chosen_units EXIT 0
  ARGS "info|${data}/oldstyle.dat|--units|m,rad/s,lb,kgf,W,ft/s,ft/s^2,lbf ft"
  STDOUT "Power +3400.00 .W.\n@@Torque +19.96 .lbf ft.\n@@Belt speed +15.09 .ft/s.\n@@Peripheral force +75.37 .kgf.\n@@  4 driven +0.04 +42.0 +44@@Belt length +2.19 .m.\n@@Power rating +5707.48 .W.\n")

belt_batch_test(info_some_units EXIT 0
  ARGS "info|${data}/oldstyle.dat|--units=in,,,,hp"
  STDOUT "Power +4.56 .HP.\n@@Belt length +86.22 .in.\n@@  4 driven +1.57 +401.1")

belt_batch_test(info_truncated_file EXIT 2
  ARGS "info|${data}/truncated.dat"
  STDERR "truncated.dat is damaged or incomplete: line 701: expected a whole number, found the end of the file"
  STDOUT "damaged: showing the values read before the damage@@Belt +ORVANTO T10@@Power +3.40 .kW.")

belt_batch_test(info_damaged_file EXIT 2
  ARGS "info|${data}/damaged.dat"
  STDERR "damaged.dat is damaged or incomplete: line 38: expected a number, found .abc.\n"
  STDOUT "Belt +ORVANTO T10@@Torque +27.06 .N m.\n@@Power +0.00 .kW.\n@@Belt length +0.00 .mm.\n")

belt_batch_test(info_missing_file EXIT 2
  ARGS "info|${data}/no such file.dat"
  STDERR "cannot read the project file .*no such file.dat: No such file or directory")

belt_batch_test(info_unknown_unit EXIT 1
  ARGS "info|${data}/oldstyle.dat|--units|mm,rpm,kg,N,kWh"
  STDERR "unknown unit .kWh. for power. choose one of: kW, W, kcal/h, kgf m/s, lbf ft/s, CV, HP")

belt_batch_test(info_without_file EXIT 1 ARGS "info" STDERR "which project file")
belt_batch_test(info_help EXIT 0 ARGS "info|--help" STDOUT "Usage: beltcalc-batch info FILE.dat .--units LIST.@@torque: +N m, kgf m, lbf ft")
belt_batch_test(help EXIT 0 ARGS "--help" STDOUT "Commands:\n  info FILE.dat")
belt_batch_test(no_command EXIT 1 ARGS "" STDERR "Usage: beltcalc-batch COMMAND")
belt_batch_test(unknown_command EXIT 1 ARGS "frob" STDERR "unknown command .frob.")
