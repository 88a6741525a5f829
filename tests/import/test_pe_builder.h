#pragma once
// Builds small Windows executables byte by byte: a DOS header, the PE
// signature, the file header, a PE32 or PE32+ optional header with the
// resource data directory, a ".text" and a ".rsrc" section, and a resource
// tree of types, names and languages. The offsets of the pieces are kept so
// tests can damage them.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace pyrovel::testing {

struct PeKey {
  std::string name;  // a named entry when not empty
  std::uint32_t id = 0;
  bool named() const { return !name.empty(); }
};

struct PeResource {
  PeKey type, name;
  std::uint16_t language = 0x409;
  std::vector<std::uint8_t> data;
};

struct PeImage {
  std::vector<std::uint8_t> bytes;
  std::size_t ntHeaders = 0;     // file offset of "PE\0\0"
  std::size_t sectionTable = 0;  // file offset of the first section header
  std::size_t rsrcStart = 0;     // file offset of the resource directory
  std::uint32_t rsrcRva = 0;
  std::vector<std::size_t> typeEntries;      // file offsets of the root's 8-byte entries
  std::vector<std::size_t> dataEntries;      // file offsets of the 16-byte data entries, in order
  std::vector<std::size_t> languageEntries;  // file offsets of the entries naming them
};

inline void put16(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
  b[at] = static_cast<std::uint8_t>(v);
  b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}
