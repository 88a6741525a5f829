#include "formats/levelset_read.h"

namespace pyrovel {

LevelsetReadEnd::~LevelsetReadEnd() {
  read_.ui.progress(0, 0, {});
  raiseZeroSizes(read_.map);
}

void raiseZeroSizes(Levelmap& map) {
  for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
    LevelHeader& h = map.header(slot);
    if (h.width() == 0) h.setWidth(1);
    if (h.height() == 0) h.setHeight(1);
  }
}

}  // namespace pyrovel
