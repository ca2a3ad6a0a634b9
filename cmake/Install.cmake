# What `cmake --install` lays out under its prefix, the way Debian lays out
# its games:
#   games/brumalo                               the program
#   share/games/brumalo/img, .../sounds         its pictures and sounds
#   share/games/brumalo/lang/<language>         the screens in each language
#   share/applications, share/metainfo          the menu entry, AppStream data
#   share/icons/hicolor/<size>/apps             the icon
#   share/man/man6/brumalo.6.gz                 the manual page
#   share/doc/brumalo                           copyright and changelog
# Included from the top CMakeLists.txt after the pictures and sounds.
include(GNUInstallDirs)

set(BRUMALO_INSTALL_GAMESDIR games CACHE STRING
    "Where the program is installed, relative to the prefix")
set(BRUMALO_INSTALL_GAMEDATADIR ${CMAKE_INSTALL_DATADIR}/games/brumalo CACHE STRING
    "Where the pictures and sounds are installed, relative to the prefix")
set(BRUMALO_APP_ID io.github.brumalo.Brumalo)
set(packagingDir ${CMAKE_SOURCE_DIR}/packaging)
set(packagingOut ${CMAKE_BINARY_DIR}/packaging)

# --- The game and its data ---------------------------------------------------

# The program finds the data beside itself, so the same build runs from any
# prefix it is installed to.
file(RELATIVE_PATH dataFromProgram /${BRUMALO_INSTALL_GAMESDIR} /${BRUMALO_INSTALL_GAMEDATADIR})
set_property(SOURCE src/platform/desktop/data_folder.cpp APPEND PROPERTY
             COMPILE_DEFINITIONS BRUMALO_DATA_FROM_PROGRAM="${dataFromProgram}")

install(TARGETS brumalo RUNTIME DESTINATION ${BRUMALO_INSTALL_GAMESDIR})

# Exactly the files the picture and sound rules make, nothing else that may
# lie in the build folder's img/ and sounds/.
get_directory_property(builtPictures DIRECTORY assets/img DEFINITION pictureFiles)
get_directory_property(builtSounds DIRECTORY assets/sounds DEFINITION soundFiles)
if(NOT builtPictures OR NOT builtSounds)
  message(FATAL_ERROR "No pictures or no sounds to install: assets/img and assets/sounds "
                      "must list what they make in pictureFiles and soundFiles.")
endif()
install(FILES ${builtPictures} DESTINATION ${BRUMALO_INSTALL_GAMEDATADIR}/img)
install(FILES ${builtSounds} DESTINATION ${BRUMALO_INSTALL_GAMEDATADIR}/sounds)

# Each language's folder: its four screens, and relative links to the shared
# pictures and sounds, which stay links in the installed data.
foreach(language ${BRUMALO_LANGUAGES})
  install(DIRECTORY ${CMAKE_BINARY_DIR}/lang/${language} DESTINATION ${BRUMALO_INSTALL_GAMEDATADIR}/lang)
endforeach()

# --- The desktop: menu entry, metadata, icon ---------------------------------

# Both made with their translations by po/ from templates in packaging/.
install(FILES ${packagingOut}/${BRUMALO_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packagingOut}/${BRUMALO_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

add_subdirectory(assets/icon)
get_directory_property(iconSizes DIRECTORY assets/icon DEFINITION BRUMALO_ICON_SIZES)
install(FILES assets/icon/brumalo.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size ${iconSizes})
  install(FILES ${CMAKE_BINARY_DIR}/icons/hicolor/${size}x${size}/apps/brumalo.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# --- The manual page and the documents ---------------------------------------

# Compressed as Debian ships them; -n leaves out the time, so the same source
# gives the same bytes.
find_program(GZIP_EXECUTABLE gzip REQUIRED)
set(compressedDocs)
foreach(doc brumalo.6 changelog)
  add_custom_command(
    OUTPUT ${packagingOut}/${doc}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${packagingOut}
    COMMAND ${GZIP_EXECUTABLE} -9 -n -c ${packagingDir}/${doc} > ${packagingOut}/${doc}.gz
    DEPENDS ${packagingDir}/${doc}
    COMMENT "Compressing packaging/${doc}")
  list(APPEND compressedDocs ${packagingOut}/${doc}.gz)
endforeach()
add_custom_target(brumalo_docs ALL DEPENDS ${compressedDocs})

install(FILES ${packagingOut}/brumalo.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${packagingDir}/copyright ${packagingOut}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/brumalo)
