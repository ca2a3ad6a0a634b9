# `cmake --build BUILD --target package` makes BUILD/brumalo_<version>_<arch>.deb
# with CPack's DEB generator: the files of the install rules (cmake/Install.cmake)
# under /usr, the binary stripped, md5sums, and Depends worked out by
# dpkg-shlibdeps from the libraries the binary links. Included last from the
# top CMakeLists.txt, after every install rule.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brumalo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Brumalo developers")
set(CPACK_PACKAGE_CONTACT "The Brumalo developers <maintainers@users.noreply.c-seed-ece0cd40.example>")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "winter arcade game with a magnifying glass and the setting sun")
set(CPACK_PACKAGE_DESCRIPTION
    "Brumalo is a small arcade game about a frozen lake at a winter sunset.
Steer a magnifying glass with the mouse and hold the left button to focus
the sunlight to a point. Light on a snowy branch makes melt water drip and
an icicle grow; light on an icicle melts it loose, and a falling icicle
catches the fish shadows it lands on. Catch ten fish before the sun sets.")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)

include(CPack)

# The program is built with the hardening Debian builds its own packages
# with: libc's checked variants of string and print functions (they need an
# optimised build, so not in Debug) and the table of library addresses made
# read-only once the program is loaded.
target_compile_options(brumalo_core PRIVATE $<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>)
target_compile_options(brumalo PRIVATE $<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>)
target_link_options(brumalo PRIVATE LINKER:-z,relro,-z,now)
