#include "app/SettingsFile.h"

#include <ostream>

#include "platform/gdi/CArchive.h"
#include "platform/ui/CWinApp.h"
#include "platform/ui/UiServices.h"

namespace spctmview {
namespace {

void tell(std::ostream& err, const std::string& path, const std::string& why) {
  err << "spctm-view render: settings " << path << ": " << why << "\n";
}

}  // namespace

bool loadDrawSettings(CMEGSpctmDrawqv& engine, const std::string& path, std::ostream& err) {
  // The engine refuses a record in a message box. Without windows the box is only
  // recorded, so its text becomes the error on the command line.
  ScriptedServices* script = AfxGetApp()->scripted();
  const std::size_t boxesBefore = script ? script->messageBoxes.size() : 0;
  try {
    CFile file(CString(path.c_str()), CFile::modeRead | CFile::typeBinary);
    CArchive ar(&file, CArchive::load);
    const int result = engine.serializeqv(ar);
    if (script && script->messageBoxes.size() > boxesBefore) {
      tell(err, path, script->messageBoxes.back().text.utf8());
      return false;
    }
    if (result != 1) {
      tell(err, path, "not a draw-settings record");
      return false;
    }
    return true;
  } catch (const CArchiveException& e) {
    tell(err, path, e.m_cause == CArchiveException::endOfFile ? "the file ends before the settings record does"
                                                               : std::string(e.what()));
  } catch (const CException& e) {
    tell(err, path, e.what());
  }
  return false;
}

std::vector<unsigned char> drawSettingsRecord(CMEGSpctmDrawqv& engine) {
  CMemFile file;
  CArchive ar(&file, CArchive::store);
  engine.serializeqv(ar);  // flushes the archive into the file
  return file.data();
}

}  // namespace spctmview
