# Installing Ritmora (cmake --install build --prefix P) and packaging it (cpack -G DEB).
#
# An installed program keeps its data in the user's own data folder: the marker
# share/ritmora/installed tells it that it runs from an installed prefix (see app/data_folder.h).
# The user guide is also copied beside the programs in the build tree (bin/doc), where a build
# tree or a portable folder finds it.
include(GNUInstallDirs)

set(RITMORA_APP_ID org.ritmora.Ritmora)
set(RITMORA_PACKAGING_DIR ${CMAKE_CURRENT_SOURCE_DIR}/packaging)
set(RITMORA_GUIDES ${CMAKE_CURRENT_SOURCE_DIR}/docs/guide_tr.html
    ${CMAKE_CURRENT_SOURCE_DIR}/docs/guide_en.html)

# dlgsetup registers a Windows component and does nothing elsewhere: only Windows installs it.
set(RITMORA_INSTALLED_PROGRAMS ritmora ritmora-cli)
if(WIN32)
    list(APPEND RITMORA_INSTALLED_PROGRAMS dlgsetup)
endif()
install(TARGETS ${RITMORA_INSTALLED_PROGRAMS} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${RITMORA_PACKAGING_DIR}/installed
    DESTINATION ${CMAKE_INSTALL_DATADIR}/ritmora)
install(FILES ${RITMORA_PACKAGING_DIR}/${RITMORA_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${RITMORA_PACKAGING_DIR}/${RITMORA_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${RITMORA_PACKAGING_DIR}/icons/${RITMORA_APP_ID}.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size IN ITEMS 48 64 128 256)
    install(FILES ${RITMORA_PACKAGING_DIR}/icons/ritmora-${size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        RENAME ${RITMORA_APP_ID}.png)
endforeach()
install(FILES ${RITMORA_GUIDES} ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/ritmora)

# The guide beside the programs of the build tree.
add_custom_target(ritmora_user_guide ALL
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/doc
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${RITMORA_GUIDES}
        ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/doc
    COMMENT "Copying the user guide beside the programs"
    VERBATIM)

set(CPACK_PACKAGE_NAME ritmora)
set(CPACK_PACKAGE_VENDOR "Ritmora developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor and player for usul, Turkish rhythmic cycles")
set(CPACK_PACKAGE_DESCRIPTION
    "Ritmora shows an usul (a rhythmic cycle of Turkish classical music) as two-line\n\
percussion notation, lets you edit it and plays it with kudum, bendir or def strokes\n\
at any tempo. Work plans string passages together for practice (mesk). The sound\n\
can be saved as WAV, FLAC, Ogg Vorbis, Opus or MP3, the notation as JPG or PDF.")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Ritmora developers")
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What Qt loads at run time, which dpkg-shlibdeps cannot see: a font for the notation, the
# Wayland screen (X11 comes with Qt's own GUI library) and Qt's Turkish dialog texts;
# libsndfile from 1.1 on, the first to write MP3.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, libsndfile1 (>= 1.1.0)")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
include(CPack)
