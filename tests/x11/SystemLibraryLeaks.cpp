// The desktop tests run SDL, which loads and unloads the X11 client libraries and D-Bus at
// run time. Those keep small allocations until the process ends, and once unloaded their
// stacks cannot even be named, so a leak check here would report them and nothing of ours.
// Leak checking stays with the headless tests, which open every window of the library
// without them: this process and the viewer processes it starts skip it.
#include <cstdlib>
#include <string>

// Read by the leak checker of sanitizer builds at exit; ignored otherwise.
extern "C" int __lsan_is_turned_off() { return 1; }

namespace {

// The viewer processes the tests start inherit the environment: their checker's options
// get detect_leaks=0 after whatever the run asked for.
const bool kViewersSkipLeakCheck = [] {
  const char* given = std::getenv("ASAN_OPTIONS");
  const std::string options = given ? std::string(given) + ":detect_leaks=0" : "detect_leaks=0";
  return setenv("ASAN_OPTIONS", options.c_str(), 1) == 0;
}();

}  // namespace
