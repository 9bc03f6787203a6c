# The commands that write pages: each run writes a PDF with an empty
# environment, and the page's text is checked with pdftotext.
if(NOT TARGET belt_print)
  return()
endif()

function(belt_page_test name)
  cmake_parse_arguments(T "" "EXIT;ARGS;TEXT;ABSENT;STDERR" "" ${ARGN})
  set(pdf ${CMAKE_CURRENT_BINARY_DIR}/pages/${name}.pdf)
  file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/pages)
  string(REPLACE "@PDF@" "${pdf}" args "${T_ARGS}")
  add_test(NAME page_${name}
           COMMAND ${CMAKE_COMMAND} -DBATCH=$<TARGET_FILE:beltcalc-batch> "-DARGS=${args}" -DPDF=${pdf}
                   -DEXIT=${T_EXIT} "-DTEXT=${T_TEXT}" "-DABSENT=${T_ABSENT}" "-DSTDERR=${T_STDERR}"
                   -P ${CMAKE_CURRENT_LIST_DIR}/check_pdf.cmake)
endfunction()

set(data ${BELT_TEST_DATA_DIR})
set(date "--date|2026-12-09")
set(footer "09-12-26 - by VESTRANO")

# Left half top to bottom, then the right half's lines (pdftotext puts both
# halves on one line, the left first).
belt_page_test(report_two_pulleys EXIT 0
  ARGS "report|${data}/two-pulley-design.dat|--length|standard|--pick|shorter|--width|proposed|--pdf|@PDF@|${date}"
  TEXT "VESTRANO@@Via delle Filande 27@@Tel. .39 0332@@ORVANTO PU Endless Timing Belt: Size T10@@Belt made in +POLYURETHANE@@Tensile member +Steel@@Belt code +32 T10-900@@Driver pulley +37 T10 +/ 20@@Driven pulley +37 T10 +/ 40@@Number of teeth belt +90@@Belt length +900 +.mm.@@Belt width +32 +.mm.@@Power rating +2.00 +.kW.@@New safety factor +2.0@@Min. number of teeth in mesh +9@@Belt speed +5.0 +.m/s.@@Centre distance +298.30 +.mm.@@.toler. range according to@@DIN 7721-1.@@Peripheral force +400.0 +.N.@@${footer}"
  ABSENT "Remarks:@@Stroke")

belt_page_test(report_two_pulleys_right_half EXIT 0
  ARGS "report|${data}/two-pulley-design.dat|--length|standard|--pick|shorter|--width|proposed|--pdf|@PDF@|${date}|--units|in"
  TEXT "INSTALLATION DATA@@Peripheral force +400.0 +.N.@@Span length deflection between pulleys 1 & 2 +4.92 +.mm.@@Driver pulley\n@@RPM +1500.0 +.rpm.@@Number of teeth +20@@Pitch diametre +2.51 +.in.@@Speed ratio +1.0@@X - position +0.00 +.in.@@Arc of contact +[0-9]+°@@Driven pulley\n@@RPM +750.0")

set(three_pulleys "report|${data}/three-pulley-idler.dat|--length|standard|--pick|shorter|--width|proposed|--adjust-pulley|2|--axis|x|--pdf|@PDF@|${date}")
belt_page_test(report_three_pulleys_with_an_idler EXIT 0
  ARGS "${three_pulleys}"
  TEXT "Remarks:[^\n]*\n +Conveyor line 4, hall B[^\n]*\n +Idler on the slack side@@Belt code +32 T10-1010@@Driver pulley +37 T10 +/ 20@@Pulley # 2 +37 T10 +/ 36@@Idler # 3 +Ø 60.00 mm@@Belt length +1010@@Belt speed +5.0@@Peripheral force +400.0@@${footer}"
  ABSENT "Centre distance@@toler. range")
belt_page_test(report_three_pulleys_right_half EXIT 0
  ARGS "${three_pulleys}"
  TEXT "Static tension on idler # 3 +312.0 +.N.@@Load test between pulleys 3 & 1@@Pulley # 2\n@@RPM +833.3@@Idler # 3\n@@Diametre +60.00 +.mm.@@Recom. min. idler diameter inside +60.00 +.mm.@@Recom. min. idler diameter outside +60.00 +.mm.@@X - position +180.00@@Y - position +90.00 +.mm."
  ABSENT "Idler # 3\n[^@]*RPM")

