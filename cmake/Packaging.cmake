# Desktop integration and the Debian package.
#
# `cmake --install` puts the programs (their own install rules) under any prefix together with a
# desktop entry for each, the program icon in the hicolor theme and the AppStream metainfo;
# `cpack -G DEB` packs that installation under /usr. Include this after the programs' folders, so
# that it can see which programs the build has.
include(GNUInstallDirs)

# The names the desktop knows the tool kit by: desktop entry ids, icon name, AppStream id.
set(IC_APP_ID com.zezavov.ironcanopy)
set(IC_ICON_NAME ${IC_APP_ID})
set(IC_RESOURCES ${PROJECT_SOURCE_DIR}/resources)
set(IC_LAUNCHER_DESKTOP ${IC_RESOURCES}/${IC_APP_ID}.hangar.desktop)
set(IC_CONSOLE_DESKTOP ${IC_RESOURCES}/${IC_APP_ID}.signal.desktop)
set(IC_METAINFO ${IC_RESOURCES}/${IC_APP_ID}.hangar.metainfo.xml)

# Folders made by the installation are not group-writable (the umask can still narrow them).
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(FILES ${IC_LAUNCHER_DESKTOP} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
if(TARGET signal)
    install(FILES ${IC_CONSOLE_DESKTOP} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
endif()
install(FILES ${IC_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The icon at each size it is drawn at (resources/make-images.sh); icon.png is the 32 x 32 one.
set(IC_ICON_SIZES 32 48 64 128 256)
foreach(size IN LISTS IC_ICON_SIZES)
    if(size EQUAL 32)
        set(png icon.png)
    else()
        set(png icon_${size}.png)
    endif()
    install(FILES ${IC_RESOURCES}/${png}
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${IC_ICON_NAME}.png)
endforeach()

# The Debian package: the installation above under /usr, its library dependencies computed by
# dpkg-shlibdeps (Debian's dpkg-dev) from the programs themselves.
set(IC_PACKAGE_MAINTAINER "Iron Canopy server tools maintainers <servertools@localhost>"
    CACHE STRING "Maintainer named in the Debian package")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME iron-canopy-server-tools)
set(CPACK_PACKAGE_VENDOR "Iron Canopy server tools")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${IC_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Launcher and remote console for the Iron Canopy dedicated server")
# apt shows the long description line by line as written here: keep lines under 80 characters.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "The operator's tool kit for the dedicated server of the game Iron Canopy.\n"
    "hangar, the Dedicated Server Launcher, edits the server's settings on four\n"
    "pages, keeps them in the user's documents folder and starts the server.\n"
    "signal, the Dedicated Server Remote, connects to a running server, logs in\n"
    "with its remote-administration password and sends the operator's commands.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/PackageFolderModes.cmake)
include(CPack)
