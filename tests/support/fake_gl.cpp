#include "fake_gl.h"

#include <GL/freeglut.h>
#include <GL/gl.h>
#include <GL/glu.h>
#include <GL/glx.h>
#include <IL/il.h>
#include <IL/ilu.h>
#include <X11/extensions/Xrandr.h>
#define ILUT_USE_OPENGL // Debian builds ILUT with its OpenGL bridge; the header needs telling
#include <IL/ilut.h>

#include <cstdarg>
#include <cstdio>
#include <string_view>
#include <type_traits>
#include <utility>

FakeGl& fakeGl() {
    static FakeGl fake;
    return fake;
}

void resetFakeGl() {
    fakeGl() = FakeGl();
}

std::vector<std::string> takeCalls() {
    return std::exchange(fakeGl().calls, {});
}

namespace {

std::string enumName(const unsigned int value) {
    switch (value) {
#define NAME(x)                                                                                    \
    case x:                                                                                        \
        return #x;
        NAME(GL_TEXTURE_2D)
        NAME(GL_BLEND)
        NAME(GL_SRC_ALPHA)
        NAME(GL_ONE_MINUS_SRC_ALPHA)
        NAME(GL_MODELVIEW)
        NAME(GL_PROJECTION)
        NAME(GL_TEXTURE)
        NAME(GL_COMPILE)
        NAME(GL_QUADS)
        NAME(GL_TRIANGLES)
        NAME(GL_UNPACK_ALIGNMENT)
        NAME(GL_TEXTURE_MAG_FILTER)
        NAME(GL_TEXTURE_MIN_FILTER)
        NAME(GL_TEXTURE_WRAP_S)
        NAME(GL_TEXTURE_WRAP_T)
        NAME(GL_LINEAR)
        NAME(GL_REPEAT)
        NAME(GL_CULL_FACE)
        NAME(GL_CCW)
        NAME(GL_BACK)
        NAME(GL_DEPTH_TEST)
        NAME(GL_LEQUAL)
        NAME(GL_ALPHA_TEST)
        NAME(GL_GREATER)
        NAME(GL_SMOOTH)
        NAME(GL_FRONT)
        NAME(GL_FILL)
        NAME(GL_PERSPECTIVE_CORRECTION_HINT)
        NAME(GL_NICEST)
        NAME(GL_NORMALIZE)
        NAME(GL_TEXTURE_BINDING_2D)
        NAME(GL_SCISSOR_TEST)
#undef NAME
    case GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT:
        return "GL_COLOR_BUFFER_BIT|GL_DEPTH_BUFFER_BIT";
    default:
        return std::to_string(value);
    }
}

std::string number(const double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

void record(const char* format, ...) {
    char line[256];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(line, sizeof line, format, arguments);
    va_end(arguments);
    fakeGl().calls.emplace_back(line);
}

void recordEnum(const char* function, const unsigned int value) {
    record("%s(%s)", function, enumName(value).c_str());
}

template <typename Callback>
void registerCallback(const char* setter, Callback& slot, Callback callback) {
    slot = callback;
    fakeGl().registrations.emplace_back(setter);
    record("%s", setter);
}

} // namespace

extern "C" {

// ---- OpenGL state -------------------------------------------------------

void glEnable(GLenum cap) {
    recordEnum("glEnable", cap);
    if (cap == GL_BLEND) {
        fakeGl().blendEnabled = true;
    }
    if (cap == GL_TEXTURE_2D) {
        fakeGl().texturingEnabled = true;
    }
}

void glDisable(GLenum cap) {
    recordEnum("glDisable", cap);
    if (cap == GL_BLEND) {
        fakeGl().blendEnabled = false;
    }
    if (cap == GL_TEXTURE_2D) {
        fakeGl().texturingEnabled = false;
    }
}

void glBindTexture(GLenum target, GLuint texture) {
    record("glBindTexture(%s, %u)", enumName(target).c_str(), texture);
    fakeGl().boundTexture = static_cast<int>(texture);
}

void glBlendFunc(GLenum source, GLenum destination) {
    record("glBlendFunc(%s, %s)", enumName(source).c_str(), enumName(destination).c_str());
}

void glGetIntegerv(GLenum name, GLint* values) {
    recordEnum("glGetIntegerv", name);
    values[0] = name == GL_TEXTURE_BINDING_2D ? fakeGl().boundTexture : 0;
}

void glGetBooleanv(GLenum name, GLboolean* values) {
    recordEnum("glGetBooleanv", name);
    values[0] = name == GL_BLEND && fakeGl().blendEnabled ? GL_TRUE : GL_FALSE;
}

const GLubyte* glGetString(GLenum name) {
    recordEnum("glGetString", name);
    return reinterpret_cast<const GLubyte*>("");
}

void glPixelStorei(GLenum name, GLint value) {
    record("glPixelStorei(%s, %d)", enumName(name).c_str(), value);
}

void glClear(GLbitfield mask) {
    recordEnum("glClear", mask);
}
void glFinish() {
    record("glFinish()");
}
void glClearColor(GLfloat r, GLfloat g, GLfloat b, GLfloat a) {
    record("glClearColor(%s, %s, %s, %s)", number(r).c_str(), number(g).c_str(), number(b).c_str(),
           number(a).c_str());
}
void glClearDepth(GLclampd depth) {
    record("glClearDepth(%s)", number(depth).c_str());
}
void glDepthFunc(GLenum function) {
    recordEnum("glDepthFunc", function);
}
void glAlphaFunc(GLenum function, GLclampf reference) {
    record("glAlphaFunc(%s, %s)", enumName(function).c_str(), number(reference).c_str());
}
void glFrontFace(GLenum mode) {
    recordEnum("glFrontFace", mode);
}
void glCullFace(GLenum mode) {
    recordEnum("glCullFace", mode);
}
void glShadeModel(GLenum mode) {
    recordEnum("glShadeModel", mode);
}
void glPolygonMode(GLenum face, GLenum mode) {
    record("glPolygonMode(%s, %s)", enumName(face).c_str(), enumName(mode).c_str());
}
void glHint(GLenum target, GLenum mode) {
    record("glHint(%s, %s)", enumName(target).c_str(), enumName(mode).c_str());
}
void glViewport(GLint x, GLint y, GLsizei width, GLsizei height) {
    record("glViewport(%d, %d, %d, %d)", x, y, width, height);
}
void glScissor(GLint x, GLint y, GLsizei width, GLsizei height) {
    record("glScissor(%d, %d, %d, %d)", x, y, width, height);
}

// ---- Matrices ------------------------------------------------------------

void glMatrixMode(GLenum mode) {
    recordEnum("glMatrixMode", mode);
}
void glLoadIdentity() {
    record("glLoadIdentity()");
}
void glPushMatrix() {
    record("glPushMatrix()");
}
void glPopMatrix() {
    record("glPopMatrix()");
}
void glTranslatef(GLfloat x, GLfloat y, GLfloat z) {
    record("glTranslatef(%s, %s, %s)", number(x).c_str(), number(y).c_str(), number(z).c_str());
}
void glRotatef(GLfloat angle, GLfloat x, GLfloat y, GLfloat z) {
    record("glRotatef(%s, %s, %s, %s)", number(angle).c_str(), number(x).c_str(), number(y).c_str(),
           number(z).c_str());
}
void glScalef(GLfloat x, GLfloat y, GLfloat z) {
    record("glScalef(%s, %s, %s)", number(x).c_str(), number(y).c_str(), number(z).c_str());
}
void glOrtho(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top, GLdouble near,
             GLdouble far) {
    record("glOrtho(%s, %s, %s, %s, %s, %s)", number(left).c_str(), number(right).c_str(),
           number(bottom).c_str(), number(top).c_str(), number(near).c_str(), number(far).c_str());
}
void gluPerspective(GLdouble fovy, GLdouble aspect, GLdouble near, GLdouble far) {
    record("gluPerspective(%s, %s, %s, %s)", number(fovy).c_str(), number(aspect).c_str(),
           number(near).c_str(), number(far).c_str());
}

// ---- Drawing -------------------------------------------------------------

GLuint glGenLists(GLsizei range) {
    record("glGenLists(%d)", range);
    const GLuint name = fakeGl().nextList;
    fakeGl().nextList += static_cast<GLuint>(range);
    return name;
}
void glNewList(GLuint list, GLenum mode) {
    record("glNewList(%u, %s)", list, enumName(mode).c_str());
}
void glEndList() {
    record("glEndList()");
}
void glCallList(GLuint list) {
    record("glCallList(%u)", list);
}
void glBegin(GLenum mode) {
    recordEnum("glBegin", mode);
}
void glEnd() {
    record("glEnd()");
}
void glNormal3f(GLfloat x, GLfloat y, GLfloat z) {
    record("glNormal3f(%s, %s, %s)", number(x).c_str(), number(y).c_str(), number(z).c_str());
}
void glTexCoord2f(GLfloat s, GLfloat t) {
    record("glTexCoord2f(%s, %s)", number(s).c_str(), number(t).c_str());
}
void glVertex3f(GLfloat x, GLfloat y, GLfloat z) {
    record("glVertex3f(%s, %s, %s)", number(x).c_str(), number(y).c_str(), number(z).c_str());
}
void glColor4f(GLfloat r, GLfloat g, GLfloat b, GLfloat a) {
    record("glColor4f(%s, %s, %s, %s)", number(r).c_str(), number(g).c_str(), number(b).c_str(),
           number(a).c_str());
}
void glColor4fv(const GLfloat* c) {
    record("glColor4fv(%s, %s, %s, %s)", number(c[0]).c_str(), number(c[1]).c_str(),
           number(c[2]).c_str(), number(c[3]).c_str());
}

// ---- Textures ------------------------------------------------------------

void glGenTextures(GLsizei count, GLuint* names) {
    record("glGenTextures(%d)", count);
    for (GLsizei i = 0; i < count; ++i) {
        names[i] = fakeGl().nextTexture++;
    }
}
void glTexParameteri(GLenum target, GLenum name, GLint value) {
    record("glTexParameteri(%s, %s, %s)", enumName(target).c_str(), enumName(name).c_str(),
           enumName(static_cast<unsigned int>(value)).c_str());
}

// ---- GLUT ----------------------------------------------------------------

void glutInit(int* argc, char**) {
    record("glutInit(%d)", *argc);
}
void glutInitDisplayMode(unsigned int mode) {
    record("glutInitDisplayMode(%u)", mode);
}
void glutInitWindowSize(int width, int height) {
    record("glutInitWindowSize(%d, %d)", width, height);
}
int glutCreateWindow(const char* title) {
    record("glutCreateWindow(%s)", title);
    return 1;
}
void glutReshapeWindow(int width, int height) {
    record("glutReshapeWindow(%d, %d)", width, height);
}
void glutSetCursor(int cursor) {
    record("glutSetCursor(%s)", cursor == GLUT_CURSOR_NONE      ? "GLUT_CURSOR_NONE"
                                : cursor == GLUT_CURSOR_INHERIT ? "GLUT_CURSOR_INHERIT"
                                                                : "?");
}
void glutReshapeFunc(void (*callback)(int, int)) {
    registerCallback("glutReshapeFunc", fakeGl().reshape, callback);
}
void glutDisplayFunc(void (*callback)()) {
    registerCallback("glutDisplayFunc", fakeGl().display, callback);
}
void glutIdleFunc(void (*callback)()) {
    registerCallback("glutIdleFunc", fakeGl().idle, callback);
}
void glutMouseFunc(void (*callback)(int, int, int, int)) {
    registerCallback("glutMouseFunc", fakeGl().mouse, callback);
}
void glutMotionFunc(void (*callback)(int, int)) {
    registerCallback("glutMotionFunc", fakeGl().motion, callback);
}
void glutPassiveMotionFunc(void (*callback)(int, int)) {
    registerCallback("glutPassiveMotionFunc", fakeGl().passiveMotion, callback);
}
void glutKeyboardFunc(void (*callback)(unsigned char, int, int)) {
    registerCallback("glutKeyboardFunc", fakeGl().keyboard, callback);
}
void glutKeyboardUpFunc(void (*callback)(unsigned char, int, int)) {
    registerCallback("glutKeyboardUpFunc", fakeGl().keyboardUp, callback);
}
void glutSpecialFunc(void (*callback)(int, int, int)) {
    registerCallback("glutSpecialFunc", fakeGl().special, callback);
}
void glutSpecialUpFunc(void (*callback)(int, int, int)) {
    registerCallback("glutSpecialUpFunc", fakeGl().specialUp, callback);
}
void glutEntryFunc(void (*callback)(int)) {
    registerCallback("glutEntryFunc", fakeGl().entry, callback);
}
void glutWindowStatusFunc(void (*callback)(int)) {
    registerCallback("glutWindowStatusFunc", fakeGl().windowStatus, callback);
}
void glutTimerFunc(unsigned int ms, void (*callback)(int), int value) {
    record("glutTimerFunc(%u)", ms);
    fakeGl().timer = callback;
    fakeGl().timerValue = value;
}
void glutIgnoreKeyRepeat(int) {}
void glutFullScreenToggle() {
    record("glutFullScreenToggle()");
}
void glutPositionWindow(int x, int y) {
    record("glutPositionWindow(%d, %d)", x, y);
}
void glutMainLoop() {
    record("glutMainLoop()");
}
int glutGet(GLenum state) {
    return state == GLUT_ELAPSED_TIME ? fakeGl().elapsedMs : 0;
}
int glutGetModifiers() {
    return fakeGl().modifiers;
}
void glutPostRedisplay() {
    record("glutPostRedisplay()");
}
void glutSwapBuffers() {
    record("glutSwapBuffers()");
}

// ---- GLX -----------------------------------------------------------------

static void fakeSwapIntervalExt(Display*, GLXDrawable, int interval) {
    record("glXSwapIntervalEXT(%d)", interval);
    fakeGl().swapInterval = interval;
}
static int fakeSwapIntervalMesa(unsigned int interval) {
    record("glXSwapIntervalMESA(%u)", interval);
    fakeGl().swapInterval = static_cast<int>(interval);
    return 0;
}
static int fakeSwapIntervalSgi(int interval) {
    record("glXSwapIntervalSGI(%d)", interval);
    fakeGl().swapInterval = interval;
    return 0;
}

Display* glXGetCurrentDisplay() {
    // Xlib's macros (DefaultScreen) read the display's public fields, so the
    // stand-in is a whole, zeroed display record: screen 0.
    static std::remove_pointer_t<_XPrivDisplay> stand_in{};
    return fakeGl().hasDisplay ? reinterpret_cast<Display*>(&stand_in) : nullptr;
}
GLXDrawable glXGetCurrentDrawable() {
    return 1;
}
const char* glXQueryExtensionsString(Display*, int) {
    return fakeGl().glxExtensions;
}
__GLXextFuncPtr glXGetProcAddressARB(const GLubyte* name) {
    const std::string_view wanted = reinterpret_cast<const char*>(name);
    if (wanted == "glXSwapIntervalEXT") {
        return reinterpret_cast<__GLXextFuncPtr>(fakeSwapIntervalExt);
    }
    if (wanted == "glXSwapIntervalMESA") {
        return reinterpret_cast<__GLXextFuncPtr>(fakeSwapIntervalMesa);
    }
    if (wanted == "glXSwapIntervalSGI") {
        return reinterpret_cast<__GLXextFuncPtr>(fakeSwapIntervalSgi);
    }
    return nullptr;
}

// A display without RandR: the game falls back to 60 Hz.
Window XDefaultRootWindow(Display*) {
    return 1;
}
Bool XTranslateCoordinates(Display*, Window, Window, int x, int y, int* rootX, int* rootY,
                           Window* child) {
    *rootX = x;
    *rootY = y;
    *child = None;
    return True;
}

// No window manager runs: the game fullscreens its window by hand.
Window XGetSelectionOwner(Display*, Atom) {
    return None;
}
XRRScreenResources* XRRGetScreenResourcesCurrent(Display*, Window) {
    return nullptr;
}
void XRRFreeScreenResources(XRRScreenResources*) {}
XRRCrtcInfo* XRRGetCrtcInfo(Display*, XRRScreenResources*, RRCrtc) {
    return nullptr;
}
void XRRFreeCrtcInfo(XRRCrtcInfo*) {}

// ---- DevIL ---------------------------------------------------------------

void ilInit() {
    record("ilInit()");
}
ILboolean ilutRenderer(ILenum renderer) {
    record("ilutRenderer(%s)", renderer == ILUT_OPENGL ? "ILUT_OPENGL" : "?");
    return IL_TRUE;
}
ILboolean ilEnable(ILenum mode) {
    record("ilEnable(%s)", mode == IL_ORIGIN_SET ? "IL_ORIGIN_SET" : "?");
    return IL_TRUE;
}
ILboolean ilOriginFunc(ILenum mode) {
    record("ilOriginFunc(%s)", mode == IL_ORIGIN_UPPER_LEFT   ? "IL_ORIGIN_UPPER_LEFT"
                               : mode == IL_ORIGIN_LOWER_LEFT ? "IL_ORIGIN_LOWER_LEFT"
                                                              : "?");
    return IL_TRUE;
}
void ilGenImages(ILsizei count, ILuint* images) {
    record("ilGenImages(%d)", count);
    for (ILsizei i = 0; i < count; ++i) {
        images[i] = static_cast<ILuint>(100 + i);
    }
}
void ilBindImage(ILuint image) {
    record("ilBindImage(%u)", image);
}
ILboolean ilLoadImage(ILconst_string path) {
    record("ilLoadImage(%s)", path);
    const std::string text = path;
    const bool fails =
        text.find("missing") != std::string::npos || fakeGl().failingImages.count(text) > 0;
    return fails ? IL_FALSE : IL_TRUE;
}
void ilDeleteImages(ILsizei count, const ILuint* images) {
    record("ilDeleteImages(%d, %u)", count, images[0]);
}
ILboolean iluFlipImage() {
    record("iluFlipImage()");
    return IL_TRUE;
}
ILboolean ilutGLTexImage(GLuint level) {
    record("ilutGLTexImage(%u)", level);
    return IL_TRUE;
}

} // extern "C"

// ---- Queries added for the light ray -------------------------------------

extern "C" GLboolean glIsEnabled(GLenum cap) {
    recordEnum("glIsEnabled", cap);
    const bool enabled = (cap == GL_BLEND && fakeGl().blendEnabled) ||
                         (cap == GL_TEXTURE_2D && fakeGl().texturingEnabled);
    return enabled ? GL_TRUE : GL_FALSE;
}
