#include "app/frame.h"
#include "app/language.h"
#include "audio/fsound.h"
#include "gfx/texture_cache.h"
#include "platform/data_folder.h"
#include "platform/heap.h"
#include "platform/web/touch_screen.h"

#include <emscripten.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>

// The browser's entry point. The title's pictures are in the page's file
// system before main runs; the lettered pictures of the player's language
// are fetched only now that the language is known, so a player downloads
// one language's, not all. The rest of the shared data follows once the
// game runs (cmake/web/start.js), and the game is told which pictures and
// sounds are on their way, so that it waits for them rather than taking
// them for missing. GLUT's loop then runs on the browser's events:
// glutMainLoop returns to the browser and nothing after it runs.

namespace {

std::string languageFolderToEnter;

// Fetches the language's lettered pictures that the title shows into its
// folder, links the rest of its data to the shared pictures and sounds as
// the desktop's build folder does, then calls startGame: with 1 when the
// folder is complete, 0 when a picture could not be had (the game then
// speaks English). Its other lettered pictures come with the live game's
// (fetchLetteredLater, once the game starts).
// clang-format off
EM_JS(void, fetchLanguagePictures, (const char* folderText), {
    const folder = UTF8ToString(folderText);
    const inData = '/brumalo/' + folder;
    const lettered = Module['brumaloLetteredPictures'] || [];
    // The title's pictures are the shared ones already here; every shared
    // picture is linked, the later packages' too, which arrive behind the
    // links made below.
    const shared = new Set(FS.readdir('/brumalo/img'));
    const names = lettered.filter(name => shared.has(name));
    for (const each of Module['brumaloLaterPackages'] || []) {
        for (const file of each['files']) {
            if (file[0].startsWith('/brumalo/img/')) {
                shared.add(file[0].slice('/brumalo/img/'.length));
            }
        }
    }
    const fetchOne = name => fetch(folder + '/img/' + name).then(response => {
        if (!response.ok) {
            throw new Error(folder + '/img/' + name + ': ' + response.status);
        }
        return response.arrayBuffer();
    }).then(bytes => FS.writeFile(inData + '/img/' + name, new Uint8Array(bytes)));

    Promise.all(names.map(fetchOne)).then(() => {
        for (const name of shared) {
            if (name !== '.' && name !== '..' && !lettered.includes(name)) {
                FS.symlink('../../../img/' + name, inData + '/img/' + name);
            }
        }
        FS.symlink('../../sounds', inData + '/sounds');
        Module['brumaloLetteredLater'] = {
            'folder': folder,
            'names': lettered.filter(name => !names.includes(name)),
        };
        return 1;
    }, error => {
        err('Brumalo could not download its pictures in ' + folder + ' (' + error.message +
            '); it shows them in English.');
        return 0;
    }).then(complete => {
        try {
            _startGame(complete);
        } catch (thrown) {
            // GLUT's loop hands control back to the browser by throwing.
            if (thrown !== 'unwind') {
                throw thrown;
            }
        }
    });
});

// The later packages' files, by their place in the file system.
EM_JS(int, laterFileCount, (int package), {
    const packages = Module['brumaloLaterPackages'] || [];
    return package < packages.length ? packages[package]['files'].length : 0;
});
EM_JS(void, laterFilePath, (int package, int file, char* path, int size), {
    stringToUTF8(Module['brumaloLaterPackages'][package]['files'][file][0], path, size);
});
EM_JS(void, laterPackageName, (int package, char* name, int size), {
    stringToUTF8(Module['brumaloLaterPackages'][package]['name'], name, size);
});
EM_JS(int, laterPackageIn, (int package), {
    return Module['brumaloLaterArrived'].includes(package) ? 1 : 0;
});
EM_JS(void, listenForLaterPackages, (), {
    Module['brumaloOnLaterArrival'] = function(index) { _laterPackageArrived(index); };
});

// The language's lettered pictures that the title does not show, fetched
// into its folder behind the title (main.cpp's fetchLanguagePictures names
// them); the page says so when one cannot be had.
EM_JS(int, letteredLaterCount, (), {
    const lettered = Module['brumaloLetteredLater'];
    return lettered ? lettered['names'].length : 0;
});
EM_JS(void, letteredLaterName, (int index, char* name, int size), {
    stringToUTF8(Module['brumaloLetteredLater']['names'][index], name, size);
});
EM_JS(void, fetchLetteredLater, (), {
    const lettered = Module['brumaloLetteredLater'];
    let failed = '';
    Promise.all(lettered['names'].map(name => {
        const path = lettered['folder'] + '/img/' + name;
        return fetch(path).then(response => {
            if (!response.ok) {
                throw new Error('HTTP ' + response.status);
            }
            return response.arrayBuffer();
        }).then(bytes => FS.writeFile('/brumalo/' + path, new Uint8Array(bytes)), error => {
            failed = path;
            throw error;
        });
    })).then(() => _letteredPicturesArrived(), error => {
        err('Brumalo could not download ' + failed + ': ' + error.message);
        if (Module['brumaloLaterFailed']) {
            Module['brumaloLaterFailed'](failed);
        }
    });
});
// clang-format on

// Hands each file of the package to `each` by the relative path the game
// opens it with, whichever language folder it runs in (both hold img/ and
// sounds/): "./img/sky.png" for /brumalo/img/sky.png.
void forEachLaterFile(const int package, void (*each)(const char* path, bool picture)) {
    static constexpr char inData[] = "/brumalo/";
    for (int file = 0; file < laterFileCount(package); ++file) {
        char path[256];
        laterFilePath(package, file, path, sizeof path);
        if (std::strncmp(path, inData, sizeof inData - 1) != 0) {
            continue;
        }
        const std::string relative = std::string("./") + (path + sizeof inData - 1);
        each(relative.c_str(), relative.rfind("./img/", 0) == 0);
    }
}

void forEachLetteredLater(void (*each)(const char* path)) {
    for (int index = 0; index < letteredLaterCount(); ++index) {
        char name[64];
        letteredLaterName(index, name, sizeof name);
        each((std::string("./img/") + name).c_str());
    }
}

// The line says when the game has a package, for whoever watches the
// console (the measuring tool).
void sayPackageIn(const int package) {
    char name[64];
    laterPackageName(package, name, sizeof name);
    std::printf("Loaded package %s\n", name);
    std::fflush(stdout);
}

} // namespace

