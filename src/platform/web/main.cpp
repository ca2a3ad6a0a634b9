#include "app/frame.h"
#include "app/language.h"
#include "platform/data_folder.h"
#include "platform/heap.h"
#include "platform/web/touch_screen.h"

#include <emscripten.h>

#include <cstdio>
#include <string>
#include <unistd.h>

// The browser's entry point. The shared pictures and sounds are in the
// page's file system before main runs; the lettered pictures of the player's
// language are fetched only now that the language is known, so a player
// downloads one language's, not all. GLUT's loop then runs on the browser's
// events: glutMainLoop returns to the browser and nothing after it runs.

namespace {

std::string languageFolderToEnter;

// Fetches the language's lettered pictures into its folder, links the rest
// of its data to the shared pictures and sounds as the desktop's build
// folder does, then calls startGame: with 1 when the folder is complete, 0
// when a picture could not be had (the game then speaks English).
// clang-format off
EM_JS(void, fetchLanguagePictures, (const char* folderText), {
    const folder = UTF8ToString(folderText);
    const inData = '/brumalo/' + folder;
    const names = Module['brumaloLetteredPictures'] || [];
    const fetchOne = name => fetch(folder + '/img/' + name).then(response => {
        if (!response.ok) {
            throw new Error(folder + '/img/' + name + ': ' + response.status);
        }
        return response.arrayBuffer();
    }).then(bytes => FS.writeFile(inData + '/img/' + name, new Uint8Array(bytes)));

    Promise.all(names.map(fetchOne)).then(() => {
        for (const name of FS.readdir('/brumalo/img')) {
            if (name !== '.' && name !== '..' && !names.includes(name)) {
                FS.symlink('../../../img/' + name, inData + '/img/' + name);
            }
        }
        FS.symlink('../../sounds', inData + '/sounds');
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
// clang-format on

} // namespace

extern "C" EMSCRIPTEN_KEEPALIVE void startGame(const int languageFolderComplete) {
    if (languageFolderComplete && !languageFolderToEnter.empty() &&
        chdir(languageFolderToEnter.c_str()) != 0) {
        std::fprintf(stderr, "Brumalo cannot enter %s; it shows its pictures in English.\n",
                     languageFolderToEnter.c_str());
    }
    static char program[] = "brumalo";
    static char* argv[] = {program, nullptr};
    prepareHeapForPictures();
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
