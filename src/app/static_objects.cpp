// The program's static objects, defined together in one file because their
// order of construction matters: nothing here may touch OpenGL (no window
// exists yet), and at exit they are destroyed in reverse order, the texture
// cache's map first and the live game, which closes the sound device, last.
#include "app/camera.h"
#include "game/live_mode.h"
#include "gfx/texture_cache.h"
#include "screens/end_state.h"
#include "screens/start_state.h"

Camera camera;
LiveMode liveMode("live");
StartState startState("start");
EndState endState("end");
TextureCache textureCache;
