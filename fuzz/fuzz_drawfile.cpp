// libFuzzer target: one input is the bytes of a draw file. It goes through
// the field reader (counting lines from 1 and from past 2^31), the charts'
// history reader and its message, the draw editor's reader, the save check
// and the import check, and every registered tool's chart. Besides crashes,
// hangs and leaks it stops on a save that the editor would not read back as
// the rows it saved.
#include "core/drawfile.h"
#include "core/drawsave.h"
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
// each cell trimmed and an empty one as "0".
void checkSaveReadsBack(const std::vector<EditorRecord> &rows) {
  const DrawFileBuild build = buildDrawFile(rows);
  if (build.problem)
    return;
  const std::vector<EditorRecord> back = parseEditorRecords(build.bytes);
  std::size_t next = 0;
  for (const EditorRecord &row : rows) {
    if (isBlankEditorRow(row))
      continue;
    if (next >= back.size())
      std::abort();
    for (std::size_t c = 0; c < 4; ++c) {
      const QString cell = row[c].trimmed();
      if (back[next][c] != (cell.isEmpty() ? QStringLiteral("0") : cell))
        std::abort();
    }
    ++next;
  }
  if (next != back.size())
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
  readFields(bytes, 1);
  readFields(bytes, std::int64_t(1) << 31);

  const DrawHistory history = parseDrawHistory(bytes);
  (void)drawHistoryProblem(history, QStringLiteral("fuzz.txt"));

  checkSaveReadsBack(parseEditorRecords(bytes));
  (void)drawHistoryContentProblem(bytes);

  for (const ToolEntry &tool : toolRegistry().entries())
    (void)computeChart(tool, history);
  return 0;
}
