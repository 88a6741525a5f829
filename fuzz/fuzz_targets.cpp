#include "fuzz/fuzz_targets.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <span>

#include "editor/levelset_formats.h"
#include "editor/objects_help.h"
#include "editor/resource_import.h"
#include "editor/single_level_io.h"
#include "formats/em_table_listings.h"
#include "formats/session_read.h"
#include "fuzz/fuzz_support.h"
#include "import/adf_browser.h"
#include "editor/c64_levels.h"
#include "import/c64_dump_convert.h"
#include "import/d64_browser.h"
#include "import/import_filters.h"
#include "import/pe_resources.h"
#include "model/configuration.h"
#include "model/editor_session.h"
#include "model/ini_file.h"
#include "model/palette_file.h"
#include "render/image_library.h"
#include "render/object_table.h"
#include "render/sprite_strip.h"

namespace pyrovel::fuzz {

namespace {

using Input = std::span<const std::uint8_t>;

// The largest images the sparse harnesses build: a high-density ADF, a
// 42-track D64 with error bytes, a C64 memory image with room to spare.
constexpr std::size_t kMaxAdfImage = 1802240;
constexpr std::size_t kMaxD64Image = 206114;
constexpr std::size_t kMaxC64Dump = 0x20000;

// Runs a step whose clear error is a good outcome.
template <class Step>
bool readable(Step&& step) {
  try {
    step();
    return true;
  } catch (const LevelError&) {
    return false;
  }
}

// A file name for a pattern such as "*.cav" or "levels.d*".
std::string fileNameFor(std::string_view patterns, std::string_view stem) {
  std::string name(patterns.substr(0, patterns.find(';')));
  if (name.find('*') != 0) {
    std::replace(name.begin(), name.end(), '*', 'x');
    return name;
  }
  const std::string ext = name.substr(1);
  return std::string(stem) + (ext == ".*" ? ".dat" : ext);
}

// --- levelsets -------------------------------------------------------------

// Reads a written file into `map`; the reader's error when it fails.
std::optional<std::string> readBack(const LevelsetFormat& format, Levelmap& map, const Bytes& data,
                                    const std::string& path) {
  SilentFrontend ui;
  ReadReport report;
  LevelsetRead read{map, report, ui};
  try {
    LevelsetReadEnd end(read);
    format.read(read, data, path);
  } catch (const LevelError& e) {
    return e.what();
  }
  expectLevelsFit(map);
  return std::nullopt;
}

// The writer's output reads back and holds the cells written, whenever the
// writer said nothing was left out. When it did (perhaps every level, so
// that the file holds none), what it wrote is written once more and must
// then read back the same.
void expectWriterRoundTrip(const LevelsetFormat& format, const Levelmap& read,
                           const std::string& path) {
  SilentFrontend ui;
  std::vector<std::string> notes;
  const Bytes written = writeLevelsetBytes(format, read, ui, notes);
  Levelmap back;
  const auto error = readBack(format, back, written, path);
  if (notes.empty()) {
    if (error) fail("the written file does not read back: " + *error);
    expectSameCells(read, back, "written and read back");
    return;
  }
  if (error) return;

  std::vector<std::string> againNotes;
  const Bytes again = writeLevelsetBytes(format, back, ui, againNotes);
  Levelmap backAgain;
  if (const auto againError = readBack(format, backAgain, again, path)) {
    fail("the file written again does not read back: " + *againError);
  }
  if (againNotes.empty()) expectSameCells(back, backAgain, "written again and read back");
}

void readLevelset(const LevelsetFormat& format, Input input) {
  SilentFrontend ui;
  EditorSession session(ui);
  const std::string path = scratchFolder() + "/" + fileNameFor(format.patterns, "levels");
  const Bytes data(input.begin(), input.end());
  const bool read = readable([&] { readIntoSession(session, format.read, data, path, false); });
  expectLevelsFit(session.map);
  if (read && format.write) expectWriterRoundTrip(format, session.map, path);
}

// --- single levels -----------------------------------------------------------

// As the "Import Level" dialog does it: into the current level of a fresh
// session, through the clean start and restore of every import.
void importLevelFile(const ImportFilter& filter, Input input) {
  const std::string path = writeScratchFile(fileNameFor(filter.patterns, "level"), input);
  SilentFrontend ui;
  EditorSession session(ui);
  readable([&] { importLevel(session, filter.index, {path}); });
  expectLevelsFit(session.map);
}

// --- disk images, dumps, executables -------------------------------------

void browseAdf(Input input) {
  const std::string path = writeScratchFile("disk.adf", expandSparseImage(input, kMaxAdfImage));
  AdfBrowser browser;
  if (!readable([&] { browser.openImage(path); })) return;
  SilentFrontend ui;
  EditorSession session(ui);
  const std::string saved = scratchFolder() + "/saved";
  std::filesystem::create_directories(saved);

  // Every folder once, as a user double-clicking through the image would.
  std::set<int> listed{browser.listedDirectory()};
  std::vector<AdfEntry> pending = browser.listing();
  for (std::size_t i = 0; i < pending.size() && i < 400; ++i) {
    const AdfEntry entry = pending[i];
    browser.click(entry);
    readable([&] { browser.showBlock(entry.block); });
    if (entry.folder) {
      if (!listed.insert(entry.contentBlock).second) continue;
      if (readable([&] { browser.getdir(entry.contentBlock); })) {
        pending.insert(pending.end(), browser.listing().begin(), browser.listing().end());
      }
      continue;
    }
    readable([&] { browser.doubleClick(session, entry); });
    readable([&] {
      const std::string written = browser.saveFile(entry, saved);
      expect(std::filesystem::path(written).parent_path() == saved,
             "a saved file left its folder: " + written);
    });
  }
  readable([&] { browser.search("DOS", 0); });
  browser.goToBlock(browser.image().blockCount() + 5);
  browser.nextBlock();
  browser.previousBlock();
  expectLevelsFit(session.map);
}

void browseD64(Input input) {
  const std::string path = writeScratchFile("disk.d64", expandSparseImage(input, kMaxD64Image));
  D64Browser browser;
  if (!readable([&] { browser.openImage(path); })) return;
  SilentFrontend ui;
  EditorSession session(ui);
  browser.fileNames();
  const int count = static_cast<int>(browser.image().directory().size());
  for (int i = 0; i < count; ++i) {
    readable([&] { browser.importFile(session, i); });
    readable([&] { browser.viewasAscii(i); });
    readable([&] { browser.saveFile(i, scratchFolder() + "/" + browser.proposedFileName(i)); });
  }
  expectLevelsFit(session.map);
}

void convertC64Dump(Input input) {
  const Bytes dump = expandSparseImage(input, kMaxC64Dump);
  const std::string path = writeScratchFile("dump.prg", dump);
  readable([&] { scanConvertibleC64Dump(dump, path); });
  SilentFrontend ui;
  EditorSession session(ui);
  readable([&] { runC64Converter(session, path, false); });
  expectLevelsFit(session.map);
}

// What the resource explorer shows of one leaf, by its type.
void showResource(const PeResources& pe, const ResourceNode& type, const ResourceData& data) {
  const Bytes bytes = pe.bytes(data);
  const std::string& file = pe.path();
  if (type.key.name) return;
  switch (type.key.id) {
    case kResString:
      stringTableLines(bytes, 1, file);
      break;
    case kResMenu:
      menuLines(bytes, file);
      break;
    case kResBitmap:
      bitmapFile(bytes);
      break;
    case kResIconEntry:
    case kResCursorEntry:
      iconFile(bytes, type.key.id == kResCursorEntry, file);
      break;
    case kResIcon:
    case kResCursor: {
      const bool cursor = type.key.id == kResCursor;
      for (const IconGroupEntry& image : pe.iconGroup(data, cursor)) {
        if (const ResourceData* found = pe.iconImage(image.imageId, cursor)) {
          readable([&] { iconFile(pe.bytes(*found), cursor, file); });
        }
      }
      break;
    }
    default:
      break;
  }
}

void exploreResources(Input input) {
  const std::string path = writeScratchFile("game.exe", input);
  std::optional<PeResources> pe;
  if (!readable([&] { pe.emplace(PeResources::load(path)); })) return;
  SilentFrontend ui;
  EditorSession session(ui);
  pe->tree();
  for (const ResourceNode& type : pe->types()) {
    resourceTypeName(type.key);
    for (const ResourceNode& item : type.children) {
      resourceStatusText(item);
      const ResourceData* data = item.isList() ? nullptr : item.leafData();
      if (!data) continue;
      readable([&] { showResource(*pe, type, *data); });
      readable([&] { importResource(session, *pe, type, item, false); });
    }
  }
  readable([&] { collectStringLines(*pe); });
  expectLevelsFit(session.map);
}

// --- the editor's own files ------------------------------------------------

void readImageLibrary(Input input) {
  const std::string path = writeScratchFile("Emerald.iml", input);
  ImageLibrary library;
  if (!readable([&] { library = loadImageLibrary(path); })) return;
  for (int k = 0; k < library.imageCount(); ++k) library.imagePixels(k);
  const Bytes written = serializeImageLibrary(library);
  ImageLibrary back;
  if (!readable([&] { back = parseImageLibrary(written, "written library"); })) {
    fail("the written image library does not read back");
  }
  expect(back.imageCount() == library.imageCount(), "the written library lost images");
  for (int k = 0; k < library.imageCount(); ++k) {
    const LibraryImage& a = library.images[static_cast<std::size_t>(k)];
    const LibraryImage& b = back.images[static_cast<std::size_t>(k)];
    expect(a.width == b.width && a.height == b.height && a.pixels == b.pixels,
           "image " + std::to_string(k) + " changed on the way through the writer");
  }
}

void readObjectTable(Input input) {
  const std::string path = writeScratchFile("Emerald.bam", input);
  ObjectTable table;
  if (!readable([&] { table = loadObjectTable(path); })) return;
  // The strip the editor builds from it, on a library of two images.
  auto library = std::make_shared<ImageLibrary>();
  library->addImage(16, 16);
  library->addImage(8, 40);
  const SpriteStrip strip(library, table);
  for (int n = 0; n < strip.count() && n < 300; ++n) strip.image(n);
  const Bytes written = serializeObjectTable(table);
  const ObjectTable back = parseObjectTable(written, "written table");
  expect(back.count == table.count && back.records.size() == table.records.size(),
         "the written object table changed its count");
}

void readEditIni(Input input) {
  const std::string path = writeScratchFile("Edit.ini", input);
  IniFile ini;
  if (!readable([&] { ini = IniFile::load(path); })) return;
  Configuration config;
  config.read(ini);
  config.write(ini);
  Configuration back;
  back.read(IniFile::parse(ini.text()));
  expect(back.history == config.history, "the file history changed on the way through Edit.ini");
}

void readEditBdi(Input input) {
  const std::string path = writeScratchFile("Edit.bdi", input);
  for (EditMode mode : {kGameMode, kEmeraldMode, kC64Mode}) {
    readable([&] {
      const std::optional<Palette> palette = readPaletteFile(path, mode);
      expect(!palette || palette->size() <= kMaxPaletteEntries, "a palette grew past its table");
    });
  }
}

void readObjectList(Input input) {
  const std::string path = writeScratchFile("Objectlist.txt", input);
  SilentFrontend ui;
  EditorSession session(ui);
  if (!readable([&] { session.catalogue.loadFile(path); })) return;
  for (int n = 0; n <= session.catalogue.size() + 1 && n < 1000; ++n) session.catalogue.item(n);
  emToObjectListing(session.catalogue);
}

std::vector<std::string> linesOf(Input input) {
  std::vector<std::string> lines;
  std::string line;
  for (std::uint8_t c : input) {
    if (c == '\n') {
      lines.push_back(line);
      line.clear();
    } else if (c != '\r') {
      line += static_cast<char>(c);
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

void readObjectsHelp(Input input) {
  std::optional<ObjectsHelp> help;
  if (!readable([&] { help.emplace(linesOf(input)); })) return;
  for (int n = -1; n <= ObjectsHelp::kSections; ++n) help->section(n);
  help->displayObjectHelp(ObjectCatalogue::kBuiltInItems);
  const std::vector<std::string> shown = help->section(help->currentObject());
  help->select(ObjectsHelp::kLastObject, shown);
  help->markChanged();
  readable([&] { help->insertText({"edited", "text"}); });
  help->nextObject(help->section(help->currentObject()));
  help->previousObject({});
  help->scanText();
}

// --- the list ------------------------------------------------------------------

using Harness = void (*)(Input);
struct NamedHarness {
  const char* name;
  Harness run;
};
constexpr NamedHarness kOtherHarnesses[] = {
    {"adf", browseAdf},
    {"d64", browseD64},
    {"c64_dump", convertC64Dump},
    {"pe_resources", exploreResources},
    {"image_library", readImageLibrary},
    {"object_table", readObjectTable},
    {"edit_ini", readEditIni},
    {"edit_bdi", readEditBdi},
    {"objectlist", readObjectList},
    {"objects_help", readObjectsHelp},
};

constexpr std::string_view kLevelsetPrefix = "levelset_";
constexpr std::string_view kImportPrefix = "import_";

// The harness's run on the input; false when there is no such harness.
bool dispatch(std::string_view name, Input input) {
  if (name.starts_with(kLevelsetPrefix)) {
    const LevelsetFormat* format = findLevelsetFormat(name.substr(kLevelsetPrefix.size()));
    if (!format || !format->read) return false;
    readLevelset(*format, input);
    return true;
  }
  if (name.starts_with(kImportPrefix)) {
    const std::string_view key = name.substr(kImportPrefix.size());
    for (const ImportFilter& filter : importFilters()) {
      if (key == filter.key && filter.routine) {
        importLevelFile(filter, input);
        return true;
      }
    }
    return false;
  }
  for (const NamedHarness& h : kOtherHarnesses) {
    if (name == h.name) {
      h.run(input);
      return true;
    }
  }
  return false;
}

}  // namespace

std::vector<std::string> harnessNames() {
  std::vector<std::string> names;
  for (const LevelsetFormat& format : levelsetFormats()) {
    if (format.read) names.push_back(std::string(kLevelsetPrefix) + format.key);
  }
  for (const ImportFilter& filter : importFilters()) {
    if (filter.routine) names.push_back(std::string(kImportPrefix) + filter.key);
  }
  for (const NamedHarness& h : kOtherHarnesses) names.emplace_back(h.name);
  return names;
}

bool isHarness(std::string_view name) {
  const auto names = harnessNames();
  return std::find(names.begin(), names.end(), name) != names.end();
}

int runTarget(std::string_view harness, const std::uint8_t* data, std::size_t size) {
  if (!isHarness(harness)) fail("no harness named " + std::string(harness));
  dispatch(harness, Input(data, size));
  return 0;
}

}  // namespace pyrovel::fuzz
