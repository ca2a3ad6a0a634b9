#pragma once

// Puts the game's process-wide state back to how a new process finds it, so
// that call-level tests can each start as if the program had just launched.

#include "app/state.h"
#include "fake_gl.h"
#include "gfx/sprite.h"
#include "gfx/texture_cache.h"

inline void forgetTextures() {
    textureCache.clear();
    imageLibraryReady = false;
}

inline void startFreshProcess() {
    resetFakeGl();
    forgetTextures();
    renderCache = RenderCache();
    unitQuadList = 0;
    currentState = nullptr;
}
