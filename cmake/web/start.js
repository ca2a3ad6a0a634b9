// Runs in the game's script before its main (cmake/Web.cmake puts it there),
// once emscripten's file system is up and before the game reads anything.

// The player's record and settings go where the desktop keeps them, under
// folders the browser keeps in its IndexedDB for this site.
const brumaloKeptFolders = {
    'XDG_DATA_HOME': '/home/web_user/.local/share',
    'XDG_CONFIG_HOME': '/home/web_user/.config',
};

Module['preRun'] = [].concat(Module['preRun'] || []);
Module['preRun'].push(function () {
    // They are read back from there before main; the game copies each file
    // back after each change to it (Module.brumaloPlayerFiles below).
    for (const variable in brumaloKeptFolders) {
        ENV[variable] = brumaloKeptFolders[variable];
        FS.mkdirTree(brumaloKeptFolders[variable]);
        FS.mount(IDBFS, {}, brumaloKeptFolders[variable]);
    }
    addRunDependency('brumalo-player-files');
    FS.syncfs(true, function (error) {
        if (error) {
            Module['brumaloPlayerFiles'].refused(error);
        }
        removeRunDependency('brumalo-player-files');
    });

    // A folder for each language the pictures are made in, so that the game
    // can choose among them as on the desktop; the chosen one's pictures are
    // fetched once chosen (src/platform/web/main.cpp).
    for (const language of Module['brumaloLanguages'] || []) {
        FS.mkdirTree('/brumalo/lang/' + language + '/img');
    }

    // The game's code and the title's pictures are in (the page asks for
    // them first, and the runtime waits for them before this): the rest
    // comes now, while the game starts.
    Module['brumaloLoadLater']();
});

