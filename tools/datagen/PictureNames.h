#pragma once

#include <QString>

#include <vector>

namespace daz::datagen {

struct Level;

// What a screen reader calls a picture of a level, in Chinese and in
// English; each level folder lists them in pictures.ini.
struct PictureName {
    QString zh;
    QString en;
};

// The names of a level's pictures, in picture order (1.gif first). A
// picture with a caption is called by it; characters by themselves. Throws
// when a picture has no name.
std::vector<PictureName> PictureNames(const Level& level);

} // namespace daz::datagen
