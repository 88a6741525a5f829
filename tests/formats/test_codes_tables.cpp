// Code tables: first, last and unknown entries, runs at both ends, and the
// EM marker codes, where a transcription slip would show.
#include <gtest/gtest.h>

#include <set>

#include "formats/bd4v2_codes.h"
#include "formats/boulderoid_codes.h"
#include "formats/boulderrush_codes.h"
#include "formats/bpbd_codes.h"
#include "formats/ck_nibbles.h"
#include "formats/dc2_codes.h"
#include "formats/em_codes.h"
#include "formats/em_table_listings.h"
#include "formats/rnd_codes.h"
#include "model/editor_session.h"
#include "support/test_support.h"

namespace pyrovel {
namespace {

TEST(EmCodeTable, EntriesAtTheEndsOfRunsAndUnknowns) {
  EXPECT_EQ(emCodeToObject(0), 3);
  EXPECT_EQ(emCodeToObject(1), 15);
  EXPECT_EQ(emCodeToObject(59), 73);
  EXPECT_EQ(emCodeToObject(62), 73);
  EXPECT_EQ(emCodeToObject(123), 0);
  EXPECT_EQ(emCodeToObject(128), 0);
  EXPECT_EQ(emCodeToObject(149), 63);
  EXPECT_EQ(emCodeToObject(152), 66);
  EXPECT_EQ(emCodeToObject(155), 75);
  EXPECT_EQ(emCodeToObject(157), 75);
  EXPECT_EQ(emCodeToObject(200), 100);
  EXPECT_EQ(emCodeToObject(236), 136);
  EXPECT_EQ(emCodeToObject(237), 139);
  EXPECT_EQ(emCodeToObject(242), 146);
  EXPECT_EQ(emCodeToObject(245), 149);
  EXPECT_EQ(emCodeToObject(246), 15);
  EXPECT_EQ(emCodeToObject(255), 15);
}

TEST(EmCodeTable, GroverOnlyForUnknownCodes) {
  // 15 must never be the result of a listed code: the importers report
  // every 15 as unsupported. Count the codes giving it against the list.
  int grovers = 0;
  for (int c = 0; c < 256; ++c) grovers += emCodeToObject(static_cast<std::uint8_t>(c)) == 15;
  EXPECT_EQ(grovers, 256 - 167 - 8);  // 167 listed codes, 8 markers
}

TEST(EmCodeTable, EightMarkersStandForObjects) {
  struct Case {
    int code, marker, object, move;
    std::uint8_t lowByte;
  };
  const Case cases[] = {{36, -16, 16, 0, 240},   {40, -72, 72, 0, 184},   {114, -114, 12, -1, 142},
                        {115, -115, 12, 1, 141}, {119, -119, 9, -1, 137}, {120, -120, 9, 1, 136},
                        {121, -121, 3, -1, 135}, {122, -122, 3, 1, 134}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    const int result = emCodeToObject(static_cast<std::uint8_t>(c.code));
    EXPECT_EQ(result, c.marker);
    EXPECT_EQ(static_cast<std::uint8_t>(result), c.lowByte);
    const EmMarker* m = findEmMarker(result);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->code, c.code);
    EXPECT_EQ(m->object, c.object);
    EXPECT_EQ(m->move, c.move);
    EXPECT_EQ(emResolvedObject(result), c.object);
  }
  EXPECT_EQ(findEmMarker(16), nullptr);
  EXPECT_EQ(findEmMarker(-1), nullptr);
  EXPECT_EQ(emResolvedObject(72), 72);
}

TEST(EmExportTable, PlayersAndRunsAndFallback) {
  EXPECT_EQ(emExportCode(0), 128);
  EXPECT_EQ(emExportCode(2), 128);
  EXPECT_EQ(emExportCode(237), 128);
  EXPECT_EQ(emCodeToObject(emExportCode(2)), 0);
  EXPECT_EQ(emExportCode(6), 131);
  EXPECT_EQ(emExportCode(63), 149);
  EXPECT_EQ(emExportCode(66), 152);
  EXPECT_EQ(emExportCode(100), 200);
  EXPECT_EQ(emExportCode(135), 235);
  EXPECT_EQ(emExportCode(145), 241);
  EXPECT_EQ(emExportCode(149), 245);
  EXPECT_EQ(emExportCode(255), 68);
  EXPECT_EQ(emExportCode(14), 3);   // unlisted
  EXPECT_EQ(emExportCode(256), 3);  // beyond the catalogue
  EXPECT_EQ(emExportCode(-5), 3);
}

TEST(EmExportTable, OnlyTheKnownObjectsFailToComeBack) {
  // Every listed object reads back as itself except the players and five
  // objects the EM set lacks; unlisted ones become 3 and read back as 13.
  std::set<int> notBack;
  for (int n = 0; n < 256; ++n) {
    const std::uint8_t code = emExportCode(n);
    if (code == kEmFallbackCode) {
      EXPECT_EQ(emCodeToObject(code), 13) << n;
      continue;
    }
    if (emCodeToObject(code) != n) notBack.insert(n);
  }
  EXPECT_EQ(notBack, (std::set<int>{2, 62, 76, 145, 177, 178, 237}));
}

TEST(EmYamTables, DecodingInvertsTheYamTable) {
  EXPECT_EQ(emYamCode(0), 0);
  EXPECT_EQ(emYamCode(8), 23);
  EXPECT_EQ(emYamCode(74), 8);
  EXPECT_EQ(emYamCode(2), 0);  // unlisted
  EXPECT_EQ(emYamCode(999), 0);
  EXPECT_EQ(emYamToObject(1), 4);
  EXPECT_EQ(emYamToObject(23), 8);
  EXPECT_EQ(emYamToObject(24), 0);
  EXPECT_EQ(emYamToObject(255), 0);
  for (int c = 0; c < 24; ++c) {
    EXPECT_EQ(emYamCode(emYamToObject(static_cast<std::uint8_t>(c))), c);
  }
}

TEST(Bd4V2Codes, PairsAreExactAndCaseSensitive) {
  EXPECT_EQ(bd4V2CodeToObject('W', 'W'), 6);
  EXPECT_EQ(bd4V2CodeToObject('w', 'w'), 0);
  EXPECT_EQ(bd4V2CodeToObject('W', 'w'), 17);
  EXPECT_EQ(bd4V2CodeToObject('.', '.'), 1);
  EXPECT_EQ(bd4V2CodeToObject('.', 'O'), 9);
  EXPECT_EQ(bd4V2CodeToObject('.', 'o'), 3);
  EXPECT_EQ(bd4V2CodeToObject('"', '"'), 0);
  EXPECT_EQ(bd4V2CodeToObject('s', '4'), 11);
  EXPECT_EQ(bd4V2CodeToObject('s', 'd'), 74);
  EXPECT_EQ(bd4V2CodeToObject('Z', 'Z'), 0);
}

TEST(BoulderRushCodes, Entries) {
  EXPECT_EQ(boulderRushCodeToObject(0), 0);
  EXPECT_EQ(boulderRushCodeToObject(134), 2);
  EXPECT_EQ(boulderRushCodeToObject(229), 231);
  EXPECT_EQ(boulderRushCodeToObject(255), 42);
  EXPECT_EQ(boulderRushCodeToObject(7), 15);
}

TEST(CkNibbles, HighNibbleFirst) {
  EXPECT_EQ(ckNibbleObjects(0x7F), (std::array<int, 2>{1, 0}));
  EXPECT_EQ(ckNibbleObjects(0x0E), (std::array<int, 2>{195, 2}));
  EXPECT_EQ(ckNibbleObjects(0xC8), (std::array<int, 2>{30, 229}));
}

TEST(BoulderoidCodes, Characters) {
  EXPECT_EQ(boulderoidCharToObject('.'), 1);
  EXPECT_EQ(boulderoidCharToObject('0'), 48);
  EXPECT_EQ(boulderoidCharToObject('9'), 48);
  EXPECT_EQ(boulderoidCharToObject('F'), 15);
  EXPECT_EQ(boulderoidCharToObject('x'), 155);
  EXPECT_EQ(boulderoidCharToObject('Z'), 0);
  EXPECT_EQ(boulderoidCharToObject(' '), 0);
  EXPECT_EQ(boulderoidCharToObject('\xFF'), 0);
}

TEST(BpbdCodes, RunsAndUnknown) {
  EXPECT_EQ(bpbdCodeToObject(0), 0);
  EXPECT_EQ(bpbdCodeToObject(12), kBpbdUnknown);
  EXPECT_EQ(bpbdCodeToObject(20), 62);
  EXPECT_EQ(bpbdCodeToObject(23), 65);
  EXPECT_EQ(bpbdCodeToObject(49), 99);
  EXPECT_EQ(bpbdCodeToObject(85), 135);
  EXPECT_EQ(bpbdCodeToObject(86), kBpbdUnknown);
  EXPECT_EQ(bpbdCodeToObject(212), 61);
  EXPECT_EQ(bpbdCodeToObject(255), kBpbdUnknown);
}

TEST(Dc2Codes, SparseRuns) {
  EXPECT_EQ(dc2CodeToObject(0), 3);
  EXPECT_EQ(dc2CodeToObject(1), 0);
  EXPECT_EQ(dc2CodeToObject(279), 13);
  EXPECT_EQ(dc2CodeToObject(872), 13);
  EXPECT_EQ(dc2CodeToObject(873), 4);
  EXPECT_EQ(dc2CodeToObject(1668), 4);
  EXPECT_EQ(dc2CodeToObject(1669), 0);
  EXPECT_EQ(dc2CodeToObject(5495), 0);
  EXPECT_EQ(dc2CodeToObject(5545), 100);
  EXPECT_EQ(dc2CodeToObject(5570), 125);
  EXPECT_EQ(dc2CodeToObject(5628), 126);
  EXPECT_EQ(dc2CodeToObject(5638), 136);
  EXPECT_EQ(dc2CodeToObject(5678), 125);
  EXPECT_EQ(dc2CodeToObject(5828), 226);
  EXPECT_EQ(dc2CodeToObject(5837), 200);
  EXPECT_EQ(dc2CodeToObject(5838), 0);
  EXPECT_EQ(dc2CodeToObject(65535), 0);
}

TEST(RndCodes, RunsAndUnknown) {
  EXPECT_EQ(rndCodeToObject(0), 0);
  EXPECT_EQ(rndCodeToObject(5), 15);
  EXPECT_EQ(rndCodeToObject(81), 237);
  EXPECT_EQ(rndCodeToObject(136), 126);
  EXPECT_EQ(rndCodeToObject(146), 136);
  EXPECT_EQ(rndCodeToObject(153), 100);
  EXPECT_EQ(rndCodeToObject(179), 126);
  EXPECT_EQ(rndCodeToObject(182), 145);
  EXPECT_EQ(rndCodeToObject(255), 15);
}

TEST(EmListings, LinesGoToTheMessageMemo) {
  testing::ScriptedFrontend ui;
  EditorSession session(ui);
  emToGameTableListing(session);
  ASSERT_EQ(session.messages.size(), 256u);
  EXPECT_EQ(session.messages[0], "EM:0- PR:3 :3 :Rock");
  EXPECT_EQ(session.messages[1], "EM:1- PR:15 :15:Grover");
  EXPECT_EQ(session.messages[200], "EM:200- PR:100 :100:'A'");
  // A marker shows the object it stands for.
  EXPECT_EQ(session.messages[36], "EM:36- PR:-16 :16:Magic Wall (magic wall active)");
  EXPECT_TRUE(ui.changes & kMessages);

  session.messages.clear();
  gameToEmTableListing(session);
  ASSERT_EQ(session.messages.size(), 256u);
  EXPECT_EQ(session.messages[0], "GrotToBd4[0] :=128;");
  EXPECT_EQ(session.messages[2], "GrotToBd4[2] :=3;");     // no code reads as the player
  EXPECT_EQ(session.messages[73], "GrotToBd4[73] :=62;");  // highest of 59..62
  EXPECT_EQ(session.messages[136], "GrotToBd4[136] :=238;");
  EXPECT_EQ(session.messages[255], "GrotToBd4[255] :=68;");
}

}  // namespace
}  // namespace pyrovel
