# Command-line tests of beltcalc-batch: each runs the tool on a file of
# tests/data and checks the exit status and what it printed.
if(NOT TARGET beltcalc-batch)
  return()
endif()

function(belt_batch_test name)
  cmake_parse_arguments(T "" "EXIT;ARGS;STDOUT;STDERR;CHECKS" "" ${ARGN})
  add_test(NAME batch_${name}
           COMMAND ${CMAKE_COMMAND} -DBATCH=$<TARGET_FILE:beltcalc-batch> "-DARGS=${T_ARGS}" -DEXIT=${T_EXIT}
                   "-DSTDOUT=${T_STDOUT}" "-DSTDERR=${T_STDERR}" "-DCHECKS=${T_CHECKS}"
                   -P ${CMAKE_CURRENT_LIST_DIR}/check_batch.cmake)
endfunction()

set(data ${BELT_TEST_DATA_DIR})
# Debian's python3 first: a python3 of one's own may lack python3-ezdxf.
find_program(BELT_PYTHON3 python3 PATHS /usr/bin NO_DEFAULT_PATH)
find_program(BELT_PYTHON3 python3)

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

# A project of a belt family the program does not have: refused by name.
belt_batch_test(info_unknown_family EXIT 2
  ARGS "info|${data}/unknown-family.dat" STDERR "unknown-family.dat: Unknown belt family .ACME.\n")
belt_batch_test(calc_unknown_family EXIT 2
  ARGS "calc|${data}/unknown-family.dat|--length|standard"
  STDERR "unknown-family.dat: Unknown belt family .ACME.\n")

belt_batch_test(info_missing_file EXIT 2
  ARGS "info|${data}/no such file.dat"
  STDERR "cannot read the project file .*no such file.dat: No such file or directory")

belt_batch_test(info_unknown_unit EXIT 2
  ARGS "info|${data}/oldstyle.dat|--units|mm,rpm,kg,N,kWh"
  STDERR "unknown unit .kWh. for power. choose one of: kW, W, kcal/h, kgf m/s, lbf ft/s, CV, HP")

belt_batch_test(info_without_file EXIT 2 ARGS "info" STDERR "which project file")
belt_batch_test(info_help EXIT 0 ARGS "info|--help" STDOUT "Usage: beltcalc-batch info FILE.dat .--units LIST.@@torque: +N m, kgf m, lbf ft")
belt_batch_test(help EXIT 0 ARGS "--help" STDOUT "Commands:\n  calc FILE.dat .options.  .*\n  info FILE.dat.*\n  paths FILE.dat")
# In the build tree the example is the copy beside the tool.
belt_batch_test(help_names_the_example EXIT 0 ARGS "--help"
  STDOUT "An example project to try them on:\n  .*/src/batch/examples/demo.dat\n")
belt_batch_test(no_command EXIT 2 ARGS "" STDERR "Usage: beltcalc-batch COMMAND")
belt_batch_test(unknown_command EXIT 2 ARGS "frob" STDERR "unknown command .frob.")

