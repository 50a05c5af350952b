# The Debian package a school lab installs on many machines at once: `cpack` in the build folder writes
# velmark_<version>_<arch>.deb. It holds what `cmake --install` installs (the program, its menu entry, icons and
# software-centre metadata) plus the manual pages, the copyright file and the changelog that Debian asks of a
# package. Its dependencies are read from the program itself by dpkg-shlibdeps.

set(VELMARK_MAINTAINER "Ομάδα ανάπτυξης Velmark <velmark@example.org>")
# The date of this version: the manual page's date and the changelog's, fixed so that the package is the same
# whenever it is built.
set(VELMARK_RELEASE_DATE 2026-12-10)
set(VELMARK_RELEASE_DATE_RFC2822 "Thu, 10 Dec 2026 00:00:00 +0000")
set(VELMARK_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/velmark)

# Every folder the install creates is readable by all, whatever the umask of whoever builds the package.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# The manual pages, in English and in Greek, written from the program's --help and --version after each build
# of the program and compressed the way Debian expects (gzip -9n: best, without name or time stamp).
set(velmark_man_pages)
foreach(language en el)
    set(page ${CMAKE_CURRENT_BINARY_DIR}/man/${language}/velmark.1)
    add_custom_command(
        OUTPUT ${page}.gz
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/man/${language}
        COMMAND bash ${PROJECT_SOURCE_DIR}/packaging/manpage.sh $<TARGET_FILE:velmark> ${language}
                ${VELMARK_RELEASE_DATE} > ${page}
        COMMAND gzip -9nf ${page}
        DEPENDS velmark ${PROJECT_SOURCE_DIR}/packaging/manpage.sh
        COMMENT "Writing the ${language} manual page of velmark"
        VERBATIM)
    list(APPEND velmark_man_pages ${page}.gz)
endforeach()
add_custom_target(velmark_man_pages ALL DEPENDS ${velmark_man_pages})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/man/en/velmark.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/man/el/velmark.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/el/man1)

# The copyright file in Debian's machine-readable format, and the changelog of this version.
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.in ${CMAKE_CURRENT_BINARY_DIR}/changelog @ONLY)
add_custom_command(
    OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
    COMMAND gzip -9nkf ${CMAKE_CURRENT_BINARY_DIR}/changelog
    DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/changelog
    VERBATIM)
add_custom_target(velmark_changelog ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
        DESTINATION ${VELMARK_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmark)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Velmark")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "HTML editor with a built-in web browser, for pupils learning HTML")
# CPack puts the summary above this text as the description's first line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Velmark Html Editor - Browser teaches school pupils the structure and syntax of
HTML; its whole interface speaks Greek. A pupil writes HTML in a code pane,
inserts tags from seven rows of tag buttons, picks attributes and values from
bars and pop-ups, sees unbalanced tags listed and painted red, and sees the
page rendered in a live preview after every change. The same window is also a
small web browser. It opens, saves and prints files, and ships templates, a
guided presentation and help windows.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VELMARK_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://velmark.example.org/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the program loads at run time rather than links, and so dpkg-shlibdeps cannot see: Qt's platform plugins,
# without which no window opens, and the faces the captions are measured for (Tahoma's metrics, Greek letters).
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wine, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS})
include(CPack)
