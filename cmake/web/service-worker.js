// The site's service worker, written by cmake/web/service_worker.py: it keeps
// every file of one build in a cache named for that build's content, so that
// a second visit starts without a network and a page never runs one build's
// script with another's data.
'use strict';

const cacheName = 'brumalo-@VERSION@';
// What every player needs, taken at install.
const siteFiles = @FILES@;
// The lettered pictures of each language: a player needs one language's, so
// each is kept as the page first asks for it (page.js asks again for its
// own once the worker runs, since the first visit fetched them before).
const languageFiles = new Set(@LANGUAGE_FILES@);

// Every file at once, or the worker is not installed at all: a cache missing
// one file would fail a game that started offline.
self.addEventListener('install', (event) => {
    // Past the browser's own cache, which may still hold the last build's.
    const fresh = siteFiles.map((url) => new Request(url, { cache: 'reload' }));
    event.waitUntil(caches.open(cacheName).then((cache) => cache.addAll(fresh)));
});

// A new build takes over only once no page of the old one is open (a worker
// waits by itself until then), and its old caches go with it. A page that
// finds this build waiting asks it to take over before the page starts its
// game (web/page.js), and then reloads from it: it does so only when that
// page is the site's one page open, since any other would go on running the
// old build and fetch the new one's files.
self.addEventListener('message', (event) => {
    if (event.data !== 'take-over') {
        return;
    }
    const answer = (word) => event.source.postMessage(word);
    event.waitUntil(self.clients.matchAll({ type: 'window', includeUncontrolled: true })
        .then((pages) => {
            if (pages.length !== 1) {
                answer('stay');
                return undefined;
            }
            answer('taking-over');
            return self.skipWaiting();
        })
        // Whatever goes wrong, the page hears an answer and plays the build it has.
        .catch(() => answer('stay')));
});

self.addEventListener('activate', (event) => {
    event.waitUntil(caches.keys()
        .then((names) => Promise.all(names
            .filter((name) => name.startsWith('brumalo-') && name !== cacheName)
            .map((name) => caches.delete(name))))
        .then(() => self.clients.claim()));
});

// The build's own files from its cache, kept responses and their types
// (application/wasm for streaming compilation) as they came; anything else
// from the network, a language's picture kept on its way.
self.addEventListener('fetch', (event) => {
    if (event.request.method !== 'GET') {
        return;
    }
    const path = new URL(event.request.url).pathname;
    const scope = new URL(self.registration.scope).pathname;
    const inSite = path.startsWith(scope) ? path.slice(scope.length) : null;
    event.respondWith(caches.open(cacheName).then(async (cache) => {
        const kept = await cache.match(event.request, { ignoreSearch: true });
        if (kept) {
            return kept;
        }
        const fetched = await fetch(event.request);
        if (fetched.ok && languageFiles.has(inSite)) {
            await cache.put(event.request, fetched.clone());
        }
        return fetched;
    }));
});