# calc and paths. The demonstration design: path 2, the longer of the rounded
# lengths (2190 mm), pulley 2 moved up to fit it, the proposed width.
set(demo_calc "calc|${data}/demo-design.dat|--path|2|--double-sided|no|--length|rounded|--pick|longer|--adjust-pulley|2|--axis|y|--width|proposed")
belt_batch_test(calc_demonstration_json EXIT 0
  ARGS "${demo_calc}|--json"
  CHECKS "schema=1@@outcome=done@@result/beltCode=85 T10-2190@@result/beltLength:2.18999:2.19001@@result/beltWidth/value:0.08499999:0.08500001@@result/beltWidth/unit=m@@result/safetyFactor:1.67867:1.67868@@result/warnings=[]@@activeScreen=STEP5@@beltCode=85 T10-2190@@beltName=ORVANTO T10@@pulleys/1/number=2@@pulleys/1/role=idler@@pulleys/1/teeth=null@@pulleys/1/position/y:0.60005565:0.60005575@@beltLength:2.18999:2.19001@@pulleys/0/role=driver@@pulleys/0/teeth=23@@pulleys/0/arcOfContact:1.5527174210680:1.5527174210683@@pulleys/1/arcOfContact:2.4943920948489:2.4943920948492@@pulleys/2/arcOfContact:0.2000276346424:0.2000276346427@@pulleys/3/arcOfContact:2.4361034259048:2.4361034259051@@beltPath/path=2@@beltPath/tangents/1=4@@teethInMesh=5@@beltWidthCalculated/value:0.081015:0.081025@@beltWidth/value:0.08499999:0.08500001@@beltWidth/metres:0.08499999:0.08500001@@pulleyFaceWidth:0.09499999:0.09500001@@powerRating:5707.475:5707.485@@safetyFactor:1.67867:1.67868@@serviceFactor:1.5999999:1.6000001@@messages/0/text=Do you want to use a double sided belt? @@messages/0/answer=No@@messages/3/kind=input@@messages/3/text=Recommended belt width is 85.00 [mm]\n\nClick OK to keep this width or enter another width [mm]@@messages/3/answer=85.00@@report/8/label=Belt length@@report/8/value=2190")

belt_batch_test(calc_demonstration_text EXIT 0
  ARGS "${demo_calc}"
  STDOUT "^ORVANTO PU Endless Timing Belt: Size T10\nBelt code: 85 T10-2190\n@@Belt width .calculated. +81.02 .mm.@@Power rating with 85 mm belt width +5.71 .kW.@@INSTALLATION DATA"
  STDERR "question \"ORVANTO T10\":\n +BELT LENGTH@@No standard        2180 mm        2189.89 mm         2190 mm@@Do you want to choose the shorter belt .\n.*\n  -> No\ninput box \"ORVANTO T10: Enter the belt width\":\n  Recommended belt width is 85.00 .mm.")

# The bundled example holds the calculated demonstration: recalculating its
# path gives the same belt without any length question.
belt_batch_test(calc_bundled_example EXIT 0
  ARGS "calc|${CMAKE_SOURCE_DIR}/assets/examples/demo.dat|--path|2|--double-sided|no|--width|proposed"
  STDOUT "Belt code: 85 T10-2190\n@@Idler # 2 +Ø 60.00 mm@@Y - position +600.06 .mm."
  STDERR "Recommended belt width is 85.00 .mm.")

# Fitting the layout to the chosen length is a question like the others.
belt_batch_test(calc_without_adjustment EXIT 2
  ARGS "calc|${data}/demo-design.dat|--path|2|--double-sided|no|--length|rounded|--pick|longer|--width|proposed"
  STDERR "calc: the layout must be fitted to the chosen belt length: answer it with --adjust-pulley K --axis x.y\n$")

belt_batch_test(calc_unanswered_question EXIT 2
  ARGS "calc|${data}/demo-design.dat|--path|2|--double-sided|no|--pick|longer"
  STDERR "Do you want to choose a standard belt .@@answer it with --length standard.rounded")

belt_batch_test(calc_path_beyond_the_layout EXIT 2
  ARGS "calc|${data}/demo-design.dat|--path|3|--length|rounded"
  STDERR "--path 3: the layout has 2 feasible belt paths")

belt_batch_test(calc_wrong_option EXIT 2
  ARGS "calc|${data}/demo-design.dat|--pick|middle" STDERR "--pick takes shorter or longer")

# A width the program would refuse is refused before anything is calculated:
# no design, no second asking.
foreach(width abc 0 -5)
  belt_batch_test(calc_refused_width_${width} EXIT 2
    ARGS "calc|${data}/two-pulley-design.dat|--length|standard|--pick|shorter|--width|${width}"
    STDOUT "^$" STDERR "--width takes .proposed. or a positive width in the length unit, not .${width}.")
endforeach()

belt_batch_test(calc_axis_without_pulley EXIT 2
  ARGS "calc|${data}/demo-design.dat|--axis|x" STDERR "--axis goes with --adjust-pulley")

belt_batch_test(calc_damaged_file EXIT 2
  ARGS "calc|${data}/truncated.dat|--length|standard" STDERR "truncated.dat is damaged or incomplete")

