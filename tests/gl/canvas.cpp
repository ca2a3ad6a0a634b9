#include "canvas.h"

#include "app/camera.h"
#include "gfx/sprite.h"

#include <GL/freeglut.h>
#include <GL/gl.h>

#include <cstdio>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <thread>

namespace {

int framesShown = 0;

void countFrame() {
    framesShown += 1;
    glutSwapBuffers();
}

// The canvas is set up explicitly once the window shows; GLUT's own reshape
// handling must not touch the viewport afterwards.
void ignoreReshape(int, int) {}

// Paths handed to the texture cache must outlive it, and each must have its
// own address.
const char* keepPath(const std::string& path) {
    static std::deque<std::string> paths;
    return paths.emplace_back(path).c_str();
}

} // namespace

void openTestWindow(int& argc, char** argv) {
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGBA | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(800, 600);
    glutCreateWindow("Brumalo GL tests");
    glutDisplayFunc(countFrame);
    glutReshapeFunc(ignoreReshape);

    // Wait, boundedly, for the window to be mapped and drawn once, so the
    // drawable has its full size before the tests read it back.
    for (int attempt = 0; attempt < 500 && framesShown == 0; ++attempt) {
        glutMainLoopEvent();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (framesShown == 0) {
        std::fprintf(stderr, "The test window never showed.\n");
        std::exit(2);
    }

    camera.eye[2] = -50.0f;
    camera.perspective = 0;
    currentCamera = &camera;
    camera.reshape(800, 600);

    glClearColor(0.5f, 0.5f, 0.5f, 1.0f);
    glShadeModel(GL_SMOOTH);
    setCulling(false);
    setDepthTest(false, false);
    glEnable(GL_NORMALIZE);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
}

void startFrame() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    renderCache = RenderCache();
}

Rgb canvasPixel(const int x, const int y) {
    glFinish();
    unsigned char pixel[3] = {0, 0, 0};
    // Rows are counted from the bottom, like the canvas's y.
    glReadPixels(400 + x, 300 + y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, pixel);
    return {pixel[0], pixel[1], pixel[2]};
}

::testing::AssertionResult looksLike(const Rgb& seen, const Rgb& wanted) {
    const int tolerance = 24;
    const bool close = std::abs(seen.red - wanted.red) <= tolerance &&
                       std::abs(seen.green - wanted.green) <= tolerance &&
                       std::abs(seen.blue - wanted.blue) <= tolerance;
    if (close) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "saw rgb(" << seen.red << ", " << seen.green << ", " << seen.blue << "), wanted rgb("
           << wanted.red << ", " << wanted.green << ", " << wanted.blue << ")";
}

const std::string& scratchFolder() {
    static const std::string folder = [] {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "brumalo-gl-XXXXXX").string();
        if (!mkdtemp(pattern.data())) {
            std::perror("mkdtemp");
            std::exit(2);
        }
        return pattern;
    }();
    return folder;
}

void removeScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(scratchFolder(), ignored);
}

const char* makePicture(const std::string& name, const std::string& convertArguments) {
    const std::string path = scratchFolder() + "/" + name;
    const std::string command = "convert " + convertArguments + " '" + path + "'";
    if (std::system(command.c_str()) != 0) {
        ADD_FAILURE() << "could not make a test picture: " << command;
    }
    return keepPath(path);
}

const char* makeFile(const std::string& name, const std::string& bytes) {
    const std::string path = scratchFolder() + "/" + name;
    std::ofstream(path, std::ios::binary) << bytes;
    return keepPath(path);
}

const char* missingFile(const std::string& name) {
    return keepPath(scratchFolder() + "/" + name);
}
