# `cpack` (through ./velmora.sh package) makes build/ancient-velmora_<version>_amd64.deb.
# Its dependencies are those dpkg-shlibdeps finds from the linked libraries, plus what the
# program loads without linking: the fonts it draws with and the sound plug-ins.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ancient-velmora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Marlowind)
set(CPACK_PACKAGE_CONTACT "Marlowind <velmora@marlowind.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "learning program about the ancient land of Velmora")
set(CPACK_PACKAGE_DESCRIPTION
    "A desktop learning program for primary-school pupils aged 8 to 11 and
their teachers. Pupils read illustrated key-fact pages, take ten-question
quizzes and drag labels into boxes in labelling and ordering activities.
Teachers read a guide and write, edit, delete and print their own worksheets,
kept per user or in a folder the whole school shares.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://marlowind.org/ancient-velmora/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-liberation2, fonts-wine, fonts-dejavu-core, libsdl2-2.0-0")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