inline void put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// The resources in the order given; types and names keep their first
// appearance's order (named entries are listed before numbered ones within
// a directory, as linkers write them, when the test lists them so).
// The resource section is named `rsrcName` (".rsrc" as linkers usually
// write it; the data directory is what finds it).
inline PeImage buildPe(const std::vector<PeResource>& resources, bool pe32Plus = false,
                       const char* rsrcName = ".rsrc") {
  PeImage img;
  constexpr std::size_t kNt = 0x80;
  constexpr std::uint32_t kTextRva = 0x1000, kRsrcRva = 0x2000;
  constexpr std::size_t kTextRaw = 0x200, kRsrcRaw = 0x400;
  const std::size_t optionalSize = pe32Plus ? 240 : 224;

  // The resource section, laid out: root, type directories, name
  // directories, data entries, name strings, data.
  struct Name {
    PeKey key;
    std::vector<std::size_t> resources;
  };
  struct Type {
    PeKey key;
    std::vector<Name> names;
  };
  std::vector<Type> types;
  for (std::size_t i = 0; i < resources.size(); ++i) {
    const PeResource& r = resources[i];
    auto same = [](const PeKey& a, const PeKey& b) { return a.name == b.name && a.id == b.id; };
    Type* t = nullptr;
    for (Type& x : types)
      if (same(x.key, r.type)) t = &x;
    if (!t) t = &types.emplace_back(Type{r.type, {}});
    Name* n = nullptr;
    for (Name& x : t->names)
      if (same(x.key, r.name)) n = &x;
    if (!n) n = &t->names.emplace_back(Name{r.name, {}});
    n->resources.push_back(i);
  }
  auto dirSize = [](std::size_t entries) { return 16 + 8 * entries; };
  std::size_t at = dirSize(types.size());
  std::vector<std::size_t> typeDir, nameDirStart;
  std::vector<std::vector<std::size_t>> nameDir(types.size());
  for (std::size_t t = 0; t < types.size(); ++t) {
    typeDir.push_back(at);
    at += dirSize(types[t].names.size());
  }
  for (std::size_t t = 0; t < types.size(); ++t) {
    for (const Name& n : types[t].names) {
      nameDir[t].push_back(at);
      at += dirSize(n.resources.size());
    }
  }
  const std::size_t dataEntriesAt = at;
  at += 16 * resources.size();
  std::map<std::string, std::size_t> strings;
  for (const PeResource& r : resources) {
    for (const PeKey* k : {&r.type, &r.name}) {
      if (k->named() && !strings.count(k->name)) {
        strings[k->name] = at;
        at += 2 + 2 * k->name.size();
      }
    }
  }
  at = (at + 3) & ~std::size_t{3};
  std::vector<std::size_t> dataAt;
  for (const PeResource& r : resources) {
    dataAt.push_back(at);
    at += (r.data.size() + 3) & ~std::size_t{3};
  }
  const std::size_t rsrcSize = (at + 0x1FF) & ~std::size_t{0x1FF};

  std::vector<std::uint8_t>& b = img.bytes;
  b.assign(kRsrcRaw + rsrcSize, 0);
  b[0] = 'M';
  b[1] = 'Z';
  put32(b, 60, kNt);
  img.ntHeaders = kNt;
  b[kNt] = 'P';
  b[kNt + 1] = 'E';
  put16(b, kNt + 4, pe32Plus ? 0x8664 : 0x14C);  // machine
  put16(b, kNt + 6, 2);                          // sections
  put16(b, kNt + 20, static_cast<std::uint32_t>(optionalSize));
  put16(b, kNt + 22, 0x2102);  // characteristics: a DLL
  const std::size_t opt = kNt + 24;
  put16(b, opt, pe32Plus ? 0x20B : 0x10B);
  const std::size_t countField = opt + (pe32Plus ? 108 : 92);
  put32(b, countField, 16);
  put32(b, countField + 4 + 2 * 8, kRsrcRva);
  put32(b, countField + 4 + 2 * 8 + 4, static_cast<std::uint32_t>(at));
  img.sectionTable = opt + optionalSize;
  auto section = [&](std::size_t i, const char* name, std::uint32_t rva, std::size_t raw,
                     std::size_t size) {
    const std::size_t s = img.sectionTable + 40 * i;
    for (std::size_t c = 0; name[c]; ++c) b[s + c] = static_cast<std::uint8_t>(name[c]);
    put32(b, s + 8, static_cast<std::uint32_t>(size));  // virtual size
    put32(b, s + 12, rva);
    put32(b, s + 16, static_cast<std::uint32_t>(size));  // raw size
    put32(b, s + 20, static_cast<std::uint32_t>(raw));
  };
  section(0, ".text", kTextRva, kTextRaw, 0x200);
  section(1, rsrcName, kRsrcRva, kRsrcRaw, rsrcSize);
  img.rsrcStart = kRsrcRaw;
  img.rsrcRva = kRsrcRva;

  auto dir = [&](std::size_t off, const std::vector<PeKey>& keys) {
    std::size_t named = 0;
    for (const PeKey& k : keys) named += k.named();
    put16(b, kRsrcRaw + off + 12, static_cast<std::uint32_t>(named));
    put16(b, kRsrcRaw + off + 14, static_cast<std::uint32_t>(keys.size() - named));
  };
  auto entry = [&](std::size_t entryOffset, const PeKey& key, std::uint32_t target) {
    put32(b, kRsrcRaw + entryOffset,
          key.named() ? 0x80000000u | static_cast<std::uint32_t>(strings[key.name]) : key.id);
    put32(b, kRsrcRaw + entryOffset + 4, target);
  };
  std::vector<PeKey> typeKeys;
  for (const Type& t : types) typeKeys.push_back(t.key);
  dir(0, typeKeys);
  for (std::size_t t = 0; t < types.size(); ++t) {
    img.typeEntries.push_back(kRsrcRaw + 16 + 8 * t);
    entry(16 + 8 * t, types[t].key, 0x80000000u | static_cast<std::uint32_t>(typeDir[t]));
    std::vector<PeKey> nameKeys;
    for (const Name& n : types[t].names) nameKeys.push_back(n.key);
    dir(typeDir[t], nameKeys);
    for (std::size_t n = 0; n < types[t].names.size(); ++n) {
      entry(typeDir[t] + 16 + 8 * n, types[t].names[n].key,
            0x80000000u | static_cast<std::uint32_t>(nameDir[t][n]));
      const auto& langs = types[t].names[n].resources;
      dir(nameDir[t][n], std::vector<PeKey>(langs.size()));
      for (std::size_t l = 0; l < langs.size(); ++l) {
        const std::size_t r = langs[l];
        img.languageEntries.resize(resources.size());
        img.languageEntries[r] = kRsrcRaw + nameDir[t][n] + 16 + 8 * l;
        entry(nameDir[t][n] + 16 + 8 * l, PeKey{"", resources[r].language},
              static_cast<std::uint32_t>(dataEntriesAt + 16 * r));
      }
    }
  }
  for (std::size_t r = 0; r < resources.size(); ++r) {
    const std::size_t e = kRsrcRaw + dataEntriesAt + 16 * r;
    img.dataEntries.push_back(e);
    put32(b, e, kRsrcRva + static_cast<std::uint32_t>(dataAt[r]));
    put32(b, e + 4, static_cast<std::uint32_t>(resources[r].data.size()));
    put32(b, e + 8, 1252);
    std::copy(resources[r].data.begin(), resources[r].data.end(),
              b.begin() + static_cast<std::ptrdiff_t>(kRsrcRaw + dataAt[r]));
  }
  for (const auto& [text, off] : strings) {
    put16(b, kRsrcRaw + off, static_cast<std::uint32_t>(text.size()));
    for (std::size_t c = 0; c < text.size(); ++c) {
      put16(b, kRsrcRaw + off + 2 + 2 * c, static_cast<unsigned char>(text[c]));
    }
  }
  return img;
}

// A plain Construction Kit cave: dirt everywhere, the player at the top
// left, a level time of 150.
inline std::vector<std::uint8_t> ckCave() {
  std::vector<std::uint8_t> b(500, 0);
  for (std::size_t i = 2; i < 442; ++i) b[i] = 0x77;
  b[2 + 20] = 0xE7;  // second stored row (row 0): player, dirt
  b[444] = 150;
  return b;
}

// A game levelset of `levels` 5 x 2 levels named "Cave 1", "Cave 2", ...
inline std::vector<std::uint8_t> gamLevelset(int levels) {
  std::vector<std::uint8_t> out(84, 0);
  for (int n = 1; n <= levels; ++n) {
    std::vector<std::uint8_t> h(292, 0);
    const std::string name = "Cave " + std::to_string(n);
    std::copy(name.begin(), name.end(), h.begin());
    h[45] = 5;  // width, high byte first
    h[47] = 2;  // height
    out.insert(out.end(), h.begin(), h.end());
    out.insert(out.end(), {0, 0, 255, 1, 10, 255, 255});  // a run of 10 cells
  }
  return out;
}

}  // namespace pyrovel::testing
