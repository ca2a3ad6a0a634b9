// The page around the game: it speaks the game's language, fits the canvas
// to the window at 4:3, shows the download's progress, turns a finger into
// the mouse the game knows, offers the full screen, and offers another game
// once one has ended. The game itself (brumalo.js and the files it loads) is
// started last, and only where the browser can run it.
'use strict';

(function() {
const stage = document.getElementById('stage');
const screenBox = document.getElementById('screen');
const canvas = document.getElementById('canvas');
const loading = document.getElementById('loading');
const statusText = document.getElementById('status');
const progress = document.getElementById('progress');
const ended = document.getElementById('ended');
const problem = document.getElementById('problem');
const fullscreenButton = document.getElementById('fullscreen');

let gameStarted = false;
let gameOver = false;

// --- The page's words ---------------------------------------------------------

// The names gettext tries for one locale name, most specific first, as the
// game tries them (namesToTry in src/app/language.cpp): "de_AT" gives de_AT,
// then de.
function namesToTry(locale) {
    const upTo = (found) => (found < 0 ? locale.length : found);
    const at = upTo(locale.indexOf('@'));
    const modifier = locale.slice(at);
    const name = locale.slice(0, Math.min(upTo(locale.indexOf('.')), at));
    const underscore = upTo(name.indexOf('_'));
    const language = name.slice(0, underscore);
    const territory = name.slice(underscore);
    const names = [];
    if (territory && modifier) {
        names.push(language + territory + modifier);
    }
    if (modifier) {
        names.push(language + modifier);
    }
    if (territory) {
        names.push(language + territory);
    }
    names.push(language);
    return names;
}

// The page speaks the language the game will speak: the game chooses its
// pictures' folder from the browser's languages (src/platform/web/locale.cpp
// turns "pt-BR" into gettext's "pt_BR") by languageFolder's rules, mirrored here.
// The first wanted language with a translation wins; an English one before
// it, or none at all, is English.
function chosenLanguage(translated) {
    const wanted = navigator.languages || [ navigator.language || '' ];
    for (const locale of wanted.map((name) => name.replace(/-/g, '_')).filter(Boolean)) {
        const names = namesToTry(locale);
        const found = names.find((name) => translated.includes(name));
        if (found) {
            return found;
        }
        if ([ 'en', 'C', 'POSIX' ].includes(names[names.length - 1])) {
            break;
        }
    }
    return 'en';
}

// words.js, made from the catalogues by the build, holds each language's
// translations of the messages below; a message it lacks stays English.
const wordsOfEachLanguage = window.brumaloPageWords || {};
const language = chosenLanguage(Object.keys(wordsOfEachLanguage));
const words = wordsOfEachLanguage[language] || {};
document.documentElement.lang = language.replace('_', '-');

function _(english) { return words[english] || english; }

// A message with its one "%s" filled in (a function, so that a "$" in the
// value is not read as a replacement pattern).
function withValue(message, value) { return message.replace('%s', () => value); }

statusText.textContent = _('Loading Brumalo…');
document.getElementById('ended-text').textContent = _('Thanks for playing Brumalo.');
document.getElementById('play-again').textContent = _('Play again');
// Translators: the tooltip of the button in the page's corner that shows the
// game on the whole screen.
fullscreenButton.title = _('Full screen');
fullscreenButton.setAttribute('aria-label', fullscreenButton.title);
// Shown by page.css on a phone held upright, where the 4:3 lake is small.
document.getElementById('turn-hint').textContent = _('Turn your phone sideways for a larger lake.');

// --- Panels -------------------------------------------------------------------

function showOnly(panel) {
    for (const each of [loading, ended, problem]) {
        each.hidden = each !== panel;
    }
}

// A plain sentence instead of a blank or frozen canvas.
function showProblem(text) {
    document.getElementById('problem-text').textContent = text;
    showOnly(problem);
    fullscreenButton.hidden = true;
}

// --- The canvas at 4:3 --------------------------------------------------------

// The largest 4:3 box in the stage within its safe area (clear of a phone's
// notch and rounded corners, which page.css gives the stage as padding), in
// whole CSS pixels so that the picture is not smeared across pixel edges;
// the stage's black shows beside it.
function fitCanvas() {
    const style = getComputedStyle(stage);
    const inset = (side) => parseFloat(style['padding' + side]) || 0;
    const areaWidth = stage.clientWidth - inset('Left') - inset('Right');
    const areaHeight = stage.clientHeight - inset('Top') - inset('Bottom');
    const width = Math.max(4, Math.floor(Math.min(areaWidth, (areaHeight * 4) / 3)));
    const height = Math.floor((width * 3) / 4);
    screenBox.style.width = width + 'px';
    screenBox.style.height = height + 'px';
    screenBox.style.left = Math.floor(inset('Left') + (areaWidth - width) / 2) + 'px';
    screenBox.style.top = Math.floor(inset('Top') + (areaHeight - height) / 2) + 'px';
    if (!gameStarted || gameOver) {
        return;
    }

    // The drawing buffer matches the box in device pixels, for a sharp
    // picture on dense screens (up to twice over: more costs frames and
    // shows little), unless the frames have asked for fewer (below). Its
    // height is the very one the game's camera asks of a window that wide,
    // so the game takes the size as it is. The game hears of the new size
    // through GLUT's reshape.
    const density = Math.min(window.devicePixelRatio || 1, 2) * sharpness;
    const bufferWidth = Math.max(4, Math.round(width * density));
    const bufferHeight = Math.floor(bufferWidth * 0.75);
    if (canvas.width !== bufferWidth || canvas.height !== bufferHeight) {
        Module.setCanvasSize(bufferWidth, bufferHeight);
    }
}

new ResizeObserver(fitCanvas).observe(stage);

// --- Smooth before sharp ------------------------------------------------------

// Where the browser renders slowly (in software, on a weak GPU) it cannot
// draw every frame of the game at full sharpness, and frames it misses show
// as a stutter. So the page watches a running game's frames, two seconds at
// a time, against the display's beat (the short gaps between them, one in
// ten being shorter): when the game shows fewer than nine frames in ten of
// the beat's, the canvas is drawn at fewer pixels, a step at a time down to
// half as many a side, and the page scales it to the same box. A renderer
// that misses only the odd frame, as it does for a page of a single layer,
// keeps the full sharpness, where a softer picture would show more than
// those. It never steps back up within a page, where going back and forth
// would show more than a softer picture does.
let sharpness = 1;
let frameTimes = [];
const framesShownAtLeast = 0.9;

function watchFrames(now) {
    requestAnimationFrame(watchFrames);
    if (!gameStarted || gameOver || document.hidden) {
        frameTimes = [];
        return;
    }
    frameTimes.push(now);
    if (frameTimes.length <= 120) {
        return;
    }
    const gaps = frameTimes.slice(1).map((time, i) => time - frameTimes[i]);
    const span = frameTimes[frameTimes.length - 1] - frameTimes[0];
    frameTimes = [];
    const beat = gaps.slice().sort((a, b) => a - b)[Math.floor(gaps.length / 10)];
    const shown = gaps.length / (span / beat);
    if (shown < framesShownAtLeast && sharpness > 0.5) {
        sharpness = Math.max(0.5, sharpness - 0.15);
        fitCanvas();
    }
}
requestAnimationFrame(watchFrames);

// --- Full screen --------------------------------------------------------------

// The whole stage goes full screen, so that the letterbox and the panels come
// along with the canvas.
function toggleFullscreen() {
    if (document.fullscreenElement || document.webkitFullscreenElement) {
        (document.exitFullscreen || document.webkitExitFullscreen).call(document);
        return;
    }
    const request = stage.requestFullscreen || stage.webkitRequestFullscreen;
    const asked = request && request.call(stage);
    // A browser may refuse (an embedded page, a phone that only shows video
    // full screen); the game goes on in the window.
    if (asked && asked.catch) {
        asked.catch(() => {});
    }
}

if (document.fullscreenEnabled || document.webkitFullscreenEnabled) {
    fullscreenButton.hidden = false;
    fullscreenButton.addEventListener('click', () => {
        toggleFullscreen();
        // Keys go to the game, never to a focused button.
        fullscreenButton.blur();
    });
}

// --- Touch as the mouse -------------------------------------------------------

// The game knows a mouse: a finger down is the left button pressed where it
// touches, or just above (the glass first moved there, since only motion
// moves the glass), a
// moving finger drags the glass, lifting the finger releases the button. The
// mouse events go to the canvas, where emscripten's GLUT listens for them.
// Only the first finger down steers; other fingers are ignored until it
// lifts. preventDefault keeps the browser from scrolling, zooming, and from
// sending mouse events of its own for the same touch.
let steeringFinger = null;

// The glass sits above the finger, so that the finger covers neither the
// lens nor the focus: 64 CSS pixels, less near the canvas's top edge, where
// the lift shrinks to nothing so that the glass still reaches every point
// and never jumps.
const fingerLift = 64;

function liftAboveFinger(touch) {
    const fromTop = touch.clientY - canvas.getBoundingClientRect().top;
    return Math.min(fingerLift, Math.max(0, fromTop / 2));
}

function sendMouse(type, touch, buttons) {
    const lift = liftAboveFinger(touch);
    canvas.dispatchEvent(new MouseEvent(type, {
        bubbles : true,
        cancelable : true,
        view : window,
        clientX : touch.clientX,
        clientY : touch.clientY - lift,
        screenX : touch.screenX,
        screenY : touch.screenY - lift,
        button : 0,
        buttons : buttons,
    }));
}

function steeringTouch(event) {
    for (const touch of event.changedTouches) {
        if (touch.identifier === steeringFinger) {
            return touch;
        }
    }
    return null;
}

canvas.addEventListener('touchstart', (event) => {
    event.preventDefault();
    if (steeringFinger !== null) {
        return;
    }
    const touch = event.changedTouches[0];
    steeringFinger = touch.identifier;
    sendMouse('mousemove', touch, 0);
    sendMouse('mousedown', touch, 1);
}, {passive : false});

canvas.addEventListener('touchmove', (event) => {
    event.preventDefault();
    const touch = steeringTouch(event);
    if (touch) {
        sendMouse('mousemove', touch, 1);
    }
}, {passive : false});

function fingerLifted(event) {
    event.preventDefault();
    const touch = steeringTouch(event);
    if (touch) {
        steeringFinger = null;
        sendMouse('mouseup', touch, 0);
    }
}
canvas.addEventListener('touchend', fingerLifted, {passive : false});
canvas.addEventListener('touchcancel', fingerLifted, {passive : false});

// A right click is the game's to ignore, not the browser's menu.
canvas.addEventListener('contextmenu', (event) => event.preventDefault());

// --- The end of a game --------------------------------------------------------

// A page cannot close itself: once the game has ended (Esc, Ctrl+Q, or the
// click that leaves the result screen), it offers another. A fresh page is a
// fresh game, its downloads already in the browser's cache.
function gameEnded() {
    if (gameOver) {
        return;
    }
    gameOver = true;
    document.getElementById('not-kept').hidden = true;
    if (Module.haltGame) {
        Module.haltGame();
    }
    showOnly(ended);
    document.getElementById('play-again').focus();
}

// The record or the settings may still be on their way to the browser's
// storage (cmake/web/start.js counts them): the next page waits for them,
// since it would start from a storage without them and never copy them.
// Each ends, kept or failed, once the storage answers.
function reloadWhenSaved() {
    if (Module.savesInFlight > 0) {
        setTimeout(reloadWhenSaved, 50);
        return;
    }
    location.reload();
}

document.getElementById('play-again').addEventListener('click', reloadWhenSaved);

// --- A browser that keeps nothing ---------------------------------------------

// Told by cmake/web/start.js, once the result screen shows a game that the
// browser's storage refused: a line along the screen's foot says so.
function recordNotKept() {
    const note = document.getElementById('not-kept');
    note.textContent = _('This browser keeps nothing for Brumalo: this game and your best ' +
                         'times are not saved.');
    note.hidden = gameOver;
}

// --- Kept for the next visit --------------------------------------------------

// The build's service worker keeps the site, so that a second visit starts
// with no network at all. This first visit fetched its lettered pictures
// before the worker ran: once it serves the page they are asked for again,
// to be kept with the rest (the browser's own cache answers).
function keepForNextVisit() {
    if (!('serviceWorker' in navigator)) {
        return;
    }
    navigator.serviceWorker.addEventListener('controllerchange', () => {
        // The game's folder of them (src/platform/web/main.cpp), for its
        // language and for a mouse or a finger; none for English by mouse.
        const folder = Module.brumaloPictureFolder;
        if (!folder) {
            return;
        }
        for (const name of Module.brumaloLetteredPictures || []) {
            fetch(folder + '/img/' + name).catch(() => {});
        }
    }, { once: true });
    // Each visit asks at once whether the build has changed, so that a new
    // one is ready for the next visit.
    navigator.serviceWorker.register('service-worker.js')
        .then((registration) => registration.update())
        .catch((error) => console.warn('Brumalo cannot be kept for playing offline: ' + error));
}

// A new build that waits for the old one's pages to close (cmake/web/
// service-worker.js) takes over at once when this is the site's only page,
// before any of the old build's game has run: true once it has, and the page
// must reload from it.
function newBuildTookOver() {
    if (!('serviceWorker' in navigator) || !navigator.serviceWorker.controller) {
        return Promise.resolve(false);
    }
    return navigator.serviceWorker.getRegistration().then((registration) => {
        const waiting = registration && registration.waiting;
        if (!waiting) {
            return false;
        }
        return new Promise((resolve) => {
            const worker = navigator.serviceWorker;
            let takingOver = false, gaveUp = false;
            worker.addEventListener('controllerchange', () => {
                // Taken over after this page gave up on it, the new build
                // would serve its files to the old build's game already under
                // way: the page starts again from the new one.
                if (gaveUp) {
                    location.reload();
                }
                resolve(true);
            }, { once: true });
            // The worker says at once what it will do. Taking over waits for
            // the old worker's last fetches, which a busy machine makes slow:
            // nothing of the old game has started, so the page waits too.
            worker.addEventListener('message', (event) => {
                takingOver = takingOver || event.data === 'taking-over';
                if (event.data === 'stay') {
                    resolve(false);
                }
            });
            waiting.addEventListener('statechange', () => waiting.state === 'redundant' && resolve(false));
            waiting.postMessage('take-over');
            // A worker that never answers leaves this page to the build it has.
            setTimeout(() => {
                gaveUp = !takingOver;
                if (gaveUp) {
                    resolve(false);
                }
            }, 10000);
        });
    }).catch(() => false);
}

// --- Starting the game --------------------------------------------------------

// What the browser lacks of what the game needs, or null when it has it all.
function missingFeature() {
    if (typeof WebAssembly !== 'object') {
        return 'WebAssembly';
    }
    const probe = document.createElement('canvas');
    const gl = probe.getContext('webgl') || probe.getContext('experimental-webgl');
    if (!gl) {
        return 'WebGL';
    }
    // Browsers allow few contexts at once: give this one back.
    const loseContext = gl.getExtension('WEBGL_lose_context');
    if (loseContext) {
        loseContext.loseContext();
    }
    return null;
}

// Emscripten reports downloads through setStatus ("Downloading data...
// (loaded/total)") and the files still to unpack through
// monitorRunDependencies; both move the one bar. Its status texts are
// English: the panel keeps saying it is loading, in the player's language.
let mostDependencies = 0;
let downloadShown = false;

const Module = {canvas};
window.Module = Module;

Module.setStatus = function(text) {
    if (gameStarted) {
        return;
    }
    const downloaded = /\((\d+)\/(\d+)\)/.exec(text);
    if (downloaded) {
        downloadShown = true;
        progress.max = Number(downloaded[2]);
        progress.value = Number(downloaded[1]);
    }
};

Module.monitorRunDependencies = function(left) {
    mostDependencies = Math.max(mostDependencies, left);
    if (!gameStarted && left > 0 && !downloadShown) {
        progress.max = mostDependencies;
        progress.value = mostDependencies - left;
    }
};

// Once main has run the canvas follows the page (GLUT's window may come a
// moment later: see web/post.js).
Module.postRun = [ function() {
    gameStarted = true;
    if (!gameOver) {
        showOnly(null);
    }
    fitCanvas();
} ];

// The live game's pictures and sounds, then the music, come while the title
// shows (cmake/web/start.js): a thin bar along the picture's foot counts
// their bytes, since the click that starts a game waits for them.
const laterProgress = document.getElementById('later-progress');

Module.brumaloLaterProgress = function(loaded, total) {
    laterProgress.hidden = gameOver;
    laterProgress.max = total;
    laterProgress.value = loaded;
};

// The site is kept for the next visit once all of it has come, so that the
// worker's own copy of every file does not slow this visit's downloads.
Module.brumaloLaterDone = function() {
    laterProgress.hidden = true;
    keepForNextVisit();
};

Module.brumaloLaterFailed = function(name) {
    laterProgress.hidden = true;
    if (!gameOver) {
        // Translators: %s is the name of the file that did not come.
        showProblem(withValue(_('The rest of the game could not be downloaded (%s). ' +
                                'Reloading the page tries again.'),
                              name));
    }
};

Module.fitCanvas = fitCanvas;
Module.onGameEnded = gameEnded;
Module.onExit = gameEnded;
Module.onRecordNotKept = recordNotKept;
Module.toggleFullscreen = toggleFullscreen;

Module.onAbort = function(what) {
    gameOver = true;
    // Translators: %s is the browser's own account of the error, in English.
    showProblem(what ? withValue(_('Brumalo stopped with an error: %s. ' +
                                   'Reloading the page starts it again.'),
                                 what)
                     : _('Brumalo stopped with an error. Reloading the page starts it again.'));
};

canvas.addEventListener('webglcontextlost', (event) => {
    event.preventDefault();
    gameOver = true;
    showProblem(_('The browser took the game\'s graphics away (WebGL context lost). ' +
                  'Reloading the page starts it again.'));
});

fitCanvas();
const missing = missingFeature();
if (missing) {
    // Translators: %s is what the browser lacks, WebGL or WebAssembly.
    showProblem(withValue(_('Brumalo needs a browser with WebGL and WebAssembly, and this one ' +
                            'has no %s. A current Firefox, Chrome, Edge or Safari runs it; ' +
                            'where WebGL is missing, turning on hardware acceleration in the ' +
                            'browser\'s settings may help.'),
                          missing));
    return;
}
newBuildTookOver().then((tookOver) => {
    if (tookOver) {
        location.reload();
        return;
    }
    const game = document.createElement('script');
    game.src = 'brumalo.js';
    game.async = true;
    game.addEventListener('error', () => showProblem(_('The game could not be downloaded ' +
                                                       '(brumalo.js). Reloading the page ' +
                                                       'tries again.')));
    document.body.appendChild(game);
});
})();
