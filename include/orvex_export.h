/* Export macros of the system's shared libraries.
 * Every library is built with hidden visibility; only declarations marked with
 * its macro are part of its interface. A library's own build defines its
 * *_BUILD macro so the same header exports there and imports everywhere else. */
#ifndef ORVEX_EXPORT_H
#define ORVEX_EXPORT_H

#if defined(_WIN32)
#define ORVEX_DLL_EXPORT __declspec(dllexport)
#define ORVEX_DLL_IMPORT __declspec(dllimport)
#else
#define ORVEX_DLL_EXPORT __attribute__((visibility("default")))
#define ORVEX_DLL_IMPORT __attribute__((visibility("default")))
#endif

#ifdef LIBLOGGER_BUILD
#define LOGGER_API ORVEX_DLL_EXPORT
#else
#define LOGGER_API ORVEX_DLL_IMPORT
#endif

#ifdef ORVEX_COMMON_BUILD
#define ORVEX_COMMON_API ORVEX_DLL_EXPORT
#else
#define ORVEX_COMMON_API ORVEX_DLL_IMPORT
#endif

#ifdef ORVEX_RESTORE_BUILD
#define ORVEX_RESTORE_API ORVEX_DLL_EXPORT
#else
#define ORVEX_RESTORE_API ORVEX_DLL_IMPORT
#endif

#ifdef TRELLIS_VESK_BUILD
#define TRELLIS_VESK_API ORVEX_DLL_EXPORT
#else
#define TRELLIS_VESK_API ORVEX_DLL_IMPORT
#endif

#ifdef ORVEX_VESK_BUILD
#define ORVEX_VESK_API ORVEX_DLL_EXPORT
#else
#define ORVEX_VESK_API ORVEX_DLL_IMPORT
#endif

#ifdef __cplusplus
#define ORVEX_EXTERN_C_BEGIN extern "C" {
#define ORVEX_EXTERN_C_END }
#define ORVEX_NOEXCEPT noexcept
#else
#define ORVEX_EXTERN_C_BEGIN
#define ORVEX_EXTERN_C_END
#define ORVEX_NOEXCEPT
#endif

#endif