// The player's files in the browser's storage, shared by every tab of the
// site. Each tab loads its own copy of them once, at start, so copying that
// whole copy back (as FS.syncfs does) would put back whatever another tab
// changed meanwhile: a record kept by a game in another tab would be lost to
// a mere press of M here. So only the one file that changed is copied, and
// the record is read afresh from the storage before a game is merged into
// it, all under one lock that every tab takes (the Web Locks API), since the
// file lock the desktop relies on always succeeds in the browser.
// src/platform/web/player_storage.cpp calls keep and withFresh.
Module['brumaloPlayerFiles'] = (function () {
    const lockName = 'brumalo-player-files';
    let queue = Promise.resolve();
    // Files the game changed whose copy is still to be stored, by path: a
    // fresh read leaves them as the game left them.
    const waiting = new Map();
    // While work runs under the lock, the files it changes, stored when it
    // returns: asking for the lock again there would wait for ever.
    let changedByWork = null;
    let toldNoLocks = false;
    // A browser that keeps nothing for the site (a private window, a
    // portal's frame without storage) or whose storage is full still plays,
    // its record lasting as long as the page: the player hears of it once on
    // the console, and on the result screen of a game that was not kept.
    let storageRefused = false;
    let toldNotKept = false;

    function notKept(error) {
        if (!toldNotKept) {
            toldNotKept = true;
            console.warn('Brumalo cannot keep its record and settings in this browser; ' +
                         'they last until the page closes: ' + error);
        }
    }

    function keptFolderOf(path) {
        for (const variable in brumaloKeptFolders) {
            const folder = brumaloKeptFolders[variable];
            if (path.startsWith(folder + '/')) {
                return folder;
            }
        }
        return null;
    }

    // IDBFS's entry helpers answer through callbacks, some of them in
    // IndexedDB's own time: each as a promise.
    function promised(call) {
        return new Promise(function (resolve, reject) {
            call(function (error, value) {
                error ? reject(error) : resolve(value);
            });
        });
    }

    // The file as it is now (null when it is gone), with the folders that
    // hold it, for a fresh page to rebuild it: taken at once, since the game
    // may change the file again before the copy is stored.
    function snapshot(path) {
        const folder = keptFolderOf(path);
        if (!folder) {
            return [];
        }
        const entries = [];
        let within = folder;
        for (const part of path.slice(folder.length + 1).split('/')) {
            within += '/' + part;
            let entry = null;
            IDBFS.loadLocalEntry(within, function (error, loaded) {
                entry = error ? null : loaded;
            });
            if (entry && entry['contents']) {
                entry['contents'] = new Uint8Array(entry['contents']);
            }
            if (entry || within === path) {
                entries.push({folder: folder, path: within, entry: entry});
            }
        }
        waiting.set(path, (waiting.get(path) || 0) + 1);
        return [{path: path, entries: entries}];
    }

    function inStore(folder, mode, work) {
        return promised(function (done) {
            IDBFS.getDB(folder, done);
        }).then(function (db) {
            return new Promise(function (resolve, reject) {
                const transaction = db.transaction([IDBFS.DB_STORE_NAME], mode);
                const results = work(transaction.objectStore(IDBFS.DB_STORE_NAME));
                transaction.oncomplete = function () {
                    resolve(results);
                };
                transaction.onerror = transaction.onabort = function () {
                    reject(transaction.error);
                };
            });
        });
    }

    function store(snapshots) {
        const byFolder = new Map();
        for (const each of snapshots) {
            for (const change of each.entries) {
                byFolder.set(change.folder, (byFolder.get(change.folder) || []).concat([change]));
            }
        }
        const stored = Array.from(byFolder, function ([folder, changes]) {
            return inStore(folder, 'readwrite', function (objects) {
                for (const change of changes) {
                    if (change.entry) {
                        objects.put(change.entry, change.path);
                    } else {
                        objects.delete(change.path);
                    }
                }
            });
        });
        const settled = function () {
            for (const each of snapshots) {
                const left = waiting.get(each.path) - 1;
                left > 0 ? waiting.set(each.path, left) : waiting.delete(each.path);
            }
        };
        return Promise.all(stored).then(settled, function (error) {
            settled();
            throw error;
        });
    }

    // Each kept folder in memory made as the storage holds it now, but for
    // the files this page changed and has yet to store.
    function readFresh() {
        return Promise.all(Object.values(brumaloKeptFolders).map(function (folder) {
            return inStore(folder, 'readonly', function (objects) {
                const kept = new Map();
                objects.openCursor().onsuccess = function (event) {
                    const cursor = event.target.result;
                    if (cursor) {
                        kept.set(cursor.key, cursor.value);
                        cursor.continue();
                    }
                };
                return kept;
            }).then(function (kept) {
                return promised(function (done) {
                    IDBFS.getLocalSet({mountpoint: folder}, done);
                }).then(function (local) {
                    const stay = (path) => waiting.has(path);
                    // Folders before the files in them, files before their folders.
                    for (const path of Array.from(kept.keys()).sort()) {
                        if (!stay(path)) {
                            IDBFS.storeLocalEntry(path, kept.get(path), function (error) {
                                if (error) {
                                    err('Brumalo could not read ' + path + ' afresh: ' + error);
                                }
                            });
                        }
                    }
                    for (const path of Object.keys(local.entries).sort().reverse()) {
                        if (!kept.has(path) && !stay(path)) {
                            IDBFS.removeLocalEntry(path, function () {});
                        }
                    }
                });
            });
        }));
    }

    function underLock(task) {
        if (navigator.locks && navigator.locks.request) {
            return navigator.locks.request(lockName, task);
        }
        if (!toldNoLocks) {
            toldNoLocks = true;
            err('This browser cannot lock storage between tabs: Brumalo open in two tabs ' +
                'may keep only one game of the two.');
        }
        return task();
    }

    // One task after another, each under the lock; the page counts those not
    // yet done, so that "Play again" waits for them (web/page.js). A task
    // that fails is told whether it did.
    function enqueue(task, failed) {
        Module['savesInFlight'] = (Module['savesInFlight'] || 0) + 1;
        queue = queue.then(function () {
            return underLock(task);
        }).catch(function (error) {
            notKept(error);
            if (failed) {
                failed();
            }
        }).finally(function () {
            Module['savesInFlight']--;
        });
    }

    // The game's result is on the screen by the time this runs.
    function recordNotKept() {
        if (Module['onRecordNotKept']) {
            Module['onRecordNotKept']();
        }
    }

    return {
        refused: function (error) {
            storageRefused = true;
            notKept(error);
        },
        keep: function (path) {
            if (storageRefused) {
                return;
            }
            const taken = snapshot(path);
            if (changedByWork) {
                changedByWork.push(...taken);
            } else if (taken.length) {
                enqueue(function () {
                    return store(taken);
                });
            }
        },
        withFresh: function (work) {
            if (storageRefused) {
                queue = queue.then(work).catch(notKept).then(recordNotKept);
                return;
            }
            enqueue(function () {
                return readFresh().catch(function (error) {
                    // The copy in memory, then, is the freshest there is.
                    notKept(error);
                }).then(function () {
                    changedByWork = [];
                    let thrown = null;
                    try {
                        work();
                    } catch (error) {
                        thrown = error;
                    }
                    const changed = changedByWork;
                    changedByWork = null;
                    return store(changed).then(function () {
                        if (thrown) {
                            throw thrown;
                        }
                    });
                });
            }, recordNotKept);
        },
    };
})();

