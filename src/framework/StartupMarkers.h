#pragma once

namespace orvane::framework {

// Stamps of the program's start-up, for finding where its time goes. A build
// with the CMake option ORVANE_STARTUP_MARKERS writes each as one line,
// "marker NAME MILLISECONDS" (milliseconds of QueryPerformanceCounter since
// the first stamp), to the standard error handle at once, so that a reader of
// that pipe can also timestamp the line's arrival. Other builds compile every
// call to nothing.
#ifdef ORVANE_STARTUP_MARKERS
void StartupMarker(const char* name);
// Writes the stamp the first time only: for events that repeat, like a paint.
void StartupMarkerOnce(const char* name, bool& written);
#else
inline void StartupMarker(const char*) {}
inline void StartupMarkerOnce(const char*, bool&) {}
#endif

} // namespace orvane::framework
