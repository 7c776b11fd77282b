# Installs the Linux port the way a desktop expects it (any prefix, DESTDIR honoured) and
# packs it as a Debian package: `cmake --build <dir> --target package`.
include(GNUInstallDirs)
set(vell_app_id org.vellcmdline.VellCmdLine)
set(vell_data ${PROJECT_SOURCE_DIR}/data)

install(TARGETS vellcmdline RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${vell_data}/${vell_app_id}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${vell_data}/${vell_app_id}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${vell_data}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

# Debian wants the manual page and the changelog compressed, without a time stamp in the gzip
# header so that two builds give the same bytes.
set(vell_compressed)
foreach(file vellcmdline.1 changelog)
  add_custom_command(OUTPUT ${file}.gz
                     COMMAND gzip -9n -c ${vell_data}/${file} > ${file}.gz
                     DEPENDS ${vell_data}/${file} VERBATIM)
  list(APPEND vell_compressed ${CMAKE_CURRENT_BINARY_DIR}/${file}.gz)
endforeach()
add_custom_target(vell_compressed_docs ALL DEPENDS ${vell_compressed})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/vellcmdline.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${vell_data}/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/vellcmdline)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vellcmdline)
set(CPACK_PACKAGE_VENDOR "Vell Command Line team")
set(CPACK_PACKAGE_CONTACT "Vell Command Line team <team@vellcmdline.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "one-line command strip for the desktop")
set(CPACK_PACKAGE_DESCRIPTION
    "A thin strip of a window without a title bar that holds one command box.
Type a line and press Enter: the line goes through your aliases, and the
desktop opens the result: a program, a document, a folder or a URL. Lines
that ran join a history that comes back at the next start.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://vellcmdline.org/)
# Depends come from dpkg-shlibdeps; documents, folders and URLs open through xdg-open.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)
include(CPack)
