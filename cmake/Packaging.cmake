# The Debian package (`make package`, CPack's DEB generator) and what only
# the package brings: manual pages, bash completion, copyright and changelog.
# Configure with -DCMAKE_INSTALL_PREFIX=/usr so that the compiled-in data
# directory is the package's.

set(pkg_src ${PROJECT_SOURCE_DIR}/packaging)
set(pkg_out ${PROJECT_BINARY_DIR}/packaging)
set(pkg_docdir ${CMAKE_INSTALL_DATADIR}/doc/varkel)

# Debian wants the documentation compressed with gzip -9n (no name, no time
# stamp, so that two builds give the same bytes).
function(varkel_gzip source output)
  add_custom_command(OUTPUT ${output}
    COMMAND sh -c "gzip -9nc \"$1\" > \"$2\"" gzip ${source} ${output}
    DEPENDS ${source}
    VERBATIM)
endfunction()

# Manual pages from each program's English --help. The sanitizers' leak
# report would break the run, so sanitized builds skip them.
find_program(HELP2MAN help2man)
set(manpages_default OFF)
if(HELP2MAN AND NOT VARKEL_SANITIZE)
  set(manpages_default ON)
endif()
option(VARKEL_MANPAGES "Generate the manual pages with help2man" ${manpages_default})

set(pkg_outputs)
if(VARKEL_MANPAGES)
  if(NOT HELP2MAN)
    message(FATAL_ERROR "VARKEL_MANPAGES needs help2man (scripts/deps.sh installs it)")
  endif()
  set(programs varkel-cli varkel-sim varkel-slave)
  if(TARGET varkel)
    list(APPEND programs varkel)
  endif()
  foreach(program IN LISTS programs)
    set(page ${pkg_out}/${program}.1)
    # The two virtual devices have no --version of their own.
    if(program MATCHES "^varkel-(sim|slave)$")
      set(version_option --version-string=${PROJECT_VERSION})
    else()
      set(version_option "--version-option=--lang en --version")
    endif()
    add_custom_command(OUTPUT ${page}
      COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen LANG=C.UTF-8
              ${HELP2MAN} --no-info --locale=C.UTF-8
              --include=${pkg_src}/${program}.h2m
              "--help-option=--lang en --help" ${version_option}
              --output=${page} $<TARGET_FILE:${program}>
      DEPENDS ${program} ${pkg_src}/${program}.h2m
      VERBATIM)
    varkel_gzip(${page} ${page}.gz)
    list(APPEND pkg_outputs ${page}.gz)
    install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endforeach()
endif()

varkel_gzip(${pkg_src}/changelog ${pkg_out}/changelog.gz)
list(APPEND pkg_outputs ${pkg_out}/changelog.gz)
add_custom_target(varkel_package_files ALL DEPENDS ${pkg_outputs})
file(MAKE_DIRECTORY ${pkg_out})

# The full command line reference, which varkel-cli --help points to.
install(FILES ${pkg_out}/changelog.gz ${pkg_src}/copyright ${PROJECT_SOURCE_DIR}/docs/cli.md
  DESTINATION ${pkg_docdir})
install(FILES ${pkg_src}/varkel-cli.bash-completion
  DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME varkel-cli)

# The changelog's newest entry names the version that is packaged.
file(STRINGS ${pkg_src}/changelog changelog_head LIMIT_COUNT 1)
if(NOT changelog_head MATCHES "^varkel \\(${PROJECT_VERSION}\\) ")
  message(WARNING "packaging/changelog has no entry for version ${PROJECT_VERSION}")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME varkel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Varkel")
set(CPACK_PACKAGE_CONTACT "Varkel maintainers <maintainers@varkel.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configuration tool for Profibus-DP / Modbus gateways")
# CPack writes the long description as it is; each line is indented by one
# space there, so keep lines short.
set(CPACK_PACKAGE_DESCRIPTION
"Varkel configures protocol gateways that join a Profibus-DP fieldbus (as
a slave) to a serial subnet (as a Modbus RTU/ASCII master, or in a
transparent universal mode): the serial settings, the Modbus slave and up
to 48 Modbus commands mapped into the gateway's input and output memories.
It saves configurations as XML files, downloads them to a gateway over a
serial port, uploads them back, maps memory addresses, checks the memory
use bit by bit and exports to a spreadsheet.
.
The package holds the desktop program varkel (Qt 6), the scriptable
varkel-cli, and for work without hardware the virtual gateway varkel-sim
and the virtual Modbus slave varkel-slave.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_OUTPUT_FILE_PREFIX ${PROJECT_BINARY_DIR})
set(CPACK_STRIP_FILES ON)
if(CMAKE_STRIP)
  set(CPACK_VARKEL_STRIP ${CMAKE_STRIP})
  set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/PackageStrip.cmake)
endif()
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://varkel.example.org")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Not linked, but used: the Chinese font of the windows, Qt's own Chinese
# texts (standard buttons, file dialogs), Qt's SVG icon engine (the pictures
# of the device and About dialogs) and the zip library, loaded when a
# workbook is first read or written.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-wqy-microhei, qt6-translations-l10n, libqt6svg6, ${VARKEL_LIBZIP_PACKAGE}")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