# QUINDEL H, medium duty 1.2, the 80 mm driver wrapped 163 degrees (arc
# factor 0.92): service factor 1.2 / 0.92 = 1.304; 2 kW at 5 m/s need
# 1.304 x 2000 / 209.0 W per rib = 12.48 ribs, so 13 are proposed, tensioned
# with 13 x 25 N.
belt_page_test(report_multi_rib_belt EXIT 0
  ARGS "report|${data}/quindel-design.dat|--length|standard|--pick|shorter|--width|proposed|--pdf|@PDF@|${date}"
  TEXT "Recommanded installation tension +325.0 +.N.@@QUINDEL PU Endless Multirib Belt: Type H@@Tensile member +POLYESTER@@Belt code +935 +H +13@@Driver pulley +Ø 80.00 mm@@Belt length +935@@Number of ribs +13 ribs@@Ribs belt .calculated. +12.48 ribs@@Power rating with 13 ribs belt width@@Centre distance +276.10"
  ABSENT "Total service factor@@Number of teeth")

# FENDARO FXA3, duty 1.2, the 100 mm driver wrapped 169 degrees (arc factor
# 0.92): service factor 1.15 x 1.2 / 0.92 = 1.5, and the 1.5 kW need 30.14 mm.
belt_page_test(report_flat_belt EXIT 0
  ARGS "report|${data}/fendaro-fxa3.dat|--pick|longer|--width|40|--pdf|@PDF@|${date}"
  TEXT "FENDARO Endless Flat Belt: Type FXA3@@Belt made in +POLYURETHANE@@Tensile member +Polyester fabric@@Coating material +Polyurethane on both sides@@Belt code +1477 +FXA3 40@@Driver pulley +Ø 100.00 mm@@Belt width +40 +.mm.@@Belt width .calculated. +30.14@@Total service factor +1.5@@Centre distance +500.38@@${footer}"
  ABSENT "Number of teeth")
belt_page_test(report_flat_belt_installation EXIT 0
  ARGS "report|${data}/fendaro-fxa3.dat|--pick|longer|--width|40|--pdf|@PDF@|${date}"
  TEXT "Tension installation +1200.0 +.N.@@Elongation with installation tension +0.6%")

# The calculation details on the pages after the report.
belt_page_test(report_with_details EXIT 0
  ARGS "report|${data}/two-pulley-design.dat|--length|standard|--pick|shorter|--width|proposed|--details|--pdf|@PDF@|${date}"
  TEXT "Belt code +32 T10-900@@Calculation details@@Rating chart@@Calculation details 1 of 4@@gives L = 903.381 mm@@Span pre-tension@@Calculation details 4 of 4")
belt_page_test(report_stopped_calculation EXIT 1
  ARGS "report|${data}/overlapping-layout.dat|--length|standard|--pdf|@PDF@"
  STDERR "This configuration is not possible !!!")
belt_page_test(report_without_pdf EXIT 2
  ARGS "report|${data}/two-pulley-design.dat" STDERR "where to. .--pdf OUT.pdf.")
foreach(bad 9.12.26 2026-12-9 2026-02-30 2026-12-09T10:00)
  belt_page_test(report_bad_date_${bad} EXIT 2
    ARGS "report|${data}/two-pulley-design.dat|--pdf|@PDF@|--date|${bad}"
    STDERR "report: --date takes a date as YYYY-MM-DD, not .${bad}.")
endforeach()
# calc's options that a page would take and then ignore; errors name the
# command that was run.
belt_page_test(report_refuses_save EXIT 2
  ARGS "report|${data}/two-pulley-design.dat|--pdf|@PDF@|--save|${CMAKE_CURRENT_BINARY_DIR}/never.dat"
  STDERR "beltcalc-batch report: --save belongs to calc. report writes a PDF")
belt_page_test(drawing_without_file EXIT 2 ARGS "drawing|--pdf|@PDF@" STDERR "beltcalc-batch drawing: which project file. .drawing FILE.dat.")
belt_page_test(drawing_unanswered_question EXIT 2 ARGS "drawing|${data}/two-pulley-design.dat|--pdf|@PDF@"
  STDERR "beltcalc-batch drawing: the calculation asks a question")