# Pulley 3 put on top of the idler: the program's refusals, no result.
belt_batch_test(calc_overlapping_pulleys EXIT 1
  ARGS "calc|${data}/overlapping-layout.dat|--length|standard"
  STDERR "Pulley interference. Check the data !!!@@This configuration is not possible !!!\n")

belt_batch_test(calc_two_pulleys EXIT 0
  ARGS "calc|${data}/two-pulley-design.dat|--length|standard|--pick|shorter|--width|proposed|--units|,,,,W"
  STDOUT "Belt code: 32 T10-900\n@@Belt width +32 .mm.@@Belt length +900 .mm.@@Power rating +2000.00 .W."
  STDERR "Standard              900 mm        903.38 mm         920 mm@@Standard belt width is 32.00 .mm.")

belt_batch_test(calc_two_pulleys_take_no_path EXIT 2
  ARGS "calc|${data}/two-pulley-design.dat|--path|1" STDERR "--path applies to drives of three or four pulleys")

belt_batch_test(paths_demonstration EXIT 0
  ARGS "paths|${data}/demo-design.dat"
  STDOUT "  1     2 2 2 2 +2209.74 +88.97 118.94 28.98 123.12\n  2     2 4 3 2 +2189.89 +88.97 142.91 11.46 139.58\n")

belt_batch_test(paths_demonstration_json EXIT 0
  ARGS "paths|${data}/demo-design.dat|--json"
  CHECKS "schema=1@@outcome=done@@paths/1/path=2@@paths/1/tangents/1=4@@paths/1/tangents/2=3@@paths/1/beltLength:2.18989444:2.18989445@@paths/0/arcsOfContact/1:2.07588439:2.07588440")

belt_batch_test(paths_overlapping_pulleys EXIT 1
  ARGS "paths|${data}/overlapping-layout.dat"
  STDERR "This configuration is not possible !!! Change pulleys layout!")

# Flat belts: the installation data and the belt thickness come from the flat
# belt data sheet, which the project file does not hold.
belt_batch_test(calc_flat_belt_installation_data EXIT 0
  ARGS "calc|${data}/fendaro-fxa3.dat|--pick|longer|--width|40|--json"
  CHECKS "outcome=done@@beltCode=1477  FXA3 40@@toothDimensions/0:0.001099:0.001101@@report/2/label=Coating material@@report/2/value=Polyurethane on both sides@@report/39/label=Tension installation@@report/39/value=1200.0@@report/39/unit=[N]@@report/40/label=Elongation with installation tension@@report/40/value=0.6%")
# Shaft loads: the two shafts of the flat belt drive pulled towards each
# other with 2 x 1200 N x sin(arc / 2), the slip margin on the driver only;
# no running load on four pulleys; none at all without a tension.
belt_batch_test(calc_shaft_loads_json EXIT 0
  ARGS "calc|${data}/fendaro-fxa3.dat|--pick|longer|--width|40|--json"
  CHECKS "shaftLoads/0/pulley=1@@shaftLoads/0/static/magnitude:2387.98:2387.99@@shaftLoads/0/static/angle=0.0@@shaftLoads/0/static/x:2387.98:2387.99@@shaftLoads/0/static/y=0.0@@shaftLoads/1/static/angle:3.14159:3.1416@@shaftLoads/1/static/x:-2387.99:-2387.98@@shaftLoads/0/running/magnitude:2388.07:2388.08@@shaftLoads/0/running/slipMargin:2.733:2.734@@shaftLoads/1/running/slipMargin=null")
belt_batch_test(calc_shaft_loads_of_four_pulleys_json EXIT 0
  ARGS "${demo_calc}|--json"
  CHECKS "shaftLoads/3/pulley=4@@shaftLoads/0/running=null@@shaftLoads/3/running=null")
belt_batch_test(calc_shaft_loads_without_tension_json EXIT 0
  ARGS "calc|${data}/fendaro-fxa14.dat|--pick|longer|--width|50|--json"
  CHECKS "shaftLoads=[]")
