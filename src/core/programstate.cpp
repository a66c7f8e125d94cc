#include "core/programstate.h"

namespace corvessa {

ProgramState &programState() {
  static ProgramState state;
  return state;
}

}  // namespace corvessa