belt_page_test(tables_extra_word EXIT 2 ARGS "tables|idler|feasibility|--pdf|@PDF@"
  STDERR "tables: one table at a time: .feasibility. is one too many")
belt_page_test(report_unwritable_pdf EXIT 2
  ARGS "report|${data}/two-pulley-design.dat|--length|standard|--pick|shorter|--width|proposed|--pdf|${CMAKE_CURRENT_BINARY_DIR}/no such folder/r.pdf"
  STDERR "report: .*/no such folder: No such file or directory")

# The drawings page: the profile table, then the pulley table row by row.
belt_page_test(drawing_two_pulleys EXIT 0
  ARGS "drawing|${data}/two-pulley-design.dat|--length|standard|--pick|shorter|--width|proposed|--pdf|@PDF@|${date}"
  TEXT "VESTRANO@@DRIVE LAYOUT@@ORVANTO 32 T10-900@@Tooth profile@@P .mm. +10.00@@h1 .mm. +2.00@@h2 .mm. +2.50@@w .mm. +3.50@@Pulleys data@@dp .mm. +z +B .mm. +dmax .mm. +de .mm. +df .mm. +X .mm. +Y .mm.@@driver pulley +63.66 +20 +37.00 +47.00 +61.80 +67.00 +0.00 +0.00@@driven pulley +127.32 +40 +37.00 +104.00 +125.46 +131.00 +298.30 +0.00@@${footer}"
  ABSENT "indicative")
belt_page_test(drawing_three_pulleys_with_an_idler_in_inches EXIT 0
  ARGS "drawing|${data}/three-pulley-idler.dat|--length|standard|--pick|shorter|--width|proposed|--adjust-pulley|2|--axis|x|--units|in|--pdf|@PDF@|${date}"
  TEXT "P .in. +0.39@@dp .in. +z +B .in. +dmax .in. +de .in. +df .in. +X .in. +Y .in.@@driver pulley +2.51 +20@@pulley # 2 +4.51 +36@@idler # 3 +2.36 +- +1.46 +- +- +- +7.09 +3.54@@${footer}")
belt_page_test(drawing_multi_rib_belt EXIT 0
  ARGS "drawing|${data}/quindel-design.dat|--length|standard|--pick|shorter|--width|proposed|--pdf|@PDF@|${date}"
  TEXT "QUINDEL 935 +H +13@@Ribs profile@@P .mm. +1.60@@h1 .mm. +2.50@@h2 .mm. +1.20@@d .mm. +B .ribs. +P .mm. +R .mm. +r .mm. +t .mm. +X .mm. +Y .mm.@@driver pulley +80.00 +13 +1.60 +0.15 +0.30 +1.30 +0.00 +0.00@@driven pulley +160.00 +13 +1.60 +0.15 +0.30 +1.30 +276.10 +0.00"
  ABSENT "w .mm.@@dmax")
belt_page_test(drawing_flat_belt EXIT 0
  ARGS "drawing|${data}/fendaro-fxa3.dat|--pick|longer|--width|40|--pdf|@PDF@|${date}"
  TEXT "FENDARO 1477 +FXA3 40@@Belt profile@@W .mm. +40.00@@T .mm. +1.10@@T tol. .mm. +±0.05@@d .mm. +B .mm. +h .mm. +X .mm. +Y .mm.@@driver pulley +100.00 +51.00 +0.30 +0.00 +0.00@@driven pulley +200.00 +51.00 +0.60 +500.38 +0.00"
  ABSENT "dmax@@ribs")
belt_page_test(drawing_refuses_details EXIT 2
  ARGS "drawing|${data}/two-pulley-design.dat|--pdf|@PDF@|--details" STDERR "--details belongs to calc and report")
belt_page_test(drawing_stopped_calculation EXIT 1
  ARGS "drawing|${data}/overlapping-layout.dat|--length|standard|--pdf|@PDF@"
  STDERR "This configuration is not possible !!!")

