#pragma once
// The whole Sapphire skin: its options text and its image files, with the
// member names the internal skin package has always had.
#include <string>
#include <vector>

namespace skinart {

struct TSkinFile {
    std::string Name;
    std::string Bytes;
};

// Options.dat, ButtonHuge.bmp, Corner.bmp, Master.bmp, GlowBtn.PNG,
// GlowCAlone.png, GlowClose.PNG, GlowH.png, GlowMax.PNG, GlowMin.png,
// GlowNorm.png, XBorder.png.
std::vector<TSkinFile> BuildSapphireSkin();

}  // namespace skinart