belt_batch_test(calc_semi_elastic_flat_belt EXIT 0
  ARGS "calc|${data}/fendaro-fxa14.dat|--pick|longer|--width|50|--json"
  CHECKS "outcome=done@@toothDimensions/0:0.000599:0.000601@@report/31/label=Tension installation@@report/31/value=SEMI ELASTIC@@report/32/value=16.0%")

# A damaged file with a pulley at 1E+300 m: refused before any geometry,
# where it once left NaN tangent points in the project.
belt_batch_test(calc_layout_beyond_the_limits EXIT 1
  ARGS "calc|${CMAKE_SOURCE_DIR}/fuzz/corpus/projectfile/pulley-at-1e300.dat|--json"
  CHECKS "outcome=stopped@@result=null@@messages/0/text=Pulley positions and diameters must be within 100000 [mm]. Check the data !!!@@pulleys/1/arcOfContact:-7:7")

# propose: the known duty, 3.4 kW at 1200 rpm halved, 300 to 500 mm apart.
set(known_duty "propose|--power|3.4|--rpm|1200|--ratio|2|--centre|300..500")
# The most compact drive first: a multi-rib belt of 4 ribs (6.4 mm wide) and
# 1775 mm, then the 10 mm AT10 belts.
belt_batch_test(propose_known_duty_json EXIT 0
  ARGS "${known_duty}|--top|3|--json"
  CHECKS "schema=1@@outcome=done@@ranking/rule=compact@@candidates:1300:1300@@duty/anyWidth=OFF@@proposals/0/beltName=QUINDEL J@@proposals/0/beltCode=1163  J  9@@proposals/0/envelope:0.0017217:0.0017218@@proposals/0/faceWidth:0.0210599:0.0210601@@proposals/0/pulleys/0/role=driver@@proposals/0/pulleys/0/diameter:0.07999:0.08001@@proposals/0/pulleys/1/ratio:1.9999:2.0001@@proposals/0/answers/pick=shorter@@proposals/1/beltCode=1245  J  7@@proposals/2/rank=3@@proposals/2/beltCode=10 AT10-1300@@proposals/2/beltWidth/value=0.01@@proposals/2/beltWidth/unit=m@@proposals/2/pulleys/0/teeth=33@@proposals/2/teethInMesh=15@@proposals/2/faceWidth:0.01499:0.01501@@dropped/0/count:1:1300")
# A multi-rib belt's width in ribs and in metres (9 ribs of 2.34 mm).
belt_batch_test(propose_multi_rib_json EXIT 0
  ARGS "${known_duty}|--families|QUINDEL|--top|1|--json"
  CHECKS "proposals/0/beltName=QUINDEL J@@proposals/0/beltCode=1163  J  9@@proposals/0/beltWidth/value=9.0@@proposals/0/beltWidth/unit=ribs@@proposals/0/beltWidth/metres:0.0210599:0.0210601@@proposals/0/pulleys/0/teeth=null@@proposals/0/pulleys/0/diameter:0.07999:0.08001@@proposals/0/teethInMesh=null@@proposals/0/answers/pick=shorter")

# A speed given in rpm is converted exactly: 1200 rpm are 40 pi rad/s.
belt_batch_test(propose_exact_speed EXIT 0
  ARGS "${known_duty}|--top|1|--json"
  CHECKS "duty/driverSpeed:125.663706143:125.663706144@@proposals/0/pulleys/0/speed:125.663706143:125.663706144")

# The least over-designed drive first, as the table was ranked before.
belt_batch_test(propose_known_duty_by_margin EXIT 0
  ARGS "${known_duty}|--top|1|--rank|margin|--json"
  CHECKS "ranking/rule=margin@@proposals/0/beltName=ORVANTO T10@@proposals/0/beltCode=12 T10-1390@@proposals/0/pulleys/0/teeth=39@@proposals/0/pulleys/1/teeth=78@@proposals/0/typedCentreDistance:0.39999999:0.40000001@@proposals/0/centreDistance:0.39764:0.39765@@proposals/0/margin:1.0046:1.0047@@proposals/0/safetyFactor:1.2055:1.2057@@proposals/0/answers/length=standard@@proposals/0/answers/pick=shorter")

