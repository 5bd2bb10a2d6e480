#include "platform/ui/Resources.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

std::vector<std::uint32_t> ImageResource::pixelArt(std::initializer_list<const char*> rows,
                                                   const std::map<char, std::uint32_t>& palette,
                                                   int& width, int& height) {
  size_t w = 0;
  for (const char* row : rows) w = std::max(w, std::strlen(row));
  width = static_cast<int>(w);
  height = static_cast<int>(rows.size());
  std::vector<std::uint32_t> pixels;
  pixels.reserve(w * rows.size());
  for (const char* row : rows) {
    const size_t n = std::strlen(row);
    for (size_t x = 0; x < w; ++x) {
      auto it = x < n ? palette.find(row[x]) : palette.end();
      pixels.push_back(it == palette.end() ? 0u : it->second);
    }
  }
  return pixels;
}

ResourceChain& ResourceChain::instance() {
  // Never destroyed: libraries unloaded during process exit still unlink safely.
  static ResourceChain* chain = new ResourceChain;
  return *chain;
}

void ResourceChain::unlink(CDynLinkLibrary* lib) {
  m_libraries.erase(std::remove(m_libraries.begin(), m_libraries.end(), lib), m_libraries.end());
}

template <class F>
auto ResourceChain::search(F&& f) const -> decltype(f(static_cast<const ResourceModule*>(nullptr))) {
  if (m_app) {
    if (auto* r = f(m_app)) return r;
  }
  for (const CDynLinkLibrary* lib : m_libraries) {
    if (lib->m_hResource) {
      if (auto* r = f(lib->m_hResource)) return r;
    }
  }
  return f(&platformStandardResources());
}

const DialogTemplate* ResourceChain::findDialog(UINT id) const {
  return search([id](const ResourceModule* m) { return m->findDialog(id); });
}
const MenuTemplate* ResourceChain::findMenu(UINT id) const {
  return search([id](const ResourceModule* m) { return m->findMenu(id); });
}
HICON ResourceChain::findIcon(UINT id) const {
  return search([id](const ResourceModule* m) { return m->findIcon(id); });
}
HCURSOR ResourceChain::findCursor(UINT id) const {
  return search([id](const ResourceModule* m) { return m->findCursor(id); });
}

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem)
    : m_hModule(state.hModule), m_hResource(state.hResource), m_bSystem(bSystem) {
  ResourceChain::instance().link(this);
}

CDynLinkLibrary::~CDynLinkLibrary() { ResourceChain::instance().unlink(this); }

BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule) {
  if (state.bInitialized) return TRUE;
  if (!hModule) return FALSE;
  state.hModule = hModule;
  state.hResource = hModule;
  state.bInitialized = TRUE;
  return TRUE;
}

void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll) {
  // Copy first: deleting a library unlinks it from the list being walked.
  const std::vector<CDynLinkLibrary*> libs = ResourceChain::instance().libraries();
  for (CDynLinkLibrary* lib : libs) {
    if (bAll || lib->m_hModule == state.hModule) delete lib;
  }
  state.bInitialized = FALSE;
}

HINSTANCE AfxGetResourceHandle() { return ResourceChain::instance().appModule(); }
void AfxSetResourceHandle(HINSTANCE module) { ResourceChain::instance().setAppModule(module); }

void afxReportLibraryEntryFailure(HINSTANCE module) {
  std::fprintf(stderr, "library entry failed for resource module '%s'\n",
               module ? module->name().utf8().c_str() : "(none)");
}

namespace {

constexpr std::uint32_t kBlack = 0xFF000000u;
constexpr std::uint32_t kWhite = 0xFFFFFFFFu;

CursorResource makeCursor(UINT id, CPoint hot, std::initializer_list<const char*> rows) {
  CursorResource c;
  c.id = id;
  c.hotSpot = hot;
  c.argb = ImageResource::pixelArt(rows, {{'#', kBlack}, {'o', kWhite}}, c.width, c.height);
  return c;
}

ResourceModule buildStandardResources() {
  ResourceModule m(L"platform");
  m.addCursor(makeCursor(IDC_ARROW, {0, 0},
                         {"#", "##", "#o#", "#oo#", "#ooo#", "#oooo#", "#ooooo#", "#oooooo#",
                          "#ooooooo#", "#oooo#####", "#oo#oo#", "#o# #oo#", "##  #oo#", "#    #oo#",
                          "      ##"}));
  m.addCursor(makeCursor(IDC_WAIT, {5, 8},
                         {"###########", "#ooooooooo#", " #ooooooo# ", "  #ooooo#  ", "   #o#o#   ",
                          "    #o#    ", "    #o#    ", "   #ooo#   ", "  #oo#oo#  ", " #ooo#ooo# ",
                          "#oooo#oooo#", "#ooooooooo#", "###########"}));
  m.addCursor(makeCursor(IDC_IBEAM, {3, 8},
                         {"### ###", "   #   ", "   #   ", "   #   ", "   #   ", "   #   ", "   #   ",
                          "   #   ", "   #   ", "   #   ", "   #   ", "   #   ", "   #   ", "   #   ",
                          "   #   ", "### ###"}));
  m.addCursor(makeCursor(IDC_CROSS, {7, 7},
                         {"       #", "       #", "       #", "       #", "       #", "       #", "",
                          "###### # ######", "", "       #", "       #", "       #", "       #",
                          "       #", "       #"}));
  m.addCursor(makeCursor(IDC_HAND, {5, 0},
                         {"     ##", "    #oo#", "    #oo#", "    #oo#", "    #oo###", "    #oo#oo###",
                          "    #oo#oo#oo##", " ## #oo#oo#oo#o#", "#oo##ooooooooo#o#",
                          "#ooo#oooooooooooo#", " #oooooooooooooo#", "  #ooooooooooooo#",
                          "   #oooooooooooo#", "    #oooooooooo#", "     #ooooooooo#",
                          "     ###########"}));
  return m;
}

}  // namespace

const ResourceModule& platformStandardResources() {
  static const ResourceModule* standard = new ResourceModule(buildStandardResources());
  return *standard;
}
