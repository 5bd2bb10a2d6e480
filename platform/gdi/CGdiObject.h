// Base of the drawing objects a device context selects: pens, brushes, fonts, bitmaps.
// An object holds a resource from a successful Create call until DeleteObject or its
// destruction; only then can it be selected. Stock objects (StockObjects.h) live for the
// whole process and refuse deletion. Not copyable.
//
// A DC copies what it needs at selection, so deleting an object that is still selected
// never leaves the DC dangling.
#pragma once

#include "platform/gdi/GdiDefs.h"

using HGDIOBJ = const void*;

class CGdiObject {
 public:
  enum class Kind { pen, brush, font, bitmap };

  CGdiObject(const CGdiObject&) = delete;
  CGdiObject& operator=(const CGdiObject&) = delete;
  virtual ~CGdiObject() = default;

  Kind kind() const { return m_kind; }
  // Non-null exactly while the object holds a resource (the framework's handle test).
  HGDIOBJ GetSafeHandle() const { return m_created ? this : nullptr; }
  bool isStock() const { return m_stock; }

  // Releases the resource. FALSE when there is none or the object is a stock object.
  BOOL DeleteObject();

 protected:
  explicit CGdiObject(Kind kind) : m_kind(kind) {}
  bool isCreated() const { return m_created; }
  void setCreated() { m_created = true; }
  // Frees what the derived class holds; called by DeleteObject.
  virtual void releaseResource() {}

 private:
  friend class StockObjects;
  Kind m_kind;
  bool m_created = false;
  bool m_stock = false;
};