belt_batch_test(propose_known_duty_text EXIT 0
  ARGS "${known_duty}|--top|2|--rank|margin"
  STDOUT "^Drive proposals: 3.40 kW at 1200 rpm, speed ratio 2.00 .within 2.0 %., centre distance 300..500 mm\nRanked: drives without warnings first, then the lowest margin@@  1 ORVANTO T10 +1390 +12.00 12 T10-1390 +39 z +78 z +2.00 +0.0 +397.65 +7.80 +15 +4.10 +1.21 +1.00 +2.46 standard, shorter, proposed width; -\n  2 QUINDEL H @@\n2 of [0-9]+ proposals shown; 1300 candidates designed, dropped:\n +[0-9]+  the belt would be shorter than the shortest made")
# Widths cut to measure beyond the standard widths, when asked for.
belt_batch_test(propose_any_width_json EXIT 0
  ARGS "${known_duty}|--families|ORVANTO|--any-width|--top|1|--json"
  CHECKS "duty/anyWidth=ON@@proposals/0/beltFamily=ORVANTO")
belt_batch_test(propose_every_row EXIT 0
  ARGS "${known_duty}|--families|quindel|--top|all"
  STDOUT "\n 24 QUINDEL [^\n]*\n\n24 of 24 proposals shown")
belt_batch_test(propose_top_beyond_its_limit EXIT 2
  ARGS "${known_duty}|--top|100001" STDERR "--top takes a whole number from 1 to 100000, or all, not .100001.")
belt_batch_test(propose_unknown_rule EXIT 2
  ARGS "${known_duty}|--rank|cheapest" STDERR "--rank takes compact or margin, not .cheapest.")

# The operation time and driven machine of step 1 make the factor.
belt_batch_test(propose_step1_factors EXIT 0
  ARGS "${known_duty}|--driver|2|--machine|55|--hours|16-24|--families|orvanto,tavoren|--top|1|--json"
  CHECKS "duty/loadFactor:2.0999:2.1001@@duty/operationTime:0.1999:0.2001@@duty/factor:2.2999:2.3001@@proposals/0/serviceFactor:2.4999:2.5001")

belt_batch_test(propose_no_belt_carries_it EXIT 1
  ARGS "propose|--power|400|--rpm|1200|--driven-rpm|600|--centre|300..500|--families|ORVANTO,TAVOREN"
  STDOUT "No drive is proposed for this duty: all [0-9]+ candidates were dropped.\n +[0-9]+  the belt would be wider than the widest made"
  STDERR "No drive is proposed for this duty")

belt_batch_test(propose_power_not_a_number EXIT 2
  ARGS "propose|--power|abc|--rpm|1200|--ratio|2|--centre|300..500" STDERR "--power takes a number, not .abc.")
belt_batch_test(propose_power_zero EXIT 2
  ARGS "propose|--power|0|--rpm|1200|--ratio|2|--centre|300..500"
  STDERR "--power: The power must be above 0 and at most 10 MW.")
belt_batch_test(propose_absurd_speed EXIT 2
  ARGS "propose|--power|3.4|--rpm|1e9|--ratio|2|--centre|300..500"
  STDERR "--rpm: The speed of the driver pulley must be above 0 and at most 1000000 rpm.")
belt_batch_test(propose_centre_backwards EXIT 2
  ARGS "propose|--power|3.4|--rpm|1200|--ratio|2|--centre|500..300"
  STDERR "--centre: The smallest centre distance must not be above the largest.")
belt_batch_test(propose_centre_not_a_range EXIT 2
  ARGS "propose|--power|3.4|--rpm|1200|--ratio|2|--centre|400" STDERR "--centre takes MIN..MAX in mm")
belt_batch_test(propose_two_ratios EXIT 2
  ARGS "${known_duty}|--driven-rpm|600" STDERR "give either --ratio or --driven-rpm")
belt_batch_test(propose_unknown_family EXIT 2
  ARGS "${known_duty}|--families|ORVANTO,VBELT" STDERR "--families: unknown family .VBELT.")