belt_page_test(tables_feasibility EXIT 0
  ARGS "tables|feasibility|--pdf|@PDF@"
  TEXT "VESTRANO PU TIMING BELT FEASIBILITY@@ORVANTO +SELKIRA +TAVOREN@@STANDARD steel cords@@HF@@KEVLAR@@STAINLESS@@NFT@@AVAFC 2 mm 85° shore A@@PU YELLOW@@CLEATS@@DOUBLE SIDED BELT@@MIN length +112 .* for joined belts = 900 mm .*1500@@MIN length with NFT@@MAX length .*1 rolls = 100 m +.more 100 m on request. +13500@@MAX width +300 +50.8 .*150@@EX STOCK@@ON REQUEST WITHOUT MINIMUM QUANTITY@@ON REQUEST WITH MINIMUM QUANTITY@@NOT AVALAIBLE@@YOU CAN USE TAVOREN BELTS AND CUT IT AT 13500 MM LENGTH. FOR BIG QUANTITY PLEASE ASK US.")
belt_page_test(tables_idler EXIT 0
  ARGS "tables|idler|--pdf|@PDF@"
  TEXT "VESTRANO IDLER MINIMUM DIAMETER@@Type +min. no. of teeth +min. diameter idler outside +min. diameter idler inside@@z +Ø .mm. +Ø .mm.@@T2.5 HP +- +- +-@@T5 HF +z = 10 +Ø = 25 mm +Ø = 25 mm@@AT10 HP +z = 25 +Ø = 150 mm +Ø = 80 mm@@AT20 HPF +- +- +-")
belt_page_test(tables_unknown EXIT 2 ARGS "tables|pulleys|--pdf|@PDF@" STDERR "the tables are feasibility and idler")

# The layout for CAD, read back by ezdxf (an independent reader): circles,
# tangent belt lines, arcs joining them and the belt length to 1e-6 mm.
function(belt_dxf_test name project)
  add_test(NAME layout_dxf_${name}
           COMMAND ${BELT_PYTHON3} ${CMAKE_CURRENT_LIST_DIR}/check_dxf.py $<TARGET_FILE:beltcalc-batch> ${project}
                   ${CMAKE_CURRENT_BINARY_DIR}/layouts/${name} ${ARGN})
endfunction()
belt_dxf_test(demonstration ${CMAKE_SOURCE_DIR}/assets/examples/demo.dat --path 2 --double-sided no --width proposed)
belt_dxf_test(two_pulleys ${data}/two-pulley-design.dat --length standard --pick shorter --width proposed)
belt_dxf_test(three_pulleys_with_an_idler ${data}/three-pulley-idler.dat --length standard --pick shorter
              --width proposed --adjust-pulley 2 --axis x)

belt_batch_test(layout_without_output EXIT 2
  ARGS "layout|${data}/demo-design.dat" STDERR "where to. .--dxf OUT.dxf or --svg OUT.svg.")
belt_batch_test(layout_damaged_file EXIT 2
  ARGS "layout|${data}/truncated.dat|--dxf|${CMAKE_CURRENT_BINARY_DIR}/truncated.dxf"
  STDERR "truncated.dat is damaged or incomplete")
belt_batch_test(layout_without_belt_path EXIT 1
  ARGS "layout|${data}/overlapping-layout.dat|--dxf|${CMAKE_CURRENT_BINARY_DIR}/overlapping.dxf"
  STDERR "the layout has no belt path: only the pulleys are drawn")
belt_batch_test(layout_svg EXIT 0
  ARGS "layout|${CMAKE_SOURCE_DIR}/assets/examples/demo.dat|--svg|${CMAKE_CURRENT_BINARY_DIR}/demo-layout.svg")

# Every output arrives whole or not at all; nothing is saved after a stopped
# calculation; the same page twice is the same bytes.
foreach(section failures stdout stopped bytes)
  add_test(NAME batch_outputs_${section}
           COMMAND ${BELT_PYTHON3} ${CMAKE_CURRENT_LIST_DIR}/check_outputs.py $<TARGET_FILE:beltcalc-batch> ${data}
                   ${CMAKE_SOURCE_DIR}/assets/examples/demo.dat ${CMAKE_CURRENT_BINARY_DIR}/outputs/${section}
                   ${section})
endforeach()
