# Installs the build into a staging folder and checks that everything the program looks for in its
# installed data folder is there: the program, the command-line tool, the seven translations, the
# eight operating instructions, the desktop entry, the icon, the ".hkp" file type, the AppStream
# metadata, the manual pages, the bash completion, copyright and changelog.
# Run as: cmake -DBUILD_DIR=... -DSTAGE=... -P CheckInstall.cmake
file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${STAGE} ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
  RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "installation failed: ${result}")
endif()
set(expected bin/scleron bin/scleron-cli share/applications/scleron.desktop
  share/mime/packages/scleron.xml share/icons/hicolor/scalable/apps/scleron.svg
  share/metainfo/org.scleron.Scleron.metainfo.xml share/man/man1/scleron.1.gz share/man/man1/scleron-cli.1.gz
  share/bash-completion/completions/scleron-cli share/doc/scleron/copyright share/doc/scleron/changelog.gz)
foreach(lang DEU FRA ITA ESP PTB RUS CHS)
  list(APPEND expected share/scleron/SCLERON_${lang}.qm)
endforeach()
foreach(lang ENG DEU FRA ITA ESP PTB RUS CHS)
  list(APPEND expected share/scleron/kestrel2tamarin2_OI_${lang}.pdf)
endforeach()
foreach(path ${expected})
  if(NOT EXISTS ${STAGE}/usr/${path})
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endforeach()
file(READ ${STAGE}/usr/share/mime/packages/scleron.xml mime)
if(NOT mime MATCHES "pattern=\"\\*\\.hkp\"")
  message(FATAL_ERROR "the file type does not name *.hkp")
endif()
file(REMOVE_RECURSE ${STAGE})
