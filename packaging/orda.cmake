# Where the console's files go, and its Debian package (cpack -G DEB).
#
#   <prefix>/bin/orda, orda-cli
#   <prefix>/share/orda/images/       the image library
#   <prefix>/share/orda/manual/       the user manual (the help command opens it)
#   <prefix>/share/applications/orda.desktop, the icon
#   <prefix>/lib/udev/rules.d/60-orda.rules   (Linux) access to the panel without root
#
# The program finds share/orda from <prefix>/bin; in the build tree the
# pictures and the manual are copied beside the program instead.
include(GNUInstallDirs)
set(ORDA_DIR_PACKAGING ${CMAKE_CURRENT_LIST_DIR})
set(ORDA_DIR_DATOS ${CMAKE_INSTALL_DATADIR}/orda)

if(TARGET orda)
  add_custom_target(orda_carpeta_aplicacion ALL
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/images $<TARGET_FILE_DIR:orda>/images
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/docs/manual $<TARGET_FILE_DIR:orda>/manual
    COMMENT "Imágenes y manual junto a orda"
    VERBATIM)
  add_dependencies(orda orda_carpeta_aplicacion)

  install(DIRECTORY ${CMAKE_SOURCE_DIR}/images/ DESTINATION ${ORDA_DIR_DATOS}/images)
  install(DIRECTORY ${CMAKE_SOURCE_DIR}/docs/manual/ DESTINATION ${ORDA_DIR_DATOS}/manual)
  install(FILES ${ORDA_DIR_PACKAGING}/linux/orda.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${ORDA_DIR_PACKAGING}/icons/orda.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)
endif()
install(TARGETS orda-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
  install(FILES ${ORDA_DIR_PACKAGING}/linux/60-orda.rules DESTINATION lib/udev/rules.d)
endif()

# Manual pages and the package's documents, compressed as Debian expects
# (a native package: its changelog is changelog.gz)
# (gzip -n: no name or time inside, so the package is reproducible).
find_program(ORDA_GZIP gzip REQUIRED)
set(ORDA_DOCS_COMPRIMIDOS)
foreach(origen man/orda.1 man/orda-cli.1 debian/changelog)
  get_filename_component(nombre ${origen} NAME)
  set(destino ${CMAKE_BINARY_DIR}/packaging/${nombre}.gz)
  add_custom_command(OUTPUT ${destino}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
    COMMAND ${ORDA_GZIP} -9nc ${ORDA_DIR_PACKAGING}/${origen} > ${destino}
    DEPENDS ${ORDA_DIR_PACKAGING}/${origen})
  list(APPEND ORDA_DOCS_COMPRIMIDOS ${destino})
endforeach()
add_custom_target(orda_documentos_paquete ALL DEPENDS ${ORDA_DOCS_COMPRIMIDOS})
install(FILES ${CMAKE_BINARY_DIR}/packaging/orda.1.gz ${CMAKE_BINARY_DIR}/packaging/orda-cli.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${ORDA_DIR_PACKAGING}/debian/copyright ${CMAKE_BINARY_DIR}/packaging/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_PACKAGE_NAME orda)
set(CPACK_PACKAGE_VENDOR "Ordavix")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Consola de configuración y monitoreo de la central ORDA202")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Lee, edita y programa la configuración de la central de alarma ORDA202 por USB,\n"
    "la guarda en archivos .dat, monitorea entradas y salidas en vivo y describe\n"
    "el historial de eventos. Incluye un panel simulado (orda --simulate).")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Ordavix <soporte@ordavix.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The platform, picture and database plugins and Qt's Spanish texts are loaded
# at run time: shlibdeps cannot see them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, libqt6svg6, qt6-translations-l10n, libqt6sql6-sqlite, libqt6sql6-psql")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${ORDA_DIR_PACKAGING}/linux/postinst)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_GENERATOR DEB)
include(CPack)
