/*
 * The boundary between the download manager (the host) and the ZelvoDiskTrumo plug-in.
 * The plug-in, the test host and every other host include this one header.
 *
 * Contracts that hold for every entry below:
 * - All entries use ZT_CALL: stdcall on 32-bit Windows (arguments pushed last to first, removed
 *   by the callee), the platform's only convention elsewhere. Every argument is 32 bits wide on
 *   the 32-bit product.
 * - A text is a zero-terminated 8-bit string in the ANSI code page (Windows-1251). The plug-in
 *   never passes a null text; it reads a null text from the host as the empty text. A text
 *   handed over is valid only until the call returns: whoever keeps it copies it.
 * - A host service that returns a text does so by calling the TReplyCallback it was given,
 *   zero or more times, on the calling thread, before it returns. The last text delivered wins.
 * - Any callback or service may be missing (null): the plug-in then does nothing, or takes the
 *   empty text or 0, and never reports it.
 * - The host calls the exports one at a time; the plug-in starts no threads and takes no locks.
 * - No C++ exception ever leaves an export or the reply callback.
 */
#ifndef ZELVODISKTRUMO_ABI_H
#define ZELVODISKTRUMO_ABI_H

#include <stdint.h>

#if defined(_WIN32) && !defined(_WIN64)
#define ZT_CALL __stdcall
#else
#define ZT_CALL
#endif

#if defined(_WIN32)
/* The product's export table comes from its module-definition file. */
#define ZT_EXPORT
#else
#define ZT_EXPORT __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* The reply callback that the plug-in hands to every text-returning service. */
typedef void(ZT_CALL* TReplyCallback)(const char* text);

/* The generic entry type that HostGetProc answers with; cast to the service's own type. */
typedef void(ZT_CALL* THostProc)(void);

/*
 * The pixel array of the captcha picture: one pointer-sized slot of the plug-in's, empty when
 * the plug-in hands its address over. What the slot points to belongs to the host, whose
 * picture services size, fill, read and release it.
 */
typedef void* TDArray;

/*
 * The six callbacks, in the order of PlgInit's arguments.
 * - HostGetPage with a request of the form "address|path" fetches the address and stores the
 *   response in the file at path before it returns (the captcha picture); its reply is not used.
 * - HostPostPage receives a body of name=value lines joined by a line feed, exactly as the plug-in
 *   built it; a leading "%simple%" on the first line is the host's to interpret.
 */
typedef void(ZT_CALL* THostGetPage)(const char* request, TReplyCallback reply);
typedef void(ZT_CALL* THostPostPage)(const char* address, const char* body, TReplyCallback reply);
typedef void(ZT_CALL* THostLog)(const char* line);
typedef THostProc(ZT_CALL* THostGetProc)(const char* serviceName);
typedef void(ZT_CALL* THostSaveFile)(const char* path, const char* content);
typedef void(ZT_CALL* THostSetResult)(const char* answer);

/*
 * The named services that the plug-in calls, looked up by these names through HostGetProc.
 * - SimpleOptions delivers the form answer, lines of name=value, or the empty text when nothing
 *   is to be saved; a host that delivers nothing counts as nothing to save.
 * - ShowHAWindow delivers the user's answer, optionally followed by "|" and text not used.
 * - GetPicSize delivers "width|height" in decimal.
 */
typedef void(ZT_CALL* THTTPHead)(const char* address, TReplyCallback reply);
typedef int32_t(ZT_CALL* TShowMsg)(const char* message, uint32_t kind); /* kind: 8 bits, zero-widened */
typedef void(ZT_CALL* TSimpleOptions)(const char* form, TReplyCallback reply);
typedef void(ZT_CALL* TGetOption)(const char* section, const char* name, const char* defaultValue,
                                  TReplyCallback reply);
typedef void(ZT_CALL* TSetOption)(const char* section, const char* name, const char* value);
typedef void(ZT_CALL* TGetLocation)(TReplyCallback reply);
typedef void(ZT_CALL* TModQuery)(const char* link);
typedef void(ZT_CALL* TShowHAWindow)(const char* prompt, int32_t value, TReplyCallback reply);
typedef void(ZT_CALL* TGetPicSize)(const char* path, TReplyCallback reply);
typedef void(ZT_CALL* TPicToArr)(const char* path, TDArray* array, int32_t width, int32_t height);
typedef void(ZT_CALL* TArrToPic)(const char* path, TDArray* array, int32_t width, int32_t height);
typedef void(ZT_CALL* TSetArrLen)(TDArray* array, int32_t first, int32_t second);
typedef void(ZT_CALL* TProgName)(TReplyCallback reply);

/*
 * The eight exports. None returns a value: answers go to the host through HostSetResult.
 * Argument bytes on the 32-bit product: 32, 0, 0, 0, 0, 4, 12, 12.
 */
ZT_EXPORT void ZT_CALL PlgInit(THostGetPage getPage, THostPostPage postPage, THostLog log,
                               THostGetProc getProc, THostSaveFile saveFile, THostSetResult setResult,
                               uint32_t mode, const char* folder);
ZT_EXPORT void ZT_CALL PlgDestroy(void);
ZT_EXPORT void ZT_CALL PlgInfo(void);
ZT_EXPORT void ZT_CALL PlgGetAbout(void);
ZT_EXPORT void ZT_CALL PlgGetOptions(void);
ZT_EXPORT void ZT_CALL PlgGetDirectLink(const char* link);
ZT_EXPORT void ZT_CALL PlgOnError(uint32_t unused, const char* errorText, const char* content);
ZT_EXPORT void ZT_CALL PlgOnSuccess(uint32_t unused1, uint32_t unused2, const char* path);

#ifdef __cplusplus
}
#endif

#endif
