// The libcurl functions the mail and transfer code calls, loaded with the
// library on their first call instead of with the program: libcurl brings
// some thirty libraries of its own (TLS, Kerberos, LDAP, ...), which cost
// every start time and memory although most runs never send or fetch.
// Without the library the calls fail as libcurl's own do when it cannot
// start: no handle, an initialisation failure, a text saying so.

#define CURL_DISABLE_TYPECHECK
#include <curl/curl.h>

#include <dlfcn.h>

#include <cstdarg>

namespace {

constexpr char kCurlLibrary[] = "libcurl.so.4";

void* LoadedCurl()
{
    static void* const library = dlopen(kCurlLibrary, RTLD_NOW | RTLD_LOCAL);
    return library;
}

// The function of that name in libcurl, or nullptr without the library.
template <typename Function>
Function* CurlFunction(const char* name)
{
    void* library = LoadedCurl();
    return library ? reinterpret_cast<Function*>(dlsym(library, name)) : nullptr;
}

#define VL_CURL_FUNCTION(name) \
    static auto* const real = CurlFunction<decltype(name)>(#name)

} // namespace

extern "C" {

CURLcode curl_global_init(long flags)
{
    VL_CURL_FUNCTION(curl_global_init);
    return real ? real(flags) : CURLE_FAILED_INIT;
}

CURL* curl_easy_init()
{
    VL_CURL_FUNCTION(curl_easy_init);
    return real ? real() : nullptr;
}

void curl_easy_cleanup(CURL* curl)
{
    VL_CURL_FUNCTION(curl_easy_cleanup);
    if (real)
        real(curl);
}

CURLcode curl_easy_setopt(CURL* curl, CURLoption option, ...)
{
    VL_CURL_FUNCTION(curl_easy_setopt);
    if (!real)
        return CURLE_FAILED_INIT;
    // The value's type follows from the option's number, as libcurl reads it.
    va_list arguments;
    va_start(arguments, option);
    CURLcode code = CURLE_OK;
    if (option < CURLOPTTYPE_OBJECTPOINT)
        code = real(curl, option, va_arg(arguments, long));
    else if (option < CURLOPTTYPE_FUNCTIONPOINT)
        code = real(curl, option, va_arg(arguments, void*));
    else if (option < CURLOPTTYPE_OFF_T)
        code = real(curl, option, va_arg(arguments, void (*)()));
    else if (option < CURLOPTTYPE_BLOB)
        code = real(curl, option, va_arg(arguments, curl_off_t));
    else
        code = real(curl, option, va_arg(arguments, void*));
    va_end(arguments);
    return code;
}

CURLcode curl_easy_getinfo(CURL* curl, CURLINFO info, ...)
{
    VL_CURL_FUNCTION(curl_easy_getinfo);
    if (!real)
        return CURLE_FAILED_INIT;
    // Every item is read into the place a pointer names.
    va_list arguments;
    va_start(arguments, info);
    const CURLcode code = real(curl, info, va_arg(arguments, void*));
    va_end(arguments);
    return code;
}

CURLcode curl_easy_perform(CURL* curl)
{
    VL_CURL_FUNCTION(curl_easy_perform);
    return real ? real(curl) : CURLE_FAILED_INIT;
}

CURLcode curl_easy_send(CURL* curl, const void* buffer, size_t length, size_t* sent)
{
    VL_CURL_FUNCTION(curl_easy_send);
    return real ? real(curl, buffer, length, sent) : CURLE_FAILED_INIT;
}

CURLcode curl_easy_recv(CURL* curl, void* buffer, size_t length, size_t* received)
{
    VL_CURL_FUNCTION(curl_easy_recv);
    return real ? real(curl, buffer, length, received) : CURLE_FAILED_INIT;
}

const char* curl_easy_strerror(CURLcode code)
{
    VL_CURL_FUNCTION(curl_easy_strerror);
    return real ? real(code) : "The network library libcurl could not be loaded";
}

curl_slist* curl_slist_append(curl_slist* list, const char* text)
{
    VL_CURL_FUNCTION(curl_slist_append);
    return real ? real(list, text) : nullptr;
}

void curl_slist_free_all(curl_slist* list)
{
    VL_CURL_FUNCTION(curl_slist_free_all);
    if (real)
        real(list);
}

} // extern "C"
