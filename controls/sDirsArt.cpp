#include "controls/sDirsArt.h"

#include <cstddef>
#include <string_view>

#include "vcl/Resources.h"

#define DIRS_PICTURE(name)                       \
    extern const unsigned char DirsArt##name[]; \
    extern const std::size_t DirsArt##name##Size;
DIRS_PICTURE(SF)
DIRS_PICTURE(SR)
DIRS_PICTURE(SD)
DIRS_PICTURE(SE)
DIRS_PICTURE(SC)
DIRS_PICTURE(TreeIcons)
#undef DIRS_PICTURE

namespace controls {

namespace {

void Register(const char* name, const unsigned char* bytes, std::size_t size) {
    vcl::RegisterResource(name, {reinterpret_cast<const char*>(bytes), size});
}

}  // namespace

void RegisterDirsArt() {
    Register("SF", DirsArtSF, DirsArtSFSize);
    Register("SR", DirsArtSR, DirsArtSRSize);
    Register("SD", DirsArtSD, DirsArtSDSize);
    Register("SE", DirsArtSE, DirsArtSESize);
    Register("SC", DirsArtSC, DirsArtSCSize);
    Register("DIRS_TREEICONS", DirsArtTreeIcons, DirsArtTreeIconsSize);
}

}  // namespace controls
