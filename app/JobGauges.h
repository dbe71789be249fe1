#pragma once
// The gauge values of a running job. Both numbers are taken as floating
// point, divided, multiplied by the share and truncated toward zero; the
// gauges themselves keep what they are given within 0 to 100.
#include <cstdint>

namespace app {

int GaugeShare(int64_t done, int64_t whole, int share);

inline int DownloadStage(int64_t bytes, int64_t size) { return GaugeShare(bytes, size, 100); }
inline int DownloadTotal(int64_t bytes, int64_t size) { return GaugeShare(bytes, size, 30) + 30; }
inline int ConvertStage(int position, int duration) { return GaugeShare(position, duration, 100); }
inline int ConvertTotal(int position, int duration) { return GaugeShare(position, duration, 40) + 60; }

}  // namespace app
