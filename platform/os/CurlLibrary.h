#pragma once
// libcurl, loaded on the first request rather than when the program starts:
// with it come the TLS, Kerberos, LDAP and SSH libraries it was built with,
// megabytes of memory and milliseconds of start-up that a program waiting at
// its main window has no use for.
#include <curl/curl.h>

namespace os {

struct TCurlApi {
    decltype(&curl_easy_init) easy_init;
    decltype(&curl_easy_cleanup) easy_cleanup;
    decltype(&curl_easy_setopt) easy_setopt;
    decltype(&curl_easy_getinfo) easy_getinfo;
    decltype(&curl_easy_pause) easy_pause;
    decltype(&curl_multi_init) multi_init;
    decltype(&curl_multi_cleanup) multi_cleanup;
    decltype(&curl_multi_add_handle) multi_add_handle;
    decltype(&curl_multi_remove_handle) multi_remove_handle;
    decltype(&curl_multi_perform) multi_perform;
    decltype(&curl_multi_info_read) multi_info_read;
    decltype(&curl_multi_timeout) multi_timeout;
    decltype(&curl_multi_poll) multi_poll;
    decltype(&curl_slist_append) slist_append;
    decltype(&curl_slist_free_all) slist_free_all;
};

// The library's functions, loaded and globally initialised on the first
// call; null when libcurl cannot be loaded, so that no request can be made.
const TCurlApi* CurlApi();

}  // namespace os
