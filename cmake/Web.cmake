# The browser build, included from the top CMakeLists.txt under emcmake:
#   emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=Release
#   cmake --build build-web                    the site, in build-web/site
#   cmake --build build-web --target web-zip   the site as build-web/brumalo-web.zip
# The game is the same sources as on the desktop, src/platform/web in place
# of src/platform/desktop, on emscripten's GLUT, SDL 1 mixer and
# OpenGL 1.1 emulation over WebGL. Its pictures and sounds are made by the
# desktop's rules; the browser gets the shared ones in packages, the title's
# picture before the game starts and the rest behind it while the title
# shows, and the few pictures with lettering as plain files per language,
# for a mouse or for a finger, of which the game fetches only its player's.

set(siteDir ${CMAKE_BINARY_DIR}/site)
file(MAKE_DIRECTORY ${siteDir})

# --- The tools the build runs --------------------------------------------------

# The sound synthesiser runs during the build, so it is built for this
# machine by its compiler, in a build of its own.
include(ExternalProject)
find_program(BRUMALO_HOST_CXX NAMES g++ c++ clang++ REQUIRED
             DOC "The compiler for the tools the browser build runs while it builds")
set(hostToolsDir ${CMAKE_BINARY_DIR}/host-tools)
set(hostSynth ${hostToolsDir}/synth/brumalo_synth)
ExternalProject_Add(brumalo_host_tools
  SOURCE_DIR ${CMAKE_SOURCE_DIR}/cmake/host-tools
  BINARY_DIR ${hostToolsDir}
  CMAKE_ARGS -DCMAKE_CXX_COMPILER=${BRUMALO_HOST_CXX} -DCMAKE_BUILD_TYPE=Release
             -DBRUMALO_SOURCE_DIR=${CMAKE_SOURCE_DIR}
  INSTALL_COMMAND ""
  # Its own build decides what changed in the synthesiser's sources.
  BUILD_ALWAYS ON
  BUILD_BYPRODUCTS ${hostSynth})

# The sound rules name the synthesiser as a program target, as on the
# desktop; here that target is the machine's own build. It runs as it is,
# not through node as emscripten's programs would.
add_executable(brumalo_synth IMPORTED GLOBAL)
set_target_properties(brumalo_synth PROPERTIES IMPORTED_LOCATION ${hostSynth}
                                               CROSSCOMPILING_EMULATOR "")

# --- Pictures and sounds -------------------------------------------------------

add_subdirectory(po)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/img ${CMAKE_BINARY_DIR}/sounds)
# A player on a touch screen gets the lettered pictures worded for a finger.
set(BRUMALO_TOUCH_PICTURES ON)
add_subdirectory(assets/img)
add_subdirectory(assets/sounds)
add_dependencies(brumalo_sounds brumalo_host_tools)

get_directory_property(builtPictures DIRECTORY assets/img DEFINITION pictureFiles)
get_directory_property(builtSounds DIRECTORY assets/sounds DEFINITION soundFiles)
get_directory_property(lettered DIRECTORY assets/img DEFINITION translatedPictures)
get_directory_property(touchLettered DIRECTORY assets/img DEFINITION touchPictures)
if(NOT builtPictures OR NOT builtSounds OR NOT lettered)
  message(FATAL_ERROR "No pictures or no sounds for the site: assets/img and assets/sounds "
                      "must list what they make in pictureFiles, translatedPictures and "
                      "soundFiles.")
endif()

# The shared data, mounted where the game looks for it (src/platform/web/data_folder.cpp),
# in four packages, so that a slow link shows the title long before the
# rest is in: the title's picture, downloaded before the game starts (the
# file packager writes the code that does so, which goes into the game's
# script ahead of the game); the instructions, which the title's first
# click waits for; the live game's pictures and short sounds, which the
# click that starts a game waits for; and the music, which joins the game
# when it arrives. The game fetches the last three itself, in that order,
# while it starts (cmake/web/start.js).
set(dataScript ${CMAKE_BINARY_DIR}/brumalo-data.js)
set(packed)
set(instructionsPacked)
set(lakePacked)
set(musicPacked)
foreach(file ${builtPictures})
  get_filename_component(name ${file} NAME)
  if(name STREQUAL "splash.jpg")
    list(APPEND packed ${file}@/brumalo/img/${name})
  elseif(name STREQUAL "instructions.jpg")
    list(APPEND instructionsPacked ${file}@/brumalo/img/${name})
  else()
    list(APPEND lakePacked ${file}@/brumalo/img/${name})
  endif()
