// Runs in the game's script before its main (cmake/Web.cmake puts it there),
// once emscripten's file system is up and before the game reads anything.

Module['preRun'] = [].concat(Module['preRun'] || []);
Module['preRun'].push(function () {
    // The player's record and settings go where the desktop keeps them,
    // under folders the browser keeps in its IndexedDB for this site. They
    // are read back from there before main; the game copies them back
    // after each change (src/platform/web/player_storage.cpp).
    const kept = {
        'XDG_DATA_HOME': '/home/web_user/.local/share',
        'XDG_CONFIG_HOME': '/home/web_user/.config',
    };
    for (const variable in kept) {
        ENV[variable] = kept[variable];
        FS.mkdirTree(kept[variable]);
        FS.mount(IDBFS, {}, kept[variable]);
    }
    addRunDependency('brumalo-player-files');
    FS.syncfs(true, function (error) {
        // A browser that keeps nothing (a private window may refuse
        // IndexedDB) still plays, its record lasting as long as the page.
        if (error) {
            err('Brumalo cannot read its record and settings kept in the browser: ' + error);
        }
        removeRunDependency('brumalo-player-files');
    });

    // A folder for each language the pictures are made in, so that the game
    // can choose among them as on the desktop; the chosen one's pictures are
    // fetched once chosen (src/platform/web/main.cpp).
    for (const language of Module['brumaloLanguages'] || []) {
        FS.mkdirTree('/brumalo/lang/' + language + '/img');
    }
});
