# Installation layout and the Debian package (make deb).
include(GNUInstallDirs)

set(PACOTE ${PROJECT_SOURCE_DIR}/resources/pacote)
set(ID_APLICACAO br.tarvolim.Tarvolim)

install(TARGETS tarvolim tarvolim-escala RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PACOTE}/${ID_APLICACAO}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PACOTE}/${ID_APLICACAO}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(lado 16 24 32 48 64 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/icones/${lado}x${lado}/tarvolim.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${lado}x${lado}/apps)
endforeach()

# Manual pages and the changelog go compressed, as Debian keeps them.
set(COMPRIMIDOS ${CMAKE_BINARY_DIR}/pacote)
foreach(arquivo tarvolim.1 tarvolim-escala.1 changelog.Debian)
    add_custom_command(OUTPUT ${COMPRIMIDOS}/${arquivo}.gz
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${COMPRIMIDOS}
                       COMMAND gzip -9nc ${PACOTE}/${arquivo} > ${COMPRIMIDOS}/${arquivo}.gz
                       DEPENDS ${PACOTE}/${arquivo} VERBATIM)
    list(APPEND ARQUIVOS_COMPRIMIDOS ${COMPRIMIDOS}/${arquivo}.gz)
endforeach()
add_custom_target(pacote_comprimidos ALL DEPENDS ${ARQUIVOS_COMPRIMIDOS})
install(FILES ${COMPRIMIDOS}/tarvolim.1.gz ${COMPRIMIDOS}/tarvolim-escala.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${COMPRIMIDOS}/changelog.Debian.gz ${PACOTE}/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tarvolim)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarvolim)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "escala de serviço diária de uma unidade militar")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Guarda os serviços que a unidade escala todos os dias, o pessoal que\n\
concorre a cada um e o histórico, e monta a escala dia a dia a partir de\n\
duas escalas por serviço (dias com expediente; fins de semana e feriados),\n\
respeitando folgas, afastamentos e exclusões. Inclui o comando\n\
tarvolim-escala, que faz a escala sem abrir janelas.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Equipe do Tarvolim <tarvolim@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so not found by the library scan: the SQLite driver and
# the Portuguese texts of Qt's own dialogs.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, qt6-translations-l10n")
include(CPack)
