// The measurement text export file: the number of 16-bit characters of the text plus one,
// as a signed 64-bit little-endian integer, then the text as UTF-16 little-endian and one
// 16-bit zero; nothing else (no byte-order mark). Written by the measurement dialog's
// "Save" and by `spctm-view measure --format export`, through CFile, which also writes the
// command's other outputs.
#pragma once

#include <string>
#include <vector>

#include "platform/gdi/CFile.h"

// The file's bytes for a text.
std::vector<BYTE> spctmTextExportBytes(const CString& text);

// Creates (or truncates) the file at path and writes bytes as its whole content, through
// CFile. False when the file cannot be created or written, with the file error's text
// (naming the file and the reason) in *error when given.
bool writeSpctmFile(const CString& path, const std::vector<BYTE>& bytes, std::string* error = nullptr);

// writeSpctmFile of the export of text.
bool writeSpctmTextExport(const CString& path, const CString& text, std::string* error = nullptr);
