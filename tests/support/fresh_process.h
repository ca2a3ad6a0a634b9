#pragma once

// Puts every process-wide value of the game back to how a new process finds
// it, so that each test starts as if the program had just launched: the
// recording stand-in for OpenGL, the texture cache, the render cache and the
// shared quad, the current state and camera, the frame clock, the random
// generator, a held game clock and the title and result screens' own state.

#include "app/camera.h"
#include "app/frame.h"
#include "app/game_clock.h"
#include "app/state.h"
#include "app/steering_input.h"
#include "fake_gl.h"
#include "game/random.h"
#include "gfx/sprite.h"
#include "gfx/texture_cache.h"
#include "platform/swap_control.h"
#include "screens/end_state.h"
#include "screens/start_state.h"

inline void startFreshProcess() {
    currentState = nullptr;
    onFocusLost(); // lets go of every key held
    stopControllerSteering();
    steerByPointer();
    releaseGameClock();
    heldMs = 0;
    resetFakeGl();
    textureCache.clear();
    imageLibraryReady = false;
    renderCache = RenderCache();
    unitQuadList = 0;
    currentState = nullptr;
    camera = Camera();
    currentCamera = nullptr;
    swapControlAvailable = false;
    elapsedMs = 0;
    frameDelta = 0;
    lastTickMs = 0;
    randomState = 1;
    startState.instructionsShown = 0;
    startState.picturesReady = 0;
    startState.soundReady = false;
    startState.instructionsWanted = false;
    startState.startWanted = false;
    endState.enteredAtMs = 0;
    endState.recordPending = false;
    endState.figuresShown = false;
}