belt_batch_test(propose_machine_without_driver EXIT 2
  ARGS "${known_duty}|--machine|12" STDERR "--driver and --machine go together")
belt_batch_test(propose_factor_and_machine EXIT 2
  ARGS "${known_duty}|--service-factor|1.4|--hours|16-24" STDERR "--service-factor replaces --driver, --machine and --hours")

# A number on the command line takes a point only: "1,500" is neither 1.5
# nor 1500. Each row: the command line up to the option, the option, its text.
set(two_calc "calc|${data}/two-pulley-design.dat|--length|standard|--pick|shorter")
set(demo_fit "calc|${data}/demo-design.dat|--path|2|--axis|y")
foreach(row
    "propose|--power|3,4|--rpm|1200|--ratio|2|--centre|300..500@--power@3,4"
    "propose|--power|3.4|--rpm|1,500|--ratio|2|--centre|300..500@--rpm@1,500"
    "propose|--power|3.4|--rpm|1200|--ratio|2,5|--centre|300..500@--ratio@2,5"
    "propose|--power|3.4|--rpm|1200|--driven-rpm|1,200.5|--centre|300..500@--driven-rpm@1,200.5"
    "${known_duty}|--ratio-tolerance|2,5@--ratio-tolerance@2,5"
    "propose|--power|3.4|--rpm|1200|--ratio|2|--centre|1,000..2,000@--centre@1,000..2,000"
    "${known_duty}|--service-factor|1,4@--service-factor@1,4"
    "${known_duty}|--driver|1|--machine|1,0@--machine@1,0"
    "${known_duty}|--driver|0,0|--machine|3@--driver@0,0"
    "${known_duty}|--max-width|20,5@--max-width@20,5"
    "${known_duty}|--max-diameter|1,000@--max-diameter@1,000"
    "${known_duty}|--top|1,000@--top@1,000"
    "${two_calc}|--width|32,5@--width@32,5"
    "${demo_fit}|--adjust-pulley|2,0@--adjust-pulley@2,0"
    "calc|${data}/demo-design.dat|--path|1,2@--path@1,2")
  string(REPLACE "@" ";" row "${row}")
  list(GET row 0 command)
  list(GET row 1 option)
  list(GET row 2 text)
  string(REPLACE "|" "_" name "${option}_${text}")
  belt_batch_test(decimal_comma${name} EXIT 2
    ARGS "${command}"
    STDOUT "^$" STDERR "^beltcalc-batch [a-z]+: ${option} takes a number with ... as its decimal point and no thousands separator, not .${text}.\n$")
endforeach()

# An option given twice is refused, never half obeyed; so are options that
# cannot both be served.
foreach(row
    "tables|idler|--pdf|${CMAKE_CURRENT_BINARY_DIR}/p1.pdf|--pdf|${CMAKE_CURRENT_BINARY_DIR}/p2.pdf@--pdf"
    "${two_calc}|--details|--details@--details"
    "${known_duty}|--power|4@--power"
    "${two_calc}|--width=32|--width|40@--width"
    "info|${data}/oldstyle.dat|--units|in|--units=mm@--units")
  string(REPLACE "@" ";" row "${row}")
  list(GET row 0 command)
  list(GET row 1 option)
  belt_batch_test(repeated${option} EXIT 2
    ARGS "${command}" STDOUT "^$" STDERR "^beltcalc-batch [a-z]+: option ${option} is given twice\n$")
endforeach()
belt_batch_test(calc_details_and_save_to_standard_output EXIT 2
  ARGS "${two_calc}|--width|proposed|--details|--save|-"
  STDOUT "^$" STDERR "^beltcalc-batch calc: --save to standard output leaves no room for --details\n$")

# A saved design reads back with its torque, and only an open-end belt shows
# a pull of its own.
belt_batch_test(info_torque_of_a_design_given_by_its_power EXIT 0
  ARGS "info|${CMAKE_SOURCE_DIR}/assets/examples/demo.dat"
  STDOUT "Power +3.40 .kW.\n  Torque +27.06 .N m.\n@@Power rating +5.71 .kW.\n  Teeth in mesh +5\n")

