// libFuzzer target: one input is the bytes of a draw file. It goes through
// the field reader (counting lines from 1 and from past 2^31), the charts'
// history reader and its message (checked against the same reading with
// every record through the field reader, and the editor's readings of it
// without the draws), the draw editor's rows (one a line), the save check and
// the import check, and every registered tool's chart. Besides crashes,
// hangs and leaks it stops on a save that the editor would not read back as
// the rows it saved, and on an unedited save of a file that the charts read
// line by line that changes what they read.
#include "core/drawfile.h"
#include "core/drawsave.h"
#include "core/editorrows.h"
#include "core/fieldreader.h"
#include "support/core/unchangedsave.h"
#include "tools/menus.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace corvessa;

namespace {

// From line 1, and as the rest of a text past 2^31 lines.
void readFields(QByteArrayView bytes, std::int64_t firstLine) {
  FieldReader reader(bytes, firstLine);
  std::int64_t line = firstLine;
  while (!reader.atEnd()) {
    const FieldReader::Field field = reader.next();
    if (!field.present)
      break;
    line = field.line;
    (void)parseLabel(field.text);
    (void)parseDigitValue(field.text);
  }
  (void)reader.lineText(line);
  (void)reader.hasTextAfterLine(line);
}

// What Save writes, the editor reads back as the rows that were not blank,
// one a line, each cell as its value and a digit of value 0 as "0".
void checkSaveReadsBack(const EditorRows &rows) {
  const DrawFileBuild build = buildDrawFile(rows);
  if (build.problem)
    return;
  const EditorRows back(build.bytes);
  int next = 0;
  for (int r = 0; r < rows.rowCount(); ++r) {
    if (rows.isBlank(r))
      continue;
    if (next >= back.rowCount())
      std::abort();
    for (int c = 0; c < 4; ++c) {
      const QString cell = QString::fromLatin1(fieldValue(rows.text(r, c).toLatin1()));
      const bool zero = c > 0 && parseDigitValue(cell.toLatin1()) == 0;
      if (back.text(next, c) != (zero ? QStringLiteral("0") : cell))
        std::abort();
    }
    ++next;
  }
  if (next != back.rowCount())
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
  readFields(bytes, 1);
  readFields(bytes, std::int64_t(1) << 31);

  const DrawHistory history = parseDrawHistory(bytes);
  (void)drawHistoryProblem(history, QStringLiteral("fuzz.txt"));
  // The quick reading of the usual records reads as the field reader does,
  // record by record; the editor's readings, which keep no draws, note the same.
  const DrawHistory byFields = parseDrawHistoryByFields(bytes);
  if (history.draws.size() != byFields.draws.size())
    std::abort();
  for (std::size_t i = 0; i < history.draws.size(); ++i) {
    const DrawRecord &a = history.draws[i], &b = byFields.draws[i];
    if (a.label != b.label || a.h != b.h || a.t != b.t || a.u != b.u)
      std::abort();
  }
  const EditorRows rows(bytes.toByteArray());
  for (const DrawHistory &notes : {history, parseDrawHistoryNotes(bytes), rows.chartNotes()})
    if (notes.skippedCount != byFields.skippedCount || notes.firstSkippedLine != byFields.firstSkippedLine ||
        notes.firstSkippedText != byFields.firstSkippedText || notes.endLine != byFields.endLine ||
        notes.endText != byFields.endText)
      std::abort();

  checkSaveReadsBack(rows);
  if (test::readsLineByLine(bytes) && !test::unchangedSaveDifference(bytes).empty())
    std::abort();
  (void)drawHistoryContentProblem(bytes);

  for (const ToolEntry &tool : toolRegistry().entries())
    (void)computeChart(tool, history);
  return 0;
}
