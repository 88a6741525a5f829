// prvl res: the resources of a Windows executable or DLL: list them, copy
// one out, or import a level resource (a Construction Kit cave under BDCAV
// or BDINT, a game levelset under BDGAME) into a levelmap.
#include <algorithm>
#include <cstdio>
#include <iostream>
#include <optional>

#include "cli/cli_frontend.h"
#include "cli/commands.h"
#include "cli/import_args.h"
#include "editor/levelmap_files.h"
#include "editor/resource_import.h"
#include "import/disk_text.h"
#include "import/pe_resources.h"
#include "model/editor_session.h"
#include "model/file_io.h"
#include "model/game_format.h"
#include "model/text_case.h"

namespace pyrovel::cli {

namespace {

constexpr const char* kUsage =
    "usage: prvl res ls EXE\n"
    "       prvl res extract EXE TYPE NAME [LANG] [-o OUT]\n"
    "       prvl res import EXE TYPE NAME --into LEVELMAP [-o OUT.map]\n"
    "TYPE is a type's name or number (BDCAV, RCData, 10); NAME a resource's name\n"
    "or number; LANG a language number (the first language when left out).\n";

using ResArgs = ImportArgs;

std::optional<ResArgs> parse(const Args& args) {
  return parseImportArgs(args, "prvl res");
}

int list(const PeResources& pe) {
  std::cout << pe.path() << ": " << (pe.isPe32Plus() ? "PE32+" : "PE32") << " resources\n";
  char row[64];
  std::cout << "type            name            language      size\n";
  for (const ResourceNode& type : pe.types()) {
    const std::string typeText = latin1ToUtf8(resourceTypeName(type.key));
    for (const ResourceNode& name : type.children) {
      const std::string nameText = latin1ToUtf8(name.key.text());
      auto print = [&](const std::string& language, const ResourceData& d) {
        std::snprintf(row, sizeof row, "%-10s %10u", language.c_str(), d.size);
        std::printf("%-15s %-15s %s\n", typeText.c_str(), nameText.c_str(), row);
      };
      if (name.data) {
        print("-", *name.data);
        continue;
      }
      for (const ResourceNode& language : name.children) {
        if (language.data)
          print(language.key.text(), *language.data);
        else
          print(language.key.text() + "/...", ResourceData{});
      }
    }
  }
  std::fflush(stdout);
  return 0;
}

// The type node and the leaf below it, or an error message on stderr.
std::optional<std::pair<const ResourceNode*, const ResourceNode*>> findLeaf(
    const PeResources& pe, const std::string& type, const std::string& name) {
  const ResourceNode* t = pe.findType(type);
  if (!t) {
    std::cerr << "prvl res: " << pe.path() << ": no resource type " << type << "\n";
    return std::nullopt;
  }
  for (const ResourceNode& n : t->children) {
    if (n.key.matches(name)) return std::pair{t, &n};
  }
  std::cerr << "prvl res: " << pe.path() << ": no resource " << type << "/" << name << "\n";
  return std::nullopt;
}

int extract(const ResArgs& a) {
  const PeResources pe = PeResources::load(a.positional[0]);
  const std::string& type = a.positional[1];
  const std::string& name = a.positional[2];
  std::optional<std::string_view> language;
  if (a.positional.size() == 4) language = a.positional[3];
  const ResourceData* data = pe.find(type, name, language);
  if (!data) {
    std::cerr << "prvl res: " << pe.path() << ": no resource " << type << "/" << name
              << (language ? "/" + std::string(*language) : "") << "\n";
    return 1;
  }
  const Bytes bytes = pe.bytes(*data);
  const std::string out = a.out.empty() ? safeHostFileName(name) : a.out;
  writeFileAtomically(out, bytes);
  std::cout << out << ": " << bytes.size() << " bytes\n";
  return 0;
}

// The first of `count` empty levels in a row, if the levelmap has them.
std::optional<int> firstEmptyRun(const Levelmap& map, int count) {
  for (int slot = kFirstSlot; slot + count - 1 <= kLastSlot; ++slot) {
    bool empty = true;
    for (int s = slot; s < slot + count && empty; ++s) empty = map.isEmptyLevel(s);
    if (empty) return slot;
  }
  return std::nullopt;
}

// How many levels a levelset resource holds: read on its own first, so the
// import into the levelmap only ever fills empty levels.
int levelsetSize(const PeResources& pe, const ResourceNode& item) {
  CliFrontend ui;
  EditorSession trial(ui);
  readGameLevelset(trial, pe.bytes(*item.leafData()), false);
  int last = 0;
  for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
    if (!trial.map.isEmptyLevel(slot)) last = slot;
  }
  return last;
}

void printNotes(const std::vector<std::string>& memo) {
  constexpr std::size_t kShownNotes = 20;  // a broken resource would bury the terminal
  for (std::size_t i = 0; i < memo.size() && i < kShownNotes; ++i) {
    std::cerr << "prvl res: " << memo[i] << "\n";
  }
  if (memo.size() > kShownNotes) {
    std::cerr << "prvl res: ... and " << memo.size() - kShownNotes << " more notes\n";
  }
}

int importLevel(const ResArgs& a) {
  const std::string out = a.out.empty() ? a.into : a.out;
  // Without -o the levelmap is written over: only one of the game's own
  // format may be, never a foreign levelset it was read from.
  if (a.out.empty() && asciiLower(extensionOf(a.into)) != ".map") {
    std::cerr << "prvl res: " << a.into
              << " is not a .map levelmap; name the levelmap to write with -o OUT.map\n";
    return 2;
  }
  const PeResources pe = PeResources::load(a.positional[0]);
  const auto found = findLeaf(pe, a.positional[1], a.positional[2]);
  if (!found) return 1;
  const auto [type, item] = *found;
  const ResourceLevelKind kind = resourceLevelKind(type->key);
  if (kind == ResourceLevelKind::None || item->isList() || !item->leafData()) {
    std::cerr << "prvl res: " << type->key.text() << "/" << item->key.text()
              << " is no level resource (BDCAV, BDINT or BDGAME)\n";
    return 1;
  }

  CliFrontend ui;
  EditorSession session(ui);
  if (fileExists(a.into) && !readLevelmap(session, a.into)) {
    std::cerr << "prvl res: " << a.into << ": no reader for this kind of file\n";
    return 1;
  }
  const int count = kind == ResourceLevelKind::Levelset ? levelsetSize(pe, *item) : 1;
  if (count == 0) {
    std::cerr << "prvl res: " << item->key.text() << " holds no level; " << out
              << " is left as it was\n";
    return 1;
  }
  const auto slot = firstEmptyRun(session.map, count);
  if (!slot) {
    std::cerr << "prvl res: " << a.into << " has no " << count << " empty level"
              << (count > 1 ? "s in a row" : " left") << "\n";
    return 1;
  }
  session.map.currentLevel = *slot;
  // Showing a level gives an empty one the smallest shown size; in a batch
  // nobody sees it, and the empty levels outside the import must stay empty.
  std::vector<std::pair<int, std::pair<int, int>>> emptySizes;
  for (int s = kFirstSlot; s <= kLastSlot; ++s) {
    const LevelHeader& h = session.map.header(s);
    if ((s < *slot || s >= *slot + count) && session.map.isEmptyLevel(s)) {
      emptySizes.push_back({s, {h.width(), h.height()}});
    }
  }
  ResourceLevelKind imported = kind;
  if (kind == ResourceLevelKind::Levelset) {
    readGameLevelset(session, pe.bytes(*item->leafData()), true);
  } else {
    imported = importResource(session, pe, *type, *item, false);
  }
  for (const auto& [s, size] : emptySizes) {
    session.map.header(s).setWidth(size.first);
    session.map.header(s).setHeight(size.second);
  }
  printNotes(session.messages);
  if (imported == ResourceLevelKind::None) {
    std::cerr << "prvl res: " << item->key.text() << " holds no level; " << out
              << " is left as it was\n";
    return 1;
  }
  writeLevel(session.map, ui, out);
  const int first = Levelmap::levelNumber(*slot);
  std::cout << "Imported " << type->key.text() << "/" << item->key.text() << " into level"
            << (count > 1
                    ? "s " + std::to_string(first) + " to " + std::to_string(first + count - 1)
                    : " " + std::to_string(first))
            << " of " << out << "\n";
  return 0;
}

}  // namespace

int cmdRes(const Args& args) {
  const std::string sub = args.empty() ? "" : args[0];
  const auto a = parse(args);
  if (!a) return 2;
  const std::size_t n = a->positional.size();
  if (sub == "ls" && n == 1 && a->out.empty() && a->into.empty()) {
    return list(PeResources::load(a->positional[0]));
  }
  if (sub == "extract" && (n == 3 || n == 4) && a->into.empty()) return extract(*a);
  if (sub == "import" && n == 3 && !a->into.empty()) return importLevel(*a);
  std::cerr << kUsage;
  return 2;
}

}  // namespace pyrovel::cli
