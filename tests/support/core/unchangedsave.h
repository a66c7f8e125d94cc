#pragma once
// What an unedited Save must keep: for a file that the charts read line by
// line, the draw editor's Save with no edits either refuses or writes bytes
// that the charts read as they read the file. Shared by the generated-file
// test and the fuzz target; needs only the core library.
#include "core/drawfile.h"
#include "core/drawsave.h"
#include "core/editorrows.h"
#include "core/fieldreader.h"

#include <QByteArrayView>
#include <algorithm>
#include <string>

namespace corvessa::test {

// Every line four fields to the field reader, or empty (blanks only) with
// nothing but empty lines after it.
inline bool readsLineByLine(QByteArrayView file) {
  FieldReader reader(file);
  std::int64_t line = 0;
  int fields = 0;
  bool emptySeen = false;
  const auto lineEnds = [&]() {
    if (line == 0)
      return true;
    const QByteArray text = fields == 1 ? reader.lineText(line) : QByteArray("x");  // one field: maybe an empty line
    const bool empty = std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\t'; });
    if (empty)
      emptySeen = true;
    return empty || (fields == 4 && !emptySeen);
  };
  for (FieldReader::Field field = reader.next(); field.present; field = reader.next()) {
    if (field.line != line) {
      if (!lineEnds())
        return false;
      line = field.line;
      fields = 0;
    }
    ++fields;
  }
  return lineEnds();
}

// What the charts show of a file: its draws, the records left out, and the
// line where the history ended before the file did.
inline std::string chartReading(QByteArrayView file) {
  const DrawHistory h = parseDrawHistory(file);
  std::string out;
  for (const DrawRecord &d : h.draws)
    out += std::to_string(d.label) + ':' + char('0' + d.h) + char('0' + d.t) + char('0' + d.u) + ' ';
  return out + "skipped " + std::to_string(h.skippedCount) + ", ended at line " + std::to_string(h.endLine);
}

// How the charts' reading of the unedited Save of `file` differs from their
// reading of `file`: empty when it does not, or when Save refuses.
inline std::string unchangedSaveDifference(QByteArrayView file) {
  const DrawFileBuild build = buildDrawFile(EditorRows(file.toByteArray()));
  if (build.problem)
    return {};
  const std::string before = chartReading(file), after = chartReading(build.bytes);
  if (before == after)
    return {};
  return "before the save: " + before + "\nafter it: " + after + "\nsaved bytes: " + build.bytes.toStdString();
}

}  // namespace corvessa::test
