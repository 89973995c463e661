#include "image/FavGroupMove.h"

#include "image/Layout.h"

namespace image {

bool MoveFavGroup(int s, int t, SettingsImage& img) {
    const auto valid = [](int g) { return g >= 1 && g <= layout::kFavGroupCount; };
    if (!valid(s) || !valid(t))
        return false;
    const TFavGroupRecord moved = img.FavGroups[s];
    const int step = s < t ? 1 : -1;
    for (int g = s; g != t; g += step)
        img.FavGroups[g] = img.FavGroups[g + step];
    img.FavGroups[t] = moved;
    return true;
}

} // namespace image
