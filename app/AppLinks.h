#pragma once
// The addresses the windows name or open.
namespace app {

inline constexpr char ProductWebPage[] = "http://www.kestrune.com/youtube-converter/";
inline constexpr char MakerHomePage[] = "http://www.kestrune.com/";
inline constexpr char SupportMail[] = "support@kestrune.com";
inline constexpr char CodecInstallerAddress[] = "http://download.divx.com/divx/DivXInstaller.exe";
inline constexpr char ExampleWatchPage[] = "http://www.youtube.com/watch?v=dQw4w9WgXcQ";

}  // namespace app
