// Writes the default sprite set (Emerald.iml, Emerald.bam) into the folder
// named on the command line; the build runs it into the programs' folder.
#include <exception>
#include <iostream>

#include "render/default_sprites.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_sprites FOLDER\n";
    return 2;
  }
  try {
    pyrovel::writeDefaultSpriteSet(argv[1]);
  } catch (const std::exception& e) {
    std::cerr << "make_sprites: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