# What a script reads: calc and propose agree on one drive, every failure
# is a JSON object with --json, and control characters arrive escaped.
foreach(section same-drive errors terminal nulls)
  add_test(NAME batch_scripting_${section}
           COMMAND ${BELT_PYTHON3} ${CMAKE_CURRENT_LIST_DIR}/check_scripting.py $<TARGET_FILE:beltcalc-batch> ${data}
                   ${CMAKE_CURRENT_BINARY_DIR}/scripting/${section} ${section})
endforeach()

# The manual page describes every key of every command's JSON, and lists no
# key that none writes.
add_test(NAME batch_manpage_json_keys
         COMMAND ${BELT_PYTHON3} ${CMAKE_CURRENT_LIST_DIR}/check_manpage_keys.py $<TARGET_FILE:beltcalc-batch>
                 ${CMAKE_SOURCE_DIR}/packaging/beltcalc-batch.1.in ${data} ${CMAKE_SOURCE_DIR}/assets/examples/demo.dat)

# The calculation details: every result of calc --json has its entry with the
# very value, for one design of each family, four pulleys and an omega drive.
add_test(NAME batch_calc_details
         COMMAND ${BELT_PYTHON3} ${CMAKE_CURRENT_LIST_DIR}/check_details.py $<TARGET_FILE:beltcalc-batch> ${data})

# The command line: "--" ends the options, a word with "-" is an option,
# errors name their own command, an extra word is named.
belt_batch_test(version EXIT 0 ARGS "--version" STDOUT "^beltcalc-batch [0-9]+\\.[0-9]+")
belt_batch_test(help_states_the_units_and_statuses EXIT 0 ARGS "--help"
  STDOUT "every value in SI units@@  2  error: a wrong command line")
belt_batch_test(info_after_double_dash EXIT 2 ARGS "info|--|--json"
  STDERR "cannot read the project file --json: No such file or directory")
belt_batch_test(info_single_dash_option EXIT 2 ARGS "info|-x|${data}/oldstyle.dat" STDERR "info: unknown option -x\n")
belt_batch_test(info_from_standard_input EXIT 2 ARGS "info|-" STDERR "not from standard input")
belt_batch_test(calc_value_option_without_value EXIT 2
  ARGS "calc|${data}/two-pulley-design.dat|--save|--json" STDERR "calc: option --save needs a value")
belt_batch_test(calc_two_files EXIT 2
  ARGS "calc|${data}/two-pulley-design.dat|${data}/oldstyle.dat" STDERR "one project file at a time: .*oldstyle.dat. is one too many")
belt_batch_test(calc_no_proposed_flat_width EXIT 2
  ARGS "calc|${data}/fendaro-fxa14.dat|--pick|longer|--width|proposed"
  STDERR "this flat belt type has no power rating, so no width is proposed: answer it with --width VALUE")
belt_batch_test(calc_save_to_standard_output EXIT 0
  ARGS "calc|${data}/two-pulley-design.dat|--length|standard|--pick|shorter|--width|proposed|--save|-"
  STDOUT "^\"STEP5\"\r\n@@\"32 T10-900\"\r\n" STDERR "Standard belt width is 32.00")
belt_batch_test(calc_save_and_json_on_standard_output EXIT 2
  ARGS "calc|${data}/two-pulley-design.dat|--save|-|--json" STDERR "--save to standard output leaves no room for --json")
belt_batch_test(info_json EXIT 0
  ARGS "info|${CMAKE_SOURCE_DIR}/assets/examples/demo.dat|--json|--units|in"
  CHECKS "schema=1@@outcome=done@@beltCode=85 T10-2190@@beltLength:2.18999:2.19001@@pulleys/3/role=driven@@pulleys/3/teeth=61@@safetyFactor:1.67867:1.67868@@remarks=This is an example of VESTRANO BELT DRIVE Calculation")

# The commands that write pages and layouts.
include(${CMAKE_CURRENT_LIST_DIR}/pages.cmake)