endforeach()
foreach(file ${builtSounds})
  get_filename_component(name ${file} NAME)
  if(name MATCHES "\\.mp3$")
    list(APPEND musicPacked ${file}@/brumalo/sounds/${name})
  else()
    list(APPEND lakePacked ${file}@/brumalo/sounds/${name})
  endif()
endforeach()
find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_custom_command(
  OUTPUT ${siteDir}/brumalo.data ${dataScript}
  COMMAND Python3::Interpreter ${EMSCRIPTEN_ROOT_PATH}/tools/file_packager.py
          ${siteDir}/brumalo.data --preload ${packed} --js-output=${dataScript} --no-node
  DEPENDS ${builtPictures}
  COMMENT "Packing the title's picture into site/brumalo.data"
  VERBATIM)

# The later packages: only their list of files (name, first and last byte)
# is kept from the packager's output, for the start-up script to unpack them.
set(laterScript ${CMAKE_BINARY_DIR}/brumalo-later.js)
set(laterLists)
foreach(package instructions lake music)
  set(list ${CMAKE_BINARY_DIR}/brumalo-${package}.js)
  add_custom_command(
    OUTPUT ${siteDir}/brumalo-${package}.data ${list}.metadata
    COMMAND Python3::Interpreter ${EMSCRIPTEN_ROOT_PATH}/tools/file_packager.py
            ${siteDir}/brumalo-${package}.data --preload ${${package}Packed} --js-output=${list}
            --separate-metadata --no-node
    DEPENDS ${builtPictures} ${builtSounds}
    COMMENT "Packing site/brumalo-${package}.data"
    VERBATIM)
  list(APPEND laterLists brumalo-${package}.data ${list}.metadata)
endforeach()
set(laterScriptWriter ${CMAKE_BINARY_DIR}/write_later_packages.py)
file(WRITE ${laterScriptWriter} [=[
# Writes the later packages' lists into the start-up script's Module, in
# the order they are fetched: OUT (NAME METADATA)...
import json, sys

packages = []
for name, metadata in zip(sys.argv[2::2], sys.argv[3::2]):
    with open(metadata, encoding="utf-8") as f:
        listed = json.load(f)
    packages.append({"name": name, "size": listed["remote_package_size"],
                     "files": [[each["filename"], each["start"], each["end"]]
                               for each in listed["files"]]})
with open(sys.argv[1], "w", encoding="utf-8") as f:
    f.write("// Made by cmake/Web.cmake from the file packager's lists.\n"
            "Module['brumaloLaterPackages'] = " + json.dumps(packages) + ";\n")
]=])
set(laterMetadata ${laterLists})
list(FILTER laterMetadata INCLUDE REGEX "\\.metadata$")
add_custom_command(
  OUTPUT ${laterScript}
  COMMAND Python3::Interpreter ${laterScriptWriter} ${laterScript} ${laterLists}
  DEPENDS ${laterMetadata} ${laterScriptWriter}
  VERBATIM)
add_custom_target(brumalo_data DEPENDS ${siteDir}/brumalo.data ${dataScript} ${laterScript}
                                       ${siteDir}/brumalo-instructions.data
                                       ${siteDir}/brumalo-lake.data ${siteDir}/brumalo-music.data)
# The pictures and sounds are made in their own folders' rules, which a
# Makefile build runs only for a target that depends on theirs.
add_dependencies(brumalo_data pictures brumalo_sounds)

