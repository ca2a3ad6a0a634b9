// Mends to emscripten's GLUT, run after its code and before the game's main
// (which waits for the WebAssembly and the data to arrive), so that glutInit
// already registers the mended handlers. Their own names stay inside.
(function() {
// The game's calls into GLUT are bound when its WebAssembly is made, which
// is only once that has downloaded, after this script has run: a GLUT
// function mended here is one put in place of the original among them.
function mendGameCall(original, mended) {
    for (const name in asmLibraryArg) {
        if (asmLibraryArg[name] === original) {
            asmLibraryArg[name] = mended;
        }
    }
}

// GLUT answers the game's clock (GLUT_ELAPSED_TIME) from Date.now, which is
// the wall clock: it jumps when the system's time is set, and leaps when a
// laptop wakes with the page showing, and the game's clock would leap or run
// back with it (a game lost at once, or never ending). freeglut on the
// desktop counts on a monotonic clock; so does this one, the page's own.
// It counts from the page's start, not from glutInit: the game looks only at
// how much time passed.
const elapsedTime = 700;
const glutGetBeforeMend = _glutGet;
mendGameCall(_glutGet, function(type) {
    return type === elapsedTime ? Math.floor(performance.now()) : glutGetBeforeMend(type);
});

// GLUT's timers, as GLUT sets them, but kept so that an ended game's can be
// stopped (haltGame below): a timer left running would call into the game
// again.
const gameTimers = new Set();
let gameHalted = false;
mendGameCall(_glutTimerFunc, function(ms, callback, value) {
    if (gameHalted) {
        return;
    }
    const timer = safeSetTimeout(function() {
        gameTimers.delete(timer);
        getWasmTableEntry(callback)(value);
    }, ms);
    gameTimers.add(timer);
});

// GLUT's pointer motion handler reads the pointer's place, works out the new
// one, and then hands its callbacks the old one: the glass would trail one
// move behind the pointer, and where a single move jumps far (a tap, a
// pointer entering the canvas) it would stay at the last place. This one is
// the same but for handing over the new place.
GLUT.onMousemove = function(event) {
    const lastX = Browser.mouseX;
    const lastY = Browser.mouseY;
    Browser.calculateMouseEvent(event);
    const x = Browser.mouseX;
    const y = Browser.mouseY;
    // Some browsers repeat a motion event where nothing moved.
    if (x === lastX && y === lastY) {
        return;
    }
    let callback = 0;
    if (GLUT.buttons === 0 && event.target === Module['canvas']) {
        callback = GLUT.passiveMotionFunc;
    } else if (GLUT.buttons !== 0) {
        callback = GLUT.motionFunc;
    }
    if (!callback) {
        return;
    }
    event.preventDefault();
    GLUT.saveModifiers(event);
    getWasmTableEntry(callback)(x, y);
};

// The page sizes the canvas to the window; GLUT sizes it to the game's
// window size when the game opens its window, which may be after the page
// took its first measure (the game first fetches its language's pictures).
// Once GLUT is done, the page's size is put back. A canvas resized is also a
// canvas cleared, which the desktop's window system answers with an expose:
// the game is asked for a frame, or a paused game, which draws only when
// asked, would leave the canvas black.
Browser.resizeListeners.push(function() {
    setTimeout(function() {
        if (Module['fitCanvas']) {
            Module['fitCanvas']();
        }
        _glutPostRedisplay();
    });
});

// GLUT hands the game no key for Ctrl or Alt with another, where the
// desktop's GLUT hands it the control character or the key itself. Two such
// keys are the game's: Ctrl+Q (17) ends the game, Alt+Enter goes full screen
// or back. Only those are handed over: the others stay the browser's
// shortcuts (GLUT keeps the browser from any key it gives the game).
const ctrlQ = 17;
const enter = 13;
const asciiKeyBeforeMend = GLUT.getASCIIKey;
GLUT.getASCIIKey = function(event) {
    const ctrl = event['ctrlKey'];
    const alt = event['altKey'];
    if (!event['metaKey'] && ctrl !== alt) {
        if (ctrl && event['keyCode'] === 81) {
            return ctrlQ;
        }
        if (alt && event['keyCode'] === enter) {
            return enter;
        }
    }
    return asciiKeyBeforeMend(event);
};

// A held key repeats in the browser, and GLUT hands each repeat to the game
// as a press: a held P would pause and resume, a held M rewrite the settings
// many times over, a held F11 fill the screen and leave it. This GLUT has no
// glutIgnoreKeyRepeat, so the repeats are left out before it sees them; the
// browser's own use of the key is still prevented, as GLUT does for the keys
// it hands over (Space and the arrows would scroll the page).
//
// The keys the game was handed are kept, by the browser's key code, until
// they are let go: the release hands the game the very key its press did
// (with Shift let go first a held W would be let go as w), and a page that
// loses its focus lets them all go, below.
const keysHeld = new Map();

function keyHandedOver(event) {
    const special = GLUT.getSpecialKey(event['keyCode']);
    if (special !== null) {
        return GLUT.specialFunc ? {special : true, key : special} : null;
    }
    const key = GLUT.getASCIIKey(event);
    return key !== null && GLUT.keyboardFunc ? {special : false, key : key} : null;
}

function letGoOf(handed) {
    const callback = handed.special ? GLUT.specialUpFunc : GLUT.keyboardUpFunc;
    if (callback) {
        getWasmTableEntry(callback)(handed.key, Browser.mouseX, Browser.mouseY);
    }
}

const keydownBeforeMend = GLUT.onKeydown;
GLUT.onKeydown = function(event) {
    const handed = keyHandedOver(event);
    if (!event['repeat']) {
        keydownBeforeMend(event);
        if (handed) {
            keysHeld.set(event['keyCode'], handed);
        }
        return;
    }
    if (handed) {
        event.preventDefault();
    }
};

const keyupBeforeMend = GLUT.onKeyup;
GLUT.onKeyup = function(event) {
    const handed = keysHeld.get(event['keyCode']);
    if (!handed) {
        keyupBeforeMend(event);
        return;
    }
    keysHeld.delete(event['keyCode']);
    event.preventDefault();
    GLUT.saveModifiers(event);
    letGoOf(handed);
};

// A key held while the page loses its focus (another window chosen, the tab
// hidden) is let go where this page never hears it: the glass would go on
// steering, or the light focusing, until the key was pressed again. Once
// the focus is gone, nothing is held, Shift, Ctrl and Alt neither.
function letGoOfEveryKey() {
    const handed = Array.from(keysHeld.values());
    keysHeld.clear();
    GLUT.modifiers = 0;
    for (const key of handed) {
        letGoOf(key);
    }
}
window.addEventListener('blur', letGoOfEveryKey);
document.addEventListener('visibilitychange', function() {
    if (document.hidden) {
        letGoOfEveryKey();
    }
});

// On a touch screen GLUT would turn each touch into mouse events itself, as
// the page already does (the page also moves the glass to the finger before
// pressing): every touch would reach the game twice.
GLUT.touchHandler = function() {};

// Called once the game has ended (src/platform/web/game_end.cpp, and the
// page): GLUT calls nothing of the game any more but to draw a frame, its
// timers are stopped, and its sounds stop, as they would with the desktop
// game's exit.
Module['haltGame'] = function() {
    for (const name of ['idleFunc', 'mouseFunc', 'motionFunc', 'passiveMotionFunc', 'keyboardFunc',
                        'keyboardUpFunc', 'specialFunc', 'specialUpFunc', 'reshapeFunc']) {
        GLUT[name] = 0;
    }
    gameHalted = true;
    for (const timer of gameTimers) {
        clearTimeout(timer);
    }
    gameTimers.clear();
    // SDL's mixer plays through Web Audio where the browser has it, else
    // through audio elements; the mixer's own halts reach both.
    if (typeof _Mix_HaltChannel === 'function') {
        _Mix_HaltChannel(-1);
    }
    if (typeof _Mix_HaltMusic === 'function') {
        _Mix_HaltMusic();
    }
    if (typeof SDL !== 'undefined' && SDL.audioContext) {
        SDL.audioContext.suspend();
    }
};

// SDL's mixer starts an audio element with play() and never waits on what it
// promises. A pause that comes first (the game paused, the tab hidden, the
// game ended) breaks that promise off, which the browser reports as an
// uncaught error though nothing is lost: the sound waits for the resume.
// Any other refusal is still reported.
const startPlaying = HTMLMediaElement.prototype.play;
HTMLMediaElement.prototype.play = function() {
    const playing = startPlaying.call(this);
    if (playing) {
        playing.catch((error) => {
            if (error.name !== 'AbortError') {
                throw error;
            }
        });
    }
    return playing;
};
})();
