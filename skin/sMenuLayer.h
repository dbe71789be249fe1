#pragma once
// The manager's menu layer: it owns one, but the layer paints through and
// through, so the painting layer supplies it through the factory set here at
// start-up. Without a factory the manager has no menu layer and menus keep
// the framework's plain look.
#include <memory>

namespace skin {

class TsSkinManager;

class TacMenuLayer {
public:
    virtual ~TacMenuLayer() = default;
    // A skin is about to be applied: the width of the skin's menu frame is
    // computed anew on its next read, and the menus' pictures of the old skin go.
    virtual void SkinChanging() = 0;
    // The menus of the whole program are hooked while a skin is applied and
    // unhooked once none is.
    virtual void UpdateActive() = 0;
};

using TacMenuLayerFactory = std::unique_ptr<TacMenuLayer> (*)(TsSkinManager& manager);

void SetMenuLayerFactory(TacMenuLayerFactory factory);
TacMenuLayerFactory MenuLayerFactory();

}  // namespace skin
