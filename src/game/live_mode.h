#pragma once

#include "app/camera.h"
#include "app/state.h"
#include "audio/sound_bank.h"
#include "game/canvas_box.h"
#include "game/pause_panel.h"
#include "gfx/sprite.h"

#include <cstdint>
#include <vector>

struct Drop;
struct Icicle;
struct Ray;
struct Ring;
struct Shadow;
struct SnowField;

// The live game on the frozen lake: the whole scene and every entity in it.
// Set up by enter (live_mode.cpp), advanced by update (rules.cpp), steered
// by the mouse (input.cpp) and drawn by draw (scene.cpp).
class LiveMode : public State {
  public:
    explicit LiveMode(const char* name);
    ~LiveMode() override;
    LiveMode(const LiveMode&) = delete;
    LiveMode& operator=(const LiveMode&) = delete;

    bool enter(State* previous) override;
    bool leave(State* next) override;
    bool finish(State* next) override;
    void draw() override;
    void update() override;
    void mouse(int button, int buttonState, int x, int y) override;
    void motion(int x, int y) override;
    void passiveMotion(int x, int y) override;
    void action(Action action, bool down) override;

    // A paused game stands still under a panel that says so: its clock is
    // held and its sounds wait where they were (pause.cpp).
    void pause();
    void resume();

    // The pause menu as it stands: its current line and the player's
    // choices it shows.
    PauseMenuView pauseMenuView() const;
    MenuLine menuLine = MenuLine::resume;

    // What holds the light focused: it shines while any of them holds it.
    enum FocusSource : unsigned { focusByPointer = 1, focusByChoose = 2, focusByTrigger = 4 };
    void holdFocus(FocusSource source, bool down);
    unsigned focusHeldBy = 0;

    std::uint8_t won = 0;
    SoundBank sounds;
    Sprite magnifier;
    Sprite sun;
    Sprite sky;
    Sprite background;
    Sprite duskOverlay;
    float duskColour[3] = {0, 0, 0};
    Sprite leftTree;
    Sprite rightTree;
    // Where the sun was in the frame last drawn: the copy of the still
    // layers (platform/canvas_copy.h) is drawn afresh there.
    CanvasBox sunShownAt{0, 0, 0, 0};
    SnowField* snow = nullptr;
    Ray* ray = nullptr;
    std::uint8_t rayOn = 0;
    // Owned entities, oldest first: removal closes the gap without reordering,
    // so older ones keep being drawn underneath newer ones.
    std::vector<Shadow*> shadows;
    std::vector<Drop*> drops;
    std::vector<Ring*> rings;
    std::vector<Icicle*> icicles;
    std::vector<Sprite*> caughtFish;
    bool paused = false;
    std::int64_t gameStartMs = 0; // the frame clock when the game began
    std::int64_t lastDropMs = 0;  // the frame clock at the latest drop

    // Seconds into the game: small numbers, as precise after hours on the
    // title screen as in the first minute.
    float gameSeconds() const;

  private:
    void steerGlass();
    void clickPauseMenu(int x, int y);
    void pointAtPauseMenu(int x, int y);
    void chooseMenuLine();
    void changeMenuValue(int step);
    void menuAction(Action action);
    void destroyEntities();
    void catchShadowsUnder(const Icicle& icicle);
    void focusLight();
};

extern LiveMode liveMode;

// The canvas point under a window pixel of the game's window as it is now.
CanvasPoint pointerOnCanvas(int x, int y);

// Pauses the live game if it is being played; the frame calls it when the
// player leaves or hides the window.
void pauseLiveGame();
