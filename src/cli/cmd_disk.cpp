// prvl disk: the files on Amiga (ADF) and C64 (D64) disk images: list them,
// copy one out, or import a level file from one into a levelmap.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>
#include <variant>

#include "cli/cli_frontend.h"
#include "cli/commands.h"
#include "cli/import_args.h"
#include "editor/levelmap_files.h"
#include "import/adf_image.h"
#include "import/adf_level_import.h"
#include "import/d64_cave_import.h"
#include "import/d64_image.h"
#include "model/editor_session.h"
#include "model/file_io.h"
#include "model/game_format.h"
#include "model/text_case.h"

namespace pyrovel::cli {

namespace {

constexpr const char* kUsage =
    "usage: prvl disk ls IMAGE [FOLDER]\n"
    "       prvl disk extract IMAGE NAME [-o OUT]\n"
    "       prvl disk import IMAGE NAME --into LEVELMAP [-o OUT.map]\n"
    "IMAGE is an Amiga .adf or a C64 .d64 image; NAME is a file's name on it\n"
    "(ADF: a path such as DIR/FILE, or #BLOCK; D64: the name, or #INDEX).\n";

constexpr std::size_t kD64WithErrorBytesSize = 175531;  // 683 error bytes after the sectors

using DiskImage = std::variant<AdfImage, D64Image>;

// The kind of image by its extension, else by its size.
DiskImage openImage(const std::string& path) {
  const std::string ext = asciiLower(extensionOf(path));
  if (ext == ".adf") return AdfImage::load(path);
  if (ext == ".d64") return D64Image::load(path);
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) {
    throw LevelError(path, std::nullopt, std::nullopt, "is a folder, not a disk image");
  }
  const auto size = std::filesystem::file_size(path, ec);
  if (ec) throw LevelError(path, std::nullopt, std::nullopt, "cannot read: " + ec.message());
  if (size == kAdfImageSize || size == kAdfHdImageSize) return AdfImage::load(path);
  if (size == kD64ImageSize || size == kD64WithErrorBytesSize || size == kD64Image40Size ||
      size == kD64Image40WithErrorsSize || size == kD64Image42Size ||
      size == kD64Image42WithErrorsSize) {
    return D64Image::load(path);
  }
  throw LevelError(
      path, std::nullopt, std::nullopt,
      "neither an ADF nor a D64 image by its name or size (" + std::to_string(size) + " bytes)");
}

void printNotes(const std::vector<std::string>& notes) {
  for (const std::string& n : notes) std::cerr << "prvl disk: note: " << n << "\n";
}

std::string row(const char* format, auto... values) {
  char buf[128];
  std::snprintf(buf, sizeof buf, format, values...);
  return buf;
}

const char* kindName(AdfEntryKind kind) {
  switch (kind) {
    case AdfEntryKind::Folder:
      return "dir";
    case AdfEntryKind::SoftLink:
      return "softlink";
    case AdfEntryKind::HardLink:
      return "hardlink";
    case AdfEntryKind::File:
      break;
  }
  return "file";
}

int listAdf(const AdfImage& image, const std::string& folder) {
  int directory = image.rootBlock();
  if (!folder.empty()) {
    const auto entry = image.findEntry(folder);
    if (!entry || !entry->folder) {
      std::cerr << "prvl disk: " << image.path() << ": no folder " << folder << "\n";
      return 1;
    }
    directory = entry->contentBlock;
  }
  std::vector<std::string> notes;
  const auto entries = image.entries(directory, &notes);
  std::cout << image.path() << ": Amiga disk \"" << latin1ToUtf8(image.diskName()) << "\" ("
            << (image.isFastFileSystem() ? "FFS" : "OFS")
            << (image.blockCount() == kAdfHdBlockCount ? ", high density" : "") << ")\n"
            << "block  kind          size  name\n";
  for (const AdfEntry& e : entries) {
    const bool sized = !e.folder && e.kind != AdfEntryKind::SoftLink;
    std::cout << row("%5d  %-8s", e.block, kindName(e.kind))
              << (sized ? row("%10u", static_cast<unsigned>(e.size)) : row("%10s", "")) << "  "
              << e.displayName() << (e.target.empty() ? std::string() : " -> " + e.displayTarget())
              << "\n";
  }
  printNotes(notes);
  return 0;
}

int listD64(const D64Image& image) {
  std::cout << image.path() << ": C64 disk \"" << image.title() << "\"\n"
            << "  #  type  blocks  start  name\n";
  for (const D64Entry& e : image.directory()) {
    if (e.isUnused()) continue;
    std::cout << row("%3d  %-5s %6d  %5s  ", e.index, e.typeName().c_str(), e.blocks,
                     (std::to_string(e.firstTrack) + "/" + std::to_string(e.firstSector)).c_str())
              << e.displayName() << "\n";
  }
  printNotes(image.notes());
  return 0;
}

int noSuchFile(const std::string& image, const std::string& name) {
  std::cerr << "prvl disk: " << image << ": no file named " << name << "\n";
  return 1;
}

using DiskArgs = ImportArgs;

std::optional<DiskArgs> parse(const Args& args) {
  return parseImportArgs(args, "prvl disk");
}

int extract(const DiskArgs& d) {
  const std::string& path = d.positional[0];
  const std::string& name = d.positional[1];
  const DiskImage image = openImage(path);
  Bytes data;
  std::string suggested;
  if (const auto* adf = std::get_if<AdfImage>(&image)) {
    const auto entry = adf->findEntry(name);
    if (!entry) return noSuchFile(path, name);
    data = adf->extract(entry->block);
    if (!entry->folder && data.size() < entry->size) {
      std::cerr << "prvl disk: note: the data chain of " << entry->displayName() << " ends after "
                << data.size() << " of its " << entry->size << " bytes\n";
    }
    suggested = entry->displayName();
  } else {
    const auto& d64 = std::get<D64Image>(image);
    const auto entry = d64.findEntry(name);
    if (!entry) return noSuchFile(path, name);
    data = d64.extract(*entry);
    suggested = entry->displayName();
  }
  const std::string out = d.out.empty() ? safeHostFileName(suggested) : d.out;
  writeFileAtomically(out, data);
  std::cout << out << ": " << data.size() << " bytes\n";
  return 0;
}

int importLevel(const DiskArgs& d) {
  const std::string& path = d.positional[0];
  const std::string& name = d.positional[1];
  const std::string out = d.out.empty() ? d.into : d.out;
  // Without -o the levelmap is written over: only a levelmap of the game's
  // own format may be, never a foreign levelset it was read from.
  if (d.out.empty() && asciiLower(extensionOf(d.into)) != ".map") {
    std::cerr << "prvl disk: " << d.into
              << " is not a .map levelmap; name the levelmap to write with -o OUT.map\n";
    return 2;
  }
  const DiskImage image = openImage(path);

  CliFrontend ui;
  EditorSession session(ui);
  if (fileExists(d.into) && !readLevelmap(session, d.into)) {
    std::cerr << "prvl disk: " << d.into << ": no reader for this kind of file\n";
    return 1;
  }
  int slot = kFirstSlot;
  while (slot <= kLastSlot && !session.map.isEmptyLevel(slot)) ++slot;
  if (slot > kLastSlot) {
    std::cerr << "prvl disk: " << d.into << " has no empty level left\n";
    return 1;
  }
  session.map.currentLevel = slot;
  // The importers step on to the next level, which shows it and so gives an
  // empty level the smallest size a shown level has; in a batch nobody sees
  // it, and it must stay empty for the next import to find it.
  const int nextSlot = std::min(slot + 1, kLastSlot);
  const int nextWidth = session.map.header(nextSlot).width();
  const int nextHeight = session.map.header(nextSlot).height();

  bool imported = false;
  if (const auto* adf = std::get_if<AdfImage>(&image)) {
    const auto entry = adf->findEntry(name);
    if (!entry) return noSuchFile(path, name);
    imported = importAdfLevel(session, *adf, entry->block);
  } else {
    const auto& d64 = std::get<D64Image>(image);
    const auto entry = d64.findEntry(name);
    if (!entry) return noSuchFile(path, name);
    if (!entry->isCave() && !entry->isIntermission()) {
      std::cerr << "prvl disk: " << entry->displayName()
                << " is not a Construction Kit cave (.cav or .int)\n";
      return 1;
    }
    imported = importD64Entry(session, d64, *entry);
  }
  if (nextSlot != slot) {
    session.map.header(nextSlot).setWidth(nextWidth);
    session.map.header(nextSlot).setHeight(nextHeight);
  }
  // The importer's notes; a file that is no level at all would bury the
  // terminal in them.
  constexpr std::size_t kShownNotes = 20;
  const auto& memo = session.messages;
  for (std::size_t i = 0; i < memo.size() && i < kShownNotes; ++i) {
    std::cerr << "prvl disk: " << memo[i] << "\n";
  }
  if (memo.size() > kShownNotes) {
    std::cerr << "prvl disk: ... and " << memo.size() - kShownNotes << " more notes\n";
  }
  if (!imported) {
    std::cerr << "prvl disk: " << name << " holds no level; " << out << " is left as it was\n";
    return 1;
  }
  writeLevel(session.map, ui, out);
  std::cout << "Imported " << name << " into level " << Levelmap::levelNumber(slot) << " of " << out
            << "\n";
  return 0;
}

}  // namespace

int cmdDisk(const Args& args) {
  const std::string sub = args.empty() ? "" : args[0];
  const auto d = parse(args);
  if (!d) return 2;
  const std::size_t n = d->positional.size();
  if (sub == "ls" && (n == 1 || n == 2) && d->out.empty() && d->into.empty()) {
    const DiskImage image = openImage(d->positional[0]);
    if (const auto* adf = std::get_if<AdfImage>(&image)) {
      return listAdf(*adf, n == 2 ? d->positional[1] : "");
    }
    if (n == 2) {
      std::cerr << "prvl disk: a D64 disk has no folders\n";
      return 2;
    }
    return listD64(std::get<D64Image>(image));
  }
  if (sub == "extract" && n == 2 && d->into.empty()) return extract(*d);
  if (sub == "import" && n == 2 && !d->into.empty()) return importLevel(*d);
  std::cerr << kUsage;
  return 2;
}

}  // namespace pyrovel::cli
