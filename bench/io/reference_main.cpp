// prvl_bench_io: the reference side of whole-process figures, as small as
// prvl itself so that both start alike. --read-and-sum FILE and --copy IN
// OUT do only the input and output of `prvl info` and `prvl convert`;
// --measure-peak RESULT PROGRAM... runs a program and writes its peak
// memory to RESULT.
#include <cstdio>
#include <cstring>
#include <string>

#include "io/process.h"
#include "model/file_io.h"

int main(int argc, char** argv) {
  using namespace pyrovel;
  if (argc == 3 && std::strcmp(argv[1], "--read-and-sum") == 0) {
    const Bytes bytes = readFileBytes(argv[2]);
    unsigned sum = 0;
    for (std::uint8_t b : bytes) sum += b;
    std::printf("%u\n", sum);
    return 0;
  }
  if (argc == 4 && std::strcmp(argv[1], "--copy") == 0) {
    writeFileAtomically(argv[3], readFileBytes(argv[2]));
    return 0;
  }
  if (argc > 3 && std::strcmp(argv[1], "--measure-peak") == 0) {
    const std::size_t peak = bench::spawnAndWait(std::vector<std::string>(argv + 3, argv + argc));
    writeFileAtomically(argv[2], std::to_string(peak));
    return 0;
  }
  std::fprintf(stderr,
               "usage: prvl_bench_io --read-and-sum FILE | --copy IN OUT | "
               "--measure-peak RESULT PROGRAM...\n");
  return 2;
}
