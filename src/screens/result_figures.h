#pragma once

// The numbers the result screen shows over its picture: a win shows this
// game's time and the best, a loss the fish caught and the most ever.
struct ResultFigures {
    bool won = false;
    int timeMs = 0; // this game's time, game milliseconds
    int bestMs = 0; // the best winning time ever, this game included
    bool newBest = false;
    int fishCaught = 0;
    int mostFish = 0; // the most fish ever caught in one game, this one included
};

// Draws the figures over the win or lose picture, in the canvas.
void drawResultFigures(const ResultFigures& figures);
