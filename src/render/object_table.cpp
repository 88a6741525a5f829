#include "render/object_table.h"

#include "model/file_io.h"

namespace pyrovel {

ObjectTable parseObjectTable(std::span<const std::uint8_t> data, const std::string& fileName) {
  ByteReader in(data, fileName);
  auto header = in.bytes(kObjectTableHeaderSize);
  ObjectTable table;
  table.count = getU16le(&header[2]);
  // The count is at most 65535, so the records' size cannot overflow; still
  // check it against the file before allocating.
  const std::size_t records = static_cast<std::size_t>(table.count) + 1;
  if (records * kObjectTableRecordSize > in.remaining()) {
    in.fail(2, "the object table claims " + std::to_string(table.count) + " objects (" +
                   std::to_string(records) + " records) but holds only " +
                   std::to_string(in.remaining() / kObjectTableRecordSize) + " records");
  }
  table.records.resize(records);
  for (ObjectTableRecord& r : table.records) {
    auto rec = in.bytes(kObjectTableRecordSize);
    r.secondImage = getU16le(&rec[0]);
    r.image = getU16le(&rec[2]);
  }
  return table;
}

ObjectTable loadObjectTable(const std::string& path) {
  return parseObjectTable(readFileBytes(path), path);
}

Bytes serializeObjectTable(const ObjectTable& table) {
  if (table.records.size() > 65536) {
    throw LevelError("an object table holds at most 65535 objects, not " +
                     std::to_string(table.records.size() - 1));
  }
  // Readers expect N + 1 records, so even an empty table gets one.
  std::vector<ObjectTableRecord> records = table.records;
  if (records.empty()) records.emplace_back();
  Bytes out(kObjectTableHeaderSize + records.size() * kObjectTableRecordSize, 0);
  putU16le(&out[2], static_cast<std::uint16_t>(records.size() - 1));
  std::size_t at = kObjectTableHeaderSize;
  for (const ObjectTableRecord& r : records) {
    putU16le(&out[at], static_cast<std::uint16_t>(r.secondImage));
    putU16le(&out[at + 2], static_cast<std::uint16_t>(r.image));
    at += kObjectTableRecordSize;
  }
  return out;
}

}  // namespace pyrovel
