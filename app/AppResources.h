#pragma once
namespace app {

// Makes the pictures the windows' layouts name (banner.bmp, help.png,
// start.png, icon.png, divx.jpg) known to the framework.
void RegisterAppResources();

}  // namespace app
