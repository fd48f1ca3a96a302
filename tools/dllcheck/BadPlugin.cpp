// A DLL with the faults the check exists to catch: a decorated name beside each plain one, an
// export that removes the wrong number of argument bytes, and a C++ runtime DLL to ship.
#include <string>

static std::string g_text;

extern "C" {
__declspec(dllexport) void __stdcall PlgInit(const char* folder) { g_text = folder; }
__declspec(dllexport) void __stdcall PlgDestroy(void) { g_text.clear(); }
__declspec(dllexport) void __stdcall PlgInfo(void) {}
__declspec(dllexport) void __stdcall PlgGetAbout(void) {}
__declspec(dllexport) void __stdcall PlgGetOptions(void) {}
__declspec(dllexport) void __stdcall PlgGetDirectLink(const char* link) { g_text = link; }
__declspec(dllexport) void __stdcall PlgOnError(unsigned, const char*, const char*) {}
__declspec(dllexport) void __stdcall PlgOnSuccess(unsigned, unsigned, const char*) {}
}
