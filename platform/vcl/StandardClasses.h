#pragma once
// Registers the framework's own classes by name for stored layouts (done
// once, on the first layout read).
namespace vcl {

void RegisterStandardClasses();

}  // namespace vcl
