# "cpack -G DEB" in the build folder: a Debian package of the installed
# program (the install() rules of app/, resources/ and tools/), under /usr.
set(CPACK_PACKAGE_NAME formlark)
set(CPACK_PACKAGE_VENDOR Brindlecove)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "prepare and print the 2005 W-2, W-3, 1099-MISC and 1096 forms")
set(CPACK_PACKAGE_DESCRIPTION [=[
Formlark prepares the United States year-end information returns of tax
year 2005 for a small employer: a Form W-2 for each employee with the
transmittal W-3, and a Form 1099-MISC for each contractor with the
transmittal 1096. It prints them on pre-printed forms, on blank paper with
a picture of the form, or to PDF from the command line.]=])
set(CPACK_PACKAGE_CONTACT "Brindlecove <formlark@brindlecove.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.brindlecove.example/formlark2005/")
# The libraries come from what the program is linked with (their packages
# bring Qt's window, headless and SVG plugins along); no link shows the
# fonts the printed forms are laid out in.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")

# The copyright of what the package holds, in Debian's machine-readable
# form, where every Debian package keeps it.
configure_file(${CMAKE_CURRENT_LIST_DIR}/copyright.in ${FORMLARK_INSTALL_STAGE_DIR}/copyright @ONLY)
install(FILES ${FORMLARK_INSTALL_STAGE_DIR}/copyright DESTINATION share/doc/${CPACK_PACKAGE_NAME})

include(CPack)
