#pragma once
// Owns the pictures that loadPicture decoded, behind opaque non-zero numbers.
#include <cstdint>
#include <unordered_map>

#include "editor/EditorState.h"
#include "picture/Picture.h"

namespace qv {

class PictureStore {
public:
    PictureNumber add(Picture picture);
    const Picture* find(PictureNumber number) const;  // null for 0 and unknown numbers
    void remove(PictureNumber number);
    std::size_t size() const { return pictures_.size(); }

private:
    std::unordered_map<PictureNumber, Picture> pictures_;
    std::uint32_t issued_ = 0;
};

}  // namespace qv
