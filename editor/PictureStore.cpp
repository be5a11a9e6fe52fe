#include "editor/PictureStore.h"

namespace qv {

PictureNumber PictureStore::add(Picture picture) {
    // Numbers are opaque: successive ones are scattered over the 32-bit range
    // (an odd multiplier is a bijection), never 0, never already in use.
    PictureNumber number = 0;
    do {
        ++issued_;
        number = issued_ * 2654435761u;
    } while (number == 0 || pictures_.count(number) != 0);
    pictures_.emplace(number, std::move(picture));
    return number;
}

const Picture* PictureStore::find(PictureNumber number) const {
    if (number == 0) return nullptr;
    const auto it = pictures_.find(number);
    return it == pictures_.end() ? nullptr : &it->second;
}

void PictureStore::remove(PictureNumber number) { pictures_.erase(number); }

}  // namespace qv
