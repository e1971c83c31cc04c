#pragma once

// Where a minimised page draws its icon along one axis: centred, rounding
// toward zero, so an icon larger than the client area starts at -5, not -6.
constexpr int centredIconOffset(int clientSize, int iconSize) {
    return (clientSize - iconSize + 1) / 2;
}
