#include "app/BackgroundDataset.h"

#include <ostream>
#include <streambuf>

namespace spctmview {

// A stream buffer that keeps the text written to it and, separately, its current line:
// a carriage return starts the line again, as on a terminal, and escape sequences
// (the terminal's "erase to the end of the line") are left out.
class BackgroundDataset::Lines : public std::streambuf {
 public:
  std::string lastLine() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_line.empty() ? m_previous : m_line;
  }
  std::string all() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_all;
  }

 protected:
  int_type overflow(int_type ch) override {
    if (ch == traits_type::eof()) return traits_type::not_eof(ch);
    std::lock_guard<std::mutex> lock(m_mutex);
    const char c = traits_type::to_char_type(ch);
    if (m_escape) {
      m_escape = !(c >= '@' && c <= '~' && c != '[');
    } else if (c == '\x1b') {
      m_escape = true;
    } else if (c == '\r' || c == '\n') {
      if (!m_line.empty()) m_previous = m_line;
      if (c == '\n') m_all += m_line + "\n";
      m_line.clear();
    } else {
      m_line += c;
    }
    return ch;
  }

 private:
  mutable std::mutex m_mutex;
  std::string m_line, m_previous, m_all;
  bool m_escape = false;
};

BackgroundDataset::BackgroundDataset(const DatasetOptions& options)
    : m_lines(std::make_unique<Lines>()), m_worker(&BackgroundDataset::run, this, options) {}

BackgroundDataset::~BackgroundDataset() {
  if (m_worker.joinable()) m_worker.join();
}

void BackgroundDataset::run(DatasetOptions options) {
  std::ostream out(m_lines.get());
  // The progress bar is drawn as on a terminal; Lines keeps its current state.
  m_dataset = loadDataset(options, "show", out, true);
  out.flush();
  m_finished = true;
}

std::string BackgroundDataset::progress() const { return m_lines->lastLine(); }

std::unique_ptr<CArrayMEDataSetqv> BackgroundDataset::take(std::string& messages) {
  if (m_worker.joinable()) m_worker.join();
  messages = m_lines->all() + m_lines->lastLine();
  return std::move(m_dataset);
}

}  // namespace spctmview
