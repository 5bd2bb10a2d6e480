// The library's load-time entry: the resources are in the chain once the library is
// loaded, a host's own calls to the entry can repeat or come out of turn without harm, and
// the templates leave the chain with the library.
#include <gtest/gtest.h>

#include <algorithm>

#include "facade/SpctmLibraryEntry.h"
#include "resources/Spctm1CResources.h"
#include "resources/SpctmResources.h"

namespace {

// How often the library's module stands in the resource chain.
long joinedCount() {
  const auto& libraries = ResourceChain::instance().libraries();
  return std::count_if(libraries.begin(), libraries.end(),
                       [](const CDynLinkLibrary* lib) { return lib->m_hResource == spctmResources(); });
}

TEST(LibraryEntry, JoinsTheResourcesOnceWhateverTheOrderOfCalls) {
  ASSERT_EQ(joinedCount(), 1) << "joined at load";
  struct Step {
    DWORD reason;
    HINSTANCE instance;
    int result;
    long joined;
  };
  const Step steps[] = {
      {DLL_PROCESS_ATTACH, spctmResources(), 1, 1},  // loaded twice
      {DLL_PROCESS_DETACH, spctmResources(), 1, 0},
      {DLL_PROCESS_DETACH, spctmResources(), 1, 0},  // unloaded without being loaded
      {DLL_PROCESS_ATTACH, nullptr, 0, 0},           // no module to initialise
      {2, spctmResources(), 1, 0},                   // any other reason (a thread starting)
      {DLL_PROCESS_ATTACH, spctmResources(), 1, 1},
  };
  for (const Step& s : steps) {
    EXPECT_EQ(spctmLibraryEntry(s.instance, s.reason, nullptr), s.result) << "reason " << s.reason;
    EXPECT_EQ(joinedCount(), s.joined) << "reason " << s.reason;
    EXPECT_EQ(ResourceChain::instance().findDialog(IDD_SPCTM_1C) != nullptr, s.joined == 1);
  }
}

}  // namespace