// The pictures and sounds the title does not need, packed apart by the build
// (Module.brumaloLaterPackages): fetched one package after the other once the
// title's own downloads are in, so that they do not slow it but use the link
// while the game starts, each written whole into the file system before the
// game hears of it. The indices of those in are kept in
// Module.brumaloLaterArrived, and each is told to
// Module.brumaloOnLaterArrival once the game listens
// (src/platform/web/main.cpp). The page hears of the bytes as they come and
// of a package that could not be had (Module.brumaloLaterProgress,
// brumaloLaterFailed, brumaloLaterDone).
Module['brumaloLaterArrived'] = [];
Module['brumaloLoadLater'] = function () {
    const packages = Module['brumaloLaterPackages'] || [];
    const total = packages.reduce((sum, each) => sum + each['size'], 0);
    let done = 0;
    const tell = (name, ...values) => {
        if (Module[name]) {
            Module[name](...values);
        }
    };

    // A package's bytes, counted as they come.
    async function download(each) {
        const response = await fetch(each['name']);
        if (!response.ok) {
            throw new Error('HTTP ' + response.status);
        }
        const bytes = new Uint8Array(each['size']);
        let filled = 0;
        const reader = response.body.getReader();
        for (let part = await reader.read(); !part.done; part = await reader.read()) {
            if (filled + part.value.length > bytes.length) {
                throw new Error('longer than the build made it');
            }
            bytes.set(part.value, filled);
            filled += part.value.length;
            tell('brumaloLaterProgress', done + filled, total);
        }
        if (filled !== bytes.length) {
            throw new Error('cut short');
        }
        return bytes;
    }

    function unpack(bytes, each) {
        // Each file as [path, first byte, byte after the last].
        for (const file of each['files']) {
            const path = file[0];
            FS.mkdirTree(path.slice(0, path.lastIndexOf('/')));
            FS.writeFile(path, bytes.subarray(file[1], file[2]));
        }
    }

    (async function () {
        for (let index = 0; index < packages.length; ++index) {
            const each = packages[index];
            try {
                unpack(await download(each), each);
            } catch (error) {
                err('Brumalo could not download ' + each['name'] + ': ' + error.message);
                tell('brumaloLaterFailed', each['name']);
                return;
            }
            done += each['size'];
            Module['brumaloLaterArrived'].push(index);
            tell('brumaloOnLaterArrival', index);
        }
        tell('brumaloLaterDone');
    })();
};
