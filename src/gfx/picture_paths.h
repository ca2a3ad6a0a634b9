#pragma once

// Every picture the game shows, by the path it is opened with. The texture
// cache knows a picture by the address of its path, so each path is one
// constant for the whole program (an inline variable has one address
// everywhere), and every user names it from here.
namespace pictures {

inline constexpr char splash[] = "./img/splash.jpg";
inline constexpr char instructions[] = "./img/instructions.jpg";
inline constexpr char win[] = "./img/win.jpg";
inline constexpr char lose[] = "./img/lose.jpg";
inline constexpr char background[] = "./img/bg.png";
inline constexpr char sun[] = "./img/sun.png";
inline constexpr char sky[] = "./img/sky.png";
inline constexpr char tree[] = "./img/tree.png";
inline constexpr char magnifier[] = "./img/magglass.png";
inline constexpr char fish[] = "./img/fish.png";
inline constexpr char shadow[] = "./img/shadow.png";
inline constexpr char ray[] = "./img/ray.png";
inline constexpr char drop[] = "./img/drop.png";
inline constexpr char ring[] = "./img/ring.png";
inline constexpr char icicle[] = "./img/icicle.png";
inline constexpr char snowflake[] = "./img/snowflake.png";
// Drawn over the scene or a screen: the figures' lettering, and the pause
// menu's panel, its values and the volume's marks, and the "new best" mark,
// which carry words in the player's language.
inline constexpr char digits[] = "./img/digits.png";
inline constexpr char paused[] = "./img/paused.png";
inline constexpr char menuValues[] = "./img/menuvalues.png";
inline constexpr char newBest[] = "./img/newbest.png";

// The pictures of the live game and of what is drawn over it and over the
// result screens, which the title screen loads ahead of time: no frame of
// play waits for a picture, nor does the pause or the result.
inline constexpr const char* liveGame[] = {
    background, sun,  sky,    tree,      magnifier, fish,       shadow, ray,
    drop,       ring, icicle, snowflake, paused,    menuValues, digits, newBest};

} // namespace pictures
