// Most-derived dataset array: how the host (builder, readers, application) adds sessions
// and chooses the current one.
#pragma once

#include "host/data/CArrayMEDataSet.h"

class CArrayMEDataSetqv : public CArrayMEDataSet {
 public:
  // Appends a session and returns it (null for null). The first one becomes current.
  CMEGDataqv* addSession(std::unique_ptr<CMEGDataqv> session);
  // 1, or 0 (unchanged) for an index outside the sessions; −1 leaves no current session.
  int setCurrentSession(std::int64_t index);
};
