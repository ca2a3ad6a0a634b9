#include "app/window_icon.h"

unsigned long argbCardinal(const unsigned char red, const unsigned char green,
                           const unsigned char blue, const unsigned char alpha) {
    // Widened before shifting: in an int, an opaque pixel's alpha << 24 turns
    // negative, and would reach the long with ones above its 32 bits.
    const unsigned long a = alpha;
    const unsigned long r = red;
    const unsigned long g = green;
    const unsigned long b = blue;
    return a << 24 | r << 16 | g << 8 | b;
}

std::vector<unsigned long> windowIconCardinals() {
    std::vector<unsigned long> cardinals;
    for (int i = 0; i < windowIconPictureCount; ++i) {
        const WindowIconPicture& picture = windowIconPictures[i];
        const int pixels = picture.size * picture.size;
        cardinals.push_back(static_cast<unsigned long>(picture.size));
        cardinals.push_back(static_cast<unsigned long>(picture.size));
        for (int pixel = 0; pixel < pixels; ++pixel) {
            const unsigned char* bytes = picture.rgba + 4 * pixel;
            cardinals.push_back(argbCardinal(bytes[0], bytes[1], bytes[2], bytes[3]));
        }
    }
    return cardinals;
}
