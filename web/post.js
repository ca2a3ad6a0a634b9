// Mends to emscripten's GLUT, run after its code and before the game's main
// (which waits for the WebAssembly and the data to arrive), so that glutInit
// already registers the mended handlers.

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

// On a touch screen GLUT would turn each touch into mouse events itself, as
// the page already does (the page also moves the glass to the finger before
// pressing): every touch would reach the game twice.
GLUT.touchHandler = function() {};

// The page calls this once the game has ended: GLUT calls nothing of the game
// any more, and its sounds stop, as they would with the desktop game's exit.
Module['haltGame'] = function() {
    for (const name of ['idleFunc', 'displayFunc', 'reshapeFunc', 'mouseFunc', 'motionFunc',
                        'passiveMotionFunc', 'keyboardFunc', 'keyboardUpFunc', 'specialFunc',
                        'specialUpFunc']) {
        GLUT[name] = 0;
    }
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
