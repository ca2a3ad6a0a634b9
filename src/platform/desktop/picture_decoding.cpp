#include "platform/picture_decoding.h"

#include "gfx/picture_upload.h"

#include "gfx/texture_cache.h"

#include <GL/gl.h>
#include <IL/il.h>
#include <IL/ilu.h>
#define ILUT_USE_OPENGL // Debian builds ILUT with its OpenGL bridge; the header needs telling
#include <IL/ilut.h>

bool uploadPicture(const char* path, std::uint32_t& glName) {
    if (!imageLibraryReady) {
        ilInit();
        ilutRenderer(ILUT_OPENGL);
        // Rows must arrive top first, so that texture row t = 0 is the top
        // of the picture as any image viewer shows it. The upload copies and
        // turns over any picture that says its top row comes first, which
        // for a full-window JPEG costs nearly as much as decoding it; so
        // pictures are decoded bottom row first and turned over in place
        // before the upload, and go up as they are.
        ilEnable(IL_ORIGIN_SET);
        ilOriginFunc(IL_ORIGIN_LOWER_LEFT);
        imageLibraryReady = true;
    }

    ILuint image = 0;
    ilGenImages(1, &image);
    ilBindImage(image);

    const bool loaded = ilLoadImage(path);
    if (loaded) {
        // Top row first now, while the picture still calls its origin the
        // lower left corner.
        iluFlipImage();
        glName = startPictureTexture(GL_REPEAT);
        ilutGLTexImage(0);
    }

    // Once uploaded, only OpenGL needs the pixels.
    ilDeleteImages(1, &image);
    return loaded;
}