// The package is in the file system: its pictures and sounds may be loaded.
extern "C" EMSCRIPTEN_KEEPALIVE void laterPackageArrived(const int package) {
    forEachLaterFile(package, [](const char* path, const bool picture) {
        if (picture) {
            pictureArrived(path);
        } else {
            FSOUND_FileArrived(path);
        }
    });
    sayPackageIn(package);
}

extern "C" EMSCRIPTEN_KEEPALIVE void letteredPicturesArrived() {
    forEachLetteredLater(pictureArrived);
}

extern "C" EMSCRIPTEN_KEEPALIVE void startGame(const int languageFolderComplete) {
    if (languageFolderComplete && !languageFolderToEnter.empty() &&
        chdir(languageFolderToEnter.c_str()) != 0) {
        std::fprintf(stderr, "Brumalo cannot enter %s; it shows its pictures in English.\n",
                     languageFolderToEnter.c_str());
    }
    static char program[] = "brumalo";
    static char* argv[] = {program, nullptr};
    prepareHeapForPictures();

    // The later packages may have come while the game started; the game
    // waits for the others. A lettered picture may wait for both its
    // language's file and the package's English one.
    for (int package = 0; laterFileCount(package) > 0; ++package) {
        if (laterPackageIn(package)) {
            sayPackageIn(package);
            continue;
        }
        forEachLaterFile(package, [](const char* path, const bool picture) {
            if (picture) {
                expectPicture(path);
            } else {
                FSOUND_ExpectFile(path);
            }
        });
    }
    listenForLaterPackages();
    if (languageFolderComplete && letteredLaterCount() > 0) {
        forEachLetteredLater(expectPicture);
        fetchLetteredLater();
    }
    runGame(1, argv);
}

int main(int, char**) {
    if (!enterDataFolder(nullptr)) {
        return 1;
    }
    languageFolderToEnter = pictureFolderFor(chosenLanguageFolder());
    if (languageFolderToEnter.empty()) {
        startGame(0);
    } else {
        fetchLanguagePictures(languageFolderToEnter.c_str());
    }
    return 0;
}
