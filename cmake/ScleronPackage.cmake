# What the installation adds beyond the programs, translations and manuals (manual pages, bash
# completion, AppStream metadata, copyright and changelog), and the Debian package `make package`
# builds from it with CPack: scleron_<version>_<arch>.deb, its dependencies found by dpkg-shlibdeps.
include(GNUInstallDirs)

set(scleron_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/scleron)
set(scleron_compressed_dir ${CMAKE_BINARY_DIR}/compressed)

# Manual pages and the changelog are installed compressed, as Debian policy asks; gzip -n keeps the
# name and time out, so the package is the same for the same sources.
set(scleron_compressed)
foreach(pair "docs/man/scleron.1;scleron.1.gz" "docs/man/scleron-cli.1;scleron-cli.1.gz"
             "resources/package/changelog;changelog.gz")
  list(GET pair 0 source)
  list(GET pair 1 target)
  add_custom_command(OUTPUT ${scleron_compressed_dir}/${target}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${scleron_compressed_dir}
    COMMAND gzip -9 -n -c ${CMAKE_SOURCE_DIR}/${source} > ${scleron_compressed_dir}/${target}
    DEPENDS ${CMAKE_SOURCE_DIR}/${source}
    COMMENT "Compressing ${source}"
    VERBATIM)
  list(APPEND scleron_compressed ${scleron_compressed_dir}/${target})
endforeach()
add_custom_target(scleron_compressed_docs ALL DEPENDS ${scleron_compressed})

install(FILES ${scleron_compressed_dir}/scleron.1.gz ${scleron_compressed_dir}/scleron-cli.1.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${scleron_compressed_dir}/changelog.gz ${CMAKE_SOURCE_DIR}/resources/package/copyright
  DESTINATION ${scleron_doc_dir})
install(FILES ${CMAKE_SOURCE_DIR}/resources/shell/scleron-cli.bash
  DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME scleron-cli)
install(FILES ${CMAKE_SOURCE_DIR}/resources/desktop/scleron.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo RENAME org.scleron.Scleron.metainfo.xml)

execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE scleron_deb_arch
  OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
if(NOT scleron_deb_arch)
  set(scleron_deb_arch amd64)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME scleron)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Scleron developers")
set(CPACK_PACKAGE_CONTACT "Scleron developers <developers@scleron.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "measurements of Leeb rebound hardness testers")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Scleron works beside portable Leeb rebound hardness testers connected\n"
  "through a serial port or a USB serial adapter. It downloads their\n"
  "measurement series, converts them to the series' hardness scale with\n"
  "statistics, follows live impacts, and saves, exports, prints and reports\n"
  "the data. The package holds the desktop program scleron and the\n"
  "command-line tool scleron-cli.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_PREFIX /usr)
# Installed through DESTDIR, so steps meant for a live system (the desktop's file-type database)
# leave the package alone.
set(CPACK_SET_DESTDIR ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME "scleron_${PROJECT_VERSION}_${scleron_deb_arch}.deb")
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${scleron_deb_arch})
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR})
include(CPack)
