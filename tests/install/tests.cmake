# The installed program: the build installed into a folder of the build tree,
# then the installed files checked as a desktop reads them and as the two
# executables find them. The checkers run where they are installed
# (scripts/setup installs them).
set(prefix ${CMAKE_BINARY_DIR}/install-test)
add_test(NAME install_into_prefix
         COMMAND ${CMAKE_COMMAND} -DBUILD=${CMAKE_BINARY_DIR} -DPREFIX=${prefix} -DGUI=${BELT_GUI}
                 -DAPP_ID=${BELT_APP_ID} -DLIBDIR=${CMAKE_INSTALL_LIBDIR} -P ${CMAKE_CURRENT_LIST_DIR}/check_install.cmake)
set_tests_properties(install_into_prefix PROPERTIES FIXTURES_SETUP installed)

set(installed_tests "")
find_program(MAN_PROGRAM man)
if(MAN_PROGRAM)
  set(pages ${prefix}/share/man/man1/beltcalc-batch.1.gz)
  if(BELT_GUI)
    list(APPEND pages ${prefix}/share/man/man1/beltcalc.1.gz)
  endif()
  # As Debian's package checker reads manual pages: any warning fails.
  add_test(NAME installed_manual_pages
           COMMAND sh -c "for page; do LC_ALL=C.UTF-8 MANROFFSEQ= MANWIDTH=80 \
                          ${MAN_PROGRAM} --warnings -E UTF-8 -l -Tutf8 -Z \"$page\" >/dev/null || exit 1; done"
                   sh ${pages})
  set_tests_properties(installed_manual_pages PROPERTIES FAIL_REGULAR_EXPRESSION ".")
  list(APPEND installed_tests installed_manual_pages)
endif()

if(BELT_GUI)
  find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
  if(DESKTOP_FILE_VALIDATE)
    add_test(NAME installed_desktop_entry
             COMMAND ${DESKTOP_FILE_VALIDATE} ${prefix}/share/applications/${BELT_APP_ID}.desktop)
    # It reports hints and warnings but fails only on errors: take any of them.
    set_tests_properties(installed_desktop_entry PROPERTIES FAIL_REGULAR_EXPRESSION ".")
    list(APPEND installed_tests installed_desktop_entry)
  endif()
  find_program(APPSTREAMCLI appstreamcli)
  if(APPSTREAMCLI)
    add_test(NAME installed_metainfo
             COMMAND ${APPSTREAMCLI} validate --no-net ${prefix}/share/metainfo/${BELT_APP_ID}.metainfo.xml)
    list(APPEND installed_tests installed_metainfo)
  endif()
endif()
if(installed_tests)
  set_tests_properties(${installed_tests} PROPERTIES FIXTURES_REQUIRED installed)
endif()
