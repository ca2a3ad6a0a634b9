#pragma once

// A live game on a controlled clock, for the rules' tests: the frame clock is
// set by hand, the sounds are absent (so every play shows on the console as
// its ERROR line), and everything printed is kept for the test to read.

#include "app/game_clock.h"
#include "console.h"
#include "fresh_process.h"
#include "game/entities/drop.h"
#include "game/entities/icicle.h"
#include "game/entities/ray.h"
#include "game/entities/ring.h"
#include "game/entities/shadow.h"
#include "game/entities/snow_field.h"
#include "game/entity_list.h"
#include "game/live_mode.h"
#include "game/random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

class LiveGame : public ::testing::Test {
  protected:
    void SetUp() override {
        // Run from an empty folder: no sounds or pictures, wherever the tests
        // are started from.
        char folder[] = "/tmp/brumalo-live-game-XXXXXX";
        ASSERT_NE(mkdtemp(folder), nullptr);
        scratchFolder = folder;
        previousFolder = std::filesystem::current_path();
        std::filesystem::current_path(scratchFolder);
        startFreshProcess();
        elapsedMs = 10000;
        game.enter(nullptr);
        currentState = &game;
        console();
    }

    void TearDown() override {
        currentState = nullptr;
        std::filesystem::current_path(previousFolder);
        std::filesystem::remove(scratchFolder);
    }

    // Everything printed since the last call.
    std::string console() { return printed.take(); }

    // The sounds asked for in a stretch of console output, in order.
    static std::vector<std::string> soundsPlayed(const std::string& text) {
        static const std::string head = "ERROR: Sample ";
        static const std::string tail = " not found";
        std::vector<std::string> names;
        std::istringstream lines(text);
        for (std::string line; std::getline(lines, line);) {
            if (line.starts_with(head) && line.ends_with(tail)) {
                names.push_back(line.substr(head.size(), line.size() - head.size() - tail.size()));
            }
        }
        return names;
    }

    static long plays(const std::string& text, const std::string& name) {
        const std::vector<std::string> names = soundsPlayed(text);
        return std::count(names.begin(), names.end(), name);
    }

    // One frame of the given length, as the frame clock would measure it.
    void frame(const int ms) {
        elapsedMs += ms;
        frameDelta = static_cast<float>(ms / 1000.0);
        if (static_cast<double>(frameDelta) > 0.03) {
            frameDelta = 0.03f;
        }
        game.update();
    }

    // Sets the clock so that the game has run for the given fraction of its
    // 240 seconds, then runs one frame of frameMs.
    void frameAtProgress(const double progress, const int frameMs = 20) {
        elapsedMs = game.gameStartMs + static_cast<std::int64_t>(progress * 240000.0) - frameMs;
        frame(frameMs);
    }

    // Places the glass where the pointer at this window pixel puts it.
    void pointAt(const int x, const int y) { game.motion(x, y); }
    void press() { game.mouse(0, 0, 0, 0); }
    void release() { game.mouse(0, 1, 0, 0); }

    // Replaces the shadows by ones standing still at the given points.
    void shadowsAt(std::initializer_list<Vec3> points) {
        destroyAll(game.shadows);
        for (const Vec3& point : points) {
            Shadow* shadow = new Shadow;
            shadow->position = point;
            shadow->angularSpeed = 0;
            game.shadows.push_back(shadow);
        }
    }

    // An icicle of the given length lying loose on the ice at point, so that
    // it breaks and lands in its next update.
    Icicle* looseIcicleAt(const Vec3& point, const float length) {
        Icicle* icicle = new Icicle(point);
        icicle->landY = point.y;
        icicle->position = point;
        icicle->scale = {length, length, length};
        icicle->strength = 0;
        game.icicles.push_back(icicle);
        return icicle;
    }

    ConsoleCapture printed;
    LiveMode game{"test game"};
    std::filesystem::path scratchFolder;
    std::filesystem::path previousFolder;
};
