// Game controllers plugged in and out while the game runs.
#include "../game/live_game.h"
#include "app/controller_actions.h"
#include "platform/controllers.h"

#include <SDL.h>

// A controller in SDL alone, numbered as SDL's controllers are; no other type gets a mapping.
struct VirtualPad {
    explicit VirtualPad(const Uint16 type = SDL_JOYSTICK_TYPE_GAMECONTROLLER) {
        watchControllers();
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = type;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        joy = SDL_JoystickOpen(SDL_JoystickAttachVirtualEx(&desc));
        set(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, SDL_JOYSTICK_AXIS_MIN); // 0 is half pressed
    }
    ~VirtualPad() { unplug(); }
    void set(SDL_GameControllerAxis axis, Sint16 to) { SDL_JoystickSetVirtualAxis(joy, axis, to); }
    void set(SDL_GameControllerButton b, bool on) { SDL_JoystickSetVirtualButton(joy, b, on); }
    void unplug() {
        for (int index = 0; joy != nullptr && index < SDL_NumJoysticks(); ++index) {
            if (SDL_JoystickGetDeviceInstanceID(index) == SDL_JoystickInstanceID(joy)) {
                SDL_JoystickDetachVirtual(index);
                SDL_JoystickClose(joy);
                joy = nullptr;
            }
        }
    }
    SDL_Joystick* joy = nullptr;
};

TEST(Controllers, PadsAreReadScaledThePressedLastIsInUseAndUnpluggingItLetsGo) {
    VirtualPad unmapped(SDL_JOYSTICK_TYPE_UNKNOWN);
    VirtualPad first;
    unmapped.set(SDL_CONTROLLER_BUTTON_A, true);
    EXPECT_FALSE(readController().a); // the frame that finds the first
    first.set(SDL_CONTROLLER_AXIS_LEFTX, SDL_JOYSTICK_AXIS_MIN);
    first.set(SDL_CONTROLLER_AXIS_LEFTY, SDL_JOYSTICK_AXIS_MAX);
    first.set(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, SDL_JOYSTICK_AXIS_MAX);
    first.set(SDL_CONTROLLER_BUTTON_A, true);
    first.set(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
    const PadState read = readController();
    EXPECT_TRUE(read.connected && read.a && read.dpadRight && !read.dpadLeft && !read.start);
    EXPECT_TRUE(read.stickX == -1 && read.stickY == 1 && read.rightTrigger == 1);

    // A second controller's drift takes nothing over, a press does; unplugged,
    // it is told once, and the first is read again.
    VirtualPad second;
    readController();
    second.set(SDL_CONTROLLER_AXIS_LEFTX, 3000);
    EXPECT_TRUE(readController().a);
    second.set(SDL_CONTROLLER_BUTTON_START, true);
    const PadState secondInUse = readController();
    EXPECT_TRUE(secondInUse.start && !secondInUse.a);
    second.unplug();
    const PadState afterSecond = readController();
    EXPECT_TRUE(afterSecond.unplugged && afterSecond.a && !afterSecond.start);
    EXPECT_FALSE(readController().unplugged);
    first.unplug();
    const PadState none = readController();
    EXPECT_TRUE(none.unplugged && !none.connected && !none.a);
}

// The game's own live game, the one an unplugged controller pauses.
TEST_F(LiveGame, AControllerSteersAndFocusesUnpluggingItPausesAndStartResumes) {
    switchState(&liveMode);
    frameDelta = 0.02f;
    const auto playFrame = [] { pollController(), liveMode.update(); };
    VirtualPad pad;
    const Vec3 before = liveMode.magnifier.position;
    pad.set(SDL_CONTROLLER_AXIS_LEFTX, SDL_JOYSTICK_AXIS_MAX);
    playFrame();
    EXPECT_NEAR(liveMode.magnifier.position.x - before.x, stickSpeed * frameDelta, 0.01f);
    pad.set(SDL_CONTROLLER_BUTTON_A, true);
    playFrame();
    EXPECT_EQ(liveMode.rayOn, 1);
    pad.set(SDL_CONTROLLER_BUTTON_A, false);
    pad.set(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, SDL_JOYSTICK_AXIS_MAX);
    playFrame();
    EXPECT_EQ(liveMode.rayOn, 1);
    pad.unplug();
    playFrame();
    EXPECT_TRUE(liveMode.paused);
    VirtualPad other;
    other.set(SDL_CONTROLLER_BUTTON_START, true);
    playFrame();
    EXPECT_FALSE(liveMode.paused);
    liveMode.finish(nullptr);
}
