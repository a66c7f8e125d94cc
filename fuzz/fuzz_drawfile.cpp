// libFuzzer target: one input is the bytes of a draw file. It goes through
// the field reader (counting lines from 1 and from past 2^31), the charts'
// history reader and its message (and the editor's quicker reading of it
// without the draws), the draw editor's rows (one a line), the save check and
// the import check, and every registered tool's chart. Besides crashes,
// hangs and leaks it stops on a save that the editor would not read back as
// the rows it saved.
#include "core/drawfile.h"
#include "core/drawsave.h"
#include "core/editorrows.h"
#include "core/fieldreader.h"
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
// one a line, each cell trimmed and a digit of value 0 as "0".
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
      const QString cell = rows.text(r, c).trimmed();
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
  // The editor's reading, which passes lines of the usual shape over quickly, notes the same.
  const DrawHistory notes = parseDrawHistoryNotes(bytes);
  if (notes.skippedCount != history.skippedCount || notes.firstSkippedLine != history.firstSkippedLine ||
      notes.firstSkippedText != history.firstSkippedText || notes.endLine != history.endLine ||
      notes.endText != history.endText)
    std::abort();

  checkSaveReadsBack(EditorRows(bytes.toByteArray()));
  (void)drawHistoryContentProblem(bytes);

  for (const ToolEntry &tool : toolRegistry().entries())
    (void)computeChart(tool, history);
  return 0;
}