# Each language's lettered pictures, as plain files in site/lang/<language>/img,
# and worded for a finger in site/touch/<language>/img; every language has the
# same names.
set(letteredCopies)
set(letteredNames)
foreach(file ${lettered} ${touchLettered})
  file(RELATIVE_PATH inBuild ${CMAKE_BINARY_DIR} ${file})
  set(copy ${siteDir}/${inBuild})
  add_custom_command(
    OUTPUT ${copy}
    COMMAND ${CMAKE_COMMAND} -E copy ${file} ${copy}
    DEPENDS ${file}
    VERBATIM)
  list(APPEND letteredCopies ${copy})
  get_filename_component(name ${file} NAME)
  list(APPEND letteredNames "\"${name}\"")
endforeach()
list(REMOVE_DUPLICATES letteredNames)
add_custom_target(brumalo_lettered_pictures DEPENDS ${letteredCopies})
add_dependencies(brumalo_lettered_pictures pictures)

# The languages and their pictures' names, for the start-up script.
set(languageNames)
foreach(language ${BRUMALO_LANGUAGES})
  list(APPEND languageNames "\"${language}\"")
endforeach()
list(JOIN languageNames ", " languageNames)
list(JOIN letteredNames ", " letteredNames)
set(languagesScript ${CMAKE_BINARY_DIR}/brumalo-languages.js)
file(CONFIGURE OUTPUT ${languagesScript} CONTENT
"// Made by cmake/Web.cmake from po/LINGUAS and the pictures' rules.
Module['brumaloLanguages'] = [${languageNames}];
Module['brumaloLetteredPictures'] = [${letteredNames}];
")

# --- The game ------------------------------------------------------------------

# The picture decoder is Debian's stb, headers only; the folder that holds
# them is linked into a folder of its own, so that the rest of the machine's
# headers stay out of the browser build.
find_path(BRUMALO_STB_INCLUDE stb/stb_image.h PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH REQUIRED
          DOC "The folder that holds stb/stb_image.h (Debian's libstb-dev)")
set(stbInclude ${CMAKE_BINARY_DIR}/stb-include)
file(MAKE_DIRECTORY ${stbInclude})
file(CREATE_LINK ${BRUMALO_STB_INCLUDE}/stb ${stbInclude}/stb SYMBOLIC)

add_executable(brumalo ${BRUMALO_CORE_SOURCES} ${BRUMALO_PLATFORM_DIR}/main.cpp)
target_include_directories(brumalo PRIVATE src cmake/web/include)
target_include_directories(brumalo SYSTEM PRIVATE ${stbInclude})
target_compile_options(brumalo PRIVATE -sUSE_SDL=1)
# The start-up script mounts the player's files and readies the language
# folders before main; the page's mends to GLUT (web/post.js) follow the
# runtime's code.
set(startScript ${CMAKE_SOURCE_DIR}/cmake/web/start.js)
# Each as "SHELL:", or CMake would merge the repeated --pre-js into one.
set(postScript ${CMAKE_SOURCE_DIR}/web/post.js)
set(linkScripts "SHELL:--pre-js ${dataScript}" "SHELL:--pre-js ${languagesScript}"
                "SHELL:--pre-js ${laterScript}" "SHELL:--pre-js ${startScript}"
                "SHELL:--post-js ${postScript}")
set(linkDepends ${dataScript} ${languagesScript} ${laterScript} ${startScript} ${postScript})
target_link_options(brumalo PRIVATE
  -sUSE_SDL=1 -sLEGACY_GL_EMULATION=1 -sALLOW_MEMORY_GROWTH=1 -sFORCE_FILESYSTEM=1
  -lidbfs.js ${linkScripts})
set_target_properties(brumalo PROPERTIES
  RUNTIME_OUTPUT_DIRECTORY ${siteDir}
  LINK_DEPENDS "${linkDepends}"
  # emscripten's optimiser needs node's acorn, which Debian keeps here.
  RULE_LAUNCH_LINK "${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs")
add_dependencies(brumalo brumalo_data)

# --- The site ------------------------------------------------------------------

# The page is the web/ folder's, copied whole.
file(GLOB pageFiles CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/web/*)
list(FILTER pageFiles EXCLUDE REGEX "/post\\.js$")
set(pageCopies)
foreach(file ${pageFiles})
  get_filename_component(name ${file} NAME)
  add_custom_command(
    OUTPUT ${siteDir}/${name}
    COMMAND ${CMAKE_COMMAND} -E copy ${file} ${siteDir}/${name}
    DEPENDS ${file}
    VERBATIM)
  list(APPEND pageCopies ${siteDir}/${name})
endforeach()

# The page's own words in every language, from the catalogues' messages that
# web/page.js marks: site/words.js, which the page loads before page.js.
set(pageWords ${siteDir}/words.js)
set(pageCatalogues)
foreach(language ${BRUMALO_LANGUAGES})
  list(APPEND pageCatalogues ${CMAKE_SOURCE_DIR}/po/${language}.po)
endforeach()
add_custom_command(
  OUTPUT ${pageWords}
  COMMAND Python3::Interpreter ${CMAKE_SOURCE_DIR}/cmake/web/page_words.py ${pageWords}
          ${CMAKE_SOURCE_DIR}/po ${BRUMALO_LANGUAGES}
  DEPENDS ${CMAKE_SOURCE_DIR}/cmake/web/page_words.py ${pageCatalogues}
  COMMENT "Writing the page's words in every language into site/words.js"
  VERBATIM)
add_custom_target(brumalo_site ALL DEPENDS ${pageCopies} ${pageWords} brumalo
                                           brumalo_lettered_pictures)

# --- The site as an app: icons, and the worker that keeps it offline ----------

# The icons a browser installs the site with, from the game's own icon: the
# maskable one has the picture within the middle 80%, on the sky's deep blue,
# since a phone may crop it to any shape.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
find_program(IMAGEMAGICK_CONVERT convert REQUIRED)
set(iconSource ${CMAKE_SOURCE_DIR}/assets/icon/brumalo.svg)
set(appIcons)
foreach(size 180 192 512)
  set(icon ${siteDir}/icons/brumalo-${size}.png)
  add_custom_command(
    OUTPUT ${icon}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${siteDir}/icons
    COMMAND ${RSVG_CONVERT} --width ${size} --height ${size} --output ${icon} ${iconSource}
    DEPENDS ${iconSource}
    VERBATIM)
  list(APPEND appIcons ${icon})
endforeach()
set(maskableIcon ${siteDir}/icons/brumalo-maskable-512.png)
add_custom_command(
  OUTPUT ${maskableIcon}
  COMMAND ${RSVG_CONVERT} --width 408 --height 408 --output ${CMAKE_BINARY_DIR}/icon-408.png ${iconSource}
  COMMAND ${IMAGEMAGICK_CONVERT} -size 512x512 "xc:#27295f" ${CMAKE_BINARY_DIR}/icon-408.png
          -gravity center -composite ${maskableIcon}
  DEPENDS ${iconSource} ${siteDir}/icons/brumalo-512.png
  VERBATIM)
list(APPEND appIcons ${maskableIcon})
add_custom_target(brumalo_app_icons DEPENDS ${appIcons})

# The worker lists every file of the site and names its cache for their
# content, so it is written last, each build, once all else is in place.
add_custom_target(brumalo_service_worker ALL
  COMMAND Python3::Interpreter ${CMAKE_SOURCE_DIR}/cmake/web/service_worker.py
          ${CMAKE_SOURCE_DIR}/cmake/web/service-worker.js ${siteDir}
  DEPENDS ${CMAKE_SOURCE_DIR}/cmake/web/service_worker.py ${CMAKE_SOURCE_DIR}/cmake/web/service-worker.js
  COMMENT "Writing the site's service worker"
  VERBATIM)
add_dependencies(brumalo_service_worker brumalo_site brumalo_app_icons)

add_custom_target(web-zip
  COMMAND ${CMAKE_COMMAND} -E tar cf ${CMAKE_BINARY_DIR}/brumalo-web.zip --format=zip .
  WORKING_DIRECTORY ${siteDir}
  COMMENT "Zipping the site into brumalo-web.zip"
  VERBATIM)
add_dependencies(web-zip brumalo_service_worker)
