#pragma once
namespace app {

// Makes the pictures the windows' layouts name (banner.bmp, help.png,
// start.png, icon.png, divx.jpg) and the internal skin's package known to
// the framework.
void RegisterAppResources();

}  // namespace app
