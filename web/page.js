// The page around the game: it fits the canvas to the window at 4:3, shows
// the download's progress, turns a finger into the mouse the game knows,
// offers the full screen, and offers another game once one has ended. The
// game itself (brumalo.js and the files it loads) is started last, and only
// where the browser can run it.
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

// The largest 4:3 box in the stage, in whole CSS pixels so that the picture
// is not smeared across pixel edges; the stage's black shows beside it.
function fitCanvas() {
    const width =
        Math.max(4, Math.floor(Math.min(stage.clientWidth, (stage.clientHeight * 4) / 3)));
    const height = Math.floor((width * 3) / 4);
    screenBox.style.width = width + 'px';
    screenBox.style.height = height + 'px';
    screenBox.style.left = Math.floor((stage.clientWidth - width) / 2) + 'px';
    screenBox.style.top = Math.floor((stage.clientHeight - height) / 2) + 'px';
    if (!gameStarted || gameOver) {
        return;
    }

    // The drawing buffer matches the box in device pixels, for a sharp
    // picture on dense screens (up to twice over: more costs frames and
    // shows little). Its height is the very one the game's camera asks of a
    // window that wide, so the game takes the size as it is. The game hears
    // of the new size through GLUT's reshape.
    const density = Math.min(window.devicePixelRatio || 1, 2);
    const bufferWidth = Math.max(4, Math.round(width * density));
    const bufferHeight = Math.floor(bufferWidth * 0.75);
    if (canvas.width !== bufferWidth || canvas.height !== bufferHeight) {
        Module.setCanvasSize(bufferWidth, bufferHeight);
    }
}

new ResizeObserver(fitCanvas).observe(stage);

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
// touches (the glass first moved there, since only motion moves the glass), a
// moving finger drags the glass, lifting the finger releases the button. The
// mouse events go to the canvas, where emscripten's GLUT listens for them.
// Only the first finger down steers; other fingers are ignored until it
// lifts. preventDefault keeps the browser from scrolling, zooming, and from
// sending mouse events of its own for the same touch.
let steeringFinger = null;

function sendMouse(type, touch, buttons) {
    canvas.dispatchEvent(new MouseEvent(type, {
        bubbles : true,
        cancelable : true,
        view : window,
        clientX : touch.clientX,
        clientY : touch.clientY,
        screenX : touch.screenX,
        screenY : touch.screenY,
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
    if (Module.haltGame) {
        Module.haltGame();
    }
    showOnly(ended);
    document.getElementById('play-again').focus();
}

document.getElementById('play-again').addEventListener('click', () => location.reload());

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
// monitorRunDependencies; both move the one bar.
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
        statusText.textContent = 'Loading Brumalo…';
        progress.max = Number(downloaded[2]);
        progress.value = Number(downloaded[1]);
    } else if (text) {
        statusText.textContent = text.replace('...', '…');
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

Module.fitCanvas = fitCanvas;
Module.onGameEnded = gameEnded;
Module.onExit = gameEnded;
Module.toggleFullscreen = toggleFullscreen;

Module.onAbort = function(what) {
    gameOver = true;
    showProblem('Brumalo stopped with an error' + (what ? ': ' + what : '.') +
                ' Reloading the page starts it again.');
};

canvas.addEventListener('webglcontextlost', (event) => {
    event.preventDefault();
    gameOver = true;
    showProblem('The browser took the game\'s graphics away (WebGL context lost). ' +
                'Reloading the page starts it again.');
});

fitCanvas();
const missing = missingFeature();
if (missing) {
    showProblem('Brumalo needs a browser with WebGL and WebAssembly, and this one has no ' +
                missing + '. A current Firefox, Chrome, Edge or Safari runs it; where ' +
                'WebGL is missing, turning on hardware acceleration in the browser\'s ' +
                'settings may help.');
    return;
}
const game = document.createElement('script');
game.src = 'brumalo.js';
game.async = true;
game.addEventListener('error', () => showProblem('The game could not be downloaded (brumalo.js). ' +
                                                 'Reloading the page tries again.'));
document.body.appendChild(game);
})();
