// Arbitrary bytes as a skin package: the reader either rejects them with an
// exception or gives members that keep its promises (one options member, the
// images in a list no longer than the member count says, each found by its
// upper-cased name).
#include <cstdint>
#include <cstdlib>

#include "rtl/Exceptions.h"
#include "skin/acSkinPack.h"
#include "skin/sUpperCase.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    rtl::TMemoryStream source;
    source.WriteBuffer(data, static_cast<long long>(size));
    skin::TacSkinConvertor convertor;
    convertor.SetSourceData(&source);
    try {
        convertor.Unpack();
    } catch (const rtl::Exception&) {
        if (!convertor.ImageList.empty() || convertor.OptionsData || convertor.SourceData()) abort();
        return 0;
    }
    convertor.SetSourceData(nullptr);
    if (!convertor.OptionsData || static_cast<int>(convertor.ImageList.size()) > convertor.ImageMemberCount) abort();
    for (const skin::TacImageItem& item : convertor.ImageList)
        if (convertor.FindImage(skin::UpperCase(item.Name)) == nullptr) abort();
    return 0;
}
