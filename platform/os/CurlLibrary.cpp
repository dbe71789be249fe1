#include "os/CurlLibrary.h"

#include <dlfcn.h>

#include <mutex>

namespace os {

namespace {

// The soname of libcurl's stable interface.
constexpr char kLibraryName[] = "libcurl.so.4";

template <typename Function>
bool Resolve(void* library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

bool Load(TCurlApi& api) {
    // Never unloaded: libcurl's global state lives as long as the program.
    void* library = dlopen(kLibraryName, RTLD_NOW | RTLD_LOCAL);
    if (!library) return false;
    decltype(&curl_global_init) globalInit = nullptr;
    const bool resolved =
        Resolve(library, "curl_global_init", globalInit) && Resolve(library, "curl_easy_init", api.easy_init) &&
        Resolve(library, "curl_easy_cleanup", api.easy_cleanup) &&
        Resolve(library, "curl_easy_setopt", api.easy_setopt) &&
        Resolve(library, "curl_easy_getinfo", api.easy_getinfo) &&
        Resolve(library, "curl_easy_pause", api.easy_pause) && Resolve(library, "curl_multi_init", api.multi_init) &&
        Resolve(library, "curl_multi_cleanup", api.multi_cleanup) &&
        Resolve(library, "curl_multi_add_handle", api.multi_add_handle) &&
        Resolve(library, "curl_multi_remove_handle", api.multi_remove_handle) &&
        Resolve(library, "curl_multi_perform", api.multi_perform) &&
        Resolve(library, "curl_multi_info_read", api.multi_info_read) &&
        Resolve(library, "curl_multi_timeout", api.multi_timeout) &&
        Resolve(library, "curl_multi_poll", api.multi_poll) &&
        Resolve(library, "curl_slist_append", api.slist_append) &&
        Resolve(library, "curl_slist_free_all", api.slist_free_all);
    return resolved && globalInit(CURL_GLOBAL_DEFAULT) == CURLE_OK;
}

}  // namespace

const TCurlApi* CurlApi() {
    static TCurlApi api;
    static bool loaded = false;
    static std::once_flag once;
    std::call_once(once, [] { loaded = Load(api); });
    return loaded ? &api : nullptr;
}

}  // namespace os
